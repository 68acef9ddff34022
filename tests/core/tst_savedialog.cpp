// The Save As question of the exports: what the dialog is asked, and the
// chosen path taken apart.
#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "core/clsSaveDialog.h"
#include "platform/SaveDialog.h"

#include <QTest>
#include <memory>

using tw::test::TestEnv;

class tst_savedialog : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;

    // The request of a dialog shown with these filters and that default,
    // answered with Cancel.
    static SaveDialog::Request Asked(const QList<QPair<QString, QString>> &filters, const QString &defaultExtension)
    {
        clsSaveDialog d;
        for (const auto &[description, extension] : filters)
            d.AddFilter(description, extension);
        d.SetDefaultExtension(defaultExtension);
        d.ShowSave();
        return SaveDialog::Shown().value(SaveDialog::Shown().size() - 1);
    }

private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup() { env.reset(); }

    void exportAsks()
    {
        clsSaveDialog d;
        d.SetDefaultFileName(QStringLiteral("Tab-Delimited.txt"));
        d.SetDefaultExtension(QStringLiteral("txt"));
        d.AddFilter(QStringLiteral("Text File"), QStringLiteral("txt"));
        d.ShowSave(); // cancelled
        QCOMPARE(SaveDialog::Shown().size(), 1);
        const SaveDialog::Request r = SaveDialog::Shown()[0];
        QCOMPARE(r.filters, QStringList{QStringLiteral("Text File (*.txt)")});
        QCOMPARE(r.filterIndex, 1);
        QCOMPARE(r.title, QStringLiteral("Save As..."));
        QCOMPARE(r.initialFolder, AppFolder);
        QCOMPARE(r.defaultFileName, QStringLiteral("Tab-Delimited.txt"));
        QCOMPARE(r.defaultExtension, QStringLiteral("txt"));
        QCOMPARE(d.FileName(), QString());
        QCOMPARE(d.PathFile(), QString());
    }

    void filterList_data()
    {
        using Filters = QList<QPair<QString, QString>>;
        QTest::addColumn<Filters>("filters");
        QTest::addColumn<QString>("defaultExtension");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("start");
        const auto text = qMakePair(QStringLiteral("Text File"), QStringLiteral("txt"));
        const auto excel = qMakePair(QStringLiteral("Excel File"), QStringLiteral("csv"));
        QTest::newRow("none") << Filters{} << "txt" << QStringList{} << 1;
        QTest::newRow("second, any case") << Filters{text, excel} << "CSV"
                                          << QStringList{"Text File (*.txt)", "Excel File (*.csv)"} << 2;
        QTest::newRow("no filter for the default") << Filters{text, excel} << "xml"
                                                   << QStringList{"Text File (*.txt)", "Excel File (*.csv)"} << 3;
        QTest::newRow("same extension twice keeps the first")
            << Filters{text, qMakePair(QStringLiteral("Plain"), QStringLiteral("TXT"))} << "txt"
            << QStringList{"Text File (*.txt)"} << 1;
    }
    void filterList()
    {
        using Filters = QList<QPair<QString, QString>>;
        QFETCH(Filters, filters);
        QFETCH(QString, defaultExtension);
        QFETCH(QStringList, items);
        QFETCH(int, start);
        const SaveDialog::Request r = Asked(filters, defaultExtension);
        QCOMPARE(r.filters, items);
        QCOMPARE(r.filterIndex, start);
    }

    void removingAndClearingFilters()
    {
        clsSaveDialog d;
        d.AddFilter(QStringLiteral("Text File"), QStringLiteral("txt"));
        d.AddFilter(QStringLiteral("Excel File"), QStringLiteral("csv"));
        d.RemoveFilter(QStringLiteral("xml")); // never added
        d.RemoveFilter(QStringLiteral("TXT"));
        d.ShowSave();
        QCOMPARE(SaveDialog::Shown().last().filters, QStringList{QStringLiteral("Excel File (*.csv)")});
        d.ClearAllFilters();
        d.AddFilter(QStringLiteral("Text File"), QStringLiteral("txt"));
        d.ShowSave();
        QCOMPARE(SaveDialog::Shown().last().filters, QStringList{QStringLiteral("Text File (*.txt)")});
    }

    // The parts are clean strings: the whole path is PathFile alone, never
    // followed by the file name again.
    void chosenPathTakenApart_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("extension");
        QTest::newRow("B.txt in A") << "/home/u/A/B.txt" << "/home/u/A/" << "B.txt" << "txt";
        QTest::newRow("two dots") << "/x/quotes.2024.csv" << "/x/" << "quotes.2024.csv" << "csv";
        QTest::newRow("no extension") << "/x.d/README" << "/x.d/" << "README" << "";
        QTest::newRow("in the root") << "/Stocks.XML" << "/" << "Stocks.XML" << "XML";
    }
    void chosenPathTakenApart()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QFETCH(QString, extension);
        clsSaveDialog d;
        d.SetDefaultFileName(QStringLiteral("Comma-Delimited"));
        SaveDialog::QueueAnswer(chosen);
        d.ShowSave();
        QCOMPARE(d.PathFile(), chosen);
        QCOMPARE(d.Path(), path);
        QCOMPARE(d.FileName(), fileName);
        QCOMPARE(d.Extension(), extension);
        QCOMPARE(d.FileTitle(), fileName);
        QCOMPARE(d.Path() + d.FileName(), chosen);
        for (const QString &part : {d.PathFile(), d.Path(), d.FileName(), d.Extension(), d.FileTitle()})
            QVERIFY(!part.contains(QChar(0)));
        // A new file has no short forms on this platform either.
        QCOMPARE(d.ShortFileName(), QString());
        QCOMPARE(d.ShortFileTitle(), QString());
        QVERIFY(!d.ReadOnly());
    }

    void cancelKeepsEarlierResults()
    {
        clsSaveDialog d;
        SaveDialog::QueueAnswer(QStringLiteral("/data/B.txt"));
        d.ShowSave();
        d.ShowSave(); // cancelled
        QCOMPARE(SaveDialog::Shown().size(), 2);
        QCOMPARE(d.PathFile(), QStringLiteral("/data/B.txt"));
        QCOMPARE(d.FileName(), QStringLiteral("B.txt"));
    }
};

TW_TEST(tst_savedialog)
#include "tst_savedialog.moc"
