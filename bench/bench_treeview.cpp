// Building the navigation tree: the largest set gives 201 stock nodes with
// their leaves, about 16 000 nodes, rebuilt whenever a set is opened.
#include "Bench.h"
#include "platform/TreeView.h"

#include <QPixmap>

TW_BENCH(treeview_build)
{
    TreeView tree;
    ImageList images;
    for (int i = 0; i < 31; ++i) {
        QPixmap pm(16, 16);
        pm.fill(QColor(i * 8, 100, 200));
        images.Add(pm);
    }
    tree.SetImageList(images);
    tree.resize(200, 400);
    tree.show();

    int nodes = 0;
    const double ms = bench::medianMs(5, [&] {
        tree.setUpdatesEnabled(false);
        tree.Clear();
        tree.Add(QString(), TreeView::tvwLast, QStringLiteral("All"), QStringLiteral("Stocks-Group0"), 14);
        for (int i = 0; i < 201; ++i) {
            const QString id = QStringLiteral("ID%1").arg(i);
            tree.Add(QStringLiteral("All"), TreeView::tvwChild, id, QStringLiteral("SYM%1").arg(i), 1);
            for (int j = 0; j < 79; ++j)
                tree.Add(id, TreeView::tvwChild, QStringLiteral("L%1_%2").arg(j).arg(i),
                         QStringLiteral("Leaf %1").arg(j), 3);
        }
        tree.setUpdatesEnabled(true);
        nodes = tree.Count();
    });
    bench::report(QStringLiteral("treeview_build (%1 nodes)").arg(nodes), ms, QStringLiteral("ms"));

    const double lookup = bench::medianMs(5, [&] {
        for (int i = 0; i < 201; ++i)
            for (int j = 0; j < 79; ++j)
                tree.Find(QStringLiteral("L%1_%2").arg(j).arg(i))->SetImage(5);
    });
    bench::report(QStringLiteral("treeview_find_all"), lookup, QStringLiteral("ms"));
}
