#include "common/StandInOpener.h"

#include "common/TestEnv.h"
#include "platform/Shell.h"

#include <QFile>
#include <QFileInfo>

namespace tw::test {

StandInOpener::StandInOpener(const QByteArray &lines, Kind kind) : path_(qgetenv("PATH"))
{
    if (kind != Missing) {
        const QString script = dir_.filePath(QStringLiteral("xdg-open"));
        TestEnv::WriteAll(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >>\"${0%/*}/handed\"\n" + lines + '\n');
        if (kind == Runs)
            QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    }
    const QByteArray folder = QFile::encodeName(dir_.path());
    qputenv("PATH", kind == Runs ? folder + ':' + path_ : folder);
    Shell::SetRecording(false);
}

StandInOpener::~StandInOpener()
{
    Shell::SetRecording(true);
    qputenv("PATH", path_);
}

QStringList StandInOpener::Handed() const
{
    const QString text = QString::fromLocal8Bit(TestEnv::ReadAll(dir_.filePath(QStringLiteral("handed"))));
    return text.isEmpty() ? QStringList() : text.chopped(1).split(u'\n');
}

QByteArray StandInOpener::UntilReleased()
{
    return "exec </dev/null >/dev/null 2>&1\n"
           "echo $$ >\"${0%/*}/pid.new\" && mv \"${0%/*}/pid.new\" \"${0%/*}/pid\"\n"
           "while [ ! -e \"${0%/*}/release\" ] && [ -d \"${0%/*}\" ]; do sleep 0.05; done\n"
           ": >\"${0%/*}/released\"\n"
           "exit 3";
}

qint64 StandInOpener::Pid() const
{
    return TestEnv::ReadAll(dir_.filePath(QStringLiteral("pid"))).trimmed().toLongLong();
}

bool StandInOpener::Released() const { return QFileInfo::exists(dir_.filePath(QStringLiteral("released"))); }

void StandInOpener::Release() const { TestEnv::WriteAll(dir_.filePath(QStringLiteral("release")), {}); }

} // namespace tw::test
