// The tree's other events: opening a stock node, keys, the right-click menu
// and the tool tip.
#include "collect/SheetCache.h"
#include "core/Misc.h"
#include "core/ViewState.h"
#include "navtree/TreeIcons.h"
#include "navtree/TreeTables.h"
#include "platform/Text.h"
#include "platform/TreeView.h"
#include "platform/Twips.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QTimer>

using namespace NavTree;

namespace {
constexpr int KeyRight = 39;
}

void frmMain::WireTree()
{
    TreeView1->SetImageList(TreeIcons::ImageList1());
    // A closed node draws its closed picture by itself, so closing needs no
    // handler.
    connect(TreeView1, &TreeView::NodeClick, this, [this](TreeNode *node) { TreeView1_NodeClick(node); });
    connect(TreeView1, &TreeView::NodeSelect, this, [this](TreeNode *node) { TreeView1_NodeSelect(node); });
    connect(TreeView1, &TreeView::Expand, this, [this](TreeNode *node) { TreeView1_Expand(node); });
    connect(TreeView1, &TreeView::KeyDown, this, [this](int key, int shift) { TreeView1_KeyDown(key, shift); });
    connect(TreeView1, &TreeView::MouseDown, this,
            [this](int button, int shift, float x, float y) { TreeView1_MouseDown(button, shift, x, y); });
    connect(TreeView1, &TreeView::MouseMove, this,
            [this](int button, int shift, float x, float y) { TreeView1_MouseMove(button, shift, x, y); });
}

void frmMain::TreeView1_Expand(TreeNode *node)
{
    if (!node)
        return;
    if (node->Image() == StockImage)
        node->SetExpandedImage(StockOpenImage);
    LastNodeIndex = int16_t(node->Index());
}

void frmMain::TreeView1_KeyDown(int keyCode, int)
{
    TreeNode *node = TreeView1->Node(LastNodeIndex);
    if (!node || node->Image() != StockImage || node->Expanded())
        return;
    // Right on the stock the keyboard rests on opens it by itself; opened
    // here first, the same key would step on into its first leaf.
    if (keyCode == KeyRight && TreeView1->currentItem() == node)
        return;
    node->SetExpanded(true);
    if (keyCode != 80) // P: on to the stock's profile
        return;
    QString profile;
    for (TreeNode *child = node->Child(); child; child = child->Next()) {
        if (child->Text() == QLatin1String("Profile")) {
            profile = child->Key();
            break;
        }
    }
    if (profile.isEmpty())
        return;
    // Chosen once the tree has handled the key itself, or its type-ahead
    // would move the selection on from the leaf.
    QTimer::singleShot(0, TreeView1, [tree = TreeView1, profile] {
        if (TreeNode *leaf = tree->Find(profile))
            tree->SetSelectedItem(leaf);
    });
}

void frmMain::TreeView1_MouseDown(int button, int, float x, float y)
{
    if (button != 2)
        return;
    // The menu is about the node last clicked or opened: a node under the
    // pointer has just been selected as such, so it is that one. Its stock
    // commands only for a stock.
    const TreeNode *node = TreeView1->Node(LastNodeIndex);
    const bool stock = node && node->Image() == StockImage;
    mnuTree[0]->setVisible(true);
    for (int i = 1; i < 12; ++i)
        mnuTree[i]->setVisible(stock);
    const QPoint at = TreeView1->mapTo(this, QPoint(Twips::ToPixels(x), Twips::ToPixels(y)));
    PopupMenu(mnuTrees, Twips::FromPixels(at.x()), Twips::FromPixels(at.y()));
}

void frmMain::TreeView1_MouseMove(int, int, float, float)
{
    if (TmrNav->isActive())
        TmrNav->stop();
    TreeView1->SetToolTipText(Text::FromCp1252(GetProfileText()));
}

QByteArray frmMain::GetProfileText()
{
    if (!SheetCache::UsableSymbol(CurrentSymbol))
        return {};
    const QByteArray page =
        Misc::ReadFile(SheetCache::DataSheet(Text::FromCp1252(CurrentSymbol) + QStringLiteral("_P.Sh")));
    Misc::DoEvents();
    return ProfileTip(page);
}
