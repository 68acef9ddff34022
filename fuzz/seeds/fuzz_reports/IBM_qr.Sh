<html><head><title>IBM filings</title></head><body>
<h2>IBM filings</h2>
<table><tr><td>Sort By <b>Date</b></td></tr></table>
<table border=0 cellpadding=3>
<tr><td>Date</td><td>Filing</td><td>Description</td></tr>
<tr><td>2024-12-20</td><td><A HREF="/doc/ibm-1.txt" ALT="Full Filing">8-K</A></td><td>Current report</td></tr>
<tr><td>2024-11-26</td><td><A HREF="/doc/ibm-2.txt" ALT="Full Filing">4</A></td><td>Change in ownership</td></tr>
<tr><td>2024-11-16</td><td><A HREF="/doc/ibm-3.txt" ALT="Full Filing">4</A></td><td>Change in ownership</td></tr>
<tr><td>2024-11-16</td><td><A HREF="/doc/ibm-4.txt" ALT="Full Filing">10-Q/A</A></td><td>Amended quarterly report</td></tr>
<tr><td>2024-08-02</td><td><A HREF="/doc/ibm-5.txt" ALT="Full Filing">DEF 14A</A></td><td>Proxy statement</td></tr>
<tr><td>2024-07-17</td><td><A HREF="/doc/ibm-6.txt" ALT="Full Filing">10-K</A></td><td>Annual report</td></tr>
<tr><td>2024-07-12</td><td><A HREF="/doc/ibm-7.txt" ALT="Full Filing">DEF 14A</A></td><td>Proxy statement</td></tr>
<tr><td>2024-07-03</td><td><A HREF="/doc/ibm-8.txt" ALT="Full Filing">10-K</A></td><td>Annual report</td></tr>
<tr><td>2024-05-14</td><td><A HREF="/doc/ibm-9.txt" ALT="Full Filing">10-Q</A></td><td>Quarterly report</td></tr>
<tr><td>2024-04-04</td><td><A HREF="/doc/ibm-10.txt" ALT="Full Filing">S-8</A></td><td>Securities for employee plans</td></tr>
<tr><td>2024-03-19</td><td><A HREF="/doc/ibm-11.txt" ALT="Full Filing">10-Q</A></td><td>Quarterly report</td></tr>
<tr><td>2024-03-16</td><td><A HREF="/doc/ibm-12.txt" ALT="Full Filing">S-8</A></td><td>Securities for employee plans</td></tr>
<tr><td>2024-01-27</td><td><A HREF="/doc/ibm-13.txt" ALT="Full Filing">DEF 14A</A></td><td>Proxy statement</td></tr>
<tr><td>2024-01-24</td><td><A HREF="/doc/ibm-14.txt" ALT="Full Filing">8-K</A></td><td>Current report</td></tr>
<tr><td>2024-01-19</td><td><A HREF="/doc/ibm-15.txt" ALT="Full Filing">S-8</A></td><td>Securities for employee plans</td></tr>
<tr><td>2024-01-15</td><td><A HREF="/doc/ibm-16.txt" ALT="Full Filing">10-Q</A></td><td>Quarterly report</td></tr>
</table>
</body></html>
