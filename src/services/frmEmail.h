#pragma once
// The mail window and the program's one SMTP client. Every mail the program
// sends itself goes through SendEmail: the message the user writes here,
// and the canned mails (error log, support request, questionnaire answer),
// whose senders make a fresh, never-shown instance only for its socket.
//
// The dialogue: greeting, HELO, mail from, rcpt to, data, headers and body,
// ".", quit. Each step waits for its one reply (Smtp::ReplyReader frames
// them), with a time-out; a reply of the wrong class, a time-out, a close
// or a socket error ends the dialogue at once ("quit" when the server has
// greeted, then the socket is closed) and is reported in a box. The mail
// counts as sent only when the server accepted the data.
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
    enum class Wait { Accepted, WrongCode, TimedOut, SocketError, Gone };
    Wait WaitForReply(const QByteArray &code);

    // Shared by the canned mails. The sender address: "Email", or "-" when
    // it has fewer than two characters (servers refuse an empty sender).
    static QString CannedSender();
    // The "Mail Server" prompt; Cancel gives "".
    static QString AskMailServer();

    // How long one wait for a reply may last; tests shorten it (0 restores
    // the default, 50 s).
    static void SetReplyTimeoutMs(int ms);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Winsock1_DataArrival(int bytesTotal);
    void Status(const QString &text);
    // Ends a failed dialogue: "quit" when greeted, close, the box for how
    // the wait ended.
    void Fail(Wait how, const QByteArray &code, bool greeted);

    Smtp::ReplyReader replies_;
    bool closed_ = false;
    int errorNumber_ = 0;
    QString errorDescription_;
    bool sending_ = false;
    bool unloadAfterSend_ = false;
};
