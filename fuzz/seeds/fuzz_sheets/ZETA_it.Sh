HTTP/1.0 200 OK
Content-Type: text/html
Content-Length: 3882

<html><head><title>ZETA Insider Trades</title></head><body>
<table width=100%><tr><td><b>ZETA Insider Trades</b></td></tr></table>
<table><tr><td>Summary</td><td>Last 6 months</td></tr></table>
<table><tr><td>Net shares</td><td>537,832</td></tr></table>
<table border=1 cellpadding=2>
<tr><th>Date</th><th>Insider</th><th>Transaction</th><th>Shares</th><th>Ownership</th><th>Price</th><th>Value</th></tr>
<tr><td>2024-11-19</td><td><a href="insider/zeta-1.html">Baker, Grace</a></td><td>Purchase</td><td>67,613</td><td>Direct</td><td>38.58</td><td>2,608,509</td></tr>
<tr><td>2024-10-08</td><td><a href="insider/zeta-2.html">Garcia, Anna</a></td><td>Gift</td><td>55,306</td><td>Indirect</td><td>121.07</td><td>6,695,897</td></tr>
<tr><td>2024-09-28</td><td><a href="insider/zeta-3.html">Ellis, Grace</a></td><td>Option Exercise</td><td>58,226</td><td>Indirect</td><td>21.11</td><td>1,229,150</td></tr>
<tr><td>2024-09-15</td><td><a href="insider/zeta-4.html">Ellis, Frank</a></td><td>Sale</td><td>72,158</td><td>Direct</td><td>185.79</td><td>13,406,234</td></tr>
<tr><td>2024-09-14</td><td><a href="insider/zeta-5.html">Adams, David</a></td><td>Sale</td><td>51,518</td><td>Direct</td><td>181.28</td><td>9,339,183</td></tr>
<tr><td>2024-09-12</td><td><a href="insider/zeta-6.html">Ellis, Anna</a></td><td>Purchase</td><td>16,990</td><td>Indirect</td><td>154.01</td><td>2,616,629</td></tr>
<tr><td>2024-08-23</td><td><a href="insider/zeta-7.html">Ellis, Frank</a></td><td>Sale</td><td>57,919</td><td>Indirect</td><td>93.40</td><td>5,409,634</td></tr>
<tr><td>2024-08-18</td><td><a href="insider/zeta-8.html">Hughes, Frank</a></td><td>Option Exercise</td><td>75,102</td><td>Direct</td><td>199.50</td><td>14,982,849</td></tr>
<tr><td>2024-08-13</td><td><a href="insider/zeta-9.html">Adams, David</a></td><td>Option Exercise</td><td>44,896</td><td>Direct</td><td>46.38</td><td>2,082,276</td></tr>
<tr><td>2024-08-01</td><td><a href="insider/zeta-10.html">Dawson, Elena</a></td><td>Purchase</td><td>8,336</td><td>Direct</td><td>169.54</td><td>1,413,285</td></tr>
<tr><td>2024-07-23</td><td><a href="insider/zeta-11.html">Carter, Frank</a></td><td>Option Exercise</td><td>29,204</td><td>Direct</td><td>74.85</td><td>2,185,919</td></tr>
<tr><td>2024-07-18</td><td><a href="insider/zeta-12.html">Hughes, Grace</a></td><td>Purchase</td><td>65,504</td><td>Direct</td><td>72.14</td><td>4,725,458</td></tr>
<tr><td>2024-07-15</td><td><a href="insider/zeta-13.html">Baker, Frank</a></td><td>Sale</td><td>3,593</td><td>Indirect</td><td>107.72</td><td>387,037</td></tr>
<tr><td>2024-07-11</td><td><a href="insider/zeta-14.html">Garcia, Henry</a></td><td>Sale</td><td>82,813</td><td>Direct</td><td>121.02</td><td>10,022,029</td></tr>
<tr><td>2024-06-01</td><td><a href="insider/zeta-15.html">Carter, Anna</a></td><td>Option Exercise</td><td>79,206</td><td>Direct</td><td>49.30</td><td>3,904,855</td></tr>
<tr><td>2024-05-13</td><td><a href="insider/zeta-16.html">Foster, Clara</a></td><td>Option Exercise</td><td>78,079</td><td>Indirect</td><td>49.67</td><td>3,878,183</td></tr>
<tr><td>2024-04-03</td><td><a href="insider/zeta-17.html">Garcia, Frank</a></td><td>Sale</td><td>78,248</td><td>Indirect</td><td>86.38</td><td>6,759,062</td></tr>
<tr><td>2024-02-15</td><td><a href="insider/zeta-18.html">Adams, Henry</a></td><td>Option Exercise</td><td>46,790</td><td>Direct</td><td>43.74</td><td>2,046,594</td></tr>
<tr><td>2024-02-09</td><td><a href="insider/zeta-19.html">Baker, Clara</a></td><td>Sale</td><td>62,549</td><td>Direct</td><td>185.28</td><td>11,589,078</td></tr>
<tr><td>2024-01-06</td><td><a href="insider/zeta-20.html">Hughes, Grace</a></td><td>Gift</td><td>33,085</td><td>Indirect</td><td>194.73</td><td>6,442,642</td></tr>
</table>
<p>Trades reported by officers, directors and owners of more than ten percent of the company's shares.</p>
</body></html>
