#pragma once
// Skins of the symbol bar: one picture for each of the seven bars and a small
// marker kept ready in a memory surface, so that redrawing the bars while the
// strip scrolls costs a few block copies and never loads a picture.
//
// A memory surface is a QPixmap held in a list kept by BitBltModule; callers
// keep its handle (surface i has handle i + 1, 0 means "no surface") and read
// the picture it holds with BitBltModule::Surface.
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>

class QWidget;

namespace Misc {
// Loads the skin chosen by the "PicBar" setting: the bar picture into every
// bar img(0..6) of the main window, the marker into a new memory surface that
// becomes SkinMarkerDC. A step that fails is skipped silently.
void ApplySkin();
} // namespace Misc

struct SkinRow {
    const char *caption; // as the Options list shows it
    const char *bar;     // picture names (Artwork::Picture)
    const char *marker;
};
// By "PicBar" index. "Red Plastic" shows the green plastic pair: there is no
// red plastic artwork.
extern const std::array<SkinRow, 11> SkinTable;

// Picture names of the skin applied last ("" before the first one).
extern QString SkinBarName;
extern QString SkinMarkerName;
// Handle of the memory surface holding the current marker; 0 when it could
// not be made.
extern int32_t SkinMarkerDC;

namespace BitBltModule {

// Makes surface number Count (a blank picture of width x height pixels for
// hdc's screen) and answers its handle, or 0 when it could not be made. The
// count grows by one either way.
int32_t BitBlt_CreateMemHdc(const QWidget *hdc, int16_t width, int16_t height);
// Puts the named picture into the surface in place of what it held.
void BitBlt_LoadBmpToHdc(int32_t hdc, const QString &name);
// Frees every surface made so far; the count stays.
void BitBlt_DestroyHdcs();

// The picture a surface holds now; null for 0, an unknown or a freed surface.
QPixmap Surface(int32_t hdc);
// Surfaces made so far (freed ones included).
int16_t SurfaceCount();

} // namespace BitBltModule
