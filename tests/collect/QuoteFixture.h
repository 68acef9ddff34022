#pragma once
// Pages of the quote jobs as a case writes them.
#include <QByteArray>

namespace tw::test {

// A page in the shape of the quote service's: tags in either case, line
// ends and tabs between cells.
inline const QByteArray kQuotePage =
    "<html><head><title>ZETA: Detailed Quote</title></head><body>\r\n"
    "<p><a href=\"/q\">Quote</a> | <a href=\"/v\">Views</a></p>\r\n"
    "<TABLE WIDTH=100%>\r\n"
    "<TR><TD COLSPAN=6><b>Zeta Corp (NYSE:ZETA)</b> - More Info</TD></TR>\r\n"
    "<TR>\t<td>Last Trade<br><small>4:01PM &#183; <b>12 3/8</b></small></td>\r\n"
    "\t<td>Change<br><b>+3/8 (+3.12%)</b></td>\r\n"
    "\t<td>Prev Cls<br><b>12</b></td>\r\n"
    "\t<td>Volume<br><b>1,200,000</b></td>\r\n"
    "\t<td>Day's Range<br>12 1/8 - 13</td></TR>\r\n"
    "<TR><td>Bid<br><b>12 1/4</b></td><td>Ask<br><b>12 1/2</b></td>"
    "<td>Open<br><b>12 1/8</b></td><td>Avg Vol<br><b>900,000</b></td>"
    "<td>Div Date<br><b>Jun 15</b></td></TR>\r\n"
    "<TR><td>52-week Range<br>9 - 20 1/2</td><td>Earn/Shr<br><b>1.23</b></td>"
    "<td>P/E<br><b>10.06</b></td><td>Mkt Cap<br><b>1.5B</b></td>"
    "<td>Div/Shr<br><b>0.40</b></td><td>Yield<br><b>3.2</b></td></TR>\r\n"
    "</TABLE></body></html>\r\n";

// A reply of the transfer control's kind around a body.
inline QByteArray HttpReply(const QByteArray &body, int status = 200)
{
    return "HTTP/1.0 " + QByteArray::number(status) + (status == 200 ? " OK" : " Not Found")
           + "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

} // namespace tw::test
