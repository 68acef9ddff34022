#include "core/Misc.h"

#include "core/AppFolder.h"
#include "core/Settings.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"
#include "platform/Vb.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QTime>

namespace Misc {

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

namespace {
std::function<void(int)> &SleepHook()
{
    static std::function<void(int)> hook;
    return hook;
}
} // namespace

void Sleep(int ms)
{
    if (SleepHook())
        SleepHook()(ms);
    else if (ms > 0)
        QThread::msleep(ulong(ms));
}

void SetSleepHook(std::function<void(int)> hook) { SleepHook() = std::move(hook); }

QString ErrorLogPath()
{
    return AppFolder + QStringLiteral("/ErrorLog.txt");
}

void ErrorTraping(const QString &description, float number, const QString &source, const QString &place, bool show)
{
    const QString block = QStringLiteral("--------------\r\n")
                          + QStringLiteral("Time: ") + QTime::currentTime().toString(QStringLiteral("h:mm:ss AP")) + QStringLiteral("\r\n")
                          + QStringLiteral("Description:   ") + description + QStringLiteral("\r\n")
                          + QStringLiteral("Number:        ") + Vb::SingleToString(number) + QStringLiteral("\r\n")
                          + QStringLiteral("Source:         ") + source;
    QFile f(ErrorLogPath());
    if (f.open(QIODevice::Append)) {
        f.write(Text::ToCp1252(block + QStringLiteral("\r\nWhere: ") + place + QStringLiteral("\r\n")));
        f.close();
    }
    DoEvents();
    if (!Settings::Get(QStringLiteral("ErrorTraping")).IsEmptyText() || !show)
        return;
    const int answer = Dialogs::MsgBox(QStringLiteral("Error occur and logged successfully into a log file\r\n"
                                                      "If you don't want to see this messages anymore, Click Cancel\r\n")
                                           + block,
                                       Dialogs::vbInformation | Dialogs::vbOKCancel, QStringLiteral("Error occur"));
    if (answer == Dialogs::vbCancel)
        Settings::Set(QStringLiteral("ErrorTraping"), QStringLiteral("1"));
}

void ErrorTraping(const VbError &e, const QString &place, bool show)
{
    ErrorTraping(e.description, e.number, e.source, place, show);
}

} // namespace Misc
