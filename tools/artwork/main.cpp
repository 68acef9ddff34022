// Paints every picture of the program and writes them as PNG files below the
// folder given on the command line (the repository's resources/ folder):
//   skins/<NAME>.png       bar and marker of each skin
//   pictures/<NAME>.png    UP, DN, HIGH, LOW, B1..B4, INVESTOR, SPLASH, DOLLAR
//   cursors/<id>.png       splitter hands 102 (dragged) and 103 (at rest)
//   pages/                 up.gif, dn.gif, bar.jpg, gmb.jpg of the report pages
// Everything is drawn from code with fixed seeds, so a run gives the same
// files on any machine with the same fonts.
#include "../common/Gif.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QTransform>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

QString g_out;

QColor Mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Scale(const QColor &c, double f)
{
    return QColor::fromRgbF(float(std::clamp(c.redF() * f, 0.0, 1.0)), float(std::clamp(c.greenF() * f, 0.0, 1.0)),
                            float(std::clamp(c.blueF() * f, 0.0, 1.0)));
}

double Smooth(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

// Small deterministic generator for brushed-metal grain.
struct Rng {
    uint32_t s;
    double Next()
    {
        s = s * 1664525u + 1013904223u;
        return double(s >> 8) / double(1u << 24);
    }
};

void Save(const QImage &img, const QString &rel, const char *format = "PNG", int quality = -1)
{
    const QString path = g_out + QLatin1Char('/') + rel;
    QDir().mkpath(QFileInfo(path).path());
    if (!img.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s %dx%d\n", qPrintable(rel), img.width(), img.height());
}

// Draws at `factor` times the size and scales down, for clean edges on the
// small pictures that are painted with curves.
template <typename Fn> QImage Supersampled(QSize size, int factor, Fn paint)
{
    QImage big(size * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(factor, factor);
        paint(p);
    }
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_ARGB32);
}

// ------------------------------------------------------------------ skins

enum class Look { Neon, Metal, Glass, Plastic };

struct Skin {
    const char *name;
    Look look;
    int barHeight;
    QSize marker;
    QColor tube;
    QColor mark;
};

// Rating positions on a 300-pixel bar (left edge of the marker + half its
// width), marked faintly so the scale reads even without the legend.
const int Ticks[] = {13, 82, 150, 218, 286};

// Brightness of a glossy tube across its height, t from 0 (top) to 1.
QColor GlassProfile(const QColor &c, double t)
{
    QColor body = Mix(Mix(c, White, 0.30), Mix(c, Black, 0.28), t);
    if (t > 0.06 && t < 0.50) {
        const double u = (t - 0.06) / 0.44;
        body = Mix(body, White, 0.80 * std::pow(1 - u, 0.8));
    }
    if (t > 0.66 && t < 0.94)
        body = Mix(body, Mix(c, White, 0.55), 0.45 * std::sin(M_PI * (t - 0.66) / 0.28));
    return body;
}

QColor PlasticProfile(const QColor &c, double t)
{
    QColor body = Mix(Mix(c, White, 0.12), Mix(c, Black, 0.38), Smooth(0.1, 1.0, t));
    if (t > 0.04 && t < 0.55) {
        const double u = (t - 0.04) / 0.51;
        body = Mix(body, White, 0.55 * std::pow(std::sin(M_PI * u), 1.4) * (1 - 0.4 * u));
    }
    // A crisp glint on the soft gloss is what reads as polished plastic.
    body = Mix(body, White, 0.45 * std::exp(-std::pow((t - 0.21) / 0.05, 2)));
    return body;
}

QColor MetalProfile(const QColor &c, double t)
{
    // Bright specular band high up, a dark band below the middle and a
    // softer reflection near the bottom: how a polished rod catches light.
    static const double stops[][2] = {{0.0, 0.35}, {0.20, 1.00}, {0.34, 0.72}, {0.58, 0.18},
                                      {0.82, 0.62}, {1.0, 0.30}};
    double l = stops[0][1];
    for (int i = 0; i + 1 < 6; ++i)
        if (t >= stops[i][0] && t <= stops[i + 1][0]) {
            const double u = Smooth(stops[i][0], stops[i + 1][0], t);
            l = stops[i][1] + (stops[i + 1][1] - stops[i][1]) * u;
        }
    // Shadow, the metal's own colour, and a near-white glint, so the hue
    // stays rich through the middle tones.
    if (l < 0.55)
        return Mix(Scale(c, 0.30), c, l / 0.55);
    return Mix(c, Mix(c, White, 0.80), (l - 0.55) / 0.45);
}

QImage Bar(const Skin &s)
{
    const int w = 300, h = s.barHeight;
    QImage img(w, h, QImage::Format_RGB32);
    const QColor c = s.tube;
    Rng rng{uint32_t(qHash(QLatin1String(s.name)))};

    if (s.look == Look::Neon) {
        const QColor bg(9, 11, 20);
        const double yc = (h - 1) / 2.0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                // Glass casing: a faint tint of the gas colour with two rims.
                QColor px = Mix(bg, c, 0.06);
                if (y == 0 || y == h - 1)
                    px = Mix(bg, White, 0.10);
                else if (y == 1 || y == h - 2)
                    px = Mix(bg, c, 0.16);
                // Glowing gas: a bright core over a wide halo, fading out
                // before the electrodes at either end.
                const double d = std::abs(y - yc);
                const double along = Smooth(5, 12, x) * Smooth(5, 12, w - 1 - x);
                const double core = std::exp(-std::pow(d / 1.25, 2)) * along;
                const double halo = std::exp(-std::pow(d / 3.6, 2)) * along;
                double r = px.redF() + c.redF() * halo * 0.95 + core * 0.85;
                double g = px.greenF() + c.greenF() * halo * 0.95 + core * 0.85;
                double b = px.blueF() + c.blueF() * halo * 0.95 + core * 0.85;
                px = QColor::fromRgbF(float(std::min(r, 1.0)), float(std::min(g, 1.0)), float(std::min(b, 1.0)));
                // Electrodes.
                if ((x < 5 || x > w - 6) && y > 3 && y < h - 4) {
                    const double t = double(y - 4) / (h - 9);
                    px = MetalProfile(QColor(150, 150, 160), t);
                }
                img.setPixelColor(x, y, px);
            }
        for (int t : Ticks)
            for (int y = h - 3; y < h - 1; ++y)
                img.setPixelColor(t, y, Mix(img.pixelColor(t, y), c, 0.55));
        return img;
    }

    // Grain of brushed metal: every row has its own slow streaks.
    std::vector<double> grain(size_t(w * h), 0.0);
    if (s.look == Look::Metal) {
        for (int y = 0; y < h; ++y) {
            double v = rng.Next() - 0.5, target = v;
            const double rowBias = (rng.Next() - 0.5) * 0.05;
            for (int x = 0; x < w; ++x) {
                if (x % 9 == 0)
                    target = rng.Next() - 0.5;
                v += (target - v) * 0.18;
                grain[size_t(y * w + x)] = rowBias + v * 0.07 + (rng.Next() - 0.5) * 0.025;
            }
        }
    }

    for (int y = 0; y < h; ++y) {
        const double t = (y + 0.5) / h;
        QColor row = s.look == Look::Glass   ? GlassProfile(c, t)
                     : s.look == Look::Metal ? MetalProfile(c, t)
                                             : PlasticProfile(c, t);
        for (int x = 0; x < w; ++x) {
            QColor px = row;
            if (s.look == Look::Metal)
                px = Scale(px, 1.0 + grain[size_t(y * w + x)]);
            // Rounded ends: the tube turns away from the light at both caps.
            const double edge = std::min(x, w - 1 - x);
            if (edge < 9)
                px = Mix(px, Mix(c, Black, 0.55), 0.55 * std::pow(1 - edge / 9.0, 2));
            if (y == 0 || y == h - 1)
                px = Mix(px, Mix(c, Black, 0.6), 0.75);
            img.setPixelColor(x, y, px);
        }
    }
    // The glass lets a thin bright rim show just inside its upper edge.
    if (s.look == Look::Glass)
        for (int x = 6; x < w - 6; ++x)
            img.setPixelColor(x, 1, Mix(img.pixelColor(x, 1), White, 0.45));
    for (int t : Ticks)
        for (int y = h - 4; y < h - 1; ++y)
            img.setPixelColor(t, y, Mix(img.pixelColor(t, y), Black, 0.30));
    return img;
}

