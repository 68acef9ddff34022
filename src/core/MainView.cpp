#include "core/MainView.h"

#include <QWidget>

namespace {
MainView *g_view = nullptr;
}

MainView *MainView::Loaded() { return g_view; }

MainView::MainView() { g_view = this; }

MainView::~MainView()
{
    if (g_view == this)
        g_view = nullptr;
}

QWidget *MainView::Widget() { return dynamic_cast<QWidget *>(this); }

const QWidget *MainView::Widget() const { return dynamic_cast<const QWidget *>(this); }
