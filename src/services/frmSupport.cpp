#include "services/frmSupport.h"

#include "collect/UpdateJobs.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/Version.h"
#include "platform/Geometry.h"
#include "platform/RunOnce.h"
#include "platform/ShortDate.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "services/frmEmail.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

namespace {

frmSupport *g_support = nullptr;

const char *const kConnectWords[] = {"Internet", "Modem", "Don't Know"};
const char *const kProxyWords[] = {"Yes", "No", "Don't Know"};
const char *const kErrorWords[] = {"Yes", "No"};

void HighlightColour(QFrame *shape, const char *colour)
{
    shape->setStyleSheet(QStringLiteral("background-color: %1;").arg(QLatin1String(colour)));
}

} // namespace

frmSupport::frmSupport(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSupport"));
    const QString caption = QStringLiteral("Tickerwatch Technical Support ");
    setWindowTitle(caption);
    setMouseTracking(true);
    auto *lay = new QVBoxLayout(this);
    auto *heading = new QLabel(caption, this);
    heading->setObjectName(QStringLiteral("lblHeading"));
    heading->setFont(QFont(QStringLiteral("Serif"), 14, QFont::Bold));
    lay->addWidget(heading);
    auto *intro = new QLabel(
        QStringLiteral(" If you have any questions, feel free to ask. Just click and submit for a prompt reply."), this);
    intro->setWordWrap(true);
    lay->addWidget(intro);

    auto *form = new QFormLayout;
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    form->addRow(QStringLiteral("Name:"), txtName);
    txtEmail = new QLineEdit(this);
    txtEmail->setObjectName(QStringLiteral("txtEmail"));
    form->addRow(QStringLiteral("E-Mail:"), txtEmail);
    cboSystem = new QComboBox(this);
    cboSystem->setObjectName(QStringLiteral("cboSystem"));
    form->addRow(QStringLiteral("Which operating system are you using:"), cboSystem);
    lay->addLayout(form);

    auto group = [this, lay](const char *title, QRadioButton **buttons, const char *const *captions, int count,
                             const char *name, void (frmSupport::*handler)(int)) {
        auto *box = new QGroupBox(QString::fromLatin1(title), this);
        auto *row = new QHBoxLayout(box);
        for (int i = 0; i < count; ++i) {
            buttons[i] = new QRadioButton(QString::fromLatin1(captions[i]), box);
            buttons[i]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
            row->addWidget(buttons[i]);
            connect(buttons[i], &QRadioButton::toggled, this, [this, handler, i](bool on) {
                if (on)
                    (this->*handler)(i);
            });
        }
        lay->addWidget(box);
    };
    const char *const connectCaptions[] = {"Network", "Modem", "Don't Know"};
    group("How do you connect to the Internet ?", optConnect, connectCaptions, 3, "optConnect",
          &frmSupport::optConnect_Click);
    group("Are you connecting through a proxy server?", optProxy, kProxyWords, 3, "optProxy",
          &frmSupport::optProxy_Click);
    group("Did you get an error message?", optError, kErrorWords, 2, "optError", &frmSupport::optError_Click);

    auto text = [this, lay](const char *name, const char *label) {
        lay->addWidget(new QLabel(QString::fromLatin1(label), this));
        auto *edit = new QPlainTextEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        lay->addWidget(edit);
        return edit;
    };
    txtError = text("txtError", "If yes, what exactly did it say");
    txtDesc = text("txtDesc", "Please describe your problem being as specific as possible:");
    chkError = new QCheckBox(QStringLiteral("Send Error Log"), this);
    chkError->setObjectName(QStringLiteral("chkError"));
    chkError->setToolTip(QStringLiteral("Click to attach the error log"));
    chkError->setChecked(true);
    lay->addWidget(chkError);

    auto *bar = new QWidget(this);
    bar->setMouseTracking(true);
    auto *buttons = new QHBoxLayout(bar);
    Shape1 = new QFrame(bar);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    HighlightColour(Shape1, "rgb(255,255,0)");
    Shape1->hide();
    const char *const faces[] = {"Exit", "Submit", "Reset"};
    const char *const tips[] = {"Close (Alt X or Escape)", "Submit (Alt S)", "Reset (Alt R)"};
    for (int i = 0; i < 3; ++i) {
        Panel1[i] = new QLabel(QString::fromLatin1(faces[i]), bar);
        Panel1[i]->setObjectName(QStringLiteral("Panel1_%1").arg(i));
        Panel1[i]->setToolTip(QString::fromLatin1(tips[i]));
        Panel1[i]->setAlignment(Qt::AlignCenter);
        Panel1[i]->setMouseTracking(true);
        Panel1[i]->setMinimumWidth(70);
        Panel1[i]->installEventFilter(this);
        buttons->addWidget(Panel1[i]);
    }
    lay->addWidget(bar);

    // The window sees keys before its controls.
    installEventFilter(this);
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    Geometry::Move(this, 0, 0, 7800, 9600);
    Form_Load();
}

