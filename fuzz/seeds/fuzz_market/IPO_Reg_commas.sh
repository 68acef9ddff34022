HTTP/1.0 200 OK
Content-Type: text/html

<HTML><body><table><tr><TH>Date</TH><TH>More Info</TH></tr><tr><td>06/01</td><td>New Co</td><td>NEWC</td><td>1,000</td><td>$10M</td><td>12.00</td><td>06/20</td><td><a href="/p/NEWC.html">Profile</a>, <a href="/n/NEWC.html">News</a></td></tr><TR><TD colspan=8>x</TD></TR></table></body></html>