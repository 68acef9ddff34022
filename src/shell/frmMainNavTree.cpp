// The navigation tree's events as the window wires them, and its entry
// points.
#include "shell/frmMain.h"

#include "navtree/TreeDispatch.h"
#include "navtree/TreeEntry.h"
#include "navtree/TreeEvents.h"
#include "navtree/TreeIcons.h"
#include "navtree/TreeTables.h"
#include "platform/Text.h"
#include "platform/TreeView.h"

#include <QLabel>
#include <QTimer>

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

void frmMain::TreeView1_NodeClick(TreeNode *node) { RunNodeRules(node, true); }

void frmMain::TreeView1_NodeSelect(TreeNode *node) { RunNodeRules(node, false); }

void frmMain::RunNodeRules(TreeNode *node, bool opening) { NavTree::RunNodeRules(*this, node, opening); }

void frmMain::TreeView1_Expand(TreeNode *node) { NavTree::Expand(*this, node); }

void frmMain::TreeView1_KeyDown(int keyCode, int) { NavTree::KeyDown(*this, keyCode); }

void frmMain::TreeView1_MouseDown(int button, int, float x, float y)
{
    if (button != 2)
        return;
    // The menu is about the node last clicked or opened: a node under the
    // pointer has just been selected as such, so it is that one. Its stock
    // commands only for a stock.
    const TreeNode *node = TreeView1->Node(LastNodeIndex);
    PopStockMenu(TreeView1, x, y, true, node && node->Image() == NavTree::StockImage);
}

void frmMain::TreeView1_MouseMove(int, int, float, float)
{
    if (TmrNav->isActive())
        TmrNav->stop();
    TreeView1->SetToolTipText(Text::FromCp1252(GetProfileText()));
}

QByteArray frmMain::GetProfileText() { return NavTree::GetProfileText(); }

void frmMain::initTree() { NavTree::InitTree(*this, Panel1[1]->text()); }

void frmMain::CollapseStocks() { NavTree::CollapseStocks(TreeView1); }

void frmMain::CollapseAll() { NavTree::CollapseAll(TreeView1); }
