#include "collect/Headlines.h"
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/NewsTicker.h"
#include "platform/Ras.h"
#include "core/Settings.h"
#include "platform/Shell.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <memory>

using tw::test::TestEnv;

namespace {

const QByteArray Story1 = "http://127.0.0.1:8080/news/ibm-1.html";
const QByteArray Story2 = "http://127.0.0.1:8080/news/ibm-2.html";
const QByteArray Story3 = "https://127.0.0.1:8443/news/ibm-3.html";

// A quote page as the socket stores it: a price table, then the heading and
// the news table inside a layout table.
QByteArray Page(const QByteArray &rows, const QByteArray &heading = "Recent News")
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<HTML><head><title>IBM</title></head><body>\r\n"
           "<table><tr><td>Last Trade</td><td>12.5</td></tr></table>\r\n<b>"
           + heading + "</b>\r\n<table width=\"100%\"><tr><td>\r\n<table>\r\n" + rows
           + "\r\n</table>\r\n</td></tr></table>\r\n</body></HTML>\r\n";
}

QByteArray Row(const QByteArray &headline, const QByteArray &link)
{
    const QByteArray cell4 = link.isEmpty() ? QByteArray("<td>more</td>") : "<td><a href=\"" + link + "\">more</a></td>";
    return "<tr><td>Jan 5</td><td>" + headline + "</td><td>Wire</td><td>10:30</td>" + cell4 + "</tr>\r\n";
}

const QByteArray RowABCDE = "<tr><td>A</td><td>B</td><td>C</td><td>D</td><td><a href=\"" + Story1 + "\">E</a></td></tr>";

} // namespace

