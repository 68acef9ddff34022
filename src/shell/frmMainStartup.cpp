#include "shell/frmMain.h"

#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/Inet.h"
#include "platform/Registry.h"
#include "platform/Vb.h"
#include "platform/clsFormResize.h"
#include "reports/ReportPage.h"
#include "services/frmSplash.h"
#include "shell/DimScreen.h"
#include "shell/Skins.h"

#include <QDir>
#include <algorithm>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

// Start-up, activation, resizing and shut-down of the main window.

namespace {

std::function<void()> &ExitHook()
{
    static std::function<void()> hook;
    return hook;
}


// The open set as stored; anything but a whole number 0 to 20 opens set 0,
// so a hand-edited value never names a set file the program does not keep.
int16_t StoredSet()
{
    const QString text = Settings::Get(QStringLiteral("LastGroup")).ToText();
    bool ok = false;
    const double v = Vb::ParseNumber(text, &ok);
    if (!ok)
        return 0;
    const double n = Vb::RoundHalfEven(v);
    return n >= 0 && n <= 20 ? int16_t(n) : int16_t(0);
}

} // namespace

void frmMain::SetExitHook(std::function<void()> hook) { ExitHook() = std::move(hook); }

void frmMain::WireStartup()
{
    Inet1 = new Inet(this);
    Inet1->setObjectName(QStringLiteral("Inet1"));
    // The legend is small print under the bars; at the window's own size the
    // five names would run into each other.
    for (QLabel *name : lblDsc) {
        QFont small = name->font();
        small.setPointSizeF(7);
        name->setFont(small);
        name->adjustSize();
    }
    Timer1->start();
}

void frmMain::Form_Load()
{
    try {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            Geometry::SetLeft(this, (Twips::FromPixels(screen->geometry().width()) - Geometry::Width(this)) / 2);
        LoadData();
        SplitterDragColor = 0x808080;
        TreeDragX = 2147483647;
        GridDragY = 2147483647;
        GridTopLimit = Vb::CInt(Geometry::Top(FG));
        if (!FormResize)
            FormResize = new clsFormResize;
        FormResize->SetSourceForm(this);
        BaseRowHeight = Vb::CInt(FG->RowHeight(0));
        Splitter->setCursor(Artwork::Cursor(103));
        const RegVariant treePos = Settings::Get(QStringLiteral("LastTreePos"));
        if (!treePos.IsEmptyText()) {
            int32_t left = Vb::CLng(treePos.ToNumber());
            bool known = false;
            const int share = Settings::Get(QStringLiteral("LastTreeShare")).ToText().toInt(&known);
            if (known && share > 0 && share < 10000)
                left = Vb::CLng(Geometry::ScaleWidth(PicCont) * share / 10000.0);
            Geometry::SetLeft(picSplit2, left);
            picSplit2_MouseUp(2, 0, 0, float(left));
        }
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("frmMain_Form_Load"), false);
    }
}

void frmMain::LoadData()
{
    try {
        if (AppFolder.isEmpty())
            AppFolder = AppPaths::DefaultAppFolder();
        BaseCaption = windowTitle();
        AbortFlag = 0;
        frmSplash::Progress(60);

        for (const QString &path : AppPaths::CacheFolders()) {
            if (!QFileInfo::exists(path)) {
                QDir().mkdir(path);
                Misc::DoEvents();
            }
        }

        ReportPage::PlacePictures();

        frmSplash::Progress(65);
        Misc::ApplySkin();
        frmSplash::Progress(70);
        FractionsMode = Settings::Get(QStringLiteral("Fractions"));
        VolumeMode = Settings::Get(QStringLiteral("Volume"));
        LoadSets();
        frmSplash::Progress(75);

        mnuSet_Click(StoredSet());

        Inet1->SetAccessType(Settings::Get(QStringLiteral("ProxyE")).ToNumber() == 1 ? Inet::icNamedProxy
                                                                                       : Inet::icDirect);
        Inet1->SetProxy(Settings::Get(QStringLiteral("Proxy")).ToText());
        LastNodeIndex = 1;
        AutoUpdateMinutes = Vb::CInt(Settings::Get(QStringLiteral("AutoUpdate")).ToNumber());

        frmSplash::Progress(80);
        LoadLayOut();
        frmSplash::Progress(85);
        Misc::DoEvents();
        LoadPrices();
        frmSplash::Progress(90);
        ShowRec();
        Misc::DoEvents();
        frmSplash::Progress(100);
        frmSplash::UnloadSplash();
        Misc::DoEvents();
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("frmMain_LoadData"), false);
    }
}

void frmMain::Form_Activate()
{
    if (frmSplash::Loaded())
        frmSplash::UnloadSplash();
}

void frmMain::Form_Resize()
{
    try {
        if (FormResize)
            FormResize->ScaleControls();
        const int16_t L = Vb::CInt(Geometry::Left(img[0]));
        const int16_t W = Vb::CInt(Geometry::Width(img[0]));
        // The right end is a 16-bit figure: past it the legend is left alone.
        const int sum = L + W;
        if (sum > 32767 || sum < -32768)
            throw VbError::Overflow();
        PlaceLegend();
        Geometry::SetLeft(Shape1, Geometry::Left(picSplit2) + 250);
        // The resizer scales each control alone; what hangs together is put
        // after it: the strip beside the tree, the bars to the right
        // edge, the lower arrow at the foot of the symbol bar, the ticker
        // across the window.
        Geometry::SetWidth(NewsTicker1, Geometry::ScaleWidth(this));
        PlaceBesideTree(Vb::CLng(Geometry::Left(picSplit2)));
        const double barsRight = Geometry::ScaleWidth(PicCont);
        for (QLabel *bar : img)
            Geometry::SetWidth(bar, std::max(0.0, barsRight - Geometry::Left(bar)));
        PlaceLegend(); // under the bars as they now stand
        Geometry::SetTop(ImgDn, Geometry::Top(Splitter) - 240);
        QLabel *framed = Panel1[RectPanel];
        Geometry::Move(Rect, Geometry::Left(framed), Geometry::Top(Rect), Geometry::Width(framed), Geometry::Height(framed));
        ShowRec();
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("frmMain_Form_Resize"), false);
    }
}

void frmMain::Form_MouseMove(int, int, float, float) { EndHover(); }

void frmMain::ConfirmExit()
{
    bool ask = true;
    try {
        const RegVariant shutDown = Settings::Get(QStringLiteral("ShutDown"));
        ask = !(shutDown.IsEmptyText() || shutDown.EqualsZero());
    } catch (const VbError &) {
        // A value that is not a number is neither empty nor 0: ask.
    }
    if (!ask) {
        ExitProgram();
        return;
    }
    DimScreen::DimForm(this);
    const int answer = Dialogs::MsgBox(QStringLiteral("Do you realy want to quit Tickerwatch?"),
                                       Dialogs::vbYesNo | Dialogs::vbQuestion, QStringLiteral("Shut Down Tickerwatch"));
    if (answer == Dialogs::vbYes)
        ExitProgram();
    else
        DimScreen::ResetScreen();
}

void frmMain::ExitProgram()
{
    SaveLayOut();
    Registry::instance().Flush(); // the process ends below without unwinding
    Misc::DoEvents();
    DimScreen::ResetScreen();
    Misc::DoEvents();
    BitBltModule::BitBlt_DestroyHdcs();
    Misc::DoEvents();
    if (ExitHook()) {
        ExitHook()();
        return;
    }
    // Ends at once, like the close of the process: no other window's close
    // handling runs and nothing more is saved; a run under way is cut off.
    std::fflush(nullptr);
    std::_Exit(0);
}