QImage Marker(const Skin &s)
{
    const int w = s.marker.width(), h = s.marker.height();
    QImage img(w, h, QImage::Format_RGB32);
    const QColor m = s.mark;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double t = (y + 0.5) / h;
            const bool rim = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            QColor px;
            switch (s.look) {
            case Look::Neon: {
                // A lit block: white-hot centre, coloured edge glow.
                const double dx = std::abs(x - (w - 1) / 2.0) / (w / 2.0);
                const double dy = std::abs(y - (h - 1) / 2.0) / (h / 2.0);
                const double d = std::max(dx, dy);
                px = rim ? Mix(m, Black, 0.45) : Mix(White, m, Smooth(0.15, 0.85, d));
                break;
            }
            case Look::Glass:
                px = rim ? Mix(m, Black, 0.55) : GlassProfile(m, t);
                break;
            case Look::Plastic:
                px = rim ? Mix(m, Black, 0.50) : PlasticProfile(m, t);
                break;
            case Look::Metal: {
                px = rim ? Mix(m, Black, 0.65) : MetalProfile(m, t);
                // Bevel: lit from the upper left.
                if (!rim && (x == 1 || y == 1))
                    px = Mix(px, White, 0.35);
                else if (!rim && (x == w - 2 || y == h - 2))
                    px = Mix(px, Black, 0.25);
                break;
            }
            }
            img.setPixelColor(x, y, px);
        }
    return img;
}

