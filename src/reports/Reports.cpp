#include "reports/Reports.h"

#include "core/Misc.h"
#include "core/Stock.h"
#include "core/clsSaveDialog.h"
#include "platform/Hourglass.h"
#include "platform/Text.h"
#include "reports/QuoteExport.h"
#include "reports/ReportPage.h"
#include "reports/StatementRows.h"
#include "reports/EarningsRows.h"
#include "reports/FileOut.h"
#include "reports/OptionRows.h"
#include "reports/TradeRows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <memory>

namespace {

Reports::Recorder &TheRecorder()
{
    static Reports::Recorder recorder;
    return recorder;
}

void Record(const char *call, const QByteArray &argument)
{
    if (TheRecorder())
        TheRecorder()(QString::fromLatin1(call), argument);
}

// A report is headed by the name of the stock it was asked for, which need
// not be the one on show (a Zoom window keeps its own).
QByteArray Title(const QByteArray &symbol) { return ReportPage::Escape(Stock::StockName(symbol)); }

QByteArray BalanceReportRows(QByteArray page)
{
    return StatementRows::Balance(std::move(page), StatementRows::Renderer::Report);
}
QByteArray IncomeReportRows(QByteArray page)
{
    return StatementRows::Income(std::move(page), StatementRows::Renderer::Report);
}

} // namespace

void Reports::SetRecorder(Recorder recorder) { TheRecorder() = std::move(recorder); }

QByteArray Reports::HtmlHead(const QByteArray &color, const QByteArray &title, const QByteArray &subtitle)
{
    QByteArray head = "<HTML>\r\n<HEAD>\r\n<TITLE>Tickerwatch</TITLE></HEAD>\r\n<BODY";
    if (!color.isEmpty())
        head += " BGCOLOR=\"" + color + "\" ";
    head += ">\r\n<P><CENTER><FONT SIZE=\"+1\" FACE=\"Times New Roman\"><H2>" + title + "</H2>\r\n<U><B>" + subtitle
            + "</B></U></FONT></CENTER>";
    return head;
}

QByteArray Reports::HtmlTable(const QByteArray &border, const QByteArray &spacing, const QByteArray &padding,
                              const QByteArray &width, const QByteArray &height)
{
    QByteArray table = "<P><CENTER><TABLE ";
    const std::pair<const char *, const QByteArray &> attributes[] = {
        {"BORDER", border}, {"CELLSPACING", spacing}, {"CELLPADDING", padding}, {"WIDTH", width}, {"HEIGHT", height}};
    for (const auto &[name, value] : attributes)
        if (!value.isEmpty())
            table += ' ' + QByteArray(name) + "=\"" + value + "\" ";
    return table + ">\r\n";
}

QByteArray Reports::Footer()
{
    return "</TABLE></CENTER></P><P><CENTER><HR></CENTER></P><P><I>Made By Tickerwatch 5.0</I><BR><i>Last updated:\r\n"
           + ReportPage::ShortDate(ReportPage::Today()) + ' ' + ReportPage::LongTimeNow() + " </i></BODY></HTML>";
}

void Reports::Statement(const QString &subfolder, const QByteArray &symbol, const char *suffix,
                        const QByteArray &subtitle, QByteArray (*rows)(QByteArray))
{
    const QString path = ReportPage::ReportFile(subfolder, symbol, QStringLiteral(".htm"));
    if (path.isEmpty())
        return;
    const Hourglass hourglass;
    const QByteArray source = ReportPage::ReadSheet(symbol, suffix);
    const QByteArray page = HtmlHead("#FFFEEA", Title(symbol), subtitle)
                            + HtmlTable("0", "1", "0", "100%", {}) + rows(source) + Footer();
    ReportPage::Publish(path, page);
}

void Reports::H_ABS(const QByteArray &s)
{
    Record("H_ABS", s);
    Statement(QStringLiteral("Annual Balance Sheet"), s, "_ABS.Sh", "Annual Balance Sheet", BalanceReportRows);
}

void Reports::H_AIS(const QByteArray &s)
{
    Record("H_AIS", s);
    Statement(QStringLiteral("Annual Income statement"), s, "_AIS.Sh", "Annual Income Statement ", IncomeReportRows);
}

