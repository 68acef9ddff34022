// Mailing the error log to the maker's support address.
#include "shell/frmMain.h"

#include "core/Hosts.h"
#include "core/Misc.h"
#include "platform/Dialogs.h"
#include "platform/RunOnce.h"
#include "platform/Text.h"
#include "services/frmEmail.h"

#include <QLabel>
#include <QPointer>
#include <memory>

void frmMain::SendErrorLog()
{
    // A second command while the first mail is on its way sends nothing.
    const RunOnce once(this, "SendErrorLog");
    if (!once || !Misc::CheckOnline())
        return;
    const QPointer<frmMain> self(this);
    Panel1[6]->setText(QStringLiteral("Sending Error Log.."));
    const QByteArray log = Misc::ReadFile(Misc::ErrorLogPath());
    if (log.isEmpty()) {
        Dialogs::MsgBox(QStringLiteral("Your Error Log is empty.\r\nClick on 'Start' menu, select 'Email' -> 'Bug "
                                       "Report', and report on bug."),
                        Dialogs::vbExclamation, QStringLiteral("Empty Error Log"));
        return;
    }
    const QString server = frmEmail::CannedServer(QStringLiteral("Missing mail server"),
                                                  QStringLiteral("Enter mail server in options"), Panel1[6]);
    if (server.isEmpty() || !self)
        return;
    const QString sender = frmEmail::CannedSender();
    bool sent = false;
    {
        const std::unique_ptr<frmEmail> mail(new frmEmail);
        sent = mail->SendEmail(server, sender, sender, QStringLiteral("Zandor"), Hosts::SupportAddress,
                               QStringLiteral("Tickerwatch User Error Log"), Text::FromCp1252(log));
        Misc::DoEvents();
    }
    if (!self)
        return;
    // Only a mail the server took is reported as sent; the box told the rest.
    Panel1[6]->setText(sent ? QStringLiteral("Error Log Sent") : QString());
    Misc::DoEvents();
}
