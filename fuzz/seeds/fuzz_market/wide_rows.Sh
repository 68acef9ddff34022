<html><head><title>Upgrades</title></head><body>
<p><b>Upgrades</b></p>
<table border=1>
<tr><TH>Company</TH><TH>Symbol</TH><TH>Brokerage</TH><TH>From</TH><TH>To</TH><TH>More</TH></tr>
<tr><td colspan=6>2024-05-19</td></tr>
<tr><td>Ivory Labs Inc.</td><td>MGG</td><td>Alder Securities</td><td>Hold</td><td>Strong Buy</td><td>Quote</td><td>extra</td><td>more</td></tr>
<tr><td>Meridian Energy Inc.</td><td>LWA</td><td>Crane Partners</td><td>Sell</td><td>Hold</td><td>Quote</td></tr>
<tr><td>Short</td><td>SHT</td></tr>
<tr><td>a</td><td>b</td><td>c</td><td>d</td><td>e</td><td>f</td><td>g</td><td>h</td><td>i</td><td>j</td><td>k</td><td>l</td><td>m</td><td>n</td><td>o</td><td>p</td></tr>
</table>
</body></html>
