#include "reports/QuoteExport.h"

#include "core/Hosts.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "platform/Text.h"
#include "platform/Vb.h"

#include <QRegularExpression>
#include <cmath>

namespace QuoteExport {

namespace {

QByteArray Two(int n) { return QByteArray::number(n).rightJustified(2, '0'); }

QByteArray MmDdYy(const QDate &date) { return Two(date.month()) + '/' + Two(date.day()) + '/' + Two(date.year() % 100); }

QByteArray FourDecimals(QByteArray price) { return Misc::FormatP(price, true); }
QByteArray TwoDecimals(QByteArray price) { return Misc::FormatP(price, false); }

// Volume / 100 as a whole number; an empty field for 0 and for a volume that
// is no number.
QByteArray Hundreds(const QByteArray &volume)
{
    bool ok = false;
    const double v = Vb::ParseNumber(QString::fromLatin1(volume), &ok);
    const long long h = ok ? std::llround(v / 100) : 0;
    return h == 0 ? QByteArray() : QByteArray::number(h);
}

QByteArray Quoted(const QByteArray &text) { return '"' + text + '"'; }

QList<QByteArray> Details(const StockRecord &s)
{
    return {s.Symbol, s.Name,   s.DChange, s.PChange,  s.Volume, s.TodayHigh, s.TodayLow,
            s.Bid,    s.Ask,    s.LTS,     s.Opens,    s.PreClose, s.High52,  s.Low52,
            s.EPS,    s.pe,     s.DPS,     s.Exchange, s.industry, s.LastUpdate};
}

const char *const DetailTags[20] = {"Symbol", "Name", "DChange", "PChange", "Volume", "TodayHigh", "TodayLow",
                                    "Bid", "Ask", "LTS", "Opens", "PreClose", "High52", "Low52",
                                    "EPS", "pe", "DPS", "Exchange", "industry", "LastUpdate"};

// The document declares no encoding, so it must be ASCII to be read as
// XML: characters of the code page above 127 become numeric references, and
// control characters XML has no place for are dropped.
QByteArray XmlEscape(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : Text::FromCp1252(text)) {
        const char16_t u = c.unicode();
        if (u == '&')
            out += "&amp;";
        else if (u == '<')
            out += "&lt;";
        else if (u == '>')
            out += "&gt;";
        else if (u == '\t' || u == '\r' || u == '\n' || (u >= 0x20 && u < 0x7f))
            out += char(u);
        else if (u > 0x9f)
            out += "&#" + QByteArray::number(u) + ';';
    }
    return out;
}

// A field of the comma and Excel kinds as an RFC 4180 reader takes it: in
// double quotes, its own doubled, when it holds a comma, a quote or a line
// break. In the Excel kind a text that would start a formula (=, +, -, @)
// is shown as text through a leading apostrophe; signed numbers stay
// numbers.
QByteArray CsvField(QByteArray field, bool excel)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d[\\d,]*(\\.\\d*)?|\\.\\d+)( \\d+/\\d+)?%?$|^[+-]?\\d+/\\d+$"));
    if (excel && !field.isEmpty() && QByteArrayView("=+-@").contains(field[0])
        && !number.match(QString::fromLatin1(field)).hasMatch())
        field.prepend('\'');
    if (field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n'))
        field = '"' + field.replace('"', "\"\"") + '"';
    return field;
}

QByteArray CsvLine(const StockRecord &s, bool excel)
{
    QByteArrayList fields;
    for (const QByteArray &field : Details(s))
        fields << CsvField(field, excel);
    return fields.join(',');
}

QByteArray XmlStock(const StockRecord &s)
{
    QByteArray out = "        <Stock>\r\n";
    const QList<QByteArray> values = Details(s);
    for (int i = 0; i < 20; ++i) {
        QByteArray value = values[i];
        if (i == 18) {
            value.replace("&", " and ");
            value = Quoted(XmlEscape(value));
        } else {
            value = XmlEscape(value);
        }
        out += QByteArray("                <") + DetailTags[i] + '>' + value + "</" + DetailTags[i] + ">\r\n";
    }
    return out + "        </Stock>\r\n";
}

