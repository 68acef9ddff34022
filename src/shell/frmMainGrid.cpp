// The main grid under the mouse and the keys: sorting, header colours, the
// edit menu, the hand over link cells, the column drag with its marker and
// the stored column layout, select all and copy; and the sheet on show
// drawn again into a Zoom window of its own.
#include "shell/frmMain.h"

#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/Text.h"
#include "platform/Twips.h"
#include "sheets/GridInteraction.h"
#include "sheets/LayOut.h"
#include "sheets/SheetFrame.h"
#include "sheets/SheetState.h"
#include "shell/Zoom.h"

#include <QAction>
#include <QFrame>
#include <QTimer>

void frmMain::WireGrid()
{
    // The sheet's columns keep their shares as the window grows or shrinks.
    FG->SetColsFollowWidth(true);
    connect(FG, &FlexGrid::Click, this, &frmMain::FG_Click);
    connect(FG, &FlexGrid::DblClick, this, &frmMain::FG_DblClick);
    connect(FG, &FlexGrid::MouseDown, this, &frmMain::FG_MouseDown);
    connect(FG, &FlexGrid::MouseMove, this, &frmMain::FG_MouseMove);
    connect(FG, &FlexGrid::MouseUp, this, &frmMain::FG_MouseUp);
    connect(FG, &FlexGrid::DragOver, this, &frmMain::FG_DragOver);
    connect(FG, &FlexGrid::DragDrop, this, &frmMain::FG_DragDrop);
    connect(FG, &FlexGrid::KeyDown, this, &frmMain::FG_KeyDown);
    // A drag dropped elsewhere, or cancelled, leaves nothing to drop later.
    connect(FG, &FlexGrid::DragEnded, this, [this] {
        FGDrag.col = -1;
        picSplit->hide();
    });
}

void frmMain::FG_Click() { GridInteraction::ClickLink(FG, CurrentView); }

void frmMain::FG_DblClick()
{
    if (GridInteraction::Sortable(CurrentView))
        GridInteraction::Sort(FG);
    else if (CurrentView == QLatin1String("Port"))
        mnuEdit_Click(8);
}

void frmMain::FG_MouseDown(int button, int, float x, float y)
{
    constexpr int Right = 2;
    if (button == Right) {
        // Every item is set for the view; "Old Style Background" belongs to
        // the grids it changes.
        const auto show = [this](std::initializer_list<bool> on) {
            int i = 4;
            for (bool v : on)
                mnuEdit[i++]->setVisible(v);
        };
        for (int i = 0; i < 4; ++i)
            mnuEdit[i]->setVisible(true);
        if (CurrentView == QLatin1String("Current")) {
            show({true, true, false, true, false, false});
        } else if (CurrentView == QLatin1String("Port")) {
            const bool held = FG->Row() >= 0 && FG->Row() < FG->Rows() && FG->Cols() > 10
                              && !FG->TextMatrix(FG->Row(), 10).isEmpty();
            show({true, true, true, false, false, false});
            mnuEdit[6]->setEnabled(held);
            mnuEdit[8]->setEnabled(held);
        } else if (CurrentView == QLatin1String("PortLog")) {
            show({false, false, false, false, true, true});
            mnuEdit[8]->setEnabled(true);
        } else {
            return;
        }
        const QPoint at = FG->mapTo(this, QPoint(0, 0));
        PopupMenu(mnuEdits, Twips::FromPixels(at.x()) + x, Twips::FromPixels(at.y()) + y);
        return;
    }
    GridInteraction::MarkHeader(FG);
    if (FGDrag.Arm(FG, x, y))
        Geometry::SetLeft(picSplit, Geometry::Left(FG) + FG->ColPos(FG->MouseCol()) + 100);
}

void frmMain::FG_MouseMove(int button, int, float x, float y)
{
    if (TmrNav && TmrNav->isActive())
        TmrNav->stop();
    GridInteraction::SetPointer(FG, CurrentView);
    if (!CurrentView.startsWith(QLatin1String("F_")))
        FGDrag.Begin(FG, button, x, y);
}

void frmMain::FG_MouseUp(int, int, float, float)
{
    FGDrag.armed = 0;
    picSplit->hide();
}