void Skins()
{
    // Row order of the skin list; marker colours chosen to stand out on
    // their own bar.
    const Skin skins[] = {
        {"NEONBLUE", Look::Neon, 16, {8, 10}, QColor(30, 120, 255), QColor(120, 230, 255)},
        {"NEONGREEN", Look::Neon, 16, {7, 10}, QColor(20, 230, 70), QColor(240, 255, 90)},
        {"NEONRED", Look::Neon, 16, {9, 10}, QColor(255, 30, 50), QColor(255, 200, 60)},
        {"GOLDMETAL", Look::Metal, 18, {8, 11}, QColor(214, 168, 52), QColor(92, 98, 110)},
        {"GREENMETAL", Look::Metal, 18, {10, 11}, QColor(58, 150, 96), QColor(224, 178, 60)},
        {"GLASSBLUE", Look::Glass, 16, {9, 10}, QColor(40, 110, 215), QColor(255, 160, 20)},
        {"GLASSGREEN", Look::Glass, 16, {9, 10}, QColor(40, 165, 75), QColor(40, 70, 210)},
        {"GLASSRED", Look::Glass, 16, {9, 10}, QColor(205, 40, 40), QColor(250, 210, 40)},
        {"PLASTICBLUE", Look::Plastic, 16, {7, 8}, QColor(35, 95, 210), QColor(255, 205, 30)},
        {"PLASTICGREEN", Look::Plastic, 16, {7, 8}, QColor(45, 160, 60), QColor(235, 60, 40)},
        {"PLASTICVIOLET", Look::Plastic, 16, {7, 8}, QColor(130, 60, 190), QColor(160, 230, 50)},
    };
    for (const Skin &s : skins) {
        Save(Bar(s), QStringLiteral("skins/%1.png").arg(QLatin1String(s.name)));
        Save(Marker(s), QStringLiteral("skins/%1B.png").arg(QLatin1String(s.name)));
    }
}

// ---------------------------------------------------------- grid pictures

void ReportPictures(const QImage &up, const QImage &dn);

// '#' shaded body (outlined where it meets the ground), '=' solid dark bar.
QImage PixelIcon(const char *const rows[13], const QColor &light, const QColor &base, const QColor &outline)
{
    const int w = 11, h = 13;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    auto at = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h ? rows[y][x] : '.'; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const char ch = at(x, y);
            if (ch == '=') {
                img.setPixelColor(x, y, outline);
            } else if (ch == '#') {
                const bool edge = at(x - 1, y) != '#' || at(x + 1, y) != '#' || at(x, y - 1) != '#' || at(x, y + 1) != '#';
                // Lit from the upper left.
                const double t = (x * 0.6 + y) / (w * 0.6 + h);
                img.setPixelColor(x, y, edge ? outline : Mix(light, base, Smooth(0.1, 0.8, t)));
            }
        }
    return img;
}

void GridPictures()
{
    static const char *const up[13] = {
        "...........", ".....#.....", "....###....", "...#####...", "..#######..", ".#########.", "###########",
        "...#####...", "...#####...", "...#####...", "...#####...", "...#####...", "...........",
    };
    static const char *const high[13] = {
        "===========", "===========", "...........", ".....#.....", "....###....", "...#####...", "..#######..",
        ".#########.", "...#####...", "...#####...", "...#####...", "...#####...", "...........",
    };
    // The downward pictures are the upward ones upside down.
    auto flip = [](const char *const rows[13]) {
        std::array<const char *, 13> f;
        for (int i = 0; i < 13; ++i)
            f[size_t(i)] = rows[12 - i];
        return f;
    };
    const auto dn = flip(up), low = flip(high);
    const QImage upImage = PixelIcon(up, QColor(120, 235, 120), QColor(0, 150, 20), QColor(0, 85, 0));
    const QImage dnImage = PixelIcon(dn.data(), QColor(255, 130, 120), QColor(205, 10, 10), QColor(115, 0, 0));
    Save(upImage, QStringLiteral("pictures/UP.png"));
    Save(dnImage, QStringLiteral("pictures/DN.png"));
    ReportPictures(upImage, dnImage);
    // The alerts share one warm colour; the bar tells which line was crossed.
    Save(PixelIcon(high, QColor(255, 225, 120), QColor(235, 135, 0), QColor(130, 60, 0)), QStringLiteral("pictures/HIGH.png"));
    Save(PixelIcon(low.data(), QColor(255, 225, 120), QColor(235, 135, 0), QColor(130, 60, 0)), QStringLiteral("pictures/LOW.png"));
}

// ------------------------------------------------- report page pictures

