#pragma once
// The mail window: composes one message and sends it over SMTP.
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

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

    QLineEdit *txtToEmail = nullptr;
    QLineEdit *txtSubject = nullptr;
    QPlainTextEdit *txtBody = nullptr;
    QCheckBox *chkError = nullptr; // "Send Errors Log": the error log goes with the message

    // Sends one message and returns when the dialogue with the server is
    // over: true only when the server took the message.
    bool SendEmail(const QString &server, const QString &fromName, const QString &fromAddress, const QString &toName,
                   const QString &toAddress, const QString &subject, const QString &body);
};
