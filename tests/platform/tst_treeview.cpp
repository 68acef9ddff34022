#include "common/TestRegistry.h"
#include "platform/TreeView.h"
#include "platform/Vb.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QSignalSpy>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(TreeNode *)

namespace {

// Keys of a parent's children (or of the roots) in the order shown.
QString Order(TreeView &tree, TreeNode *parent)
{
    QStringList keys;
    for (TreeNode *n = parent ? parent->Child() : static_cast<TreeNode *>(tree.topLevelItem(0)); n; n = n->Next())
        keys << n->Key();
    return keys.join(QLatin1Char(','));
}

QPixmap Swatch(const QColor &c)
{
    QPixmap pm(16, 16);
    pm.fill(c);
    return pm;
}

qint64 IconKey(TreeNode *node)
{
    return node->data(0, Qt::DecorationRole).value<QIcon>().cacheKey();
}

} // namespace

class tst_treeview : public QObject {
    Q_OBJECT
    std::unique_ptr<TreeView> tree;
    ImageList images;

    // Roots R1, R2, R3; R2 holds c1, c2, c3.
    void Fixture()
    {
        for (const char *k : {"R1", "R2", "R3"})
            tree->Add(QString(), TreeView::tvwLast, QString::fromLatin1(k), QString::fromLatin1(k), 1);
        for (const char *k : {"c1", "c2", "c3"})
            tree->Add(QStringLiteral("R2"), TreeView::tvwChild, QString::fromLatin1(k), QString::fromLatin1(k), 3);
    }

