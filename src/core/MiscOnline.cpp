#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/clsRAS.h"
#include "platform/Dialogs.h"
#include "platform/Hourglass.h"
#include "platform/Shell.h"
#include "platform/Vb.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// Only web and mail addresses, and files the program wrote under its own
// folder, are handed to the desktop: an address from a page or the user must
// never start a program or open an arbitrary local file.
bool MayOpen(const QString &address)
{
    const QString a = address.trimmed();
    const QString lower = a.toLower();
    if (lower.startsWith(QStringLiteral("http://")) || lower.startsWith(QStringLiteral("https://"))
        || lower.startsWith(QStringLiteral("mailto:")))
        return true;
    QString path = a;
    if (lower.startsWith(QStringLiteral("file:")))
        path = QUrl(a).toLocalFile();
    if (!QFileInfo(path).isAbsolute() || AppFolder.isEmpty())
        return false;
    const QString file = QFileInfo(path).canonicalFilePath();
    const QString root = QFileInfo(AppFolder).canonicalFilePath();
    return !file.isEmpty() && !root.isEmpty() && file.startsWith(root + u'/');
}

void Hand(const QString &address)
{
    const Hourglass hourglass;
    Shell::Open(address.trimmed());
    Misc::DoEvents();
}

} // namespace

namespace Misc {

bool CheckOnline()
{
    try {
        if (Settings::Get(QStringLiteral("Prompt")).ToNumber() == 0)
            return true;
    } catch (const VbError &) {
        // a stored Prompt that is not a number: go on to the connection test
    }
    if (FindDefBrowser::ActiveConnections() != 0)
        return true;
    const int answer = Dialogs::MsgBox(QStringLiteral("The connection to the Internet is not active,\r\nDo you wish to connect now?"),
                                       Dialogs::vbQuestion | Dialogs::vbYesNo, QStringLiteral("Not Connected"));
    if (answer == Dialogs::vbYes) {
        DoEvents();
        DialISP();
    }
    return false;
}

void DialISP()
{
    clsRAS ras;
    ras.ISPCall();
    DoEvents();
}

bool OpenAddress(const QString &address)
{
    if (!MayOpen(address))
        return false;
    Hand(address);
    return true;
}

void OpenLink(const QString &address)
{
    if (CheckOnline())
        OpenAddress(address);
}

void OpenFixedLink(const QString &address)
{
    if (CheckOnline())
        Hand(address);
}

} // namespace Misc
