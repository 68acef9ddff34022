HTTP/1.0 200 OK
Content-Type: text/html

<html><table><tr><td>Ticker</td><td>Company</td><td>Broker</td><td>Report</td></tr><tr><td>ACME</td><td>Acme, Inc. News</td><td>Newstar Securities</td><td>Raised to Buy Chart Compare</td></tr><tr><td>ZETA</td><td>Zeta Corp</td><td>Thomas Weisel</td><td>Initiated &nbsp;</td></tr></table><!-- START BLOOMBERG NEWS --><table><tr><td>06/02</td><td>IBM</td><td>IBM rated 1,200 News</td><td>Wire</td></tr></table></html>