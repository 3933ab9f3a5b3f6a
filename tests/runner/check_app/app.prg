* A small application to port: what would fail here is marked with the
* finding --check is to report.
SET LIBRARY TO TARVO.fll ADDITIVE
SET PROCEDURE TO tools
LOCAL ARRAY lines(3)
DECLARE INTEGER GetTickCount IN kernel32
? STR_MIRROR("stressed"), STR_LEFT("abc", 2), GetTickCount() > 0
? STR_REVRS("abc")
x = STR_LEFT("abc")
y = STR_LEFT("abc", "2")
z = STR_LEFT("abc", 2, 3)
=DBF_RECCOUNT(1)
lines(1) = UPPER(Helper("a"))
n = ALINES(parts, "a,b", 0, ",")
? parts(1), Tidy(" b ")
DO Setup
DO Nowhere
DO Helperr
BROWSE LAST
