#include "reports/Summery.h"

#include "collect/SheetCache.h"
#include "core/CellText.h"
#include "core/Hosts.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Hourglass.h"
#include "platform/Ras.h"
#include "platform/Vb.h"
#include "reports/ReportPage.h"
#include "reports/StatementRows.h"
#include "reports/EarningsRows.h"
#include "reports/OptionRows.h"
#include "reports/ResearchRows.h"
#include "reports/TradeRows.h"
#include "sheets/SheetReaders.h"

#include <QLabel>
#include <cmath>

namespace {

const QByteArray NoData = "No Data Available.";

// The heading of a titled section and of the analyst bar.
QByteArray Headline(const QByteArray &text)
{
    return "<B><FONT SIZE=\"+1\" FACE=\"Times New Roman\" color=\"#009999\"><U>" + text + "</U></FONT></B> ";
}

QByteArray ScaleCell(const char *word, const char *align)
{
    return QByteArray("<td width=\"20%\" align=\"") + align
           + "\"><small><strong><font face=\"Times New Roman\" color=\"#808080\"><em>" + word
           + "</em></font></strong></small></td>\r\n";
}

QByteArray Scale()
{
    static const std::pair<const char *, const char *> cells[5] = {
        {"Sell", "LEFT"}, {"Underpreform", "LEFT"}, {"Hold", "center"}, {"Buy", "center"}, {"Strong Buy", "RIGHT"}};
    QByteArray out = "<table border=\"0\" width=\"100%\"><tr>\r\n";
    for (const auto &[word, align] : cells)
        out += ScaleCell(word, align);
    return out + "</tr></table>";
}

// The rows of a trades section; the heading row alone is no table.
QByteArray TradeTable(const TradeRows::Walked &walked)
{
    if (!walked.whole || walked.rows.endsWith("<TR>"))
        return {};
    return walked.rows;
}

} // namespace

void Summery::Progress(const char *text)
{
    if (progress_)
        progress_->setText(QString::fromLatin1(text));
}

QByteArray Summery::ReadSheet(const char *suffix)
{
    return ReportPage::ReadSheet(CurrentSymbol, suffix);
}

QByteArray Summery::Table(const QByteArray &width, const QByteArray &border, const QByteArray &spacing,
                          const QByteArray &padding)
{
    return "<TABLE WIDTH=" + width + " BORDER=" + border + " CELLSPACING=" + spacing + " CELLPADDING=" + padding + ">";
}

QByteArray Summery::Table1(const QByteArray &headline, const QByteArray &body)
{
    return "<P><CENTER>" + Headline(headline) + "<CENTER>" + Table("100%", "0", "2", "0") + "\r\n" + body
           + "\r\n</TABLE></CENTER></P><BR>";
}

QByteArray Summery::RowPrice(const QByteArray &caption1, const QByteArray &data1, const QByteArray &caption2,
                             const QByteArray &data2)
{
    return "<TR><TD WIDTH=\"25%\" nowrap><b><FONT COLOR=\"#000080\" face=\"Arial\" size=\"2\">&nbsp;" + caption1
           + "</FONT></b></TD><TD WIDTH=\"25%\" nowrap><Font face=\"Arial\" size=\"2\">&nbsp;"
           + ReportPage::Escape(data1)
           + "</Font></TD><TD WIDTH=\"25%\"><b><Font color=\"#000080\" face=\"Arial\" size=\"2\">&nbsp;" + caption2
           + "</Font><b></td><td WIDTH=\"25%\"><Font face=\"Arial\" size=\"2\">&nbsp;" + ReportPage::Escape(data2)
           + "</Font></td></TR>\r\n";
}

