<html><head><title>U.S. markets</title></head><body>
<TABLE>
<TR><TD COLSPAN=6><B>Dow Jones Averages</B></TD></TR>
<TR><TD>30 Industrials</TD><TD>^DJI</TD><TD>4:09pm</TD><TD>5,557.15</TD><TD>-18.63</TD><TD>-0.33%</TD></TR>
<TR><TD>20 Transportation</TD><TD>^DJT</TD><TD>4:02pm</TD><TD>4,444.53</TD><TD>+25.65</TD><TD>+0.57%</TD></TR>
<TR><TD>15 Utilities</TD><TD>^DJU</TD><TD>4:06pm</TD><TD>1,460.27</TD><TD>-20.39</TD><TD>-1.39%</TD></TR>
<TR><TD>65 Composite</TD><TD>^DJA</TD><TD>4:02pm</TD><TD>10,811.08</TD><TD>+10.86</TD><TD>+0.10%</TD></TR>
<TR><TD COLSPAN=6><B>New York Stock Exchange</B></TD></TR>
<TR><TD>Volume in 000's</TD><TD>^TV.N</TD><TD>4:08pm</TD><TD>3,709.87</TD><TD>-7.52</TD><TD>-0.20%</TD></TR>
<TR><TD>Composite</TD><TD>^NYA</TD><TD>4:04pm</TD><TD>350.40</TD><TD>-12.44</TD><TD>-3.55%</TD></TR>
<TR><TD>Tick</TD><TD>^TIC.N</TD><TD>4:07pm</TD><TD>3,600.35</TD><TD>+27.49</TD><TD>+0.76%</TD></TR>
<TR><TD>ARMS</TD><TD>^STI.N</TD><TD>4:04pm</TD><TD>4,899.84</TD><TD>+19.90</TD><TD>+0.40%</TD></TR>
<TR><TD COLSPAN=6><B>Nasdaq</B></TD></TR>
<TR><TD>Composite</TD><TD>^IXIC</TD><TD>4:04pm</TD><TD>128.46</TD><TD>+23.32</TD><TD>+18.15%</TD></TR>
<TR><TD>Volume in 000's</TD><TD>^TV.O</TD><TD>4:08pm</TD><TD>7,740.42</TD><TD>-20.88</TD><TD>-0.26%</TD></TR>
<TR><TD>National Market Composite</TD><TD>^IXQ</TD><TD>4:04pm</TD><TD>11,599.20</TD><TD>-23.83</TD><TD>-0.20%</TD></TR>
<TR><TD>Nasdaq 100</TD><TD>^NDX</TD><TD>4:09pm</TD><TD>8,931.67</TD><TD>-22.30</TD><TD>-0.24%</TD></TR>
<TR><TD COLSPAN=6><B>Standard and Poor's</B></TD></TR>
<TR><TD>500 Index</TD><TD>^SPC</TD><TD>4:09pm</TD><TD>6,508.47</TD><TD>+27.54</TD><TD>+0.42%</TD></TR>
<TR><TD>100 Index</TD><TD>^OEX</TD><TD>4:08pm</TD><TD>11,554.81</TD><TD>-24.44</TD><TD>-0.21%</TD></TR>
<TR><TD>400 MidCap</TD><TD>^MID</TD><TD>4:07pm</TD><TD>11,717.56</TD><TD>-11.21</TD><TD>-0.09%</TD></TR>
<TR><TD>600 SmallCap</TD><TD>^SML</TD><TD>4:07pm</TD><TD>3,390.87</TD><TD>-7.25</TD><TD>-0.21%</TD></TR>
<TR><TD COLSPAN=6><B>Other U.S. Indices</B></TD></TR>
<TR><TD>AMEX Composite</TD><TD>^XAX</TD><TD>4:06pm</TD><TD>5,806.33</TD><TD>+10.90</TD><TD>+0.18%</TD></TR>
<TR><TD>AMEX Internet</TD><TD>^IIX</TD><TD>4:04pm</TD><TD>6,667.54</TD><TD>-18.14</TD><TD>-0.27%</TD></TR>
<TR><TD>AMEX Networking</TD><TD>^NWX</TD><TD>4:04pm</TD><TD>932.96</TD><TD>-24.93</TD><TD>-2.67%</TD></TR>
<TR><TD>Indi 500</TD><TD>^NDI</TD><TD>4:04pm</TD><TD>4,797.93</TD><TD>+15.51</TD><TD>+0.32%</TD></TR>
<TR><TD>Major Market</TD><TD>^XMI</TD><TD>4:02pm</TD><TD>3,630.15</TD><TD>+16.02</TD><TD>+0.44%</TD></TR>
<TR><TD>Pacific Exchange Technology</TD><TD>^PSE</TD><TD>4:03pm</TD><TD>177.86</TD><TD>+8.53</TD><TD>+4.79%</TD></TR>
<TR><TD>Philadelphia Semiconductor</TD><TD>^SOXX</TD><TD>4:03pm</TD><TD>7,887.12</TD><TD>+13.04</TD><TD>+0.16%</TD></TR>
<TR><TD>Russell 1000</TD><TD>^RUI</TD><TD>4:07pm</TD><TD>4,601.24</TD><TD>+11.42</TD><TD>+0.24%</TD></TR>
<TR><TD>Russell 2000</TD><TD>^RUT</TD><TD>4:04pm</TD><TD>2,412.28</TD><TD>+10.14</TD><TD>+0.42%</TD></TR>
<TR><TD>Russell 3000</TD><TD>^RUA</TD><TD>4:07pm</TD><TD>10,353.35</TD><TD>-16.95</TD><TD>-0.16%</TD></TR>
<TR><TD>TSC Internet</TD><TD>^DOT</TD><TD>4:06pm</TD><TD>10,682.64</TD><TD>+14.56</TD><TD>+0.13%</TD></TR>
<TR><TD>Value Line</TD><TD>^VLIC</TD><TD>4:06pm</TD><TD>5,196.57</TD><TD>+27.81</TD><TD>+0.53%</TD></TR>
<TR><TD>Wilshire 5000</TD><TD>^WIL5</TD><TD>4:01pm</TD><TD>3,976.97</TD><TD>+2.71</TD><TD>+0.06%</TD></TR>
<TR><TD COLSPAN=6><B>Treasury Securities (yield x10)</B></TD></TR>
<TR><TD>30-Year Bond</TD><TD>^TYX</TD><TD>4:03pm</TD><TD>2,629.36</TD><TD>-3.53</TD><TD>-0.13%</TD></TR>
<TR><TD>10-Year Note</TD><TD>^TNX</TD><TD>4:07pm</TD><TD>8,578.18</TD><TD>-6.01</TD><TD>-0.07%</TD></TR>
<TR><TD>5-Year Note</TD><TD>^FVX</TD><TD>4:07pm</TD><TD>7,250.69</TD><TD>+18.28</TD><TD>+0.25%</TD></TR>
<TR><TD>13-Week Bill</TD><TD>^IRX</TD><TD>4:04pm</TD><TD>991.56</TD><TD>+20.95</TD><TD>+2.11%</TD></TR>
<TR><TD COLSPAN=6><B>Commodities</B></TD></TR>
<TR><TD>Dow Jones Spot</TD><TD>^DJS</TD><TD>4:01pm</TD><TD>9,115.61</TD><TD>+15.07</TD><TD>+0.16%</TD></TR>
<TR><TD>Dow Jones Futures</TD><TD>^DJC</TD><TD>4:07pm</TD><TD>5,611.00</TD><TD>+15.28</TD><TD>+0.27%</TD></TR>
<TR><TD>Goldman Sachs Commodity</TD><TD>^GNX</TD><TD>4:02pm</TD><TD>9,343.58</TD><TD>+19.04</TD><TD>+0.20%</TD></TR>
<TR><TD>Philadelphia Gold & Silver</TD><TD>^XAU</TD><TD>4:04pm</TD><TD>11,468.78</TD><TD>+20.64</TD><TD>+0.17%</TD></TR>
</TABLE>
</body></html>
