* A table of orders, filled, scanned and changed as an application does.
CREATE TABLE orders (id I, customer C(12), amount N(9,2), placed D, paid L, notes M)
FOR i = 1 TO 12
  APPEND BLANK
  REPLACE id WITH i, customer WITH IIF(i % 3 = 0, "Smith", "Jones"), ;
    amount WITH i * 12.5, placed WITH {^2026-01-01} + i, paid WITH i % 4 = 0
ENDFOR
REPLACE notes WITH "called twice" FOR customer = "Smith" AND !paid
? RECCOUNT(), DBF_RECCOUNT(), ALIAS(), FCOUNT(), FIELD(6)
total = 0
SCAN FOR !paid
  total = total + amount
ENDSCAN
? total, EOF(), DBF_EOT()
SUM amount, id TO paidTotal, paidIds FOR paid
COUNT FOR customer = "Smith" TO smiths
GO TOP
SUM amount NEXT 2 TO firstTwo
? paidTotal, paidIds, smiths, firstTwo, RECNO()
?
LOCATE FOR customer = "Smith"
DO WHILE FOUND()
  ?? id, TRIM(notes) + ";"
  CONTINUE
ENDDO
?
INDEX ON customer + STR(id, 3) TAG bycust
SEEK "Smith"
? FOUND(), id, DBF_SEEK("Jones   "), id, DBF_BOT()
SET ORDER TO
GO 5
DELETE
DELETE FOR amount > 140
SET DELETED ON
COUNT_ = 0
SCAN
  COUNT_ = COUNT_ + 1
ENDSCAN
? COUNT_, DBF_APPEND(2), RECCOUNT()
PACK
? RECCOUNT()
USE

* Two work areas on one shared file see each other's locks.
USE orders SHARED
USE orders AGAIN SHARED IN 0 ALIAS other
? RLOCK(), ISRLOCKED(), RLOCK("other"), ISRLOCKED(1, "other")
=NET_SETNET(.T.)
SELECT other
? DBF_REPLACE(@other.customer, "Brown"), TRIM(customer)
SELECT orders
UNLOCK
SELECT other
? DBF_REPLACE(@other.customer, "Brown"), TRIM(customer)
=NET_SETNET(.F.)
CLOSE TABLES

* Damaged files give the host's errors and stay as they were.
=STRTOFILE(LEFT(FILETOSTR("orders.dbf"), 700), "short.dbf")
=STRTOFILE("not a table at all, just text", "text.dbf")
before = FILETOSTR("short.dbf")
DIMENSION names(3)
names(1) = "short"
names(2) = "text"
names(3) = "nosuch"
FOR i = 1 TO 3
  TRY
    USE (names(i))
  CATCH TO e
    ? names(i), e.ErrorNo
  ENDTRY
ENDFOR
? FILETOSTR("short.dbf") == before, USED()
* A memo pointer past the end of the memo file: record 1's memo field
* (at 35 in the record) names block 65535.
table = FILETOSTR("orders.dbf")
at = ASC(SUBSTR(table, 9, 1)) + 256 * ASC(SUBSTR(table, 10, 1)) + 35
=STRTOFILE(STUFF(table, at + 1, 4, CHR(255) + CHR(255) + CHR(0) + CHR(0)), "orders.dbf")
before = FILETOSTR("orders.dbf") + FILETOSTR("orders.fpt")
USE orders
? id, customer
TRY
  ? notes
CATCH TO e
  ? e.ErrorNo
ENDTRY
TRY
  ? STR_ENCRYP(@orders.notes, "key")
CATCH TO e
  ? e.Message
ENDTRY
USE
? FILETOSTR("orders.dbf") + FILETOSTR("orders.fpt") == before
* A filter: the pointer stops only at the records it passes, in any order.
CREATE CURSOR nums (n I)
FOR i = 1 TO 10
  INSERT INTO nums VALUES (i)
ENDFOR
limit = 8
SET FILTER TO n % 2 = 0 AND n < limit
GO BOTTOM
? n, FILTER()
SKIP -1
limit = 5
GO BOTTOM
? n
GO 3
? n, DBF_RECCOUNT()
INDEX ON -n TAG back
COUNT TO evens
? evens
SCAN
  ?? n
ENDSCAN
TRY
  SET FILTER TO nosuch > 1
CATCH TO e
  ? e.ErrorNo, FILTER()
ENDTRY
SET FILTER TO
COUNT TO all
? all, FILTER() == ""
