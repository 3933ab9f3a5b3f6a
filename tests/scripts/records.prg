* Records to and from memory: INSERT INTO, SCATTER and GATHER.
CREATE CURSOR people (id I, name C(10), born D, notes M)
INSERT INTO people (id, name) VALUES (1, 'Ann')
INSERT INTO people(name,notes,id) VALUES ('Bob', 'knows SQL', 2)
INSERT INTO people VALUES (3, 'Cid')
? RECCOUNT(), RECNO(), name, EMPTY(born)
* A value that does not fit adds no record; the counts must agree.
TRY
  INSERT INTO people (id, born) VALUES (4, 'not a date')
CATCH TO e
  ? e.ErrorNo, RECCOUNT()
ENDTRY
TRY
  INSERT INTO people (id, name) VALUES (4)
CATCH TO e
  ? e.ErrorNo, RECCOUNT()
ENDTRY
TRY
  INSERT INTO people VALUES (4, 'Dan', DATE(), 'x', 'one too many')
CATCH TO e
  ? e.ErrorNo, RECCOUNT()
ENDTRY
* Memo fields only with MEMO; memory variables back into a new record.
GO 2
SCATTER MEMVAR
? m.id, m.name, TYPE('m.notes')
SCATTER MEMVAR MEMO
m.id = 4
m.name = 'Dan'
INSERT INTO people FROM MEMVAR
? RECNO(), id, name, notes
* Arrays round-trip; GATHER changes the current record.
SCATTER TO row MEMO
row[2] = 'Eve'
row[4] = 'rewritten'
GO 1
GATHER FROM row MEMO
? ALEN(row), id, name, notes
SCATTER FIELDS name, id TO two BLANK
? ALEN(two), '[' + two[1] + ']', two[2]
DIMENSION first[2]
first[1] = 5
first[2] = 'Fay'
INSERT INTO people FROM ARRAY first
? RECCOUNT(), id, name, '[' + notes + ']'
* At the end of the table SCATTER gives blanks and GATHER changes nothing.
GO BOTTOM
SKIP
SCATTER MEMVAR
? EOF(), m.id, '[' + m.name + ']'
GATHER MEMVAR
GO TOP
? id, name
* Arrays of records: memo fields left out, FIELDS and FOR chosen.
COPY TO ARRAY rows FOR id > 1
? ALEN(rows, 1), ALEN(rows, 2), rows[1, 2], rows[4, 1]
COPY TO ARRAY two FIELDS name FOR id > 99
? ALEN(two)
ZAP
APPEND FROM ARRAY rows
? RECCOUNT(), id, name, '[' + notes + ']'
DIMENSION bad[2, 2]
bad[1, 1] = 9
bad[1, 2] = 'Ivy'
bad[2, 1] = 'not a number'
TRY
  APPEND FROM ARRAY bad FIELDS id, name
CATCH TO e
  ? e.ErrorNo, RECCOUNT(), name
ENDTRY
* A table that is not open is opened in a free work area.
SELECT 0
CREATE TABLE tmp_rec (code C(3))
USE
SELECT people
INSERT INTO tmp_rec VALUES ('abc')
? ALIAS(), USED('tmp_rec'), tmp_rec.code
CLOSE TABLES
ERASE tmp_rec.dbf
