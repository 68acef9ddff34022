// The E-mail submenu: a new message, a letter to a friend and a bug report in
// the user's own mail program or the program's mail window; the error log,
// the questionnaire and the support request always through our own windows.
#include "shell/frmMain.h"

#include "core/Hosts.h"
#include "core/Settings.h"
#include "core/Version.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Shell.h"
#include "platform/Vb.h"
#include "services/Thanks.h"
#include "services/frmEmail.h"
#include "services/frmSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUrl>

namespace {

// "True" or a number other than 0 chooses the user's mail program; a
// missing value, "False" and any other text our own window.
bool ExternalMail()
{
    const QString t = Settings::Get(QStringLiteral("ExternalMailServer")).ToText().trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    bool number = false;
    const double n = Vb::ParseNumber(t, &number);
    return number && n != 0;
}

// Typed addresses and texts are percent-encoded, so "a@b?cc=c@d" stays one
// recipient and line breaks of a body arrive as line breaks.
QString MailTo(const QString &address, const char *field = nullptr, const QString &value = QString())
{
    QString url = QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(address, "@"));
    if (field)
        url += u'?' + QLatin1String(field) + u'=' + QString::fromLatin1(QUrl::toPercentEncoding(value));
    return url;
}

QString FriendLetter()
{
    const QString archive = Hosts::Url(QStringLiteral("MakerWebHost"), QStringLiteral("/TkwF55.zip"));
    return QStringLiteral("Hi,\r\nI find this private adviser amazing!\r\nYou must try it, download it from: \"") + archive
           + QStringLiteral("\" or, go to \"") + Hosts::MakerHomePage() + QStringLiteral("\".\r\n\r\nRegards");
}


} // namespace

void frmMain::mnuEmail_Click(int index)
{
    // Across the main window's width; the top by command.
    const auto place = [this](QWidget *form, double top) {
        Geometry::SetLeft(form, (Geometry::Width(this) - Geometry::Width(form)) / 2);
        Geometry::SetTop(form, top);
    };

    switch (index) {
    case 0:
        if (ExternalMail()) {
            const QString to = Dialogs::InputBox(QStringLiteral("Enter the reception Email address"),
                                                 QStringLiteral("Email Address"));
            if (!to.isEmpty())
                Shell::Open(MailTo(to));
        } else {
            frmEmail *mail = frmEmail::Load();
            place(mail, Geometry::Top(this) + 700);
            ShowModal(mail);
        }
        break;
    case 1:
        if (ExternalMail()) {
            const QString to = Dialogs::InputBox(QStringLiteral("Enter your friend e-mail address"),
                                                 QStringLiteral("Email Address"));
            if (!to.isEmpty())
                Shell::Open(MailTo(to, "body", FriendLetter()));
        } else {
            frmEmail *mail = frmEmail::Load();
            PlaceBelowTicker(mail, Geometry::Width(this));
            mail->txtBody->setPlainText(FriendLetter());
            ShowModal(mail);
        }
        break;
    case 2:
        if (ExternalMail()) {
            Shell::Open(MailTo(Hosts::SupportAddress, "Subject",
                               QStringLiteral("I would like to report on %1 %2.%3 bug!")
                                   .arg(Version::ProductTrademark)
                                   .arg(Version::Major)
                                   .arg(Version::Minor)));
        } else {
            frmEmail *mail = frmEmail::Load();
            PlaceBelowTicker(mail, Geometry::Width(this));
            mail->txtSubject->setText(QStringLiteral("I would like to report on bug!"));
            mail->txtToEmail->setText(Hosts::SupportAddress);
            mail->txtBody->setPlainText(QStringLiteral("Hello, I'm using ") + Version::ProductTrademark
                                        + QStringLiteral(". \r\n"));
            mail->chkError->setChecked(true);
            mail->chkError->show();
            ShowModal(mail);
        }
        break;
    case 3:
        Vb::Skip([this] { SendErrorLog(); });
        break;
    case 4:
        Thanks::ShowModeless();
        break;
    case 5:
        if (frmSupport *support = frmSupport::Load()) {
            place(support, Geometry::Top(NewsTicker1));
            ShowModal(support);
        }
        break;
    default:
        break;
    }
}
