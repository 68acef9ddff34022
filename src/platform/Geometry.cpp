#include "platform/Geometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace Geometry {

void CenterOnScreen(QWidget *w)
{
    if (const QScreen *s = QGuiApplication::primaryScreen())
        w->move(s->availableGeometry().center() - w->rect().center());
}

void Move(QWidget *w, double left, double top, double width, double height)
{
    const int pw = qMax(0, Twips::ToPixels(width));
    const int ph = qMax(0, Twips::ToPixels(height));
    if (w->isWindow()) {
        // Window measures include the frame; Qt sizes the inner area.
        const QRect fg = w->frameGeometry();
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

} // namespace Geometry
