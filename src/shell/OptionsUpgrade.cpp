// The version check of the Options window: its button and its own socket,
// which serves this check alone. The verdict is taken from this check's
// reply (VersionCheck::Judge); the copy kept in AppFolder is a record of the
// last reply, never the source of a verdict.
#include "shell/Options.h"

#include "collect/SheetCache.h"
#include "core/AppFolder.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"
#include "platform/HttpPage.h"
#include "platform/RunOnce.h"
#include "platform/Vb.h"
#include "platform/Wait.h"
#include "platform/Winsock.h"
#include "services/VersionCheck.h"
#include "services/frmUpgrade.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {
const QString kSite = QStringLiteral("MakerWebHost");
}

void Options::cmdUpgrade_Click()
{
    // The wait yields: a second click must not start a second check, and
    // the window may be closed meanwhile.
    const RunOnce once(this, "cmdUpgrade_Click");
    if (!once)
        return;
    const QPointer<Options> self(this);
    const auto gone = [&self] { return !self || Loaded() != self; };
    CheckEnd end = CheckEnd::Failed;
    try {
        if (!Misc::CheckOnline() || gone())
            return;
        cmdUpgrade->setEnabled(false);
        Winsock1->Close();
        VersionFilePath = AppFolder + QStringLiteral("/Tkw58.txt");
        VersionFileURL = Hosts::Url(kSite, QStringLiteral("/Tkw58.txt"));
        VersionReply.clear();
        checkEnd_ = CheckEnd::Running;
        lblInfo->setText(QStringLiteral("Checking Tickerwatch Updates"));
        Winsock1->SetRemoteHost(Hosts::HostName(kSite));
        Winsock1->SetRemotePort(Hosts::Port(kSite));
        Winsock1->Connect();

        const QPointer<Winsock> socket = Winsock1;
        const auto ended = [this, &gone] { return gone() || checkEnd_ != CheckEnd::Running; };
        const auto progress = [this, &gone, &socket]() -> qint64 {
            if (gone() || !socket)
                return -1;
            return (qint64(socket->State()) << 40) + VersionReply.size() + socket->BytesReceived();
        };
        WaitUntil(ended, VersionCheck::SilenceMs(), gone, progress);
        if (gone())
            return;
        end = checkEnd_;
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("cmdUpgrade_Click"), false);
        end = CheckEnd::SocketError; // logged only: no box
        if (gone())
            return;
    }
    // Whatever ended the check, the socket is closed and the window idle.
    Winsock1->Close();
    lblInfo->clear();
    cmdUpgrade->setEnabled(true);

    const VersionCheck::Verdict verdict =
        end == CheckEnd::Replied ? VersionCheck::Judge(VersionReply) : VersionCheck::Verdict::NotChecked;
    if (end == CheckEnd::SocketError)
        return; // its error box was the one message
    switch (verdict) {
    case VersionCheck::Verdict::NewVersion:
        // Unloaded, not closed: nothing that only OK stores is stored.
        Unload();
        frmUpgrade::ShowModeless([] { Options::ShowModeless(); });
        break;
    case VersionCheck::Verdict::LastVersion:
        Dialogs::MsgBox(QStringLiteral("You have the last version."), Dialogs::vbOKOnly | Dialogs::vbInformation,
                        QStringLiteral("No Upgrade Available"));
        break;
    case VersionCheck::Verdict::NotChecked:
        Dialogs::MsgBox(VersionCheck::NotCheckedText, Dialogs::vbOKOnly | Dialogs::vbExclamation);
        break;
    }
}

void Options::Winsock1_Connect()
{
    try {
        VersionReply.clear();
        const QByteArray request = HttpPage::GetRequest(VersionFileURL);
        if (request.isEmpty()) {
            Winsock1->Close();
            checkEnd_ = CheckEnd::Failed;
            return;
        }
        Winsock1->SendData(request);
    } catch (const VbError &) {
        Winsock1->Close();
        checkEnd_ = CheckEnd::Failed;
    }
}

void Options::Winsock1_DataArrival(int)
{
    QByteArray part;
    Winsock1->GetData(part);
    VersionReply.append(part);
    // No version file is this large: give it up before it eats the memory.
    if (VersionReply.size() > HttpPage::MaxBytes) {
        Winsock1->Close();
        lblInfo->clear();
        checkEnd_ = CheckEnd::Failed;
    }
}

void Options::Winsock1_Close()
{
    // Only a whole reply replaces the copy on disk, and it is kept exactly
    // as it came.
    if (VersionCheck::WholeReply(VersionReply))
        SheetCache::Store(VersionFilePath, VersionReply);
    Winsock1->Close();
    lblInfo->clear();
    checkEnd_ = CheckEnd::Replied;
}

void Options::Winsock1_Error(int number, const QString &description)
{
    // The check ends here: nothing more is awaited from this socket.
    Winsock1->Close();
    lblInfo->clear();
    checkEnd_ = CheckEnd::SocketError;
    Dialogs::MsgBox(QStringLiteral("Error ") + description + u' ' + QString::number(number), Dialogs::vbOKOnly);
}
