#include "../collect/UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"

#include <QTest>

// The research pages from the Update run to the sheets: the seven boxes
// ticked for ZETA, ACME and F, then every research leaf of every stock.
class tst_treeresearch : public QObject {
    Q_OBJECT
    tw::test::UpdateFixture f;

private Q_SLOTS:
    void init() { QVERIFY(f.Init()); }
    void cleanup() { f.Cleanup(); }

    void researchLeavesAfterUpdate()
    {
        f.SetStocks({"ZETA", "ACME", "F"});
        Stocks[0].Name = "Zeta Corp";
        Stocks[1].Name = "Acme Inc";
        Stocks[2].Name = "F";
        f.TickOnly({9, 10, 11, 12, 13, 14, 88});
        f.m->RunUpdate();
        f.Build(QStringLiteral("Tech"));

        // A one-letter ticker has its pages like any other.
        const struct {
            const char *key, *view;
            int rows; // grid rows for each stock
        } leaves[] = {
            {"SPL", "Split", 5}, {"UP", "UPH", 4}, {"DN", "DNH", 4}, {"NMR", "NMR", 7},
            {"BR", "BRP", 6},    {"AR", "Profile", 2}, {"SI", "SI", 6},
        };
        const QByteArray symbols[] = {"ZETA", "ACME", "F"};
        for (int i = 0; i < 3; ++i) {
            for (const auto &leaf : leaves) {
                const QString key = QLatin1String(leaf.key) + QString::number(i);
                CurrentSymbol = symbols[(i + 1) % 3]; // another stock on show before the click
                f.Open(key);
                QCOMPARE(CurrentSymbol, symbols[i]);
                QCOMPARE(CurrentView, QLatin1String(leaf.view));
                const FlexGrid *fg = f.m->FG;
                QVERIFY2(fg->Rows() == leaf.rows, qPrintable(key + QStringLiteral(" rows %1").arg(fg->Rows())));
                QVERIFY2(fg->TextMatrix(1, 0).startsWith(QString::fromLatin1(symbols[i]))
                             || fg->TextMatrix(0, 0).contains(QString::fromLatin1(Stocks[size_t(i)].Name))
                             || fg->TextMatrix(0, 1).contains(QString::fromLatin1(symbols[i])),
                         qPrintable(key));
            }
        }
    }
};

TW_TEST(tst_treeresearch)
#include "tst_treeresearch.moc"
