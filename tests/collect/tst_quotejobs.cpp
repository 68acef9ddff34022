// The quote jobs against the sample site and against pages a case writes:
// the detailed price refresh (update box 1), the analysts' recommendation
// (box 0) and the fast update from the quote list.
#include "QuoteFixture.h"
#include "UpdateFixture.h"
#include "collect/QuotePage.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/FlexGrid.h"
#include "platform/LoopbackServer.h"
#include "platform/TreeView.h"
#include "shell/Skins.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

using tw::test::HttpReply;
using tw::test::kQuotePage;
using tw::test::LoopbackServer;
using tw::test::SampleSite;
using tw::test::TestEnv;
using Fault = SampleSite::Fault;

namespace {

TransactionRecord Buy(const QByteArray &symbol)
{
    TransactionRecord t;
    t.Symbol = symbol;
    t.Action = "Buy";
    t.Shares = 10;
    t.Price = 5;
    t.CurrentPrice = "entry";
    return t;
}

// The set as saved: read back from its file, the open set left alone.
Stock::StockTable SavedSet()
{
    Stock::StockTable saved = Stocks;
    Stock::ReadStocks(CurrentSet, saved);
    return saved;
}

const QByteArray kIbmLine = "\"IBM\",112.5,\"6/2/2000\",\"4:01PM\",+1.25,111,113,110.5,452";
const QByteArray kMsftLine = "\"MSFT\",80.25,\"6/2/2000\",\"3:59PM\",-0.5,81,81.5,79,1200";

// A body of exactly n bytes: the lines, the last one's volume padded with
// blanks (the reader trims them).
QByteArray ListOf(const QList<QByteArray> &lines, qsizetype n)
{
    QByteArray body = lines.join("\r\n");
    if (body.size() < n)
        body += QByteArray(n - body.size(), ' ');
    return body;
}

} // namespace

class tst_quotejobs : public QObject {
    Q_OBJECT
    tw::test::UpdateFixture f;
    std::unique_ptr<LoopbackServer> server;

    // The quote site answers every request with this reply.
    void Serve(const QByteArray &reply, const char *site = "FinancePortal")
    {
        server = std::make_unique<LoopbackServer>();
        server->script.reply = reply;
        QVERIFY(Hosts::SetOverride(QLatin1String(site), QStringLiteral("127.0.0.1:%1").arg(server->port())));
    }

    void Run(std::initializer_list<int> boxes)
    {
        f.TickOnly(boxes);
        f.m->RunUpdate();
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(f.Init());
        Portfolio.fill({});
        CurrentView.clear();
    }
    void cleanup()
    {
        server.reset();
        Portfolio.fill({});
        CurrentSymbol.clear();
        CurrentView.clear();
        f.Cleanup();
    }

    // --- price refresh ---

    // Every stock of the set in turn, symbols in lower case, a one-letter
    // ticker like any other; each record is what its page says; the set is
    // saved; portfolio entries get the new last sale.
    void refreshWholeSet()
    {
        f.SetStocks({"IBM", "msft", "A"});
        Stocks[0].LowAlert = 10;
        Stocks[0].HighAlert = 200;
        Stocks[2].LastSale = "7 1/2";
        Portfolio[0] = Buy("IBM");
        Portfolio[1] = Buy("A");
        Portfolio[2] = Buy("ORCL");
        Run({1});
        QCOMPARE(f.RequestLines(), QList<QByteArray>({"GET /q?s=ibm&d=t", "GET /q?s=msft&d=t", "GET /q?s=a&d=t"}));

        for (int slot : {0, 1, 2}) {
            StockRecord want = Stocks[size_t(slot)];
            want.Name = "x";
            QuotePage::Read(SampleSite::Body(f.site->get("/q?s=" + Stocks[size_t(slot)].Symbol + "&d=t")), want);
            QCOMPARE(Stocks[size_t(slot)], want);
            QVERIFY(Stocks[size_t(slot)].Name.size() > 3);
            QVERIFY(!Stocks[size_t(slot)].LastSale.isEmpty());
        }
        QCOMPARE(Stocks[0].LowAlert, 10.0f);
        QCOMPARE(Stocks[0].HighAlert, 200.0f);
        QCOMPARE(Stocks[1].Symbol, QByteArray("msft"));
        QCOMPARE(SavedSet(), Stocks);

        QCOMPARE(Portfolio[0].CurrentPrice, Stocks[0].LastSale);
        QCOMPARE(Portfolio[1].CurrentPrice, Stocks[2].LastSale);
        QVERIFY(Stocks[2].LastSale != "7 1/2");
        QCOMPARE(Portfolio[2].CurrentPrice, QByteArray("entry"));
        Stock::ReadPortfolio();
        QCOMPARE(Portfolio[0].CurrentPrice, Stocks[0].LastSale);
        QCOMPARE(f.m->windowTitle(), f.m->BaseCaption);
    }