QByteArray Summery::TablePrice()
{
    // A symbol that is not in the open set shows the captions over empty values.
    const int16_t slot = Stock::FindStock(CurrentSymbol);
    const StockRecord s = slot == Stock::NotFound ? StockRecord{} : Stocks[size_t(slot)];
    return "<P><CENTER>" + Table("100%", "0", "2", "0")
           + "<TR><TD COLSPAN=\"2\" align=\"CENTER\"><B><FONT SIZE=\"+1\" FACE=\"Times New Roman\" "
             "color=\"#009999\"><U>Latest Prices</U></FONT></B></TD></TR>"
             "<TR><TD COLSPAN=\"2\"><P><CENTER><TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\">"
           + RowPrice("Symbol:", s.Symbol, {}, {}) + RowPrice("Last Update:", s.LastUpdate, "Open:", s.Opens)
           + RowPrice("Last Sale:", s.LastSale, "Previous Close:", s.PreClose)
           + RowPrice("Change:", s.DChange, "$ Change :", s.PChange)
           + RowPrice("Today High:", s.TodayHigh, "Today Low:", s.TodayLow)
           + RowPrice("Volume:", s.Volume, "EPS:", s.EPS) + RowPrice("Ask:", s.Ask, "Bid:", s.Bid)
           + RowPrice("52 Week High:", s.High52, "52 Week Low:", s.Low52)
           + RowPrice("Last Trade Size:", s.LTS, "Dividend Per Share:", s.DPS)
           + RowPrice("Industry:", s.industry, "Exchange:", s.Exchange) + RowPrice("P/E Ratio:", s.pe, {}, {})
           + "</TABLE></CENTER></TD></TR></TABLE></CENTER></P><BR>";
}

QByteArray Summery::S_ABS()
{
    Progress("Processing Annual Balance Sheet report, please wait..");
    const QByteArray page = ReadSheet("_ABS.Sh");
    if (page.isEmpty())
        return NoData;
    return StatementRows::Balance(page, StatementRows::Renderer::Summary);
}

QByteArray Summery::S_AIS()
{
    Progress("Processing Annual Income Statement report, please wait..");
    const QByteArray page = ReadSheet("_AIS.Sh");
    if (page.isEmpty())
        return NoData;
    return StatementRows::Income(page, StatementRows::Renderer::Summary);
}

QByteArray Summery::S_Profile()
{
    Progress("Processing stock profile report, please wait..");
    const QByteArray page = ReadSheet("_P.Sh");
    if (page.isEmpty())
        return NoData;
    const QByteArray text = CellText::Of(SheetReaders::ProfileCut(page));
    if (text.isEmpty())
        return {};
    return ReportPage::Escape(text).replace(". ", ".<BR>");
}

QByteArray Summery::S_Analyst()
{
    const double r = Vb::RoundHalfEven(Stock::GetRecommendation(CurrentSymbol));
    if (r == 0)
        return {};
    // Formatted as a whole number, halves away from zero.
    const int p = int(std::round(((5 - r) * 93.5 + r * 2.5) / 4));
    return "<P><CENTER>" + Headline("Analyst's Recommendation") + "\r\n" + Scale()
           + Table("100%", "0", "2", "0") + "\r\n" + "<tr><td width=\"" + QByteArray::number(p + 10)
           + "%\" bgcolor=\"#0000FF\" background=\"../../../bar.jpg\">&nbsp;</td>"
             "<td width=\"1%\" bgcolor=\"#FF0000\" valign=\"middle\" align=\"center\" "
             "background=\"../../../gmb.jpg\">&nbsp;</td><td width=\""
           + QByteArray::number(100 - p)
           + "%\" bgcolor=\"#0000FF\" background=\"../../../bar.jpg\">&nbsp;</td></tr></TABLE></CENTER></P><BR>";
}

QByteArray Summery::S_Chart()
{
    if (Ras::ActiveConnections() <= 0)
        return "<FONT Size=-2>Connect to the Internet to view " + ReportPage::Escape(CurrentSymbol) + " chart</FONT>";
    const QString first = SheetCache::ForUrl(CurrentSymbol.left(1).toLower());
    const QString address = Hosts::Url(QStringLiteral("ChartImageHost"), QStringLiteral("/c/3m/") + first + u'/'
                                                                             + SheetCache::ForUrl(CurrentSymbol)
                                                                             + QStringLiteral(".gif"));
    return "<img border=\"0\" src=\"" + ReportPage::Escape(address.toLatin1()) + "\">";
}

