<html><head><title>IPO calendar</title></head><body>
<table border=1>
<tr><TH>Date</TH><TH>Company</TH><TH>Symbol</TH><TH>Shares</TH><TH>Price</TH><TH>File Date</TH><TH>More Info</TH></tr>
<tr><td>01/20/2000</td><td>Granite Foods Inc.</td><td>VUP</td><td>3,100,000</td><td>20.04</td><td>06/19/2000</td><td><a href="/profile/VUP.html">Profile</a></td></tr>
<tr><td>11/05/2000</td><td>Delta Labs, Inc.</td><td>RBYH</td><td>4,300,000</td><td>16.18</td><td>12/07/2000</td><td><a href="/profile/RBYH.html">Profile</a></td></tr>
<tr><td>03/26/2000</td><td>Falcon Materials Inc.</td><td>JNO</td><td>2,600,000</td><td>14.98</td><td>11/24/2000</td><td><a href="/profile/JNO.html">Profile</a></td></tr>
<tr><td>06/15/2000</td><td>Cedar Bancorp, Inc.</td><td>UAQ</td><td>500,000</td><td>16.27</td><td>09/04/2000</td><td><a href="/profile/UAQ.html">Profile</a></td></tr>
<tr><td>10/26/2000</td><td>Nova Networks Inc.</td><td>DZYU</td><td>4,900,000</td><td>9.08</td><td>08/02/2000</td><td><a href="/profile/DZYU.html">Profile</a></td></tr>
<tr><td>06/19/2000</td><td>Ember Labs, Inc.</td><td>EMJ</td><td>7,000,000</td><td>20.73</td><td>09/03/2000</td><td><a href="/profile/EMJ.html">Profile</a></td></tr>
<tr><td>06/06/2000</td><td>Beacon Holdings Inc.</td><td>UEDX</td><td>4,000,000</td><td>23.21</td><td>12/06/2000</td><td><a href="/profile/UEDX.html">Profile</a></td></tr>
<tr><td>10/28/2000</td><td>Ember Energy, Inc.</td><td>AQA</td><td>5,100,000</td><td>29.93</td><td>08/01/2000</td><td><a href="/profile/AQA.html">Profile</a></td></tr>
<tr><td>06/08/2000</td><td>Alpine Energy Inc.</td><td>UYMJ</td><td>3,700,000</td><td>19.13</td><td>07/15/2000</td><td><a href="/profile/UYMJ.html">Profile</a></td></tr>
<tr><td>03/20/2000</td><td>Keystone Foods, Inc.</td><td>UDN</td><td>4,800,000</td><td>14.02</td><td>10/16/2000</td><td><a href="/profile/UDN.html">Profile</a></td></tr>
<tr><td>03/02/2000</td><td>Granite Holdings Inc.</td><td>XJQ</td><td>4,300,000</td><td>12.03</td><td>03/01/2000</td><td><a href="/profile/XJQ.html">Profile</a></td></tr>
<tr><td>08/05/2000</td><td>Orion Foods, Inc.</td><td>CRNH</td><td>2,300,000</td><td>26.08</td><td>01/15/2000</td><td><a href="/profile/CRNH.html">Profile</a></td></tr>
<TR><TD colspan=7>Source: IPO desk</TD></TR>
</table>
<!-- ................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................ -->
</body></html>
