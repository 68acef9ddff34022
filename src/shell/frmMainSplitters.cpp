#include "shell/frmMain.h"

#include "core/Settings.h"
#include "core/mdlRegistry.h"
#include "platform/Artwork.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/TreeView.h"
#include "platform/Twips.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"

#include <QFrame>
#include <QLabel>

// Splitters between the tree, the symbol bar and the grid. Positions are
// twips inside PicCont.

namespace {

constexpr int32_t NoDrag = 2147483647;
constexpr int MinPane = 400;

void SetBarLook(QFrame *bar, int cursor, uint32_t color)
{
    bar->setCursor(Artwork::Cursor(cursor));
    QPalette p = bar->palette();
    p.setColor(bar->backgroundRole(), VbColor::ToQColor(color));
    bar->setPalette(p);
}

// Left button: the drag starts at the pointer. Another button during a drag
// ends it where it stands.
template <typename Release>
void DragStart(QFrame *bar, int32_t &anchor, uint32_t dragColor, int button, float at, Release release)
{
    if (button == 1) {
        SetBarLook(bar, 102, dragColor);
        anchor = Vb::CLng(at);
        return;
    }
    if (anchor != NoDrag)
        release();
    anchor = NoDrag;
}

// The pointer position relative to the bar, as a whole number, when it has
// moved since the last step of a drag; nothing otherwise.
bool DragStep(int32_t &anchor, float at)
{
    if (anchor == NoDrag || Vb::CLng(at) == anchor)
        return false;
    anchor = Vb::CLng(at);
    return true;
}

} // namespace

void frmMain::WireSplitters()
{
    picSplit2->setCursor(Artwork::Cursor(103));
    Splitter->setCursor(Artwork::Cursor(103));
    OnMouse(picSplit2, {[this](int b, int s, float x, float y) { picSplit2_MouseDown(b, s, x, y); },
                        [this](int b, int s, float x, float y) { picSplit2_MouseMove(b, s, x, y); },
                        [this](int b, int s, float x, float y) { picSplit2_MouseUp(b, s, x, y); },
                        {},
                        [this] { picSplit2_DblClick(); }});
    OnMouse(Splitter, {[this](int b, int s, float x, float y) { Splitter_MouseDown(b, s, x, y); },
                       [this](int b, int s, float x, float y) { Splitter_MouseMove(b, s, x, y); },
                       [this](int b, int s, float x, float y) { Splitter_MouseUp(b, s, x, y); },
                       {},
                       [this] { Splitter_DblClick(); }});
    OnMouse(StatusBar1, {{},
                         [this](int b, int s, float x, float y) { StatusBar1_MouseMove(b, s, x, y); },
                         {},
                         {},
                         {}});
}

void frmMain::picSplit2_MouseDown(int button, int shift, float x, float y)
{
    DragStart(picSplit2, TreeDragX, SplitterDragColor, button, x,
              [&] { picSplit2_MouseUp(button, shift, x, y); });
}

void frmMain::picSplit2_MouseMove(int, int, float x, float)
{
    if (DragStep(TreeDragX, x))
        Geometry::SetLeft(picSplit2, Geometry::Left(picSplit2) + x);
}

void frmMain::picSplit2_MouseUp(int, int, float, float)
{
    SetBarLook(picSplit2, 103, VbColor::ButtonFace);
    TreeDragX = NoDrag;

    // The limits are kept in twips: the bar's own Left is whole pixels.
    double left = Geometry::Left(picSplit2);
    const float maxLeft = float(Geometry::ScaleWidth(PicCont) - 500);
    if (left < MinPane)
        left = MinPane;
    else if (left > maxLeft)
        left = maxLeft;
    Geometry::SetLeft(picSplit2, left);
    const int pos = Vb::CLng(left);

    mdlRegistry::SetKeyValue(mdlRegistry::HKEY_CURRENT_USER, Settings::KeyPath, QStringLiteral("LastTreePos"),
                             QString::number(pos), mdlRegistry::REG_SZ);
    // The window does not come back at the size it had: its share of the
    // panel, beside the twips, lets the tree keep its proportion there.
    if (const double width = Geometry::ScaleWidth(PicCont); width > 0)
        mdlRegistry::SetKeyValue(mdlRegistry::HKEY_CURRENT_USER, Settings::KeyPath, QStringLiteral("LastTreeShare"),
                                 QString::number(qRound(pos * 10000.0 / width)), mdlRegistry::REG_SZ);
    PlaceBesideTree(pos);
}

