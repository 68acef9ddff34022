<html><head><title>Fund prices</title></head><body>
<table border=1>
<tr><TH>Symbol</TH><TH>Name</TH><TH>Last</TH><TH>Change</TH><TH>Date</TH></tr>
<tr><td>QACXX</td><td>Falcon Motors Fund</td><td>73.04</td><td>-0.83</td><td>06/02</td></tr>
<tr><td>NYPFX</td><td>Keystone Foods Fund</td><td>19.57</td><td>-0.97</td><td>06/02</td></tr>
<tr><td>FXNAX</td><td>Beacon Retail Fund</td><td>67.09</td><td>-1.25</td><td>06/02</td></tr>
<tr><td>ETIFX</td><td>Harbor Pharma Fund</td><td>7.88</td><td>-0.29</td><td>06/02</td></tr>
<tr><td>HOBUX</td><td>Granite Materials Fund</td><td>19.73</td><td>+0.40</td><td>06/02</td></tr>
<tr><td>AJRBX</td><td>Harbor Labs Fund</td><td>27.05</td><td>-0.26</td><td>06/02</td></tr>
<tr><td>LNOZX</td><td>Harbor Motors Fund</td><td>86.25</td><td>+1.10</td><td>06/02</td></tr>
<tr><td>BOYPX</td><td>Orion Holdings Fund</td><td>86.14</td><td>+0.55</td><td>06/02</td></tr>
<tr><td>GLDPX</td><td>Cedar Pharma Fund</td><td>16.52</td><td>-0.60</td><td>06/02</td></tr>
<tr><td>GPLNX</td><td>Orion Motors Fund</td><td>24.85</td><td>-1.24</td><td>06/02</td></tr>
<tr><td>JMKZX</td><td>Alpine Motors Fund</td><td>26.57</td><td>+0.98</td><td>06/02</td></tr>
<tr><td>FDXFX</td><td>Meridian Motors Fund</td><td>63.28</td><td>-0.34</td><td>06/02</td></tr>
<tr><td>WBPZX</td><td>Orion Pharma Fund</td><td>83.15</td><td>-0.36</td><td>06/02</td></tr>
<tr><td>QYCFX</td><td>Meridian Media Fund</td><td>23.96</td><td>-0.56</td><td>06/02</td></tr>
<tr><td>YQLFX</td><td>Meridian Networks Fund</td><td>70.61</td><td>+1.06</td><td>06/02</td></tr>
</table>
</body></html>
