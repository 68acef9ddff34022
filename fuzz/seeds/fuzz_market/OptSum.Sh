<html><head><title>Options market summary</title></head><body>
<h3>Option Leaders</h3>
<table border=1>
<tr><td>Symbol</td><td>Last</td><td>+/-</td><td>Pct</td><td>Volume</td></tr>
<tr><td>WXX 100 C</td><td>1.47</td><td>-0.90</td><td>-61.22%</td><td>25,836</td></tr>
<tr><td>ZKUD 50 P</td><td>12.63</td><td>-1.16</td><td>-9.18%</td><td>16,156</td></tr>
<tr><td>OJBL 40 C</td><td>4.60</td><td>+1.08</td><td>+23.47%</td><td>66,987</td></tr>
<tr><td>OBB 65 C</td><td>7.21</td><td>+1.83</td><td>+25.38%</td><td>83,616</td></tr>
<tr><td>BOBF 80 C</td><td>6.55</td><td>+1.54</td><td>+23.51%</td><td>36,477</td></tr>
<tr><td>HBUD 20 C</td><td>19.71</td><td>-1.02</td><td>-5.17%</td><td>31,551</td></tr>
<tr><td>JGG 95 C</td><td>5.48</td><td>-0.93</td><td>-16.97%</td><td>63,871</td></tr>
<tr><td>HMVZ 55 C</td><td>9.23</td><td>-1.37</td><td>-14.84%</td><td>58,104</td></tr>
<tr><td>SXNA 55 P</td><td>13.82</td><td>+0.17</td><td>+1.23%</td><td>2,855</td></tr>
<tr><td>UAUC 95 C</td><td>4.50</td><td>+0.53</td><td>+11.77%</td><td>88,961</td></tr>
</table>
<h3>Option Gainers</h3>
<table border=1>
<tr><td>Symbol</td><td>Last</td><td>+/-</td><td>Pct</td><td>Volume</td></tr>
<tr><td>LHIC 30 C</td><td>8.25</td><td>+1.70</td><td>+20.60%</td><td>66,442</td></tr>
<tr><td>CSY 55 C</td><td>3.87</td><td>+0.98</td><td>+25.32%</td><td>40,846</td></tr>
<tr><td>VYV 60 C</td><td>7.65</td><td>+0.41</td><td>+5.35%</td><td>28,989</td></tr>
<tr><td>NWGL 25 C</td><td>6.37</td><td>+0.31</td><td>+4.86%</td><td>25,967</td></tr>
<tr><td>SFUQ 95 C</td><td>0.46</td><td>+0.49</td><td>+106.52%</td><td>57,327</td></tr>
<tr><td>EQJJ 100 C</td><td>18.22</td><td>+1.42</td><td>+7.79%</td><td>86,687</td></tr>
<tr><td>VUX 40 C</td><td>3.89</td><td>+0.65</td><td>+16.70%</td><td>58,611</td></tr>
<tr><td>YOZO 40 P</td><td>5.42</td><td>+0.56</td><td>+10.33%</td><td>70,747</td></tr>
<tr><td>ZBNZ 25 P</td><td>4.99</td><td>+0.59</td><td>+11.82%</td><td>86,343</td></tr>
<tr><td>NXG 40 P</td><td>4.56</td><td>+1.73</td><td>+37.93%</td><td>73,547</td></tr>
</table>
<h3>Option Losers</h3>
<table border=1>
<tr><td>Symbol</td><td>Last</td><td>+/-</td><td>Pct</td><td>Volume</td></tr>
<tr><td>XCF 55 C</td><td>3.05</td><td>-0.34</td><td>-11.14%</td><td>62,221</td></tr>
<tr><td>TIO 10 C</td><td>10.79</td><td>-0.06</td><td>-0.55%</td><td>5,068</td></tr>
<tr><td>FOAG 70 C</td><td>7.41</td><td>-0.91</td><td>-12.28%</td><td>19,192</td></tr>
<tr><td>KZK 45 C</td><td>7.96</td><td>-1.87</td><td>-23.49%</td><td>31,069</td></tr>
<tr><td>KPCL 45 C</td><td>0.62</td><td>-0.62</td><td>-100.00%</td><td>8,329</td></tr>
<tr><td>FOF 65 P</td><td>5.70</td><td>-1.04</td><td>-18.24%</td><td>57,250</td></tr>
<tr><td>YYNQ 85 C</td><td>11.81</td><td>-1.04</td><td>-8.80%</td><td>52,673</td></tr>
<tr><td>NNBM 85 P</td><td>1.80</td><td>-0.59</td><td>-32.77%</td><td>67,775</td></tr>
<tr><td>IRGJ 75 C</td><td>17.74</td><td>-0.14</td><td>-0.78%</td><td>66,050</td></tr>
<tr><td>FZH 45 C</td><td>17.55</td><td>-1.65</td><td>-9.40%</td><td>71,338</td></tr>
</table>
</body></html>
