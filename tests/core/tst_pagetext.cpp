#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"

#include <QTest>
#include <memory>

using tw::test::TestEnv;

namespace {
// Filler that pushes a marker past the 16-bit position range.
QByteArray Far(const QByteArray &tail) { return QByteArray(40000, 'x') + tail; }
} // namespace

class tst_pagetext : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); env->CreateKeys(); }
    void cleanup() { env.reset(); }

    void readFile()
    {
        QByteArray bytes("HTTP/1.0 200 OK\r\n\r\n<table>\x00\x80\xE9\xFF", 29);
        const QString path = env->appFolder() + QStringLiteral("/page.Sh");
        TestEnv::WriteAll(path, bytes);
        QCOMPARE(Misc::ReadFile(path), bytes);
        QCOMPARE(Misc::ReadFile(env->appFolder() + QStringLiteral("/missing.Sh")), QByteArray());
        QCOMPARE(Misc::ReadFile(env->appFolder()), QByteArray()); // a folder
    }

    void fixTags_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("flags"); // letters: b=table d=td r=tr h=th
        QTest::addColumn<QByteArray>("expected");
        // Only tags change: the words between them keep their letters.
        QTest::newRow("cell text kept") << QByteArray("THE TRADE") << QByteArray("rh") << QByteArray("THE TRADE");
        QTest::newRow("names beside tags") << QByteArray("<TR><TD>Thomas Weisel</TD><TD>TRW Table</TD></TR>")
                                           << QByteArray("bdrh")
                                           << QByteArray("<tr><td>Thomas Weisel</td><td>TRW Table</td></tr>");
        // Attribute names are the tag's; their values, addresses above all, are not.
        QTest::newRow("attribute names, not values") << QByteArray("<TD WIDTH=30 TITLE=\"Th\">x</TD>") << QByteArray("dh")
                                                     << QByteArray("<td WIDth=30 TITLE=\"Th\">x</td>");
        QTest::newRow("quoted address kept") << QByteArray("<TR><TD><A HREF=\"/q?s=THO\">THO</A></TD></TR>") << QByteArray("bdrh")
                                             << QByteArray("<tr><td><A HREF=\"/q?s=THO\">THO</A></td></tr>");
        QTest::newRow("unquoted and single-quoted addresses kept")
            << QByteArray("<TD><A HREF=/q?s=TRT>a</A><IMG SRC='/TD/Table.gif' ALT = TH></TD>") << QByteArray("bdrh")
            << QByteArray("<td><A HREF=/q?s=TRT>a</A><IMG SRC='/TD/Table.gif' ALT = TH></td>");
        QTest::newRow("value unclosed to the tag's end") << QByteArray("<TD TITLE=\"TH><TD>") << QByteArray("dh")
                                                         << QByteArray("<td TITLE=\"TH><td>");
        QTest::newRow("unclosed tag left alone") << QByteArray("a <TD>b</TD> c <TD") << QByteArray("d")
                                                 << QByteArray("a <td>b</td> c <TD");
        QTest::newRow("table both forms") << QByteArray("<TABLE><Table>x</TABLE>") << QByteArray("b") << QByteArray("<table><table>x</table>");
        QTest::newRow("mixed forms kept") << QByteArray("<tD><tR><tH><tABLE>") << QByteArray("bdrh") << QByteArray("<tD><tR><tH><tABLE>");
        QTest::newRow("only flagged") << QByteArray("<TABLE><TR><TD><TH>") << QByteArray("d") << QByteArray("<TABLE><TR><td><TH>");
        QTest::newRow("all flags") << QByteArray("<Table><Tr><Th>A</TH></TR><TR><TD>1</Td></tr></TABLE>") << QByteArray("bdrh")
                                   << QByteArray("<table><tr><th>A</th></tr><tr><td>1</td></tr></table>");
        QTest::newRow("no flags") << QByteArray("<TABLE><TD>") << QByteArray() << QByteArray("<TABLE><TD>");
        QTest::newRow("empty") << QByteArray() << QByteArray("bdrh") << QByteArray();
        QTest::newRow("far") << Far("<TD>1</TD>") << QByteArray("d") << Far("<td>1</td>");
    }
    void fixTags()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, flags);
        QFETCH(QByteArray, expected);
        const QByteArray result = Misc::FixTags(text, flags.contains('b'), flags.contains('d'), flags.contains('r'), flags.contains('h'));
        QCOMPARE(result, expected);
        QCOMPARE(text, expected);
    }

    void fixTagsLeavesSharedCopiesAlone()
    {
        const QByteArray original("<TABLE><TD>");
        QByteArray copy = original;
        Misc::FixTags(copy, true, true, false, false);
        QCOMPARE(copy, QByteArray("<table><td>"));
        QCOMPARE(original, QByteArray("<TABLE><TD>"));
    }

    void getTable_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("pageAfter");
        const QByteArray two("<html><table>A</table><p><table>B</table></html>");
        QTest::newRow("first") << two << 1 << QByteArray("<table>A") << two;
        QTest::newRow("second") << two << 2 << QByteArray("<table>B") << two;
        QTest::newRow("beyond last") << two << 3 << QByteArray() << two;
        QTest::newRow("n = 0") << QByteArray("<TABLE>A</table>") << 0 << QByteArray() << QByteArray("<table>A</table>");
        QTest::newRow("n < 0") << two << -1 << QByteArray() << two;
        QTest::newRow("marker at position 1") << QByteArray("<table>A</table>") << 1 << QByteArray("<table>A") << QByteArray("<table>A</table>");
        QTest::newRow("opening tags lowered") << QByteArray("<TABLE border=1>A</table><Table>B</table>") << 2 << QByteArray("<table>B")
                                              << QByteArray("<table border=1>A</table><table>B</table>");
        QTest::newRow("only lower closing tag") << QByteArray("<table>A</TABLE>") << 1 << QByteArray() << QByteArray("<table>A</TABLE>");
        QTest::newRow("no closing tag") << QByteArray("<table>A") << 1 << QByteArray() << QByteArray("<table>A");
        QTest::newRow("no table") << QByteArray("<p>text</p>") << 1 << QByteArray() << QByteArray("<p>text</p>");
        QTest::newRow("empty page") << QByteArray() << 1 << QByteArray() << QByteArray();
        // Nesting is not tracked: the next table starts after the first closing tag.
        const QByteArray nested("<table>o<table>i</table>o</table><table>C</table>");
        QTest::newRow("nested first") << nested << 1 << QByteArray("<table>o<table>i") << nested;
        QTest::newRow("nested second") << nested << 2 << QByteArray("<table>C") << nested;
        QTest::newRow("far") << Far("<table>A</table><TABLE>B</table>") << 2 << QByteArray("<table>B") << Far("<table>A</table><table>B</table>");
    }
    void getTable()
    {
        QFETCH(QByteArray, page);
        QFETCH(int, n);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, pageAfter);
        QCOMPARE(Misc::GetTable(page, int16_t(n)), expected);
        QCOMPARE(page, pageAfter);
    }

    void cleanHTML_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("flags"); // b=brToCrLf a=fixAmp h=hrefMode
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("textAfter");
        QTest::newRow("cell tail") << QByteArray(" align=right>12.5</td>") << QByteArray() << QByteArray("12.5") << QByteArray(" align=right>12.5</td>");
        QTest::newRow("no markup gives nothing") << QByteArray("plain text") << QByteArray() << QByteArray() << QByteArray("plain text");
        QTest::newRow("no > at all") << QByteArray("<td a") << QByteArray() << QByteArray() << QByteArray("<td a");
        QTest::newRow("stray >") << QByteArray("<td>a>b</td>") << QByteArray() << QByteArray("ab") << QByteArray("<td>a>b</td>");
        QTest::newRow("entities and breaks kept") << QByteArray("<td>&nbsp;&amp;<br>\r\nx</td>") << QByteArray()
                                                  << QByteArray("&nbsp;&amp;\r\nx") << QByteArray("<td>&nbsp;&amp;<br>\r\nx</td>");
        QTest::newRow("br and amp") << QByteArray("<b>a</b>&amp;<br>b&amp;amp;") << QByteArray("ba") << QByteArray("a&\r\nb&amp;")
                                    << QByteArray("<b>a</b>&\r\nb&amp;");
        QTest::newRow("empty") << QByteArray() << QByteArray("ba") << QByteArray() << QByteArray();
        QTest::newRow("far") << Far("<td>7</td>") << QByteArray() << QByteArray("7") << Far("<td>7</td>");

        QTest::newRow("href a href") << QByteArray("<td><a href=\"http://h/q?s=1&amp;t=2\">Go</a></td>") << QByteArray("ah")
                                     << QByteArray("http://h/q?s=1&t=2") << QByteArray("<td><A href=\"http://h/q?s=1&t=2\">Go</a></td>");
        QTest::newRow("href A HREF") << QByteArray("<A HREF=\"/x\">") << QByteArray("h") << QByteArray("/x") << QByteArray("<A href=\"/x\">");
        QTest::newRow("href A Href") << QByteArray("<A Href=\"/y\" >y</A>") << QByteArray("h") << QByteArray() << QByteArray("<A href=\"/y\" >y</A>");
        QTest::newRow("href mixed form") << QByteArray("<a HREF=\"/z\">") << QByteArray("h") << QByteArray() << QByteArray("<a HREF=\"/z\">");
        QTest::newRow("href unquoted") << QByteArray("<a href=/z>") << QByteArray("h") << QByteArray() << QByteArray("<A href=/z>");
        QTest::newRow("href no closing") << QByteArray("<a href=\"/z") << QByteArray("h") << QByteArray() << QByteArray("<A href=\"/z");
        QTest::newRow("href empty address") << QByteArray("<a href=\"\">") << QByteArray("h") << QByteArray() << QByteArray("<A href=\"\">");
        QTest::newRow("href quote then >") << QByteArray("<a href=\">x\">") << QByteArray("h") << QByteArray() << QByteArray("<A href=\">x\">");
        QTest::newRow("href first anchor") << QByteArray("<a href=\"/1\">1</a><a href=\"/2\">2</a>") << QByteArray("h") << QByteArray("/1")
                                           << QByteArray("<A href=\"/1\">1</a><A href=\"/2\">2</a>");
        QTest::newRow("href far") << Far("<a href=\"/far\">") << QByteArray("h") << QByteArray("/far") << Far("<A href=\"/far\">");
    }
    void cleanHTML()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, flags);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, textAfter);
        QCOMPARE(Misc::CleanHTML(text, flags.contains('b'), flags.contains('a'), flags.contains('h')), expected);
        QCOMPARE(text, textAfter);
    }

    void lowerWords_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArrayList>("words");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("tags and text") << QByteArray("<FONT SIZE=2>FONT</FONT>") << QByteArrayList{"FONT"} << QByteArray("<font SIZE=2>font</font>");
        QTest::newRow("exact case only") << QByteArray("<Font><FONT>") << QByteArrayList{"FONT"} << QByteArray("<Font><font>");
        QTest::newRow("in order") << QByteArray("<B><FONT>") << QByteArrayList{"<B>", "FONT", "<b><font>"} << QByteArray("<b><font>");
        QTest::newRow("code page capitals") << QByteArray("\xC9T\xC9 \x8A") << QByteArrayList{"\xC9T\xC9 \x8A"} << QByteArray("\xE9t\xE9 \x9A");
        QTest::newRow("no words") << QByteArray("<B>") << QByteArrayList{} << QByteArray("<B>");
        QTest::newRow("empty word") << QByteArray("<B>") << QByteArrayList{QByteArray()} << QByteArray("<B>");
        QTest::newRow("far") << Far("<SPAN>") << QByteArrayList{"SPAN"} << Far("<span>");
    }
    void lowerWords()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArrayList, words);
        QFETCH(QByteArray, expected);
        QCOMPARE(Misc::LowerWords(text, words), expected);
        QCOMPARE(text, expected);
    }

    void formatP_data()
    {
        QTest::addColumn<QByteArray>("price");
        QTest::addColumn<bool>("four");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("priceAfter");
        QTest::newRow("mixed") << QByteArray("12 3/8") << false << QByteArray("12.38") << QByteArray("12 3/8");
        QTest::newRow("fraction") << QByteArray("3/8") << false << QByteArray("0.38") << QByteArray("3/8");
        QTest::newRow("N/A") << QByteArray("N/A") << false << QByteArray("0") << QByteArray("N/A");
        QTest::newRow("empty") << QByteArray() << false << QByteArray("0") << QByteArray();
        QTest::newRow("grouped") << QByteArray("2500/2") << false << QByteArray("1,250.00") << QByteArray("2500/2");
        QTest::newRow("mixed not grouped") << QByteArray("1234 1/2") << false << QByteArray("1234.50") << QByteArray("1234 1/2");
        QTest::newRow("decimal as is") << QByteArray("12.5") << false << QByteArray("12.5") << QByteArray("12.5");
        QTest::newRow("negative mixed") << QByteArray("-1 1/4") << false << QByteArray("-1.25") << QByteArray("-1 1/4");
        QTest::newRow("four decimals") << QByteArray("3/8") << true << QByteArray("0.3750") << QByteArray("3/8");
        QTest::newRow("four mixed") << QByteArray("12 3/8") << true << QByteArray("12.3750") << QByteArray("12 3/8");
        QTest::newRow("four grouped") << QByteArray("32767/1") << true << QByteArray("32,767.0000") << QByteArray("32767/1");
        QTest::newRow("plus sign") << QByteArray("+ 2") << false << QByteArray("+2") << QByteArray("+2");
        QTest::newRow("minus sign") << QByteArray("- 1/4") << false << QByteArray("-0.25") << QByteArray("-1/4");
        QTest::newRow("sign, last not digit") << QByteArray("+ ") << false << QByteArray("0") << QByteArray("+");
        QTest::newRow("negative fraction") << QByteArray("-3/8") << false << QByteArray("-0.38") << QByteArray("-3/8");
        QTest::newRow("rounds to zero unsigned") << QByteArray("-1/500") << false << QByteArray("0.00") << QByteArray("-1/500");
        QTest::newRow("half up") << QByteArray("1/8") << false << QByteArray("0.13") << QByteArray("1/8");
        QTest::newRow("half away from zero") << QByteArray("-1/8") << false << QByteArray("-0.13") << QByteArray("-1/8");
        QTest::newRow("decimal half not binary") << QByteArray("1 1/200") << false << QByteArray("1.01") << QByteArray("1 1/200");
        QTest::newRow("carry") << QByteArray("999 199/200") << false << QByteArray("1000.00") << QByteArray("999 199/200");
        QTest::newRow("thirds") << QByteArray("1/3") << true << QByteArray("0.3333") << QByteArray("1/3");
        QTest::newRow("den halves to even") << QByteArray("1/2.5") << false << QByteArray("0.50") << QByteArray("1/2.5");
        QTest::newRow("den halves to even up") << QByteArray("1/3.5") << false << QByteArray("0.25") << QByteArray("1/3.5");
        QTest::newRow("zero over") << QByteArray("0/5") << false << QByteArray("0.00") << QByteArray("0/5");
        QTest::newRow("leading point") << QByteArray(".5") << true << QByteArray("0.50") << QByteArray(".5");
        QTest::newRow("whole number") << QByteArray("15") << false << QByteArray("15") << QByteArray("15");
        QTest::newRow("tiny") << QByteArray("1/32767") << true << QByteArray("0.0000") << QByteArray("1/32767");
    }
    void formatP()
    {
        QFETCH(QByteArray, price);
        QFETCH(bool, four);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, priceAfter);
        QCOMPARE(Misc::FormatP(price, four), expected);
        QCOMPARE(price, priceAfter);
        QCOMPARE(env->ErrorBlocks(), 0);
    }

    void formatPFailure_data()
    {
        QTest::addColumn<QByteArray>("price");
        QTest::newRow("zero denominator") << QByteArray("1/0");
        QTest::newRow("zero over zero") << QByteArray("0/0");
        QTest::newRow("mixed zero denominator") << QByteArray("12 3/0");
        QTest::newRow("just plus") << QByteArray("+");
        QTest::newRow("just minus") << QByteArray("-");
        QTest::newRow("bad numerator") << QByteArray("a/8");
        QTest::newRow("no numerator") << QByteArray("/8");
        QTest::newRow("bad denominator") << QByteArray("1/x8");
        QTest::newRow("bad whole") << QByteArray("x 3/8");
        QTest::newRow("space after slash") << QByteArray("3/ 8");
        QTest::newRow("overflow") << QByteArray("40000/2");
        QTest::newRow("second point") << QByteArray(".5.5");
    }
    void formatPFailure()
    {
        QFETCH(QByteArray, price);
        QCOMPARE(Misc::FormatP(price, false), QByteArray());
        QCOMPARE(env->ErrorBlocks(), 1);
        QVERIFY(env->ErrorLog().endsWith("Where: Misc_FormatP\r\n"));
        QVERIFY(Dialogs::Log().isEmpty());
    }

    void formatPRvalue()
    {
        QCOMPARE(Misc::FormatP(QByteArray("- 1/2")), QByteArray("-0.50"));
    }

    void toNumber_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QByteArray>("valueAfter");
        QTest::newRow("not a number") << QByteArray("abc") << 0.0 << QByteArray("0");
        QTest::newRow("grouped with blanks") << QByteArray(" 1,234.5 ") << 1234.5 << QByteArray(" 1,234.5 ");
        QTest::newRow("signed exponent") << QByteArray("-1.5E2") << -150.0 << QByteArray("-1.5E2");
        QTest::newRow("trailing text") << QByteArray("12abc") << 0.0 << QByteArray("0");
        QTest::newRow("empty") << QByteArray() << 0.0 << QByteArray("0");
        QTest::newRow("N/A") << QByteArray("N/A") << 0.0 << QByteArray("0");
    }
    void toNumber()
    {
        QFETCH(QByteArray, value);
        QFETCH(double, expected);
        QFETCH(QByteArray, valueAfter);
        QByteArray bytes = value;
        QCOMPARE(Misc::ToNumber(bytes), expected);
        QCOMPARE(bytes, valueAfter);
        QString text = QString::fromLatin1(value);
        QCOMPARE(Misc::ToNumber(text), expected);
        QCOMPARE(text, QString::fromLatin1(valueAfter));
    }
};

TW_TEST(tst_pagetext)
#include "tst_pagetext.moc"
