// The pages the program opens in the browser from the cells and sections it
// draws: option quotes, company and news pages, split quotes, insiders,
// filing documents, research notes and the three-month chart picture. Each
// answers for what the program builds from the site's own pages, so a walk
// through every sheet meets no broken page.
#include "Pages.h"

#include "../common/Gif.h"

#include <QImage>
#include <QRegularExpression>

namespace Pages {

namespace {

// A page for the browser: a title and a few lines.
Reply Page(const QByteArray &title, const QByteArray &body)
{
    return Reply::Html(Html(title, "<h2>" + title + "</h2>\r\n" + body));
}

// The symbol of a route part or query in capitals, or empty when it is not
// one; the index symbols keep their "^".
QByteArray Symbol(const QByteArray &text)
{
    const QByteArray s = text.toUpper();
    return IsSymbol(s) ? s : QByteArray();
}

// A short made-up text about a company, fixed per symbol.
QByteArray About(const QByteArray &sym, const char *what)
{
    SymbolData d(sym + what);
    return "<p>" + Company(d) + " (" + sym + ") " + what + " as of " + QByteArray::number(d.Between(1, 12)) + "/"
           + QByteArray::number(d.Between(1, 28)) + "/2000.</p>\r\n";
}

} // namespace

// The option quote a call or put code opens.
Reply OptionQuotePage(const Request &r)
{
    const QByteArray code = r.Query("TICKER").toUpper();
    static const QRegularExpression form(QStringLiteral("^[A-Z0-9.^]{1,8}[ -]?[A-Z0-9]{0,4}$"));
    if (code.isEmpty() || !form.match(QString::fromLatin1(code)).hasMatch())
        return Reply::Status(404);
    SymbolData d(code + "oq");
    const int bid = d.Between(5, 2000);
    return Page("Option " + code,
                "<table border=1><tr><td>Last</td><td>" + Hundredths(bid + 5) + "</td></tr><tr><td>Bid</td><td>"
                    + Hundredths(bid) + "</td></tr><tr><td>Ask</td><td>" + Hundredths(bid + 10)
                    + "</td></tr><tr><td>Open Interest</td><td>" + Grouped(d.Between(0, 9000))
                    + "</td></tr></table>\r\n");
}

// A company's page: "/c/" and the symbol's first letter in lower case.
Reply CompanyPage(const Request &r)
{
    const QByteArray sym = Symbol(r.Arg("sym"));
    if (sym.isEmpty() || r.Arg("l") != sym.left(1).toLower())
        return Reply::Status(404);
    return Page(sym + " company page", About(sym, "company news and filings"));
}

// The story a news word or an IPO headline opens.
Reply StoryPage(const Request &r)
{
    const QByteArray sym = Symbol(r.Arg("sym"));
    if (sym.isEmpty())
        return Reply::Status(404);
    return Page(sym + " news", About(sym, "reported"));
}

// A company profile, from a profile word or the IPO calendars.
Reply CompanyProfilePage(const Request &r)
{
    const QByteArray sym = Symbol(r.Arg("sym"));
    if (sym.isEmpty())
        return Reply::Status(404);
    return Page(sym + " profile", About(sym, "profile"));
}

// The detailed quote a split calendar's ticker opens.
Reply SplitQuotePage(const Request &r)
{
    const QByteArray sym = Symbol(r.Query("symbol"));
    if (sym.isEmpty() || r.Query("Whattoget") != "detailquote")
        return Reply::Status(404);
    SymbolData d(sym + "sq");
    return Page(sym + " detailed quote", "<p>Last " + d.Price(500, 20000) + "</p>\r\n");
}

// An insider's page: the stock in lower case, a dash and a number.
Reply InsiderPersonPage(const Request &r)
{
    const QByteArray name = r.Arg("name");
    const qsizetype dash = name.lastIndexOf('-');
    bool number = false;
    name.mid(dash + 1).toInt(&number);
    if (dash < 1 || !number || Symbol(name.left(dash)).isEmpty())
        return Reply::Status(404);
    return Page("Insider " + name, About(name.left(dash).toUpper(), "insider holdings"));
}

// A filing's document as plain text.
Reply FilingDocument(const Request &r)
{
    const QByteArray name = r.Arg("name");
    const qsizetype dash = name.lastIndexOf('-');
    if (dash < 1 || Symbol(name.left(dash)).isEmpty())
        return Reply::Status(404);
    return Reply::Text("FILING " + name.toUpper() + "\r\nCompany: " + name.left(dash).toUpper()
                       + "\r\nThis document is a sample filing.\r\n");
}

// The earnings research note a surprise's symbol opens.
Reply EarningsNotePage(const Request &r)
{
    const QByteArray sym = Symbol(r.Query("tick"));
    if (sym.isEmpty())
        return Reply::Status(404);
    return Page(sym + " earnings research", About(sym, "earnings estimates"));
}

// The company digest a percentage mover's symbol opens.
Reply CompanyDigestPage(const Request &r)
{
    const QByteArray sym = Symbol(r.Query("symbol"));
    if (sym.isEmpty() || r.Query("selection") != "company_digest")
        return Reply::Status(404);
    return Page(sym + " company digest", About(sym, "digest"));
}

// The three-month chart of the summary page: a GIF of the symbol's prices,
// a blue line over grey rules between black axes.
Reply ChartPicture(const Request &r)
{
    const QByteArray sym = Symbol(r.Arg("sym"));
    if (sym.isEmpty() || r.Arg("l") != sym.left(1).toLower())
        return Reply::Status(404);
    constexpr int w = 160, h = 90;
    QImage chart(w, h, QImage::Format_RGB32);
    chart.fill(qRgb(255, 255, 255));
    for (int x = 0; x < w; ++x) {
        for (int y = 10; y < h - 1; y += 20)
            chart.setPixel(x, y, qRgb(192, 192, 192));
        chart.setPixel(x, h - 1, qRgb(0, 0, 0));
    }
    for (int y = 0; y < h; ++y)
        chart.setPixel(0, y, qRgb(0, 0, 0));
    SymbolData d(sym + "chart");
    int y = h / 2;
    for (int x = 1; x < w; ++x) {
        y = qBound(2, y + d.Between(-3, 3), h - 3);
        chart.setPixel(x, y, qRgb(0, 0, 255));
        chart.setPixel(x, y + 1, qRgb(0, 0, 255));
    }
    return Reply{200, "image/gif", Gif(chart)};
}

} // namespace Pages
