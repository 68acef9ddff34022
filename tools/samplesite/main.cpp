// The sample site: serves pages of the shape the program reads, for any
// symbol, on 127.0.0.1. It runs in the foreground until it is stopped.
//   --port N           0 (the default) takes any free port
//   --log FILE         appends every request as received (Protocol.h)
//   --point-user-here  points this user's Tickerwatch at the site
#include "Protocol.h"
#include "SampleServer.h"
#include "core/Hosts.h"
#include "platform/Registry.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("samplesite"));

    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral("Sample finance site for Tickerwatch, on 127.0.0.1."));
    cli.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port to listen on (0: any free port)."),
                                  QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption log(QStringLiteral("log"), QStringLiteral("Append each request as received to FILE."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption pointUser(QStringLiteral("point-user-here"),
                                       QStringLiteral("Point this user's Tickerwatch settings at the site."));
    cli.addOptions({port, log, pointUser});
    cli.process(app);

    bool ok = false;
    const uint portNumber = cli.value(port).toUInt(&ok);
    if (!ok || portNumber > 65535) {
        std::fprintf(stderr, "samplesite: bad port %s\n", qPrintable(cli.value(port)));
        return 2;
    }

    SampleServer server(cli.value(log));
    if (!server.Listen(quint16(portNumber))) {
        std::fprintf(stderr, "samplesite: cannot listen on 127.0.0.1:%u: %s\n", portNumber,
                     qPrintable(server.ErrorString()));
        return 1;
    }
    if (cli.isSet(pointUser)) {
        const QString here = QStringLiteral("127.0.0.1:") + QString::number(server.Port());
        if (!Hosts::SetOverride(Hosts::AllSites, here) || !Registry::instance().Flush()) {
            std::fprintf(stderr, "samplesite: cannot write the Tickerwatch settings\n");
            return 1;
        }
        std::fprintf(stderr, "samplesite: Tickerwatch now fetches every site from %s\n", qPrintable(here));
    }
    std::printf("%s%u\n", SampleSiteProtocol::ListeningPrefix, unsigned(server.Port()));
    std::fflush(stdout);
    return app.exec();
}
