#include "services/frmSplash.h"

#include "core/Hosts.h"
#include "core/Misc.h"
#include "core/Version.h"
#include "platform/Geometry.h"
#include "platform/Artwork.h"
#include "platform/Shell.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
frmSplash *g_splash = nullptr;
}

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Tickerwatch"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 8);
    lay->setSpacing(4);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(Artwork::Picture(QStringLiteral("SPLASH")));
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setCursor(Qt::PointingHandCursor);
    lay->addWidget(Image2);

    auto line = [this, lay](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignCenter);
        l->setContentsMargins(12, 0, 12, 0);
        lay->addWidget(l);
        return l;
    };
    Label1 = line("Label1");
    Label2 = line("Label2");
    Label2->setCursor(Qt::PointingHandCursor);
    lblEmail = line("lblEmail");
    lblEmail->setCursor(Qt::PointingHandCursor);

    pb1 = new QProgressBar(this);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->setRange(0, 100);
    pb1->setTextVisible(false);
    pb1->setFixedHeight(10);
    pb1->setVisible(false);
    auto *pbRow = new QHBoxLayout;
    pbRow->setContentsMargins(12, 0, 12, 0);
    pbRow->addWidget(pb1);
    lay->addLayout(pbRow);

    setStyleSheet(QStringLiteral("frmSplash { background: #0f2238; border: 1px solid #3a6ea5; }"
                                 "QLabel { color: #dbe7f3; }"
                                 "QLabel#Label1 { font-weight: bold; }"
                                 "QLabel#lblEmail { color: #8fc3ff; text-decoration: underline; }"
                                 "QProgressBar { background: #1b3553; border: 1px solid #3a6ea5; border-radius: 4px; }"
                                 "QProgressBar::chunk { background: #4fa3f7; border-radius: 3px; }"));

    for (QLabel *l : {Image2, Label2, lblEmail})
        l->installEventFilter(this);
    Form_Load();
    adjustSize();
    Geometry::CenterOnScreen(this);
}

frmSplash::~frmSplash()
{
    if (g_splash == this)
        g_splash = nullptr;
}

frmSplash *frmSplash::Loaded() { return g_splash; }

frmSplash *frmSplash::Load()
{
    if (!g_splash)
        g_splash = new frmSplash;
    return g_splash;
}

void frmSplash::UnloadSplash()
{
    if (g_splash) {
        frmSplash *s = g_splash;
        g_splash = nullptr;
        s->hide();
        s->deleteLater();
    }
}

void frmSplash::Progress(int value)
{
    if (g_splash && g_splash->pb1)
        g_splash->pb1->setValue(value);
}

void frmSplash::Form_Load()
{
    Label1->setText(Version::ProductTrademark);
    Label2->setText(QStringLiteral("Copyright \u00A9 Zandor. All rights reserved."));
    lblEmail->setText(QStringLiteral("Email: ") + Hosts::SupportAddress);
    lblEmail->setToolTip(QStringLiteral("Click To Email Zandor"));
}

void frmSplash::Image2_Click() { UnloadSplash(); }

void frmSplash::Label2_MouseDown()
{
    Shell::Open(Hosts::MakerHomePage());
    Misc::DoEvents();
}

void frmSplash::lblEmail_Click()
{
    Shell::Open(QStringLiteral("mailto:") + Hosts::SupportAddress);
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label2 && event->type() == QEvent::MouseButtonPress) {
        Label2_MouseDown();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Image2) {
            Image2_Click();
            return true;
        }
        if (watched == lblEmail) {
            lblEmail_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
