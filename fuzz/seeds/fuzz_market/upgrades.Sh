<html><head><title>Upgrades</title></head><body>
<p><b>Upgrades</b></p>
<table border=1>
<tr><TH>Company</TH><TH>Symbol</TH><TH>Brokerage</TH><TH>From</TH><TH>To</TH><TH>More</TH></tr>
<tr><td colspan=6>2024-05-19</td></tr>
<tr><td>Ivory Labs Inc.</td><td>MGG</td><td>Alder Securities</td><td>Hold</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=MGG">Quote</a></td></tr>
<tr><td>Meridian Energy Inc.</td><td>LWA</td><td>Crane Partners</td><td>Sell</td><td>Hold</td><td><a href="http://127.0.0.1:18791/q?s=LWA">Quote</a></td></tr>
<tr><td>Pioneer Bancorp Inc.</td><td>DEG</td><td>Alder Securities</td><td>Hold</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=DEG">Quote</a></td></tr>
<tr><td>Juniper Motors Inc.</td><td>NCOM</td><td>Crane Partners</td><td>Sell</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=NCOM">Quote</a></td></tr>
<tr><td>Orion Media Inc.</td><td>ZFVU</td><td>Birch Capital</td><td>Buy</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=ZFVU">Quote</a></td></tr>
<tr><td>Juniper Foods Inc.</td><td>FXG</td><td>Crane Partners</td><td>Sell</td><td>Hold</td><td><a href="http://127.0.0.1:18791/q?s=FXG">Quote</a></td></tr>
<tr><td>Orion Pharma Inc.</td><td>NRU</td><td>Crane Partners</td><td>Underperform</td><td>Buy</td><td><a href="http://127.0.0.1:18791/q?s=NRU">Quote</a></td></tr>
<tr><td>Ivory Media Inc.</td><td>IYG</td><td>Elm Street Advisors</td><td>Underperform</td><td>Hold</td><td><a href="http://127.0.0.1:18791/q?s=IYG">Quote</a></td></tr>
<tr><td>Harbor Pharma Inc.</td><td>OGHG</td><td>Elm Street Advisors</td><td>Sell</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=OGHG">Quote</a></td></tr>
<tr><td>Juniper Bancorp Inc.</td><td>TFI</td><td>Alder Securities</td><td>Hold</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=TFI">Quote</a></td></tr>
<tr><td>Delta Networks Inc.</td><td>GTB</td><td>Crane Partners</td><td>Sell</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=GTB">Quote</a></td></tr>
<tr><td>Ivory Systems Inc.</td><td>JSKI</td><td>Alder Securities</td><td>Underperform</td><td>Buy</td><td><a href="http://127.0.0.1:18791/q?s=JSKI">Quote</a></td></tr>
<tr><td>Pioneer Bancorp Inc.</td><td>BUUB</td><td>Dune Research</td><td>Underperform</td><td>Hold</td><td><a href="http://127.0.0.1:18791/q?s=BUUB">Quote</a></td></tr>
<tr><td>Alpine Retail Inc.</td><td>ZIJ</td><td>Alder Securities</td><td>Buy</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=ZIJ">Quote</a></td></tr>
<tr><td>Nova Holdings Inc.</td><td>QJG</td><td>Alder Securities</td><td>Underperform</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=QJG">Quote</a></td></tr>
</table>
<!-- ................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................ -->
</body></html>
