#pragma once
// The mail window: composes one message and sends it over SMTP.
#include <QWidget>

class frmEmail : public QWidget {
public:
    explicit frmEmail(QWidget *parent = nullptr);

    // Sends one message and returns when the dialogue with the server is
    // over: true only when the server took the message.
    bool SendEmail(const QString &server, const QString &fromName, const QString &fromAddress, const QString &toName,
                   const QString &toAddress, const QString &subject, const QString &body);
};
