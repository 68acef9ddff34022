<html><head><title>Screener</title></head><body>
<table><tr><TH>Symbol</TH><TH>Company</TH><TH>Price</TH></tr></table>
<p>Go To page 1</p>
<table border=1>
<tr><td>OOG</td><td>Harbor Retail Inc.</td><td>101.28</td><td>&nbsp;</td><td>+2.30</td><td>+2.27%</td><td>7,003,321</td><td>709,296,350</td><td><a href="http://127.0.0.1:18791/n/OOG.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>XZQT</td><td>Lumen Networks Inc.</td><td>188.23</td><td>&nbsp;</td><td>-4.88</td><td>-2.59%</td><td>132,368</td><td>24,915,628</td><td><a href="http://127.0.0.1:18791/n/XZQT.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>AWY</td><td>Lumen Networks Inc.</td><td>57.34</td><td>&nbsp;</td><td>+3.28</td><td>+5.72%</td><td>362,834</td><td>20,804,901</td><td><a href="http://127.0.0.1:18791/n/AWY.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>RQSU</td><td>Lumen Energy Inc.</td><td>88.54</td><td>&nbsp;</td><td>+1.12</td><td>+1.26%</td><td>1,156,767</td><td>102,420,150</td><td><a href="http://127.0.0.1:18791/n/RQSU.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>EANX</td><td>Ember Labs Inc.</td><td>13.28</td><td>&nbsp;</td><td>-4.96</td><td>-37.34%</td><td>7,342,958</td><td>97,514,482</td><td><a href="http://127.0.0.1:18791/n/EANX.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>NFWZ</td><td>Orion Holdings Inc.</td><td>176.03</td><td>&nbsp;</td><td>+0.92</td><td>+0.52%</td><td>2,637,672</td><td>464,309,402</td><td><a href="http://127.0.0.1:18791/n/NFWZ.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>KZD</td><td>Granite Retail Inc.</td><td>148.29</td><td>&nbsp;</td><td>-3.25</td><td>-2.19%</td><td>4,541,908</td><td>673,519,537</td><td><a href="http://127.0.0.1:18791/n/KZD.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>OVT</td><td>Meridian Foods Inc.</td><td>66.59</td><td>&nbsp;</td><td>+0.26</td><td>+0.39%</td><td>7,959,459</td><td>530,020,374</td><td><a href="http://127.0.0.1:18791/n/OVT.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>YGX</td><td>Meridian Motors Inc.</td><td>26.35</td><td>&nbsp;</td><td>+4.21</td><td>+15.97%</td><td>2,093,033</td><td>55,151,419</td><td><a href="http://127.0.0.1:18791/n/YGX.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>FBKW</td><td>Granite Energy Inc.</td><td>37.88</td><td>&nbsp;</td><td>-2.70</td><td>-7.12%</td><td>2,666,500</td><td>101,007,020</td><td><a href="http://127.0.0.1:18791/n/FBKW.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>IIB</td><td>Nova Energy Inc.</td><td>39.92</td><td>&nbsp;</td><td>-0.72</td><td>-1.80%</td><td>3,495,637</td><td>139,545,829</td><td><a href="http://127.0.0.1:18791/n/IIB.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>NHY</td><td>Falcon Bancorp Inc.</td><td>153.82</td><td>&nbsp;</td><td>-1.34</td><td>-0.87%</td><td>4,857,464</td><td>747,175,112</td><td><a href="http://127.0.0.1:18791/n/NHY.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>LPR</td><td>Lumen Motors Inc.</td><td>142.77</td><td>&nbsp;</td><td>+1.11</td><td>+0.77%</td><td>4,536,720</td><td>647,707,514</td><td><a href="http://127.0.0.1:18791/n/LPR.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>CQW</td><td>Lumen Labs Inc.</td><td>54.08</td><td>&nbsp;</td><td>+1.68</td><td>+3.10%</td><td>8,740,226</td><td>472,671,422</td><td><a href="http://127.0.0.1:18791/n/CQW.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>AAS</td><td>Cedar Energy Inc.</td><td>192.09</td><td>&nbsp;</td><td>-2.55</td><td>-1.32%</td><td>4,451,165</td><td>855,024,284</td><td><a href="http://127.0.0.1:18791/n/AAS.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>SPKJ</td><td>Delta Retail Inc.</td><td>93.76</td><td>&nbsp;</td><td>-2.09</td><td>-2.22%</td><td>5,802,082</td><td>544,003,208</td><td><a href="http://127.0.0.1:18791/n/SPKJ.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>ECTU</td><td>Ember Networks Inc.</td><td>132.46</td><td>&nbsp;</td><td>+4.36</td><td>+3.29%</td><td>5,465,979</td><td>724,023,578</td><td><a href="http://127.0.0.1:18791/n/ECTU.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>OHA</td><td>Ember Networks Inc.</td><td>28.55</td><td>&nbsp;</td><td>+3.91</td><td>+13.69%</td><td>8,863,709</td><td>253,058,891</td><td><a href="http://127.0.0.1:18791/n/OHA.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>HYMW</td><td>Pioneer Pharma Inc.</td><td>51.85</td><td>&nbsp;</td><td>+2.07</td><td>+3.99%</td><td>8,592,417</td><td>445,516,821</td><td><a href="http://127.0.0.1:18791/n/HYMW.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
<tr><td>YFEK</td><td>Alpine Systems Inc.</td><td>150.14</td><td>&nbsp;</td><td>-3.81</td><td>-2.53%</td><td>3,198,693</td><td>480,251,767</td><td><a href="http://127.0.0.1:18791/n/YFEK.html"><img src="/img/icon_news.gif" border=0></a></td></tr>
</table>
<p>Click Here for the full list</p>
</body></html>
