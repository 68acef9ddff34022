<html><head><title>ZETA Annual Income Statement</title></head><body>
<h2>ZETA Annual Income Statement</h2>
<table border=1>
<tr><td>In Millions of USD</td><td>FY2023</td><td>FY2022</td><td>FY2021</td><td>FY2020</td><td>FY2019</td></tr>
<tr><td>Revenue</td><td>20,020</td><td>93,735</td><td>80,453</td><td>47,937</td><td>88,659</td></tr>
<tr><td>Other Revenue</td><td>797</td><td>458</td><td>1,255</td><td>285</td><td>829</td></tr>
<tr><td>Total Revenue</td><td>20,817</td><td>94,193</td><td>81,708</td><td>48,222</td><td>89,488</td></tr>
<tr><td>Cost of Revenue</td><td>9,367</td><td>41,444</td><td>36,768</td><td>20,735</td><td>51,903</td></tr>
<tr><td>Gross Profit</td><td>11,450</td><td>52,749</td><td>44,940</td><td>27,487</td><td>37,585</td></tr>
<tr><td>Research and Development</td><td>1,145</td><td>9,494</td><td>5,392</td><td>5,497</td><td>5,637</td></tr>
<tr><td>Selling, General and Admin.</td><td>1,832</td><td>7,912</td><td>6,291</td><td>5,497</td><td>5,261</td></tr>
<tr><td>Operating Income</td><td>8,473</td><td>35,343</td><td>33,257</td><td>16,493</td><td>26,687</td></tr>
<tr><td>Interest Expense</td><td>452</td><td>211</td><td>477</td><td>90</td><td>450</td></tr>
<tr><td>Other Income</td><td>61</td><td>145</td><td>66</td><td>224</td><td>120</td></tr>
<tr><td>Income Before Tax</td><td>8,082</td><td>35,277</td><td>32,846</td><td>16,627</td><td>26,357</td></tr>
<tr><td>Income Tax</td><td>1,697</td><td>7,408</td><td>6,897</td><td>3,491</td><td>5,534</td></tr>
<tr><td>Income After Tax</td><td>6,385</td><td>27,869</td><td>25,949</td><td>13,136</td><td>20,823</td></tr>
<tr><td>Extraordinary Items</td><td>89</td><td>9</td><td>139</td><td>157</td><td>32</td></tr>
<tr><td>Net Income</td><td>6,474</td><td>27,878</td><td>26,088</td><td>13,293</td><td>20,855</td></tr>
<tr><td>Per Share Data</td><td></td><td></td><td></td><td></td><td></td></tr>
<tr><td>EPS from Continuing Operations</td><td>1.36</td><td>14.81</td><td>18.69</td><td>3.59</td><td>4.73</td></tr>
<tr><td>EPS from Discontinued Operations</td><td>0.02</td><td>0.01</td><td>0.10</td><td>0.04</td><td>0.01</td></tr>
<tr><td>Basic EPS</td><td>1.38</td><td>14.82</td><td>18.79</td><td>3.63</td><td>4.74</td></tr>
<tr><td>Diluted Per Share Data</td><td></td><td></td><td></td><td></td><td></td></tr>
<tr><td>Diluted EPS from Continuing Operations</td><td>1.32</td><td>14.38</td><td>18.15</td><td>3.49</td><td>4.59</td></tr>
<tr><td>Diluted EPS from Discontinued Operations</td><td>0.02</td><td>0.01</td><td>0.10</td><td>0.04</td><td>0.01</td></tr>
<tr><td>Diluted EPS</td><td>1.34</td><td>14.39</td><td>18.25</td><td>3.53</td><td>4.60</td></tr>
<tr><td>Dividends per Share</td><td>0.34</td><td>4.59</td><td>4.69</td><td>0.43</td><td>0.61</td></tr>
</table>
</body></html>
