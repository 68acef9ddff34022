#include "reports/Reports.h"

#include "collect/SheetCache.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "platform/Hourglass.h"
#include "shell/clsSaveDialog.h"
#include "platform/Text.h"
#include "reports/QuoteExport.h"
#include "reports/ReportPage.h"
#include "reports/StatementRows.h"

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
    const QByteArray source = Misc::ReadFile(SheetCache::DataSheet(QString::fromLatin1(symbol + suffix)));
    Misc::DoEvents();
    const QByteArray page = HtmlHead("#FFFEEA", ReportPage::Escape(Stock::CurrentStockName()), subtitle)
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

// The reports of the other sheets come with their own work; until then these
// write nothing.
void Reports::H_Calls(const QByteArray &s) { Record("H_Calls", s); }
void Reports::H_Puts(const QByteArray &s) { Record("H_Puts", s); }
void Reports::H_IT(const QByteArray &s) { Record("H_IT", s); }
void Reports::H_EC(const QByteArray &s) { Record("H_EC", s); }
void Reports::H_ER(const QByteArray &s) { Record("H_ER", s); }
void Reports::H_EH(const QByteArray &s) { Record("H_EH", s); }
void Reports::H_EG(const QByteArray &s) { Record("H_EG", s); }
void Reports::H_QR(const QByteArray &s) { Record("H_QR", s); }
void Reports::H_SI(const QByteArray &s) { Record("H_SI", s); }

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
    ReportPage::WriteFile(dialog.PathFile(), text + "\r\n");
    Misc::DoEvents();
}
