#include "services/frmEmail.h"

// The SMTP client comes with the mail window's own work; until then nothing
// is sent, and the caller is told so.
frmEmail::frmEmail(QWidget *parent) : QWidget(parent) {}

bool frmEmail::SendEmail(const QString &, const QString &, const QString &, const QString &, const QString &,
                         const QString &, const QString &)
{
    return false;
}
