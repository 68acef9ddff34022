#include "navtree/TreeEvents.h"

#include "collect/SheetCache.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/ViewState.h"
#include "navtree/TreeTables.h"
#include "platform/Text.h"
#include "platform/TreeView.h"

#include <QTimer>

using namespace NavTree;

namespace {
constexpr int KeyRight = 39;
}

void NavTree::Expand(MainView &main, TreeNode *node)
{
    if (!node)
        return;
    if (node->Image() == StockImage)
        node->SetExpandedImage(StockOpenImage);
    main.LastNodeIndex = int16_t(node->Index());
}

void NavTree::KeyDown(MainView &main, int keyCode)
{
    TreeView *tree = main.TreeView1;
    TreeNode *node = tree->Node(main.LastNodeIndex);
    if (!node || node->Image() != StockImage || node->Expanded())
        return;
    // Right on the stock the keyboard rests on opens it by itself; opened
    // here first, the same key would step on into its first leaf.
    if (keyCode == KeyRight && tree->currentItem() == node)
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
    QTimer::singleShot(0, tree, [tree, profile] {
        if (TreeNode *leaf = tree->Find(profile))
            tree->SetSelectedItem(leaf);
    });
}

QByteArray NavTree::GetProfileText()
{
    if (!SheetCache::UsableSymbol(CurrentSymbol))
        return {};
    const QByteArray page =
        Misc::ReadFile(SheetCache::DataSheet(Text::FromCp1252(CurrentSymbol) + QStringLiteral("_P.Sh")));
    Misc::DoEvents();
    return ProfileTip(page);
}
