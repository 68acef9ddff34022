// The one rule of both page transports: which replies are pages.
#include "common/TestRegistry.h"
#include "platform/HttpPage.h"

#include <QTest>

class tst_httppage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void socketReplies_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("cleanEnd");
        QTest::addColumn<qint64>("minimum");
        QTest::addColumn<bool>("page");
        const QByteArray body(100, 'x');
        const QByteArray ok = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 100\r\n\r\n" + body;
        const QByteArray noLength = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + body;
        QTest::newRow("whole, closed") << ok << true << qint64(0) << true;
        QTest::newRow("whole, never closed") << ok << false << qint64(0) << true;
        QTest::newRow("cut, then closed") << ok.left(ok.size() - 1) << true << qint64(0) << false;
        QTest::newRow("cut, then reset") << ok.left(ok.size() - 50) << false << qint64(0) << false;
        QTest::newRow("no length, closed") << noLength << true << qint64(0) << true;
        QTest::newRow("no length, reset") << noLength << false << qint64(0) << false;
        QTest::newRow("no status line") << QByteArray(5000, 'a') << true << qint64(0) << false;
        QTest::newRow("head never ended") << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 5") << true << qint64(0) << false;
        QTest::newRow("404 page") << QByteArray(ok).replace("200 OK", "404 Not Found") << true << qint64(0) << false;
        QTest::newRow("301 page") << QByteArray(ok).replace("200 OK", "301 Moved") << true << qint64(0) << false;
        QTest::newRow("at the minimum") << ok << true << qint64(ok.size()) << true;
        QTest::newRow("one byte under the minimum") << ok << true << qint64(ok.size() + 1) << false;
        QTest::newRow("bare LF head") << "HTTP/1.0 200 OK\nContent-Length: 100\n\n" + body << false << qint64(0) << true;
        QTest::newRow("length in other case") << "HTTP/1.1 200 OK\r\ncontent-length:  100 \r\n\r\n" + body << false
                                              << qint64(0) << true;
        QTest::newRow("status of four figures") << "HTTP/1.0 2000 OK\r\n\r\n" + body << true << qint64(0) << false;

        // A chunked reply is whole at its last chunk, and only then.
        const QByteArray chunkedHead = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
        const QByteArray chunks = "32\r\n" + body.left(50) + "\r\n32\r\n" + body.left(50) + "\r\n";
        const QByteArray chunked = chunkedHead + chunks + "0\r\n\r\n";
        QTest::newRow("chunked, closed") << chunked << true << qint64(0) << true;
        QTest::newRow("chunked, never closed") << chunked << false << qint64(0) << true;
        QTest::newRow("chunked, cut after a chunk, closed") << chunkedHead + chunks << true << qint64(0) << false;
        QTest::newRow("chunked, cut in a chunk, closed") << chunked.left(chunked.size() - 30) << true << qint64(0)
                                                         << false;
        QTest::newRow("chunked, last chunk without its blank line")
            << chunkedHead + chunks + "0\r\n" << true << qint64(0) << false;
        QTest::newRow("chunked, trailers") << chunkedHead + chunks + "0\r\nExpires: never\r\n\r\n" << false
                                           << qint64(0) << true;
        QTest::newRow("chunked, extensions and blanks")
            << chunkedHead + "32 ;name=\"v\"\r\n" + body.left(50) + "\r\n0;x\r\n\r\n" << false << qint64(0)
            << true;
        QTest::newRow("chunked, bare LF lines") << "HTTP/1.1 200 OK\nTransfer-Encoding: chunked\n\n32\n"
                                                       + body.left(50) + "\n0\n\n"
                                                << false << qint64(0) << true;
        QTest::newRow("chunked, upper-case size") << chunkedHead + "1A\r\n" + body.left(26) + "\r\n0\r\n\r\n"
                                                  << false << qint64(0) << true;
        QTest::newRow("chunked, length header ignored")
            << "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n" + chunks
                   + "0\r\n\r\n"
            << true << qint64(0) << true;
        // Every size line must read as a size; a later last chunk does not
        // make a page of it.
        const std::pair<const char *, QByteArray> badSizes[] = {
            {"not hex", "zz"},     {"empty", ""},         {"0x prefix", "0x32"},
            {"plus sign", "+32"},  {"minus sign", "-32"}, {"blank inside", "3 2"},
            {"stray CR", "32\r"}, {"too many digits", "ffffffffffffffffff"},
        };
        for (const auto &[what, bad] : badSizes)
            QTest::addRow("chunked, size line %s", what)
                << chunkedHead + bad + "\r\n" + body.left(50) + "\r\n0\r\n\r\n" << true << qint64(0) << false;
        QTest::newRow("chunked, more data than its size")
            << chunkedHead + "31\r\n" + body.left(50) + "\r\n0\r\n\r\n" << true << qint64(0) << false;
        QTest::newRow("chunked, larger than any page")
            << chunkedHead + QByteArray::number(HttpPage::MaxBytes + 1, 16) + "\r\nxx" << true << qint64(0) << false;
    }
    void socketReplies()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, cleanEnd);
        QFETCH(qint64, minimum);
        QFETCH(bool, page);
        QCOMPARE(HttpPage::IsPage(HttpPage::Read(bytes, cleanEnd), minimum), page);
    }

    // What a reply stores is the reply itself, however many bytes follow
    // it in the same arrival; the transfer control hands on its body, and
    // the socket keeps the head as it came before that body.
    void extent_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("cleanEnd");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("page"); // as the socket stores it
        const QByteArray head = "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n";
        QTest::newRow("announced, exact") << head + "0123456789" << false << qint64(head.size() + 10)
                                          << QByteArray("0123456789") << head + "0123456789";
        QTest::newRow("announced, more behind it") << head + "0123456789" + QByteArray(3500, 'x') << false
                                                   << qint64(head.size() + 10) << QByteArray("0123456789")
                                                   << head + "0123456789";
        QTest::newRow("announced, cut") << head + "01234" << true << qint64(head.size() + 5) << QByteArray("01234")
                                        << head + "01234";
        const QByteArray huge = "HTTP/1.0 200 OK\r\nContent-Length: 9223372036854775807\r\n\r\nabc";
        QTest::newRow("announced, the largest length") << huge << true << qint64(huge.size()) << QByteArray("abc")
                                                       << huge;
        const QByteArray chunkedHead = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
        const QByteArray chunked = chunkedHead + "4\r\n0123\r\n6;x=y\r\n456789\r\n0\r\nA: b\r\n\r\n";
        QTest::newRow("chunked, exact") << chunked << false << qint64(chunked.size()) << QByteArray("0123456789")
                                        << chunkedHead + "0123456789";
        QTest::newRow("chunked, more behind it") << chunked + "HTTP/1.1 200 OK\r\n" << false
                                                 << qint64(chunked.size()) << QByteArray("0123456789")
                                                 << chunkedHead + "0123456789";
        const QByteArray bareLf = "HTTP/1.1 200 OK\nTransfer-Encoding: chunked\n\n";
        QTest::newRow("chunked, bare LF lines") << bareLf + "3\nabc\n0\n\n" << false << qint64(bareLf.size() + 9)
                                                << QByteArray("abc") << bareLf + "abc";
        QTest::newRow("no length: all of it") << QByteArray("HTTP/1.0 200 OK\r\n\r\nabc") << true << qint64(22)
                                              << QByteArray("abc") << QByteArray("HTTP/1.0 200 OK\r\n\r\nabc");
    }
    void extent()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, cleanEnd);
        QFETCH(qint64, size);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, page);
        const HttpPage::Reply r = HttpPage::Read(bytes, cleanEnd);
        QCOMPARE(r.size, size);
        QCOMPARE(HttpPage::Body(bytes, r), body);
        HttpPage::Reader reader;
        QVERIFY(reader.Read(bytes, cleanEnd) == r);
        QCOMPARE(reader.Body(bytes), body);
        QCOMPARE(reader.Page(bytes), page);
    }

    // Read as it arrives, a reply reads as it does whole, wherever the
    // arrivals split it: after each arrival as the bytes so far read at
    // once, and at the end with the same body and page.
    void arrivals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray chunkedHead = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
        const QByteArray chunks = "4\r\n0123\r\n6;x=y\r\n456789\r\n";
        QTest::newRow("chunked, trailers") << chunkedHead + chunks + "0\r\nA: b\r\n\r\nbehind";
        QTest::newRow("chunked, bare LF") << QByteArray("HTTP/1.1 200 OK\nTransfer-Encoding: chunked\n\n3\nabc\n0\n\n");
        QTest::newRow("chunked, cut") << chunkedHead + chunks + "0\r\n";
        QTest::newRow("chunked, a size line that is no number") << chunkedHead + chunks + "zz\r\nab\r\n0\r\n\r\n";
        QTest::newRow("chunked, data longer than its size") << chunkedHead + "3\r\nabcd\r\n0\r\n\r\n";
        QTest::newRow("announced, more behind it") << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\nabcdef");
        QTest::newRow("interim reply first") << "HTTP/1.1 100 Continue\r\n\r\n" + chunkedHead + chunks + "0\r\n\r\n";
        QTest::newRow("status line with blanks") << QByteArray(" HTTP/1.1 200\t \r\nContent-Length: 2\r\n\r\nab");
        QTest::newRow("status code of four figures") << QByteArray("HTTP/1.1 2000 OK\r\n\r\nab");
        QTest::newRow("head never ended") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\rab");
    }
    void arrivals()
    {
        QFETCH(QByteArray, bytes);
        HttpPage::Incoming whole;
        whole.raw = bytes;
        whole.Read(true);
        for (qsizetype step = 1; step <= bytes.size(); ++step) {
            const QByteArray at = "arrivals of " + QByteArray::number(step);
            HttpPage::Reader socket;
            HttpPage::Incoming transfer;
            QByteArray buffer;
            for (qsizetype from = 0; from < bytes.size(); from += step) {
                buffer += bytes.mid(from, step);
                transfer.raw += bytes.mid(from, step);
                QVERIFY2(socket.Read(buffer, false) == HttpPage::Read(buffer, false), at);
                transfer.Read(false);
            }
            QVERIFY2(socket.Read(buffer, true) == HttpPage::Read(bytes, true), at);
            QVERIFY2(socket.Body(buffer) == HttpPage::Body(bytes, HttpPage::Read(bytes, true)), at);
            transfer.Read(true);
            QVERIFY2(transfer.raw == whole.raw && transfer.reply == whole.reply, at);
            QVERIFY2(transfer.Body() == HttpPage::Body(whole.raw, whole.reply), at);
        }
    }

    // However finely a reply is split, reading it looks at each of its
    // bytes a bounded number of times: the whole of what came is not read
    // again with every arrival.
    void linear_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("arrival");
        const QByteArray chunkedHead = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
        QByteArray ones = chunkedHead;
        QByteArray sixteens = chunkedHead;
        for (int i = 0; i < 5000; ++i) {
            ones += "1\r\nx\r\n";
            sixteens += "10\r\n" + QByteArray(16, 'x') + "\r\n";
        }
        QTest::newRow("1-byte chunks") << ones + "0\r\n\r\n" << 100;
        QTest::newRow("16-byte chunks, cut") << sixteens << 1460;
        QTest::newRow("a size line that never ends") << chunkedHead + QByteArray(30000, '0') << 100;
        QTest::newRow("trailers that never end") << ones + "0\r\n" + QByteArray(30000, 't') << 100;
        QTest::newRow("a head that never ends")
            << "HTTP/1.1 200 OK\r\nX: " + QByteArray(30000, 'h').replace(100, 1, "\r\n\r") << 100;
        QTest::newRow("a status line that never ends") << "HTTP/1." + QByteArray(30000, 's') << 100;
        QTest::newRow("blanks after the status") << "HTTP/1.1 200" + QByteArray(30000, ' ') << 100;
        QTest::newRow("interim reply first") << "HTTP/1.1 100 Continue\r\n\r\n" + ones << 100;
    }
    void linear()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, arrival);
        // Each byte once to find the lines, and a first line or head once
        // or twice more; a byte more for each arrival.
        const qint64 bound = 4 * bytes.size();
        qint64 before = HttpPage::BytesLooked();
        HttpPage::Reader socket;
        QByteArray buffer;
        for (qsizetype from = 0; from < bytes.size(); from += arrival) {
            buffer += bytes.mid(from, arrival);
            socket.Read(buffer, false);
        }
        socket.Read(buffer, true);
        QVERIFY2(HttpPage::BytesLooked() - before <= bound, QByteArray::number(HttpPage::BytesLooked() - before));

        before = HttpPage::BytesLooked();
        HttpPage::Incoming transfer;
        for (qsizetype from = 0; from < bytes.size(); from += arrival) {
            transfer.raw += bytes.mid(from, arrival);
            transfer.Read(false);
        }
        transfer.Read(true);
        QVERIFY2(HttpPage::BytesLooked() - before <= bound, QByteArray::number(HttpPage::BytesLooked() - before));
    }

    void sizeCap()
    {
        HttpPage::Reply r{200, HttpPage::MaxBytes + 1, HttpPage::MaxBytes + 1, true, HttpPage::MaxBytes + 1, true};
        QVERIFY(!HttpPage::IsPage(r, 0));
        r.announced = r.bodyArrived = r.size = HttpPage::MaxBytes;
        QVERIFY(HttpPage::IsPage(r, 0));
    }
};

TW_TEST(tst_httppage)
#include "tst_httppage.moc"
