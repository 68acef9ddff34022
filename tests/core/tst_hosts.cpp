#include "common/TestEnv.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "core/Settings.h"
#include "platform/Registry.h"

#include <QTest>
#include <memory>

using tw::test::TestEnv;

namespace {

const QString kHostsKey = QStringLiteral("HKEY_CURRENT_USER\\") + Settings::HostsPath;

// Writes values as a user or an outside tool would, malformed ones included.
void Store(const QStringList &pairs)
{
    Registry &reg = Registry::instance();
    QVERIFY(reg.CreateKey(kHostsKey));
    for (const QString &pair : pairs) {
        const qsizetype eq = pair.indexOf(u'=');
        QVERIFY(reg.SetValue(kHostsKey, pair.left(eq), Registry::Value{Registry::Sz, pair.mid(eq + 1).toLatin1()}));
    }
}

} // namespace

class tst_hosts : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> env;
private Q_SLOTS:
    void init() { env = std::make_unique<TestEnv>(); env->CreateKeys(); }
    void cleanup() { env.reset(); }

    void host_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");

        QTest::newRow("default") << QStringList{} << "QuoteHost" << "quotes.test";
        QTest::newRow("alias has the site's default") << QStringList{} << "QuotePortal" << "quotes.test";
        QTest::newRow("per name") << QStringList{"FinancePortal=127.0.0.1:8088"} << "FinancePortal"
                                  << "127.0.0.1:8088";
        QTest::newRow("per name leaves other sites") << QStringList{"FinancePortal=127.0.0.1:8088"} << "QuoteHost"
                                                     << "quotes.test";
        QTest::newRow("alias value serves the main name") << QStringList{"BusinessNewsPortal=news.local:81"}
                                                          << "BizNewsHost" << "news.local:81";
        QTest::newRow("main name value serves the alias") << QStringList{"OptionQuoteHost=opt.local"}
                                                          << "OptionsExchangeSite" << "opt.local";
        QTest::newRow("filings pair") << QStringList{"FilingsSite=f.local"} << "FilingsHost" << "f.local";
        QTest::newRow("star") << QStringList{"*=127.0.0.1:9000"} << "HeadlineHost" << "127.0.0.1:9000";
        QTest::newRow("per name beats star") << QStringList{"*=a.local:1", "ChartHost=b.local:2"} << "ChartHost"
                                             << "b.local:2";
        QTest::newRow("alias beats star") << QStringList{"*=a.local:1", "QuotePortal=q.local"} << "QuoteHost"
                                          << "q.local";
        QTest::newRow("star still serves the rest") << QStringList{"*=a.local:1", "ChartHost=b.local:2"}
                                                    << "AdviceHost" << "a.local:1";
        QTest::newRow("port 80 omitted") << QStringList{"QuoteHost=q.local:80"} << "QuoteHost" << "q.local";
        QTest::newRow("value name case-insensitive") << QStringList{"quotehost=q.local"} << "QuoteHost" << "q.local";
        QTest::newRow("asked name case-insensitive") << QStringList{"QuoteHost=q.local"} << "QUOTEPORTAL"
                                                     << "q.local";
        QTest::newRow("blanks around the value") << QStringList{"QuoteHost= q.local:8080 "} << "QuoteHost"
                                                 << "q.local:8080";
        QTest::newRow("empty value falls to star") << QStringList{"*=a.local", "QuoteHost="} << "QuoteHost"
                                                   << "a.local";
        // A value that could break a request line or an address is not used.
        QTest::newRow("bad port falls to star") << QStringList{"*=a.local", "QuoteHost=q.local:http"} << "QuoteHost"
                                                << "a.local";
        QTest::newRow("port out of range") << QStringList{"QuoteHost=q.local:70000"} << "QuoteHost"
                                           << "quotes.test";
        QTest::newRow("port 0") << QStringList{"QuoteHost=q.local:0"} << "QuoteHost" << "quotes.test";
        QTest::newRow("address with scheme") << QStringList{"QuoteHost=http://q.local/"} << "QuoteHost"
                                             << "quotes.test";
        QTest::newRow("line break") << QStringList{"QuoteHost=q.local\r\nX: y"} << "QuoteHost" << "quotes.test";
        QTest::newRow("blank inside") << QStringList{"QuoteHost=q local"} << "QuoteHost" << "quotes.test";
    }

    void host()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        Store(stored);
        QCOMPARE(Hosts::Host(name), expected);
    }

    void partsAndAddresses_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("hostName");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("url");

        QTest::newRow("default") << QString() << "quotes.test" << 80 << "http://quotes.test/q?s=ABC&d=t";
        QTest::newRow("with port") << "127.0.0.1:8088" << "127.0.0.1" << 8088
                                   << "http://127.0.0.1:8088/q?s=ABC&d=t";
        QTest::newRow("port 80") << "127.0.0.1:80" << "127.0.0.1" << 80 << "http://127.0.0.1/q?s=ABC&d=t";
    }

    void partsAndAddresses()
    {
        QFETCH(QString, stored);
        QFETCH(QString, hostName);
        QFETCH(int, port);
        QFETCH(QString, url);
        if (!stored.isEmpty())
            Store({QStringLiteral("QuoteHost=") + stored});
        QCOMPARE(Hosts::HostName(QStringLiteral("QuoteHost")), hostName);
        QCOMPARE(int(Hosts::Port(QStringLiteral("QuoteHost"))), port);
        QCOMPARE(Hosts::Url(QStringLiteral("QuotePortal"), QStringLiteral("/q?s=ABC&d=t")), url);
    }

    void makerHomePageFollowsMakerWebHost()
    {
        QCOMPARE(Hosts::MakerHomePage(), QStringLiteral("http://www.zandor.test/"));
        Store({QStringLiteral("*=127.0.0.1:8088")});
        QCOMPARE(Hosts::MakerHomePage(), QStringLiteral("http://127.0.0.1:8088/"));
    }

    // An unconfigured program must reach nothing off this machine.
    void everyDefaultStaysOffTheNet()
    {
        const QStringList names = Hosts::Names();
        QVERIFY(names.size() >= 30);
        for (const QString &n : names) {
            const QString h = Hosts::Host(n);
            QVERIFY2(h.endsWith(QStringLiteral(".test")), qPrintable(n + QStringLiteral(" -> ") + h));
        }
        QVERIFY(Hosts::SupportAddress.endsWith(QStringLiteral(".test")));
        QVERIFY(Hosts::DefaultMailServer.endsWith(QStringLiteral(".test")));
    }

    // The run command and the tests rely on this exact form in the store file.
    void setOverrideWritesTheStore()
    {
        QVERIFY(Hosts::SetOverride(Hosts::AllSites, QStringLiteral("127.0.0.1:8088")));
        QVERIFY(Hosts::SetOverride(QStringLiteral("bizNEWShost"), QStringLiteral("n.local")));
        QVERIFY(Registry::instance().Flush());
        const QByteArray file = TestEnv::ReadAll(env->settingsFile());
        QVERIFY(file.contains("[HKEY_CURRENT_USER\\Software\\Zandor\\Tickerwatch5\\Hosts]\r\n"
                              "\"*\"=\"127.0.0.1:8088\"\r\n"
                              "\"bizNEWShost\"=\"n.local\"\r\n"));
        QCOMPARE(Hosts::Host(QStringLiteral("BusinessNewsPortal")), QStringLiteral("n.local"));
        QCOMPARE(Hosts::Host(QStringLiteral("QuoteHost")), QStringLiteral("127.0.0.1:8088"));
    }

    void setOverrideRefuses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("unknown name") << "NoSuchHost" << "a.local";
        QTest::newRow("bad port") << "QuoteHost" << "a.local:x";
        QTest::newRow("empty") << "*" << "";
        QTest::newRow("line break") << "*" << "a.local\r\nX: y";
    }

    void setOverrideRefuses()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QVERIFY(!Hosts::SetOverride(name, value));
        QVERIFY(!Registry::instance().KeyExists(kHostsKey));
    }

    void unknownNameGivesNothing()
    {
#ifndef QT_NO_DEBUG
        QSKIP("an unknown name asserts in debug builds");
#endif
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unknown site name")));
        QCOMPARE(Hosts::Host(QStringLiteral("NoSuchHost")), QString());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unknown site name")));
        QCOMPARE(Hosts::Url(QStringLiteral("NoSuchHost"), QStringLiteral("/x")), QString());
    }
};

TW_TEST(tst_hosts)
#include "tst_hosts.moc"