void Reports::H_Current()
{
    Record("H_Current", {});
    const Hourglass hourglass;
    static const char *const headers[21] = {
        "&nbsp;", "Companey", "Last Sale", "Change", "% Change", "Volume", "Today's High",
        "Today's Low", "Bid", "Ask", "Last Trade Size", "Open", "Previous Close", "52 Week High",
        "52 Week Low", "EPS", "P/E Ratio", "Dividend Per Share", "Exchange", "Industry", "Last Update"};
    QByteArray page = HtmlHead("#EFFAF9", "Current Stock Prices", {}) + HtmlTable("1", "1", "3", "100%", {}) + "<TR>\r\n";
    for (const char *header : headers)
        page += QByteArray("<th align=\"center\" nowrap>") + header + "</th>\r\n";
    page += "</tr>\r\n<tr>\r\n";
    const auto cell = [&page](const char *align, const QByteArray &text) {
        page += QByteArray("<td align=\"") + align + "\" nowrap><font size=-1>" + ReportPage::Escape(text)
                + "</font></td>\r\n";
    };
    for (int i = 0; i < StockCount && i < Stock::StockSlots; ++i) {
        const StockRecord &s = Stocks[size_t(i)];
        // A change of "0..." counts as rising: the row keeps its 21 cells.
        const bool falling = s.PChange.startsWith('-');
        page += falling ? "<td align=\"center\"><img src=\"../../dn.gif\"></td>"
                        : "<td align=\"center\"><img src=\"../../up.gif\"></td>";
        cell("left", s.Name);
        cell("right", s.LastSale);
        cell("right", s.DChange);
        page += QByteArray("<td align=\"right\" nowrap><font size=-1 color=") + (falling ? "#ff0000" : "#006600") + ">"
                + ReportPage::Escape(s.PChange) + "</font></td>\r\n";
        cell("right", s.Volume);
        cell("right", s.TodayHigh);
        cell("right", s.TodayLow);
        cell("right", s.Bid);
        cell("right", s.Ask);
        cell("center", s.LTS);
        cell("right", s.Opens);
        cell("right", s.PreClose);
        cell("right", s.High52);
        cell("right", s.Low52);
        cell("center", s.EPS);
        cell("center", s.pe);
        cell("center", s.DPS);
        cell("left", s.Exchange);
        cell("left", s.industry);
        cell("center", s.LastUpdate);
        page += "</tr>\r\n<tr>\r\n";
    }
    page += "</tr>\r\n" + Footer();
    ReportPage::Publish(ReportPage::ReportFolder() + QStringLiteral("/Stock Prices.Htm"), page);
}

void Reports::Earnings(const QByteArray &symbol, int table, const QString &file, const QByteArray &subtitle)
{
    const QString path = ReportPage::ReportFile(QStringLiteral("Earnings"), symbol, file);
    if (path.isEmpty())
        return;
    const Hourglass hourglass;
    const QByteArray rows = EarningsRows::Rows(EarningsRows::Table(table), ReportPage::Renderer::Report,
                                               ReportPage::ReadSheet(symbol, "_ee.Sh"))
                                .value_or(QByteArray());
    ReportPage::Publish(path, HtmlHead("#FFFEEA", Title(symbol), subtitle)
                                  + HtmlTable("0", "1", "3", "100%", {}) + rows + "\r\n" + Footer());
}

void Reports::H_EC(const QByteArray &s)
{
    Record("H_EC", s);
    Earnings(s, int(EarningsRows::Table::Trend), QStringLiteral(" Consensus EPS Trend.Htm"), "Consensus EPS Trend");
}

void Reports::H_ER(const QByteArray &s)
{
    Record("H_ER", s);
    // No blank after the symbol, as this report's file was always named.
    Earnings(s, int(EarningsRows::Table::Estimates), QStringLiteral("Earnings Estimates.htm"), "Earnings Estimates");
}

void Reports::H_EH(const QByteArray &s)
{
    Record("H_EH", s);
    Earnings(s, int(EarningsRows::Table::History), QStringLiteral(" Earnings History.Htm"), "Earnings History");
}

void Reports::H_EG(const QByteArray &s)
{
    Record("H_EG", s);
    Earnings(s, int(EarningsRows::Table::Growth), QStringLiteral(" Earnings Growth.Htm"), "Earnings Growth");
}