frmSupport::~frmSupport()
{
    if (g_support == this)
        g_support = nullptr;
}

frmSupport *frmSupport::Load()
{
    if (!g_support)
        g_support = new frmSupport;
    return g_support;
}

frmSupport *frmSupport::Loaded() { return g_support; }

void frmSupport::Form_Load()
{
    cboSystem->clear();
    cboSystem->addItems({QStringLiteral("Windows 95"), QStringLiteral("Windows 98"), QStringLiteral("Windows NT"),
                         QStringLiteral("Windows 2000"), QStringLiteral("Other"), QStringLiteral("Don't Know")});
    Defaults();
}

// The answers a fresh window starts with, and the user's address.
void frmSupport::Defaults()
{
    cboSystem->setCurrentIndex(1);
    optConnect[2]->setChecked(true);
    optProxy[2]->setChecked(true);
    optError[1]->setChecked(true);
    ConnectionAnswer = QStringLiteral("Don't Know");
    ProxyAnswer = QStringLiteral("Don't Know");
    ErrorAnswer = QStringLiteral("No");
    Vb::Skip([this] { txtEmail->setText(Settings::Get(QStringLiteral("Email")).ToText()); });
}

void frmSupport::optConnect_Click(int index) { ConnectionAnswer = QString::fromLatin1(kConnectWords[index]); }
void frmSupport::optProxy_Click(int index) { ProxyAnswer = QString::fromLatin1(kProxyWords[index]); }
void frmSupport::optError_Click(int index) { ErrorAnswer = QString::fromLatin1(kErrorWords[index]); }

bool frmSupport::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool alt = modifiers == Qt::AltModifier;
    if ((key == Qt::Key_Escape && modifiers == Qt::NoModifier) || (alt && key == Qt::Key_X))
        CloseWindow();
    else if (alt && key == Qt::Key_S)
        SendData();
    else if (alt && key == Qt::Key_R)
        Reset();
    else
        return false;
    return true;
}

void frmSupport::Form_MouseMove()
{
    if (Shape1->isVisible())
        Shape1->hide();
}

void frmSupport::Panel1_Click(int index)
{
    switch (index) {
    case 0:
        CloseWindow();
        break;
    case 1:
        SendData();
        break;
    case 2:
        Reset();
        break;
    default:
        break;
    }
}

void frmSupport::Panel1_MouseMove(int index)
{
    QLabel *label = Panel1[index];
    if (!Shape1->isVisible() || Shape1->x() != label->x()) {
        Shape1->setGeometry(label->geometry());
        Shape1->show();
        Shape1->lower();
    }
    Misc::DoEvents();
}

void frmSupport::Panel1_MouseDown(int) { HighlightColour(Shape1, "rgb(0,255,0)"); }
void frmSupport::Panel1_MouseUp(int) { HighlightColour(Shape1, "rgb(255,255,0)"); }

