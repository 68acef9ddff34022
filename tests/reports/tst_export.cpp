// The quote list export in every kind, from the Reports popup: bytes
// compared with golden files, and the update's date in each shape.
#include "ReportFixture.h"
#include "common/TestRegistry.h"
#include "platform/FlexGridModel.h"
#include "platform/SaveDialog.h"
#include "reports/QuoteExport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QXmlStreamReader>

using tw::test::ReportFixture;
using tw::test::TestEnv;

class tst_export : public QObject {
    Q_OBJECT
    ReportFixture f;

    // The two stocks of the golden files: IBM quoted yesterday, MSFT today.
    static void TwoStocks()
    {
        StockRecord &i = Stocks[0];
        i.LastSale = "101 1/4";
        i.DChange = "+1.25";
        i.PChange = "+1.25%";
        i.Volume = "870";
        i.TodayHigh = "102";
        i.TodayLow = "100 1/2";
        i.Bid = "101";
        i.Ask = "101 1/2";
        i.LTS = "100";
        i.Opens = "100";
        i.PreClose = "100";
        i.High52 = "126";
        i.Low52 = "54";
        i.EPS = "3.95";
        i.pe = "25.6";
        i.DPS = "0.60";
        i.Exchange = "NYSE";
        i.industry = "Computers & Peripherals";
        i.LastUpdate = "Jun 12";
        StockRecord &m = ReportFixture::AddStock("MSFT", "Microsoft Corp");
        m.LastSale = "25 1/4";
        m.DChange = "-0.10";
        m.PChange = "-0.40%";
        m.Volume = "40";
        m.TodayHigh = "25 1/2";
        m.TodayLow = "24 3/4";
        m.Opens = "25";
        m.Exchange = "NASDAQ";
        m.industry = "Software";
        m.LastUpdate = "4:01pm";
    }

    // The rows of comma-separated text as an RFC 4180 reader sees them; a
    // row ends with CR LF, or with CR alone as the Excel kind writes it.
    static QList<QByteArrayList> ReadCsv(const QByteArray &text)
    {
        QList<QByteArrayList> rows;
        QByteArrayList row;
        QByteArray field;
        bool quoted = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (quoted) {
                if (c != '"')
                    field += c;
                else if (i + 1 < text.size() && text[i + 1] == '"')
                    field += text[++i];
                else
                    quoted = false;
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                row << field;
                field.clear();
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                row << field;
                field.clear();
                rows << row;
                row.clear();
            } else {
                field += c;
            }
        }
        if (!row.isEmpty() || !field.isEmpty())
            rows << (row << field);
        return rows;
    }

    QString Out(const QString &name) const { return f.env->root() + u'/' + name; }