void SaveBytes(const QByteArray &bytes, const QString &rel)
{
    const QString path = g_out + QLatin1Char('/') + rel;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s %lld bytes\n", qPrintable(rel), qlonglong(bytes.size()));
}

// What the report pages refer to beside the program: the price list's
// change arrows (the grid's own, as GIF) and the analyst bar's tile and
// marker.
void ReportPictures(const QImage &up, const QImage &dn)
{
    SaveBytes(Gif(up), QStringLiteral("pages/up.gif"));
    SaveBytes(Gif(dn), QStringLiteral("pages/dn.gif"));
    QImage bar(16, 14, QImage::Format_RGB32);
    QImage marker(6, 14, QImage::Format_RGB32);
    for (int y = 0; y < 14; ++y) {
        const double t = std::abs(y - 4.5) / 9.5; // a lit band above the middle
        for (int x = 0; x < 16; ++x)
            bar.setPixelColor(x, y, Mix(QColor(150, 185, 255), QColor(10, 40, 170), t));
        for (int x = 0; x < 6; ++x)
            marker.setPixelColor(x, y, Mix(QColor(255, 170, 150), QColor(190, 0, 0), t));
    }
    Save(bar, QStringLiteral("pages/bar.jpg"), "JPG", 95);
    Save(marker, QStringLiteral("pages/gmb.jpg"), "JPG", 95);
}

// ------------------------------------------------------- picture buttons

QImage ButtonFace(const QColor &c, bool pressed)
{
    return Supersampled(QSize(50, 25), 8, [&](QPainter &p) {
        const QRectF outer(0.6, 0.6, 48.8, 23.8);
        p.setPen(Qt::NoPen);
        p.setBrush(Mix(c, Black, 0.60));
        p.drawEllipse(outer);

        const QRectF body = outer.adjusted(1.1, 1.1, -1.1, -1.1);
        QRadialGradient g(body.center() + QPointF(0, pressed ? -3 : 5), body.width() * 0.62);
        g.setColorAt(0.0, Mix(c, White, pressed ? 0.10 : 0.38));
        g.setColorAt(0.55, c);
        g.setColorAt(1.0, Mix(c, Black, 0.40));
        p.setBrush(g);
        p.drawEllipse(body);

        // Gloss on the upper half; weaker and lower when pushed in.
        const QRectF gloss(body.left() + 5, body.top() + (pressed ? 2.2 : 0.9), body.width() - 10, body.height() * 0.46);
        QLinearGradient gg(gloss.topLeft(), gloss.bottomLeft());
        gg.setColorAt(0.0, QColor(255, 255, 255, pressed ? 95 : 215));
        gg.setColorAt(1.0, QColor(255, 255, 255, pressed ? 5 : 25));
        p.setBrush(gg);
        p.drawEllipse(gloss);

        // Light passing through the button pools at its lower edge.
        const QRectF pool(body.left() + 12, body.bottom() - 6.5, body.width() - 24, 5);
        QRadialGradient pg(pool.center(), pool.width() / 2);
        pg.setColorAt(0.0, QColor::fromRgbF(float(Mix(c, White, 0.6).redF()), float(Mix(c, White, 0.6).greenF()),
                                            float(Mix(c, White, 0.6).blueF()), pressed ? 0.25f : 0.55f));
        pg.setColorAt(1.0, Qt::transparent);
        p.setBrush(pg);
        p.drawEllipse(pool);
    });
}

void Buttons()
{
    Save(ButtonFace(QColor(35, 95, 215), false), QStringLiteral("pictures/B1.png"));
    Save(ButtonFace(QColor(18, 45, 125), true), QStringLiteral("pictures/B2.png"));
    Save(ButtonFace(QColor(215, 40, 40), false), QStringLiteral("pictures/B3.png"));
    Save(ButtonFace(QColor(30, 165, 65), false), QStringLiteral("pictures/B4.png"));
}

// ----------------------------------------------------------------- cursors

QPainterPath Capsule(double x, double top, double w, double bottom)
{
    QPainterPath p;
    p.addRoundedRect(QRectF(x, top, w, bottom - top), w / 2, w / 2);
    return p;
}

void DrawHand(QPainter &p, const QPainterPath &shape, const QList<QLineF> &creases)
{
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape.simplified());
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF &l : creases)
        p.drawLine(l);
}

