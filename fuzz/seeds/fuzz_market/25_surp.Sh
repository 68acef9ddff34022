<html><head><title>Top 25 Daily Earnings Surprises</title></head><body>
<table border=1>
<tr><td>Symbol</td><td>Company</td><td>Actual</td><td>Estimate</td><td>Surprise</td></tr>
<tr><td>JOF</td><td>Beacon Retail Inc.</td><td>1.96</td><td>1.20</td><td>63.33%</td></tr>
<tr><td>DPNB</td><td>Nova Pharma Inc.</td><td>0.97</td><td>0.33</td><td>193.93%</td></tr>
<tr><td>TGZH</td><td>Cedar Motors Inc.</td><td>0.72</td><td>0.19</td><td>278.94%</td></tr>
<tr><td>BTV</td><td>Falcon Materials Inc.</td><td>2.14</td><td>1.53</td><td>39.86%</td></tr>
<tr><td>ASR</td><td>Meridian Energy Inc.</td><td>2.73</td><td>2.76</td><td>-1.08%</td></tr>
<tr><td>MUI</td><td>Cedar Media Inc.</td><td>0.43</td><td>0.13</td><td>230.76%</td></tr>
<tr><td>HWQW</td><td>Ivory Materials Inc.</td><td>1.03</td><td>0.22</td><td>368.18%</td></tr>
<tr><td>OCNC</td><td>Orion Foods Inc.</td><td>1.97</td><td>1.82</td><td>8.24%</td></tr>
<tr><td>WUFR</td><td>Pioneer Systems Inc.</td><td>1.12</td><td>0.31</td><td>261.29%</td></tr>
<tr><td>GJS</td><td>Nova Motors Inc.</td><td>0.82</td><td>1.00</td><td>-18.00%</td></tr>
<tr><td>FIE</td><td>Ember Retail Inc.</td><td>2.05</td><td>1.72</td><td>19.18%</td></tr>
<tr><td>QPKQ</td><td>Ivory Systems Inc.</td><td>3.43</td><td>2.63</td><td>30.41%</td></tr>
<tr><td>IFK</td><td>Lumen Motors Inc.</td><td>2.49</td><td>2.45</td><td>1.63%</td></tr>
<tr><td>CNBV</td><td>Meridian Networks Inc.</td><td>2.08</td><td>2.06</td><td>0.97%</td></tr>
<tr><td>AYY</td><td>Nova Bancorp Inc.</td><td>0.13</td><td>0.06</td><td>116.66%</td></tr>
<tr><td>MWK</td><td>Falcon Bancorp Inc.</td><td>0.33</td><td>0.18</td><td>83.33%</td></tr>
<tr><td>TYGU</td><td>Lumen Bancorp Inc.</td><td>3.26</td><td>2.44</td><td>33.60%</td></tr>
<tr><td>JHAW</td><td>Alpine Bancorp Inc.</td><td>1.91</td><td>1.61</td><td>18.63%</td></tr>
<tr><td>YTZ</td><td>Keystone Bancorp Inc.</td><td>0.84</td><td>0.10</td><td>740.00%</td></tr>
<tr><td>MVCJ</td><td>Keystone Networks Inc.</td><td>2.00</td><td>2.25</td><td>-11.11%</td></tr>
<tr><td>MJK</td><td>Ivory Labs Inc.</td><td>0.61</td><td>0.75</td><td>-18.66%</td></tr>
<tr><td>NGT</td><td>Granite Systems Inc.</td><td>2.53</td><td>2.40</td><td>5.41%</td></tr>
<tr><td>UGFT</td><td>Meridian Materials Inc.</td><td>2.60</td><td>2.96</td><td>-12.16%</td></tr>
<tr><td>TBOW</td><td>Delta Foods Inc.</td><td>2.38</td><td>1.53</td><td>55.55%</td></tr>
<tr><td>ZMTW</td><td>Orion Labs Inc.</td><td>1.43</td><td>0.82</td><td>74.39%</td></tr>
</table>
<p>Surprises against the consensus.</p>
</body></html>
