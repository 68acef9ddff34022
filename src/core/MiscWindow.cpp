// Window effects shared by the program's windows: roll-up before closing,
// tinted see-through background, tiled background picture.
#include "core/Misc.h"

#include "platform/Twips.h"
#include "platform/Vb.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace Misc {

void RollWindow(QWidget *form, int16_t steps)
{
    try {
        if (!form)
            throw VbError(91, QStringLiteral("Object variable or With block variable not set"));
        if (form->isMaximized())
            return;
        // Heights are the outer ones, frame included, as the window's Height.
        const double height = Twips::FromPixels(form->frameGeometry().height());
        if (steps == 0)
            throw VbError::DivisionByZero();
        const int16_t step = Vb::CInt(height / steps);
        // The window may be closed by a click while we yield.
        const QPointer<QWidget> alive(form);
        // A window whose layout sets a minimum size would not shrink: the
        // minimum is lifted for the roll and given back after it.
        const QSize minimum = form->minimumSize();
        const QLayout::SizeConstraint constraint =
            form->layout() ? form->layout()->sizeConstraint() : QLayout::SetDefaultConstraint;
        if (form->layout())
            form->layout()->setSizeConstraint(QLayout::SetNoConstraint);
        form->setMinimumSize(0, 0);
        for (int i = 1; i <= steps - 1; ++i) {
            const int frame = form->frameGeometry().height() - form->height();
            const double outer = Twips::FromPixels(form->frameGeometry().height()) - step;
            // resize keeps the top-left corner, so Left, Top and Width stay.
            form->resize(form->width(), Twips::ToPixels(outer) - frame);
            DoEvents();
            if (!alive)
                return;
        }
        if (form->layout())
            form->layout()->setSizeConstraint(constraint);
        form->setMinimumSize(minimum);
    } catch (const VbError &e) {
        ErrorTraping(e, QStringLiteral("Misc_RollWindow"), false);
    }
}

QImage TintImage(const QImage &image, uint32_t rgb)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    const QRgb mask = qRgb(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] &= mask;
    }
    return out;
}

namespace {

// A tinted window keeps its image as its background and is not asked to
// paint any more; its children still paint.
class OwnImage : public QObject {
public:
    explicit OwnImage(QObject *parent) : QObject(parent) { setObjectName(QStringLiteral("TintOwnImage")); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return watched == parent() && event->type() == QEvent::Paint;
    }
};

// The base setVisible: a modal dialog's own hide would end its exec(),
// and the tint only steps aside for the screen copy.
void SetShown(QWidget *form, bool shown)
{
    form->QWidget::setVisible(shown);
}

} // namespace

void TintForm(QWidget *form, uint32_t rgb)
{
    if (!form)
        return;
    // By name: OwnImage has no meta-object of its own to be found by type.
    if (!form->findChild<QObject *>(QStringLiteral("TintOwnImage"), Qt::FindDirectChildrenOnly))
        form->installEventFilter(new OwnImage(form));

    const QPointer<QWidget> alive(form);
    SetShown(form, false);
    DoEvents();
    if (!alive)
        return;

    // The copy starts at the window's outer corner and is as big as its
    // inner area; what the screen does not cover keeps the back colour.
    QImage image(form->size(), QImage::Format_RGB32);
    image.fill(form->palette().color(form->backgroundRole()));
    if (QScreen *screen = form->screen()) {
        const QPoint at = form->frameGeometry().topLeft() - screen->geometry().topLeft();
        const QPixmap shot = screen->grabWindow(0, at.x(), at.y(), form->width(), form->height());
        if (!shot.isNull()) {
            QPainter p(&image);
            p.drawPixmap(0, 0, shot);
        }
    }

    QPalette pal = form->palette();
    pal.setBrush(form->backgroundRole(), QBrush(QPixmap::fromImage(TintImage(image, rgb))));
    form->setPalette(pal);
    form->setAutoFillBackground(true);
    SetShown(form, true);
}

QList<QPoint> TileOrigins(int tileWidth, int tileHeight, int formWidth, int formHeight)
{
    QList<QPoint> at;
    // A tile without size would never move on.
    if (tileWidth <= 0 || tileHeight <= 0)
        return at;
    for (int x = 0; x <= formWidth; x += tileWidth)
        for (int y = 0; y <= formHeight; y += tileHeight)
            at.append(QPoint(x, y));
    return at;
}

void TilePicture(QWidget *form, QLabel *picture)
{
    if (!form || !picture)
        return;
    const QPixmap tile = picture->pixmap();
    if (tile.isNull())
        return;
    // Outside the form's paint event there is nothing to paint on.
    QPainter p;
    if (!p.begin(form))
        return;
    // 32-bit measures: a 16-bit Width would overflow on windows wider than
    // 2184 pixels and leave most of the background bare.
    const QRect outer = form->frameGeometry();
    const auto twips = [](int px) { return Vb::CLng(Twips::FromPixels(px)); };
    for (const QPoint &at : TileOrigins(twips(picture->width()), twips(picture->height()), twips(outer.width()), twips(outer.height())))
        p.drawPixmap(Twips::ToPixels(at.x()), Twips::ToPixels(at.y()), tile);
}

} // namespace Misc
