// The stock screener: choices by mouse and keys become the screening
// address; colours follow the selection; Reset, offline, help and closing.
#include "QueryFixture.h"
#include "common/TestRegistry.h"
#include "queries/QueryTables.h"
#include "queries/Scr.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimer>

using tw::test::QueryFixture;

namespace {
const QColor kBlue(0, 0, 255);
const QColor kGrey(128, 128, 128);
QColor Caption(const QRadioButton *o) { return o->palette().color(QPalette::WindowText); }
} // namespace

class tst_screener : public QObject {
    Q_OBJECT
    QueryFixture f;
    QPointer<Scr> w;

    QRadioButton *Option(const QString &name) { return w->findChild<QRadioButton *>(name); }
    // Every selected option of every group, by object name.
    QStringList Selected() const
    {
        QStringList names;
        for (const auto &group : w->groups)
            for (QRadioButton *o : group)
                if (o->isChecked())
                    names << o->objectName();
        return names;
    }
    QString Query()
    {
        Shell::Reset();
        QueryFixture::Click(w->cmdShow);
        return Shell::Opened().value(0);
    }
    static QString Screen(const QString &path) { return QueryFixture::Url("ScreenerHost", path); }

private Q_SLOTS:
    void init()
    {
        f.Init();
        w = Scr::Load();
        QVERIFY(QueryFixture::Show(w));
    }
    void cleanup()
    {
        delete Scr::Loaded();
        f.Cleanup();
    }

