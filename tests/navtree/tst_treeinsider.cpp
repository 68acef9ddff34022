#include "../collect/UpdateFixture.h"
#include "common/TestRegistry.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"

#include <QTest>

// The road of one request: the Update run stores each stock's insider page,
// and a click on the stock's "Insider Trade" leaf shows that page's rows.
class tst_treeinsider : public QObject {
    Q_OBJECT
    tw::test::UpdateFixture f;

    static bool SheetsBuilt()
    {
#if __has_include("sheets/SheetFrame.h")
        return true;
#else
        return false;
#endif
    }

private Q_SLOTS:
    void init() { QVERIFY(f.Init()); }
    void cleanup() { f.Cleanup(); }

    void insiderLeafAfterUpdate()
    {
        if (!SheetsBuilt())
            QSKIP("needs the insider sheet frmMain::FG_IT, which is still a stub here (its filler comes with "
                  "the sheet filler frame, sheets/SheetFrame.h)");
        const QList<QByteArray> symbols = {"ACME", "ZETA", "BETA"};
        f.SetStocks(symbols);
        f.TickOnly({7});
        f.m->RunUpdate();
        f.Build(QStringLiteral("Tech"));

        static const char *const actions[] = {"Sale", "Purchase", "Option Exercise", "Gift"};
        for (int i = 0; i < symbols.size(); ++i) {
            const QByteArray page = tw::test::TestEnv::ReadAll(f.Sheet(QString::fromLatin1(symbols[i] + "_it.Sh")));
            QVERIFY(page.contains("Insider Trades"));
            f.Open(QStringLiteral("IT%1").arg(i));
            QCOMPARE(CurrentSymbol, symbols[i]);
            QCOMPARE(CurrentView, QStringLiteral("IT"));

            // At least the page's twelve trades, and the insiders named there.
            int trades = 0, ownNames = 0;
            const FlexGrid *fg = f.m->FG;
            for (int r = 2; r < fg->Rows(); ++r) {
                bool trade = false;
                for (int c = 0; c < fg->Cols(); ++c) {
                    const QString text = fg->TextMatrix(r, c);
                    for (const char *a : actions)
                        trade |= text == QLatin1String(a);
                    if (text.contains(QLatin1String(", ")) && page.contains(text.toLatin1()))
                        ++ownNames;
                }
                trades += trade;
            }
            QVERIFY2(trades >= 12, qPrintable(QString::number(trades)));
            QVERIFY(ownNames >= 12);
        }
    }

    // Without a page the sheet says so, naming the stock of the leaf.
    void insiderLeafWithoutPage()
    {
        if (!SheetsBuilt())
            QSKIP("needs the insider sheet frmMain::FG_IT, which is still a stub here (its filler comes with "
                  "the sheet filler frame, sheets/SheetFrame.h)");
        f.SetStocks({"ZETA", "ACME", "F"});
        Stocks[1].Name = "Acme Inc";
        f.Build(QStringLiteral("Tech"));
        CurrentSymbol = "ZETA";
        f.Open(QStringLiteral("IT1"));
        QCOMPARE(CurrentSymbol, QByteArray("ACME"));
        QCOMPARE(CurrentView, QStringLiteral("IT"));
        QCOMPARE(f.m->FG->TextMatrix(0, 0), QStringLiteral("Tickerwatch do not have additional information for Acme Inc"));
    }
};

TW_TEST(tst_treeinsider)
#include "tst_treeinsider.moc"