void Cursors()
{
    // Both hands are 32 x 32 with the hot spot at (16, 14), in the palm.
    const QImage open = Supersampled(QSize(32, 32), 8, [](QPainter &p) {
        QPainterPath hand;
        hand.addRoundedRect(QRectF(8.5, 13, 15.5, 14.5), 5, 5);        // palm
        hand = hand.united(Capsule(8.6, 6.0, 3.9, 18));                 // index
        hand = hand.united(Capsule(12.5, 3.5, 3.9, 17));                // middle
        hand = hand.united(Capsule(16.4, 4.5, 3.9, 17));                // ring
        hand = hand.united(Capsule(20.3, 7.5, 3.7, 18));                // little
        QPainterPath thumb = Capsule(0, -8, 3.9, 0);
        thumb = QTransform().translate(10.0, 22.5).rotate(-48).map(thumb);
        hand = hand.united(thumb);
        DrawHand(p, hand, {QLineF(12.5, 9.5, 12.5, 15.5), QLineF(16.4, 8.5, 16.4, 15.0), QLineF(20.3, 10.5, 20.3, 15.5)});
    });
    Save(open, QStringLiteral("cursors/103.png"));

    const QImage grab = Supersampled(QSize(32, 32), 8, [](QPainter &p) {
        QPainterPath hand;
        hand.addRoundedRect(QRectF(8.5, 12.5, 15.5, 14.5), 5, 5);
        // Folded fingers: only the knuckles show above the palm.
        hand = hand.united(Capsule(8.6, 9.5, 3.9, 16));
        hand = hand.united(Capsule(12.5, 8.5, 3.9, 15));
        hand = hand.united(Capsule(16.4, 8.5, 3.9, 15));
        hand = hand.united(Capsule(20.3, 9.5, 3.7, 16));
        QPainterPath thumb = Capsule(0, -6, 3.9, 0);
        thumb = QTransform().translate(9.5, 21.0).rotate(-70).map(thumb);
        hand = hand.united(thumb);
        DrawHand(p, hand, {QLineF(12.5, 11.0, 12.5, 14.0), QLineF(16.4, 10.5, 16.4, 14.0), QLineF(20.3, 11.0, 20.3, 14.0),
                           QLineF(10.0, 16.2, 22.5, 16.2)});
    });
    Save(grab, QStringLiteral("cursors/102.png"));
}

// ---------------------------------------------------- splash and investor

// A price path that wanders but climbs overall; the same every run.
QList<QPointF> PricePath(QRectF r, int n, uint32_t seed, double climb)
{
    Rng rng{seed};
    QList<QPointF> pts;
    double v = 0;
    for (int i = 0; i < n; ++i) {
        v += (rng.Next() - 0.5) * 0.16 + climb / n;
        pts << QPointF(r.left() + r.width() * i / (n - 1), r.bottom() - r.height() * (0.15 + v));
    }
    return pts;
}

