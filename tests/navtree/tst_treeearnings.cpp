#include "../collect/UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"

#include <QTest>

// The earnings and option pages from the Update run to the sheets: a click
// on a stock's earnings or option leaf, with another stock on show, makes
// that stock current and shows its sheet, or its message without a page.
class tst_treeearnings : public QObject {
    Q_OBJECT
    tw::test::UpdateFixture f;

    struct Leaf {
        const char *key, *view, *title;
        bool earnings;
    };
    static constexpr Leaf kLeaves[] = {{"EG", "EG", "Earnings Growth", true},
                                       {"EH", "EH", "Earnings History", true},
                                       {"ER", "ER", "Earnings Estimates", true},
                                       {"EC", "EC", "Consensus EPS Trend", true},
                                       {"Calls", "Call", "Calls", false},
                                       {"Puts", "Put", "Puts", false},
                                       {"Options", "Options", "Options", false}};

    void Prepare()
    {
        f.SetStocks({"ZETA", "ACME", "F"});
        Stocks[0].Name = "Zeta Corp";
        Stocks[1].Name = "Acme Inc";
        Stocks[2].Name = "F";
    }
    // The option page's data lines, each split into its fields.
    QList<QList<QByteArray>> OptionLines(const QByteArray &symbol)
    {
        const QByteArray page = tw::test::TestEnv::ReadAll(f.Sheet(QString::fromLatin1(symbol + "_op.Sh")));
        QList<QList<QByteArray>> lines;
        const qsizetype body = page.indexOf("\r\n", page.indexOf("Int", page.indexOf("Puts")));
        for (const QByteArray &line : page.mid(body + 2).split('\n'))
            if (line.endsWith('\r'))
                lines << line.split(',');
        return lines;
    }

private Q_SLOTS:
    void init() { QVERIFY(f.Init()); }
    void cleanup() { f.Cleanup(); }

    void leavesAfterUpdate()
    {
        Prepare();
        f.TickOnly({5, 8});
        f.m->RunUpdate();
        f.Build(QStringLiteral("Tech"));

        const QByteArray symbols[] = {"ZETA", "ACME", "F"};
        for (int i = 0; i < 3; ++i) {
            const QString sym = QString::fromLatin1(symbols[i]);
            const QList<QList<QByteArray>> lines = OptionLines(symbols[i]);
            QVERIFY(lines.size() >= 10);
            for (const Leaf &leaf : kLeaves) {
                const QString key = QLatin1String(leaf.key) + QString::number(i);
                CurrentSymbol = symbols[(i + 1) % 3];
                f.Open(key);
                QCOMPARE(CurrentSymbol, symbols[i]);
                QCOMPARE(CurrentView, QLatin1String(leaf.view));
                const FlexGrid *fg = f.m->FG;
                // One letter or more, every stock has its pages.
                if (leaf.earnings) {
                    QCOMPARE(fg->TextMatrix(0, 0), sym + QStringLiteral("\r\n") + QLatin1String(leaf.title));
                    QVERIFY2(!fg->TextMatrix(1, 1).isEmpty(), qPrintable(key));
                } else {
                    QCOMPARE(fg->Rows(), 3 + lines.size());
                    const int title = leaf.view == QLatin1String("Options") ? 1 : 0;
                    // The last sale beside the first description: the call's, or the put's.
                    const int field = leaf.view == QLatin1String("Put") ? 8 : 1;
                    QCOMPARE(fg->TextMatrix(1, title), sym + u' ' + QLatin1String(leaf.title));
                    for (int r = 0; r < lines.size(); ++r)
                        QCOMPARE(fg->TextMatrix(3 + r, title + 1), QString::fromLatin1(lines[r][field]));
                }
            }
        }
        f.Open(QStringLiteral("ER1"));
        QCOMPARE(f.m->FG->TextMatrix(0, 0), QStringLiteral("ACME\r\nEarnings Estimates"));
    }

    // Without pages every leaf shows its sheet's message for the stock.
    void leavesWithoutPages()
    {
        Prepare();
        f.Build(QStringLiteral("Tech"));
        for (const Leaf &leaf : kLeaves) {
            CurrentSymbol = "ZETA";
            f.Open(QLatin1String(leaf.key) + u'1');
            QCOMPARE(CurrentSymbol, QByteArray("ACME"));
            QCOMPARE(CurrentView, QLatin1String(leaf.view));
            QCOMPARE(f.m->FG->Rows(), 1);
            QCOMPARE(f.m->FG->TextMatrix(0, 0),
                     leaf.earnings ? QStringLiteral("Tickerwatch do not have additional information for Acme Inc")
                                   : QStringLiteral("Data is not available, connect to Internet, and update again ."));
        }
    }
};

TW_TEST(tst_treeearnings)
#include "tst_treeearnings.moc"
