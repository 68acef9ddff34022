<html><TABLE>
<TR><TD>65 Composite</TD><TD>^DJA</TD><TD>4:00pm</TD><TD>1000.00</TD><TD>+0</TD><TD>+0.0%</TD></TR>
<TR><TD>Volume in 000's</TD><TD>^TV.N</TD><TD>4:01pm</TD><TD>1001.00</TD><TD>+1</TD><TD>+0.1%</TD></TR>
<TR><TD>Tick</TD><TD>^TIC.N</TD><TD>4:02pm</TD><TD>1002.00</TD><TD>+2</TD><TD>+0.2%</TD></TR>
<TR><TD>Composite</TD><TD>^IXIC</TD><TD>4:03pm</TD><TD>1003.00</TD><TD>+3</TD><TD>+0.3%</TD></TR>
<TR><TD>Volume in 000's</TD><TD>^TV.O</TD><TD>4:04pm</TD><TD>1004.00</TD><TD>+4</TD><TD>+0.4%</TD></TR>
<TR><TD>National Market Composite</TD><TD>^IXQ</TD><TD>4:05pm</TD><TD>1005.00</TD><TD>+5</TD><TD>+0.5%</TD></TR>
</TABLE></html>