private Q_SLOTS:
    void init()
    {
        f.Start();
        CurrentView = QStringLiteral("Current");
    }
    void cleanup() { f.Stop(); }

    void fileKinds_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("golden");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("filter");
        const QString text = QStringLiteral("Text File (*.txt)");
        QTest::newRow("comma") << 2 << "export_0.txt" << "Comma-Delimited" << text;
        QTest::newRow("tab") << 1 << "export_1.txt" << "Tab-Delimited.txt" << text;
        QTest::newRow("quicken pre 5") << 3 << "export_2.txt" << "Quicken pre 5.0" << text;
        QTest::newRow("quicken 5") << 4 << "export_3.txt" << "Quicken 5.0 or later" << text;
        QTest::newRow("metastock") << 5 << "export_4.txt" << "MetaStock" << text;
        QTest::newRow("quote link") << 6 << "export_5.txt" << "Quote Link" << text;
        QTest::newRow("prodigy") << 7 << "export_6.txt" << "Prodigy Quotetrack" << text;
        QTest::newRow("excel") << 8 << "export_7.csv" << "Excel" << "Excel File (*.csv)";
        QTest::newRow("xml") << 16 << "export_15.xml" << "Stocks.XML" << "XML File (*.xml)";
    }
    void fileKinds()
    {
        QFETCH(int, item);
        QFETCH(QString, golden);
        QFETCH(QString, proposed);
        QFETCH(QString, filter);
        TwoStocks();
        const QString path = Out(golden);
        TestEnv::WriteAll(path, "the old export");
        // Files whose names differ only in letter case are the user's own.
        TestEnv::WriteAll(Out(golden.toUpper()), "upper");
        TestEnv::WriteAll(Out(golden.left(1).toUpper() + golden.mid(1)), "capital");
        SaveDialog::QueueAnswer(path);
        f.ChooseReport(item);
        QCOMPARE(SaveDialog::Shown().size(), 1);
        QCOMPARE(SaveDialog::Shown()[0].defaultFileName, proposed);
        QCOMPARE(SaveDialog::Shown()[0].filters, QStringList{filter});
        QVERIFY(ReportFixture::MatchesGolden(TestEnv::ReadAll(path), golden));
        QCOMPARE(TestEnv::ReadAll(Out(golden.toUpper())), QByteArray("upper"));
        QCOMPARE(TestEnv::ReadAll(Out(golden.left(1).toUpper() + golden.mid(1))), QByteArray("capital"));
        QCOMPARE(QDir(f.env->root()).entryList(QDir::Files).size(), 3);
        QVERIFY(Shell::Opened().isEmpty());
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // A file that cannot be written: one message, and what stood there as
    // it was.
    void failedExport()
    {
        TwoStocks();
        const QString path = Out(QStringLiteral("Excel.csv"));
        QDir().mkpath(path);
        TestEnv::WriteAll(path + QStringLiteral("/keep.txt"), "kept");
        TestEnv::WriteAll(Out(QStringLiteral("excel.csv")), "the user's own");
        SaveDialog::QueueAnswer(path);
        f.ChooseReport(8);
        QCOMPARE(Dialogs::Log().size(), 1);
        QVERIFY(Dialogs::Log()[0].text.startsWith(QStringLiteral("The file could not be written")));
        QCOMPARE(TestEnv::ReadAll(path + QStringLiteral("/keep.txt")), QByteArray("kept"));
        QCOMPARE(TestEnv::ReadAll(Out(QStringLiteral("excel.csv"))), QByteArray("the user's own"));
    }

    void clipboard()
    {
        TwoStocks();
        f.ChooseReport(15);
        QVERIFY(SaveDialog::Shown().isEmpty());
        const QByteArray tab = TestEnv::ReadAll(ReportFixture::Golden(QStringLiteral("export_1.txt")));
        QCOMPARE(QGuiApplication::clipboard()->text().toLatin1(), tab.chopped(2));
    }

    void cancelWritesNothing()
    {
        TwoStocks();
        f.ChooseReport(2); // the dialog is cancelled
        QCOMPARE(SaveDialog::Shown().size(), 1);
        QCOMPARE(QDir(f.env->root()).entryList(QDir::Files), QStringList());
        QVERIFY(Dialogs::Log().isEmpty());
    }

    // A free slot ends the list for every kind but Quote Link; a volume that
    // is no number is an empty field; XML escapes what markup would read.
    void oddRecords_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("comma stops at a free slot") << 0 << QByteArray("IBM,AT&T <x>,,,n/a,,,,,,,,,,,,,,A & B,\r\n");
        QTest::newRow("quote link goes on") << 5 << QByteArray("06/13/03\r\nIBM        0\r\n        0\r\nZZ        0\r\n");
        QTest::newRow("quicken volume no number") << 3 << QByteArray("IBM  0 0 0 0 //03\r\n");
        QTest::newRow("metastock volume no number") << 4 << QByteArray("IBM,d,//03,0,0,0,0,,0\r\n");
        QTest::newRow("xml escapes") << 15 << QByteArray("<Name>AT&amp;T &lt;x&gt;</Name>\r\n");
        QTest::newRow("xml industry") << 15 << QByteArray("<industry>\"A  and  B\"</industry>\r\n");
        QTest::newRow("formats without a layout") << 9 << QByteArray();
    }
    void oddRecords()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, text);
        Stocks[0].Name = "AT&T <x>";
        Stocks[0].Volume = "n/a";
        Stocks[0].industry = "A & B";
        ReportFixture::AddStock("", "");
        ReportFixture::AddStock("ZZ", "Zed");
        const QByteArray out = QuoteExport::Text(int16_t(kind), QDate(2003, 6, 13));
        if (kind == 15)
            QVERIFY2(out.contains(text), out.constData());
        else
            QCOMPARE(out, text);
    }

    // Names in the 8-bit code page and with a control byte: the document
    // parses and reads back the names, the control byte dropped.
    void xmlParses()
    {
        Stocks[0].Name = "Nestl\xe9 \x80 S.A.";
        Stocks[0].industry = "Food & Drink";
        ReportFixture::AddStock("CTL", "Bell\x07 Co\tTab").LastUpdate = "4:01pm\x1b";
        const QByteArray xml = QuoteExport::Text(15, QDate(2003, 6, 13));
        QVERIFY(xml.startsWith("<?xml version=\"1.0\"?>\r\n"));
        QXmlStreamReader reader(xml);
        QStringList names, updates, industries;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString name = reader.name().toString();
            if (name == QLatin1String("Stocks") || name == QLatin1String("Stock"))
                continue;
            const QString text = reader.readElementText();
            if (name == QLatin1String("Name"))
                names << text;
            else if (name == QLatin1String("LastUpdate"))
                updates << text;
            else if (name == QLatin1String("industry"))
                industries << text;
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QCOMPARE(names, (QStringList{QStringLiteral("Nestl\u00e9 \u20ac S.A."), QStringLiteral("Bell Co\tTab")}));
        QCOMPARE(updates, (QStringList{QString(), QStringLiteral("4:01pm")}));
        QCOMPARE(industries, (QStringList{QStringLiteral("\"Food  and  Drink\""), QStringLiteral("\"\"")}));
    }

    // Names with a comma, a quote, a line break or a formula's first
    // character: every row has its 20 columns, and the Excel file shows
    // such a name as text while signed numbers stay numbers.
    void delimitedColumns_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArrayList>("names");
        QTest::newRow("comma") << 0
                               << QByteArrayList{"Smith, Barney & Co", "=HYPERLINK(\"x\")", "@Home\r\nNetwork", "+Plus"};
        QTest::newRow("excel") << 7
                               << QByteArrayList{"Smith, Barney & Co", "'=HYPERLINK(\"x\")", "'@Home\r\nNetwork", "'+Plus"};
    }
    void delimitedColumns()
    {
        QFETCH(int, kind);
        QFETCH(QByteArrayList, names);
        TwoStocks();
        Stocks[0].Name = "Smith, Barney & Co";
        Stocks[0].Volume = "1,234,500";
        Stocks[1].Name = "=HYPERLINK(\"x\")";
        Stocks[1].EPS = "-1 1/4";
        ReportFixture::AddStock("HOME", "@Home\r\nNetwork").industry = "-";
        ReportFixture::AddStock("PLUS", "+Plus").DChange = "+0.50";
        const QList<QByteArrayList> rows = ReadCsv(QuoteExport::Text(int16_t(kind), QDate(2003, 6, 13)));
        QCOMPARE(rows.size(), 4);
        for (const QByteArrayList &row : rows)
            QCOMPARE(row.size(), 20);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(rows[i][1], names[i]);
        QCOMPARE(rows[0][4], QByteArray("1,234,500"));
        QCOMPARE(rows[1][2], QByteArray("-0.10"));
        QCOMPARE(rows[1][3], QByteArray("-0.40%"));
        QCOMPARE(rows[1][14], QByteArray("-1 1/4"));
        QCOMPARE(rows[2][18], QByteArray(kind == 7 ? "'-" : "-"));
        QCOMPARE(rows[3][2], QByteArray("+0.50"));
    }

    // The Excel kind writes as a number every field the grid sorts as one,
    // and only a text that would start a formula gets the apostrophe.
    void excelNumbers_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("number");
        QTest::newRow("blank after the minus") << QByteArray("- 1/4") << true;
        QTest::newRow("blank after the plus, per cent") << QByteArray("+ 0.25%") << true;
        QTest::newRow("exponent") << QByteArray("+1.5E-2") << true;
        QTest::newRow("fraction with a digit group") << QByteArray("-1,025 1/4") << true;
        QTest::newRow("signed per cent") << QByteArray("-0.40%") << true;
        QTest::newRow("signed dollars") << QByteArray("-$5") << true;
        QTest::newRow("formula") << QByteArray("=1+1") << false;
        QTest::newRow("at sign") << QByteArray("@SUM(A1)") << false;
        QTest::newRow("sign and a word") << QByteArray("-Dash") << false;
        QTest::newRow("fraction over zero") << QByteArray("-1/0") << false;
        QTest::newRow("figure and more") << QByteArray("+1 1/4 x") << false;
        QTest::newRow("bare sign") << QByteArray("-") << false;
    }
    void excelNumbers()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, number);
        Stocks[0].DChange = value;
        const QList<QByteArrayList> rows = ReadCsv(QuoteExport::Text(7, QDate(2003, 6, 13)));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][2], number ? value : "'" + value);
        // The grid puts numbers before texts, and the empty text before
        // every other.
        FlexGridModel grid;
        grid.SetCols(1);
        grid.SetRows(2);
        grid.SetText(0, 0, QString());
        grid.SetText(1, 0, QString::fromLatin1(value));
        grid.SortRows(0, 1, 0, false);
        QCOMPARE(grid.Text(0, 0) == QString::fromLatin1(value), number);
    }

    void exportDate_data()
    {
        QTest::addColumn<QByteArray>("lastUpdate");
        QTest::addColumn<QByteArray>("date");
        QTest::newRow("month and day") << QByteArray("Jun 12") << QByteArray("06/12/03");
        QTest::newRow("december") << QByteArray("Dec 31") << QByteArray("12/31/03");
        QTest::newRow("time of day") << QByteArray("4:01pm") << QByteArray("06/13/03");
        QTest::newRow("time of day, blank") << QByteArray("10:15 AM") << QByteArray("06/13/03");
        QTest::newRow("time of day, zone") << QByteArray("4:01pm ET") << QByteArray("06/13/03");
        QTest::newRow("time of day, blank and zone") << QByteArray("10:15 AM EDT") << QByteArray("06/13/03");
        QTest::newRow("seconds, 24 hours, zone") << QByteArray("16:01:05 GMT") << QByteArray("06/13/03");
        // Whatever follows a time but a date: the day of the run.
        QTest::newRow("time, zone and a stop") << QByteArray("4:01PM ET.") << QByteArray("06/13/03");
        QTest::newRow("time, zone spelled out") << QByteArray("4:01pm Eastern") << QByteArray("06/13/03");
        QTest::newRow("time, zone in brackets") << QByteArray("4:01pm (ET)") << QByteArray("06/13/03");
        QTest::newRow("time, zone and a note") << QByteArray("4:01pm ET - delayed") << QByteArray("06/13/03");
        QTest::newRow("time, one-letter marker") << QByteArray("7:05a ET") << QByteArray("06/13/03");
        QTest::newRow("time, seconds and a note") << QByteArray("16:01:05 (delayed 20 min)") << QByteArray("06/13/03");
        QTest::newRow("time, a note with a month's name") << QByteArray("4:01pm ET, may be delayed") << QByteArray("06/13/03");
        // A time followed by a date: that date; a weekday: the last such day.
        QTest::newRow("time then month and day") << QByteArray("4:01pm Jun 12") << QByteArray("06/12/03");
        QTest::newRow("time, weekday, month and day") << QByteArray("4:01pm ET Thu, June 5") << QByteArray("06/05/03");
        QTest::newRow("time then day and month") << QByteArray("16:01 12 Jun") << QByteArray("06/12/03");
        QTest::newRow("time then a list date") << QByteArray("4:01pm 6/2/2000") << QByteArray("06/02/00");
        QTest::newRow("time then month/day") << QByteArray("4:01pm 6/12") << QByteArray("06/12/03");
        QTest::newRow("time then yesterday's weekday") << QByteArray("4:01pm Thu") << QByteArray("06/12/03");
        QTest::newRow("time then today's weekday") << QByteArray("4:01pm Friday") << QByteArray("06/13/03");
        QTest::newRow("time then Saturday") << QByteArray("10:15 AM Sat") << QByteArray("06/07/03");
        QTest::newRow("quote list date") << QByteArray("6/2/2000") << QByteArray("06/02/00");
        QTest::newRow("quote list short year") << QByteArray("12/25/99") << QByteArray("12/25/99");
        QTest::newRow("no month: kept") << QByteArray("jun 12") << QByteArray("jun/12/03");
        QTest::newRow("one-digit day") << QByteArray("Jun 2") << QByteArray("06/2/03");
        QTest::newRow("empty") << QByteArray() << QByteArray("//03");
    }
    void exportDate()
    {
        QFETCH(QByteArray, lastUpdate);
        QFETCH(QByteArray, date);
        QCOMPARE(QuoteExport::ExportDate(lastUpdate, QDate(2003, 6, 13)), date);
    }
};

TW_TEST(tst_export)
#include "tst_export.moc"