QByteArray Summery::Earnings(int table, const char *progress)
{
    Progress(progress);
    const QByteArray page = ReadSheet("_ee.Sh");
    if (page.isEmpty())
        return NoData;
    const std::optional<QByteArray> rows =
        EarningsRows::Rows(EarningsRows::Table(table), ReportPage::Renderer::Summary, page);
    return rows ? *rows + "\r\n" : QByteArray();
}

QByteArray Summery::S_EC()
{
    return Earnings(int(EarningsRows::Table::Trend), "Processing Consensus EPS Trend report, please wait..");
}
QByteArray Summery::S_EE()
{
    return Earnings(int(EarningsRows::Table::Estimates), "Processing Earnings Estimates report, please wait..");
}
QByteArray Summery::S_EH()
{
    return Earnings(int(EarningsRows::Table::History), "Processing Earnings History report, please wait..");
}
QByteArray Summery::S_EG()
{
    return Earnings(int(EarningsRows::Table::Growth), "Processing Earnings Growth report, please wait..");
}

QByteArray Summery::Chain(bool calls)
{
    Progress(calls ? "Processing Calls report, please wait.." : "Processing Puts report, please wait..");
    const QByteArray page = ReadSheet("_op.Sh");
    if (page.isEmpty())
        return NoData;
    const OptionRows::Side side = calls ? OptionRows::Side::Calls : OptionRows::Side::Puts;
    const QByteArray body = OptionRows::Body(page);
    // Cancel leaves the headline over an empty table.
    if (body.size() > OptionRows::LargeBody && !OptionRows::GoOnWithLarge(side, ReportPage::Renderer::Summary))
        return {};
    const QByteArray rows = OptionRows::Rows(side, ReportPage::Renderer::Summary, body);
    return rows.isEmpty() ? QByteArray() : OptionRows::Headings(side, ReportPage::Renderer::Summary) + rows;
}

QByteArray Summery::S_Calls() { return Chain(true); }
QByteArray Summery::S_Puts() { return Chain(false); }

QByteArray Summery::S_IT()
{
    Progress("Processing Insider Trades report, please wait..");
    const QByteArray page = ReadSheet("_it.Sh");
    if (page.isEmpty())
        return NoData;
    return TradeTable(TradeRows::Insiders(ReportPage::Renderer::Summary, page));
}

QByteArray Summery::S_QR()
{
    Progress("Processing Quarterly report, please wait..");
    const QByteArray page = ReadSheet("_qr.Sh");
    if (page.isEmpty())
        return NoData;
    return TradeTable(TradeRows::Filings(ReportPage::Renderer::Summary, page));
}

QByteArray Summery::S_SI()
{
    Progress("Processing Short Interest report, please wait..");
    const TradeRows::Walked rows = TradeRows::ShortInterest(ReadSheet("_SI.Sh"), "</tr>\r\n<tr>");
    if (!rows.whole)
        return ResearchRows::NoData;
    return "<TR>" + TradeRows::ShortInterestHeadings() + "</TR>\r\n<TR>" + rows.rows + "</TR>";
}

QByteArray Summery::S_Split()
{
    Progress("Processing stock split history report, please wait..");
    return ResearchRows::Splits(ReadSheet("_sp.Sh"));
}

QByteArray Summery::S_Upgrades()
{
    Progress("Processing stock Upgrades history report, please wait..");
    return ResearchRows::RatingChanges(ReadSheet("_uph.Sh"));
}

QByteArray Summery::S_Downgrades()
{
    Progress("Processing stock downgrades report, please wait..");
    return ResearchRows::RatingChanges(ReadSheet("_dnh.Sh"));
}

QByteArray Summery::S_Momentum()
{
    Progress("Processing Momentum report, please wait..");
    return ResearchRows::Momentum(ReadSheet("_mr.Sh"));
}

QByteArray Summery::S_Broker()
{
    Progress("Processing Broker Reports report, please wait..");
    return ResearchRows::Broker(ReadSheet("_brp.Sh"));
}

