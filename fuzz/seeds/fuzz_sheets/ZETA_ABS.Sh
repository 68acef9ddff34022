<html><head><title>ZETA Annual Balance Sheet</title></head><body>
<h2>ZETA Annual Balance Sheet</h2>
<table border=1>
<tr><td>In Millions of USD</td><td>FY2023</td><td>FY2022</td><td>FY2021</td><td>FY2020</td><td>FY2019</td></tr>
<tr><td>Assets</td><td></td></tr>
<tr><td>Cash and Equivalents</td><td>5,218</td><td>3,770</td><td>3,591</td><td>6,059</td><td>18,795</td></tr>
<tr><td>Short Term Investments</td><td>16,120</td><td>15,606</td><td>4,401</td><td>15,667</td><td>10,675</td></tr>
<tr><td>Receivables</td><td>9,743</td><td>2,510</td><td>17,798</td><td>864</td><td>7,892</td></tr>
<tr><td>Inventories</td><td>2,365</td><td>16,683</td><td>6,568</td><td>16,312</td><td>9,829</td></tr>
<tr><td>Other Current Assets</td><td>17,026</td><td>14,186</td><td>19,033</td><td>13,082</td><td>6,117</td></tr>
<tr><td>Total Current Assets</td><td>50,472</td><td>52,755</td><td>51,391</td><td>51,984</td><td>53,308</td></tr>
<tr><td>Property and Equipment</td><td>23,580</td><td>20,670</td><td>25,809</td><td>25,373</td><td>15,997</td></tr>
<tr><td>Goodwill</td><td>28,533</td><td>5,150</td><td>25,903</td><td>705</td><td>22,042</td></tr>
<tr><td>Intangibles</td><td>18,428</td><td>21,929</td><td>22,412</td><td>7,096</td><td>16,764</td></tr>
<tr><td>Long Term Investments</td><td>5,339</td><td>4,722</td><td>2,886</td><td>17,998</td><td>19,553</td></tr>
<tr><td>Deferred Charges</td><td>24,392</td><td>13,617</td><td>14,292</td><td>16,042</td><td>12,227</td></tr>
<tr><td>Other Assets</td><td>5,235</td><td>26,864</td><td>13,462</td><td>2,656</td><td>10,905</td></tr>
<tr><td>Total Assets</td><td>155,979</td><td>145,707</td><td>156,155</td><td>121,854</td><td>150,796</td></tr>
<tr><td>Liabilities &amp; Shareholder's Equity</td><td></td></tr>
<tr><td>Accounts Payable</td><td>6,597</td><td>4,036</td><td>5,356</td><td>5,446</td><td>5,896</td></tr>
<tr><td>Short Term Debt</td><td>7,549</td><td>3,730</td><td>3,310</td><td>5,544</td><td>3,875</td></tr>
<tr><td>Accrued Expenses</td><td>7,237</td><td>6,396</td><td>6,730</td><td>5,995</td><td>5,850</td></tr>
<tr><td>Current Portion of Long Term Debt</td><td>5,521</td><td>7,081</td><td>5,481</td><td>4,715</td><td>3,890</td></tr>
<tr><td>Income Taxes Payable</td><td>3,213</td><td>6,207</td><td>5,278</td><td>5,446</td><td>3,046</td></tr>
<tr><td>Deferred Revenue</td><td>6,738</td><td>5,464</td><td>7,339</td><td>5,702</td><td>3,196</td></tr>
<tr><td>Other Current Liabilities</td><td>4,055</td><td>3,394</td><td>3,903</td><td>4,935</td><td>4,810</td></tr>
<tr><td>Total Current Liabilities</td><td>40,910</td><td>36,308</td><td>37,397</td><td>37,783</td><td>30,563</td></tr>
<tr><td>Long Term Debt</td><td>2,760</td><td>3,263</td><td>3,154</td><td>4,069</td><td>3,272</td></tr>
<tr><td>Deferred Taxes</td><td>5,365</td><td>3,657</td><td>4,169</td><td>1,620</td><td>5,006</td></tr>
<tr><td>Minority Interest</td><td>5,365</td><td>2,943</td><td>5,527</td><td>4,362</td><td>3,619</td></tr>
<tr><td>Pension Obligations</td><td>5,599</td><td>4,254</td><td>6,043</td><td>1,718</td><td>5,006</td></tr>
<tr><td>Capital Lease Obligations</td><td>3,384</td><td>1,806</td><td>4,013</td><td>3,472</td><td>2,473</td></tr>
<tr><td>Deferred Compensation</td><td>2,698</td><td>5,012</td><td>5,356</td><td>1,230</td><td>3,935</td></tr>
<tr><td>Other Long Term Liabilities</td><td>5,256</td><td>2,841</td><td>5,215</td><td>1,364</td><td>2,850</td></tr>
<tr><td>Total Liabilities</td><td>71,337</td><td>60,084</td><td>70,874</td><td>55,618</td><td>56,724</td></tr>
<tr><td>Shareholders' Equity</td><td></td></tr>
<tr><td>Preferred Stock</td><td>209</td><td>282</td><td>15</td><td>446</td><td>306</td></tr>
<tr><td>Common Stock</td><td>187</td><td>152</td><td>330</td><td>432</td><td>402</td></tr>
<tr><td>Paid in Capital</td><td>20,314</td><td>20,549</td><td>9,380</td><td>9,273</td><td>26,340</td></tr>
<tr><td>Retained Earnings</td><td>64,729</td><td>64,860</td><td>76,154</td><td>56,280</td><td>66,869</td></tr>
<tr><td>Repurchased Stock</td><td>869</td><td>529</td><td>970</td><td>525</td><td>172</td></tr>
<tr><td>Other Equity</td><td>72</td><td>309</td><td>372</td><td>330</td><td>327</td></tr>
<tr><td>Total Shareholders' Equity</td><td>84,642</td><td>85,623</td><td>85,281</td><td>66,236</td><td>94,072</td></tr>
<tr><td>Total Liabilities and Shareholders' Equity</td><td>155,979</td><td>145,707</td><td>156,155</td><td>121,854</td><td>150,796</td></tr>
<tr><td>Shares Outstanding</td><td>2,222</td><td>1,826</td><td>4,567</td><td>1,846</td><td>3,345</td></tr>
</table>
</body></html>
