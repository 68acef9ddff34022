#include "shell/ClsManip.h"

#include "core/Misc.h"
#include "platform/Dialogs.h"
#include "platform/Vb.h"
#include "shell/PictureBox.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int LightSize = 257;

int16_t Whole(double v) { return Vb::CInt(v); }

// The effects read and write the bitmap's bytes as palette indexes.
bool Is256Colour(const QImage &image) { return image.format() == QImage::Format_Indexed8; }

void NotIndexed()
{
    Dialogs::MsgBox(QStringLiteral(" 256-color bitmaps only"), Dialogs::vbCritical);
}

} // namespace

void ClsManip::IntCls(QWidget *frm, PictureBox *output, PictureBox *source)
{
    frm1 = frm;
    Pict1 = output;
    pict2 = source;
}

void ClsManip::IntRipple(const QString &PicPath, float frq1)
{
    Frequency = frq1;
    if (Pict1)
        Pict1->LoadPicture(PicPath);
    if (pict2)
        pict2->LoadPicture(PicPath);
    try {
        if (Pict1) {
            CenterY = int16_t(Whole(Pict1->ScaleHeight()) / 2 + 1);
            CenterX = int16_t(Whole(Pict1->ScaleWidth()) / 2 + 1);
            FoldLimit = Whole(2.0 * CenterY);
            MaxRadius = Whole(std::sqrt(double(CenterY) * CenterY + double(CenterX) * CenterX) + 2);
        }
        DistanceTable.resize((CenterX + 1) * (CenterY + 1));
        for (int dy = 0; dy <= CenterY; ++dy)
            for (int dx = 0; dx <= CenterX; ++dx)
                DistanceTable[dy * (CenterX + 1) + dx] = Whole(std::sqrt(double(dx * dx + dy * dy)));
        WaveTable.fill(0, MaxRadius + 1);
    } catch (const VbError &) {
        // A box too large for the tables: the frames then move nothing.
        DistanceTable.clear();
        WaveTable.clear();
    }
    Idle = true;
}

void ClsManip::DoRipple(float Frq)
{
    Frequency = std::clamp(Frq, 0.01f, 1.0f);
    if (!Idle) {
        // A loop below us on the stack sees this after its current frame.
        Idle = true;
        return;
    }
    Idle = false;
    while (!Idle) {
        if (!DrawFrame())
            return; // the effect stays in its running state, as after any failure
        Misc::DoEvents();
    }
}

bool ClsManip::DrawFrame()
{
    // 16 bits: the count wraps round after 32767 frames.
    FrameCount = int16_t(FrameCount + 1);
    for (int d = 0; d < WaveTable.size(); ++d) {
        const float phase = float(d - FrameCount) * Frequency;
        WaveTable[d] = Whole(15.0 * std::sin(double(phase)));
    }

    if (!Pict1 || !pict2)
        return false;
    QImage &out = Pict1->Picture();
    const QImage &src = pict2->Picture();
    if (!Is256Colour(out) || !Is256Colour(src)) {
        NotIndexed();
        return false;
    }

    // Every read stays inside the source row: a column pushed past either
    // edge is mirrored back at that edge, and pixels beyond the reach of the
    // distance table (a picture larger than its box) keep their own column.
    const int width = out.width(), height = std::min(out.height(), src.height());
    const int last = src.width() - 1;
    const int columns = CenterX + 1;
    const bool tables = !DistanceTable.isEmpty();
    for (int y = 0; y < height; ++y) {
        uchar *o = out.scanLine(y);
        const uchar *s = src.constScanLine(y);
        const int dy = std::abs(y - CenterY);
        for (int x = 0; x < width; ++x) {
            int sx = x;
            const int dx = std::abs(x - CenterX);
            if (tables && dx <= CenterX && dy <= CenterY) {
                const int d = DistanceTable[dy * columns + dx];
                sx = std::abs(x - WaveTable.value(d));
            }
            if (sx > last)
                sx = 2 * last - sx;
            o[x] = s[std::clamp(sx, 0, last)];
        }
    }
    Pict1->update();
    return true;
}

void ClsManip::IntBump(const QString &PicPath)
{
    if (Pict1)
        Pict1->LoadPicture(PicPath);
    if (pict2)
        pict2->LoadPicture(PicPath);
    if (Pict1) {
        LightY = Whole(Pict1->ScaleHeight() / 2.0);
        LightX = Whole(Pict1->ScaleWidth() / 2.0);
    }
    if (pict2) {
        BumpWidth = Whole(pict2->ScaleWidth() - 2.0);
        BumpHeight = Whole(pict2->ScaleHeight() - 2.0);
    }
    LightMap.fill(0, LightSize * LightSize);
    for (int a = 0; a <= 255; ++a)
        for (int b = 0; b <= 255; ++b) {
            const int16_t v = Whole(255 - 1.8 * std::sqrt(double((a - 128) * (a - 128) + (b - 128) * (b - 128))));
            LightMap[a * LightSize + b] = uint8_t(std::max<int16_t>(v, 0));
        }
}

void ClsManip::DoBump()
{
    if (!Pict1 || !pict2)
        return;
    QImage &out = Pict1->Picture();
    const QImage &src = pict2->Picture();
    if (!Is256Colour(out) || !Is256Colour(src)) {
        NotIndexed();
        return;
    }
    if (LightMap.isEmpty())
        return;
    // The box may be larger than its picture: only pixels whose four
    // neighbours lie inside both bitmaps are drawn.
    const int maxI = std::min({int(BumpWidth), src.width() - 2, out.width() - 1});
    const int maxK = std::min({int(BumpHeight), src.height() - 2, out.height() - 1});
    const auto at = [&src](int x, int y) { return int(src.constScanLine(y)[x]); };
    for (int i = 1; i <= maxI; ++i)
        for (int k = 1; k <= maxK; ++k) {
            const int nx = at(i - 1, k) - at(i + 1, k) + (i + 14 - LightShiftX) + LightX;
            const int ny = at(i, k - 1) - at(i, k + 1) + (k - 275 + LightShiftY) + LightY;
            const bool lit = nx >= 0 && nx <= 255 && ny >= 0 && ny <= 255;
            out.scanLine(k)[i] = lit ? LightMap[nx * LightSize + ny] : 0;
        }
}