void Reports::Chain(const QByteArray &symbol, bool calls)
{
    const QString path = ReportPage::ReportFile(QStringLiteral("Options"), symbol,
                                                calls ? QStringLiteral(" Calls.htm") : QStringLiteral(" Puts.htm"));
    if (path.isEmpty())
        return;
    const Hourglass hourglass;
    const OptionRows::Side side = calls ? OptionRows::Side::Calls : OptionRows::Side::Puts;
    const QByteArray body = OptionRows::Body(ReportPage::ReadSheet(symbol, "_op.Sh"));
    // Cancel keeps the old report.
    if (body.size() > OptionRows::LargeBody && !OptionRows::GoOnWithLarge(side, ReportPage::Renderer::Report))
        return;
    ReportPage::Publish(path, HtmlHead(calls ? "#FFFEEA" : "#EFFAF9", Title(symbol),
                                       calls ? "Calls" : "Puts")
                                  + HtmlTable("1", "0", "0", "100%", {})
                                  + OptionRows::Headings(side, ReportPage::Renderer::Report)
                                  + OptionRows::Rows(side, ReportPage::Renderer::Report, body) + Footer());
}

void Reports::H_Calls(const QByteArray &s)
{
    Record("H_Calls", s);
    Chain(s, true);
}

void Reports::H_Puts(const QByteArray &s)
{
    Record("H_Puts", s);
    Chain(s, false);
}

void Reports::H_IT(const QByteArray &s)
{
    Record("H_IT", s);
    const QString path = ReportPage::ReportFile(QStringLiteral("Insiders Traders"), s, QStringLiteral(".htm"));
    if (path.isEmpty())
        return;
    const Hourglass hourglass;
    const TradeRows::Walked trades =
        TradeRows::Insiders(ReportPage::Renderer::Report, ReportPage::ReadSheet(s, "_it.Sh"));
    ReportPage::Publish(path, HtmlHead({}, Title(s), "Insiders Traders")
                                  + HtmlTable("1", "0", "0", "100%", {}) + trades.rows + Footer());
}

void Reports::H_QR(const QByteArray &s)
{
    Record("H_QR", s);
    const QString path = ReportPage::ReportFile(QStringLiteral("Quarterly Reports"), s, QStringLiteral(" Quarterly Reports.htm"));
    if (path.isEmpty())
        return;
    const Hourglass hourglass;
    const TradeRows::Walked filings =
        TradeRows::Filings(ReportPage::Renderer::Report, ReportPage::ReadSheet(s, "_qr.Sh"));
    ReportPage::Publish(path, HtmlHead("#FFFEEA", Title(s), "Quarterly Reports ")
                                  + HtmlTable("0", "1", "0", "100%", {}) + filings.rows + Footer());
}

void Reports::H_SI(const QByteArray &s)
{
    Record("H_SI", s);
    const QString path = ReportPage::ReportFile(QStringLiteral("Misc"), s, QStringLiteral(" Short Interest.Htm"));
    if (path.isEmpty())
        return;
    const Hourglass hourglass;
    const TradeRows::Walked rows = TradeRows::ShortInterest(ReportPage::ReadSheet(s, "_SI.Sh"), "</TR>\r\n<TR>");
    // The footer's leading "</TR>" closes the last row opened.
    ReportPage::Publish(path, HtmlHead("#FFFEEA", Title(s), "Short Interest")
                                  + HtmlTable("0", "4", "1", "100%", {}) + "<TR>" + TradeRows::ShortInterestHeadings()
                                  + "<tr>" + rows.rows + "</TR>" + Footer());
}

void Reports::Export(int16_t kind)
{
    Record("Export", QByteArray::number(kind));
    std::unique_ptr<Hourglass> busy;
    if (kind == 15)
        busy = std::make_unique<Hourglass>();
    if (kind == 14) {
        QByteArray text = QuoteExport::Text(kind, ReportPage::Today());
        if (QClipboard *clip = QGuiApplication::clipboard())
            clip->setText(Text::FromCp1252(text));
        return;
    }
    const std::optional<QuoteExport::FileFormat> format = QuoteExport::FileFormatOf(kind);
    if (!format)
        return;
    const QByteArray text = QuoteExport::Text(kind, ReportPage::Today());
    clsSaveDialog dialog;
    dialog.SetDefaultFileName(format->defaultName);
    dialog.SetDefaultExtension(format->extension);
    dialog.AddFilter(format->filterDescription, format->extension);
    dialog.ShowSave();
    if (dialog.FileName().isEmpty())
        return;
    FileOut::Replace(dialog.PathFile(), text + "\r\n");
    Misc::DoEvents();
}
