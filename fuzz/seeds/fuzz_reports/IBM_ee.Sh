HTTP/1.0 200 OK
Content-Type: text/html
Content-Length: 2852

<html><head><title>IBM earnings estimates</title></head><body>
<h2>IBM Earnings</h2>
<table width=100%>
<tr><td colspan=7><b>Earnings Growth</b></td></tr>
<tr><th></th><th>IBM</th><th>Industry</th><th>Sector</th><th>S&amp;P 500</th><th>P/E (ttm)</th><th>PEG (5 yr)</th></tr>
<tr><td>Last Year<br>Current Year<br>Next Year</td><td>36.32%<br>11.08%<br>15.31%</td><td>33.53%<br>4.77%<br>8.12%</td><td>1.32%<br>20.39%<br>29.71%</td><td>24.07%<br>32.77%<br>39.74%</td><td>8.40<br>13.26<br>8.73</td><td>1.69<br>0.97<br>0.73</td></tr>
</table>
<table width=100%>
<tr><td colspan=6><b>Earnings History</b></td></tr>
<tr><th></th><th>Dec 2022</th><th>Mar 2023</th><th>Jun 2023</th><th>Sep 2023</th><th>Dec 2023</th></tr>
<tr><td>EPS Est<br>EPS Actual<br>Difference<br>Surprise %</td><td>1.95<br>1.94<br>-0.01<br>-0.51%</td><td>2.21<br>2.24<br>0.03<br>1.35%</td><td>1.75<br>1.88<br>0.13<br>7.42%</td><td>2.18<br>2.12<br>-0.06<br>-2.75%</td><td>2.10<br>2.12<br>0.02<br>0.95%</td></tr>
</table>
<table width=100%>
<tr><td colspan=5><b>Earnings Estimates &amp; Recommendations</b></td></tr>
<tr><th></th><th>Current Qtr (Mar 2024)</th><th>Next Qtr (Jun 2024)</th><th>Current Year (Dec 2024)</th><th>Next Year (Dec 2025)</th></tr>
<tr><td>Earnings Estimates<br><table><tr><td>Avg. Estimate</td></tr><tr><td>No. of Analysts</td></tr><tr><td>Low Estimate</td></tr><tr><td>High Estimate</td></tr><tr><td>Year Ago EPS</td></tr><tr><td>Growth Est.</td></tr></table></td><td>0.33<br>21<br>0.24<br>0.40<br>0.31<br>6.45%</td><td>0.49<br>24<br>0.47<br>0.55<br>0.46<br>6.52%</td><td>1.24<br>19<br>1.16<br>1.48<br>0.86<br>44.18%</td><td>3.88<br>21<br>3.60<br>4.16<br>3.02<br>28.47%</td></tr>
<tr><td>Consensus EPS Trend<table><tr><td>Current Estimate</td></tr><tr><td>7 Days Ago</td></tr><tr><td>30 Days Ago</td></tr><tr><td>60 Days Ago</td></tr><tr><td>90 Days Ago</td></tr></table></td><td>0.33<br>0.35<br>0.34<br>0.32<br>0.34</td><td>0.49<br>0.51<br>0.53<br>0.54<br>0.55</td><td>1.24<br>1.28<br>1.28<br>1.24<br>1.32</td><td>3.88<br>3.80<br>3.76<br>3.80<br>3.76</td></tr>
</table>
<table border=1>
<tr><td>Recommendation Trends</td><td>Current Month</td><td>Last Month</td><td>Two Months Ago</td><td>Three Months Ago</td></tr>
<tr><td>Strong Buy</td><td>1</td><td>8</td><td>2</td><td>11</td></tr>
<tr><td>Buy</td><td>12</td><td>6</td><td>1</td><td>12</td></tr>
<tr><td>Hold</td><td>1</td><td>9</td><td>8</td><td>0</td></tr>
<tr><td>Underperform</td><td>6</td><td>1</td><td>4</td><td>7</td></tr>
<tr><td>Sell</td><td>5</td><td>11</td><td>10</td><td>2</td></tr>
</table>
<p>Estimates are the average of the analysts who cover IBM. Figures are per share and in US dollars; a surprise is the difference between the reported and the expected result, as a share of the expected result. Past results are no promise of what is to come.</p>
</body></html>
