<html><head><title>Percentage Winners</title></head><body>
<h2>Percentage Winners</h2>
<table width=100%>
<tr><td>NYSE</td></tr>
<tr><td></td><td>Symbol</td><td></td><td>Company</td><td>Last</td><td>Volume</td><td>Change</td><td>% Ch</td><td></td></tr>
<tr><td>1</td><td>VCN</td><td>NYSE</td><td>Orion Networks Inc.</td><td>17.90</td><td>1,845,846</td><td>+0.24</td><td>+1.35%</td><td>&nbsp;</td></tr>
<tr><td>2</td><td>PPFV</td><td>NYSE</td><td>Meridian Pharma Inc.</td><td>43.45</td><td>3,587,712</td><td>+0.87</td><td>+2.04%</td><td>&nbsp;</td></tr>
<tr><td>3</td><td>RMLC</td><td>NYSE</td><td>Falcon Energy Inc.</td><td>48.56</td><td>3,200,197</td><td>+8.30</td><td>+20.61%</td><td>&nbsp;</td></tr>
<tr><td>4</td><td>EXHO</td><td>NYSE</td><td>Granite Labs Inc.</td><td>4.29</td><td>4,881,547</td><td>+0.65</td><td>+17.85%</td><td>&nbsp;</td></tr>
<tr><td>5</td><td>ZJLO</td><td>NYSE</td><td>Juniper Systems Inc.</td><td>14.76</td><td>3,249,763</td><td>+0.55</td><td>+3.87%</td><td>&nbsp;</td></tr>
<tr><td>6</td><td>YPOX</td><td>NYSE</td><td>Ivory Media Inc.</td><td>69.62</td><td>652,172</td><td>+5.25</td><td>+8.15%</td><td>&nbsp;</td></tr>
<tr><td>7</td><td>DDKW</td><td>NYSE</td><td>Nova Foods Inc.</td><td>69.40</td><td>4,523,526</td><td>+3.28</td><td>+4.96%</td><td>&nbsp;</td></tr>
<tr><td>8</td><td>KDR</td><td>NYSE</td><td>Ember Energy Inc.</td><td>22.58</td><td>1,193,678</td><td>+4.81</td><td>+27.06%</td><td>&nbsp;</td></tr>
<tr><td>9</td><td>VFJ</td><td>NYSE</td><td>Orion Retail Inc.</td><td>48.43</td><td>1,622,069</td><td>+7.66</td><td>+18.78%</td><td>&nbsp;</td></tr>
<tr><td>10</td><td>DWOI</td><td>NYSE</td><td>Granite Motors Inc.</td><td>9.68</td><td>3,733,340</td><td>+0.20</td><td>+2.10%</td><td>&nbsp;</td></tr>
</table>
<table width=100%>
<tr><td></td><td>Symbol</td><td></td><td>Company</td><td>Last</td><td>Volume</td><td>Change</td><td>% Ch</td><td></td></tr>
<tr><td>NASDAQ</td></tr>
<tr><td></td><td>Symbol</td><td></td><td>Company</td><td>Last</td><td>Volume</td><td>Change</td><td>% Ch</td><td></td></tr>
<tr><td>1</td><td>XHA</td><td>NASDAQ</td><td>Delta Materials Inc.</td><td>7.92</td><td>2,535,953</td><td>+0.89</td><td>+12.66%</td><td>&nbsp;</td></tr>
<tr><td>2</td><td>IJQ</td><td>NASDAQ</td><td>Orion Networks Inc.</td><td>59.62</td><td>1,669,714</td><td>+3.97</td><td>+7.13%</td><td>&nbsp;</td></tr>
<tr><td>3</td><td>NQW</td><td>NASDAQ</td><td>Ivory Systems Inc.</td><td>20.14</td><td>4,845,096</td><td>+3.06</td><td>+17.91%</td><td>&nbsp;</td></tr>
<tr><td>4</td><td>TBZL</td><td>NASDAQ</td><td>Delta Labs Inc.</td><td>54.39</td><td>1,591,999</td><td>+1.19</td><td>+2.23%</td><td>&nbsp;</td></tr>
<tr><td>5</td><td>SBC</td><td>NASDAQ</td><td>Pioneer Holdings Inc.</td><td>41.20</td><td>4,928,898</td><td>+9.93</td><td>+31.75%</td><td>&nbsp;</td></tr>
<tr><td>6</td><td>RAOV</td><td>NASDAQ</td><td>Cedar Bancorp Inc.</td><td>88.61</td><td>843,565</td><td>+5.14</td><td>+6.15%</td><td>&nbsp;</td></tr>
<tr><td>7</td><td>PJEB</td><td>NASDAQ</td><td>Falcon Pharma Inc.</td><td>55.73</td><td>320,657</td><td>+10.35</td><td>+22.80%</td><td>&nbsp;</td></tr>
<tr><td>8</td><td>HAI</td><td>NASDAQ</td><td>Meridian Foods Inc.</td><td>2.39</td><td>3,538,367</td><td>+0.35</td><td>+17.15%</td><td>&nbsp;</td></tr>
<tr><td>9</td><td>DXOD</td><td>NASDAQ</td><td>Falcon Pharma Inc.</td><td>44.58</td><td>1,727,606</td><td>+4.55</td><td>+11.36%</td><td>&nbsp;</td></tr>
<tr><td>10</td><td>LYFV</td><td>NASDAQ</td><td>Ivory Pharma Inc.</td><td>84.05</td><td>1,823,999</td><td>+3.42</td><td>+4.24%</td><td>&nbsp;</td></tr>
</table>
<table width=100%>
<tr><td></td><td>Symbol</td><td></td><td>Company</td><td>Last</td><td>Volume</td><td>Change</td><td>% Ch</td><td></td></tr>
<tr><td>AMEX</td></tr>
<tr><td></td><td>Symbol</td><td></td><td>Company</td><td>Last</td><td>Volume</td><td>Change</td><td>% Ch</td><td></td></tr>
<tr><td>1</td><td>VGFC</td><td>AMEX</td><td>Meridian Retail Inc.</td><td>62.46</td><td>4,889,036</td><td>+4.95</td><td>+8.60%</td><td>&nbsp;</td></tr>
<tr><td>2</td><td>HZZ</td><td>AMEX</td><td>Cedar Labs Inc.</td><td>43.00</td><td>4,724,274</td><td>+1.81</td><td>+4.39%</td><td>&nbsp;</td></tr>
<tr><td>3</td><td>DYDD</td><td>AMEX</td><td>Granite Holdings Inc.</td><td>21.87</td><td>4,545,042</td><td>+4.57</td><td>+26.41%</td><td>&nbsp;</td></tr>
<tr><td>4</td><td>NCOM</td><td>AMEX</td><td>Orion Materials Inc.</td><td>45.90</td><td>4,490,241</td><td>+3.35</td><td>+7.87%</td><td>&nbsp;</td></tr>
<tr><td>5</td><td>RRWV</td><td>AMEX</td><td>Falcon Systems Inc.</td><td>39.83</td><td>2,388,146</td><td>+2.22</td><td>+5.90%</td><td>&nbsp;</td></tr>
<tr><td>6</td><td>ZUDM</td><td>AMEX</td><td>Delta Networks Inc.</td><td>85.18</td><td>199,729</td><td>+8.85</td><td>+11.59%</td><td>&nbsp;</td></tr>
<tr><td>7</td><td>DPJH</td><td>AMEX</td><td>Juniper Energy Inc.</td><td>25.41</td><td>1,867,585</td><td>+3.96</td><td>+18.46%</td><td>&nbsp;</td></tr>
<tr><td>8</td><td>JSIE</td><td>AMEX</td><td>Cedar Media Inc.</td><td>65.52</td><td>3,707,813</td><td>+10.93</td><td>+20.02%</td><td>&nbsp;</td></tr>
<tr><td>9</td><td>HEQJ</td><td>AMEX</td><td>Harbor Retail Inc.</td><td>13.97</td><td>4,292,020</td><td>+1.50</td><td>+12.02%</td><td>&nbsp;</td></tr>
<tr><td>10</td><td>GHBP</td><td>AMEX</td><td>Juniper Materials Inc.</td><td>78.45</td><td>948,093</td><td>+12.44</td><td>+18.84%</td><td>&nbsp;</td></tr>
</table>
<p>Copyright 2024 Sample Broker. All Rights Reserved.</p>
</body></html>
