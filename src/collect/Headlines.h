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
#include <optional>

namespace Headlines {

// The lines a fetched page adds to the headline file, or "" when the page
// has no news table. A row or cell without its closing tag ends the rows.
QByteArray FromPage(const QByteArray &page);

// The headline text of a file's bytes: every line without its first and
// last character, joined. nullopt when a line is too short for that.
std::optional<QByteArray> TextOfFile(const QByteArray &file);

// A headline text taken apart: what the ticker shows, and the story address
// of each of its items in order ("" for an item without one). An address
// left open at the end drops the rest of the text.
struct Items {
    QByteArray text;
    QList<QByteArray> links;
};
Items Parse(const QByteArray &headlineText);

} // namespace Headlines