    void opensWithDefaults()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Tickerwatch Screen"));
        QVERIFY(!w->parentWidget());
        QCOMPARE(w->lstIndestry->count(), 207);
        QCOMPARE(w->lstIndestry->currentRow(), 0);
        QCOMPARE(w->lstIndestry->item(0)->text(), QStringLiteral("All Industries"));
        QCOMPARE(Selected(), QStringList({"opt_SP_0", "opt_PBV_0", "opt_PER_0", "opt_FYEEG_0", "opt_Analysts_0",
                                          "opt_PEG_0", "opt_HEEG_0", "opt_CDY_0"}));
        QCOMPARE(QApplication::focusWidget(), w->cmdShow);
        QCOMPARE(w->findChild<QGroupBox *>(QStringLiteral("fra_SP"))->title(), QStringLiteral("S&&P 500 only?"));
        // The texture is our own 128-pixel tile.
        QCOMPARE(w->Image1->pixmap().size(), QSize(128, 128));
    }

    void query_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("path");
        QTest::newRow("right after opening") << QStringList() << -1
                                             << "/basicscreen.asp?noofrecs=25&industry=0&name=Select";
        QTest::newRow("Yes, 1 - 1.3, COMP-SOFTWARE")
            << QStringList{"opt_SP_1", "opt_PEG_4"} << 50 << "/basicscreen.asp?noofrecs=25&sandp=1&industry=44&peg=4&name=Select";
        QTest::newRow("last of every group, WIRE & CABLE PRDS")
            << QStringList{"opt_SP_2", "opt_PBV_5", "opt_PER_4", "opt_FYEEG_4", "opt_Analysts_5", "opt_PEG_6",
                           "opt_HEEG_4", "opt_CDY_5"}
            << 206
            << "/basicscreen.asp?noofrecs=25&sandp=2&industry=197&book=5&pe=4&est=4&analyst=5&peg=6&hist=4&yield=5&name=Select";
        QTest::newRow("dividend 0 sends its Index") << QStringList{"opt_CDY_1"} << -1
                                                    << "/basicscreen.asp?noofrecs=25&industry=0&yield=1&name=Select";
        QTest::newRow("back to None adds nothing") << QStringList{"opt_PER_3", "opt_PER_0"} << -1
                                                   << "/basicscreen.asp?noofrecs=25&industry=0&name=Select";
        QTest::newRow("BANKS-MAJ REG'L") << QStringList() << 13 << "/basicscreen.asp?noofrecs=25&industry=204&name=Select";
        QTest::newRow("FIN-SBIC&COMMRL") << QStringList() << 76 << "/basicscreen.asp?noofrecs=25&industry=76&name=Select";
        QTest::newRow("FOOD-MISC PREP") << QStringList() << 85 << "/basicscreen.asp?noofrecs=25&industry=76&name=Select";
        QTest::newRow("RETAIL-MJR DEPT") << QStringList() << 172 << "/basicscreen.asp?noofrecs=25&industry=164&name=Select";
        QTest::newRow("TOOLS-HAND HELD") << QStringList() << 193 << "/basicscreen.asp?noofrecs=25&industry=164&name=Select";
    }
    // Two queries in a row open the page twice and change no choice.
    void query()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, row);
        QFETCH(QString, path);
        for (const QString &name : clicks)
            QueryFixture::Click(Option(name));
        if (row >= 0)
            QueryFixture::ClickRow(w->lstIndestry, row);
        const QStringList before = Selected();
        const int rowBefore = w->lstIndestry->currentRow();
        Shell::Reset();
        QueryFixture::Click(w->cmdShow);
        QueryFixture::Click(w->cmdShow);
        QCOMPARE(Shell::Opened(), QStringList({Screen(path), Screen(path)}));
        QVERIFY(w->isVisible());
        QCOMPARE(Selected(), before);
        QCOMPARE(w->lstIndestry->currentRow(), rowBefore);
    }

    void industryRowsTexts()
    {
        const auto rows = Queries::ScreenIndustries();
        QCOMPARE(rows.size(), size_t(207));
        for (int r : {13, 50, 76, 85, 172, 193, 206})
            QCOMPARE(w->lstIndestry->item(r)->text(), QString::fromLatin1(rows[size_t(r)].text));
        QCOMPARE(w->lstIndestry->item(13)->text(), QStringLiteral("BANKS-MAJ REG'L"));
        QCOMPARE(w->lstIndestry->item(206)->text(), QStringLiteral("WIRE & CABLE PRDS"));
        // Codes run 0 to 209; these five belong to no row.
        QSet<int> codes;
        for (const auto &r : rows)
            codes.insert(r.code);
        for (int missing : {66, 68, 77, 141, 184})
            QVERIFY(!codes.contains(missing));
        QCOMPARE(codes.size(), 205);
    }

    // A click colours exactly its option blue and the rest of its group
    // grey; arrow keys select and colour the same way; other groups keep
    // their colours.
    void colours()
    {
        auto colours = [&](int group) {
            QList<QColor> c;
            for (QRadioButton *o : w->groups[group])
                c << Caption(o);
            return c;
        };
        QCOMPARE(colours(1), QList<QColor>({kBlue, kGrey, kGrey, kGrey, kGrey, kGrey}));
        QueryFixture::Click(Option(QStringLiteral("opt_PEG_4")));
        QCOMPARE(colours(5), QList<QColor>({kGrey, kGrey, kGrey, kGrey, kBlue, kGrey, kGrey}));
        QCOMPARE(colours(1), QList<QColor>({kBlue, kGrey, kGrey, kGrey, kGrey, kGrey}));
        QTest::keyClick(Option(QStringLiteral("opt_PEG_4")), Qt::Key_Down);
        QVERIFY(Option(QStringLiteral("opt_PEG_5"))->isChecked());
        QCOMPARE(colours(5), QList<QColor>({kGrey, kGrey, kGrey, kGrey, kGrey, kBlue, kGrey}));
    }

    // Reset: "Yes" in the S&P group, "None" everywhere else, the first row.
    void reset()
    {
        for (const char *name : {"opt_SP_2", "opt_PBV_3", "opt_CDY_5", "opt_HEEG_1"})
            QueryFixture::Click(Option(QLatin1String(name)));
        QueryFixture::ClickRow(w->lstIndestry, 40);
        Shell::Reset();
        QueryFixture::Click(w->cmdReset);
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(Selected(), QStringList({"opt_SP_1", "opt_PBV_0", "opt_PER_0", "opt_FYEEG_0", "opt_Analysts_0",
                                          "opt_PEG_0", "opt_HEEG_0", "opt_CDY_0"}));
        QCOMPARE(Caption(Option(QStringLiteral("opt_SP_1"))), kBlue);
        QCOMPARE(Caption(Option(QStringLiteral("opt_SP_0"))), kGrey);
        QCOMPARE(Caption(Option(QStringLiteral("opt_PBV_0"))), kBlue);
        QCOMPARE(w->lstIndestry->currentRow(), 0);
        QCOMPARE(Query(), Screen("/basicscreen.asp?noofrecs=25&sandp=1&industry=0&name=Select"));
    }

    // Offline, whatever the answer, nothing opens and no choice changes.
    void offline_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(Dialogs::vbNo);
        QTest::newRow("Yes, dials") << int(Dialogs::vbYes);
    }
    void offline()
    {
        QFETCH(int, answer);
        f.env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        QueryFixture::Click(Option(QStringLiteral("opt_PER_2")));
        QueryFixture::ClickRow(w->lstIndestry, 7);
        const QStringList before = Selected();
        Dialogs::QueueAnswer(answer);
        QCOMPARE(Query(), QString());
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Selected(), before);
        QCOMPARE(w->lstIndestry->currentRow(), 7);
        QVERIFY(w->isVisible());
    }

    void help()
    {
        QueryFixture::Click(w->cmdHelp);
        QCOMPARE(Help::Requests().size(), 1);
        QCOMPARE(Help::Requests()[0].contextId, 1004);
        QCOMPARE(Help::Requests()[0].windowType, QStringLiteral(">Small"));
        QCOMPARE(Help::Requests()[0].file, QStringLiteral("Tkw5.chm"));
    }

    // Close (the button or Esc) rolls the window up and unloads it; the
    // next opening has the defaults. Opening while open keeps every choice.
    void closeAndOpenAgain_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Close") << false;
        QTest::newRow("Esc") << true;
    }
    void closeAndOpenAgain()
    {
        QFETCH(bool, byEsc);
        QueryFixture::Click(Option(QStringLiteral("opt_Analysts_2")));
        QCOMPARE(Scr::Load(), w.data());
        QVERIFY(Option(QStringLiteral("opt_Analysts_2"))->isChecked());
        const int height = w->height();
        int smallest = height;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] {
            if (w)
                smallest = qMin(smallest, w->height());
        });
        probe.start(0);
        if (byEsc)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            QueryFixture::Click(w->cmdClose);
        QTRY_VERIFY(!w);
        QVERIFY(smallest < height);
        QVERIFY(!Scr::Loaded());
        w = Scr::Load();
        QVERIFY(QueryFixture::Show(w));
        QVERIFY(Option(QStringLiteral("opt_Analysts_0"))->isChecked());
        QCOMPARE(Query(), Screen("/basicscreen.asp?noofrecs=25&industry=0&name=Select"));
    }
};

TW_TEST(tst_screener)
#include "tst_screener.moc"