QString frmSupport::SupportReport() const
{
    return QStringList{QStringLiteral("Date: ") + ShortDate(UpdateJobs::Today()),
                       QStringLiteral("From: ") + txtName->text(),
                       QStringLiteral("Email: ") + txtEmail->text(),
                       QStringLiteral("Tickerwatch version: ") + Version::ProductTrademark,
                       QStringLiteral("Operating system: ") + cboSystem->currentText(),
                       QStringLiteral("Internet Connection: ") + ConnectionAnswer,
                       QStringLiteral("Proxy: ") + ProxyAnswer,
                       QStringLiteral("Error Message: ") + ErrorAnswer,
                       QStringLiteral("Error Descreption: ") + txtError->toPlainText(),
                       QString(41, u'*'),
                       QStringLiteral("Note: ") + txtDesc->toPlainText()}
        .join(QStringLiteral("\r\n"));
}

void frmSupport::SendData()
{
    if (sending_)
        return;
    const RunOnce once(this, "SendData");
    if (!once)
        return;
    if (txtName->text().isEmpty() && txtEmail->text().isEmpty() && txtError->toPlainText().isEmpty()
        && txtDesc->toPlainText().isEmpty())
        return;
    const QPointer<frmSupport> self(this);
    bool close = true;
    try {
        QString server = Settings::Get(QStringLiteral("EmailServer")).ToText();
        if (server.size() < 2) {
            server = frmEmail::AskMailServer();
            if (!self)
                return;
            if (!server.isEmpty())
                Settings::Set(QStringLiteral("EmailServer"), server);
        }
        if (!server.isEmpty()) {
            // The report always carries the stored address, not a typed one.
            txtEmail->setText(Settings::Get(QStringLiteral("Email")).ToText());
            QString report = SupportReport();
            if (chkError->isChecked()) {
                report += QStringLiteral("\r\n*************************ErrorLog***********************\r\n")
                          + Text::FromCp1252(Misc::ReadFile(Misc::ErrorLogPath()));
                Misc::DoEvents();
                if (!self)
                    return;
            }
            // Servers refuse an empty sender.
            const QString sender = txtEmail->text().isEmpty() ? QStringLiteral("-") : txtEmail->text();
            sending_ = true;
            bool sent = false;
            {
                const std::unique_ptr<frmEmail> mail(new frmEmail);
                if (Misc::CheckOnline())
                    sent = mail->SendEmail(server, QStringLiteral("Tickerwatch User"), sender, QStringLiteral("Zandor"),
                                           Hosts::SupportAddress,
                                           QStringLiteral("Tickerwatch Technical Support Request"), report);
                Misc::DoEvents();
            }
            if (!self)
                return;
            sending_ = false;
            // A request that did not go out stays on screen to be sent again.
            close = sent;
        }
    } catch (const VbError &e) {
        if (!self)
            return;
        sending_ = false;
        Misc::ErrorTraping(e, QStringLiteral("frmSupport_SendData"), false);
    }
    if (close)
        CloseWindow();
}

void frmSupport::Reset()
{
    if (sending_)
        return;
    txtName->clear();
    txtError->clear();
    txtDesc->clear();
    Defaults();
}

void frmSupport::CloseWindow()
{
    if (sending_)
        return;
    const RunOnce once(this, "CloseWindow");
    if (!once)
        return;
    const QPointer<frmSupport> self(this);
    Misc::RollWindow(this, 25);
    if (!self)
        return;
    if (g_support == this)
        g_support = nullptr;
    hide();
    deleteLater();
}

void frmSupport::reject() { CloseWindow(); }

void frmSupport::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

bool frmSupport::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        return Form_KeyDown(key->key(), key->modifiers());
    }
    for (int i = 0; i < 3; ++i) {
        if (watched != Panel1[i])
            continue;
        switch (event->type()) {
        case QEvent::MouseMove:
            Panel1_MouseMove(i);
            break;
        case QEvent::MouseButtonPress:
            Panel1_MouseDown(i);
            break;
        case QEvent::MouseButtonRelease: {
            const QPointer<QLabel> label(Panel1[i]);
            Panel1_MouseUp(i);
            if (label && label->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                Panel1_Click(i);
            return true;
        }
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
