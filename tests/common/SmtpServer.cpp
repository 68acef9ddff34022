#include "common/SmtpServer.h"

#include "common/ChildServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>


namespace tw::test {

SmtpServer::SmtpServer(Handler handler, quint16 port)
{
    if (port) {
        StartOn(port, handler);
        return;
    }
    // A port picked free can be taken by someone else before the server
    // binds it; then another one is tried.
    for (int attempt = 0; attempt < 3 && !port_; ++attempt)
        if (StartOn(ChildServer::FreePort(), handler))
            break;
}

bool SmtpServer::StartOn(quint16 port, Handler handler)
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
    // The server makes the maildir itself; it must not exist before.
    maildir_ = dir_.filePath(QStringLiteral("mail%1").arg(port));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PYTHONPATH"), QStringLiteral(TW_TESTDATA "/common"));
    process_.setProcessEnvironment(env);
    process_.setStandardOutputFile(dir_.filePath(QStringLiteral("stdout.log")));
    process_.setStandardErrorFile(dir_.filePath(QStringLiteral("stderr.log")));
    ChildServer::DiesWithParent(process_);
    QStringList args{QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"), QStringLiteral("-l"),
                     QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("-c")};
    if (handler == Handler::Mailbox)
        args << QStringLiteral("smtphandlers.Keep") << maildir_;
    else
        args << QStringLiteral("smtphandlers.RefuseRecipient");
    process_.start(QStringLiteral("/usr/bin/python3"), args);
    if (!ChildServer::AwaitGreeting(process_, port, "220", "quit"))
        return false;
    port_ = port;
    return true;
}

SmtpServer::~SmtpServer()
{
    ChildServer::Stop(process_);
}

QString SmtpServer::hostPort() const { return QStringLiteral("127.0.0.1:") + QString::number(port_); }

QList<QByteArray> SmtpServer::mails() const
{
    QFileInfoList files = QDir(maildir_ + QStringLiteral("/new")).entryInfoList(QDir::Files);
    std::sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() != b.lastModified() ? a.lastModified() < b.lastModified()
                                                    : a.fileName() < b.fileName();
    });
    QList<QByteArray> out;
    for (const QFileInfo &fi : files) {
        QFile f(fi.filePath());
        if (f.open(QIODevice::ReadOnly))
            out.append(f.readAll());
    }
    return out;
}

QList<QByteArray> SmtpServer::received() const
{
    QList<QByteArray> out;
    const QString dir = maildir_ + QStringLiteral("/received");
    for (const QString &name : QDir(dir).entryList(QDir::Files, QDir::Name)) {
        if (name.endsWith(QLatin1String(".tmp")))
            continue;
        QFile f(dir + u'/' + name);
        if (f.open(QIODevice::ReadOnly))
            out.append(f.readAll());
    }
    return out;
}

QJsonObject SmtpServer::read(const QByteArray &mail)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(TW_TESTDATA "/common/mailcheck.py")});
    if (!python.waitForStarted(15000))
        return {{QStringLiteral("error"), QStringLiteral("python3 did not start")}};
    python.write(mail);
    python.closeWriteChannel();
    if (!python.waitForFinished(30000))
        return {{QStringLiteral("error"), QStringLiteral("mailcheck.py did not finish")}};
    const QJsonDocument doc = QJsonDocument::fromJson(python.readAllStandardOutput());
    if (!doc.isObject())
        return {{QStringLiteral("error"), QString::fromUtf8(python.readAllStandardError())}};
    return doc.object();
}

QList<QByteArray> SmtpServer::lines(const QByteArray &mail)
{
    QList<QByteArray> out = mail.split('\n');
    for (QByteArray &l : out)
        if (l.endsWith('\r'))
            l.chop(1);
    return out;
}

} // namespace tw::test
