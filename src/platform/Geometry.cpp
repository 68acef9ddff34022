#include "platform/Geometry.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QPointer>
#include <QEvent>

namespace Geometry {

QRect Outer(const QWidget *w)
{
    if (w->isWindow() && w->layout() && !w->isVisible() && !w->testAttribute(Qt::WA_Resized))
        const_cast<QWidget *>(w)->adjustSize();
    return w->frameGeometry();
}

void CenterOn(QWidget *w, const QRect &around)
{
    w->move(around.center() - QRect(QPoint(), Outer(w).size()).center());
}

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
        const QRect fg = Outer(w);
        const int fw = fg.width() - w->width();
        const int fh = fg.height() - w->height();
        w->move(Twips::ToPixels(left), Twips::ToPixels(top));
        w->resize(qMax(0, pw - fw), qMax(0, ph - fh));
    } else {
        w->setGeometry(Twips::ToPixels(left), Twips::ToPixels(top), pw, ph);
    }
}

void SetLeft(QWidget *w, double left) { Move(w, left, Top(w), Width(w), Height(w)); }
void SetTop(QWidget *w, double top) { Move(w, Left(w), top, Width(w), Height(w)); }
void SetWidth(QWidget *w, double width) { Move(w, Left(w), Top(w), width, Height(w)); }
void SetHeight(QWidget *w, double height) { Move(w, Left(w), Top(w), Width(w), height); }

namespace {

void PlaceOnScreen(QWidget *w)
{
    // pos() is the frame's corner also while a place given before the
    // showing waits for the frame to be known; frameGeometry() is not.
    const QRect frame(w->pos(), w->frameGeometry().size());
    QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QPoint at = frame.topLeft();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - frame.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - frame.height())));
    if (at != frame.topLeft())
        w->move(at);
}

// The frame of a window not yet shown is unknown: placed once more when it
// first shows, after the desktop has given it its frame.
class PlaceWhenShown : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            QPointer<QWidget> w = static_cast<QWidget *>(watched);
            QTimer::singleShot(0, w, [w] {
                if (w)
                    PlaceOnScreen(w);
            });
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void KeepOnScreen(QWidget *w)
{
    if (!w || !w->isWindow())
        return;
    PlaceOnScreen(w);
    if (!w->isVisible())
        w->installEventFilter(new PlaceWhenShown(w));
}

} // namespace Geometry