bool Summery::GanarateHTML(const std::array<uint8_t, 19> &flags)
{
    const QString path = ReportPage::ReportFile(QStringLiteral("Summary"), CurrentSymbol, QStringLiteral(".htm"));
    if (path.isEmpty())
        return false;
    const Hourglass hourglass;
    const QByteArray name = ReportPage::Escape(Stock::CurrentStockName());
    QByteArray page = "<HTML><HEAD><TITLE>" + name + " Summary</TITLE></HEAD><BODY BGCOLOR=\"#ffffff\">\r\n"
                      "<P><CENTER><B><U><FONT SIZE=\"+3\" FACE=\"Times New Roman\">" + name
                      + "</FONT></U></B></CENTER></P><P><CENTER><FONT SIZE=\"+1\" FACE=\"Times New "
                        "Roman\"><B>Summary</B></FONT></CENTER></P><P ALIGN=RIGHT>\r\n"
                        "<TABLE BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"0\"><TR><TD WIDTH=\"50%\">&nbsp;<I><FONT "
                        "SIZE=\"-1\">Last Update:</FONT></I></TD><TD WIDTH=\"50%\">&nbsp;"
                      + ReportPage::ShortDate(ReportPage::Today()) + "</TD></TR></TABLE></P>";
    const auto on = [&flags](int position) { return flags[size_t(position - 1)] == 1; };
    const auto add = [&page](const QByteArray &text) { page += "\r\n" + text; };
    if (on(1)) {
        const QByteArray profile = S_Profile();
        const QByteArray chart = S_Chart();
        add("<P><CENTER>" + Table("100%", "0", "2", "0")
            + "<TR><TD WIDTH=\"70%\">" + Headline("Profile:").chopped(1) + "</TD><TD WIDTH=\"30%\">"
            + Headline("Chart:").chopped(1)
            + "&nbsp;</TD></TR>\r\n<TR><TD WIDTH=\"70%\" BGCOLOR=\"#fffddd\"><FONT SIZE=-1 Face=\"Times New "
              "Roman\">&nbsp;"
            + profile + "</FONT></TD>\r\n<TD WIDTH=\"30%\" ALIGN=\"CENTER\" BGCOLOR=\"#fffddd\">" + chart
            + "&nbsp;</TD></TR></TABLE></CENTER></P>");
    }
    if (on(2))
        add(S_Analyst());
    if (on(3))
        add(TablePrice());
    const std::pair<int, std::pair<const char *, QByteArray (Summery::*)()>> sections[] = {
        {4, {"Annual Balance Sheet", &Summery::S_ABS}},   {5, {"Annual Income Statement", &Summery::S_AIS}},
        {6, {"Earning Growth", &Summery::S_EG}},          {7, {"Earning History", &Summery::S_EH}},
        {8, {"Earning Estimates", &Summery::S_EE}},       {9, {"Consensus EPS Trade", &Summery::S_EC}},
        {11, {"Split History", &Summery::S_Split}},       {12, {"Upgrades History", &Summery::S_Upgrades}},
        {13, {"Downgrades History", &Summery::S_Downgrades}}, {14, {"Momentum Rating", &Summery::S_Momentum}},
        {15, {"Broker Reports", &Summery::S_Broker}},     {10, {"Insider Trader", &Summery::S_IT}},
        {18, {"Quarterly Reports", &Summery::S_QR}},      {16, {"Calls", &Summery::S_Calls}},
        {17, {"Puts", &Summery::S_Puts}},                 {19, {"Short Interest", &Summery::S_SI}},
    };
    for (const auto &[position, section] : sections)
        if (on(position))
            add(Table1(section.first, (this->*section.second)()));
    page += "\r\n<P><CENTER><HR><I><FONT SIZE=\"-1\">Made By:</FONT></I> <B><FONT "
            "COLOR=\"#009999\">Tickerwatch</FONT></B></CENTER></BODY></HTML>";
    return ReportPage::Publish(path, page);
}