QByteArray Line(int16_t kind, const StockRecord &s, const QDate &today)
{
    switch (kind) {
    case 0: return CsvLine(s, false) + "\r\n";
    case 7: return CsvLine(s, true) + '\r';
    case 1:
    case 14: return Details(s).join('\t') + "\r\n";
    case 2:
        return Quoted(s.Symbol) + ',' + Quoted(FourDecimals(s.LastSale)) + ',' + Quoted(ExportDate(s.LastUpdate, today))
               + "\r\n";
    case 3:
        return QList<QByteArray>{s.Symbol, Hundreds(s.Volume), FourDecimals(s.TodayHigh), FourDecimals(s.TodayLow),
                                 FourDecimals(s.LastSale), FourDecimals(s.DChange), ExportDate(s.LastUpdate, today)}
                   .join(' ')
               + "\r\n";
    case 4:
        return QList<QByteArray>{s.Symbol, "d", ExportDate(s.LastUpdate, today), FourDecimals(s.Opens),
                                 FourDecimals(s.TodayHigh), FourDecimals(s.TodayLow), FourDecimals(s.LastSale),
                                 Hundreds(s.Volume), "0"}
                   .join(',')
               + "\r\n";
    case 5: return s.Symbol + "        " + TwoDecimals(s.LastSale) + "\r\n";
    case 6:
        return Quoted(s.Symbol) + ',' + Quoted(ExportDate(s.LastUpdate, today)) + ',' + Quoted(TwoDecimals(s.LastSale))
               + "\r\n";
    case 15: return XmlStock(s);
    default: return {};
    }
}

} // namespace

std::optional<FileFormat> FileFormatOf(int16_t kind)
{
    const QString text = QStringLiteral("Text File");
    const QString txt = QStringLiteral("txt");
    switch (kind) {
    case 0: return FileFormat{QStringLiteral("Comma-Delimited"), txt, text};
    case 1: return FileFormat{QStringLiteral("Tab-Delimited.txt"), txt, text};
    case 2: return FileFormat{QStringLiteral("Quicken pre 5.0"), txt, text};
    case 3: return FileFormat{QStringLiteral("Quicken 5.0 or later"), txt, text};
    case 4: return FileFormat{QStringLiteral("MetaStock"), txt, text};
    case 5: return FileFormat{QStringLiteral("Quote Link"), txt, text};
    case 6: return FileFormat{QStringLiteral("Prodigy Quotetrack"), txt, text};
    case 7: return FileFormat{QStringLiteral("Excel"), QStringLiteral("csv"), QStringLiteral("Excel File")};
    case 15: return FileFormat{QStringLiteral("Stocks.XML"), QStringLiteral("xml"), QStringLiteral("XML File")};
    default: return std::nullopt;
    }
}

QByteArray ExportDate(const QByteArray &lastUpdate, const QDate &today)
{
    // A time, with or without seconds, AM/PM and a zone ("4:01pm ET").
    static const QRegularExpression timeOfDay(
        QStringLiteral("^\\s*\\d{1,2}:\\d{2}(:\\d{2})?\\s*([ap]\\.?m\\.?)?(\\s*[a-z]{1,5}([+-]\\d{1,2}(:?\\d{2})?)?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression numeric(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})\\s*$"));
    const QString text = QString::fromLatin1(lastUpdate);
    if (timeOfDay.match(text).hasMatch())
        return MmDdYy(today);
    if (const QRegularExpressionMatch m = numeric.match(text); m.hasMatch())
        return Two(m.captured(1).toInt()) + '/' + Two(m.captured(2).toInt()) + '/' + Two(m.captured(3).toInt() % 100);
    static const char *const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QByteArray month = lastUpdate.left(3);
    for (int i = 0; i < 12; ++i)
        if (month == months[i])
            month = Two(i + 1);
    return month + '/' + lastUpdate.mid(4, 2) + '/' + Two(today.year() % 100);
}

QByteArray Text(int16_t kind, const QDate &today)
{
    if (kind < 0 || (kind > 7 && kind < 14) || kind > 15)
        return {};
    QByteArray text;
    if (kind == 5)
        text = MmDdYy(today) + "\r\n";
    if (kind == 15)
        text = "<?xml version=\"1.0\"?>\r\n<!--  Made By Tickerwatch 5.01 - " + Hosts::MakerHomePage().toLatin1()
               + " -->\r\n    <Stocks>\r\n";
    for (int i = 0; i < StockCount && i < Stock::StockSlots; ++i) {
        const StockRecord &s = Stocks[size_t(i)];
        if (Stock::IsFreeSlot(s.Symbol) && kind != 5)
            break;
        text += Line(kind, s, today);
    }
    if (kind == 15)
        text += "</Stocks>";
    return text;
}

} // namespace QuoteExport