void Splash()
{
    const QSize size(400, 250);
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient bg(0, 0, size.width(), size.height());
    bg.setColorAt(0.0, QColor(8, 20, 46));
    bg.setColorAt(1.0, QColor(16, 52, 98));
    p.fillRect(img.rect(), bg);

    // Chart paper.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int x = 0; x <= size.width(); x += 25)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, size.height()));
    for (int y = 0; y <= size.height(); y += 25)
        p.drawLine(QPointF(0, y + 0.5), QPointF(size.width(), y + 0.5));

    // Faint candles behind everything.
    {
        Rng rng{7};
        double mid = 150;
        for (int x = 14; x < size.width(); x += 12) {
            const double open = mid, close = mid + (rng.Next() - 0.58) * 18;
            const double hi = std::min(open, close) - rng.Next() * 8, lo = std::max(open, close) + rng.Next() * 8;
            const QColor col = close < open ? QColor(90, 220, 140, 38) : QColor(240, 90, 90, 34);
            p.setPen(QPen(col, 1));
            p.drawLine(QPointF(x + 2.5, hi), QPointF(x + 2.5, lo));
            p.setPen(Qt::NoPen);
            p.setBrush(col);
            p.drawRect(QRectF(x, std::min(open, close), 5, std::max(2.0, std::abs(close - open))));
            mid = close + (150 - close) * 0.08 - 1.1;
        }
    }

    // The rising line with its glow and the light beneath it.
    const QRectF chart(0, 70, size.width(), 150);
    const QList<QPointF> pts = PricePath(chart, 48, 2024, 0.62);
    QPainterPath line(pts.first());
    for (int i = 1; i < pts.size(); ++i)
        line.lineTo(pts[i]);
    QPainterPath area = line;
    area.lineTo(chart.right(), size.height());
    area.lineTo(chart.left(), size.height());
    area.closeSubpath();
    QLinearGradient ag(0, chart.top(), 0, size.height());
    ag.setColorAt(0.0, QColor(60, 200, 255, 70));
    ag.setColorAt(1.0, QColor(60, 200, 255, 0));
    p.fillPath(area, ag);
    for (const auto &[width, alpha] : {std::pair{9.0, 18}, {5.0, 40}, {2.2, 255}}) {
        p.setPen(QPen(QColor(110, 225, 255, alpha), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
    p.setPen(Qt::NoPen);
    QRadialGradient dot(pts.last(), 9);
    dot.setColorAt(0.0, QColor(255, 255, 255, 255));
    dot.setColorAt(0.35, QColor(140, 235, 255, 200));
    dot.setColorAt(1.0, QColor(140, 235, 255, 0));
    p.setBrush(dot);
    p.drawEllipse(pts.last(), 9, 9);

    // Title block on a soft dark veil so it reads over the chart.
    QLinearGradient veil(0, 0, 0, 120);
    veil.setColorAt(0.0, QColor(4, 12, 30, 190));
    veil.setColorAt(1.0, QColor(4, 12, 30, 0));
    p.fillRect(QRectF(0, 0, size.width(), 120), veil);

    // Emblem: a rounded tile with an upward stroke.
    const QRectF tile(26, 30, 46, 46);
    QLinearGradient tg(tile.topLeft(), tile.bottomRight());
    tg.setColorAt(0.0, QColor(255, 196, 60));
    tg.setColorAt(1.0, QColor(230, 120, 20));
    p.setBrush(tg);
    p.setPen(QPen(QColor(255, 235, 180, 160), 1));
    p.drawRoundedRect(tile, 10, 10);
    p.setPen(QPen(QColor(40, 22, 0), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath mark;
    mark.moveTo(tile.left() + 9, tile.bottom() - 13);
    mark.lineTo(tile.left() + 19, tile.bottom() - 22);
    mark.lineTo(tile.left() + 26, tile.bottom() - 16);
    mark.lineTo(tile.right() - 9, tile.top() + 11);
    p.drawPath(mark);
    p.drawLine(QPointF(tile.right() - 9, tile.top() + 11), QPointF(tile.right() - 17, tile.top() + 11));
    p.drawLine(QPointF(tile.right() - 9, tile.top() + 11), QPointF(tile.right() - 9, tile.top() + 19));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(40);
    title.setWeight(QFont::DemiBold);
    title.setLetterSpacing(QFont::PercentageSpacing, 102);
    p.setFont(title);
    const QPointF base(84, 66);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(base + QPointF(1.5, 2), QStringLiteral("Tickerwatch"));
    QLinearGradient tgrad(0, base.y() - 32, 0, base.y());
    tgrad.setColorAt(0.0, QColor(255, 255, 255));
    tgrad.setColorAt(1.0, QColor(190, 220, 255));
    p.setPen(QPen(QBrush(tgrad), 1));
    p.drawText(base, QStringLiteral("Tickerwatch"));

    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(11);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(sub);
    const QString version = QStringLiteral("VERSION 5.7");
    p.setPen(QColor(255, 200, 90));
    p.drawText(QPointF(86, 86), version);
    p.setPen(QColor(200, 220, 245, 200));
    p.drawText(QPointF(86 + p.fontMetrics().horizontalAdvance(version) + 14, 86),
               QStringLiteral("MARKETS AT A GLANCE"));

    // Ticker tape along the bottom.
    const QRectF tape(0, size.height() - 22, size.width(), 22);
    p.fillRect(tape, QColor(2, 8, 20, 215));
    p.setPen(QPen(QColor(255, 200, 90, 120), 1));
    p.drawLine(QPointF(0, tape.top() + 0.5), QPointF(size.width(), tape.top() + 0.5));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(11);
    p.setFont(mono);
    struct Quote { const char *sym, *price, *chg; bool up; };
    const Quote quotes[] = {{"ACME", "42.18", "+0.64", true}, {"BOLT", "17.05", "-0.22", false},
                            {"CRUX", "88.40", "+1.12", true}, {"DYNA", "9.76", "+0.08", true},
                            {"ELMO", "31.33", "-0.41", false}};
    // As many whole quotes as fit, spread over the tape's width.
    const QFontMetricsF fm(mono);
    auto change = [](const Quote &q) {
        return (q.up ? QStringLiteral("\u25B2") : QStringLiteral("\u25BC")) + QLatin1String(q.chg + 1);
    };
    auto width = [&](const Quote &q) {
        return fm.horizontalAdvance(QLatin1String(q.sym)) + 5 + fm.horizontalAdvance(QLatin1String(q.price)) + 6 +
               fm.horizontalAdvance(change(q));
    };
    const double margin = 8, usable = size.width() - 2 * margin;
    int shown = 0;
    double used = 0;
    for (const Quote &q : quotes) {
        if (used + width(q) + (shown ? 14 : 0) > usable)
            break;
        used += width(q) + (shown ? 14 : 0);
        ++shown;
    }
    double free = usable;
    for (int i = 0; i < shown; ++i)
        free -= width(quotes[i]);
    const double gap = shown > 1 ? free / (shown - 1) : 0;
    double x = margin;
    const double ty = tape.top() + 15;
    for (int i = 0; i < shown; ++i) {
        const Quote &q = quotes[i];
        p.setPen(QColor(225, 232, 245));
        p.drawText(QPointF(x, ty), QLatin1String(q.sym));
        x += fm.horizontalAdvance(QLatin1String(q.sym)) + 5;
        p.drawText(QPointF(x, ty), QLatin1String(q.price));
        x += fm.horizontalAdvance(QLatin1String(q.price)) + 6;
        p.setPen(q.up ? QColor(90, 230, 120) : QColor(255, 100, 100));
        p.drawText(QPointF(x, ty), change(q));
        x += fm.horizontalAdvance(change(q)) + gap;
    }

    // A thin frame keeps the picture's edge crisp on any window.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    p.end();
    Save(img, QStringLiteral("pictures/SPLASH.png"));
}

void FillPolygon(QPainter &p, const QColor &color, std::initializer_list<QPointF> points)
{
    p.setBrush(color);
    p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void Investor()
{
    const QImage img = Supersampled(QSize(96, 96), 4, [](QPainter &p) {
        // Backdrop: a light panel with a climbing chart.
        const QRectF panel(2, 2, 92, 92);
        QLinearGradient bg(panel.topLeft(), panel.bottomLeft());
        bg.setColorAt(0.0, QColor(232, 242, 252));
        bg.setColorAt(1.0, QColor(186, 208, 232));
        p.setPen(QPen(QColor(90, 120, 160), 1.2));
        p.setBrush(bg);
        p.drawRoundedRect(panel, 12, 12);
        p.save();
        QPainterPath clip;
        clip.addRoundedRect(panel.adjusted(0.6, 0.6, -0.6, -0.6), 11.4, 11.4);
        p.setClipPath(clip);
        p.setPen(Qt::NoPen);
        const double bars[] = {18, 26, 22, 34, 30, 44, 40, 56};
        for (int i = 0; i < 8; ++i) {
            p.setBrush(QColor(120, 160, 210, 90));
            p.drawRect(QRectF(6 + i * 11, 94 - bars[i], 7, bars[i]));
        }
        QPainterPath trend;
        trend.moveTo(6, 70);
        const QPointF pts[] = {{18, 64}, {28, 67}, {40, 52}, {52, 56}, {64, 38}, {74, 42}, {88, 18}};
        for (const QPointF &pt : pts)
            trend.lineTo(pt);
        p.setPen(QPen(QColor(20, 150, 70), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(trend);
        p.setPen(Qt::NoPen);
        FillPolygon(p, QColor(20, 150, 70), {{90.5, 14.5}, {81.5, 17.5}, {88.5, 24}});

        // The investor: shoulders in a dark suit, shirt and tie, a plain face.
        QPainterPath suit;
        suit.moveTo(14, 96);
        suit.cubicTo(14, 74, 26, 66, 48, 66);
        suit.cubicTo(70, 66, 82, 74, 82, 96);
        suit.closeSubpath();
        QLinearGradient sg(0, 66, 0, 96);
        sg.setColorAt(0.0, QColor(52, 62, 88));
        sg.setColorAt(1.0, QColor(24, 30, 48));
        p.setBrush(sg);
        p.drawPath(suit);
        FillPolygon(p, QColor(246, 248, 252), {{39, 67}, {57, 67}, {48, 90}}); // shirt
        FillPolygon(p, QColor(190, 30, 40), {{45.5, 69}, {50.5, 69}, {52, 84}, {48, 89}, {44, 84}}); // tie
        FillPolygon(p, QColor(38, 46, 68), {{38, 66.5}, {44, 80}, {34, 72}}); // lapels
        FillPolygon(p, QColor(38, 46, 68), {{58, 66.5}, {52, 80}, {62, 72}});
        // Neck and head.
        p.setBrush(QColor(214, 170, 140));
        p.drawRect(QRectF(43, 56, 10, 12));
        QRadialGradient face(QPointF(45, 40), 20);
        face.setColorAt(0.0, QColor(246, 212, 184));
        face.setColorAt(1.0, QColor(214, 168, 136));
        p.setBrush(face);
        p.drawEllipse(QRectF(35, 28, 26, 32));
        // Hair.
        QPainterPath hair;
        hair.moveTo(35, 42);
        hair.cubicTo(33, 26, 44, 22, 50, 23);
        hair.cubicTo(58, 23, 64, 30, 61, 42);
        hair.cubicTo(58, 34, 52, 31, 44, 33);
        hair.cubicTo(40, 34, 37, 37, 35, 42);
        p.setBrush(QColor(70, 52, 40));
        p.drawPath(hair);
        // Glasses.
        p.setPen(QPen(QColor(40, 40, 50), 1.1));
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawRoundedRect(QRectF(38.5, 41, 8.5, 6), 2, 2);
        p.drawRoundedRect(QRectF(49, 41, 8.5, 6), 2, 2);
        p.drawLine(QPointF(47, 43), QPointF(49, 43));
        p.restore();
        p.setPen(QPen(QColor(90, 120, 160), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(panel, 12, 12);
    });
    Save(img, QStringLiteral("pictures/INVESTOR.png"));
}

} // namespace

// ------------------------------------------------------------------ dollar

// The relaxation window's picture: a banknote in green ink with 256 colours,
// for the ripple that moves its palette indexes about. Painted in grey, then
// each grey level becomes one step of a green ramp from ink to paper.
void Dollar()
{
    const QSize size(335, 143);
    QImage img(size, QImage::Format_RGB32);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const auto grey = [](int g) { return QColor(g, g, g); };

        QRadialGradient paper(size.width() / 2.0, size.height() / 2.0, size.width() * 0.6);
        paper.setColorAt(0.0, grey(238));
        paper.setColorAt(1.0, grey(196));
        p.fillRect(img.rect(), paper);

        // Fine wavy lines across the note.
        p.setPen(QPen(grey(150), 0.8));
        for (int k = 0; k < 14; ++k) {
            QPainterPath wave;
            const double base = 8 + k * 9.5;
            for (int x = 0; x <= size.width(); x += 2) {
                const double y = base + 4 * std::sin(x / 11.0 + k * 0.7);
                if (x == 0)
                    wave.moveTo(x, y);
                else
                    wave.lineTo(x, y);
            }
            p.drawPath(wave);
        }

        p.setPen(QPen(grey(55), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(5, 5, size.width() - 10, size.height() - 10), 6, 6);
        p.setPen(QPen(grey(95), 1));
        p.drawRect(QRectF(11.5, 11.5, size.width() - 23, size.height() - 23));

        const QPointF centre(size.width() / 2.0, size.height() / 2.0);
        QRadialGradient seal(centre, 56);
        seal.setColorAt(0.0, grey(250));
        seal.setColorAt(1.0, grey(185));
        p.setBrush(seal);
        p.setPen(QPen(grey(60), 2));
        p.drawEllipse(centre, 58, 52);

        QFont big(QStringLiteral("DejaVu Serif"));
        big.setPixelSize(84);
        big.setWeight(QFont::Bold);
        p.setFont(big);
        p.setPen(grey(30));
        p.drawText(QRectF(centre.x() - 60, centre.y() - 52, 120, 104), Qt::AlignCenter, QStringLiteral("$"));

        QFont corner(QStringLiteral("DejaVu Sans"));
        corner.setPixelSize(22);
        corner.setWeight(QFont::Bold);
        p.setFont(corner);
        p.setPen(grey(50));
        const double w = size.width(), h = size.height();
        for (const QRectF &r : {QRectF(16, 14, 30, 26), QRectF(w - 46, 14, 30, 26), QRectF(16, h - 40, 30, 26),
                                QRectF(w - 46, h - 40, 30, 26)})
            p.drawText(r, Qt::AlignCenter, QStringLiteral("1"));

        QFont small(QStringLiteral("DejaVu Sans"));
        small.setPixelSize(11);
        small.setWeight(QFont::DemiBold);
        small.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        p.setFont(small);
        p.setPen(grey(45));
        p.drawText(QRectF(0, 15, w, 14), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("ZANDOR RESERVE NOTE"));
        p.drawText(QRectF(0, h - 29, w, 14), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("ONE DOLLAR"));
    }

    QImage out(size, QImage::Format_Indexed8);
    QList<QRgb> ramp(256);
    for (int i = 0; i < 256; ++i)
        ramp[i] = Mix(QColor(8, 48, 24), QColor(228, 242, 214), i / 255.0).rgb();
    out.setColorTable(ramp);
    for (int y = 0; y < size.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        uchar *line = out.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            line[x] = uchar(qGray(in[x]));
    }
    Save(out, QStringLiteral("pictures/DOLLAR.png"));
}

// ------------------------------------------------------------------ screen

// The screener's background: a pale blue-grey linen, 128 x 128 and seamless
// (every wave repeats a whole number of times across the tile), so tiles
// join without a seam.
void ScreenTexture()
{
    constexpr int n = 128;
    QImage img(n, n, QImage::Format_RGB32);
    Rng rng{20250601u};
    const double tau = 2 * M_PI / n;
    for (int y = 0; y < n; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < n; ++x) {
            const double weave = 0.5 * std::sin(x * tau * 32) * std::sin(y * tau * 2)
                                 + 0.5 * std::sin(y * tau * 32) * std::sin(x * tau * 3);
            const double cloud = std::sin(x * tau + 2 * std::sin(y * tau)) + std::sin(y * tau * 2 + x * tau);
            const double v = 5 * weave + 4 * cloud + 6 * (rng.Next() - 0.5);
            line[x] = qRgb(qBound(0, int(214 + v), 255), qBound(0, int(222 + v), 255), qBound(0, int(234 + v), 255));
        }
    }
    Save(img, QStringLiteral("pictures/SCREEN.png"));
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: twartwork RESOURCES_FOLDER\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    Skins();
    GridPictures();
    Buttons();
    Cursors();
    Splash();
    Investor();
    Dollar();
    ScreenTexture();
    return 0;
}
