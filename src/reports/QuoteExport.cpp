#include "reports/QuoteExport.h"

#include "core/Hosts.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "platform/Figure.h"
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
// is shown as text through a leading apostrophe; what the grid sorts as a
// number ("- 1/4", "+1.5E-2") stays a number.
QByteArray CsvField(QByteArray field, bool excel)
{
    if (excel && !field.isEmpty() && QByteArrayView("=+-@").contains(field[0])
        && !Figure::Of(Text::FromCp1252(field)))
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
    // A time of day first ("4:01pm ET", "7:05a ET - delayed") dates the
    // quote today, whatever marker, zone or note follows, unless a date
    // follows it: a month with its day, or month/day with or without a
    // year; a weekday is the last such day up to today.
    static const QRegularExpression timeOfDay(QStringLiteral("^\\s*\\d{1,2}:\\d{2}(:\\d{2})?(?!\\d)"));
    static const QString monthWords = QStringLiteral("(jan(uary)?|feb(ruary)?|mar(ch)?|apr(il)?|may|june?|july?|aug(ust)?"
                                                     "|sep(t|tember)?|oct(ober)?|nov(ember)?|dec(ember)?)");
    static const QRegularExpression monthDay(
        QStringLiteral("\\b(?<month>%1)\\.?\\s+(?<day>\\d{1,2})\\b|\\b(?<dayFirst>\\d{1,2})\\s+(?<monthAfter>%1)\\b")
            .arg(monthWords),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression slashed(QStringLiteral("\\b(\\d{1,2})/(\\d{1,2})(/(?<year>\\d{4}|\\d{2}))?\\b"));
    static const QRegularExpression weekday(
        QStringLiteral("\\b(mon(day)?|tue(s(day)?)?|wed(nesday)?|thu(r(s(day)?)?)?|fri(day)?|sat(urday)?|sun(day)?)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QStringList monthNames = {"jan", "feb", "mar", "apr", "may", "jun",
                                           "jul", "aug", "sep", "oct", "nov", "dec"};
    static const QStringList dayNames = {"mon", "tue", "wed", "thu", "fri", "sat", "sun"};
    const QString text = QString::fromLatin1(lastUpdate);
    if (const QRegularExpressionMatch time = timeOfDay.match(text); time.hasMatch()) {
        const qsizetype after = time.capturedEnd();
        const QByteArray yy = Two(today.year() % 100);
        if (const QRegularExpressionMatch m = monthDay.match(text, after); m.hasMatch()) {
            const bool dayFirst = m.hasCaptured(u"dayFirst");
            const QString name = m.captured(dayFirst ? u"monthAfter" : u"month").left(3).toLower();
            return Two(int(monthNames.indexOf(name)) + 1) + '/' + Two(m.captured(dayFirst ? u"dayFirst" : u"day").toInt())
                   + '/' + yy;
        }
        if (const QRegularExpressionMatch m = slashed.match(text, after); m.hasMatch())
            return Two(m.captured(1).toInt()) + '/' + Two(m.captured(2).toInt()) + '/'
                   + (m.hasCaptured(u"year") ? Two(m.captured(u"year").toInt() % 100) : yy);
        if (const QRegularExpressionMatch w = weekday.match(text, after); w.hasMatch()) {
            const int day = int(dayNames.indexOf(w.captured(1).left(3).toLower())) + 1;
            return MmDdYy(today.addDays(-((today.dayOfWeek() - day + 7) % 7)));
        }
        return MmDdYy(today);
    }
    static const QRegularExpression numeric(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})\\s*$"));
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
