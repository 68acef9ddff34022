#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/AppFolder.h"
#include "platform/FlexGrid.h"
#include "sheets/LayOut.h"
#include "shell/frmMain.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>
#include <memory>

using tw::test::TestEnv;

namespace {

// One entry's bytes, written out by hand.
QByteArray EntryBytes(const QByteArray &caption, int16_t reserved, int32_t pos, int32_t pos2)
{
    QByteArray out;
    char b[4];
    qToLittleEndian<uint16_t>(uint16_t(caption.size()), b);
    out.append(b, 2).append(caption);
    qToLittleEndian<int16_t>(reserved, b);
    out.append(b, 2);
    qToLittleEndian<int32_t>(pos, b);
    out.append(b, 4);
    qToLittleEndian<int32_t>(pos2, b);
    out.append(b, 4);
    return out;
}

QByteArray EmptyTail(int entries) { return QByteArray(12 * entries, '\0'); }

void FillWithJunk()
{
    for (LayOutEntry &e : LayOut)
        e = {"junk", 5, 6, 7};
}

} // namespace

class tst_layout : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
    frmMain *main = nullptr;

    QString Path() const { return AppFolder + QStringLiteral("/LayOut.dat"); }

    void SetHeaders(const QStringList &headers)
    {
        FlexGrid *fg = main->FG;
        fg->SetCols(int(headers.size()));
        fg->SetRows(3);
        for (int c = 0; c < headers.size(); ++c) {
            fg->SetTextMatrix(0, c, headers[c]);
            fg->SetTextMatrix(2, c, headers[c].toLower()); // the data move with their header
        }
    }
    QStringList Headers() const
    {
        QStringList out;
        for (int c = 0; c < main->FG->Cols(); ++c) {
            out << main->FG->TextMatrix(0, c);
            if (main->FG->TextMatrix(2, c) != main->FG->TextMatrix(0, c).toLower())
                out << QStringLiteral("<torn row>");
        }
        return out;
    }

