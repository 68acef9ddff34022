#include "collect/Headlines.h"

#include "core/Misc.h"
#include "sheets/SheetFrame.h"

namespace Headlines {

namespace {

// Lines as a text-file reader sees them: ended by CR or CR LF. A lone LF
// stays in its line.
QList<QByteArray> Lines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

// "#" marks links in the file: a headline's own "#" is doubled, and an
// address loses its in-page part (from "#" on), which only says where the
// story page scrolls to.
QByteArray TextForFile(QByteArray text) { return text.replace("#", "##"); }
QByteArray LinkForFile(const QByteArray &link)
{
    const qsizetype hash = link.indexOf('#');
    return hash < 0 ? link : link.left(hash);
}

// The row text of one table row, or nullopt when a cell lacks its end.
std::optional<QByteArray> RowText(const QByteArray &row)
{
    QByteArray text;
    qsizetype pos = 0;
    for (int cellNo = 0;; ++cellNo) {
        const qsizetype start = row.indexOf("<td", pos);
        if (start < 0)
            return text;
        const qsizetype end = row.indexOf("</td>", start);
        if (end < 0)
            return std::nullopt;
        pos = end;
        QByteArray cell = row.mid(start, end - start);
        if (cellNo == 4) {
            const QByteArray link = LinkForFile(Misc::CleanHTML(cell, false, true, true));
            if (!link.isEmpty())
                text += " #" + link + '#';
        }
        text += ' ' + TextForFile(SheetFrame::CellText(cell));
    }
}

} // namespace

QByteArray FromPage(const QByteArray &page)
{
    QByteArray s = Lines(page).join();
    s.replace("HTML", "html").replace("Html", "html");
    const qsizetype b = s.indexOf("<html>");
    const qsizetype c = b < 0 ? -1 : s.indexOf("</html>", b);
    if (c < 0)
        return {};
    s = s.mid(b, c - b);
    s.replace("\t", "").replace("\n", "");
    s.replace("  ", ""); // left to right: a run of n blanks keeps n mod 2
    Misc::FixTags(s, true, true, true, true);
    s.replace("&#187;", "");
    s.replace(" - <i>", "</td><td>"); // the source and date get a cell of their own

    // The news table is the second table after "Recent News", or the
    // page's second table when the page has no such heading.
    const qsizetype d = s.indexOf("Recent News");
    const qsizetype e = s.indexOf("<table", d < 0 ? 0 : d);
    const qsizetype f = e < 0 ? -1 : s.indexOf("<table", e + 1);
    const qsizetype g = f < 0 ? -1 : s.indexOf("</table>", f);
    if (g < 0)
        return {};
    const QByteArray table = s.mid(f, g - f);

    QByteArray lines;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype start = table.indexOf("<tr", pos);
        if (start < 0)
            break;
        const qsizetype end = table.indexOf("</tr>", start);
        if (end < 0)
            break;
        pos = end;
        const std::optional<QByteArray> text = RowText(table.mid(start, end - start));
        if (!text)
            break;
        lines += '"' + *text + ";\"\r\n";
    }
    return lines;
}

std::optional<QByteArray> TextOfFile(const QByteArray &file)
{
    QByteArray text;
    for (const QByteArray &line : Lines(file)) {
        if (line.size() < 2)
            return std::nullopt;
        text += line.mid(1, line.size() - 2);
    }
    return text;
}

Items Parse(const QByteArray &headlineText)
{
    Items items;
    QByteArray link, itemLink;
    bool inLink = false;
    qsizetype itemStart = 0; // where the current item begins in items.text
    for (qsizetype i = 0; i < headlineText.size(); ++i) {
        const char ch = headlineText[i];
        if (inLink) {
            if (ch == '#') {
                inLink = false;
                if (itemLink.isEmpty())
                    itemLink = link;
            } else {
                link += ch;
            }
        } else if (ch == '#') {
            if (i + 1 < headlineText.size() && headlineText[i + 1] == '#') {
                items.text += '#';
                ++i;
            } else {
                inLink = true;
                link.clear();
            }
        } else {
            items.text += ch;
            if (ch == ';') {
                items.links.append(itemLink);
                itemLink.clear();
                itemStart = items.text.size();
            }
        }
    }
    if (items.text.size() > itemStart) // a last item without its ";"
        items.links.append(itemLink);
    return items;
}

} // namespace Headlines
