#include "shell/GRP.h"

#include "core/Misc.h"
#include "platform/Artwork.h"
#include "platform/Geometry.h"
#include "platform/RunOnce.h"
#include "platform/Twips.h"
#include "shell/ClsManip.h"
#include "shell/PictureBox.h"

#include <QCloseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSlider>

namespace {
GRP *g_grp = nullptr;

// Stops a running ripple and lets go of the effect; a play loop still on the
// stack keeps its own share and ends after its current frame.
void Release(GRP *w)
{
    if (w->Effect && w->Effect->IsPlay() == QStringLiteral("False"))
        w->Effect->DoRipple(w->RelaxFrequency);
    w->Effect.reset();
}
} // namespace

GRP::GRP(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("GRP"));
    setWindowTitle(QString());
    resize(Twips::ToPixels(5685), Twips::ToPixels(2715));

    Pictbox = new PictureBox(this);
    Pictbox->setObjectName(QStringLiteral("Pictbox"));
    Geometry::Move(Pictbox, 120, 120, 5085, 2205);
    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Geometry::Move(Picture1, 120, 120, 5085, 2205);
    Picture1->hide();

    Command1 = new QPushButton(QStringLiteral("Start"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Start Relaxation"));
    Geometry::Move(Command1, 120, 2400, 975, 255);
    cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setToolTip(QStringLiteral("Close"));
    Geometry::Move(cmdClose, 4560, 2400, 975, 255);

    // Tenths of the wave frequency; the design value matches the 0.1 the
    // window starts with.
    Slider1 = new QSlider(Qt::Vertical, this);
    Slider1->setObjectName(QStringLiteral("Slider1"));
    Slider1->setRange(0, 10);
    Slider1->setValue(1);
    Slider1->setTickPosition(QSlider::TicksBothSides);
    Geometry::Move(Slider1, 5280, 120, 315, 2175);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(Slider1, &QSlider::valueChanged, this, [this] { Slider1_Change(); });
    // Any move by the user, mouse or keys, comes before its change.
    connect(Slider1, &QSlider::actionTriggered, this, [this] { Slider1_Scroll(); });
    Geometry::CenterOnScreen(this);
}

GRP::~GRP()
{
    if (g_grp == this)
        g_grp = nullptr;
}

GRP *GRP::ShowModeless()
{
    if (!g_grp) {
        g_grp = new GRP;
        g_grp->Form_Load();
    }
    g_grp->show();
    return g_grp;
}

GRP *GRP::Loaded() { return g_grp; }

void GRP::Unload()
{
    GRP *w = g_grp;
    if (!w)
        return;
    g_grp = nullptr;
    Release(w);
    // The Exit button or a play loop below it may still be on the stack.
    w->hide();
    w->deleteLater();
}

void GRP::Form_Load()
{
    Effect = std::make_shared<ClsManip>();
    RelaxFrequency = 1.0f / 10;
    Effect->IntCls(this, Pictbox, Picture1);
    Effect->IntRipple(Artwork::PictureFile(QStringLiteral("Dollar")), RelaxFrequency);
}

void GRP::Command1_Click()
{
    // The loop runs inside this click; Exit may release the window's share.
    const std::shared_ptr<ClsManip> effect = Effect;
    if (!effect)
        return;
    Command1->setText(effect->IsPlay() == QStringLiteral("True") ? QStringLiteral("Stop") : QStringLiteral("Start"));
    effect->DoRipple(RelaxFrequency);
}

void GRP::Slider1_Change() { RelaxFrequency = float(Slider1->value()) / 10; }

void GRP::Slider1_Scroll()
{
    if (Effect && Effect->IsPlay() == QStringLiteral("False")) {
        Command1->setText(QStringLiteral("Start"));
        Effect->DoRipple(RelaxFrequency);
    }
}

void GRP::cmdClose_Click()
{
    // The roll-up yields: a second click waits for the first.
    const RunOnce once(this, "cmdClose_Click");
    if (!once)
        return;
    if (Effect && Effect->IsPlay() == QStringLiteral("False"))
        Effect->DoRipple(RelaxFrequency);
    const QPointer<GRP> alive(this);
    Misc::RollWindow(this, 25);
    if (alive && g_grp == this)
        Unload();
}

void GRP::closeEvent(QCloseEvent *event)
{
    // The close box ends a running ripple too, or its loop would go on
    // drawing for a window nobody sees.
    event->accept();
    if (g_grp == this)
        Unload();
    else
        Release(this);
}
