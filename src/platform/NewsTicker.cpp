#include "platform/NewsTicker.h"

#include "platform/Text.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {
// The strip is black; the text keeps a strong contrast on it in each state.
const QColor BackColor(0, 0, 0);
const QColor ForeColor(255, 210, 77);
const QColor HighlightColor(127, 178, 255);
const QColor ClickColor(255, 92, 92);
const QColor GapColor(110, 110, 110);
constexpr int TickMs = 25;
} // namespace

NewsTicker::NewsTicker(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAccessibleName(tr("News ticker"));
    timer_ = new QTimer(this);
    timer_->setInterval(TickMs);
    connect(timer_, &QTimer::timeout, this, &NewsTicker::Step);
    Layout();
}

void NewsTicker::SetText(const QByteArray &text)
{
    // The items end at ";"; only a last item that holds something follows
    // its final ";".
    QList<QByteArray> items = text.split(';');
    if (!items.isEmpty() && items.constLast().isEmpty())
        items.removeLast();
    SetItems(items);
    text_ = text;
}

void NewsTicker::SetItems(const QList<QByteArray> &items)
{
    QStringList shown;
    QByteArray text;
    for (const QByteArray &item : items) {
        shown.append(Text::FromCp1252(item));
        text += item + ';';
    }
    if (shown == items_) {
        text_ = text;
        return;
    }
    text_ = text;
    items_ = shown;
    offset_ = 0;
    pressed_ = 0;
    Layout();
    setAccessibleDescription(items_.join(QStringLiteral("; ")));
    SetHover(underMouse() ? ItemAt(mapFromGlobal(QCursor::pos())) : 0);
    UpdateTimer();
    update();
}

QString NewsTicker::ItemText(int item) const
{
    return item >= 1 && item <= items_.size() ? items_[item - 1] : QString();
}

void NewsTicker::Layout()
{
    const QFontMetrics fm(font());
    gap_ = fm.horizontalAdvance(QStringLiteral("  \u2022  "));
    starts_.clear();
    widths_.clear();
    int x = 0;
    for (const QString &item : std::as_const(items_)) {
        starts_.append(x);
        widths_.append(fm.horizontalAdvance(item));
        x += widths_.constLast() + gap_;
    }
    passWidth_ = x;
    const int period = Period();
    offset_ = ((offset_ % period) + period) % period;
}

int NewsTicker::Period() const
{
    // Each pass has left the strip when the next one enters at the right.
    return std::max(passWidth_ + width(), 1);
}

int NewsTicker::Base() const
{
    const int period = Period();
    const int start = width() - offset_;
    return -(((-start % period) + period) % period); // in (-period, 0]
}

int NewsTicker::ItemAt(QPoint pos) const
{
    if (!rect().contains(pos))
        return 0;
    const int period = Period();
    const int x = (((pos.x() - Base()) % period) + period) % period;
    for (int i = 0; i < items_.size(); ++i)
        if (x >= starts_[i] && x < starts_[i] + widths_[i])
            return i + 1;
    return 0;
}

QRect NewsTicker::ItemRect(int item) const
{
    if (item < 1 || item > items_.size() || widths_[item - 1] == 0)
        return {};
    const int period = Period();
    for (int left = Base() + starts_[item - 1]; left < width(); left += period) {
        const QRect r(left, 0, widths_[item - 1], height());
        if (r.intersects(rect()))
            return r.intersected(rect());
    }
    return {};
}

void NewsTicker::SetOffset(int pixels)
{
    const int period = Period();
    offset_ = ((pixels % period) + period) % period;
    if (underMouse())
        SetHover(ItemAt(mapFromGlobal(QCursor::pos())));
    update();
}

void NewsTicker::Step() { SetOffset(offset_ + 1); }

int NewsTicker::ScrollDelay() const { return timer_->interval(); }

void NewsTicker::UpdateTimer()
{
    if (isVisible() && !items_.isEmpty())
        timer_->start();
    else
        timer_->stop();
}

void NewsTicker::SetHover(int item)
{
    if (item == hover_)
        return;
    hover_ = item;
    setCursor(item ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void NewsTicker::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), BackColor);
    if (items_.isEmpty())
        return;
    const QFontMetrics fm(font());
    const int baseline = (height() - fm.height()) / 2 + fm.ascent();
    const int period = Period();
    const int bullet = fm.horizontalAdvance(QStringLiteral("  "));
    for (int pass = Base(); pass < width(); pass += period) {
        for (int i = 0; i < items_.size(); ++i) {
            const int left = pass + starts_[i];
            if (left >= width())
                break;
            if (left + widths_[i] + gap_ <= 0)
                continue;
            const int item = i + 1;
            QFont f = font();
            if (item == pressed_)
                p.setPen(ClickColor);
            else if (item == hover_)
                p.setPen(HighlightColor);
            else
                p.setPen(ForeColor);
            f.setUnderline(item == hover_ || item == pressed_);
            p.setFont(f);
            p.drawText(left, baseline, items_[i]);
            p.setPen(GapColor);
            p.setFont(font());
            p.drawText(left + widths_[i] + bullet, baseline, QStringLiteral("\u2022"));
        }
    }
}

void NewsTicker::mouseMoveEvent(QMouseEvent *event)
{
    SetHover(ItemAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void NewsTicker::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressed_ = ItemAt(event->position().toPoint());
    update();
}

void NewsTicker::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    // The text moves under a held button; the item pressed is the one meant.
    const int item = pressed_;
    pressed_ = 0;
    update();
    if (item && rect().contains(event->position().toPoint()))
        Q_EMIT ItemClick(item);
}

void NewsTicker::leaveEvent(QEvent *event)
{
    SetHover(0);
    QWidget::leaveEvent(event);
}

void NewsTicker::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    UpdateTimer();
}

void NewsTicker::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    UpdateTimer();
}

void NewsTicker::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Layout();
}

void NewsTicker::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        Layout();
        update();
    }
}
