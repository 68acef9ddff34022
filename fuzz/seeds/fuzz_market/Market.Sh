<html><head><title>World markets</title></head><body>
<table>
<tr><th>Index</th><th>Country</th><th>Symbol</th></tr>
<tr><td colspan=8><b>Americas</b></td></tr>
<tr><td>Merval</td><td>AR</td><td>^MERV</td><td>Jun 5</td><td>12,085.59</td><td>+31.20</td><td>+0.25%</td><td><a href="/q?s=^MERV&d=3m">Chart</a>, <a href="/n/MERV.html">News</a></td></tr>
<tr><td>Bovespa</td><td>BR</td><td>^BOVE</td><td>Jun 2</td><td>16,381.61</td><td>-41.43</td><td>-0.25%</td><td><a href="/q?s=^BOVE&d=3m">Chart</a>, <a href="/n/BOVE.html">News</a></td></tr>
<tr><td>IPC</td><td>MX</td><td>^IPC</td><td>Jun 9</td><td>15,622.80</td><td>+28.78</td><td>+0.18%</td><td><a href="/q?s=^IPC&d=3m">Chart</a>, <a href="/n/IPC.html">News</a></td></tr>
<tr><td>S&amp;P/TSX</td><td>CA</td><td>^SAM</td><td>Jun 8</td><td>17,518.29</td><td>+8.35</td><td>+0.04%</td><td><a href="/q?s=^SAM&d=3m">Chart</a>, <a href="/n/SAM.html">News</a></td></tr>
<tr><td></td></tr>
<tr><td colspan=8><b>Asia</b></td></tr>
<tr><td>Nikkei 225</td><td>JP</td><td>^NIKK</td><td>Jun 4</td><td>22,490.62</td><td>-32.82</td><td>-0.14%</td><td><a href="/q?s=^NIKK&d=3m">Chart</a>, <a href="/n/NIKK.html">News</a></td></tr>
<tr><td>Hang Seng</td><td>HK</td><td>^HANG</td><td>Jun 5</td><td>21,963.22</td><td>+4.20</td><td>+0.01%</td><td><a href="/q?s=^HANG&d=3m">Chart</a>, <a href="/n/HANG.html">News</a></td></tr>
<tr><td>All Ordinaries</td><td>AU</td><td>^ALL</td><td>Jun 9</td><td>1,566.87</td><td>+22.47</td><td>+1.43%</td><td><a href="/q?s=^ALL&d=3m">Chart</a>, <a href="/n/ALL.html">News</a></td></tr>
<tr><td></td></tr>
<tr><td colspan=8><b>Europe</b></td></tr>
<tr><td>FTSE 100</td><td>GB</td><td>^FTSE</td><td>Jun 2</td><td>34,082.08</td><td>-16.28</td><td>-0.04%</td><td><a href="/q?s=^FTSE&d=3m">Chart</a>, <a href="/n/FTSE.html">News</a></td></tr>
<tr><td>DAX</td><td>DE</td><td>^DAX</td><td>Jun 1</td><td>8,970.62</td><td>-11.47</td><td>-0.12%</td><td><a href="/q?s=^DAX&d=3m">Chart</a>, <a href="/n/DAX.html">News</a></td></tr>
<tr><td>CAC 40</td><td>FR</td><td>^CAC</td><td>Jun 5</td><td>36,439.41</td><td>-34.81</td><td>-0.09%</td><td><a href="/q?s=^CAC&d=3m">Chart</a>, <a href="/n/CAC.html">News</a></td></tr>
<tr><td>AEX</td><td>NL</td><td>^AEX</td><td>Jun 9</td><td>25,014.32</td><td>+37.14</td><td>+0.14%</td><td><a href="/q?s=^AEX&d=3m">Chart</a>, <a href="/n/AEX.html">News</a></td></tr>
<tr><td></td></tr>
<tr><td colspan=8><b>Africa</b></td></tr>
<tr><td>JSE</td><td>ZA</td><td>^JSE</td><td>Jun 5</td><td>2,310.60</td><td>+42.49</td><td>+1.83%</td><td><a href="/q?s=^JSE&d=3m">Chart</a>, <a href="/n/JSE.html">News</a></td></tr>
<tr><td>EGX 30</td><td>EG</td><td>^EGX</td><td>Jun 7</td><td>35,840.62</td><td>+36.95</td><td>+0.10%</td><td><a href="/q?s=^EGX&d=3m">Chart</a>, <a href="/n/EGX.html">News</a></td></tr>
<tr><td></td></tr>
</table>
<!-- ................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................................ -->
</body></html>
