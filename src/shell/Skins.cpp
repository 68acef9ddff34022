#include "shell/Skins.h"

#include "core/Misc.h"
#include "core/Settings.h"
#include "platform/Artwork.h"
#include "platform/Vb.h"
#include "shell/frmMain.h"

#include <QLabel>
#include <QList>
#include <limits>

const std::array<SkinRow, 11> SkinTable = {{
    {"Blue Neon", "NeonBlue", "NeonBlueB"},
    {"Green Neon", "NeonGreen", "NeonGreenB"},
    {"Red Neon", "NeonRed", "NeonRedB"},
    {"Gold Metal", "GoldMetal", "GoldMetalB"},
    {"Green Metal", "GreenMetal", "GreenMetalB"},
    {"Blue Glass", "GlassBlue", "GlassBlueB"},
    {"Green Glass", "GlassGreen", "GlassGreenB"},
    {"Red Glass", "GlassRed", "GlassRedB"},
    {"Blue Plastic", "PlasticBlue", "PlasticBlueB"},
    {"Red Plastic", "PlasticGreen", "PlasticGreenB"},
    {"Violet Plastic", "PlasticViolet", "PlasticVioletB"},
}};

QString SkinBarName;
QString SkinMarkerName;
int32_t SkinMarkerDC = 0;

namespace BitBltModule {

namespace {

struct MemSurface {
    bool live = false;
    QPixmap bitmap; // what the surface holds: its blank picture, then the loaded one
};

// Index i is surface i; every made surface keeps its place, freed or not.
QList<MemSurface> g_surfaces;
int16_t g_count = 0;

MemSurface *Find(int32_t hdc)
{
    if (hdc < 1 || hdc > g_surfaces.size() || !g_surfaces[hdc - 1].live)
        return nullptr;
    return &g_surfaces[hdc - 1];
}

void LogFailure(const VbError &e, const char *place)
{
    Misc::ErrorTraping(e, QString::fromLatin1(place), false);
}

} // namespace

int32_t BitBlt_CreateMemHdc(const QWidget *hdc, int16_t width, int16_t height)
{
    if (g_count == std::numeric_limits<int16_t>::max()) {
        LogFailure(VbError::Overflow(), "BitBlt_CreateMemHdc");
        return 0;
    }
    const int n = g_count;
    g_surfaces.resize(n + 1);
    ++g_count;
    if (width <= 0 || height <= 0) {
        LogFailure(VbError::InvalidCall(), "BitBlt_CreateMemHdc");
        return 0;
    }
    QPixmap blank(width, height);
    if (blank.isNull()) {
        LogFailure(VbError::InvalidCall(), "BitBlt_CreateMemHdc");
        return 0;
    }
    blank.fill(Qt::black);
    if (hdc)
        blank.setDevicePixelRatio(hdc->devicePixelRatioF());
    g_surfaces[n] = {true, blank};
    return n + 1;
}

void BitBlt_LoadBmpToHdc(int32_t hdc, const QString &name)
{
    MemSurface *s = Find(hdc);
    if (!s) {
        LogFailure(VbError::InvalidCall(), "BitBlt_LoadBmpToHdc");
        return;
    }
    const QPixmap picture = Artwork::Picture(name);
    if (picture.isNull()) {
        LogFailure(VbError(326, QStringLiteral("Resource with identifier '%1' not found").arg(name)),
                   "BitBlt_LoadBmpToHdc");
        return;
    }
    s->bitmap = picture;
}

void BitBlt_DestroyHdcs()
{
    for (int i = 0; i < g_count && i < g_surfaces.size(); ++i)
        g_surfaces[i] = {};
}

QPixmap Surface(int32_t hdc)
{
    const MemSurface *s = Find(hdc);
    return s ? s->bitmap : QPixmap();
}

int16_t SurfaceCount() { return g_count; }

} // namespace BitBltModule

namespace Misc {

void ApplySkin()
{
    try {
        const double picBar = Settings::Get(QStringLiteral("PicBar")).ToNumber(); // missing reads as 0
        for (int i = 0; i < int(SkinTable.size()); ++i) {
            if (picBar == i) {
                SkinBarName = QString::fromLatin1(SkinTable[i].bar);
                SkinMarkerName = QString::fromLatin1(SkinTable[i].marker);
                break;
            }
        }
    } catch (const VbError &) {
        // A stored text that is no number selects no row.
    }
    if (SkinBarName.isEmpty()) {
        SkinBarName = QStringLiteral("GlassBlue");
        SkinMarkerName = QStringLiteral("GlassBlueb");
    }

    frmMain *m = frmMain::Loaded();
    const QPixmap bar = Artwork::Picture(SkinBarName);
    if (m && !bar.isNull()) {
        for (QLabel *img : m->img) {
            if (img)
                img->setPixmap(bar);
        }
    }

    if (m && m->img[0]) {
        try {
            const QRect inner = m->img[0]->contentsRect();
            SkinMarkerDC = BitBltModule::BitBlt_CreateMemHdc(m->img[0], Vb::CInt(inner.width()), Vb::CInt(inner.height()));
        } catch (const VbError &) {
            // A bar too wide for the surface's 16-bit size keeps the old surface.
        }
    }

    BitBltModule::BitBlt_LoadBmpToHdc(SkinMarkerDC, SkinMarkerName);
}

} // namespace Misc
