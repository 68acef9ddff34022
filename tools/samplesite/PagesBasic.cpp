// The version file, the product page and a plain page per symbol.
#include "Pages.h"

namespace Pages {

Reply VersionFile(const Request &)
{
    return Reply::Text("Tickerwatch 5.7\r\nYou have the latest version of Tickerwatch.\r\n");
}

// The maker's product page, with the download section the new-version
// window's link jumps to.
Reply ProductPage(const Request &)
{
    return Reply::Html("<html><head><title>Tickerwatch</title></head><body>\r\n"
                       "<h1>Tickerwatch 5.8</h1>\r\n"
                       "<p>What is new in this version.</p>\r\n"
                       "<h2><a name=\"download\">Download</a></h2>\r\n"
                       "<p><a href=\"/Tkw58.zip\">Tkw58.zip</a></p>\r\n"
                       "</body></html>\r\n");
}

Reply DemoPage(const Request &r)
{
    const QByteArray sym = r.Arg("sym").toUpper();
    if (!IsSymbol(sym))
        return Reply::Status(404);
    SymbolData d(sym);
    const QByteArray last = d.Price(500, 20000);
    const QByteArray change = Hundredths(d.Between(-500, 500));
    const QByteArray volume = QByteArray::number(d.Between(1000, 9999999));
    return Reply::Html("<html><head><title>" + sym + " sample page</title></head><body>\r\n"
                       "<h1>" + sym + "</h1>\r\n"
                       "<table border=1>\r\n"
                       "<tr><th>Symbol</th><th>Last</th><th>Change</th><th>Volume</th></tr>\r\n"
                       "<tr><td>" + sym + "</td><td>" + last + "</td><td>" + change + "</td><td>" + volume
                       + "</td></tr>\r\n"
                       "</table>\r\n</body></html>\r\n");
}

} // namespace Pages
