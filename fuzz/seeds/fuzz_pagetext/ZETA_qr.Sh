<html><head><title>ZETA filings</title></head><body>
<h2>ZETA filings</h2>
<table><tr><td>Sort By <b>Date</b></td></tr></table>
<table border=0 cellpadding=3>
<tr><td>Date</td><td>Filing</td><td>Description</td></tr>
<tr><td>2024-12-21</td><td><A HREF="?id=ZETA-1">4</A></td><td>Change in ownership</td></tr>
<tr><td>2024-11-06</td><td><A HREF="?id=ZETA-2">S-8</A></td><td>Securities for employee plans</td></tr>
<tr><td>2024-10-25</td><td><A HREF="?id=ZETA-3">4</A></td><td>Change in ownership</td></tr>
<tr><td>2024-08-18</td><td><A HREF="?id=ZETA-4">4</A></td><td>Change in ownership</td></tr>
<tr><td>2024-08-15</td><td><A HREF="?id=ZETA-5">DEF 14A</A></td><td>Proxy statement</td></tr>
<tr><td>2024-08-01</td><td><A HREF="?id=ZETA-6">8-K</A></td><td>Current report</td></tr>
<tr><td>2024-07-02</td><td><A HREF="?id=ZETA-7">4</A></td><td>Change in ownership</td></tr>
<tr><td>2024-07-01</td><td><A HREF="?id=ZETA-8">10-K</A></td><td>Annual report</td></tr>
<tr><td>2024-06-25</td><td><A HREF="?id=ZETA-9">DEF 14A</A></td><td>Proxy statement</td></tr>
<tr><td>2024-06-02</td><td><A HREF="?id=ZETA-10">10-Q</A></td><td>Quarterly report</td></tr>
<tr><td>2024-05-14</td><td><A HREF="?id=ZETA-11">4</A></td><td>Change in ownership</td></tr>
<tr><td>2024-04-07</td><td><A HREF="?id=ZETA-12">S-8</A></td><td>Securities for employee plans</td></tr>
<tr><td>2024-03-24</td><td><A HREF="?id=ZETA-13">10-Q</A></td><td>Quarterly report</td></tr>
<tr><td>2024-01-17</td><td><A HREF="?id=ZETA-14">DEF 14A</A></td><td>Proxy statement</td></tr>
</table>
</body></html>
