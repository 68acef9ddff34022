#include "services/NetSetting.h"

#include "core/Misc.h"
#include "core/Settings.h"
#include "platform/Geometry.h"
#include "platform/Dialogs.h"
#include "platform/RunOnce.h"
#include "platform/Vb.h"
#include "services/Thanks.h"
#include "services/frmSplash.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
NetSetting *g_net = nullptr;
const QString kExampleMailServer = QStringLiteral("mail.example.net");


QString State(const QCheckBox *box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }

bool ReadsTrue(const RegVariant &v)
{
    const QString t = v.ToText().trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0 || t.isEmpty())
        return false;
    return Vb::CDbl(t) != 0;
}
} // namespace

NetSetting::NetSetting(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("NetSetting"));
    setWindowTitle(QStringLiteral("Tickerwatch Setting"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(14, 14, 14, 14);
    root->setSpacing(10);

    auto *mailRow = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        optMailServer[i] = new QRadioButton(i == 0 ? QStringLiteral("Use internal mail software")
                                                   : QStringLiteral("Use external mail software"), this);
        optMailServer[i]->setObjectName(QStringLiteral("optMailServer_%1").arg(i));
        mailRow->addWidget(optMailServer[i]);
    }
    optMailServer[0]->setChecked(true); // design state: no handler runs for it
    for (int i = 0; i < 2; ++i)
        connect(optMailServer[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optMailServer_Click(i);
        });
    root->addLayout(mailRow);

    auto *box = new QGroupBox(QStringLiteral("Internet settings"), this);
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(6);
    const char *labels[3] = {"Label1", "Label2", "Label3"};
    const QString texts[3] = {QStringLiteral("Your e-mail server (%1):").arg(kExampleMailServer),
                              QStringLiteral("Your news server (news.example.net):"),
                              QStringLiteral("Your e-mail address (you@example.net):")};
    QLabel **labelPtr[3] = {&Label1, &Label2, &Label3};
    for (int i = 0; i < 3; ++i) {
        *labelPtr[i] = new QLabel(texts[i], box);
        (*labelPtr[i])->setObjectName(QString::fromLatin1(labels[i]));
        txtData[i] = new QLineEdit(box);
        txtData[i]->setObjectName(QStringLiteral("txtData_%1").arg(i));
        txtData[i]->setMinimumWidth(220);
        (*labelPtr[i])->setBuddy(txtData[i]);
        grid->addWidget(*labelPtr[i], i, 0);
        grid->addWidget(txtData[i], i, 1);
    }
    root->addWidget(box);

    Check1 = new QCheckBox(QStringLiteral("Prompt me to dial when connection is neaded"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setChecked(true);
    root->addWidget(Check1);
    connect(Check1, &QCheckBox::stateChanged, this, [this] { Check1_Click(); });

    auto *proxyRow = new QHBoxLayout;
    chkProxy = new QCheckBox(QStringLiteral("Use proxy server:"), this);
    chkProxy->setObjectName(QStringLiteral("chkProxy"));
    txtProxy = new QLineEdit(this);
    txtProxy->setObjectName(QStringLiteral("txtProxy"));
    txtProxy->setAccessibleName(QStringLiteral("Proxy server"));
    proxyRow->addWidget(chkProxy);
    proxyRow->addWidget(txtProxy, 1);
    root->addLayout(proxyRow);
    connect(chkProxy, &QCheckBox::stateChanged, this, [this] { chkProxy_Click(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdclose = new QPushButton(QStringLiteral("&Close"), this);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    cmdclose->setDefault(true);
    cmdclose->setAutoDefault(true);
    cmdclose->setMinimumWidth(90);
    buttons->addWidget(cmdclose);
    root->addLayout(buttons);
    connect(cmdclose, &QPushButton::clicked, this, [this] { cmdclose_Click(); });

    adjustSize();
    Geometry::CenterOnScreen(this);
}

NetSetting::~NetSetting()
{
    if (g_net == this)
        g_net = nullptr;
}

NetSetting *NetSetting::Loaded() { return g_net; }

NetSetting *NetSetting::ShowModeless()
{
    if (!g_net) {
        g_net = new NetSetting;
        g_net->Form_Load();
    }
    g_net->show();
    return g_net;
}

void NetSetting::Form_Load() { init(); }

void NetSetting::init()
{
    Vb::Skip([] { Misc::Sleep(2000); });
    Vb::Skip([] { frmSplash::UnloadSplash(); });
    Vb::Skip([this] { txtData[1]->setText(Settings::Get(QStringLiteral("NewsServer")).ToText()); });
    Vb::Skip([this] { txtData[0]->setText(Settings::Get(QStringLiteral("EmailServer")).ToText()); });
    Vb::Skip([this] { txtData[2]->setText(Settings::Get(QStringLiteral("Email")).ToText()); });
    Vb::Skip([] { Settings::Set(QStringLiteral("RunOnce"), QStringLiteral("1")); });
    Vb::Skip([] { Settings::Set(QStringLiteral("ShutDown"), QStringLiteral("0")); });
    Vb::Skip([this] {
        if (ReadsTrue(Settings::Get(QStringLiteral("ExternalMailServer"))))
            optMailServer[1]->setChecked(true);
    });
    Misc::DoEvents();
}

void NetSetting::optMailServer_Click(int)
{
    const bool internal = optMailServer[0]->isChecked();
    txtData[0]->setEnabled(internal);
    Label1->setEnabled(internal);
}

void NetSetting::Check1_Click()
{
    Settings::Set(QStringLiteral("Prompt"), State(Check1));
}

void NetSetting::chkProxy_Click()
{
    txtProxy->setEnabled(chkProxy->isChecked());
    Settings::Set(QStringLiteral("ProxyE"), State(chkProxy));
}

void NetSetting::cmdclose_Click()
{
    // The roll-up yields: a second click must not run this again, and the
    // window may be closed meanwhile.
    const RunOnce once(this, "cmdclose_Click");
    if (!once)
        return;
    const QPointer<NetSetting> self(this);
    if (txtData[0]->text().isEmpty() && optMailServer[0]->isChecked()) {
        const QString answer = Dialogs::InputBox(QStringLiteral("Enter your Email server or select 'Use external mail software'"),
                                                 QStringLiteral("Missing mail server address"), kExampleMailServer);
        if (!answer.isEmpty())
            txtData[0]->setText(answer);
        return;
    }
    Vb::Skip([this] { Settings::Set(QStringLiteral("Prompt"), State(Check1)); });
    Vb::Skip([this] {
        if (!txtData[1]->text().isEmpty())
            Settings::Set(QStringLiteral("NewsServer"), txtData[1]->text());
    });
    Vb::Skip([this] {
        if (!txtData[2]->text().isEmpty())
            Settings::Set(QStringLiteral("Email"), txtData[2]->text());
    });
    Vb::Skip([this] {
        if (!txtData[0]->text().isEmpty())
            Settings::Set(QStringLiteral("EmailServer"), txtData[0]->text());
    });
    Vb::Skip([this] { Settings::Set(QStringLiteral("Proxy"), txtProxy->text()); });
    Vb::Skip([this] { Settings::Set(QStringLiteral("ProxyE"), State(chkProxy)); });
    Vb::Skip([this] {
        Settings::Set(QStringLiteral("ExternalMailServer"),
                      optMailServer[1]->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
    });
    Misc::RollWindow(this, 25);
    if (self) {
        hide();
        g_net = nullptr;
        deleteLater();
    }
    Misc::DoEvents();
    // The settings are stored: go on to the questionnaire even when the
    // window was closed while it rolled up.
    Thanks::ShowModeless();
    Misc::DoEvents();
}
