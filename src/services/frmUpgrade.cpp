#include "services/frmUpgrade.h"

#include "core/Hosts.h"
#include "core/Misc.h"
#include "platform/ControlNames.h"
#include "platform/Geometry.h"
#include "platform/RunOnce.h"
#include "platform/Shell.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>

namespace {
frmUpgrade *g_upgrade = nullptr;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QString kSite = QStringLiteral("MakerWebHost");

const char *const kLinks[frmUpgrade::LinkCount] = {"Start Download", "Get More Information",
                                                   "Take Me To Download Area", "Close"};

} // namespace

frmUpgrade::frmUpgrade(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmUpgrade"));
    setWindowTitle(QString());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMouseTracking(true);

    auto *root = new QVBoxLayout(this);
    // The roll-up effect shrinks the window below its layout's minimum.
    root->setSizeConstraint(QLayout::SetNoConstraint);
    root->setContentsMargins(12, 12, 12, 8);
    Label1 = new QLabel(QStringLiteral("Zandor is pleased to announced the new version of Tickerwatch."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setPointSizeF(12);
    heading.setItalic(true);
    Label1->setFont(heading);
    VbColor::SetForeColor(Label1, QColor(64, 64, 64));
    Label1->setMouseTracking(true);
    root->addWidget(Label1);
    root->addStretch(1);

    auto *row = new QHBoxLayout;
    row->setSpacing(Twips::ToPixels(360));
    QFont link(QStringLiteral("MS Sans Serif"));
    link.setPointSizeF(8.25);
    link.setUnderline(true);
    for (int i = 0; i < LinkCount; ++i) {
        lblNav[i] = new QLabel(QString::fromLatin1(kLinks[i]), this);
        lblNav[i]->setObjectName(ControlNames::Indexed("lblNav", i));
        lblNav[i]->setFont(link);
        lblNav[i]->setCursor(Qt::PointingHandCursor);
        lblNav[i]->setMouseTracking(true);
        VbColor::SetForeColor(lblNav[i], kBlue);
        lblNav[i]->installEventFilter(this);
        row->addWidget(lblNav[i]);
    }
    row->addStretch(1);
    root->addLayout(row);
    resize(Twips::ToPixels(6600), Twips::ToPixels(1500));
    Geometry::CenterOnScreen(this);
}

frmUpgrade::~frmUpgrade()
{
    if (g_upgrade == this)
        g_upgrade = nullptr;
}

frmUpgrade *frmUpgrade::Loaded() { return g_upgrade; }

frmUpgrade *frmUpgrade::ShowModeless(std::function<void()> showOptions)
{
    if (!g_upgrade)
        g_upgrade = new frmUpgrade;
    g_upgrade->showOptions_ = std::move(showOptions);
    g_upgrade->show();
    return g_upgrade;
}

void frmUpgrade::Unload()
{
    if (g_upgrade == this)
        g_upgrade = nullptr;
    hide();
    deleteLater();
}

bool frmUpgrade::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < LinkCount; ++i) {
        if (watched != lblNav[i])
            continue;
        if (event->type() == QEvent::MouseMove) {
            lblNav_MouseMove(i);
            return true; // the window's background must not see it
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && lblNav[i]->rect().contains(mouse->position().toPoint())) {
                lblNav_Click(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmUpgrade::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void frmUpgrade::lblNav_MouseMove(int index)
{
    if (VbColor::ForeColor(lblNav[index]) == kRed)
        return;
    for (QLabel *l : lblNav)
        VbColor::SetForeColor(l, kBlue);
    VbColor::SetForeColor(lblNav[index], kRed);
}

void frmUpgrade::Form_MouseMove()
{
    for (QLabel *l : lblNav)
        VbColor::SetForeColor(l, kBlue);
}

void frmUpgrade::lblNav_Click(int index)
{
    // Closing yields (the roll-up): one click at a time, and the window may
    // go meanwhile.
    const RunOnce once(this, "lblNav_Click");
    if (!once)
        return;
    const QPointer<frmUpgrade> self(this);
    switch (index) {
    case 0:
        StartDownload(Hosts::Url(kSite, QStringLiteral("/Tkw58.zip")));
        break;
    case 1:
        Misc::OpenLink(Hosts::Url(kSite, QStringLiteral("/tickerwatch.htm")));
        if (self)
            CloseWindow();
        break;
    case 2:
        Misc::OpenLink(Hosts::Url(kSite, QStringLiteral("/tickerwatch.htm#download")));
        if (self)
            CloseWindow();
        break;
    case 3: {
        Misc::RollWindow(this, 25);
        if (!self)
            return;
        // Taken first: the window may be deleted while events turn.
        const std::function<void()> showOptions = showOptions_;
        Unload();
        Misc::DoEvents();
        // Loaded afresh: the window that started the check is gone.
        if (showOptions)
            showOptions();
        break;
    }
    default:
        break;
    }
}

void frmUpgrade::StartDownload(const QString &address)
{
    // No online check on this road, as the shell's download dialog had none.
    Shell::Open(address);
}

void frmUpgrade::CloseWindow()
{
    const QPointer<frmUpgrade> self(this);
    Misc::RollWindow(this, 25);
    Misc::DoEvents();
    if (self)
        Unload();
}
