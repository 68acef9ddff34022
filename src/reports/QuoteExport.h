#pragma once
// The quote list of the open set as text for other investment programs:
// delimited text, the Quicken, MetaStock, Quote Link and Prodigy layouts,
// Excel, the clipboard and XML. The text is built here from Stocks alone;
// Reports::Export asks where it goes and writes it.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace QuoteExport {

// What the save dialog proposes for a kind that goes to a file.
struct FileFormat {
    QString defaultName;
    QString extension;
    QString filterDescription;
};
// Kinds 0 to 7 and 15; nullopt for the clipboard (14) and for the kinds
// without a format (8 to 13).
std::optional<FileFormat> FileFormatOf(int16_t kind);

// The text of a kind, without the CR LF a file gets after it; today dates
// the lines. Empty for a kind without a format.
QByteArray Text(int16_t kind, const QDate &today);

// The update's date as MM/DD/YY: "Jun 12" -> "06/12/yy" (yy from today),
// a quote list's "6/2/2000" -> "06/02/00", a time of day followed by
// anything but a date ("4:01pm", "4:01pm ET - delayed") -> today.
QByteArray ExportDate(const QByteArray &lastUpdate, const QDate &today);

} // namespace QuoteExport