    void Show()
    {
        tree->resize(240, 320);
        tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(tree.get()));
    }

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<TreeNode *>();
        images = ImageList();
        images.Add(Swatch(Qt::blue), QStringLiteral("book"));
        images.Add(Swatch(Qt::green), QStringLiteral("openbook"));
        images.Add(Swatch(Qt::red), QStringLiteral("page"));
    }
    void init()
    {
        tree = std::make_unique<TreeView>();
        tree->SetImageList(images);
        Fixture();
    }
    void cleanup() { tree.reset(); }

    void placement_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<int>("relationship");
        QTest::addColumn<QString>("parent"); // "" = among the roots
        QTest::addColumn<QString>("order");
        QTest::newRow("child is last child") << "R2" << int(TreeView::tvwChild) << "R2" << "c1,c2,c3,n";
        QTest::newRow("child of a leaf") << "c3" << int(TreeView::tvwChild) << "c3" << "n";
        QTest::newRow("next") << "c1" << int(TreeView::tvwNext) << "R2" << "c1,n,c2,c3";
        QTest::newRow("previous") << "c1" << int(TreeView::tvwPrevious) << "R2" << "n,c1,c2,c3";
        QTest::newRow("first sibling") << "c2" << int(TreeView::tvwFirst) << "R2" << "n,c1,c2,c3";
        QTest::newRow("last sibling") << "c2" << int(TreeView::tvwLast) << "R2" << "c1,c2,c3,n";
        QTest::newRow("next of a root") << "R1" << int(TreeView::tvwNext) << "" << "R1,n,R2,R3";
        QTest::newRow("no relative, last") << "" << int(TreeView::tvwLast) << "" << "R1,R2,R3,n";
        QTest::newRow("no relative, child") << "" << int(TreeView::tvwChild) << "" << "R1,R2,R3,n";
        QTest::newRow("no relative, first") << "" << int(TreeView::tvwFirst) << "" << "n,R1,R2,R3";
    }
    void placement()
    {
        QFETCH(QString, relative);
        QFETCH(int, relationship);
        QFETCH(QString, parent);
        QFETCH(QString, order);
        TreeNode *n = tree->Add(relative, relationship, QStringLiteral("n"), QStringLiteral("New"), 2);
        QCOMPARE(n->Parent(), tree->Find(parent));
        QCOMPARE(Order(*tree, n->Parent()), order);
        QCOMPARE(n->Text(), QStringLiteral("New"));
        QCOMPARE(n->Image(), 2);
        // The collection keeps the order of adding, wherever the node went.
        QCOMPARE(n->Index(), 7);
        QCOMPARE(tree->Node(7), n);
    }

    void nodesAndKeys()
    {
        QCOMPARE(tree->Count(), 6);
        QCOMPARE(tree->Node(1)->Key(), QStringLiteral("R1"));
        QCOMPARE(tree->Node(4)->Key(), QStringLiteral("c1"));
        QCOMPARE(tree->Node(0), nullptr);
        QCOMPARE(tree->Node(7), nullptr);
        QCOMPARE(tree->Find(QStringLiteral("nope")), nullptr);

        TreeNode *r2 = tree->Find(QStringLiteral("R2"));
        QCOMPARE(r2->Parent(), nullptr); // a root has no parent
        QCOMPARE(r2->Children(), 3);
        QCOMPARE(r2->Child()->Key(), QStringLiteral("c1"));
        QCOMPARE(tree->Find(QStringLiteral("c3"))->Next(), nullptr);
        QCOMPARE(tree->Find(QStringLiteral("c2"))->Parent(), r2);

        // Letter case makes a different key.
        TreeNode *lower = tree->Add(QStringLiteral("R2"), TreeView::tvwChild, QStringLiteral("r2"), QStringLiteral("x"));
        QCOMPARE(tree->Find(QStringLiteral("r2")), lower);
        QCOMPARE(tree->Find(QStringLiteral("R2")), r2);
    }

    void addErrors_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("duplicate root key") << "" << "R1" << 35602 << "Key is not unique in collection";
        QTest::newRow("duplicate child key") << "R2" << "c3" << 35602 << "Key is not unique in collection";
        QTest::newRow("unknown relative") << "ID7" << "new" << 35601 << "Element not found";
        QTest::newRow("relative differs in case") << "r2" << "new" << 35601 << "Element not found";
    }
    void addErrors()
    {
        QFETCH(QString, relative);
        QFETCH(QString, key);
        QFETCH(int, number);
        QFETCH(QString, description);
        TreeNode *before = tree->Find(key);
        try {
            tree->Add(relative, TreeView::tvwChild, key, QStringLiteral("x"));
            QFAIL("no error");
        } catch (const VbError &e) {
            QCOMPARE(int(e.number), number);
            QCOMPARE(e.description, description);
        }
        // Nothing half-added: the tree and its lookups are as before.
        QCOMPARE(tree->Count(), 6);
        QCOMPARE(tree->Find(key), before);
        QCOMPARE(Order(*tree, tree->Find(QStringLiteral("R2"))), QStringLiteral("c1,c2,c3"));
        QCOMPARE(Order(*tree, nullptr), QStringLiteral("R1,R2,R3"));
    }

    void expandShowsExpandedPicture()
    {
        QSignalSpy expand(tree.get(), &TreeView::Expand);
        QSignalSpy collapse(tree.get(), &TreeView::Collapse);
        // The tree's users set the open picture from the expand handler.
        connect(tree.get(), &TreeView::Expand, this, [](TreeNode *n) {
            if (n->Image() == 1)
                n->SetExpandedImage(2);
        });
        TreeNode *r2 = tree->Find(QStringLiteral("R2"));
        QCOMPARE(IconKey(r2), images.Icon(1).cacheKey());

        r2->SetExpanded(true);
        QVERIFY(r2->Expanded());
        QCOMPARE(expand.size(), 1);
        QCOMPARE(expand[0][0].value<TreeNode *>(), r2);
        QCOMPARE(r2->ExpandedImage(), 2);
        QCOMPARE(IconKey(r2), images.Icon(2).cacheKey());

        r2->SetExpanded(false);
        QVERIFY(!r2->Expanded());
        QCOMPARE(collapse.size(), 1);
        QCOMPARE(collapse[0][0].value<TreeNode *>(), r2);
        QCOMPARE(IconKey(r2), images.Icon(1).cacheKey());

        // Picture numbers outside the list draw nothing rather than fail.
        r2->SetImage(99);
        QVERIFY(!r2->data(0, Qt::DecorationRole).isValid());
    }

    void expandByKeyboard()
    {
        Show();
        QSignalSpy expand(tree.get(), &TreeView::Expand);
        TreeNode *r2 = tree->Find(QStringLiteral("R2"));
        tree->SetSelectedItem(r2);
        QTest::keyClick(tree.get(), Qt::Key_Right);
        QVERIFY(r2->Expanded());
        QCOMPARE(expand.size(), 1);
    }

    void clear()
    {
        TreeNode *r1 = tree->Find(QStringLiteral("R1"));
        r1->SetSelected(true);
        tree->Clear();
        QCOMPARE(tree->Count(), 0);
        QCOMPARE(tree->topLevelItemCount(), 0);
        QCOMPARE(tree->Find(QStringLiteral("R1")), nullptr);
        QCOMPARE(tree->SelectedItem(), nullptr);
        QCOMPARE(tree->Node(1), nullptr);
        // Keys are free again and numbering starts over.
        TreeNode *again = tree->Add(QString(), TreeView::tvwLast, QStringLiteral("R1"), QStringLiteral("again"));
        QCOMPARE(again->Index(), 1);

        // Emptying through the widget's own call forgets the keys as well.
        tree->QTreeWidget::clear();
        QCOMPARE(tree->Count(), 0);
        QCOMPARE(tree->Find(QStringLiteral("R1")), nullptr);
        tree->Add(QString(), TreeView::tvwLast, QStringLiteral("R1"), QStringLiteral("third"));
    }

    void selectionIsNotAClick()
    {
        QSignalSpy click(tree.get(), &TreeView::NodeClick);
        QCOMPARE(tree->SelectedItem(), nullptr);
        TreeNode *c2 = tree->Find(QStringLiteral("c2"));
        tree->SetSelectedItem(c2);
        QCOMPARE(tree->SelectedItem(), c2);
        QVERIFY(c2->Selected());
        TreeNode *r3 = tree->Find(QStringLiteral("R3"));
        r3->SetSelected(true);
        QCOMPARE(tree->SelectedItem(), r3);
        QVERIFY(!c2->Selected());
        QCOMPARE(click.size(), 0);
    }

    // The keyboard selects the node it moves to, once per move, and clicks
    // only on Enter or Space, where it rests; a mouse click is one click,
    // not a selection besides.
    void keyboardSelectsEnterAndSpaceClick()
    {
        Show();
        tree->setFocus();
        QSignalSpy click(tree.get(), &TreeView::NodeClick);
        QSignalSpy select(tree.get(), &TreeView::NodeSelect);
        TreeNode *r1 = tree->Find(QStringLiteral("R1"));
        TreeNode *r2 = tree->Find(QStringLiteral("R2"));
        tree->setCurrentItem(r1);
        QCOMPARE(select.size(), 0); // moved by the program
        QTest::keyClick(tree.get(), Qt::Key_Down);
        QCOMPARE(select.size(), 1);
        QCOMPARE(select[0][0].value<TreeNode *>(), r2);
        QTest::keyClick(tree.get(), Qt::Key_Right); // opens, does not move
        QVERIFY(r2->Expanded());
        QCOMPARE(select.size(), 1);
        QCOMPARE(click.size(), 0);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QTest::keyClick(tree.get(), key);
            QCOMPARE(click.size(), 1);
            QCOMPARE(click.takeFirst()[0].value<TreeNode *>(), r2);
            QCOMPARE(tree->currentItem(), r2);
        }
        QTest::keyClick(tree.get(), Qt::Key_Up);
        QCOMPARE(select.size(), 2);
        QCOMPARE(select[1][0].value<TreeNode *>(), r1);
        QTest::keyClick(tree.get(), Qt::Key_Up); // already first: no move
        QCOMPARE(select.size(), 2);

        TreeNode *r3 = tree->Find(QStringLiteral("R3"));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(r3).center());
        QCOMPARE(click.size(), 1);
        QCOMPARE(click[0][0].value<TreeNode *>(), r3);
        QCOMPARE(select.size(), 2);
    }

    // A right click on a node selects it and says so before the button's
    // own event, so a menu opened there is about that node; it clicks
    // nothing. Below the nodes it selects nothing.
    void rightClickSelectsThePointedNode()
    {
        Show();
        TreeNode *r1 = tree->Find(QStringLiteral("R1"));
        TreeNode *r3 = tree->Find(QStringLiteral("R3"));
        tree->SetSelectedItem(r1);
        QStringList events;
        connect(tree.get(), &TreeView::NodeSelect, this,
                [&](TreeNode *n) { events << QStringLiteral("select ") + n->Key(); });
        connect(tree.get(), &TreeView::NodeClick, this,
                [&](TreeNode *n) { events << QStringLiteral("click ") + n->Key(); });
        connect(tree.get(), &TreeView::MouseDown, this,
                [&](int button, int, float, float) { events << QStringLiteral("down %1").arg(button); });

        QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, tree->visualItemRect(r3).center());
        QCOMPARE(events, QStringList({"select R3", "down 2"}));
        QCOMPARE(tree->SelectedItem(), r3);
        QCOMPARE(tree->currentItem(), r3);

        // Again, after a left click there: still no click of its own.
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(r3).center());
        events.clear();
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, tree->visualItemRect(r3).center());
        QCOMPARE(events, QStringList({"select R3", "down 2"}));

        events.clear();
        const QPoint below(20, tree->visualItemRect(r3).bottom() + 40);
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, below);
        QCOMPARE(events, QStringList({"down 2"}));
        QCOMPARE(tree->SelectedItem(), r3);
    }

    void ensureVisibleOpensAncestors()
    {
        tree->Add(QStringLiteral("c2"), TreeView::tvwChild, QStringLiteral("deep"), QStringLiteral("deep"));
        for (int i = 0; i < 60; ++i)
            tree->Add(QString(), TreeView::tvwFirst, QStringLiteral("pad%1").arg(i), QStringLiteral("pad"));
        Show();
        QSignalSpy expand(tree.get(), &TreeView::Expand);
        TreeNode *deep = tree->Find(QStringLiteral("deep"));
        tree->EnsureVisible(deep);
        QVERIFY(tree->Find(QStringLiteral("R2"))->Expanded());
        QVERIFY(tree->Find(QStringLiteral("c2"))->Expanded());
        QCOMPARE(expand.size(), 2);
        QVERIFY(tree->viewport()->rect().contains(tree->visualItemRect(deep)));
    }

    void clickGivesMouseDownAndNodeClick()
    {
        Show();
        QSignalSpy down(tree.get(), &TreeView::MouseDown);
        QSignalSpy click(tree.get(), &TreeView::NodeClick);
        TreeNode *r3 = tree->Find(QStringLiteral("R3"));
        const QPoint at = tree->visualItemRect(r3).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::ShiftModifier, at);
        QCOMPARE(click.size(), 1);
        QCOMPARE(click[0][0].value<TreeNode *>(), r3);
        QCOMPARE(down.size(), 1);
        QCOMPARE(down[0][0].toInt(), 1);
        QCOMPARE(down[0][1].toInt(), 1);
        const QPoint w = tree->viewport()->mapTo(tree.get(), at);
        QCOMPARE(down[0][2].toFloat(), float(w.x() * 15));
        QCOMPARE(down[0][3].toFloat(), float(w.y() * 15));
        // The point handed over finds the node again.
        QCOMPARE(tree->HitTest(down[0][2].toFloat(), down[0][3].toFloat()), r3);

        QTest::mouseClick(tree->viewport(), Qt::RightButton, Qt::ControlModifier, at);
        QCOMPARE(down.size(), 2);
        QCOMPARE(down[1][0].toInt(), 2);
        QCOMPARE(down[1][1].toInt(), 2);
    }

    void hitTestOutsideNodes()
    {
        Show();
        const int belowLast = tree->visualItemRect(tree->Find(QStringLiteral("R3"))).bottom() + 40;
        QCOMPARE(tree->HitTest(150, float(belowLast * 15)), nullptr);
        QCOMPARE(tree->HitTest(-3000, -3000), nullptr);
    }

    void mouseMove()
    {
        Show();
        QSignalSpy move(tree.get(), &TreeView::MouseMove);
        QTest::mouseMove(tree->viewport(), QPoint(20, 10));
        QTRY_VERIFY(!move.isEmpty());
        const QPoint w = tree->viewport()->mapTo(tree.get(), QPoint(20, 10));
        QCOMPARE(move.last()[0].toInt(), 0);
        QCOMPARE(move.last()[2].toFloat(), float(w.x() * 15));
        QCOMPARE(move.last()[3].toFloat(), float(w.y() * 15));
    }

    void keyDown_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::newRow("P") << int(Qt::Key_P) << int(Qt::NoModifier) << 80 << 0;
        QTest::newRow("shift P") << int(Qt::Key_P) << int(Qt::ShiftModifier) << 80 << 1;
        QTest::newRow("F5") << int(Qt::Key_F5) << int(Qt::NoModifier) << 116 << 0;
        QTest::newRow("ctrl alt down") << int(Qt::Key_Down) << int(Qt::ControlModifier | Qt::AltModifier) << 40 << 6;
        QTest::newRow("enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 13 << 0;
        QTest::newRow("digit") << int(Qt::Key_7) << int(Qt::NoModifier) << 55 << 0;
        QTest::newRow("keypad digit") << int(Qt::Key_7) << int(Qt::KeypadModifier) << 103 << 0;
    }
    void keyDown()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(int, shift);
        Show();
        QSignalSpy spy(tree.get(), &TreeView::KeyDown);
        QTest::keyClick(tree.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // Modifier keys arrive first as presses of their own.
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.last()[0].toInt(), code);
        QCOMPARE(spy.last()[1].toInt(), shift);
    }

    void controlProperties()
    {
        QCOMPARE(tree->property("vbType").toString(), QStringLiteral("TreeView"));
        tree->SetToolTipText(QStringLiteral("Profile text"));
        QCOMPARE(tree->ToolTipText(), QStringLiteral("Profile text"));
        // Over a node, the control's tip shows, not the node's (it has none).
        Show();
        const QPoint at = tree->visualItemRect(tree->Find(QStringLiteral("R1"))).center();
        QHelpEvent help(QEvent::ToolTip, at, tree->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Profile text"));
    }

    void imageList()
    {
        ImageList list;
        QPixmap pm = Swatch(QColor(192, 192, 192));
        {
            QPainter p(&pm);
            p.fillRect(4, 4, 2, 2, Qt::red);
        }
        QCOMPARE(list.Add(pm, QStringLiteral("book")), 1);
        QCOMPARE(list.Add(Swatch(Qt::blue)), 2);
        QCOMPARE(list.Count(), 2);
        const QImage img = list.Picture(1).toImage();
        QCOMPARE(img.pixelColor(0, 0).alpha(), 0); // light grey is the see-through colour
        QCOMPARE(img.pixelColor(4, 4), QColor(Qt::red));
        QCOMPARE(list.IndexOf(QStringLiteral("book")), 1);
        QCOMPARE(list.IndexOf(QStringLiteral("Book")), 0);
        QCOMPARE(list.IndexOf(QString()), 0);
        QVERIFY(list.Icon(0).isNull());
        QVERIFY(list.Icon(3).isNull());
        QVERIFY(list.Picture(3).isNull());

        ImageList opaque;
        opaque.SetUseMaskColor(false);
        opaque.Add(pm);
        QCOMPARE(opaque.Picture(1).toImage().pixelColor(0, 0).alpha(), 255);
    }
};

TW_TEST(tst_treeview)
#include "tst_treeview.moc"
