HTTP/1.0 200 OK
Content-Type: text/html
Content-Length: 2862

<html><head><title>ZETA earnings estimates</title></head><body>
<h2>ZETA Earnings</h2>
<table width=100%>
<tr><td colspan=7><b>Earnings Growth</b></td></tr>
<tr><th></th><th>ZETA</th><th>Industry</th><th>Sector</th><th>S&amp;P 500</th><th>P/E (ttm)</th><th>PEG (5 yr)</th></tr>
<tr><td>Last Year<br>Current Year<br>Next Year</td><td>-11.11%<br>14.04%<br>39.85%</td><td>57.03%<br>14.34%<br>26.33%</td><td>52.96%<br>-16.42%<br>35.36%</td><td>24.95%<br>-15.76%<br>35.75%</td><td>27.80<br>30.50<br>11.32</td><td>2.42<br>1.91<br>0.43</td></tr>
</table>
<table width=100%>
<tr><td colspan=6><b>Earnings History</b></td></tr>
<tr><th></th><th>Dec 2022</th><th>Mar 2023</th><th>Jun 2023</th><th>Sep 2023</th><th>Dec 2023</th></tr>
<tr><td>EPS Est<br>EPS Actual<br>Difference<br>Surprise %</td><td>1.73<br>1.78<br>0.05<br>2.89%</td><td>2.74<br>3.01<br>0.27<br>9.85%</td><td>1.53<br>1.50<br>-0.03<br>-1.96%</td><td>0.88<br>1.04<br>0.16<br>18.18%</td><td>2.67<br>2.75<br>0.08<br>2.99%</td></tr>
</table>
<table width=100%>
<tr><td colspan=5><b>Earnings Estimates &amp; Recommendations</b></td></tr>
<tr><th></th><th>Current Qtr (Mar 2024)</th><th>Next Qtr (Jun 2024)</th><th>Current Year (Dec 2024)</th><th>Next Year (Dec 2025)</th></tr>
<tr><td>Earnings Estimates<br><table><tr><td>Avg. Estimate</td></tr><tr><td>No. of Analysts</td></tr><tr><td>Low Estimate</td></tr><tr><td>High Estimate</td></tr><tr><td>Year Ago EPS</td></tr><tr><td>Growth Est.</td></tr></table></td><td>0.13<br>7<br>0.12<br>0.16<br>0.14<br>-7.14%</td><td>1.07<br>11<br>1.03<br>1.14<br>0.82<br>30.48%</td><td>2.68<br>21<br>2.48<br>2.84<br>2.14<br>25.23%</td><td>2.64<br>9<br>2.52<br>2.84<br>2.50<br>5.60%</td></tr>
<tr><td>Consensus EPS Trend<table><tr><td>Current Estimate</td></tr><tr><td>7 Days Ago</td></tr><tr><td>30 Days Ago</td></tr><tr><td>60 Days Ago</td></tr><tr><td>90 Days Ago</td></tr></table></td><td>0.13<br>0.15<br>0.13<br>0.11<br>0.13</td><td>1.07<br>1.07<br>1.05<br>1.06<br>1.07</td><td>2.68<br>2.76<br>2.68<br>2.60<br>2.56</td><td>2.64<br>2.56<br>2.48<br>2.40<br>2.32</td></tr>
</table>
<table border=1>
<tr><td>Recommendation Trends</td><td>Current Month</td><td>Last Month</td><td>Two Months Ago</td><td>Three Months Ago</td></tr>
<tr><td>Strong Buy</td><td>5</td><td>7</td><td>1</td><td>7</td></tr>
<tr><td>Buy</td><td>6</td><td>0</td><td>7</td><td>12</td></tr>
<tr><td>Hold</td><td>1</td><td>10</td><td>5</td><td>8</td></tr>
<tr><td>Underperform</td><td>12</td><td>5</td><td>12</td><td>3</td></tr>
<tr><td>Sell</td><td>0</td><td>5</td><td>12</td><td>9</td></tr>
</table>
<p>Estimates are the average of the analysts who cover ZETA. Figures are per share and in US dollars; a surprise is the difference between the reported and the expected result, as a share of the expected result. Past results are no promise of what is to come.</p>
</body></html>
