#include "shell/Zoom.h"

#include "core/Arrange.h"
#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/ControlNames.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/KeyPreview.h"
#include "platform/Text.h"
#include "platform/Twips.h"
#include "platform/Vb.h"
#include "platform/clsFormResize.h"
#include "reports/Reports.h"
#include "sheets/SheetState.h"
#include "sheets/Utilities.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

namespace {

std::function<void(QMenu *)> &PopupHook()
{
    static std::function<void(QMenu *)> hook;
    return hook;
}

// Column widths of the zoomed views, per cent of the grid; views without a
// row keep the widths their filler gave. "F_" stands for every fund list.
const QList<std::pair<const char *, QList<double>>> &WidthTable()
{
    static const QList<std::pair<const char *, QList<double>>> table = {
        {"F_", {12, 48, 12, 12, 12}},
        {"ABS", {31, 13, 13, 13, 13, 13}},
        {"AIS", {31, 13, 13, 13, 13, 13}},
        {"IPO_Price", {12, 25, 10, 16, 10, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
        {"IPO_Gain", {25, 10, 12, 10, 10, 11, 9, 9, 9, 9, 9, 9, 9, 9}},
        {"IPO_Reg", {12, 25, 10, 9, 12, 15, 12, 9}},
        {"Coverage", {25, 12, 27, 20, 12}},
        {"Downgrade", {25, 12, 25, 12, 12, 10}},
        {"Upgrade", {25, 12, 25, 12, 12, 10}},
        {"QR", {15, 15, 66, 0, 0, 0, 0}},
        {"US", {4, 30, 9, 10, 12, 10, 12, 20, 0}},
        {"WM", {4, 20, 10, 10, 9, 12, 12, 12, 10}},
        {"SUP", {10, 32, 18, 18, 18}},
        {"IT", {13, 0, 30, 12, 10, 10, 10, 12}},
        {"BRP", {12, 20, 65}},
        {"Split", {17, 17, 16, 16, 16, 16}},
        {"UPH", {12, 20, 66}},
        {"NMR", {97}},
        {"IPO_Last", {9, 9, 20, 18, 12, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
        {"IPO_Loss", {25, 10, 12, 10, 10, 11, 9, 9, 9, 9, 9, 9, 9, 9}},
        {"IPO_News", {2, 70, 12, 12, 0}},
        {"IPO_With", {12, 25, 10, 10, 18, 12, 10}},
        {"Port", {9, 10, 8, 8, 6, 13, 13, 10, 10, 12, 0}},
        {"PortLog", {12, 10, 15, 12, 12, 12, 15}},
        {"Profile", {1, 97, 1}},
        {"Options", {2, 12, 8, 8, 8, 8, 8, 8, 12, 8, 8, 8, 8, 8, 8}},
        {"SI", {20, 25, 25, 25}},
    };
    return table;
}

const QList<double> *WidthsOf(const QString &view)
{
    for (const auto &[name, widths] : WidthTable()) {
        const QLatin1String n(name);
        if (n == QLatin1String("F_") ? view.startsWith(n) : view == n)
            return &widths;
    }
    return nullptr;
}


} // namespace

void Zoom::SetPopupHook(std::function<void(QMenu *)> hook) { PopupHook() = std::move(hook); }

Zoom::Zoom(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("Zoom"));
    setWindowTitle(QStringLiteral("Zoom"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    resize(Twips::ToPixels(8805), Twips::ToPixels(5085));

    cmdMin = new QPushButton(this);
    cmdMin->setObjectName(QStringLiteral("cmdMin"));
    cmdMin->setToolTip(QStringLiteral("Click Here To Minimize"));
    cmdMin->setFocusPolicy(Qt::NoFocus);
    Geometry::Move(cmdMin, 0, 0, 8775, 135);
    connect(cmdMin, &QPushButton::clicked, this, &Zoom::cmdMin_Click);

    FG = new FlexGrid(this);
    FG->setObjectName(QStringLiteral("FG"));
    FG->setProperty("Tag", QStringLiteral("@W,H"));
    Geometry::Move(FG, 0, 240, 8775, 4455);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setProperty("vbType", QStringLiteral("Shape"));
    Shape1->setStyleSheet(QStringLiteral("background: #ffff00;"));
    Shape1->setProperty("Tag", QStringLiteral("@T,L"));
    Geometry::Move(Shape1, 1920, 4800, 615, 255);
    Shape1->hide();

    static const char *captions[3] = {"Exit", "Edit", "Export"};
    static const char *tips[3] = {"Close (Alt X)", "Edit (Alt E)", "Make Reports (Alt P)"};
    for (int i = 0; i < 3; ++i) {
        Panel1[i] = new QLabel(QString::fromLatin1(captions[i]), this);
        Panel1[i]->setObjectName(ControlNames::Indexed("Panel1", i));
        Panel1[i]->setToolTip(QString::fromLatin1(tips[i]));
        Panel1[i]->setAlignment(Qt::AlignCenter);
        Panel1[i]->setStyleSheet(QStringLiteral("color: #0000ff;"));
        Panel1[i]->setProperty("Tag", QStringLiteral("@T,L"));
        Panel1[i]->setMouseTracking(true);
        Panel1[i]->installEventFilter(this);
        Geometry::Move(Panel1[i], 120 + 720 * i, 4800, 615, 255);
        Panel1[i]->raise();
    }

    mnuEdits = new QMenu(QStringLiteral("Edit"), this);
    mnuEdits->setObjectName(QStringLiteral("mnuEdits"));
    static const char *edits[3] = {"Select All", "-", "Copy"};
    for (int i = 0; i < 3; ++i) {
        mnuEdit[i] = mnuEdits->addAction(QString::fromLatin1(edits[i]));
        mnuEdit[i]->setObjectName(ControlNames::Indexed("mnuEdit", i));
        mnuEdit[i]->setSeparator(i == 1);
        connect(mnuEdit[i], &QAction::triggered, this, [this, i] { mnuEdit_Click(i); });
    }
    mnuExport = new QMenu(QStringLiteral("Export"), this);
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    static const char *exports[16] = {"HTML", "Tab Delimited Text", "Comma Delimited Text", "Quicken Pre 5.0",
                                      "Quicken 5.0 or Later", "Meta Stock", "Quote Link", "Prodigy Quotertrack",
                                      "Excel", "Microsoft Money", "Access", "Word", "Oracle", "SQL Server",
                                      "Microsoft Mail", "Clipboard"};
    for (int i = 0; i < 16; ++i) {
        mnuEx[i] = mnuExport->addAction(QString::fromLatin1(exports[i]));
        mnuEx[i]->setObjectName(ControlNames::Indexed("mnuEx", i));
        connect(mnuEx[i], &QAction::triggered, this, [this, i] { mnuEx_Click(i); });
    }
    connect(mnuExport, &QMenu::aboutToShow, this, &Zoom::mnuExport_Click);

    connect(FG, &FlexGrid::Click, this, &Zoom::FG_Click);
    connect(FG, &FlexGrid::DblClick, this, &Zoom::FG_DblClick);
    connect(FG, &FlexGrid::MouseDown, this, &Zoom::FG_MouseDown);
    connect(FG, &FlexGrid::MouseMove, this, &Zoom::FG_MouseMove);
    connect(FG, &FlexGrid::MouseUp, this, [this](int, int, float, float) { FGDrag.armed = 0; });
    connect(FG, &FlexGrid::DragDrop, this, [this](QWidget *, float, float) { FGDrag.Drop(FG); });
    connect(FG, &FlexGrid::DragEnded, this, [this] { FGDrag.col = -1; });
    connect(FG, &FlexGrid::KeyDown, this, [this](int key, int shift) { GridInteraction::KeyDown(FG, key, shift); });
    KeyPreview::Install(this, [this](int keyCode, int shift) {
        // Keys that close the window are this window's alone.
        const bool closes = keyCode == 13 || keyCode == 27 || (keyCode == 'X' && (shift & 4));
        Form_KeyDown(keyCode, shift);
        return closes;
    });
}

Zoom::~Zoom()
{
    if (TargetGrid == FG)
        TargetGrid = nullptr;
}

void Zoom::Form_Load()
{
    if (!Resizer) {
        Resizer = std::make_unique<clsFormResize>();
        Resizer->SetSourceForm(this);
    }
    // The inner size: the desktop's frame arrives only once the window is
    // on screen, and may change with the desktop's theme.
    LoadWidth = Twips::ScreenInt(Geometry::ScaleWidth(this));
    LoadHeight = Twips::ScreenInt(Geometry::ScaleHeight(this));
    ZoomView = CurrentView;
    ZoomSymbol = CurrentSymbol;
}

void Zoom::Form_Resize()
{
    // Too low an inner area (the strip, the end of a roll-up) keeps the
    // controls as they are; any other size lays them out again, however the
    // window got there.
    if (Geometry::ScaleHeight(this) < 250)
        return;
    if (Closing == 0) {
        if (!Resizer) {
            Resizer = std::make_unique<clsFormResize>();
            Resizer->SetSourceForm(this);
        }
        Vb::Skip([this] { Resizer->ScaleControls(); });
    }
    if (const QList<double> *widths = WidthsOf(ZoomView))
        Vb::Skip([&] { Utilities::SetColWidth(FG, *widths); });
}

void Zoom::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Zoom::closeEvent(QCloseEvent *event)
{
    // The title bar's close ends the window at once; the target grid must
    // not be left pointing at it.
    if (TargetGrid == FG)
        TargetGrid = nullptr;
    QWidget::closeEvent(event);
}

void Zoom::CloseZoom()
{
    if (Closing == -1)
        return; // already on its way out: a second request is no new one
    Closing = -1;
    TargetGrid = nullptr;
    const QPointer<Zoom> self(this);
    Misc::RollWindow(this, 25);
    if (self)
        self->close();
}

void Zoom::cmdMin_Click()
{
    const QPointer<Zoom> self(this);
    MinRestore();
    Misc::DoEvents();
    if (!self)
        return;
    Misc::ArrangeWindows(this);
    Misc::DoEvents();
}

void Zoom::MinRestore()
{
    if (isMaximized())
        return;
    if (Twips::ScreenInt(Geometry::ScaleWidth(this)) == LoadWidth) {
        // The title bar and the top of the inner area, where the bar that
        // restores the window lies. Under a thin frame (or none) the strip is
        // lower, so its inner area stays under the height that lays the
        // controls out and the bar keeps its size.
        constexpr double StripInner = 240; // whole pixels under 250 twips
        const double frame = Geometry::Height(this) - Geometry::ScaleHeight(this);
        Geometry::Move(this, Geometry::Left(this), Geometry::Top(this), 1790, std::min(500.0, frame + StripInner));
    } else {
        resize(Twips::ToPixels(LoadWidth), Twips::ToPixels(LoadHeight));
        Misc::DoEvents();
    }
}

void Zoom::Form_KeyDown(int keyCode, int shift)
{
    constexpr int Alt = 4;
    const auto frameAt = [this](int i) {
        Shape1->show();
        Geometry::SetLeft(Shape1, Geometry::Left(Panel1[i]));
    };
    if (keyCode == 13) {
        Panel1_Click(0);
    } else if (keyCode == 'E' && (shift & Alt)) {
        frameAt(1);
        Panel1_Click(1);
    } else if (keyCode == 'P' && (shift & Alt)) {
        frameAt(2);
        Panel1_Click(2);
    } else if ((keyCode == 'X' && (shift & Alt)) || keyCode == 27) {
        frameAt(0);
        Panel1_Click(0);
    }
}

bool Zoom::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < 3; ++i) {
        if (watched != Panel1[i])
            continue;
        switch (event->type()) {
        case QEvent::MouseMove:
            // The label's move is not the window's, whose own hides the frame.
            Panel1_MouseMove(i);
            return true;
        case QEvent::MouseButtonPress:
            Shape1->setStyleSheet(QStringLiteral("background: #00ff00;"));
            break;
        case QEvent::MouseButtonRelease: {
            Shape1->setStyleSheet(QStringLiteral("background: #ffff00;"));
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && Panel1[i]->rect().contains(mouse->position().toPoint()))
                Panel1_Click(i);
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Zoom::mouseMoveEvent(QMouseEvent *event)
{
    Shape1->hide();
    QWidget::mouseMoveEvent(event);
}

void Zoom::Panel1_MouseMove(int index)
{
    if (Shape1->isVisible() && Shape1->x() == Panel1[index]->x())
        return;
    Shape1->show();
    Geometry::Move(Shape1, Geometry::Left(Panel1[index]), Geometry::Top(Panel1[index]) - 20,
                   Geometry::Width(Panel1[index]), Geometry::Height(Shape1));
    Shape1->lower();
}

void Zoom::Panel1_Click(int index)
{
    switch (index) {
    case 0:
        CloseZoom();
        break;
    case 1:
        Popup(mnuEdits, Geometry::Left(Panel1[1]), Geometry::Top(Panel1[1]) - 700);
        break;
    case 2:
        Popup(mnuExport, Geometry::Left(Panel1[2]), Geometry::Top(Panel1[2]));
        break;
    default:
        break;
    }
}

void Zoom::Popup(QMenu *menu, double x, double y)
{
    if (PopupHook()) {
        if (menu == mnuExport)
            mnuExport_Click(); // as the menu's opening does
        PopupHook()(menu);
        return;
    }
    menu->popup(mapToGlobal(QPoint(Twips::ToPixels(x), Twips::ToPixels(y))));
}

// The window exports what it shows (its own view and stock), not what the
// main window has moved on to since.
void Zoom::mnuExport_Click()
{
    for (QAction *item : mnuEx)
        item->setEnabled(false);
    if (ZoomView == QLatin1String("Current")) {
        for (int i = 0; i <= 8; ++i)
            mnuEx[i]->setEnabled(true);
        mnuEx[15]->setEnabled(true);
    } else if (frmMain::HtmlReportOf(ZoomView) && ZoomView != QLatin1String("QR") && ZoomView != QLatin1String("SI")) {
        mnuEx[0]->setEnabled(true);
    }
}

void Zoom::mnuEx_Click(int index)
{
    if (index < 0 || index > 15)
        return;
    Reports report;
    if (index > 0) {
        Vb::Skip([&] { report.Export(frmMain::ReportExportKind(index)); });
        return;
    }
    if (ZoomView == QLatin1String("Current"))
        Vb::Skip([&] { report.H_Current(); });
    if (ZoomSymbol.isEmpty() || ZoomView == QLatin1String("QR") || ZoomView == QLatin1String("SI"))
        return;
    if (const frmMain::ReportWriter writer = frmMain::HtmlReportOf(ZoomView))
        Vb::Skip([&] { writer(report, ZoomSymbol); });
}

void Zoom::mnuEdit_Click(int index)
{
    if (index == 0)
        SelectAllCells();
    else if (index == 2)
        CopyCells();
}

void Zoom::SelectAllCells() { GridInteraction::SelectAll(FG); }
void Zoom::CopyCells() { GridInteraction::Copy(FG); }

void Zoom::FG_Click() { GridInteraction::ClickLink(FG, ZoomView); }

void Zoom::FG_DblClick()
{
    if (GridInteraction::Sortable(ZoomView))
        GridInteraction::Sort(FG);
}

void Zoom::FG_MouseDown(int button, int, float x, float y)
{
    constexpr int Right = 2;
    if (button == Right) {
        if (ZoomView == QLatin1String("Current") || ZoomView == QLatin1String("Port"))
            Popup(mnuEdits, Geometry::Left(FG) + x, Geometry::Top(FG) + y);
        return;
    }
    GridInteraction::MarkHeader(FG);
    FGDrag.Arm(FG, x, y);
}

void Zoom::FG_MouseMove(int button, int, float x, float y)
{
    GridInteraction::SetPointer(FG, ZoomView);
    if (!ZoomView.startsWith(QLatin1String("F_")))
        FGDrag.Begin(FG, button, x, y);
}
