#include "platform/VbColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace VbColor {

namespace {

QColor SystemColor(uint32_t number)
{
    const QPalette pal = QGuiApplication::palette();
    switch (number) {
    case 4: return pal.color(QPalette::Window);            // menu
    case 5: return pal.color(QPalette::Base);              // window
    case 6: return pal.color(QPalette::Shadow);            // window frame
    case 7: return pal.color(QPalette::WindowText);        // menu text
    case 8: return pal.color(QPalette::Text);              // window text
    case 12: return pal.color(QPalette::Dark);             // application workspace
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);           // button face
    case 16: return pal.color(QPalette::Dark);             // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return pal.color(QPalette::ButtonText);
    case 20: return pal.color(QPalette::Light);            // button highlight
    case 21: return pal.color(QPalette::Shadow);           // dark shadow
    case 22: return pal.color(QPalette::Midlight);         // light
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    default: return pal.color(QPalette::Window);
    }
}

} // namespace

QColor ToQColor(uint32_t color)
{
    if (color & 0x80000000u)
        return SystemColor(color & 0xFFu);
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

void SetPaletteColor(QWidget *w, QPalette::ColorRole role, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
}

void SetForeColor(QWidget *w, const QColor &color)
{
    SetPaletteColor(w, QPalette::WindowText, color);
}

QColor ForeColor(const QWidget *w) { return w->palette().color(QPalette::WindowText); }

} // namespace VbColor
