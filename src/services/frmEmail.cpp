#include "services/frmEmail.h"

#include "collect/UpdateJobs.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/RunOnce.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "platform/Wait.h"
#include "platform/Winsock.h"
#include "services/ServerAddress.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace {

frmEmail *g_email = nullptr;

// RFC 5321 allows a server minutes per step; a user waiting at a window is
// given less, and a silent server still lets the window go on.
constexpr int kDefaultReplyTimeoutMs = 50000;
int g_replyTimeoutMs = kDefaultReplyTimeoutMs;
// A large body on a slow modem takes minutes; a peer that takes it a byte
// at a time for longer holds nobody.
constexpr int kDefaultSendLimitMs = 600000;
int g_sendLimitMs = kDefaultSendLimitMs;

void ShowFailure(const QString &description, int number)
{
    Dialogs::MsgBox(description + u' ' + QString::number(number), Dialogs::vbOKOnly);
}

} // namespace

frmEmail::frmEmail(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmEmail"));
    setWindowTitle(QStringLiteral("New Massage"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *form = new QFormLayout;
    form->setContentsMargins(10, 10, 10, 4);
    outer->addLayout(form, 1);
    auto box = [this, form](const char *name, const char *label, const char *tip) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        if (tip)
            edit->setToolTip(QString::fromLatin1(tip));
        form->addRow(QString::fromLatin1(label), edit);
        return edit;
    };
    txtFromEmail = box("txtFromEmail", "From:", "Email");
    txtFromName = box("txtFromName", "Name:", "Name");
    txtToEmail = box("txtToEmail", "To:", "Recipient Email");
    txtToName = box("txtToName", "Recipient's Name:", nullptr);
    txtSubject = box("txtSubject", "Subject:", nullptr);
    txtBody = new QPlainTextEdit(this);
    txtBody->setObjectName(QStringLiteral("txtBody"));
    txtBody->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    form->addRow(QStringLiteral("Body:"), txtBody);
    txtServer = box("txtServer", "E-Mail Server:", nullptr);
    chkError = new QCheckBox(QStringLiteral("Send Errors Log"), this);
    chkError->setObjectName(QStringLiteral("chkError"));
    form->addRow(chkError);
    chkError->hide();

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 0, 10, 4);
    buttons->addStretch(1);
    cmdSend = new QPushButton(QStringLiteral("&Send"), this);
    cmdSend->setObjectName(QStringLiteral("cmdSend"));
    cmdSend->setToolTip(QStringLiteral("Send Email"));
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setToolTip(QStringLiteral("Close Window"));
    buttons->addWidget(cmdSend);
    buttons->addWidget(cmdClose);
    outer->addLayout(buttons);

    StatusTxt = new QStatusBar(this);
    StatusTxt->setObjectName(QStringLiteral("StatusTxt"));
    StatusTxt->setSizeGripEnabled(false);
    StatusPanel = new QLabel(StatusTxt);
    StatusPanel->setObjectName(QStringLiteral("StatusTxt_1"));
    StatusPanel->setTextFormat(Qt::PlainText);
    StatusTxt->addWidget(StatusPanel, 1);
    outer->addWidget(StatusTxt);

    Winsock1 = new Winsock(this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    connect(Winsock1, &Winsock::DataArrival, this, &frmEmail::Winsock1_DataArrival);
    connect(Winsock1, &Winsock::Closed, this, [this] { closed_ = true; });
    connect(Winsock1, &Winsock::Error, this, [this](int number, const QString &description) {
        errorNumber_ = number;
        errorDescription_ = description;
    });
    connect(cmdSend, &QPushButton::clicked, this, [this] { cmdSend_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

    Geometry::Move(this, 0, 0, 6600, 6600);
    Form_Load();
}

frmEmail::~frmEmail()
{
    if (g_email == this)
        g_email = nullptr;
}

frmEmail *frmEmail::Load()
{
    if (!g_email) {
        g_email = new frmEmail;
        // Closing the window unloads it: the next command starts afresh.
        g_email->setAttribute(Qt::WA_DeleteOnClose);
    }
    return g_email;
}

frmEmail *frmEmail::Loaded() { return g_email; }

void frmEmail::Unload()
{
    frmEmail *w = g_email;
    g_email = nullptr;
    if (!w)
        return;
    w->hide();
    // A running dialogue still needs the window and its socket; it lets the
    // window go when it ends.
    if (w->sending_)
        w->unloadAfterSend_ = true;
    else
        w->deleteLater();
}

void frmEmail::Form_Load()
{
    Vb::Skip([this] { txtServer->setText(Settings::Get(QStringLiteral("EmailServer")).ToText()); });
    Vb::Skip([this] { txtFromEmail->setText(Settings::Get(QStringLiteral("Email")).ToText()); });
}

void frmEmail::SetReplyTimeoutMs(int ms) { g_replyTimeoutMs = ms > 0 ? ms : kDefaultReplyTimeoutMs; }
void frmEmail::SetSendLimitMs(int ms) { g_sendLimitMs = ms > 0 ? ms : kDefaultSendLimitMs; }

QString frmEmail::CannedSender()
{
    const QString address = Settings::Get(QStringLiteral("Email")).ToText();
    return address.size() < 2 ? QStringLiteral("-") : address;
}

QString frmEmail::AskMailServer()
{
    return Dialogs::InputBox(QStringLiteral("Please enter your mail server address.\r\nEx.: \"")
                                 + Hosts::DefaultMailServer + u'"',
                             QStringLiteral("Mail Server"), Hosts::DefaultMailServer);
}

QString frmEmail::CannedServer(const QString &boxText, const QString &boxTitle, QLabel *status)
{
    const QString server = Settings::Get(QStringLiteral("EmailServer")).ToText();
    if (server.size() >= 2)
        return server;
    const QPointer<QLabel> line(status);
    Dialogs::MsgBox(boxText, Dialogs::vbCritical, boxTitle);
    if (!line)
        return QString();
    line->setText(QStringLiteral("No Email Server"));
    const QString answer = AskMailServer();
    return answer.size() < 2 || !line ? QString() : answer;
}

void frmEmail::Status(const QString &text) { StatusPanel->setText(text); }

void frmEmail::Winsock1_DataArrival(int)
{
    QByteArray bytes;
    Winsock1->GetData(bytes);
    replies_.Feed(bytes);
    mostBuffered_ = qMax(mostBuffered_, replies_.Buffered());
}

void frmEmail::Abort() { aborted_ = true; }

bool frmEmail::Answered() const
{
    return aborted_ || replies_.HasReply() || replies_.Overflowed() || closed_ || errorNumber_ != 0;
}

frmEmail::Wait frmEmail::Fault() const
{
    if (aborted_)
        return Wait::Aborted;
    if (replies_.Overflowed())
        return Wait::TooLong;
    if (closed_ || errorNumber_ != 0)
        return Wait::SocketError;
    return Wait::TimedOut;
}

frmEmail::Wait frmEmail::WaitForReply(const QByteArray &code)
{
    const QPointer<frmEmail> self(this);
    WaitUntil([&] { return !self || Answered(); }, g_replyTimeoutMs);
    if (!self)
        return Wait::Gone;
    if (aborted_ || replies_.Overflowed() || !replies_.HasReply())
        return Fault();
    SmtpReply = replies_.TakeReply();
    return Smtp::Accepts(code, SmtpReply) ? Wait::Accepted : Wait::WrongCode;
}

frmEmail::Wait frmEmail::WaitForSent()
{
    const QPointer<frmEmail> self(this);
    bool overLimit = false;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &limit, [&overLimit] { overLimit = true; });
    limit.start(g_sendLimitMs);
    // The system tells nobody when the peer acknowledges bytes; a light
    // tick has the wait look.
    QTimer look;
    look.start(50);
    WaitUntil([&] { return !self || Answered() || Winsock1->BytesToSend() == 0; }, g_replyTimeoutMs,
              [&] { return overLimit; }, [&] { return self ? Winsock1->BytesToSend() : 0; });
    if (!self)
        return Wait::Gone;
    // A reply that came early is the reply wait's to judge.
    const bool allLeft = !closed_ && errorNumber_ == 0 && Winsock1->BytesToSend() == 0;
    if (!aborted_ && !replies_.Overflowed() && (replies_.HasReply() || allLeft))
        return Wait::Accepted;
    return Fault();
}

void frmEmail::Fail(Wait how, const QByteArray &code, bool greeted)
{
    // A server that floods its reply is told nothing more.
    if (greeted && how != Wait::TooLong && Winsock1->State() == Winsock::sckConnected)
        Winsock1->SendData("quit\r\n");
    Winsock1->Close();
    switch (how) {
    case Wait::WrongCode:
        Dialogs::MsgBox(QStringLiteral("SMTP service error, impromper response code. Code should have been: ")
                            + QString::fromLatin1(code) + QStringLiteral(" Code recieved: ")
                            + Text::FromCp1252(SmtpReply),
                        Dialogs::vbInformation, Dialogs::EmptyTitle);
        break;
    case Wait::TimedOut:
        Dialogs::MsgBox(QStringLiteral("SMTP service error, timed out while waiting for response"),
                        Dialogs::vbInformation, Dialogs::EmptyTitle);
        break;
    case Wait::TooLong:
        Dialogs::MsgBox(QStringLiteral("SMTP service error, response too long"), Dialogs::vbInformation,
                        Dialogs::EmptyTitle);
        break;
    case Wait::SocketError:
        if (errorNumber_ != 0)
            ShowFailure(errorDescription_, errorNumber_);
        else // the server hung up in the middle of the dialogue
            ShowFailure(Winsock::Description(Winsock::sckConnectAborted), Winsock::sckConnectAborted);
        break;
    case Wait::Accepted:
    case Wait::Aborted:
    case Wait::Gone:
        break;
    }
}

bool frmEmail::SendEmail(const QString &server, const QString &fromName, const QString &fromAddress,
                         const QString &toName, const QString &toAddress, const QString &subject,
                         const QString &body)
{
    Winsock1->SetLocalPort(0);
    if (sending_ || Winsock1->State() != Winsock::sckClosed) {
        const int state = Winsock1->State();
        Dialogs::MsgBox((state >= 0 ? QStringLiteral(" ") : QString()) + QString::number(state));
        return false;
    }
    // Refused before connecting: these texts go into command lines as they are.
    const ServerAddress target = ServerAddress::Parse(server, Smtp::DefaultPort);
    if (!target.ok) {
        Dialogs::MsgBox(QStringLiteral("The mail server \"") + server
                            + QStringLiteral("\" cannot be used: give a host name, or a host name, \":\" and a port."),
                        Dialogs::vbExclamation);
        return false;
    }
    for (const auto &[address, box] : {std::pair(fromAddress, "From"), std::pair(toAddress, "To")}) {
        if (!Smtp::AddressUsable(address)) {
            Dialogs::MsgBox(QStringLiteral("The address \"") + address + QStringLiteral("\" in the ")
                                + QLatin1String(box)
                                + QStringLiteral(" box cannot be used: it holds a control character, a blank, an "
                                                 "angle bracket or a character outside plain ASCII."),
                            Dialogs::vbExclamation);
            return false;
        }
    }
    const QDateTime now = UpdateJobs::Now();
    const QByteArray mailFrom = "mail from: " + fromAddress.toLatin1() + "\r\n";
    const QByteArray rcptTo = "rcpt to: " + toAddress.toLatin1() + "\r\n";
    const QByteArray headers = Smtp::HeaderBlock(fromName, fromAddress, Smtp::DateText(now), toName, toAddress,
                                                 subject, Smtp::MessageId(Hosts::HeloDomain, now));
    const QByteArray data = Smtp::DataBody(body);

    const QPointer<frmEmail> self(this);
    sending_ = true;
    aborted_ = false;
    mostBuffered_ = 0;
    replies_.Clear();
    SmtpReply.clear();
    closed_ = false;
    errorNumber_ = 0;
    errorDescription_.clear();
    bool greeted = false;
    bool sent = false;
    try {
        // One command and its reply; false when the dialogue has ended.
        const auto exchange = [&](const QByteArray &command, const QByteArray &code) {
            if (!command.isEmpty())
                Winsock1->SendData(command);
            const Wait how = WaitForReply(code);
            if (how == Wait::Gone)
                return false;
            if (how == Wait::Accepted || how == Wait::WrongCode)
                greeted = true;
            if (how == Wait::Accepted)
                return true;
            Fail(how, code, greeted);
            return false;
        };
        Winsock1->Connect(target.host, target.port);
        Status(QStringLiteral("Connecting...."));
        if (exchange(QByteArray(), "220") && exchange("HELO " + Hosts::HeloDomain.toLatin1() + "\r\n", "250")) {
            Status(QStringLiteral("Connected"));
            Winsock1->SendData(mailFrom);
            Status(QStringLiteral("Sending Message"));
            if (exchange(QByteArray(), "250") && exchange(rcptTo, "250") && exchange("data\r\n", "354")) {
                Winsock1->SendData(headers);
                Winsock1->SendData(data);
                Winsock1->SendData(".\r\n");
                const Wait handedOver = WaitForSent();
                if (handedOver == Wait::Accepted)
                    sent = exchange(QByteArray(), "250");
                else if (handedOver != Wait::Gone)
                    Fail(handedOver, "250", greeted);
            }
        }
        if (sent) {
            // The server has the mail: how it answers the goodbye changes nothing.
            Winsock1->SendData("quit\r\n");
            Status(QStringLiteral("Disconnecting"));
            WaitForReply("221");
        }
    } catch (const VbError &e) {
        if (self)
            ShowFailure(e.description, int(e.number));
    }
    if (!self)
        return false;
    Winsock1->Close();
    sending_ = false;
    if (!sent)
        Status(QStringLiteral("Mail Not Sent"));
    if (unloadAfterSend_)
        deleteLater();
    return sent;
}

void frmEmail::cmdSend_Click()
{
    if (sending_)
        return;
    const RunOnce once(this, "cmdSend_Click");
    if (!once)
        return;
    const QPointer<frmEmail> self(this);
    try {
        if (!Misc::CheckOnline() || !self)
            return;
        if (txtServer->text().isEmpty()) {
            Dialogs::MsgBox(QStringLiteral("You must enter your Email server (Ex.: \"") + Hosts::DefaultMailServer
                                + QStringLiteral("\")"),
                            Dialogs::vbCritical, QStringLiteral("Please fill empty fileds"));
            if (self)
                txtServer->setFocus();
            return;
        }
        if (txtToEmail->text().isEmpty()) {
            Dialogs::MsgBox(QStringLiteral("You must enter Recipient's E-mail address (Ex.: \"someone@")
                                + Hosts::DefaultMailServer + QStringLiteral("\")"),
                            Dialogs::vbCritical, QStringLiteral("Please fill empty fileds"));
            if (self)
                txtToEmail->setFocus();
            return;
        }
        if (!Misc::CheckOnline() || !self)
            return;
        const QString log =
            chkError->isChecked() ? Text::FromCp1252(Misc::ReadFile(Misc::ErrorLogPath())) : QString();
        const bool sent = SendEmail(txtServer->text(), txtFromName->text(), txtFromEmail->text(), txtToName->text(),
                                    txtToEmail->text(), txtSubject->text(),
                                    txtBody->toPlainText() + QStringLiteral("\r\n") + log);
        // A mail that did not go out leaves every box as typed.
        if (!self || !sent)
            return;
        Status(QStringLiteral("Mail Sent"));
        QApplication::beep();
        cmdClose_Click();
    } catch (const VbError &e) {
        if (self)
            ShowFailure(e.description, int(e.number));
    }
}

void frmEmail::cmdClose_Click()
{
    if (sending_)
        return;
    const RunOnce once(this, "cmdClose_Click");
    if (!once)
        return;
    const QPointer<frmEmail> self(this);
    Misc::RollWindow(this, 25);
    if (!self)
        return;
    if (g_email == this) {
        Unload();
    } else {
        hide();
        deleteLater();
    }
}

void frmEmail::closeEvent(QCloseEvent *event)
{
    if (sending_) {
        event->ignore();
        return;
    }
    if (g_email == this)
        g_email = nullptr;
    QWidget::closeEvent(event);
}

void frmEmail::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdClose_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}
