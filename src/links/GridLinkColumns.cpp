#include "links/GridLinkColumns.h"

#include "collect/SheetCache.h"
#include "core/Hosts.h"
#include "core/LinkColumns.h"

#include <QStringList>

namespace GridLinkColumns {

namespace {

QString Encoded(const QString &value) { return SheetCache::ForUrl(value.toLatin1()); }

// A path a sheet keeps for its link, as it stands, less a closing quote the
// page's attribute left behind.
QString KeptPath(QString path)
{
    while (path.endsWith(u'"') || path.endsWith(u'\''))
        path.chop(1);
    return path;
}

// The first four characters of the symbol column, then trimmed: a leading
// blank costs a character of the symbol, as the page-word rule has it.
QString ShortSymbol(const QString &text) { return text.left(4).trimmed(); }

QString PageWordAddress(const QString &word, const QString &s4, bool index)
{
    const QString sym = (index ? QStringLiteral("^") : QString()) + Encoded(s4);
    struct Page {
        const char *word, *host, *before, *after;
    };
    static const Page pages[] = {
        {"News", "BizNewsHost", "/n/i/", ".html"},
        {"Chart", "QuoteHost", "/q?s=", "&d=3m"},
        {"Profile", "BizNewsHost", "/p/e/", ".html"},
        {"SEC", "FilingSummaryHost", "/e/l/u/", ".html"},
        {"Msgs", "MessageBoardHost", "/?action=q&board=", ""},
        {"Insider", "BizNewsHost", "/t/u/", ".html"},
        {"Research", "QuoteHost", "/q?s=", "&d=r"},
    };
    for (const Page &p : pages)
        if (word == QLatin1String(p.word))
            return Hosts::Url(QLatin1String(p.host), QLatin1String(p.before) + sym + QLatin1String(p.after));
    return Hosts::Url(QStringLiteral("QuoteHost"), QStringLiteral("/q?s=") + sym + QStringLiteral("&d=t"));
}

// The code between the first "(" and the ")" after it, trimmed.
QString OptionCode(const QString &cell)
{
    const qsizetype open = cell.indexOf(u'(');
    const qsizetype close = open < 0 ? -1 : cell.indexOf(u')', open);
    if (close < 0)
        return QString();
    return cell.mid(open + 1, close - open - 1).trimmed();
}

bool WebOrMail(const QString &address)
{
    const QString a = address.trimmed().toLower();
    return a.startsWith(QStringLiteral("http://")) || a.startsWith(QStringLiteral("https://"))
           || a.startsWith(QStringLiteral("mailto:"));
}

} // namespace

bool IsLinkColumn(const QString &view, int col) { return LinkColumns::Of(view).links.Holds(col); }

bool MarksClickedCell(const QString &view) { return view == QLatin1String("AIS") || view == QLatin1String("ABS"); }

QString Address(const QString &view, int row, int col, const CellText &cell)
{
    if (row < 2 || !IsLinkColumn(view, col))
        return QString();
    const QString here = cell(row, col);
    const auto quote = [](const QString &s) {
        return Hosts::Url(QStringLiteral("QuoteHost"), QStringLiteral("/q?s=") + Encoded(s) + QStringLiteral("&d=t"));
    };
    const auto company = [](const QString &s) {
        return Hosts::Url(QStringLiteral("BizNewsHost"),
                          QStringLiteral("/c/") + Encoded(s.left(1).toLower()) + u'/' + Encoded(s) + QStringLiteral(".html"));
    };

    if (view == QLatin1String("QR"))
        return Hosts::Url(QStringLiteral("FilingsHost"), QStringLiteral("/auth/doctrans") + KeptPath(cell(row, 4)));
    if (view == QLatin1String("Coverage"))
        return col == 1 ? quote(cell(row, 1)) : company(cell(row, 1));
    if (view == QLatin1String("Upgrade") || view == QLatin1String("Downgrade"))
        return col == 1 ? quote(cell(row, 1)) : company(cell(row, 1));
    if (view == QLatin1String("WINLOS"))
        return Hosts::Url(QStringLiteral("BrokerDigestHost"),
                          QStringLiteral("/cgi/inet/qndigest.trn?selection=company_digest&symbol=") + Encoded(cell(row, 1)));
    if (view == QLatin1String("SUP"))
        return Hosts::Url(QStringLiteral("EarningsResearchHost"), QStringLiteral("/ows-bin/owa/zbrc?tick=")
                                                                       + Encoded(cell(row, 0))
                                                                       + QStringLiteral("&comp_id=main&search=1"));
    if (view == QLatin1String("IT"))
        return Hosts::Url(QStringLiteral("BizNewsHost"), u'/' + KeptPath(cell(row, 1)));
    if (view == QLatin1String("Call") || view == QLatin1String("Put") || view == QLatin1String("Options")) {
        QString code = OptionCode(here);
        if (code.isEmpty())
            return QString();
        if (view == QLatin1String("Options"))
            code.remove(u' ');
        return Hosts::Url(QStringLiteral("OptionQuoteHost"), QStringLiteral("/cgi-bin/cboeget.exe?TICKER=") + Encoded(code));
    }
    if (view == QLatin1String("BR") || view == QLatin1String("US")) {
        const QString address = cell(row, view == QLatin1String("BR") ? 9 : 8).trimmed();
        return address.size() >= 2 && WebOrMail(address) ? address : QString();
    }
    if (view == QLatin1String("IPO_Price"))
        return PageWordAddress(here, ShortSymbol(cell(row, 2)), false);
    if (view.startsWith(QLatin1String("IPO_")) && view != QLatin1String("IPO_Reg") && view != QLatin1String("IPO_With")
        && view != QLatin1String("IPO_News"))
        return PageWordAddress(here, ShortSymbol(cell(row, 1)), false);
    if (view == QLatin1String("WM"))
        return PageWordAddress(here, ShortSymbol(cell(row, 2)), true);
    if (view == QLatin1String("IPO_Reg") || view == QLatin1String("IPO_With"))
        return Hosts::Url(QStringLiteral("BizNewsHost"), QStringLiteral("/p/") + Encoded(cell(row, 2)) + QStringLiteral(".html"));
    if (view == QLatin1String("IPO_News")) {
        // A headline without a link opens nothing.
        const QString path = KeptPath(cell(row, 4).trimmed());
        return path.isEmpty() ? QString() : Hosts::Url(QStringLiteral("BizNewsHost"), u'/' + path);
    }
    if (view == QLatin1String("FMS1") || view == QLatin1String("FMS2"))
        return Hosts::Url(QStringLiteral("SplitQuoteHost"), QStringLiteral("/quote.asp?symbol=") + Encoded(cell(row, 0))
                                                                 + QStringLiteral("&Whattoget=detailquote"));
    return QString();
}

} // namespace GridLinkColumns
