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
    }
    void socketReplies()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, cleanEnd);
        QFETCH(qint64, minimum);
        QFETCH(bool, page);
        QCOMPARE(HttpPage::IsPage(HttpPage::Read(bytes, cleanEnd), minimum), page);
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
