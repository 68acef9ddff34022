#include "collect/Headlines.h"

#include "core/CellText.h"
#include "core/Misc.h"
#include "platform/Text.h"

#include <QFile>

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
        text += ' ' + TextForFile(CellText::Of(cell));
    }
}

} // namespace

std::optional<QByteArray> FromPage(const QByteArray &page)
{
    QByteArray s = Lines(page).join();
    Misc::ReplaceInTags(s, {{"HTML", "html"}, {"Html", "html"}});
    const qsizetype b = s.indexOf("<html>");
    const qsizetype c = b < 0 ? -1 : s.indexOf("</html>", b);
    if (c < 0)
        return std::nullopt;
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
        return std::nullopt;
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

void AppendFromPage(const QString &pagePath, const QString &headlinePath)
{
    const QByteArray page = Misc::ReadFile(pagePath);
    Misc::DoEvents();
    // A news table without rows is news too: there are no stories today,
    // and the file says so (empty) rather than keeping yesterday's.
    const std::optional<QByteArray> lines = FromPage(page);
    if (!lines || headlinePath.isEmpty())
        return;
    QFile f(headlinePath);
    if (f.open(QIODevice::WriteOnly | QIODevice::Append))
        f.write(*lines);
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

namespace {

// Reads one stretch of headline text into items: "##" is a "#" of the text,
// "#address#" a story link (the first of an item is its link). With
// splitAtSemicolon a ";" ends an item; otherwise the stretch is one item.
// Returns false when a link is left open, which ends the reading.
bool ReadItems(const QByteArray &raw, bool splitAtSemicolon, Items &items)
{
    QByteArray text, link, itemLink;
    bool inLink = false, any = false;
    const auto finish = [&] {
        items.texts.append(DecodeReferences(text));
        items.links.append(itemLink);
        text.clear();
        itemLink.clear();
        any = false;
    };
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char ch = raw[i];
        if (inLink) {
            if (ch == '#') {
                inLink = false;
                if (itemLink.isEmpty())
                    itemLink = link;
            } else {
                link += ch;
            }
            continue;
        }
        any = true;
        if (ch == '#') {
            if (i + 1 < raw.size() && raw[i + 1] == '#') {
                text += '#';
                ++i;
            } else {
                inLink = true;
                link.clear();
            }
        } else if (ch == ';' && splitAtSemicolon) {
            finish();
        } else {
            text += ch;
        }
    }
    if (inLink) {
        if (!text.isEmpty()) {
            finish();
            items.lastEnded = false;
        }
        return false;
    }
    if (!splitAtSemicolon) {
        finish();
    } else if (any) { // a last item without its ";"
        finish();
        items.lastEnded = false;
    }
    return true;
}

} // namespace

QByteArray Items::Joined() const
{
    QByteArray out;
    for (const QByteArray &t : texts)
        out += t + ';';
    if (!lastEnded && !out.isEmpty())
        out.chop(1);
    return out;
}

Items Parse(const QByteArray &headlineText)
{
    Items items;
    ReadItems(headlineText, true, items);
    return items;
}

std::optional<Items> ItemsOfFile(const QByteArray &file)
{
    Items items;
    for (const QByteArray &line : Lines(file)) {
        if (line.size() < 2)
            return std::nullopt;
        QByteArray row = line.mid(1, line.size() - 2);
        if (row.endsWith(';'))
            row.chop(1); // the item's own end, as the writer put it
        if (!ReadItems(row, false, items))
            break;
    }
    return items;
}

QByteArray DecodeReferences(const QByteArray &text)
{
    if (!text.contains('&'))
        return text;
    static const std::pair<const char *, const char *> Named[] = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", " "},
    };
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype semi = text[i] == '&' ? text.indexOf(';', i + 1) : -1;
        if (semi < 0 || semi - i > 10) {
            out += text[i];
            continue;
        }
        const QByteArray name = text.mid(i + 1, semi - i - 1);
        QByteArray decoded;
        if (name.startsWith('#')) {
            bool ok = false;
            const uint code = name.size() > 1 && (name[1] == 'x' || name[1] == 'X') ? name.mid(2).toUInt(&ok, 16)
                                                                                     : name.mid(1).toUInt(&ok, 10);
            if (ok && code >= 0x80 && code <= 0x9F) {
                // Pages written in the Windows code page number its dashes
                // and quotes by their bytes there, as browsers read them.
                decoded = QByteArray(1, char(code));
            } else if (ok && code > 0 && code <= 0x10FFFF) {
                decoded = Text::ToCp1252(QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1));
                if (decoded.isEmpty())
                    decoded = "?";
            }
        } else {
            for (const auto &[n, v] : Named)
                if (name == n)
                    decoded = v;
        }
        if (decoded.isEmpty()) {
            out += text[i];
            continue;
        }
        out += decoded;
        i = semi;
    }
    return out;
}

} // namespace Headlines