    // The fields of a page the case wrote: the trade cell split at its dot,
    // the day's range at its dash; the portfolio follows.
    void tradeAndRangeFromPage()
    {
        Serve(HttpReply(kQuotePage));
        f.SetStocks({"ZETA"});
        Portfolio[3] = Buy("ZETA");
        Run({1});
        QVERIFY(server->request().startsWith("GET /q?s=zeta&d=t HTTP/"));
        QCOMPARE(Stocks[0].LastUpdate, QByteArray("4:01PM"));
        QCOMPARE(Stocks[0].LastSale, QByteArray("12 3/8"));
        QCOMPARE(Stocks[0].TodayLow, QByteArray("12 1/8"));
        QCOMPARE(Stocks[0].TodayHigh, QByteArray("13"));
        QCOMPARE(Stocks[0].Exchange, QByteArray("-"));
        QCOMPARE(SavedSet()[0], Stocks[0]);
        Stock::ReadPortfolio();
        QCOMPARE(Portfolio[3].CurrentPrice, QByteArray("12 3/8"));
    }

    // A page that did not come, or came as an error page, leaves the record
    // exactly as it was, name included; an older page in the cache is never
    // read in its place. The next stock is still refreshed.
    void missingPageKeepsRecord_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<qint64>("value");
        QTest::newRow("reset") << int(Fault::Reset) << qint64(0);
        QTest::newRow("cut mid-reply") << int(Fault::Reset) << qint64(300);
        QTest::newRow("not found") << int(Fault::Status) << qint64(404);
        QTest::newRow("server error") << int(Fault::Status) << qint64(500);
        QTest::newRow("silent") << int(Fault::Silence) << qint64(0);
    }
    void missingPageKeepsRecord()
    {
        QFETCH(int, mode);
        QFETCH(qint64, value);
        f.SetStocks({"IBM", "MSFT"});
        Stocks[0].Name = "Kept Name";
        Stocks[0].LastSale = "9 1/4";
        Stocks[0].Spare1 = "spare";
        Stocks[0].LowAlert = 8;
        const StockRecord before = Stocks[0];
        TestEnv::WriteAll(f.Sheet(QStringLiteral("YahooQuote.Sh")), kQuotePage); // an older page
        QVERIFY(f.site->setFault("/q?s=ibm&d=t", Fault(mode), value, 0));
        Run({1});
        QCOMPARE(Stocks[0], before);
        QCOMPARE(SavedSet()[0], before);
        QVERIFY(Stocks[1].Name.size() > 3);
    }

    // A set whose file cannot be read is not opened: the open set stays and
    // the user is told; a quote run afterwards writes the open set's file
    // only, never the one that was not read.
    void switchToAnUnreadableSet()
    {
        Stock::StockTable zero{}, one{};
        zero[0].Symbol = "IBM";
        zero[0].Name = "Kept";
        one[0].Symbol = "ONE";
        QVERIFY(Stock::SaveStocks(0, zero));
        QVERIFY(Stock::SaveStocks(1, one));
        f.m->mnuSet_Click(0);
        const QByteArray set0 = TestEnv::ReadAll(Stock::StockSetFile(0));
        const QByteArray set1 = TestEnv::ReadAll(Stock::StockSetFile(1));

        // Unreadable while the user switches (a folder in its place), then
        // back as it was.
        const QString path = Stock::StockSetFile(1);
        QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
        QVERIFY(QDir().mkpath(path));
        f.m->mnuSet_Click(1);
        QVERIFY(QDir().rmdir(path));
        QVERIFY(QFile::rename(path + QStringLiteral(".away"), path));

        QCOMPARE(CurrentSet, int16_t(0));
        QCOMPARE(Stocks[0].Symbol, QByteArray("IBM"));
        QVERIFY(f.m->mnuSet[0]->isChecked());
        QVERIFY(!f.m->mnuSet[1]->isChecked());
        QCOMPARE(f.env->Get(QStringLiteral("LastGroup")), QStringLiteral("0"));
        QCOMPARE(Dialogs::Log().size(), 1);
        QCOMPARE(Dialogs::Log()[0].title, QStringLiteral("Stock set not opened"));

        QVERIFY(f.site->setFault("/q?s=ibm&d=t", Fault::Status, 404, 0));
        Run({1});
        QCOMPARE(TestEnv::ReadAll(Stock::StockSetFile(0)), set0);
        QCOMPARE(TestEnv::ReadAll(Stock::StockSetFile(1)), set1);
    }

    // "Update Selected Stock" fetches and writes the current stock only; a
    // current symbol that is not in the set fetches and writes nothing.
    void singleStock_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::newRow("in the set") << QByteArray("msft") << QList<QByteArray>{"GET /q?s=msft&d=t"};
        QTest::newRow("not in the set") << QByteArray("ORCL") << QList<QByteArray>{};
        QTest::newRow("other case") << QByteArray("MSFT") << QList<QByteArray>{};
    }
    void singleStock()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(QList<QByteArray>, lines);
        f.SetStocks({"IBM", "msft"});
        Portfolio[0] = Buy("msft");
        const auto before = Stocks;
        const QString setFile = Stock::StockSetFile(CurrentSet);
        QFile::remove(setFile);
        CurrentSymbol = symbol;
        CurrentView = QStringLiteral("Current");
        f.m->SingleStockMode = -1;
        Run({0, 1});
        QList<QByteArray> quotes = f.RequestLines();
        quotes.removeIf([](const QByteArray &line) { return !line.contains("/q?"); });
        QCOMPARE(quotes, lines);
        QCOMPARE(Stocks[0], before[0]);
        QCOMPARE(Portfolio[0].CurrentPrice, QByteArray("entry"));
        if (lines.isEmpty()) {
            QCOMPARE(Stocks, before);
            QVERIFY(!QFile::exists(setFile)); // nothing saved, slot 0 least of all
            QVERIFY(f.site->requests().isEmpty());
        } else {
            QVERIFY(Stocks[1].Name.size() > 3);
            QCOMPARE(SavedSet()[1], Stocks[1]);
        }
        QCOMPARE(f.m->SingleStockMode, int16_t(0));
    }

    // With the prices grid on show it is redrawn after each stock, the row
    // of the stock last read is selected and its tree node chosen.
    void gridAndTreeFollow()
    {
        f.SetStocks({"IBM", "MSFT", "ORCL"});
        TreeView *tree = f.m->TreeView1;
        tree->Clear();
        tree->Add(QString(), TreeView::tvwLast, QStringLiteral("Stocks"), QStringLiteral("Stocks"), 0);
        for (const char *s : {"IBM", "MSFT", "ORCL"})
            tree->Add(QStringLiteral("Stocks"), TreeView::tvwChild, QStringLiteral("ID") + QLatin1String(s),
                      QLatin1String(s), 1);
        CurrentView = QStringLiteral("Current");
        Run({1});
        FlexGrid *fg = f.m->FG;
        QCOMPARE(fg->Rows(), 5);
        QCOMPARE(fg->TextMatrix(4, 1), QString::fromLatin1(Stocks[2].Name));
        QCOMPARE(fg->Row(), 4);
        QCOMPARE(fg->Col(), 0);
        QCOMPARE(fg->ColSel(), 1);
        QVERIFY(tree->SelectedItem());
        QCOMPARE(tree->SelectedItem()->Key(), QStringLiteral("IDORCL"));
    }

    // Stop during a fetch: that turn ends without a page, and no further
    // stock is fetched.
    void stopDuringFetch()
    {
        f.SetStocks({"IBM", "MSFT", "ORCL"});
        const auto before = Stocks;
        QVERIFY(f.site->setFault("/q?s=ibm&d=t", Fault::Delay, 3000));
        f.OnceRequested(1, [this] { f.m->StopUpdate(); });
        Run({1});
        QCOMPARE(f.RequestLines(), QList<QByteArray>({"GET /q?s=ibm&d=t"}));
        QCOMPARE(Stocks, before);
    }

    // The page and the list of a symbol tell the same prices: the page in
    // fractions, the list in decimals.
    void pageAndListAgree()
    {
        f.SetStocks({"IBM", "MSFT", "GE", "ORCL"});
        Run({1});
        const auto detailed = Stocks;
        f.m->FastUpdate();
        for (int i = 0; i < 4; ++i) {
            const QByteArray page = detailed[size_t(i)].LastSale, list = Stocks[size_t(i)].LastSale;
            QCOMPARE(Misc::FormatP(QByteArray(page), true).toDouble(), list.toDouble());
            QCOMPARE(Stocks[size_t(i)].Opens.toDouble(), Misc::FormatP(QByteArray(detailed[size_t(i)].Opens), true).toDouble());
        }
    }

    // The sample site's quote pages: /q gives the detailed quote only with
    // d=t; a text that is no symbol is not found, and gets an N/A line in a
    // list.
    void sampleSitePages_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("marker");
        QTest::newRow("detailed quote") << QByteArray("/q?s=ibm&d=t") << QByteArray("HTTP/1.0 200 ")
                                        << QByteArray("&#183;");
        QTest::newRow("news page") << QByteArray("/q?s=ibm") << QByteArray("HTTP/1.0 200 ")
                                   << QByteArray("Recent News");
        QTest::newRow("quote of no symbol") << QByteArray("/q?s=a%20b&d=t") << QByteArray("HTTP/1.0 404 ")
                                            << QByteArray();
        QTest::newRow("report") << QByteArray("/cgi-bin/ShowFreeCompRep?brk.a") << QByteArray("HTTP/1.0 200 ")
                                << QByteArray("Current Average Recommendation");
        QTest::newRow("report of no symbol") << QByteArray("/cgi-bin/ShowFreeCompRep?..%2Fx")
                                             << QByteArray("HTTP/1.0 404 ") << QByteArray();
        QTest::newRow("list") << QByteArray("/d/quotes.csv?s=ibm,a%20b,msft&f=sl1d1t1c1ohgv&e=.csv")
                              << QByteArray("HTTP/1.0 200 ") << QByteArray("\"N/A\",0.00,");
    }
    void sampleSitePages()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, marker);
        const QByteArray reply = f.site->get(path);
        QVERIFY2(reply.startsWith(start), reply.left(40).constData());
        QVERIFY(reply.contains(marker));
        QCOMPARE(f.site->get(path), reply);
        if (path.startsWith("/d/")) {
            const QList<QByteArray> lines = SampleSite::Body(reply).split('\n');
            QCOMPARE(lines.size(), 4); // three lines and the end
            QVERIFY(lines[0].startsWith("\"IBM\","));
            QVERIFY(lines[2].startsWith("\"MSFT\","));
            QCOMPARE(lines[0].split(',').size(), 9);
        }
    }

    // --- fast update ---

    // One request for the set; the reply's fields go where they belong and
    // the set is saved; the toolbar is back to rest afterwards.
    void fastUpdateFromSite()
    {
        f.SetStocks({"ibm", "msft", "", "GE"});
        CurrentView = QStringLiteral("Current");
        f.m->FastUpdate();
        QCOMPARE(f.RequestLines(), QList<QByteArray>({"GET /d/quotes.csv?s=ibm,msft&f=sl1d1t1c1ohgv&e=.csv"}));
        const QList<QByteArray> lines =
            SampleSite::Body(f.site->get("/d/quotes.csv?s=ibm,msft&f=sl1d1t1c1ohgv&e=.csv")).split('\n');
        const QList<QByteArray> ibm = lines[0].trimmed().split(',');
        QCOMPARE(Stocks[0].LastSale, ibm[1]);
        QCOMPARE(Stocks[0].Volume, ibm[8]);
        QCOMPARE(Stocks[0].LastUpdate, QByteArray("6/2/2000"));
        QVERIFY(!Stocks[1].LastSale.isEmpty());
        QVERIFY(Stocks[3].LastSale.isEmpty()); // after the free slot: not asked for
        QCOMPARE(SavedSet(), Stocks);
        QCOMPARE(f.m->FG->Rows(), 4); // the grid redrawn: header, spacer, two stocks
        QVERIFY(QFile::exists(f.Sheet(QStringLiteral("quotes_csv.txt"))));
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
        QCOMPARE(f.m->AbortFlag, int16_t(-1));
        QCOMPARE(f.m->windowTitle(), f.m->BaseCaption);
    }

    // Replies the case writes: what is stored, and when the list is not
    // read at all.
    void fastUpdateReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("ibm"); // LastSale LastUpdate PChange Opens TodayHigh TodayLow Volume DChange
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("kept"); // quotes_csv.txt stays in the cache
        const QByteArray stored = "112.5 6/2/2000 +1.12% 111 113 110.5 452 +1.25";
        const QByteArray untouched = "old" + QByteArray(7, ' ') + "old";
        QTest::newRow("both lines") << HttpReply(ListOf({kIbmLine, kMsftLine}, 0)) << stored << true << true;
        QTest::newRow("100 bytes") << HttpReply(ListOf({kIbmLine}, 100)) << stored << true << true;
        QTest::newRow("99 bytes") << HttpReply(ListOf({kIbmLine}, 99)) << untouched << false << false;
        QTest::newRow("lines reordered") << HttpReply(ListOf({kMsftLine, kIbmLine}, 0)) << stored << true << true;
        QTest::newRow("a foreign line in IBM's place")
            << HttpReply(ListOf({"\"ORCL\",30,\"6/2/2000\",\"4:00PM\",+1,29,31,28,10", kMsftLine}, 100)) << untouched
            << true << true;
        QTest::newRow("error page") << HttpReply(ListOf({kIbmLine, kMsftLine}, 0), 404) << untouched << false << false;
    }
    void fastUpdateReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, ibm);
        QFETCH(bool, saved);
        QFETCH(bool, kept);
        Serve(reply);
        f.SetStocks({"IBM", "MSFT"});
        for (int i = 0; i < 2; ++i)
            Stocks[size_t(i)].LastSale = Stocks[size_t(i)].DChange = "old";
        const QString setFile = Stock::StockSetFile(CurrentSet);
        QFile::remove(setFile);
        f.m->FastUpdate();
        QVERIFY(server->request().startsWith("GET /d/quotes.csv?s=ibm,msft&f=sl1d1t1c1ohgv&e=.csv HTTP/"));
        const StockRecord &r = Stocks[0];
        QCOMPARE(QList<QByteArray>({r.LastSale, r.LastUpdate, r.PChange, r.Opens, r.TodayHigh, r.TodayLow, r.Volume,
                                    r.DChange})
                     .join(' '),
                 ibm);
        QCOMPARE(QFile::exists(setFile), saved);
        QCOMPARE(QFile::exists(f.Sheet(QStringLiteral("quotes_csv.txt"))), kept);
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
    }

    // A request that fails leaves the set alone: the list an earlier fast
    // update left in the cache is not read again.
    void fastUpdateFailedKeepsOlderList()
    {
        const QByteArray older = ListOf({kIbmLine, kMsftLine}, 0);
        TestEnv::WriteAll(f.Sheet(QStringLiteral("quotes_csv.txt")), older);
        f.SetStocks({"IBM", "MSFT"});
        const auto before = Stocks;
        QVERIFY(f.site->setFault("/d/quotes.csv", Fault::Reset, 0, 0));
        f.m->FastUpdate();
        QCOMPARE(Stocks, before);
        QCOMPARE(TestEnv::ReadAll(f.Sheet(QStringLiteral("quotes_csv.txt"))), older);
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
    }

    // An open set whose first slot is free asks for nothing.
    void fastUpdateEmptySet()
    {
        f.SetStocks({"", "IBM"});
        f.m->FastUpdate();
        QVERIFY(f.site->requests().isEmpty());
        QCOMPARE(f.m->lblDesc[0]->text(), QStringLiteral("Update"));
        QCOMPARE(f.m->windowTitle(), f.m->BaseCaption);
    }

    // --- analysts' recommendation ---

    void recommendationFromSite()
    {
        f.SetStocks({"IBM", "A", "msft"});
        Run({0});
        QCOMPARE(f.RequestLines(), QList<QByteArray>({"GET /cgi-bin/ShowFreeCompRep?IBM", "GET /cgi-bin/ShowFreeCompRep?A",
                                                      "GET /cgi-bin/ShowFreeCompRep?msft"}));
        for (int i : {0, 1, 2}) {
            const std::optional<float> r = QuotePage::Recommendation(
                SampleSite::Body(f.site->get("/cgi-bin/ShowFreeCompRep?" + Stocks[size_t(i)].Symbol)));
            QVERIFY(r && *r >= 1 && *r <= 5);
            QCOMPARE(Stocks[size_t(i)].Recommendation, *r);
        }
        QCOMPARE(SavedSet(), Stocks);
        QVERIFY(!QFile::exists(f.Sheet(QStringLiteral("Rec.Sh")))); // scratch of a whole-set run
    }

    // 2.25 is stored as the Single it is, in its place in the set file, and
    // the marker is drawn on the bar of every strip row showing the stock.
    void recommendationStoredAndDrawn()
    {
        Serve(HttpReply("<table><tr><td>Current Average Recommendation</td><td><font color=#0000ee>2.25</font>"
                        "</td></tr></table>" + QByteArray(200, ' ')),
              "ResearchReportSite");
        Misc::ApplySkin();
        f.SetStocks({"ZETA", "OTHER"});
        Stocks[0].Name = "Zeta";
        for (QLabel *img : f.m->img)
            Geometry::SetWidth(img, 300 * 15);
        f.m->LoadPrices();
        f.m->lblSbl[3]->setText(QStringLiteral("ZETA"));
        const QPixmap otherBar = f.m->img[1]->pixmap();
        Stocks[1].Symbol = "O"; // its row shows OTHER: only ZETA's rows are drawn
        Run({0});

        QCOMPARE(Stocks[0].Recommendation, 2.25f);
        const QByteArray file = TestEnv::ReadAll(Stock::StockSetFile(CurrentSet));
        const qsizetype at = 2 + (2 + 4) + (2 + 4); // Spare1 "", Symbol "ZETA", Name "Zeta"
        QCOMPARE(file.mid(at, 4), QByteArray::fromHex("00001040"));

        const int x = frmMain::MarkerX(2.25, f.m->img[0]->width());
        const QImage marker = BitBltModule::Surface(SkinMarkerDC).toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!marker.isNull());
        for (int row : {0, 3}) {
            QVERIFY(!f.m->img[row]->isHidden());
            const QImage drawn = f.m->img[row]->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            for (int dx = 0; dx < 8; ++dx)
                QCOMPARE(drawn.pixel(x + dx, 4), marker.pixel(dx, 4));
        }
        QCOMPARE(f.m->img[1]->pixmap().cacheKey(), otherBar.cacheKey());
    }

    // A page that failed is not read: the record keeps its figure.
    void recommendationErrorPage()
    {
        Serve(HttpReply("Current Average Recommendation <font color=#0000ee>4.00</font>" + QByteArray(200, ' '), 404),
              "ResearchReportSite");
        f.SetStocks({"ZETA"});
        Stocks[0].Recommendation = 1.5f;
        Run({0});
        QCOMPARE(Stocks[0].Recommendation, 1.5f);
    }

    // The current stock alone; its page stays in the cache.
    void recommendationSingleStock()
    {
        f.SetStocks({"IBM", "MSFT"});
        CurrentSymbol = "MSFT";
        f.m->SingleStockMode = -1;
        Run({0});
        QCOMPARE(f.RequestLines(), QList<QByteArray>({"GET /cgi-bin/ShowFreeCompRep?MSFT"}));
        QVERIFY(Stocks[1].Recommendation > 0);
        QCOMPARE(Stocks[0].Recommendation, 0.0f);
        QVERIFY(QFile::exists(f.Sheet(QStringLiteral("Rec.Sh"))));
    }
};

TW_TEST(tst_quotejobs)
#include "tst_quotejobs.moc"
