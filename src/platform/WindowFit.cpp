#include "platform/WindowFit.h"

#include "platform/Geometry.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace WindowFit {

namespace {

QPointer<QWidget> g_main;

// Marks a window that has been shown once: only its first showing may
// centre it, later ones find it where the user left it.
constexpr char ShownOnce[] = "windowFitShown";

// The entry box inside a combo or spin box, and Qt's own parts of its
// dialogs, are no controls of the program's windows.
bool OwnControl(const QWidget *w)
{
    if (w->objectName().startsWith(QLatin1String("qt_")))
        return false;
    const QWidget *p = w->parentWidget();
    return !qobject_cast<const QComboBox *>(p) && !qobject_cast<const QAbstractSpinBox *>(p);
}

bool InLayout(const QLayout *layout, const QWidget *w)
{
    if (!layout)
        return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == w || InLayout(item->layout(), w))
            return true;
    }
    return false;
}

// The width that shows the control's whole text; 0 for a control with none
// to fit (a picture, a wrapped text, an empty box).
int Needed(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
            return 0;
        return label->sizeHint().width();
    }
    if (const auto *edit = qobject_cast<const QLineEdit *>(w)) {
        const QString text = edit->displayText();
        if (text.isEmpty())
            return 0;
        // The box's own hint is room for 17 'x' inside its frame and
        // margins; the same frame goes round the text and the cursor.
        const QFontMetrics fm(edit->font());
        const int chrome = edit->sizeHint().width() - 17 * fm.horizontalAdvance(u'x');
        return chrome + fm.horizontalAdvance(text) + 1;
    }
    return 0;
}

// A layout takes in a control's new least width when its event comes; the
// window's size is wanted now, so every layout is brought up to date at
// once, the innermost first.
void SettleLayouts(QWidget *window)
{
    const QList<QWidget *> inner = window->findChildren<QWidget *>();
    for (auto it = inner.crbegin(); it != inner.crend(); ++it)
        if (QLayout *l = (*it)->layout(); l && (*it)->window() == window)
            l->activate();
    if (QLayout *l = window->layout()) {
        l->activate();
        // A window whose layout leaves its size alone still takes no less
        // than its controls need.
        const QSize least = l->totalMinimumSize();
        if (least.width() > window->width() || least.height() > window->height())
            window->resize(window->size().expandedTo(least));
    }
}

// A widened control and the least width it had before.
struct Widened {
    QPointer<QWidget> control;
    int least;
};

// A window is never widened past the free area of its screen: the controls
// widened most give back what it would need beyond it.
void KeepWithinArea(QWidget *window, QList<Widened> widened)
{
    const QRect area = Geometry::FreeArea(window);
    if (area.isEmpty())
        return;
    const int room = area.width() - (Geometry::Outer(window).width() - window->width());
    std::sort(widened.begin(), widened.end(), [](const Widened &a, const Widened &b) {
        return a.control->minimumWidth() - a.least > b.control->minimumWidth() - b.least;
    });
    for (const Widened &w : std::as_const(widened)) {
        const int excess = window->width() - room;
        if (excess <= 0)
            return;
        w.control->setMinimumWidth(std::max(w.least, w.control->minimumWidth() - excess));
        SettleLayouts(window);
        // Qt keeps the window at its layout's least size.
        window->resize(std::min(window->width(), room), window->height());
    }
}

// The window's labels and entry boxes that are narrower than their texts
// are widened, and the window with them.
void FitTexts(QWidget *window)
{
    const QRect before = Geometry::Outer(window);
    bool widened = false;
    QList<Widened> inLayouts;
    for (QWidget *c : window->findChildren<QWidget *>()) {
        if (c->window() != window || !c->isVisibleTo(window) || !OwnControl(c))
            continue;
        const int need = Needed(c);
        if (need <= c->width())
            continue;
        widened = true;
        if (QWidget *parent = c->parentWidget(); parent && InLayout(parent->layout(), c)) {
            inLayouts.append({c, c->minimumWidth()});
            c->setMinimumWidth(std::max(need, c->minimumWidth()));
        } else {
            c->resize(need, c->height());
        }
    }
    if (!widened)
        return;
    SettleLayouts(window);
    KeepWithinArea(window, inLayouts);
    // Grown about its middle, so that a window placed centred stays so.
    const int wider = Geometry::Outer(window).width() - before.width();
    if (wider > 0 && window->testAttribute(Qt::WA_Moved))
        Geometry::MoveFrame(window, before.topLeft() - QPoint(wider / 2, 0));
}

QWidget *Reference(const QWidget *w)
{
    if (QWidget *owner = w->parentWidget()) {
        owner = owner->window();
        if (owner->isVisible())
            return owner;
    }
    if (g_main && g_main != w && g_main->isVisible())
        return g_main;
    return nullptr;
}

// What a window its opener did not place is centred on; empty without a
// screen.
QRect Around(const QWidget *w)
{
    if (const QWidget *ref = Reference(w))
        return Geometry::Outer(ref);
    const QScreen *s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

void Centre(QWidget *w)
{
    if (const QRect around = Around(w); !around.isEmpty())
        Geometry::PlaceOnScreen(w, Geometry::Centred(w, around));
}

void Shown(QWidget *w)
{
    const bool centre = !w->property(ShownOnce).toBool() && !w->testAttribute(Qt::WA_Moved);
    w->setProperty(ShownOnce, true);
    FitTexts(w);
    if (!centre) {
        Geometry::KeepOnScreen(w);
        return;
    }
    Centre(w);
    // Centred once more by the frame the desktop gave it, when it differs
    // from the one assumed.
    Geometry::WhenFramed(w, Centre);
}

class Watcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show || event->spontaneous() || !watched->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(watched);
        if (!w->isWindow())
            return false;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
            return false;
        Shown(w);
        return false;
    }
};

void Install() { QCoreApplication::instance()->installEventFilter(new Watcher(QCoreApplication::instance())); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)

void SetMainWindow(QWidget *main) { g_main = main; }

} // namespace WindowFit
