#include "platform/WindowList.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace WindowList {

namespace {

QList<QPointer<QWidget>> g_made;

// A widget announces itself with the Create event while it is constructed;
// whether it is a window is known by then.
class Recorder : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Create && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            g_made.removeAll(nullptr);
            g_made.append(static_cast<QWidget *>(watched));
        }
        return false;
    }
};

void Install()
{
    QCoreApplication::instance()->installEventFilter(new Recorder(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)

QList<QWidget *> Windows()
{
    QList<QWidget *> out;
    for (const QPointer<QWidget> &w : std::as_const(g_made)) {
        if (!w || !w->isWindow())
            continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip)
            continue;
        out.append(w);
    }
    return out;
}

} // namespace WindowList
