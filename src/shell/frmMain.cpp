#include "shell/frmMain.h"

namespace {
frmMain *g_main = nullptr;
}

frmMain::frmMain(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tickerwatch 5.7"));
}

frmMain::~frmMain()
{
    if (g_main == this)
        g_main = nullptr;
}

frmMain *frmMain::Instance()
{
    if (!g_main)
        g_main = new frmMain;
    return g_main;
}

frmMain *frmMain::Loaded() { return g_main; }

void frmMain::Unload()
{
    delete g_main;
    g_main = nullptr;
}

void frmMain::ShowWindow()
{
    show();
    if (!loaded_) {
        loaded_ = true;
        LoadData();
    }
}
