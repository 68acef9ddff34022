#include "platform/FlexGridDelegate.h"

#include "platform/FlexGrid.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

long long paintedCells = 0;

constexpr uint32_t GridColor = 0xC0C0C0u;
constexpr uint32_t GridColorFixed = 0x000000u;
constexpr int TextMargin = 2; // pixels between a cell's edge and its text

Qt::Alignment QtAlignment(int code)
{
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    if (code < 0 || code > 8)
        code = FlexGrid::flexAlignLeftCenter;
    return horizontal[code / 3] | vertical[code % 3];
}

QString DisplayText(const QString &text)
{
    if (!text.contains(u'\r'))
        return text;
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

} // namespace

FlexGridDelegate::FlexGridDelegate(FlexGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

long long FlexGridDelegate::PaintedCells()
{
    return paintedCells;
}

QSize FlexGridDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    return QSize(grid_->ColPx(index.column()), grid_->RowPx(index.row()));
}

void FlexGridDelegate::paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    ++paintedCells;
    const int r = index.row();
    const int c = index.column();
    const FlexGridModel &m = *grid_->model_;
    if (!m.Has(r, c))
        return;
    const FlexCellLook &look = m.Look(r, c);
    const bool fixed = grid_->IsFixed(r, c);
    const bool highlighted = !fixed && grid_->Highlighted(r, c);
    const QRect rect = option.rect;

    p->save();
    p->setClipRect(rect, Qt::IntersectClip);

    QColor back, fore;
    if (highlighted) {
        back = VbColor::ToQColor(VbColor::Highlight);
        fore = VbColor::ToQColor(VbColor::HighlightText);
    } else {
        back = VbColor::ToQColor(look.backColor != FlexCellLook::NoColor ? look.backColor
                                 : fixed ? VbColor::ButtonFace : grid_->backColor_);
        fore = VbColor::ToQColor(look.foreColor != FlexCellLook::NoColor ? look.foreColor
                                 : fixed ? VbColor::ButtonText : VbColor::WindowText);
    }
    p->fillRect(rect, back);

    // Lines take the last pixel column and row of the cell.
    // Fixed cells look like buttons.
    const int style = fixed ? int(FlexGrid::flexGridRaised) : grid_->gridLines_;
    const QRect inner = style == FlexGrid::flexGridNone ? rect : rect.adjusted(0, 0, -1, -1);

    const QString text = DisplayText(m.Text(r, c));
    // The text's room: the whole cell, or beside the picture when there is one.
    QRect textRoom = inner;
    if (!look.picture.isNull()) {
        const int code = look.pictureAlignment >= 0 ? look.pictureAlignment : int(FlexGrid::flexAlignLeftCenter);
        Qt::Alignment align = QtAlignment(code);
        QRect room = inner;
        if (!text.isEmpty()) { // first the picture, then the text, neither over the other
            align = (align & Qt::AlignVertical_Mask) | Qt::AlignLeft;
            room.setLeft(room.left() + TextMargin);
        }
        const QSize size = look.picture.deviceIndependentSize().toSize();
        const QRect at = QStyle::alignedRect(Qt::LeftToRight, align, size, room);
        p->drawPixmap(at, look.picture);
        if (!text.isEmpty())
            textRoom.setLeft(at.right() + 1);
    }

    if (!text.isEmpty()) {
        QFont font = grid_->font();
        font.setBold(look.bold);
        font.setUnderline(look.underline);
        if (look.fontWidth > 0) {
            // Stretch the face so its average character is that many points wide.
            const qreal natural = QFontMetricsF(font).averageCharWidth() * 72.0 / grid_->logicalDpiX();
            if (natural > 0)
                font.setStretch(qBound(25, int(100.0 * look.fontWidth / natural + 0.5), 400));
        }
        p->setFont(font);
        int code = look.alignment >= 0 ? look.alignment : m.ColAlignment(c);
        if (code < 0 || code > 8) {
            bool number = false;
            Vb::ParseNumber(text, &number);
            code = number ? FlexGrid::flexAlignRightCenter : FlexGrid::flexAlignLeftCenter;
        }
        int flags = int(QtAlignment(code));
        // A tall cell or a text with line breaks shows several lines; a
        // one-line cell shows the start of its text, cut at the edge.
        const QFontMetrics fm(font);
        if (text.contains(u'\n') || inner.height() >= 2 * fm.lineSpacing())
            flags |= Qt::TextWordWrap;
        const QRect textRect = textRoom.adjusted(TextMargin, 0, -TextMargin, 0);
        const QColor light = VbColor::ToQColor(VbColor::ButtonHighlight);
        const QColor dark = VbColor::ToQColor(VbColor::ButtonShadow);
        const auto echo = [&](int dx, int dy, const QColor &color) {
            p->setPen(color);
            p->drawText(textRect.translated(dx, dy), flags, text);
        };
        switch (look.textStyle) {
        case FlexGrid::flexTextRaised: echo(-1, -1, light); echo(1, 1, dark); break;
        case FlexGrid::flexTextInset: echo(-1, -1, dark); echo(1, 1, light); break;
        case FlexGrid::flexTextRaisedLight: echo(-1, -1, light); break;
        case FlexGrid::flexTextInsetLight: echo(1, 1, light); break;
        default: break;
        }
        p->setPen(fore);
        p->drawText(textRect, flags, text);
    }

    PaintLines(p, rect, style, fixed);

    if (!fixed && r == grid_->row_ && c == grid_->col_ && grid_->hasFocus()) {
        QPen pen(fore);
        pen.setStyle(Qt::DotLine);
        p->setPen(pen);
        p->setBrush(Qt::NoBrush);
        p->drawRect(inner.adjusted(0, 0, -1, -1));
    }
    p->restore();
}

void FlexGridDelegate::PaintLines(QPainter *p, const QRect &rect, int style, bool fixed) const
{
    if (style == FlexGrid::flexGridNone)
        return;
    const int x0 = rect.left(), y0 = rect.top(), x1 = rect.right(), y1 = rect.bottom();
    if (style == FlexGrid::flexGridFlat) {
        p->setPen(VbColor::ToQColor(fixed ? GridColorFixed : GridColor));
        p->drawLine(x1, y0, x1, y1);
        p->drawLine(x0, y1, x1, y1);
        return;
    }
    // Inset: shadow along the top and left, light along the bottom and
    // right; raised the other way round.
    const QColor light = VbColor::ToQColor(VbColor::ButtonHighlight);
    const QColor dark = VbColor::ToQColor(VbColor::ButtonShadow);
    const QColor &topLeft = style == FlexGrid::flexGridInset ? dark : light;
    const QColor &bottomRight = style == FlexGrid::flexGridInset ? light : dark;
    p->setPen(topLeft);
    p->drawLine(x0, y0, x1 - 1, y0);
    p->drawLine(x0, y0, x0, y1 - 1);
    p->setPen(bottomRight);
    p->drawLine(x1, y0, x1, y1);
    p->drawLine(x0, y1, x1, y1);
}
