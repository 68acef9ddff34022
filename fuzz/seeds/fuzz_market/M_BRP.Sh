<html><head><title>Broker Reports</title></head><body>
<table><tr><td><a href="/">Home</a> &gt; <a href="/Breadcrumb/reports">Reports</a></td></tr></table>
<table border=1>
<tr><td>Ticker</td><td>Company</td><td>Broker</td><td>Report</td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=IFU">IFU</a></td><td>Meridian Networks Inc.</td><td>Alder Securities</td><td>Cut to Hold <a href="/n/IFU">News</a> <a href="/c/IFU">Chart</a> <a href="/p/IFU">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=TTGA">TTGA</a></td><td>Cedar Holdings Inc.</td><td>Dune Research</td><td>Target raised <a href="/n/TTGA">News</a> <a href="/c/TTGA">Chart</a> <a href="/p/TTGA">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=TBXM">TBXM</a></td><td>Ember Motors Inc.</td><td>Alder Securities</td><td>Cut to Hold <a href="/n/TBXM">News</a> <a href="/c/TBXM">Chart</a> <a href="/p/TBXM">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=KKOP">KKOP</a></td><td>Juniper Labs Inc.</td><td>Crane Partners</td><td>Cut to Hold <a href="/n/KKOP">News</a> <a href="/c/KKOP">Chart</a> <a href="/p/KKOP">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=DMH">DMH</a></td><td>Alpine Media Inc.</td><td>Dune Research</td><td>Started at Outperform <a href="/n/DMH">News</a> <a href="/c/DMH">Chart</a> <a href="/p/DMH">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=BYUF">BYUF</a></td><td>Lumen Motors Inc.</td><td>Dune Research</td><td>Raised to Buy <a href="/n/BYUF">News</a> <a href="/c/BYUF">Chart</a> <a href="/p/BYUF">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=XHL">XHL</a></td><td>Alpine Motors Inc.</td><td>Crane Partners</td><td>Raised to Buy <a href="/n/XHL">News</a> <a href="/c/XHL">Chart</a> <a href="/p/XHL">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=GPJ">GPJ</a></td><td>Nova Labs Inc.</td><td>Alder Securities</td><td>Target raised <a href="/n/GPJ">News</a> <a href="/c/GPJ">Chart</a> <a href="/p/GPJ">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=HLBF">HLBF</a></td><td>Alpine Labs Inc.</td><td>Dune Research</td><td>Target raised <a href="/n/HLBF">News</a> <a href="/c/HLBF">Chart</a> <a href="/p/HLBF">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=NVJG">NVJG</a></td><td>Cedar Materials Inc.</td><td>Crane Partners</td><td>Started at Outperform <a href="/n/NVJG">News</a> <a href="/c/NVJG">Chart</a> <a href="/p/NVJG">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=MQV">MQV</a></td><td>Keystone Labs Inc.</td><td>Crane Partners</td><td>Target raised <a href="/n/MQV">News</a> <a href="/c/MQV">Chart</a> <a href="/p/MQV">Compare</a></td></tr>
<tr><td><a href="http://127.0.0.1:18791/q?s=GDAT">GDAT</a></td><td>Pioneer Labs Inc.</td><td>Dune Research</td><td>Target raised <a href="/n/GDAT">News</a> <a href="/c/GDAT">Chart</a> <a href="/p/GDAT">Compare</a></td></tr>
</table>
<!-- START BLOOMBERG NEWS -->
<table border=1>
<tr><td>2024-03-06</td><td>PVEK</td><td>Beacon Foods Inc. rated buy, target 17,247</td><td>Wire</td></tr>
<tr><td>2024-10-08</td><td>ZFD</td><td>Ivory Materials Inc. rated hold, target 75,074</td><td>Wire</td></tr>
<tr><td>2024-02-14</td><td>IAJ</td><td>Lumen Systems Inc. rated buy, target 8,958</td><td>Wire</td></tr>
<tr><td>2024-08-21</td><td>JDOS</td><td>Lumen Retail Inc. rated hold, target 3,701</td><td>Wire</td></tr>
<tr><td>2024-06-04</td><td>LVL</td><td>Lumen Labs Inc. rated buy, target 78,577</td><td>Wire</td></tr>
<tr><td>2024-06-22</td><td>QSW</td><td>Cedar Holdings Inc. rated buy, target 83,464</td><td>Wire</td></tr>
<tr><td>2024-08-14</td><td>KRGA</td><td>Delta Materials Inc. rated hold, target 37,539</td><td>Wire</td></tr>
<tr><td>2024-11-05</td><td>GBC</td><td>Harbor Motors Inc. rated buy, target 50,233</td><td>Wire</td></tr>
</table>
</body></html>