class tst_ticker : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    frmMain *m = nullptr;
    NewsTicker *ticker = nullptr;

    QString NewsFolder() const { return AppFolder + QStringLiteral("/Cache/News"); }
    QString NewsFile(const QByteArray &symbol) const
    {
        return NewsFolder() + u'/' + QString::fromLatin1(symbol) + QStringLiteral(".txt");
    }

    void AddStock(const QByteArray &symbol, const QByteArray &name)
    {
        StockRecord &s = Stocks[size_t(StockCount++)];
        s.Symbol = symbol;
        s.Name = name;
        s.LastSale = "12 3/8";
        s.DChange = "+0.25";
        s.PChange = "+2.06%";
        s.LastUpdate = "4:00PM Jan 5";
    }

    // What the Update run's news job does for one stock.
    void Fetch(const QByteArray &symbol, const QByteArray &page)
    {
        const QString temp = NewsFolder() + QStringLiteral("/Temp.htm");
        TestEnv::WriteAll(temp, page);
        QFile::remove(NewsFile(symbol));
        m->ParseNewsHeadlines(symbol, temp, NewsFile(symbol));
    }

    // The current stock IBM, its headlines fetched from the page.
    void IBMWith(const QByteArray &page, const QByteArray &name = "IBM Corp")
    {
        AddStock("IBM", name);
        CurrentSymbol = "IBM";
        Fetch("IBM", page);
    }

    // Clicks the item on the strip, as a user would.
    void ClickItem(int item)
    {
        for (int o = 0; o < 100000; ++o) {
            ticker->SetOffset(o);
            if (ticker->ItemRect(item).width() >= 4) {
                const QPoint p = ticker->ItemRect(item).center();
                QCOMPARE(ticker->ItemAt(p), item);
                QTest::mouseClick(ticker, Qt::LeftButton, {}, p);
                return;
            }
        }
        QFAIL("item never on the strip");
    }

    QString Status() const { return m->Panel1[6]->text(); }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        QDir().mkpath(NewsFolder());
        m = frmMain::Instance();
        ticker = m->findChild<NewsTicker *>(QStringLiteral("NewsTicker1"));
        QVERIFY(ticker);
        QCOMPARE(static_cast<QWidget *>(ticker), m->NewsTicker1);
    }
    void cleanup()
    {
        frmMain::Unload();
        env.reset();
    }

    // The news page's table becomes one quoted line per row.
    void headlinesFromPage_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("story link of cell 4")
            << Page(RowABCDE) << "\" A B C D #" + Story1 + "# E;\"\r\n";
        QTest::newRow("header row gives an empty item")
            << Page("<tr><th>Headline</th></tr>" + RowABCDE) << "\";\"\r\n\" A B C D #" + Story1 + "# E;\"\r\n";
        QTest::newRow("rows in page order, upper-case tags")
            << Page("<TR><TD>one</TD></TR><Tr><Td>two</Td></Tr>") << QByteArray("\" one;\"\r\n\" two;\"\r\n");
        QTest::newRow("no link in cell 4")
            << Page(Row("Quiet day", "")) << QByteArray("\" Jan 5 Quiet day Wire 10:30 more;\"\r\n");
        QTest::newRow("links of other cells are not taken")
            << Page("<tr><td><a href=\"http://x/\">A</a></td><td>B</td></tr>") << QByteArray("\" A B;\"\r\n");
        QTest::newRow("source and date get cells of their own")
            << Page("<tr><td>Big story - <i>Wire, Jan 5</i></td><td>x</td></tr>")
            << QByteArray("\" Big story Wire, Jan 5 x;\"\r\n");
        QTest::newRow("two blanks vanish, three become one; tabs and line ends go")
            << Page("<tr><td>Big  deal</td><td>a   b</td><td>c\td</td><td>e\r\nf</td><td>g\nh</td></tr>")
            << QByteArray("\" Bigdeal a b cd ef gh;\"\r\n");
        QTest::newRow("entities")
            << Page("<tr><td>&#187;Q&amp;A</td><td>2</td><td>3</td><td>4</td><td><a href=\"http://h/s?a=1&amp;b=2\">e</a></td></tr>")
            << QByteArray("\" Q&A 2 3 4 #http://h/s?a=1&b=2# e;\"\r\n");
        QTest::newRow("words and addresses keep their letters")
            << Page("<TR><TD>HTML Thomas TRUST</TD><TD>2</TD><TD>3</TD><TD>4</TD><TD><a href=\"http://h/THO.Html\">Table</a></TD></TR>")
            << QByteArray("\" HTML Thomas TRUST 2 3 4 #http://h/THO.Html# Table;\"\r\n");
        QTest::newRow("without the heading: the page's second table")
            << QByteArray("<html><table><tr><td>first</td></tr></table><table><tr><td>second</td></tr></table></html>")
            << QByteArray("\" second;\"\r\n");
        QTest::newRow("a row without its end closes the rows")
            << Page("<tr><td>one</td></tr><tr><td>two</td>") << QByteArray("\" one;\"\r\n");
        QTest::newRow("a cell without its end closes the rows")
            << Page("<tr><td>one</td></tr><tr><td>two</tr><tr><td>three</td></tr>") << QByteArray("\" one;\"\r\n");
        const QByteArray none = "<no news table>";
        QTest::newRow("no html") << QByteArray("<table><tr><td>a</td></tr></table><table><tr><td>b</td></tr></table>")
                                 << none;
        QTest::newRow("no html end") << Page(RowABCDE).replace("</HTML>", "") << none;
        QTest::newRow("no news table") << QByteArray("<html>Recent News<table><tr><td>a</td></tr></table></html>")
                                       << none;
        QTest::newRow("no table after the heading")
            << QByteArray("<html><table><tr><td>a</td></tr></table>Recent News</html>") << none;
        QTest::newRow("a news table without rows") << Page(QByteArray()) << QByteArray();
        QByteArray far = Page(RowABCDE);
        far.insert(far.indexOf("<b>"), QByteArray(40000, 'x'));
        QTest::newRow("heading past 32767") << far << "\" A B C D #" + Story1 + "# E;\"\r\n";
    }
    void headlinesFromPage()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, lines);
        QCOMPARE(Headlines::FromPage(page).value_or("<no news table>"), lines);
    }

    // The required round trip: the row A..E linking to U gives its line in
    // IBM.txt, the strip shows the title and the headline, and the headline
    // opens U.
    void headlineOpensItsStory()
    {
        IBMWith(Page(RowABCDE));
        QCOMPARE(TestEnv::ReadAll(NewsFolder() + QStringLiteral("/IBM.txt")),
                 "\" A B C D #" + Story1 + "# E;\"\r\n");

        m->mnuTicker_Click(0);
        QCOMPARE(ticker->Text(), QByteArray("... Latest IBM Corp News ...; A B C D  E;"));
        QCOMPARE(StockIndex, int16_t(0));
        ClickItem(2);
        QCOMPARE(Shell::Opened(), QStringList{QString::fromLatin1(Story1)});

        ClickItem(1); // the title has no story
        QCOMPARE(Status(), QStringLiteral("Click on news subjects to review the full story."));
        QCOMPARE(Shell::Opened().size(), 1);
    }

    // Every headline opens its own story: a headline without a link, or
    // with "#" in its text, does not move the others' links.
    void linksStayWithTheirHeadlines()
    {
        IBMWith(Page(Row("We're #1 in sales", Story1) + Row("No link here", "") + Row("C# ## news", Story2)
                          + Row("Last; part two", Story3)));
        m->mnuTicker_Click(0);
        QCOMPARE(ticker->ItemText(2), QStringLiteral(" Jan 5 We're #1 in sales Wire 10:30  more"));
        QCOMPARE(ticker->ItemText(4), QStringLiteral(" Jan 5 C# ## news Wire 10:30  more"));

        ClickItem(3);
        QCOMPARE(Status(), QStringLiteral("Click on news subjects to review the full story."));
        QVERIFY(Shell::Opened().isEmpty());
        // a ";" in a headline's own text stays inside its item
        QCOMPARE(ticker->ItemText(5), QStringLiteral(" Jan 5 Last; part two Wire 10:30  more"));
        QCOMPARE(ticker->ItemCount(), 5);
        for (auto [item, story] : {std::pair{2, Story1}, {4, Story2}, {5, Story3}}) {
            Shell::Reset();
            ClickItem(item);
            QCOMPARE(Shell::Opened(), QStringList{QString::fromLatin1(story)});
        }
    }

    // A ";" in the company's name keeps the title one item, and the
    // headlines after it keep their stories; so does the price line.
    void semicolonInTheName()
    {
        IBMWith(Page(Row("Story", Story1)), "Smith; Sons");
        m->mnuTicker_Click(0);
        QCOMPARE(ticker->ItemCount(), 2);
        QCOMPARE(ticker->ItemText(1), QStringLiteral("... Latest Smith; Sons News ..."));
        ClickItem(2);
        QCOMPARE(Shell::Opened(), QStringList{QString::fromLatin1(Story1)});
        m->mnuTicker_Click(1);
        QCOMPARE(ticker->ItemCount(), 1);
    }

    // Character references of the page reach the strip as the characters
    // they stand for; what is no reference stays as it stands.
    void referencesDecoded()
    {
        IBMWith(Page(Row("AT&amp;T isn&#39;t &quot;it&quot; &#x41; &#8364; &#150; &bogus; &", Story1)));
        m->mnuTicker_Click(0);
        QCOMPARE(ticker->ItemText(2),
                 QStringLiteral(" Jan 5 AT&T isn't \"it\" A \u20ac \u2013 &bogus; & Wire 10:30  more"));
    }

    // A headline click opens the story without the online check: with the
    // check asking and no connection, the story still opens and no box shows.
    void clickSkipsTheOnlineCheck()
    {
        IBMWith(Page(Row("Story", Story1)));
        Settings::Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetScripted(true, 0);
        m->mnuTicker_Click(0);
        ClickItem(2);
        QCOMPARE(Shell::Opened(), QStringList{QString::fromLatin1(Story1)});
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // Only web and mail addresses taken from a page are opened.
    void pageLinksOpenOnlyWebAddresses_data()
    {
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<bool>("opens");
        QTest::newRow("http") << Story1 << true;
        QTest::newRow("https") << Story3 << true;
        QTest::newRow("mailto") << QByteArray("mailto:desk@example.com") << true;
        QTest::newRow("local file") << QByteArray("file:///etc/passwd") << false;
        QTest::newRow("path") << QByteArray("/bin/sh") << false;
        QTest::newRow("script") << QByteArray("javascript:alert(1)") << false;
        QTest::newRow("in-page place only") << QByteArray("#top") << false;
    }
    void pageLinksOpenOnlyWebAddresses()
    {
        QFETCH(QByteArray, link);
        QFETCH(bool, opens);
        IBMWith(Page(Row("Story", link)));
        m->mnuTicker_Click(0);
        ClickItem(2);
        QCOMPARE(Shell::Opened().size(), opens ? 1 : 0);
    }

    // A stock without headlines shows its title alone, and the links of the
    // stock shown before are gone.
    void noHeadlinesShowsTheTitle()
    {
        IBMWith(Page(RowABCDE));
        AddStock("MSFT", "Microsoft");
        m->mnuTicker_Click(0);
        CurrentSymbol = "MSFT";
        m->mnuTicker_Click(0);
        QCOMPARE(ticker->Text(), QByteArray("... Latest Microsoft News ...;"));
        QCOMPARE(StockIndex, int16_t(1));
        QVERIFY(m->TickerLinks.isEmpty());
        ClickItem(1);
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(Status(), QStringLiteral("Click on news subjects to review the full story."));
    }

    // A stock whose name is under two characters is titled by its symbol;
    // a symbol outside the open set never borrows the slot found before.
    void titles()
    {
        IBMWith(Page(RowABCDE), "X");
        AddStock("MSFT", "Microsoft");
        m->mnuTicker_Click(0);
        QCOMPARE(ticker->Text(), QByteArray("... Latest IBM News ...; A B C D  E;"));

        CurrentSymbol = "MSFT";
        m->mnuTicker_Click(1);
        CurrentSymbol = "ZZZ";
        Fetch("ZZZ", Page(RowABCDE));
        m->mnuTicker_Click(0);
        QCOMPARE(ticker->Text(), QByteArray("... Latest ZZZ News ...; A B C D  E;"));
        m->mnuTicker_Click(1);
        QVERIFY(!ticker->Text().contains("Microsoft"));
        QVERIFY(!ticker->Text().contains("12 3/8"));
    }

    // The price texts; the headlines' stories do not stay behind their items.
    void priceTexts()
    {
        IBMWith(Page(RowABCDE + RowABCDE));
        m->mnuTicker_Click(0);
        m->mnuTicker_Click(1);
        QCOMPARE(ticker->Text(), QByteArray("IBM Corp  -  Last Price: 12 3/8   Change: +0.25  +2.06%   Last Upadte: 4:00PM Jan 5;"));
        QVERIFY(m->TickerLinks.isEmpty());

        m->mnuTicker_Click(0);
        m->mnuTicker_Click(4);
        QCOMPARE(ticker->Text(), QByteArray("      IBM 12 3/8  +0.25  +2.06%;"));
        for (const char *s : {"AA", "BB", "CC", "DD"})
            AddStock(s, "Other");
        m->mnuTicker_Click(0);
        m->mnuTicker_Click(4);
        QCOMPARE(ticker->ItemCount(), 2);
        ClickItem(2);
        QVERIFY(Shell::Opened().isEmpty());
        QCOMPARE(Status(), QStringLiteral("Click on news subjects to review the full story."));
    }

    void allPrices_data()
    {
        QTest::addColumn<int>("stocks");
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("endsEmpty");
        QTest::newRow("none") << 0 << 1 << true;
        QTest::newRow("five: four and one") << 5 << 2 << false;
        QTest::newRow("eight: an empty last item") << 8 << 3 << true;
    }
    void allPrices()
    {
        QFETCH(int, stocks);
        QFETCH(int, items);
        QFETCH(bool, endsEmpty);
        for (int i = 0; i < stocks; ++i)
            AddStock("S" + QByteArray::number(i), "Stock");
        m->TickerAllPrices();
        QCOMPARE(ticker->ItemCount(), items);
        QCOMPARE(ticker->ItemText(items).isEmpty(), endsEmpty);
        if (stocks)
            QCOMPARE(ticker->ItemText(1).count(QStringLiteral("      S")), qMin(stocks, 4));
        QVERIFY(ticker->Text().endsWith(";"));
    }

    // The check marks follow the last choice; the coming-soon items keep
    // theirs next to item 0's; the speech items never keep one.
    void menu_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<bool>("comingSoon");
        QTest::addColumn<bool>("tickerChanges");
        QTest::newRow("0 headlines") << 0 << QList<int>{0} << false << true;
        QTest::newRow("1 prices") << 1 << QList<int>{1} << false << true;
        QTest::newRow("3 all headlines") << 3 << QList<int>{0, 3} << true << false;
        QTest::newRow("4 all prices") << 4 << QList<int>{4} << false << true;
        QTest::newRow("6 market headlines") << 6 << QList<int>{0, 6} << true << false;
        QTest::newRow("7 separator") << 7 << QList<int>{0} << true << false;
        QTest::newRow("8 speech") << 8 << QList<int>{1} << false << false;
        QTest::newRow("12 speech") << 12 << QList<int>{1} << false << false;
    }
    void menu()
    {
        QFETCH(int, index);
        QFETCH(QList<int>, checked);
        QFETCH(bool, comingSoon);
        QFETCH(bool, tickerChanges);
        IBMWith(Page(RowABCDE));
        QCOMPARE(m->mnuTicker[0]->text(), QStringLiteral("Selected Stock Headlines"));
        QCOMPARE(m->mnuTicker[8]->text(), QStringLiteral("Put on air selected  stock headlines"));
        m->mnuTicker_Click(1);
        ticker->SetText("before");
        const QByteArray before = ticker->Text();
        m->mnuTicker[index]->setChecked(true); // as a click on a checkable item leaves it
        m->mnuTicker_Click(index);

        QList<int> now;
        for (int i = 0; i < 13; ++i)
            if (m->mnuTicker[i]->isChecked())
                now.append(i);
        QCOMPARE(now, checked);
        QCOMPARE(ticker->Text() != before, tickerChanges);
        QCOMPARE(Dialogs::Log().size(), comingSoon ? 1 : 0);
        if (comingSoon) {
            QCOMPARE(Dialogs::Log()[0].text, QStringLiteral("This option will be available in the next coming version, stay tune!"));
            QCOMPARE(Dialogs::Log()[0].title, QStringLiteral(" Coming Soon.."));
            QCOMPARE(Dialogs::Log()[0].flags, int(Dialogs::vbInformation));
        }
    }

    void readNewsHeadlines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("lines joined") << QByteArray("\" a;\"\r\n\" b #u# c;\"\r\n") << QByteArray(" a; b #u# c;");
        QTest::newRow("last line without its end") << QByteArray("\" a;\"\r\n\" b;\"") << QByteArray(" a; b;");
        QTest::newRow("a lone LF stays in its line") << QByteArray("\" a\n;\"\r\n") << QByteArray(" a\n;");
        QTest::newRow("a line too short empties all") << QByteArray("\" a;\"\r\nx\r\n") << QByteArray();
        QTest::newRow("empty file") << QByteArray() << QByteArray();
    }
    void readNewsHeadlines()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, text);
        TestEnv::WriteAll(NewsFile("IBM"), file);
        ticker->SetText("kept");
        QCOMPARE(m->ReadNewsHeadlines("IBM"), text);
        QCOMPARE(ticker->Text(), QByteArray("kept"));
        QFile::remove(NewsFile("IBM"));
        QCOMPARE(m->ReadNewsHeadlines("IBM"), QByteArray());
        QCOMPARE(ticker->Text(), QByteArray("Please Update For Latest News"));
    }

    void splitAndStrip_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<QList<QByteArray>>("links");
        QTest::newRow("one per item") << QByteArray(" a #u1# b; c; d #u3# e;") << QByteArray(" a  b; c; d  e;")
                                      << QList<QByteArray>{"u1", "", "u3"};
        QTest::newRow("doubled # is text") << QByteArray(" ##1 ## #u# x;") << QByteArray(" #1 #  x;")
                                           << QList<QByteArray>{"u"};
        QTest::newRow("; inside a link") << QByteArray(" a #http://h/?p=1;q=2# b;") << QByteArray(" a  b;")
                                         << QList<QByteArray>{"http://h/?p=1;q=2"};
        QTest::newRow("link never closed drops the rest") << QByteArray(" a #u b; c;") << QByteArray(" a ")
                                                          << QList<QByteArray>{""};
        QTest::newRow("empty items") << QByteArray(";;") << QByteArray(";;") << QList<QByteArray>{"", ""};
        QTest::newRow("nothing") << QByteArray() << QByteArray() << QList<QByteArray>{};
    }
    void splitAndStrip()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, shown);
        QFETCH(QList<QByteArray>, links);
        QCOMPARE(m->StripTickerLinks(text), shown);
        m->SplitTickerLinks(text);
        QCOMPARE(m->TickerLinks, links);
    }

    // The news job's writer appends; a page without news writes nothing.
    void parseAppends()
    {
        const QString file = NewsFile("IBM");
        const QString temp = NewsFolder() + QStringLiteral("/Temp.htm");
        TestEnv::WriteAll(temp, "<html>no tables</html>");
        m->ParseNewsHeadlines("IBM", temp, file);
        QVERIFY(!QFile::exists(file));
        m->ParseNewsHeadlines("IBM", NewsFolder() + QStringLiteral("/missing.htm"), file);
        QVERIFY(!QFile::exists(file));

        TestEnv::WriteAll(temp, Page("<tr><td>one</td></tr>"));
        m->ParseNewsHeadlines("IBM", temp, file);
        m->ParseNewsHeadlines("IBM", temp, file);
        QCOMPARE(TestEnv::ReadAll(file), QByteArray("\" one;\"\r\n\" one;\"\r\n"));
    }

    // A page whose news table has no rows gives an empty headline file, so
    // the stories of an earlier run no longer show under "Latest".
    void emptyNewsTableEmptiesTheHeadlines()
    {
        const QString file = NewsFile("IBM");
        const QString temp = NewsFolder() + QStringLiteral("/Temp.htm");
        TestEnv::WriteAll(temp, Page(QByteArray()));
        m->ParseNewsHeadlines("IBM", temp, file);
        QVERIFY(QFile::exists(file));
        QCOMPARE(TestEnv::ReadAll(file), QByteArray());
        AddStock("IBM", "IBM Corp");
        CurrentSymbol = "IBM";
        m->mnuTicker_Click(0);
        QCOMPARE(ticker->Text(), QByteArray("... Latest IBM Corp News ...;"));
    }

    // A symbol names a headline file only when it cannot leave the news
    // folder; the name matches the file on disk whatever its letter case.
    void symbolsAsFileNames_data()
    {
        QTest::addColumn<QByteArray>("symbol");
        QTest::addColumn<QString>("file"); // under the news folder
        QTest::addColumn<bool>("read");
        QTest::newRow("plain") << QByteArray("IBM") << "IBM.txt" << true;
        QTest::newRow("class share") << QByteArray("BRK.B") << "BRK.B.txt" << true;
        QTest::newRow("other case") << QByteArray("ibm") << "IBM.txt" << true;
        QTest::newRow("up and out") << QByteArray("../Set0") << "../Set0.txt" << false;
        QTest::newRow("slash") << QByteArray("a/b") << "a/b.txt" << false;
        QTest::newRow("backslash") << QByteArray("a\\b") << "a\\b.txt" << false;
        QTest::newRow("blank") << QByteArray("A B") << "A B.txt" << false;
        QTest::newRow("control") << QByteArray("A\x1b") << "A\x1b.txt" << false;
        QTest::newRow("NUL") << QByteArray("A\0B", 3) << "A.txt" << false;
        QTest::newRow("empty") << QByteArray() << ".txt" << false;
    }
    void symbolsAsFileNames()
    {
        QFETCH(QByteArray, symbol);
        QFETCH(QString, file);
        QFETCH(bool, read);
        TestEnv::WriteAll(NewsFolder() + u'/' + file, "\" secret;\"\r\n");
        CurrentSymbol = symbol;
        m->mnuTicker_Click(0);
        if (read)
            QCOMPARE(ticker->Text(), "... Latest " + symbol + " News ...; secret;");
        else
            QVERIFY(!ticker->Text().contains("secret")); // the title alone
    }
};

TW_TEST(tst_ticker)
#include "tst_ticker.moc"
