#pragma once
// The report page frame. A report is read, then written: a renderer turns
// the bytes of one cached page (or the open set) into the page text, and
// Publish puts that text into its fixed file under the report folder and
// opens it. Every report and the summary page go through here, so the cut
// of a sheet's table, the row and cell walk, the escaping of outside text,
// the footer stamp and the report folder's rules of a write (the letter
// case sweep, the opening) live here only.
//
// A sheet renderer is then:
//   const QByteArray table = ReportPage::CutTable(page, "Annual Balance Sheet");
//   ReportPage::WalkRows(table, [&](const QByteArray &row, int n) {
//       ReportPage::WalkCells(row, [&](const QByteArray &text) { ... }); });
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace ReportPage {

// A cached sheet is rendered twice, as a report page of its own and as a
// section of the summary page; the two differ in their templates only.
enum class Renderer { Report, Summary };

// Page and user text as it goes into HTML: "<", ">" and the double quote
// always escaped, "&" unless it starts a character reference, so a page's
// own "&nbsp;" keeps its meaning.
QByteArray Escape(QByteArrayView text);

// The table that follows the anchor: from the first "<table" after the
// anchor up to, not including, "</table>". Empty when the anchor, the table
// or its end is missing. Case-sensitive, as the pages are normalised first.
QByteArray CutTable(const QByteArray &page, QByteArrayView anchor);

// Each piece from an `open` up to, not including, the next `close`, in
// order; the search goes on from that close. A piece without its close ends
// the walk unvisited, so nothing is visited twice: the answer is false then.
bool WalkPieces(const QByteArray &text, QByteArrayView open, QByteArrayView close,
                const std::function<void(const QByteArray &piece)> &visit);
// Each "<tr" .. "</tr>" of the table in order, numbered from 0. A row
// without its closing tag ends the walk (false).
bool WalkRows(const QByteArray &table, const std::function<void(const QByteArray &row, int n)> &row);
// Each "<td" .. "</td>" cell of the row as CellText::Of gives it ("<th"
// cells are not walked). A cell without its closing tag ends the walk
// (false).
bool WalkCells(const QByteArray &row, const std::function<void(const QByteArray &text)> &cell);

// The rows of a table as report rows: each row's cells as cell(place in the
// row, text) writes them, every row after the first opened with "<tr>",
// every row closed with "</tr>". closed is false when the page left a row or
// a cell open.
struct Written {
    QByteArray rows;
    int count = 0;
    bool closed = true;
};
Written WriteRows(const QByteArray &table, const std::function<QByteArray(int at, const QByteArray &text)> &cell);
// "<TR>", the headings, "</TR>" and the "<TR>" of the first data row.
QByteArray HeadingRow(std::initializer_list<const char *> headings);

// The address of a link a page gives (an insider's page, a filing): a
// relative path goes on the site's host after `prefix`, a web or mail
// address stands as it is; escaped for an attribute. None for any other
// scheme, whose text is then shown without a link.
std::optional<QByteArray> PageLink(const QString &site, QByteArrayView prefix, QByteArrayView path);

// Plain, case-sensitive replacements in order.
void Normalise(QByteArray &text, std::initializer_list<std::pair<QByteArrayView, QByteArrayView>> steps);

// The symbol's cached page with that suffix ("_ee.Sh"), empty when it is
// not in the cache; yields once after reading.
QByteArray ReadSheet(const QByteArray &symbol, const char *suffix);

// Today as the reports date their pages; the clock tests set.
QDate Today();
// The system's display of a date and of the time now (short date, long time).
QByteArray ShortDate(const QDate &date);
QByteArray LongTimeNow();

// The report folder AppFolder/Cache/Reports and, inside it, the path of a
// report file; empty when the symbol is empty, and empty after a message
// when the symbol may not become part of a file name.
QString ReportFolder();
QString ReportFile(const QString &subfolder, const QByteArray &symbol, const QString &suffix);

// The pictures the pages refer to (up.gif, dn.gif, bar.jpg, gmb.jpg), our
// own, copied into AppFolder where each is missing; a user's own stay.
void PlacePictures();

// Replaces the report file by the page followed by CR LF (atomically; an
// older report of the same name in another letter case goes too) and opens
// it in the browser. A failed write shows one message, keeps the old file,
// opens nothing and answers false. A page no program can show is still
// written (true): one message says where.
bool Publish(const QString &path, const QByteArray &page);

} // namespace ReportPage
