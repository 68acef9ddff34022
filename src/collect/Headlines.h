#pragma once
// A stock's headline file (Cache/News/{symbol}.txt): cut from the "Recent
// News" table of a fetched quote page, read back by the news ticker and the
// speech commands.
//
// One line per row of the news table: a double quote, the row text, ";" and
// a double quote, ended by CR LF. The row text is a blank and the text of
// each cell in turn; the story link of cell 4 stands before that cell's text
// as " #address#". A "#" of a headline's own text is written twice, so it is
// never taken for a link mark.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace Headlines {

// The lines a fetched page adds to the headline file: "" for a news table
// without rows (no news today), nullopt when the page has no news table at
// all. A row or cell without its closing tag ends the rows.
std::optional<QByteArray> FromPage(const QByteArray &page);
// Appends the lines of the cached page at pagePath to the headline file at
// headlinePath; a page without a news table (or no file named) adds nothing.
void AppendFromPage(const QString &pagePath, const QString &headlinePath);

// The headline text of a file's bytes: every line without its first and
// last character, joined. nullopt when a line is too short for that.
std::optional<QByteArray> TextOfFile(const QByteArray &file);

// Headlines taken apart: the text of each item as it is shown, character
// references ("&amp;", "&#39;") decoded, and the story address of each item
// ("" for an item without one). An address left open drops the rest of its
// item and every item after it.
struct Items {
    QList<QByteArray> texts;
    QList<QByteArray> links;
    bool lastEnded = true; // false: the text stopped inside the last item
    // The items as one ticker text, each ended by ";".
    QByteArray Joined() const;
};
// A headline text whose items end at ";".
Items Parse(const QByteArray &headlineText);
// A headline file: one item per line, so a ";" of a headline's own text
// never splits it. nullopt when a line is too short to be one.
std::optional<Items> ItemsOfFile(const QByteArray &file);

// "&amp;", "&lt;", "&gt;", "&quot;", "&apos;", "&nbsp;" and numeric
// references as Windows-1252 text; anything else is left as it stands.
QByteArray DecodeReferences(const QByteArray &text);

} // namespace Headlines
