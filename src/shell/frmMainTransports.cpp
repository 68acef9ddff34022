// The two page transports of the main window: a whole page over the transfer
// control (DownloadURL) and a hand-made HTTP/1.0 request over the socket
// (SocketFetch with its four event handlers). One socket fetch at a time.
#include "shell/frmMain.h"

#include "collect/SheetCache.h"
#include "collect/UpdateJobs.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"
#include "platform/HttpPage.h"
#include "platform/Inet.h"
#include "platform/Wait.h"
#include "platform/Winsock.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>

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

bool frmMain::DownloadURL(const QString &file, const QString &url, const QString &status, qint64 minimum)
{
    setWindowTitle(status);
    if (AbortFlag == -1)
        return false;
    const QPointer<Inet> inet = ActiveInet;
    if (!inet || file.isEmpty())
        return false;
    const QByteArray body = inet->OpenURL(url);
    // A cancelled, refused, cut, silent or error reply stores nothing, nor
    // does one under the job's minimum: the older page stays as it was.
    bool saved = false;
    if (inet && inet->LastCompleted()) {
        const HttpPage::Reply reply{inet->ResponseCode(), -1, body.size(), true, body.size()};
        saved = HttpPage::IsPage(reply, minimum) && SheetCache::Store(file, body);
    }
    CountPage(saved);
    Misc::DoEvents();
    return saved;
}

bool frmMain::StartSocketFetch(const QString &site, const QString &pathAndQuery, const QString &file,
                               const QString &status, qint64 minimum)
{
    WinsockWait();
    if (file.isEmpty())
        return false;
    TargetFile = file;
    TargetMinimum = minimum;
    RequestURL = Hosts::Url(site, pathAndQuery);
    setWindowTitle(BaseCaption + QStringLiteral("    ") + status);
    pageWritten_ = false;
    ++socketFetches_;
    Winsock1->SetRemoteHost(Hosts::HostName(site));
    Winsock1->SetRemotePort(Hosts::Port(site));
    Winsock1->Connect();
    return true;
}

bool frmMain::SocketFetch(const QString &site, const QString &pathAndQuery, const QString &file, const QString &status,
                          qint64 minimum)
{
    if (!StartSocketFetch(site, pathAndQuery, file, status, minimum))
        return false;
    const int mine = socketFetches_;
    WinsockWait();
    // The tip window's fetch can cut this one and take the socket over; what
    // it stores then is its own page, not this one.
    const bool stored = pageWritten_ && socketFetches_ == mine;
    CountPage(stored);
    return stored;
}

void frmMain::CountPage(bool stored)
{
    // A fetch cut by the user's Stop is no failure of the site.
    if (AbortFlag == -1)
        return;
    ++PagesTried;
    if (!stored)
        ++PagesFailed;
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
    // However it keeps moving, no fetch outlasts the same bound as a whole.
    QElapsedTimer overall;
    overall.start();
    const int limit = UpdateJobs::SilenceMs();
    const auto tooLong = [&overall, limit] { return overall.hasExpired(limit); };
    if (WaitUntil(closed, limit, tooLong, progress) || !socket)
        return;
    // Silent or too long: the fetch ends without a page.
    socket->Close();
    SocketBusy = 0;
}

void frmMain::Winsock1_Connect()
{
    try {
        SocketBusy = -1;
        ResponseBuffer.clear();
        ResponseReader = HttpPage::Reader();
        const QByteArray request = HttpPage::GetRequest(RequestURL);
        if (request.isEmpty()) {
            Winsock1->Close();
            SocketBusy = 0;
            return;
        }
        Winsock1->SendData(request);
    } catch (...) {
    }
}

void frmMain::Winsock1_DataArrival(int)
{
    try {
        QByteArray part;
        Winsock1->GetData(part);
        ResponseBuffer.append(part);
        if (ResponseBuffer.size() > HttpPage::MaxBytes) {
            // No page is this large: give it up before it eats the memory.
            Winsock1->Close();
            SocketBusy = 0;
            return;
        }
        // A reply whose announced length or last chunk has come is whole,
        // whether or not the peer ever closes; one whose chunks cannot be
        // read never will be.
        const HttpPage::Reply &reply = ResponseReader.Read(ResponseBuffer, false);
        if (HttpPage::Settled(reply))
            StoreSocketPage(reply);
    } catch (...) {
    }
}

void frmMain::Winsock1_Close()
{
    try {
        StoreSocketPage(ResponseReader.Read(ResponseBuffer, true));
    } catch (...) {
    }
}

void frmMain::StoreSocketPage(const HttpPage::Reply &reply)
{
    // Only a whole 200 reply of the job's size replaces the cached page,
    // and only the reply: bytes that came behind it in the same arrival
    // are not part of it. A chunked body is stored decoded, as the transfer
    // control stores it, behind the head as it came; the job's minimum is
    // of what is stored.
    const QByteArray page = ResponseReader.Page(ResponseBuffer);
    HttpPage::Reply stored = reply;
    stored.size = page.size();
    if (HttpPage::IsPage(stored, TargetMinimum))
        pageWritten_ = SheetCache::Store(TargetFile, page);
    SocketBusy = 0;
    Winsock1->Close();
}

void frmMain::Winsock1_Error(int, const QString &description)
{
    try {
        // Closed first, so the fetch waiting on it ends and writes nothing.
        Winsock1->Close();
        SocketBusy = 0;
        // A site that is down fails every page of a run: one box says so.
        if (SocketErrorShown)
            return;
        SocketErrorShown = true;
        Dialogs::MsgBox(QStringLiteral("Error ") + description, Dialogs::vbOKOnly);
    } catch (...) {
    }
}
