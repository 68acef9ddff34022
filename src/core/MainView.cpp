#include "core/MainView.h"

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
