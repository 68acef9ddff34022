#include "shell/DimScreen.h"

#include "core/Misc.h"
#include "platform/Vb.h"
#include "shell/frmMain.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

namespace DimScreen {

namespace {

// The 8 x 8 dimming pattern, one byte a row, bit 7 the leftmost pixel; a
// clear bit turns the pixel black.
constexpr uint8_t Pattern[8] = {170, 85, 170, 85, 170, 85, 170, 85};

// The still image laid over the main window while it is dimmed.
QPointer<QLabel> Overlay;

// Controls that stop drawing while dimmed, by the type name their classes
// give themselves; the comparison is exact.
void SetFrozen(QWidget *main, bool frozen)
{
    static const QStringList types = {QStringLiteral("Frame"), QStringLiteral("PictureBox"), QStringLiteral("MSFlexGrid"),
                                      QStringLiteral("TreeView")};
    for (QWidget *w : main->findChildren<QWidget *>()) {
        if (types.contains(w->property("vbType").toString(), Qt::CaseSensitive))
            w->setUpdatesEnabled(!frozen);
    }
}

} // namespace

QImage DimImage(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < out.height(); ++y) {
        const uint8_t row = Pattern[y & 7];
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (!((row >> (7 - (x & 7))) & 1))
                line[x] = black;
        }
    }
    return out;
}

void DimForm(QWidget *)
{
    frmMain *main = nullptr;
    try {
        main = frmMain::Loaded();
        // Dimming twice would only dim the dimmed copy.
        if (!main || Overlay)
            return;
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("DimScreen_DimForm"), false);
        return;
    }

    // Copy the window before its controls stop drawing, so the copy is the
    // window as the user saw it.
    const QPixmap shot = main->grab();
    if (shot.isNull())
        return;
    auto *overlay = new QLabel(main);
    overlay->setObjectName(QStringLiteral("DimOverlay"));
    overlay->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The controls beneath still take input, as they do while dimmed.
    overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    overlay->setPixmap(QPixmap::fromImage(DimImage(shot.toImage())));
    overlay->setGeometry(main->rect());
    overlay->raise();
    overlay->show();
    Overlay = overlay;

    SetFrozen(main, true);
}

void ResetScreen()
{
    try {
        delete Overlay;
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("DimScreen_ResetScreen"), false);
        return;
    }
    // Shut-down calls this whether or not the window was dimmed.
    frmMain *main = frmMain::Loaded();
    if (!main)
        return;
    SetFrozen(main, false);
    main->update();
}

} // namespace DimScreen
