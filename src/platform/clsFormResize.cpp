#include "platform/clsFormResize.h"

#include "platform/Geometry.h"
#include "platform/Vb.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTextEdit>
#include <cmath>

namespace {

bool IsOneOf(const QString &type, std::initializer_list<const char *> names)
{
    for (const char *n : names) {
        if (type == QLatin1String(n))
            return true;
    }
    return false;
}

// Parts of the window that are no controls to lay out.
bool Skipped(const QString &type)
{
    return type.isEmpty() || IsOneOf(type, {"Winsock", "Inet", "Timer", "ImageList", "TrayIcon", "Menu"});
}

bool Moved(const QString &type)
{
    return IsOneOf(type, {"Frame", "PictureBox", "MSFlexGrid", "TreeView", "Label", "TextBox", "CommandButton",
                          "ListBox", "ComboBox"});
}

bool Container(const QString &type) { return IsOneOf(type, {"Frame", "PictureBox"}); }

// The ratio of the current inner size to the recorded one. A record taken
// while the window had no inner area gives none: the runtime's errors for
// x / 0 and 0 / 0.
double Ratio(double now, int32_t base)
{
    if (base == 0)
        throw now == 0 ? VbError::Overflow() : VbError::DivisionByZero();
    return now / base;
}

} // namespace

QString clsFormResize::TypeName(const QWidget *control)
{
    const QString own = control->property("vbType").toString();
    if (!own.isEmpty())
        return own;
    if (qobject_cast<const QMenu *>(control))
        return QStringLiteral("Menu");
    if (control->isWindow())
        return QString();
    if (control->inherits("FlexGrid"))
        return QStringLiteral("MSFlexGrid");
    if (control->inherits("TreeView"))
        return QStringLiteral("TreeView");
    if (control->inherits("NewsTicker"))
        return QStringLiteral("NewsTicker");
    if (qobject_cast<const QLabel *>(control))
        return QStringLiteral("Label");
    if (qobject_cast<const QLineEdit *>(control) || qobject_cast<const QTextEdit *>(control)
        || qobject_cast<const QPlainTextEdit *>(control))
        return QStringLiteral("TextBox");
    if (qobject_cast<const QPushButton *>(control))
        return QStringLiteral("CommandButton");
    if (qobject_cast<const QListView *>(control))
        return QStringLiteral("ListBox");
    if (qobject_cast<const QComboBox *>(control))
        return QStringLiteral("ComboBox");
    if (qobject_cast<const QGroupBox *>(control))
        return QStringLiteral("Frame");
    if (qobject_cast<const QCheckBox *>(control))
        return QStringLiteral("CheckBox");
    if (qobject_cast<const QSlider *>(control))
        return QStringLiteral("Slider");
    return QString::fromLatin1(control->metaObject()->className());
}

QWidget *clsFormResize::Form() const
{
    if (!sourceForm_)
        throw VbError(91, QStringLiteral("Object variable or With block variable not set"));
    return sourceForm_;
}

void clsFormResize::InitializeSizes()
{
    StoreFormSize();
    StoreControlPositions();
}

void clsFormResize::StoreFormSize()
{
    const QWidget *f = Form();
    BaseWidth = Vb::CLng(Geometry::ScaleWidth(f));
    BaseHeight = Vb::CLng(Geometry::ScaleHeight(f));
}

void clsFormResize::StoreControlPositions()
{
    ControlPositions.clear();
    StoreChildren(Form());
    FirstTime = false;
}

// Controls inside frames and picture boxes belong to the window's controls
// too; the inner parts of a grid, list or tree do not.
void clsFormResize::StoreChildren(const QWidget *parent)
{
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w)
            continue;
        const QString type = TypeName(w);
        if (Skipped(type))
            continue;
        ControlPositions.append({w, Vb::CLng(Geometry::Left(w)), Vb::CLng(Geometry::Top(w)),
                                 Vb::CLng(Geometry::Width(w)), Vb::CLng(Geometry::Height(w))});
        if (Container(type))
            StoreChildren(w);
    }
}

void clsFormResize::ScaleControls()
{
    if (FirstTime) {
        InitializeSizes();
        return;
    }
    QWidget *f = Form();
    if (f->isMinimized())
        return;
    const double hr = Ratio(Geometry::ScaleHeight(f), BaseHeight);
    const double wr = Ratio(Geometry::ScaleWidth(f), BaseWidth);
    if (ControlPositions.isEmpty())
        throw VbError::SubscriptOutOfRange();

    for (const ControlPosition &p : std::as_const(ControlPositions)) {
        QWidget *c = p.Ctl;
        if (!c || !Moved(TypeName(c)))
            continue;
        QString tag = c->property("Tag").toString().toUpper();
        if (!tag.startsWith(u'@'))
            tag = QStringLiteral("@T,H,L,W");
        const double top = tag.contains(u'T') ? p.Top * hr : Geometry::Top(c);
        const double height = tag.contains(u'H') ? p.Height * hr : Geometry::Height(c);
        const double left = tag.contains(u'L') ? p.Left * wr : Geometry::Left(c);
        const double width = tag.contains(u'W') ? p.Width * wr : Geometry::Width(c);
        Geometry::Move(c, left, top, width, height);
    }
}

void clsFormResize::SizeFormToScreen(int16_t nPercent)
{
    QWidget *f = Form();
    const QScreen *screen = f->screen() ? f->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    Geometry::SetWidth(f, std::floor(nPercent / 100.0 * Twips::FromPixels(area.width())));
    Geometry::SetHeight(f, std::floor(nPercent / 100.0 * Twips::FromPixels(area.height())));
}
