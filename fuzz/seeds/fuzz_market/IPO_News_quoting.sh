HTTP/1.0 200 OK
Content-Type: text/html

<html><body><ul>
<li><a href="n/i/x.html" target="_blank">Headline 1 - Wire - 10:31</a>
<li><a href='n/i/y.html'>Headline 2 - Wire - 10:32</a>
<li>Headline 3 - Wire - 10:33
<li><A class=hot HREF=n/i/z.html>Headline 4 - Wire - 10:34</A>
<li><a href = "n/i/w.html" >Headline 5 - Wire - 10:35</a>
</ul></body></html>