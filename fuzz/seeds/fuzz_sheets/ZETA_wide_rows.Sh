<html><head><title>ZETA Annual Income Statement</title></head><body>
<h2>ZETA Annual Income Statement</h2>
<table border=1>
<tr><td>In Millions of USD</td><td>FY2023</td><td>FY2022</td><td>FY2021</td><td>FY2020</td><td>FY2019</td><td>FY2018</td></tr>
<tr><td>Revenue</td><td>20,020</td><td>93,735</td><td>80,453</td><td>47,937</td><td>88,659</td><td>1</td><td>2</td></tr>
<tr><td>Assets</td></tr>
<tr><td>Cash</td><td>1</td><td>2</td><td>3</td><td>4</td><td>5</td></tr>
</table>
</body></html>
