// The two page transports of the main window: a whole page over the transfer
// control (DownloadURL) and a hand-made HTTP/1.0 request over the socket
// (SocketFetch with its four event handlers). One socket fetch at a time.
#include "shell/frmMain.h"

#include "collect/SheetCache.h"
#include "collect/UpdateJobs.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"
#include "platform/Inet.h"
#include "platform/Wait.h"
#include "platform/Winsock.h"

#include <QLabel>
#include <QPointer>

namespace {

// What goes after "GET ": an address that cannot carry a second line or a
// second word into the request.
bool FitsRequestLine(const QString &url)
{
    if (url.isEmpty())
        return false;
    for (const QChar c : url)
        if (c.unicode() <= 32 || c.unicode() >= 127)
            return false;
    return true;
}

} // namespace

void frmMain::PrepareInet()
{
    ActiveInet = Inet1;
    Inet1->SetRequestTimeout(30);
    CancelPendingTransfer();
    Inet1->SetRequestTimeout(qMax(1, (UpdateJobs::SilenceMs() + 999) / 1000));
}

void frmMain::CancelPendingTransfer()
{
    if (!Inet1->StillExecuting())
        return;
    Inet1->Cancel();
    Panel1[6]->setText(QStringLiteral("Please Wait.."));
    Misc::DoEvents();
}

bool frmMain::DownloadURL(const QString &file, const QString &url, const QString &status)
{
    setWindowTitle(status);
    if (AbortFlag == -1)
        return false;
    const QPointer<Inet> inet = ActiveInet;
    if (!inet || file.isEmpty())
        return false;
    const QByteArray body = inet->OpenURL(url);
    // A cancelled, refused, cut or silent transfer stores nothing: the older
    // page stays. An error page that did arrive is stored like any page.
    if (!inet || !inet->LastCompleted())
        return false;
    const bool saved = SheetCache::Store(file, body);
    Misc::DoEvents();
    return saved;
}

bool frmMain::StartSocketFetch(const QString &site, const QString &pathAndQuery, const QString &file,
                               const QString &status)
{
    WinsockWait();
    if (file.isEmpty())
        return false;
    TargetFile = file;
    RequestURL = Hosts::Url(site, pathAndQuery);
    setWindowTitle(BaseCaption + QStringLiteral("    ") + status);
    pageWritten_ = false;
    Winsock1->SetRemoteHost(Hosts::HostName(site));
    Winsock1->SetRemotePort(Hosts::Port(site));
    Winsock1->Connect();
    return true;
}

bool frmMain::SocketFetch(const QString &site, const QString &pathAndQuery, const QString &file, const QString &status)
{
    if (!StartSocketFetch(site, pathAndQuery, file, status))
        return false;
    WinsockWait();
    return pageWritten_;
}

void frmMain::WinsockWait()
{
    if (!Winsock1)
        return;
    const QPointer<Winsock> socket = Winsock1;
    const auto closed = [&socket] { return !socket || socket->State() == Winsock::sckClosed; };
    // Progress: every change of state and every byte that arrives.
    const auto progress = [this, &socket]() -> qint64 {
        if (!socket)
            return -1;
        return (qint64(socket->State()) << 40) + ResponseBuffer.size() + socket->BytesReceived();
    };
    if (WaitUntil(closed, UpdateJobs::SilenceMs(), {}, progress) || !socket)
        return;
    // Silent for the whole time-out: the fetch ends without a page.
    socket->Close();
    SocketBusy = 0;
}

void frmMain::Winsock1_Connect()
{
    try {
        SocketBusy = -1;
        ResponseBuffer.clear();
        if (!FitsRequestLine(RequestURL)) {
            Winsock1->Close();
            SocketBusy = 0;
            return;
        }
        Winsock1->SendData("GET " + RequestURL.toLatin1() + " HTTP/1.0\r\nAccept: */*\r\nAccept: text/html\r\n\r\n");
    } catch (...) {
    }
}

void frmMain::Winsock1_DataArrival(int)
{
    try {
        QByteArray part;
        Winsock1->GetData(part);
        ResponseBuffer.append(part);
    } catch (...) {
    }
}

void frmMain::Winsock1_Close()
{
    try {
        // A peer that closes without a word sent no page.
        if (!ResponseBuffer.isEmpty())
            pageWritten_ = SheetCache::Store(TargetFile, ResponseBuffer);
        SocketBusy = 0;
        Winsock1->Close();
    } catch (...) {
    }
}

void frmMain::Winsock1_Error(int, const QString &description)
{
    try {
        // Closed first, so the fetch waiting on it ends and writes nothing.
        Winsock1->Close();
        SocketBusy = 0;
        Dialogs::MsgBox(QStringLiteral("Error ") + description, Dialogs::vbOKOnly);
    } catch (...) {
    }
}
