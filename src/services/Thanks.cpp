#include "services/Thanks.h"

#include "core/Misc.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "platform/Geometry.h"
#include "platform/RunOnce.h"
#include "platform/Vb.h"
#include "shell/frmMain.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
Thanks *g_thanks = nullptr;
}

Thanks::Thanks(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Thanks"));
    setWindowTitle(QStringLiteral("Thank you for using Tickerwatch"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(14, 14, 14, 14);
    auto *greeting = new QLabel(QStringLiteral("Thank you for choosing Tickerwatch."), this);
    greeting->setObjectName(QStringLiteral("lblGreeting"));
    lay->addWidget(greeting);
    chkPrompt = new QCheckBox(QStringLiteral("Don't Show this massage anymore."), this);
    chkPrompt->setObjectName(QStringLiteral("chkPrompt"));
    lay->addWidget(chkPrompt);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    row->addWidget(cmdClose);
    lay->addLayout(row);
    connect(chkPrompt, &QCheckBox::stateChanged, this, [this] { chkPrompt_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    adjustSize();
    Geometry::CenterOnScreen(this);
}

Thanks::~Thanks()
{
    if (g_thanks == this)
        g_thanks = nullptr;
}

Thanks *Thanks::Loaded() { return g_thanks; }

Thanks *Thanks::ShowModeless()
{
    if (!g_thanks) {
        g_thanks = new Thanks;
        g_thanks->Form_Load();
    }
    g_thanks->show();
    return g_thanks;
}

void Thanks::Form_Load()
{
    try {
        const RegVariant v = Settings::Get(QStringLiteral("Thanks"));
        chkPrompt->setChecked(v.IsEmptyText() ? true : v.ToNumber() != 0);
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("Thanks_Form_Load"), false);
    }
}

void Thanks::chkPrompt_Click()
{
    Settings::Set(QStringLiteral("Thanks"), chkPrompt->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void Thanks::SendData()
{
    // The questionnaire's questions and the queued record come with the
    // feedback window itself.
}

void Thanks::cmdClose_Click()
{
    // Every step yields: a second click must not run this again, and the
    // window may be closed meanwhile; the road to the main window goes on.
    const RunOnce once(this, "cmdClose_Click");
    if (!once)
        return;
    const QPointer<Thanks> self(this);
    try {
        SendData();
        Misc::DoEvents();
        Stock::ReadPortfolio();
        Misc::DoEvents();
        frmMain::Instance()->ShowWindow();
        Misc::DoEvents();
        if (self)
            Misc::RollWindow(self, 25);
        if (self) {
            self->hide();
            g_thanks = nullptr;
            self->deleteLater();
        }
        Stock::ReadStocks();
        Misc::DoEvents();
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("Thanks_cmdclose_Click"), false);
    }
}
