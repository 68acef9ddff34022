#include "platform/KeyPreview.h"

#include "platform/VbInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, Handler handler)
    : QObject(window), window_(window), handler_(std::move(handler))
{
}

void KeyPreview::Install(QWidget *window, Handler handler)
{
    qApp->installEventFilter(new KeyPreview(window, std::move(handler)));
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (PassingUp(event, w))
        return false;
    if (w->window() != window_)
        return false;
    // A key the focused control leaves unused travels up to its parents;
    // only its first delivery is the key press the window previews. While
    // another window is active, a key sent to this one goes to its own
    // focused control or to the window itself.
    QWidget *focus = QApplication::focusWidget();
    const bool active = focus && focus->window() == window_;
    if (!active)
        focus = window_->focusWidget();
    if (w != focus && (active || w != window_))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QPointer<KeyPreview> self(this);
    const QPointer<QWidget> receiver(w);
    const bool usedUp = handler_(VbInput::KeyCode(key), VbInput::Shift(key->modifiers()));
    if (!self || !receiver)
        return true; // nothing left to deliver it to
    if (usedUp)
        return true;
    // A box the key opened gives the focus back elsewhere when it closes,
    // so the same key travelling on to the parents could look like a first
    // delivery again: it is previewed once, until the loop turns.
    previewed_ = event;
    previewedAt_ = w;
    QTimer::singleShot(0, this, [this] { previewed_ = nullptr; });
    return false;
}

// The key just previewed, on its way from the control it was sent to up to
// that control's parents.
bool KeyPreview::PassingUp(const QEvent *event, QWidget *w) const
{
    if (event != previewed_)
        return false;
    return !previewedAt_ || (w != previewedAt_ && w->isAncestorOf(previewedAt_));
}
