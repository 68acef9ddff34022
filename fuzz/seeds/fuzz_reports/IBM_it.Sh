HTTP/1.0 200 OK
Content-Type: text/html
Content-Length: 3700

<html><head><title>IBM Insider Trades</title></head><body>
<table width=100%><tr><td><b>IBM Insider Trades</b></td></tr></table>
<table><tr><td>Summary</td><td>Last 6 months</td></tr></table>
<table><tr><td>Net shares</td><td>309,714</td></tr></table>
<table border=1 cellpadding=2>
<tr><th>Date</th><th>Insider</th><th>Transaction</th><th>Shares</th><th>Ownership</th><th>Price</th><th>Value</th></tr>
<tr><td>2024-12-23</td><td><a href="insider/ibm-1.html">Foster, Grace</a></td><td>Sale</td><td>59,674</td><td>Indirect</td><td>65.98</td><td>3,937,290</td></tr>
<tr><td>2024-12-05</td><td><a href="insider/ibm-2.html">Baker, David</a></td><td>Option Exercise</td><td>54,343</td><td>Direct</td><td>160.76</td><td>8,736,180</td></tr>
<tr><td>2024-11-18</td><td><a href="insider/ibm-3.html">Garcia, Grace</a></td><td>Option Exercise</td><td>46,643</td><td>Direct</td><td>122.60</td><td>5,718,431</td></tr>
<tr><td>2024-10-05</td><td><a href="insider/ibm-4.html">Carter, Frank</a></td><td>Option Exercise</td><td>22,817</td><td>Direct</td><td>134.54</td><td>3,069,799</td></tr>
<tr><td>2024-09-28</td><td><a href="insider/ibm-5.html">Ellis, Grace</a></td><td>Option Exercise</td><td>53,720</td><td>Direct</td><td>83.81</td><td>4,502,273</td></tr>
<tr><td>2024-09-13</td><td><a href="insider/ibm-6.html">Foster, Henry</a></td><td>Gift</td><td>52,568</td><td>Direct</td><td>167.56</td><td>8,808,294</td></tr>
<tr><td>2024-09-10</td><td><a href="insider/ibm-7.html">Carter, Elena</a></td><td>Gift</td><td>62,664</td><td>Indirect</td><td>122.17</td><td>7,655,660</td></tr>
<tr><td>2024-07-16</td><td><a href="insider/ibm-8.html">Foster, Grace</a></td><td>Purchase</td><td>86,642</td><td>Direct</td><td>52.08</td><td>4,512,315</td></tr>
<tr><td>2024-07-07</td><td><a href="insider/ibm-9.html">Baker, Elena</a></td><td>Gift</td><td>29,127</td><td>Direct</td><td>44.25</td><td>1,288,869</td></tr>
<tr><td>2024-05-23</td><td><a href="insider/ibm-10.html">Baker, Henry</a></td><td>Gift</td><td>16,207</td><td>Indirect</td><td>120.66</td><td>1,955,536</td></tr>
<tr><td>2024-05-11</td><td><a href="insider/ibm-11.html">Hughes, Brian</a></td><td>Sale</td><td>5,389</td><td>Indirect</td><td>178.13</td><td>959,942</td></tr>
<tr><td>2024-05-01</td><td><a href="insider/ibm-12.html">Hughes, Frank</a></td><td>Option Exercise</td><td>31,238</td><td>Direct</td><td>175.06</td><td>5,468,524</td></tr>
<tr><td>2024-04-25</td><td><a href="insider/ibm-13.html">Baker, Frank</a></td><td>Purchase</td><td>75,076</td><td>Indirect</td><td>14.85</td><td>1,114,878</td></tr>
<tr><td>2024-04-06</td><td><a href="insider/ibm-14.html">Adams, Frank</a></td><td>Option Exercise</td><td>19,628</td><td>Indirect</td><td>140.87</td><td>2,764,996</td></tr>
<tr><td>2024-03-24</td><td><a href="insider/ibm-15.html">Baker, Anna</a></td><td>Gift</td><td>26,110</td><td>Direct</td><td>57.50</td><td>1,501,325</td></tr>
<tr><td>2024-02-24</td><td><a href="insider/ibm-16.html">Carter, Clara</a></td><td>Purchase</td><td>86,907</td><td>Direct</td><td>129.37</td><td>11,243,158</td></tr>
<tr><td>2024-02-17</td><td><a href="insider/ibm-17.html">Carter, Clara</a></td><td>Sale</td><td>89,218</td><td>Direct</td><td>106.30</td><td>9,483,873</td></tr>
<tr><td>2024-02-03</td><td><a href="insider/ibm-18.html">Garcia, Brian</a></td><td>Purchase</td><td>64,417</td><td>Direct</td><td>178.48</td><td>11,497,146</td></tr>
<tr><td>2024-01-17</td><td><a href="insider/ibm-19.html">Baker, David</a></td><td>Option Exercise</td><td>62,839</td><td>Direct</td><td>75.53</td><td>4,746,229</td></tr>
</table>
<p>Trades reported by officers, directors and owners of more than ten percent of the company's shares.</p>
</body></html>