void frmMain::FG_DragOver(QWidget *, float, float, int)
{
    const int col = FG->MouseCol();
    if (col < 0)
        return;
    Geometry::SetLeft(picSplit, Geometry::Left(FG) + FG->ColPos(col) + 100);
    picSplit->show();
    picSplit->raise();
}

void frmMain::FG_DragDrop(QWidget *, float, float)
{
    picSplit->hide();
    if (!FGDrag.Drop(FG))
        return;
    // Only the quote list's order is the user's layout; other sheets move
    // their columns for the moment only.
    if (CurrentView == QLatin1String("Current"))
        StoreLayOut();
}

void frmMain::StoreLayOut()
{
    for (int i = 1; i < FG->Cols() && i < int(LayOut.size()); ++i) {
        LayOut[size_t(i)].Caption = Text::ToCp1252(FG->TextMatrix(0, i));
        LayOut[size_t(i)].Pos = i;
        LayOut[size_t(i)].Pos2 = i;
    }
    if (FG->Cols() > 0)
        FG->SetCol(FG->Cols() - 1);
    SaveLayOut();
}

void frmMain::FG_KeyDown(int keyCode, int shift) { GridInteraction::KeyDown(FG, keyCode, shift); }

void frmMain::SelectAllCells() { GridInteraction::SelectAll(FG); }

void frmMain::CopyCells() { GridInteraction::Copy(FG); }

// The Zoom button: the sheet on show drawn again into a new Zoom window.
// Views without a row (the earnings sheets, DNH, the market lists that
// never zoom) do nothing.
void frmMain::Zoom_FG()
{
    if (CurrentView.startsWith(QLatin1String("F_"))) {
        ZoomMode = -1;
        FG_Funds(CurrentView);
        ZoomMode = 0;
        return;
    }
    using Filler = void (frmMain::*)();
    static const QList<std::pair<const char *, Filler>> fillers = {
        {"Current", &frmMain::FG_Current},     {"ABS", &frmMain::FG_ABS},
        {"AIS", &frmMain::FG_AIS},             {"QR", &frmMain::FG_QR},
        {"IT", &frmMain::FG_IT},               {"Call", &frmMain::FG_Call},
        {"Put", &frmMain::FG_Put},             {"Options", &frmMain::FG_Options},
        {"Split", &frmMain::FG_Split},         {"UPH", &frmMain::FG_UPH},
        {"NMR", &frmMain::FG_NMR},             {"BRP", &frmMain::FG_BRP},
        {"Profile", &frmMain::FG_Profile},     {"SI", &frmMain::FG_SI},
        {"IPO_Price", &frmMain::FG_IPO_Price}, {"IPO_Gain", &frmMain::FG_IPO_Gain},
        {"IPO_Loss", &frmMain::FG_IPO_Loss},   {"IPO_Reg", &frmMain::FG_IPO_Reg},
        {"IPO_Last", &frmMain::FG_IPO_Last},   {"IPO_News", &frmMain::FG_IPO_News},
        {"IPO_With", &frmMain::FG_IPO_With},   {"Coverage", &frmMain::FG_Coverage},
        {"Downgrade", &frmMain::FG_Downgrade}, {"Upgrade", &frmMain::FG_Upgrade},
        {"SUP", &frmMain::FG_Surp},            {"US", &frmMain::FG_USMarket},
        {"WM", &frmMain::FG_WMarket},          {"Port", &frmMain::FG_Portfolio_All},
        {"PortLog", &frmMain::FG_PortfolioLog},
    };
    for (const auto &[view, filler] : fillers) {
        if (CurrentView != QLatin1String(view))
            continue;
        ZoomMode = -1;
        (this->*filler)();
        // A filler that does not take the request (one still to come) must
        // not leave it for the next sheet.
        ZoomMode = 0;
        Misc::DoEvents();
        return;
    }
}

// Every zoom request of the sheet frame draws into a new window of its own,
// owned by the main window and shown by the frame once the sheet is in it.
void frmMain::WireZoom()
{
    SheetFrame::SetZoomMaker([this] {
        auto *zoom = new Zoom(this);
        // Centred on the main window, as the window opens.
        Geometry::CenterOn(zoom, Geometry::Outer(this));
        Geometry::KeepOnScreen(zoom);
        zoom->Form_Load();
        return SheetFrame::ZoomTarget{zoom, zoom->FG};
    });
}
