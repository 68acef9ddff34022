#include "core/CellText.h"

#include "core/Misc.h"

namespace CellText {

QByteArray Of(QByteArray cell, Blanks blanks)
{
    const QByteArray text = Misc::CleanHTML(cell, false, true, false);
    return blanks == Blanks::Trim ? Trim(text) : text;
}

QByteArray Trim(const QByteArray &text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    return text.mid(b, e - b);
}

} // namespace CellText
