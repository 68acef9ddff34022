#pragma once
// A table cell's text as the page readers of every folder take it.
#include <QByteArray>

namespace CellText {

// Whether Of trims a cell's leading and trailing spaces. The reports of the
// earnings tables keep them: a blank value there counts.
enum class Blanks { Trim, Keep };
// A cell's text: tags dropped, "&amp;" as "&", spaces trimmed unless kept
// (other white space stays).
QByteArray Of(QByteArray cell, Blanks blanks = Blanks::Trim);
// Leading and trailing blanks removed (other white space stays).
QByteArray Trim(const QByteArray &text);
// Leading and trailing blanks and no-break spaces (the code page's 0xA0 and
// "&nbsp;") removed, as a label is compared.
QByteArray TrimNoBreak(const QByteArray &text);

} // namespace CellText
