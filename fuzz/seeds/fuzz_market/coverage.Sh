<html><head><title>Coverage Initiated</title></head><body>
<p><b>New Coverage</b></p>
<table border=1>
<tr><TH>Company</TH><TH>Symbol</TH><TH>Brokerage</TH><TH>Rating</TH><TH>More</TH></tr>
<tr><td colspan=5>2024-02-26</td></tr>
<tr><td>Harbor Holdings Inc.</td><td>RBJ</td><td>Birch Capital</td><td>Buy</td><td><a href="http://127.0.0.1:18791/q?s=RBJ">Quote</a></td></tr>
<tr><td>Juniper Bancorp Inc.</td><td>UMNX</td><td>Elm Street Advisors</td><td>Hold</td><td><a href="http://127.0.0.1:18791/q?s=UMNX">Quote</a></td></tr>
<tr><td>Nova Labs Inc.</td><td>HHGP</td><td>Crane Partners</td><td>Buy</td><td><a href="http://127.0.0.1:18791/q?s=HHGP">Quote</a></td></tr>
<tr><td>Keystone Energy Inc.</td><td>PXKC</td><td>Elm Street Advisors</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=PXKC">Quote</a></td></tr>
<tr><td>Cedar Labs Inc.</td><td>NNK</td><td>Birch Capital</td><td>Sell</td><td><a href="http://127.0.0.1:18791/q?s=NNK">Quote</a></td></tr>
<tr><td>Cedar Holdings Inc.</td><td>NNA</td><td>Alder Securities</td><td>Sell</td><td><a href="http://127.0.0.1:18791/q?s=NNA">Quote</a></td></tr>
<tr><td>Granite Bancorp Inc.</td><td>TJYQ</td><td>Dune Research</td><td>Buy</td><td><a href="http://127.0.0.1:18791/q?s=TJYQ">Quote</a></td></tr>
<tr><td>Orion Pharma Inc.</td><td>FTLI</td><td>Elm Street Advisors</td><td>Sell</td><td><a href="http://127.0.0.1:18791/q?s=FTLI">Quote</a></td></tr>
<tr><td>Juniper Media Inc.</td><td>CXW</td><td>Birch Capital</td><td>Buy</td><td><a href="http://127.0.0.1:18791/q?s=CXW">Quote</a></td></tr>
<tr><td>Falcon Pharma Inc.</td><td>QIUI</td><td>Elm Street Advisors</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=QIUI">Quote</a></td></tr>
<tr><td>Delta Networks Inc.</td><td>ICFS</td><td>Elm Street Advisors</td><td>Underperform</td><td><a href="http://127.0.0.1:18791/q?s=ICFS">Quote</a></td></tr>
<tr><td>Alpine Holdings Inc.</td><td>CAGL</td><td>Crane Partners</td><td>Buy</td><td><a href="http://127.0.0.1:18791/q?s=CAGL">Quote</a></td></tr>
<tr><td>Nova Bancorp Inc.</td><td>FKGY</td><td>Crane Partners</td><td>Strong Buy</td><td><a href="http://127.0.0.1:18791/q?s=FKGY">Quote</a></td></tr>
<tr><td>Pioneer Media Inc.</td><td>VBP</td><td>Birch Capital</td><td>Buy</td><td><a href="http://127.0.0.1:18791/q?s=VBP">Quote</a></td></tr>
<tr><td>Juniper Retail Inc.</td><td>DPM</td><td>Crane Partners</td><td>Sell</td><td><a href="http://127.0.0.1:18791/q?s=DPM">Quote</a></td></tr>
</table>
<!-- ................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................ -->
</body></html>