private Q_SLOTS:
    void init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        LayOut.fill({});
        main = frmMain::Instance();
    }
    void cleanup()
    {
        frmMain::Unload();
        env.reset();
    }

    // Entries 0 to 20 back to back, field by field, little-endian.
    void fileBytes()
    {
        LayOut[1] = {"Symbol", 0, 1, 1};
        LayOut[2] = {"Last \xe9", 7, 2, -2};
        LayOut[20] = {"Vol", -1, 20, 70000};
        main->SaveLayOut();
        const QByteArray expected = EmptyTail(1) + EntryBytes("Symbol", 0, 1, 1) + EntryBytes("Last \xe9", 7, 2, -2)
                                    + EmptyTail(17) + EntryBytes("Vol", -1, 20, 70000);
        QCOMPARE(TestEnv::ReadAll(Path()), expected);
        QCOMPARE(QByteArray(EntryBytes("Vol", -1, 20, 70000).right(10)),
                 QByteArray::fromHex("ffff" "14000000" "70110100"));

        // A loaded layout is saved even when it holds no order.
        main->LoadLayOut();
        LayOut.fill({});
        main->SaveLayOut();
        QCOMPARE(TestEnv::ReadAll(Path()), EmptyTail(21)); // 252 bytes
    }

    // A missing file is created empty and leaves every entry cleared.
    void missingFile()
    {
        FillWithJunk();
        QVERIFY(!QFile::exists(Path()));
        main->LoadLayOut();
        QVERIFY(QFile::exists(Path()));
        QCOMPARE(QFile(Path()).size(), 0);
        for (const LayOutEntry &e : LayOut) {
            QCOMPARE(e.Caption, QByteArray());
            QCOMPARE(e.Pos, 0);
            QCOMPARE(e.Reserved, int16_t(0));
        }
    }

    // Entries the file does not reach are cleared, field by field; bytes
    // after the last entry are ignored.
    void shortAndLongFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("caption2"); // entry 2's caption after loading
        const QByteArray two = EmptyTail(1) + EntryBytes("Name", 3, 4, 5);
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("two entries") << two << QByteArray();
        QTest::newRow("cut inside a caption") << two + QByteArray("\x04\x00La", 4) << QByteArray();
        QTest::newRow("cut after a caption") << two + EntryBytes("Last", 0, 2, 2).left(9) << QByteArray("Last");
        QTest::newRow("old tail") << two + EmptyTail(19) + "trailing junk" << QByteArray();
    }
    void shortAndLongFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, caption2);
        TestEnv::WriteAll(Path(), file);
        FillWithJunk();
        main->LoadLayOut();
        const bool hasEntry1 = file.size() >= 12 + 16;
        QCOMPARE(LayOut[0].Caption, QByteArray());
        QCOMPARE(LayOut[1].Caption, QByteArray(hasEntry1 ? "Name" : ""));
        QCOMPARE(LayOut[1].Reserved, int16_t(hasEntry1 ? 3 : 0));
        QCOMPARE(LayOut[1].Pos, hasEntry1 ? 4 : 0);
        QCOMPARE(LayOut[1].Pos2, hasEntry1 ? 5 : 0);
        QCOMPARE(LayOut[2].Caption, caption2);
        QCOMPARE(LayOut[2].Pos, 0);
        for (int i = 3; i < 21; ++i)
            QCOMPARE(LayOut[i].Caption, QByteArray());
        QCOMPARE(TestEnv::ReadAll(Path()), file); // loading never writes
    }

    // Saving replaces the whole file, an older and longer one included, and
    // loading gives back what was saved.
    void roundTrip()
    {
        TestEnv::WriteAll(Path(), QByteArray(1000, 'x'));
        for (int i = 1; i < 21; ++i)
            LayOut[i] = {QByteArray("Col ") + QByteArray::number(i), int16_t(i * 3), i, i};
        const LayOutTable saved = LayOut;
        main->SaveLayOut();
        QCOMPARE(QFile(Path()).size(), 12 * 21 + 9 * 5 + 11 * 6);
        LayOut.fill({});
        main->LoadLayOut();
        for (int i = 0; i < 21; ++i) {
            QCOMPARE(LayOut[i].Caption, saved[i].Caption);
            QCOMPARE(LayOut[i].Reserved, saved[i].Reserved);
            QCOMPARE(LayOut[i].Pos, saved[i].Pos);
            QCOMPARE(LayOut[i].Pos2, saved[i].Pos2);
        }
    }

    // A file that cannot be written stays as it was and nothing is raised;
    // one that cannot be read leaves the layout cleared.
    void unusableFile()
    {
        QVERIFY(QDir().mkpath(Path())); // a folder where the file should be
        LayOut[1] = {"Symbol", 0, 1, 1};
        main->SaveLayOut();
        QVERIFY(QFileInfo(Path()).isDir());
        FillWithJunk();
        main->LoadLayOut();
        QCOMPARE(LayOut[1].Caption, QByteArray());
    }

    // Columns found by exact header text move to their stored positions;
    // one pass after another, as the quote list runs it.
    void fixLayOut_data()
    {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QStringList>("stored"); // entry j = "Caption:Pos"
        QTest::addColumn<QStringList>("afterOne");
        QTest::addColumn<QStringList>("afterTwo");
        const QStringList abcd{"", "A", "B", "C", "D"};
        QTest::newRow("reversed needs two passes")
            << abcd << QStringList{"D:1", "C:2", "B:3", "A:4"} << QStringList{"", "D", "B", "C", "A"}
            << QStringList{"", "D", "C", "B", "A"};
        QTest::newRow("one move") << abcd << QStringList{"A:3"} << QStringList{"", "B", "C", "A", "D"}
                                  << QStringList{"", "B", "C", "A", "D"};
        QTest::newRow("case counts") << abcd << QStringList{"a:4"} << abcd << abcd;
        QTest::newRow("unknown headers stay") << abcd << QStringList{"Volume:1", "Last:2"} << abcd << abcd;
        QTest::newRow("position past the grid") << abcd << QStringList{"B:9", "C:1"}
                                                << QStringList{"", "C", "A", "B", "D"}
                                                << QStringList{"", "C", "A", "B", "D"};
        QTest::newRow("nothing stored") << abcd << QStringList{} << abcd << abcd;
        QStringList wide{""};
        for (int c = 1; c <= 22; ++c)
            wide << QStringLiteral("H%1").arg(c);
        QStringList wideAfter = wide;
        wideAfter.move(1, 20);
        QTest::newRow("only positions 1 to 20 looked at")
            << wide << QStringList{"H21:1", "H1:20"} << wideAfter << wideAfter;
    }
    void fixLayOut()
    {
        QFETCH(QStringList, headers);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, afterOne);
        QFETCH(QStringList, afterTwo);
        for (int j = 0; j < stored.size(); ++j) {
            const QStringList parts = stored[j].split(u':');
            LayOut[j + 1] = {parts[0].toLatin1(), 0, parts[1].toInt(), parts[1].toInt()};
        }
        SetHeaders(headers);
        main->FixLayOut();
        QCOMPARE(Headers(), afterOne);
        main->FixLayOut();
        QCOMPARE(Headers(), afterTwo);
        QVERIFY(main->FG->Redraw());
    }
};

TW_TEST(tst_layout)
#include "tst_layout.moc"
