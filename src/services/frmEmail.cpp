#include "services/frmEmail.h"

#include "platform/Geometry.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
frmEmail *g_email = nullptr;
}

frmEmail::frmEmail(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmEmail"));
    setWindowTitle(QStringLiteral("New Massage"));
    auto *form = new QFormLayout(this);
    auto box = [this, form](const char *name, const char *label, const char *tip) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        if (tip)
            edit->setToolTip(QString::fromLatin1(tip));
        form->addRow(QString::fromLatin1(label), edit);
        return edit;
    };
    txtToEmail = box("txtToEmail", "To:", "Recipient Email");
    txtSubject = box("txtSubject", "Subject:", nullptr);
    txtBody = new QPlainTextEdit(this);
    txtBody->setObjectName(QStringLiteral("txtBody"));
    form->addRow(QStringLiteral("Body:"), txtBody);
    chkError = new QCheckBox(QStringLiteral("Send Errors Log"), this);
    chkError->setObjectName(QStringLiteral("chkError"));
    form->addRow(chkError);
    chkError->hide();
    Geometry::Move(this, 0, 0, 6000, 5000);
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
    if (w) {
        w->hide();
        w->deleteLater();
    }
}

// The SMTP client comes with the mail window's own work; until then nothing
// is sent, and the caller is told so.
bool frmEmail::SendEmail(const QString &, const QString &, const QString &, const QString &, const QString &,
                         const QString &, const QString &)
{
    return false;
}
