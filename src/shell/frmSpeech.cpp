#include "shell/frmSpeech.h"

#include "core/Misc.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/RunOnce.h"
#include "platform/Speech.h"
#include "platform/Vb.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace {

frmSpeech *g_speech = nullptr;

// RGB(129, 217, 239) as 0x00BBGGRR.
constexpr uint32_t TintColour = 0xEFD981;

// A failing handler is logged without a box under its own place text.
template <typename F> void Logged(const char *handler, F &&f)
{
    try {
        f();
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("frmSpeech_") + QLatin1String(handler), false);
    }
}

// Left to right: Close, Hide, Rewind, Pause, Resume, Stop, Forward.
constexpr struct {
    const char *caption;
    int left; // twips
} NavButtons[frmSpeech::ButtonCount] = {
    {"Resume", 2840}, {"Pause", 2160}, {"Stop", 3520}, {"Rewind", 1480},
    {"Forward", 4200}, {"Close", 120}, {"Hide", 800},
};
constexpr int NavTop = 240, NavWidth = 660, NavHeight = 255;

} // namespace

frmSpeech::frmSpeech(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSpeech"));
    setWindowTitle(Dialogs::AppTitle());
    setMouseTracking(true);
    Geometry::Move(this, 0, 0, 4980, 560);

    TextToSpeech1 = new Speech(this);
    TextToSpeech1->setObjectName(QStringLiteral("TextToSpeech1"));
    connect(TextToSpeech1, &Speech::AudioStop, this, [this] { TextToSpeech1_AudioStop(); });
    connect(TextToSpeech1, &Speech::Failed, this, [this] { TextToSpeech1_Failed(); });
    connect(TextToSpeech1, &Speech::AudioStart, this, [this] { lblError->hide(); });

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);
    Geometry::Move(Picture1, 60, 210, 4860, 300);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAutoFillBackground(true);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->hide();
    Geometry::Move(Shape1, NavButtons[Close].left, NavTop - 15, NavWidth, NavHeight + 30);
    SetShapeFill(QColor(255, 255, 0));

    for (int i = 0; i < ButtonCount; ++i) {
        auto *label = new QLabel(QString::fromLatin1(NavButtons[i].caption), this);
        label->setObjectName(QStringLiteral("lblNav_%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        Geometry::Move(label, NavButtons[i].left, NavTop, NavWidth, NavHeight);
        lblNav[i] = label;
    }
    lblNav[Resume]->setEnabled(false);

    lblWait = new QLabel(QStringLiteral("Please Wait.."), this);
    lblWait->setObjectName(QStringLiteral("lblWait"));
    Geometry::Move(lblWait, 120, 20, 1500, 180);
    lblWait->hide();

    lblError = new QLabel(this);
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setAutoFillBackground(true); // covers "Please Wait.." beneath it
    Geometry::Move(lblError, 120, 15, 4740, 195);
    lblError->hide();
}

frmSpeech::~frmSpeech()
{
    if (g_speech == this)
        g_speech = nullptr;
}

frmSpeech *frmSpeech::Load()
{
    if (!g_speech) {
        g_speech = new frmSpeech;
        g_speech->Form_Load();
    }
    return g_speech;
}

frmSpeech *frmSpeech::Loaded() { return g_speech; }

void frmSpeech::Unload()
{
    frmSpeech *w = g_speech;
    if (!w)
        return;
    g_speech = nullptr;
    // A button of the window may be the one that asked.
    w->hide();
    w->deleteLater();
}

void frmSpeech::Form_Load()
{
    Logged("Form_Load", [this] { TextToSpeech1->SetVolume(10); });
    if (!TextToSpeech1->FailureText().isEmpty())
        TextToSpeech1_Failed();
}

void frmSpeech::TextToSpeech1_Failed()
{
    lblError->setText(QStringLiteral("Speech is not available: ") + TextToSpeech1->FailureText());
    lblError->setToolTip(lblError->text());
    lblError->show();
    lblError->raise();
    for (int i : {Resume, Pause, Stop, Rewind, Forward})
        lblNav[i]->setEnabled(false);
    Shape1->hide();
}

void frmSpeech::TextToSpeech1_AudioStop()
{
    Logged("TextToSpeech1_AudioStop", [this] { TextToSpeech1->SetVolume(10); });
}

void frmSpeech::lblNav_Click(int index)
{
    try {
        switch (index) {
        case Resume:
            TextToSpeech1->Resume();
            break;
        case Pause:
            TextToSpeech1->Pause();
            break;
        case Stop:
            TextToSpeech1->StopSpeaking();
            break;
        case Rewind:
            TextToSpeech1->SkipBack();
            break;
        case Forward:
            TextToSpeech1->SkipForward();
            break;
        case Close: {
            // The roll-up yields: a second click waits for the first.
            const RunOnce once(this, "lblNav_Click_Close");
            if (!once)
                return;
            // Without a working engine there is nothing to stop, and the
            // window must still close.
            if (TextToSpeech1->FailureText().isEmpty())
                TextToSpeech1->StopSpeaking();
            const QPointer<frmSpeech> alive(this);
            Misc::DoEvents();
            if (alive)
                Misc::RollWindow(this, 25);
            if (alive)
                Misc::DoEvents();
            if (alive)
                Unload();
            return;
        }
        case Hide:
            hide();
            break;
        default:
            return;
        }
        if (!TextToSpeech1->FailureText().isEmpty())
            return; // the buttons stay as the failure left them
        const bool speaking = TextToSpeech1->IsSpeaking();
        lblNav[Resume]->setEnabled(!speaking);
        for (int i : {Pause, Stop, Rewind, Forward})
            lblNav[i]->setEnabled(speaking);
    } catch (const VbError &e) {
        const int code = TextToSpeech1->LastError();
        Dialogs::MsgBox(QStringLiteral("Error using speech engine, ") + QString::number(uint32_t(code), 16).toUpper(),
                        Dialogs::vbOKOnly, Dialogs::AppTitle());
        Misc::ErrorTraping(e, QStringLiteral("frmSpeech_lblNav_Click"), false);
    }
}

void frmSpeech::Form_Paint()
{
    // The window then keeps the tinted screen as its own image.
    Logged("Form_Paint", [this] { Misc::TintForm(this, TintColour); });
}

void frmSpeech::Form_MouseDown(int button)
{
    // A press anywhere on the surface moves the window as its caption would.
    Logged("Form_MouseDown", [this, button] {
        if (button == 1 && windowHandle())
            windowHandle()->startSystemMove();
        Misc::DoEvents();
    });
}

void frmSpeech::Form_MouseMove()
{
    if (Shape1->isVisibleTo(this))
        Shape1->hide();
}

void frmSpeech::Picture1_MouseMove() { Form_MouseMove(); }

void frmSpeech::lblNav_MouseMove(int index)
{
    QLabel *button = lblNav[index];
    if (Shape1->x() == button->x() && Shape1->isVisibleTo(this))
        return;
    Shape1->show();
    Shape1->move(button->x(), Shape1->y());
    Shape1->resize(button->width(), Shape1->height());
    Misc::DoEvents();
}

void frmSpeech::lblNav_MouseDown(int) { SetShapeFill(QColor(0, 255, 0)); }
void frmSpeech::lblNav_MouseUp(int) { SetShapeFill(QColor(255, 255, 0)); }

void frmSpeech::SetShapeFill(const QColor &color)
{
    QPalette pal = Shape1->palette();
    pal.setColor(QPalette::Window, color);
    Shape1->setPalette(pal);
}

bool frmSpeech::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (watched == Picture1) {
        if (type == QEvent::MouseMove)
            Picture1_MouseMove();
        return false;
    }
    for (int i = 0; i < ButtonCount; ++i) {
        if (watched != lblNav[i])
            continue;
        // A disabled button hears nothing, not even the pointer passing.
        if (!lblNav[i]->isEnabled())
            return true;
        if (type == QEvent::MouseMove) {
            lblNav_MouseMove(i);
        } else if (type == QEvent::MouseButtonPress) {
            lblNav_MouseDown(i);
        } else {
            lblNav_MouseUp(i);
            // A click is a left release over the button it was pressed on.
            if (mouse->button() == Qt::LeftButton && lblNav[i]->rect().contains(mouse->position().toPoint()))
                lblNav_Click(i);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSpeech::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (painted_)
        return;
    painted_ = true;
    // The tint hides and shows the window: not from inside its own paint.
    QTimer::singleShot(0, this, [this] { Form_Paint(); });
}

void frmSpeech::mousePressEvent(QMouseEvent *event)
{
    const int button = event->button() == Qt::LeftButton ? 1 : event->button() == Qt::RightButton ? 2 : 4;
    Form_MouseDown(button);
}

void frmSpeech::mouseMoveEvent(QMouseEvent *) { Form_MouseMove(); }
