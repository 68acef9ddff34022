#pragma once
// The mail window and the program's one SMTP client. Every mail the program
// sends itself goes through SendEmail: the message the user writes here,
// and the canned mails (error log, support request, questionnaire answer),
// whose senders make a fresh, never-shown instance only for its socket.
//
// The dialogue: greeting, HELO, mail from, rcpt to, data, headers and body,
// ".", quit. Each step waits for its one reply (Smtp::ReplyReader frames
// them), with a time-out; a reply of the wrong class or past the reader's
// size bounds, a time-out, a close or a socket error ends the dialogue at
// once ("quit" when the server has greeted, then the socket is closed) and
// is reported in a box. The wait for the reply to "." starts once the
// message has left, so a large body on a slow link is never taken for a
// silent server. The mail counts as sent only when the server accepted the
// data.
#include "services/Smtp.h"

#include <QByteArray>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class Winsock;

class frmEmail : public QWidget {
    Q_OBJECT
public:
    // A fresh, never-shown instance serves a sender that only needs SendEmail.
    explicit frmEmail(QWidget *parent = nullptr);
    ~frmEmail() override;

    // The compose window the mail commands fill and show: one for the
    // program, loaded hidden on first use, unloaded when it is closed.
    static frmEmail *Load();
    static frmEmail *Loaded();
    static void Unload();

    QLineEdit *txtFromEmail = nullptr;
    QLineEdit *txtFromName = nullptr;
    QLineEdit *txtToEmail = nullptr;
    QLineEdit *txtToName = nullptr;
    QLineEdit *txtSubject = nullptr;
    QPlainTextEdit *txtBody = nullptr;
    QLineEdit *txtServer = nullptr;
    QCheckBox *chkError = nullptr; // "Send Errors Log": the error log goes with the message
    QPushButton *cmdSend = nullptr;
    QPushButton *cmdClose = nullptr;
    QStatusBar *StatusTxt = nullptr;
    QLabel *StatusPanel = nullptr; // panel 1 of StatusTxt: the dialogue's progress
    Winsock *Winsock1 = nullptr;

    // The reply most recently taken from the server (all its lines).
    QByteArray SmtpReply;

    // Sends one message and returns when the dialogue with the server is
    // over: true only when the server took the message. Failures are shown
    // in boxes, never raised.
    bool SendEmail(const QString &server, const QString &fromName, const QString &fromAddress, const QString &toName,
                   const QString &toAddress, const QString &subject, const QString &body);

    void Form_Load();
    void cmdSend_Click();
    void cmdClose_Click();

    // How a wait for one reply ended.
    enum class Wait { Accepted, WrongCode, TimedOut, TooLong, SocketError, Aborted, Gone };
    Wait WaitForReply(const QByteArray &code);
    // Ends a running dialogue at once, without a box (Stop of an Update run).
    void Abort();
    // The most the reply reader held at once in the last dialogue.
    qsizetype MostBuffered() const { return mostBuffered_; }

    // Shared by the canned mails. The sender address: "Email", or "-" when
    // it has fewer than two characters (servers refuse an empty sender).
    static QString CannedSender();
    // The "Mail Server" prompt; Cancel gives "".
    static QString AskMailServer();
    // The server of a canned mail: "EmailServer", or when it has fewer than
    // two characters the box (text and title as the caller's mail gives
    // them), "No Email Server" on the status line and the prompt, whose
    // answer serves this mail only. "" when there is none to use.
    static QString CannedServer(const QString &boxText, const QString &boxTitle, QLabel *status);

    // How long one wait for a reply may last; tests shorten it (0 restores
    // the default, 50 s). While the message leaves, this is how long it may
    // stand still.
    static void SetReplyTimeoutMs(int ms);
    // How long the message may take to leave, however it moves; tests
    // shorten it (0 restores the default, 10 minutes).
    static void SetSendLimitMs(int ms);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Winsock1_DataArrival(int bytesTotal);
    void Status(const QString &text);
    // Waits until the peer has every byte sent: Accepted, or how it failed.
    Wait WaitForSent();
    // A reply, a fault or Stop ends a wait on the server.
    bool Answered() const;
    // How a wait ended that has no reply to judge.
    Wait Fault() const;
    // Ends a failed dialogue: "quit" when greeted, close, the box for how
    // the wait ended.
    void Fail(Wait how, const QByteArray &code, bool greeted);

    Smtp::ReplyReader replies_;
    bool closed_ = false;
    int errorNumber_ = 0;
    QString errorDescription_;
    bool sending_ = false;
    bool aborted_ = false;
    bool unloadAfterSend_ = false;
    qsizetype mostBuffered_ = 0;
};
