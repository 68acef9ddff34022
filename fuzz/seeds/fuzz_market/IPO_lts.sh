<html><head><title>Latest IPO events</title></head><body>
<p><b>Latest Pricings</b></p>
<table border=1>
<tr><td colspan=6>5 this week</td></tr>
<tr><td>06/17/2000</td><td>YRMW</td><td>Nova Energy Inc.</td><td>9.72</td><td>Priced</td><td><a href="/news/YRMW.html">News</a>, <a href="/chart/YRMW.html">Chart</a>, <a href="/profile/YRMW.html">Profile</a></td></tr>
<tr><td>07/23/2000</td><td>RAX</td><td>Alpine Networks, Inc.</td><td>11.32</td><td>Priced</td><td><a href="/news/RAX.html">News</a>, <a href="/chart/RAX.html">Chart</a>, <a href="/profile/RAX.html">Profile</a></td></tr>
<tr><td>10/26/2000</td><td>XISA</td><td>Pioneer Foods Inc.</td><td>9.70</td><td>Priced</td><td><a href="/news/XISA.html">News</a>, <a href="/chart/XISA.html">Chart</a>, <a href="/profile/XISA.html">Profile</a></td></tr>
<tr><td>05/18/2000</td><td>ZEUT</td><td>Ivory Foods, Inc.</td><td>27.29</td><td>Priced</td><td><a href="/news/ZEUT.html">News</a>, <a href="/chart/ZEUT.html">Chart</a>, <a href="/profile/ZEUT.html">Profile</a></td></tr>
<tr><td>07/19/2000</td><td>TNOI</td><td>Alpine Pharma Inc.</td><td>14.40</td><td>Priced</td><td><a href="/news/TNOI.html">News</a>, <a href="/chart/TNOI.html">Chart</a>, <a href="/profile/TNOI.html">Profile</a></td></tr>
</table>
<p><b>Latest Filings</b></p>
<table border=1>
<tr><td colspan=6>4 this week</td></tr>
<tr><td>04/09/2000</td><td>UDXW</td><td>Keystone Holdings Inc.</td><td>24.67</td><td>Filed</td><td><a href="/news/UDXW.html">News</a>, <a href="/chart/UDXW.html">Chart</a>, <a href="/profile/UDXW.html">Profile</a></td></tr>
<tr><td>02/05/2000</td><td>ZLWR</td><td>Harbor Bancorp, Inc.</td><td>14.39</td><td>Filed</td><td><a href="/news/ZLWR.html">News</a>, <a href="/chart/ZLWR.html">Chart</a>, <a href="/profile/ZLWR.html">Profile</a></td></tr>
<tr><td>07/10/2000</td><td>JGHB</td><td>Cedar Media Inc.</td><td>25.97</td><td>Filed</td><td><a href="/news/JGHB.html">News</a>, <a href="/chart/JGHB.html">Chart</a>, <a href="/profile/JGHB.html">Profile</a></td></tr>
<tr><td>05/06/2000</td><td>CYGR</td><td>Ember Energy, Inc.</td><td>29.05</td><td>Filed</td><td><a href="/news/CYGR.html">News</a>, <a href="/chart/CYGR.html">Chart</a>, <a href="/profile/CYGR.html">Profile</a></td></tr>
</table>
<p><b>Latest Withdrawals</b></p>
<table border=1>
<tr><td colspan=6>3 this week</td></tr>
<tr><td>02/10/2000</td><td>UGZP</td><td>Pioneer Holdings Inc.</td><td>21.75</td><td>Withdrawn</td><td><a href="/profile/UGZP.html">Profile</a></td></tr>
<tr><td>05/05/2000</td><td>ZYN</td><td>Juniper Media, Inc.</td><td>9.43</td><td>Withdrawn</td><td><a href="/profile/ZYN.html">Profile</a></td></tr>
<tr><td>07/12/2000</td><td>KOW</td><td>Ember Networks Inc.</td><td>28.41</td><td>Withdrawn</td><td><a href="/profile/KOW.html">Profile</a></td></tr>
</table>
<p><b>IPO News</b></p>
<!-- ................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................ -->
</body></html>
