#pragma once
// Colours as the program writes them: 0x00BBGGRR (red in the low byte), or
// 0x800000nn for the desktop's colour number nn (5 window, 8 window text,
// 15 button face, ...), which follows the current palette.
#include <QColor>
#include <QPalette>
#include <QWidget>
#include <cstdint>

namespace VbColor {

constexpr uint32_t Window = 0x80000005u;
constexpr uint32_t WindowText = 0x80000008u;
constexpr uint32_t Highlight = 0x8000000Du;
constexpr uint32_t HighlightText = 0x8000000Eu;
constexpr uint32_t ButtonFace = 0x8000000Fu;
constexpr uint32_t ButtonShadow = 0x80000010u;
constexpr uint32_t ButtonText = 0x80000012u;
constexpr uint32_t ButtonHighlight = 0x80000014u;

QColor ToQColor(uint32_t color);

// One colour of a control's palette.
void SetPaletteColor(QWidget *w, QPalette::ColorRole role, const QColor &color);
// A control's ForeColor: the text colour of its palette.
void SetForeColor(QWidget *w, const QColor &color);
QColor ForeColor(const QWidget *w);

} // namespace VbColor
