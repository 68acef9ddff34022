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

QByteArray TrimNoBreak(const QByteArray &text)
{
    static constexpr QByteArrayView nbsp("&nbsp;");
    QByteArrayView t(text);
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        while (!t.isEmpty() && (t.front() == ' ' || t.front() == '\xA0')) {
            t = t.sliced(1);
            trimmed = true;
        }
        while (!t.isEmpty() && (t.back() == ' ' || t.back() == '\xA0')) {
            t = t.chopped(1);
            trimmed = true;
        }
        if (t.startsWith(nbsp)) {
            t = t.sliced(nbsp.size());
            trimmed = true;
        }
        if (t.endsWith(nbsp)) {
            t = t.chopped(nbsp.size());
            trimmed = true;
        }
    }
    return t.toByteArray();
}

} // namespace CellText
