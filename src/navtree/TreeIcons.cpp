#include "navtree/TreeIcons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace TreeIcons {

namespace {

// One palette for all pictures: dark slate outlines, light from the top left.
const QColor Ink(44, 62, 80);
const QColor Paper(252, 252, 248);
const QColor PaperShade(222, 226, 232);
const QColor TextLine(140, 150, 165);
const QColor Sea(61, 143, 214);
const QColor Land(88, 170, 72);
const QColor Glass(200, 228, 250, 170);
const QColor Handle(120, 78, 40);

QPen Line(const QColor &c, double w = 1.0)
{
    QPen pen(c, w);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A sheet with a folded top-right corner; lines of text when asked.
void Page(QPainter &p, QRectF r, const QColor &fill = Paper, int lines = 0)
{
    const double fold = 3;
    QPolygonF body;
    body << r.topLeft() << QPointF(r.right() - fold, r.top()) << QPointF(r.right(), r.top() + fold)
         << r.bottomRight() << r.bottomLeft();
    p.setPen(Line(Ink));
    p.setBrush(fill);
    p.drawPolygon(body);
    QPolygonF corner;
    corner << QPointF(r.right() - fold, r.top()) << QPointF(r.right() - fold, r.top() + fold)
           << QPointF(r.right(), r.top() + fold);
    p.setBrush(PaperShade);
    p.drawPolygon(corner);
    p.setPen(QPen(TextLine, 1));
    for (int i = 0; i < lines; ++i) {
        // On pixel centres, so each line is one crisp row.
        const double y = std::floor(r.top() + 3) + 0.5 + 2 * i;
        if (y > r.bottom() - 1.5)
            break;
        const double left = std::floor(r.left()) + 2;
        const double right = std::floor(i == 0 ? r.right() - fold - 1 : r.right() - 1);
        p.drawLine(QPointF(left, y), QPointF(i % 3 == 2 ? right - 2 : right, y));
    }
}

void Globe(QPainter &p, QPointF c, double r, const QColor &sea = Sea, const QColor &land = Land)
{
    QRadialGradient shade(c - QPointF(r / 3, r / 3), r * 1.6);
    shade.setColorAt(0, sea.lighter(135));
    shade.setColorAt(1, sea.darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(c, r, r);
    // Two continents, clipped to the sphere.
    QPainterPath sphere;
    sphere.addEllipse(c, r, r);
    p.save();
    p.setClipPath(sphere);
    p.setBrush(land);
    QPainterPath west;
    west.moveTo(c + QPointF(-r * 0.9, -r * 0.5));
    west.cubicTo(c + QPointF(-r * 0.2, -r * 0.9), c + QPointF(-r * 0.1, -r * 0.2), c + QPointF(-r * 0.45, 0));
    west.cubicTo(c + QPointF(-r * 0.2, r * 0.4), c + QPointF(-r * 0.4, r * 0.9), c + QPointF(-r * 0.7, r * 0.6));
    west.closeSubpath();
    p.drawPath(west);
    QPainterPath east;
    east.moveTo(c + QPointF(r * 0.15, -r * 0.75));
    east.cubicTo(c + QPointF(r * 0.8, -r * 0.8), c + QPointF(r * 1.0, 0), c + QPointF(r * 0.55, r * 0.2));
    east.cubicTo(c + QPointF(r * 0.7, r * 0.7), c + QPointF(r * 0.25, r * 0.8), c + QPointF(r * 0.2, r * 0.3));
    east.cubicTo(c + QPointF(0, 0), c + QPointF(r * 0.05, -r * 0.4), c + QPointF(r * 0.15, -r * 0.75));
    p.drawPath(east);
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(QColor(255, 255, 255, 90), 0.7));
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
    p.restore();
    p.setPen(Line(Ink));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
}

// A lens at c with radius r and its handle towards the bottom right.
void Magnifier(QPainter &p, QPointF c, double r)
{
    const double d = r / std::sqrt(2.0);
    p.setPen(Line(Handle, 2.6));
    p.drawLine(c + QPointF(d + 0.6, d + 0.6), c + QPointF(d + r * 0.95 + 1, d + r * 0.95 + 1));
    p.setPen(Line(Ink, 1.3));
    p.setBrush(Glass);
    p.drawEllipse(c, r, r);
    p.setPen(Line(QColor(255, 255, 255, 200), 0.8));
    p.drawArc(QRectF(c.x() - r * 0.6, c.y() - r * 0.6, r * 1.2, r * 1.2), 100 * 16, 70 * 16);
}

// A closed book seen from the front, spine on the left.
void Book(QPainter &p, QRectF r, const QColor &cover)
{
    p.setPen(Line(Ink));
    p.setBrush(Paper);
    p.drawRect(r.adjusted(1.5, 1.5, 1, 1));
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, cover.darker(140));
    g.setColorAt(0.25, cover);
    g.setColorAt(1, cover.lighter(115));
    p.setBrush(g);
    p.drawRect(r);
    p.setPen(Line(cover.darker(170)));
    p.drawLine(QPointF(r.left() + 2, r.top() + 0.5), QPointF(r.left() + 2, r.bottom() - 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRect(QRectF(r.left() + 3.5, r.top() + 2.5, r.width() - 5.5, 2));
}

void Star(QPainter &p, QPointF c, double r, const QColor &fill)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = i % 2 ? r * 0.45 : r;
        star << c + QPointF(rr * std::cos(a), rr * std::sin(a));
    }
    p.setPen(Line(fill.darker(160), 0.8));
    p.setBrush(fill);
    p.drawPolygon(star);
}

// Bars standing on a baseline, on whole pixels so their edges stay crisp.
void Bars(QPainter &p, int left, int bottom, std::initializer_list<std::pair<int, QColor>> bars, int width = 3,
          int gap = 1)
{
    int x = left;
    for (const auto &[height, color] : bars) {
        p.setPen(QPen(color.darker(150), 1));
        p.setBrush(color);
        p.drawRect(QRectF(x + 0.5, bottom - height + 0.5, width - 1, height - 1));
        x += width + gap;
    }
}

// An arc around c from angle a0 to a1 (degrees, counter-clockwise from
// three o'clock; a1 < a0 goes clockwise) with a head at its end.
void Arrow(QPainter &p, QPointF c, double r, double a0, double a1, const QColor &color)
{
    p.setPen(Line(color, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(a0 * 16), int((a1 - a0) * 16));
    const double t = a1 * M_PI / 180;
    const QPointF end = c + QPointF(r * std::cos(t), -r * std::sin(t));
    const double sign = a1 < a0 ? 1 : -1; // clockwise on screen
    const QPointF dir(sign * std::sin(t), sign * std::cos(t));
    const QPointF side(-dir.y(), dir.x());
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF() << end + dir * 3.2 << end + side * 2.6 - dir * 0.8 << end - side * 2.6 - dir * 0.8);
}

void Folder(QPainter &p, QRectF r)
{
    const QColor back(226, 176, 58);
    const QColor front(248, 206, 92);
    p.setPen(Line(back.darker(170)));
    p.setBrush(back);
    QPolygonF tab;
    tab << QPointF(r.left(), r.top() + 2) << QPointF(r.left() + 1, r.top()) << QPointF(r.left() + 5, r.top())
        << QPointF(r.left() + 6, r.top() + 2) << QPointF(r.right(), r.top() + 2) << r.bottomRight()
        << r.bottomLeft();
    p.drawPolygon(tab);
    p.setBrush(front);
    QPolygonF flap;
    flap << QPointF(r.left() + 2.5, r.top() + 4.5) << QPointF(r.right() + 1, r.top() + 4.5)
         << QPointF(r.right() - 1.5, r.bottom()) << r.bottomLeft();
    p.drawPolygon(flap);
}

// Headline, a picture and columns of text; large fills the whole square.
void Newspaper(QPainter &p, bool large)
{
    const QRectF r = large ? QRectF(0.5, 0.5, 15, 15) : QRectF(1.5, 2.5, 13, 11);
    p.setPen(Line(Ink));
    p.setBrush(Paper);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawRect(QRectF(r.left() + 1.5, r.top() + 1.5, r.width() - 3, large ? 2 : 1.5));
    p.setBrush(QColor(110, 150, 200));
    const double top = r.top() + (large ? 5 : 4.5);
    p.drawRect(QRectF(r.left() + 1.5, top, large ? 5 : 4, large ? 4 : 3));
    p.setPen(Line(TextLine, 0.9));
    const double mid = r.left() + r.width() / 2 + (large ? 0.5 : 1);
    for (double y = top + 0.5; y < r.bottom() - 1; y += large ? 1.8 : 2) {
        const bool beside = y < top + (large ? 4 : 3);
        p.drawLine(QPointF(beside ? r.left() + (large ? 7.5 : 6.5) : r.left() + 1.5, y),
                   QPointF(large ? mid - 1 : r.right() - 1.5, y));
        if (large)
            p.drawLine(QPointF(mid + 1, y), QPointF(r.right() - 1.5, y));
    }
}

QImage Paint(int n)
{
    QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (n) {
    case 1: // closed book
        Book(p, QRectF(3.5, 1.5, 9, 12), QColor(46, 109, 180));
        break;
    case 2: { // open book
        const QColor cover(46, 109, 180);
        p.setPen(Line(cover.darker(150)));
        p.setBrush(cover);
        QPolygonF back;
        back << QPointF(0.5, 4.5) << QPointF(7.5, 5.5) << QPointF(15.5, 4.5) << QPointF(15.5, 13.5)
             << QPointF(7.5, 14.5) << QPointF(0.5, 13.5);
        p.drawPolygon(back);
        p.setPen(Line(Ink));
        p.setBrush(Paper);
        QPolygonF left, right;
        left << QPointF(1.5, 3) << QPointF(4.5, 2.5) << QPointF(7.5, 4) << QPointF(7.5, 13) << QPointF(4.5, 11.5)
             << QPointF(1.5, 12.5);
        right << QPointF(14.5, 3) << QPointF(11.5, 2.5) << QPointF(8.5, 4) << QPointF(8.5, 13)
              << QPointF(11.5, 11.5) << QPointF(14.5, 12.5);
        p.drawPolygon(left);
        p.drawPolygon(right);
        p.setPen(Line(TextLine, 0.8));
        for (double y = 5.5; y < 11; y += 1.8) {
            p.drawLine(QPointF(2.8, y), QPointF(6.3, y + 0.4));
            p.drawLine(QPointF(9.7, y + 0.4), QPointF(13.2, y));
        }
        break;
    }
    case 3: // page with text
        Page(p, QRectF(2.5, 0.5, 11, 15), Paper, 6);
        break;
    case 4:
        Newspaper(p, false);
        break;
    case 5: { // line over bars
        p.setPen(Line(Ink));
        p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
        p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
        Bars(p, 3, 14, {{5, QColor(86, 170, 100)}, {8, QColor(86, 170, 100)}, {6, QColor(86, 170, 100)}});
        p.setPen(Line(QColor(214, 60, 50), 1.4));
        p.setBrush(Qt::NoBrush);
        QPolygonF line;
        line << QPointF(3, 9) << QPointF(6.5, 5) << QPointF(9.5, 7) << QPointF(14, 2);
        p.drawPolyline(line);
        break;
    }
    case 6: // framed bar chart
        p.setPen(Line(Ink));
        p.setBrush(Paper);
        p.drawRect(QRectF(0.5, 1.5, 15, 13));
        Bars(p, 3, 13, {{4, QColor(46, 109, 180)}, {8, QColor(236, 140, 40)}, {6, QColor(86, 170, 100)}});
        break;
    case 7:
        Globe(p, QPointF(8, 8), 7);
        break;
    case 8:
        Globe(p, QPointF(8, 8), 7, QColor(32, 84, 150), QColor(232, 170, 48));
        break;
    case 9:
        Magnifier(p, QPointF(6.5, 6.5), 4.8);
        break;
    case 10: // magnifier over a page
        Page(p, QRectF(1.5, 0.5, 10, 13));
        Magnifier(p, QPointF(8, 8), 3.6);
        break;
    case 11: // blank page
        Page(p, QRectF(2.5, 0.5, 11, 15));
        break;
    case 12: { // filing cabinet
        const QColor body(150, 120, 90);
        p.setPen(Line(body.darker(170)));
        p.setBrush(body);
        p.drawRect(QRectF(2.5, 0.5, 11, 15));
        for (int i = 0; i < 3; ++i) {
            const double y = 1.5 + i * 4.6;
            p.setPen(Line(body.darker(150)));
            p.setBrush(body.lighter(125));
            p.drawRect(QRectF(3.5, y, 9, 3.8));
            p.setPen(Line(Ink));
            p.drawLine(QPointF(6.5, y + 1.9), QPointF(9.5, y + 1.9));
        }
        break;
    }
    case 13: { // row of books on a shelf
        const std::pair<int, QColor> books[] = {{11, QColor(196, 60, 50)}, {14, QColor(46, 109, 180)},
                                                {10, QColor(86, 160, 90)},  {12, QColor(230, 170, 40)},
                                                {9, QColor(120, 80, 160)}};
        Bars(p, 0, 15, {books[0], books[1], books[2], books[3], books[4]}, 3, 0);
        p.setPen(QPen(QColor(255, 255, 255, 170), 1));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(3 * i + 1, 15 - books[i].first + 2.5), QPointF(3 * i + 2, 15 - books[i].first + 2.5));
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(0, 15.5), QPointF(16, 15.5));
        break;
    }
    case 14: // bar chart
        Bars(p, 0, 16,
             {{6, QColor(214, 60, 50)}, {9, QColor(236, 160, 40)}, {12, QColor(86, 170, 100)}, {15, QColor(46, 109, 180)}},
             4, 0);
        break;
    case 15: // page with a magnifier
        Page(p, QRectF(1.5, 0.5, 10, 13), Paper, 5);
        Magnifier(p, QPointF(10, 9.5), 2.8);
        break;
    case 16: // magnifier over a page of text
        Page(p, QRectF(2.5, 0.5, 11, 15), Paper, 6);
        Magnifier(p, QPointF(7, 7), 4);
        break;
    case 17: // a report with a magnifier
        Page(p, QRectF(1.5, 0.5, 10, 13), QColor(253, 240, 180), 5);
        Magnifier(p, QPointF(10, 9.5), 2.8);
        break;
    case 18: // globe over an open folder
        Folder(p, QRectF(0.5, 7.5, 13, 8));
        Globe(p, QPointF(10, 5.5), 5);
        break;
    case 19: { // globe with a chain link
        Globe(p, QPointF(6.5, 6.5), 6);
        p.save();
        p.translate(11.3, 11.8);
        p.rotate(-45);
        p.setBrush(Qt::NoBrush);
        p.setPen(Line(QColor(80, 90, 104), 1.4));
        for (double x : {-5.0, -0.6})
            p.drawRoundedRect(QRectF(x, -1.8, 5.6, 3.6), 1.8, 1.8);
        p.restore();
        break;
    }
    case 20: // globe with a magnifier
        Globe(p, QPointF(6.5, 6.5), 6);
        Magnifier(p, QPointF(10, 10), 2.8);
        break;
    case 21: { // globe with two arrows going round it
        Globe(p, QPointF(8, 8), 4.8);
        Arrow(p, QPointF(8, 8), 6.4, 160, 50, QColor(46, 150, 70));
        Arrow(p, QPointF(8, 8), 6.4, 340, 230, QColor(214, 60, 50));
        break;
    }
    case 22: // book with a red star
        Book(p, QRectF(2.5, 2.5, 9, 12), QColor(46, 109, 180));
        Star(p, QPointF(11.5, 4.5), 4.2, QColor(226, 40, 40));
        break;
    case 23: // page with a globe
        Page(p, QRectF(1.5, 0.5, 10, 14), Paper, 4);
        Globe(p, QPointF(11, 11), 4.3);
        break;
    case 24: { // dish aerial
        p.setPen(Line(Ink));
        p.setBrush(QColor(150, 155, 165));
        p.drawPolygon(QPolygonF() << QPointF(4, 15.5) << QPointF(12, 15.5) << QPointF(9.5, 12.5)
                                  << QPointF(6.5, 12.5));
        p.setPen(Line(Ink, 1.4));
        p.drawLine(QPointF(8, 12.5), QPointF(7, 9));
        p.save();
        p.translate(7, 7.5);
        p.rotate(-40);
        QLinearGradient g(QPointF(-6, 0), QPointF(6, 0));
        g.setColorAt(0, QColor(235, 238, 242));
        g.setColorAt(1, QColor(160, 168, 180));
        p.setPen(Line(Ink));
        p.setBrush(g);
        p.drawChord(QRectF(-6.5, -3.5, 13, 7), 180 * 16, 180 * 16);
        p.setPen(Line(Ink, 0.9));
        p.drawLine(QPointF(0, 3.4), QPointF(0, -3.5));
        p.setBrush(QColor(214, 60, 50));
        p.drawEllipse(QPointF(0, -4), 1.1, 1.1);
        p.restore();
        break;
    }
    case 25:
        Newspaper(p, true);
        break;
    case 26: { // line chart
        p.setPen(Line(Ink));
        p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
        p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
        QPolygonF line;
        line << QPointF(2.5, 11) << QPointF(5, 8) << QPointF(7.5, 10) << QPointF(10, 5) << QPointF(12, 7)
             << QPointF(14.5, 2.5);
        p.setPen(Line(QColor(46, 109, 180), 1.6));
        p.drawPolyline(line);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 60, 50));
        for (const QPointF &pt : line)
            p.drawEllipse(pt, 0.9, 0.9);
        break;
    }
    case 27: { // video camera
        const QColor body(70, 78, 90);
        p.setPen(Line(Ink));
        p.setBrush(body);
        p.drawEllipse(QPointF(4, 4), 2.6, 2.6);
        p.drawEllipse(QPointF(9, 4), 2.6, 2.6);
        p.setBrush(QColor(160, 168, 180));
        p.drawEllipse(QPointF(4, 4), 0.9, 0.9);
        p.drawEllipse(QPointF(9, 4), 0.9, 0.9);
        p.setBrush(body);
        p.drawRoundedRect(QRectF(0.5, 6.5, 11, 6.5), 1, 1);
        p.drawPolygon(QPolygonF() << QPointF(11.5, 9) << QPointF(15.5, 7) << QPointF(15.5, 12.5)
                                  << QPointF(11.5, 10.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(226, 40, 40));
        p.drawEllipse(QPointF(2.8, 8.6), 0.9, 0.9);
        break;
    }
    case 28: { // microphone
        p.setPen(Line(Ink, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3.5, 3, 9, 9), 180 * 16, 180 * 16);
        p.drawLine(QPointF(8, 12), QPointF(8, 14.5));
        p.drawLine(QPointF(5, 14.8), QPointF(11, 14.8));
        QLinearGradient g(QPointF(5.5, 0), QPointF(10.5, 0));
        g.setColorAt(0, QColor(120, 128, 140));
        g.setColorAt(0.4, QColor(220, 224, 230));
        g.setColorAt(1, QColor(100, 108, 120));
        p.setPen(Line(Ink));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(5.5, 0.5, 5, 9.5), 2.5, 2.5);
        p.setPen(Line(QColor(70, 78, 90), 0.7));
        for (double y = 2.5; y < 8; y += 1.5)
            p.drawLine(QPointF(6.3, y), QPointF(9.7, y));
        break;
    }
    case 29: { // screen with a curve
        p.setPen(Line(Ink));
        p.setBrush(QColor(90, 98, 110));
        p.drawRoundedRect(QRectF(0.5, 1.5, 15, 11), 1, 1);
        p.setBrush(QColor(20, 40, 60));
        p.drawRect(QRectF(2, 3, 12, 8));
        QPainterPath curve;
        curve.moveTo(2.5, 8);
        curve.cubicTo(5, 2, 7, 2, 8, 7);
        curve.cubicTo(9, 11, 11.5, 10, 13.5, 4);
        p.setPen(Line(QColor(90, 230, 110), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
        p.setPen(Line(Ink));
        p.setBrush(QColor(90, 98, 110));
        p.drawRect(QRectF(5.5, 13, 5, 2.5));
        break;
    }
    case 30: // globe with a page behind it
        Page(p, QRectF(0.5, 0.5, 9, 11), Paper, 3);
        Globe(p, QPointF(9.5, 9.5), 5.8);
        break;
    case 31: { // page with a pen
        Page(p, QRectF(1.5, 0.5, 10, 15), Paper, 6);
        p.save();
        p.translate(12, 9);
        p.rotate(40);
        p.setPen(Line(Ink, 0.8));
        p.setBrush(QColor(246, 196, 60));
        p.drawRect(QRectF(-1.4, -7, 2.8, 9));
        p.setBrush(QColor(232, 190, 150));
        p.drawPolygon(QPolygonF() << QPointF(-1.4, 2) << QPointF(1.4, 2) << QPointF(0, 5));
        p.setBrush(QColor(214, 90, 90));
        p.drawRect(QRectF(-1.4, -8.5, 2.8, 1.5));
        p.restore();
        break;
    }
    default:
        break;
    }
    p.end();
    return img;
}

} // namespace

QPixmap Picture(int n)
{
    if (n < 1 || n > 31)
        return {};
    return QPixmap::fromImage(Paint(n));
}

ImageList ImageList1()
{
    static const char *const keys[11] = {"book",   "openbook", "page",    "news",    "graph1", "graph2",
                                         "globe1", "globe2",   "search1", "search2", "doc"};
    ImageList list;
    for (int n = 1; n <= 31; ++n)
        list.Add(Picture(n), n <= 11 ? QString::fromLatin1(keys[n - 1]) : QString());
    return list;
}

} // namespace TreeIcons
