<HTML><head><title>IPO calendar</title></head><body>
<table border=1>
<tr><TH>File Date</TH><TH>Company</TH><TH>Proposed Symbol</TH><TH>Shares</TH><TH>File Amount</TH><TH>Price</TH><TH>Expected Date</TH><TH>More Info</TH></tr>
<tr><td>12/09/2000</td><td>Juniper Holdings Inc.</td><td>HEHC</td><td>3,200,000</td><td>$34M</td><td>8.78</td><td>08/27/2000</td><td><a href="/profile/HEHC.html">Profile</a></td></tr>
<tr><td>12/21/2000</td><td>Ivory Holdings, Inc.</td><td>UWP</td><td>8,500,000</td><td>$199M</td><td>12.61</td><td>07/10/2000</td><td><a href="/profile/UWP.html">Profile</a></td></tr>
<tr><td>08/17/2000</td><td>Falcon Systems Inc.</td><td>OLVI</td><td>1,700,000</td><td>$36M</td><td>8.98</td><td>06/25/2000</td><td><a href="/profile/OLVI.html">Profile</a></td></tr>
<tr><td>11/28/2000</td><td>Falcon Networks, Inc.</td><td>VZXU</td><td>1,200,000</td><td>$688M</td><td>27.11</td><td>03/01/2000</td><td><a href="/profile/VZXU.html">Profile</a></td></tr>
<tr><td>01/19/2000</td><td>Lumen Bancorp Inc.</td><td>YIX</td><td>5,600,000</td><td>$281M</td><td>28.67</td><td>03/21/2000</td><td><a href="/profile/YIX.html">Profile</a></td></tr>
<tr><td>02/21/2000</td><td>Beacon Networks, Inc.</td><td>WDXK</td><td>8,600,000</td><td>$60M</td><td>16.44</td><td>10/25/2000</td><td><a href="/profile/WDXK.html">Profile</a></td></tr>
<tr><td>01/26/2000</td><td>Nova Retail Inc.</td><td>CFZ</td><td>6,800,000</td><td>$203M</td><td>20.32</td><td>08/27/2000</td><td><a href="/profile/CFZ.html">Profile</a></td></tr>
<tr><td>02/02/2000</td><td>Harbor Holdings, Inc.</td><td>NJA</td><td>6,600,000</td><td>$257M</td><td>28.31</td><td>12/16/2000</td><td><a href="/profile/NJA.html">Profile</a></td></tr>
<tr><td>05/17/2000</td><td>Nova Materials Inc.</td><td>NNXG</td><td>3,500,000</td><td>$68M</td><td>18.67</td><td>07/14/2000</td><td><a href="/profile/NNXG.html">Profile</a></td></tr>
<tr><td>04/22/2000</td><td>Nova Labs, Inc.</td><td>LSZM</td><td>8,300,000</td><td>$62M</td><td>8.95</td><td>12/19/2000</td><td><a href="/profile/LSZM.html">Profile</a></td></tr>
<tr><td>09/01/2000</td><td>Ember Networks Inc.</td><td>LUDD</td><td>4,800,000</td><td>$67M</td><td>12.76</td><td>08/05/2000</td><td><a href="/profile/LUDD.html">Profile</a></td></tr>
<tr><td>01/24/2000</td><td>Delta Retail, Inc.</td><td>BLS</td><td>1,600,000</td><td>$278M</td><td>24.88</td><td>11/23/2000</td><td><a href="/profile/BLS.html">Profile</a></td></tr>
<TR><TD colspan=8>Source: IPO desk</TD></TR>
</table>
<!-- ................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................ -->
</body></html>