// What stands beside the tree follows the vertical splitter: the arrows,
// the symbol column and the bars, which reach to the right edge.
void frmMain::PlaceBesideTree(int pos)
{
    Geometry::SetLeft(ImgDn, pos + 50);
    Geometry::SetLeft(ImgUp, pos + 50);
    Geometry::SetWidth(TreeView1, pos - 100);
    for (int i = 0; i < 7; ++i) {
        Geometry::SetLeft(lblSbl[i], pos + 250);
        Geometry::SetLeft(img[i], pos + 850);
    }
    Geometry::SetLeft(Shape1, pos + 250);
    PlaceLegend();
}

// The legend under the bars: "Sell" at the bar's left end, the middle label
// ending at its middle, "Strong Buy" ending at its right end.
void frmMain::PlaceLegend()
{
    const double l0 = Vb::CLng(Geometry::Left(img[0]));
    const double w0 = Vb::CLng(Geometry::Width(img[0]));
    auto width = [this](int i) { return Geometry::Width(lblDsc[i]); };
    Geometry::SetLeft(lblDsc[0], l0);
    Geometry::SetLeft(lblDsc[1], w0 / 5 - width(1) / 2 + l0);
    Geometry::SetLeft(lblDsc[2], w0 / 2 + l0 - width(2));
    Geometry::SetLeft(lblDsc[3], w0 / 1.5 + l0 - width(3) / 2);
    Geometry::SetLeft(lblDsc[4], l0 + w0 - width(4));
}

void frmMain::picSplit2_DblClick()
{
    Geometry::SetLeft(picSplit2, 2280);
    picSplit2_MouseUp(2, 0, 0, 2280);
}

void frmMain::Splitter_MouseDown(int button, int shift, float x, float y)
{
    DragStart(Splitter, GridDragY, SplitterDragColor, button, y, [&] { Splitter_MouseUp(button, shift, x, y); });
}

void frmMain::Splitter_MouseMove(int, int, float, float y)
{
    if (DragStep(GridDragY, y))
        Geometry::Move(Splitter, 0, Geometry::Top(Splitter) + y, Geometry::ScaleWidth(PicCont), 30);
}

void frmMain::Splitter_MouseUp(int, int, float, float)
{
    SetBarLook(Splitter, 103, VbColor::ButtonFace);
    GridDragY = NoDrag;

    double top = Geometry::Top(Splitter);
    if (top < MinPane)
        top = MinPane;
    else if (top > GridTopLimit)
        top = GridTopLimit;
    Geometry::SetTop(Splitter, top);
    // Any other place than the collapsed one means the panel is open again.
    if (Twips::ToPixels(top) != Twips::ToPixels(MinPane))
        panelCollapsed_ = false;

    Geometry::SetTop(FG, top + 250);
    Geometry::SetHeight(FG, Geometry::ScaleHeight(PicCont) - (top + 500));
    const double imgDnTop = top - 380;
    Geometry::SetTop(ImgDn, imgDnTop);
    Geometry::SetHeight(TreeView1, top - 200);
    Geometry::SetHeight(picSplit2, top);

    // Rows below the down arrow are hidden; the others get their markers.
    int last = 0;
    for (int i = 0; i < 7; ++i) {
        if (imgDnTop - 60 >= Geometry::Top(lblSbl[i])) {
            last = i;
            lblSbl[i]->show();
        } else {
            lblSbl[i]->hide();
            img[i]->hide();
        }
    }
    const int width = img[0]->width();
    for (int i = 0; i <= last; ++i) {
        if (!lblSbl[i]->text().isEmpty())
            DrawRecRow(i, width);
    }

    Geometry::SetTop(picSplit, Geometry::Top(FG));
    Geometry::SetHeight(picSplit, Geometry::Height(FG));
}

void frmMain::Splitter_DblClick()
{
    // The release step never leaves the bar at the requested 10, so the
    // toggle keeps its own state.
    const bool collapse = !panelCollapsed_;
    Geometry::SetTop(Splitter, collapse ? 10 : 3120);
    Splitter_MouseUp(2, 0, 0, float(Geometry::Top(Splitter)));
    panelCollapsed_ = collapse;
    Geometry::SetTop(picSplit, Geometry::Top(FG));
    Geometry::SetHeight(picSplit, Geometry::Height(FG));
}

void frmMain::StatusBar1_MouseMove(int, int, float, float) { Rect->hide(); }
