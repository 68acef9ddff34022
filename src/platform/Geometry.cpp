#include "platform/Geometry.h"

#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace Geometry {

namespace {

// The frame the desktop gave the last window it framed.
QMargins g_lastFrame;

// Set on a window placed while it existed on the desktop unframed: Qt then
// takes its place as the inner area's, not the frame's as before.
constexpr char InnerPlaced[] = "twInnerPlaced";

// The window's own frame, remembered for the next window; null while it
// has none yet.
QMargins OwnFrame(const QWidget *w)
{
    const QRect f = w->frameGeometry();
    const QRect g = w->geometry();
    const QMargins m(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
    // A frame caught halfway through its framing is no frame.
    if (m.left() < 0 || m.top() < 0 || m.right() < 0 || m.bottom() < 0)
        return {};
    if (!m.isNull())
        g_lastFrame = m;
    return m;
}

bool Bare(const QWidget *w)
{
    const Qt::WindowFlags flags = w->windowFlags();
    if (flags & (Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint))
        return true;
    const Qt::WindowType type = w->windowType();
    return type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen || type == Qt::Desktop;
}

bool Exposed(const QWidget *w) { return w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed(); }

// The free area of the screen at a point, the primary screen's when none is
// there; empty without a screen.
QRect AreaAt(const QPoint &p)
{
    const QScreen *screen = QGuiApplication::screenAt(p);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Waits for the window's first exposure after its showing: by then the
// desktop has framed it, or left it bare.
class FramedWatch : public QObject {
public:
    FramedWatch(QWidget *w, std::function<void(QWidget *)> then) : QObject(w), w_(w), then_(std::move(then))
    {
        w->installEventFilter(this);
        Hook();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == w_ && event->type() == QEvent::Show) {
            Hook();
        } else if (watched == handle_ && event->type() == QEvent::Expose && handle_->isExposed()) {
            // Placed after the exposure is handled, not inside it.
            QTimer::singleShot(0, w_, [w = QPointer<QWidget>(w_), then = then_] {
                if (w)
                    then(w);
            });
            handle_->removeEventFilter(this);
            w_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    void Hook()
    {
        QWindow *h = w_->windowHandle();
        if (!h || h == handle_)
            return;
        if (handle_)
            handle_->removeEventFilter(this);
        handle_ = h;
        h->installEventFilter(this);
    }

    QWidget *w_;
    QPointer<QWindow> handle_;
    std::function<void(QWidget *)> then_;
};

} // namespace

QMargins FrameMargins(const QWidget *w)
{
    if (!w->isWindow())
        return {};
    if (const QMargins own = OwnFrame(w); !own.isNull())
        return own;
    // Shown without a frame: the desktop draws none round it.
    if (Bare(w) || Exposed(w))
        return {};
    return g_lastFrame;
}

QRect Outer(const QWidget *w)
{
    if (w->isWindow() && w->layout() && !w->isVisible() && !w->testAttribute(Qt::WA_Resized))
        const_cast<QWidget *>(w)->adjustSize();
    if (!w->isWindow())
        return w->geometry();
    // pos() is the frame's corner also while a place given before the
    // window existed waits for its frame; frameGeometry() is not.
    const QMargins m = FrameMargins(w);
    QPoint at = w->pos();
    if (OwnFrame(w).isNull() && w->testAttribute(Qt::WA_WState_Created) && w->property(InnerPlaced).toBool())
        at -= QPoint(m.left(), m.top());
    return QRect(at, w->size().grownBy(m));
}

void MoveFrame(QWidget *w, const QPoint &at)
{
    // Qt places the frame itself while the window does not exist yet, and
    // once it knows the frame.
    if (!w->isWindow() || !OwnFrame(w).isNull() || !w->testAttribute(Qt::WA_WState_Created)) {
        if (w->isWindow())
            w->setProperty(InnerPlaced, QVariant());
        w->move(at);
        return;
    }
    const QMargins m = FrameMargins(w);
    w->move(at + QPoint(m.left(), m.top()));
    w->setProperty(InnerPlaced, true);
}

QRect FreeArea(const QWidget *w) { return AreaAt(Outer(w).center()); }

void WhenFramed(QWidget *w, std::function<void(QWidget *)> then)
{
    if (Exposed(w)) {
        then(w);
        return;
    }
    new FramedWatch(w, std::move(then));
}

QPoint Centred(const QWidget *w, const QRect &around)
{
    return around.center() - QRect(QPoint(), Outer(w).size()).center();
}

void CenterOn(QWidget *w, const QRect &around) { MoveFrame(w, Centred(w, around)); }

void CenterOnScreen(QWidget *w)
{
    if (const QScreen *s = QGuiApplication::primaryScreen())
        CenterOn(w, s->availableGeometry());
}

void Move(QWidget *w, double left, double top, double width, double height)
{
    const int pw = qMax(0, Twips::ToPixels(width));
    const int ph = qMax(0, Twips::ToPixels(height));
    if (w->isWindow()) {
        // Window measures include the frame; Qt sizes the inner area.
        const QMargins m = FrameMargins(w);
        MoveFrame(w, QPoint(Twips::ToPixels(left), Twips::ToPixels(top)));
        w->resize(qMax(0, pw - m.left() - m.right()), qMax(0, ph - m.top() - m.bottom()));
    } else {
        w->setGeometry(Twips::ToPixels(left), Twips::ToPixels(top), pw, ph);
    }
}

void SetLeft(QWidget *w, double left) { Move(w, left, Top(w), Width(w), Height(w)); }
void SetTop(QWidget *w, double top) { Move(w, Left(w), top, Width(w), Height(w)); }
void SetWidth(QWidget *w, double width) { Move(w, Left(w), Top(w), width, Height(w)); }
void SetHeight(QWidget *w, double height) { Move(w, Left(w), Top(w), Width(w), height); }

void PlaceOnScreen(QWidget *w, const QPoint &at)
{
    if (!w->isWindow())
        return;
    QRect frame(at, Outer(w).size());
    const QRect area = AreaAt(frame.center());
    if (area.isEmpty())
        return;
    const QSize extra = frame.size() - w->size();
    const QSize most = area.size() - extra;
    if (w->width() > most.width() || w->height() > most.height()) {
        // Qt keeps the window at its least size.
        w->resize(w->size().boundedTo(most));
        frame.setSize(w->size() + extra);
    }
    // The left and top edges last, so that a window larger than the area
    // keeps its title bar on the screen.
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    // A framed window is moved only when it must: each move is a request
    // to the desktop, answered later.
    if (frame.topLeft() != Outer(w).topLeft())
        MoveFrame(w, frame.topLeft());
}

void KeepOnScreen(QWidget *w)
{
    if (!w || !w->isWindow())
        return;
    PlaceOnScreen(w, Outer(w).topLeft());
    if (!Exposed(w))
        WhenFramed(w, [](QWidget *framed) { PlaceOnScreen(framed, Outer(framed).topLeft()); });
}

} // namespace Geometry
