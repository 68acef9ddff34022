// The pages the program opens in the browser from the cells and sections it
// draws: option quotes, company and news pages, split quotes, insiders,
// filing documents, research notes and the three-month chart picture. Each
// answers for what the program builds from the site's own pages, so a walk
// through every sheet meets no broken page.
#include "Pages.h"

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

// GIF codes of one pixel colour index each, with a clear code before every
// second one, so every code stays three bits wide and no table is needed.
QByteArray UncompressedGif(int width, int height, const QByteArray &pixels, const QByteArray &palette)
{
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    for (qsizetype i = 0; i < pixels.size(); ++i) {
        if (i % 2 == 0)
            put(4); // clear
        put(pixels[i]);
    }
    put(5); // end
    if (count > 0)
        data.append(char(bits & 0xFF));

    QByteArray gif = "GIF89a";
    gif.append(char(width & 0xFF)).append(char(width >> 8)).append(char(height & 0xFF)).append(char(height >> 8));
    gif.append(char(0x81)).append('\0').append('\0'); // a global table of four colours
    gif += palette;
    gif += ",";
    gif.append(4, '\0');
    gif.append(char(width & 0xFF)).append(char(width >> 8)).append(char(height & 0xFF)).append(char(height >> 8));
    gif.append('\0');
    gif.append('\x02'); // smallest code size
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size()));
        gif += block;
    }
    gif.append('\0');
    gif += ";";
    return gif;
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

// The three-month chart of the summary page: a GIF of the symbol's prices.
Reply ChartPicture(const Request &r)
{
    const QByteArray sym = Symbol(r.Arg("sym"));
    if (sym.isEmpty() || r.Arg("l") != sym.left(1).toLower())
        return Reply::Status(404);
    constexpr int w = 160, h = 90;
    QByteArray pixels(w * h, '\0'); // 0 white, 1 grey, 2 blue, 3 black
    for (int x = 0; x < w; ++x) {
        pixels[(h - 1) * w + x] = 3;
        for (int y = 10; y < h - 1; y += 20)
            pixels[y * w + x] = 1;
    }
    for (int y = 0; y < h; ++y)
        pixels[y * w] = 3;
    SymbolData d(sym + "chart");
    int y = h / 2;
    for (int x = 1; x < w; ++x) {
        y = qBound(2, y + d.Between(-3, 3), h - 3);
        pixels[y * w + x] = 2;
        pixels[(y + 1) * w + x] = 2;
    }
    const QByteArray palette = QByteArray::fromHex("ffffff" "c0c0c0" "0000ff" "000000");
    return Reply{200, "image/gif", UncompressedGif(w, h, pixels, palette)};
}

} // namespace Pages
