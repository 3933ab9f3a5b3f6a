* Queries over one table, as a report program asks them.
CREATE CURSOR sales (region C(5), item C(8), qty I, price N(8,2), sold D, note M NULL)
INSERT INTO sales VALUES ('north', 'apple', 3, 1.25, {^2024-01-05}, 'first')
INSERT INTO sales VALUES ('south', 'pear', 5, 2.10, {^2024-01-06}, .NULL.)
INSERT INTO sales VALUES ('north', 'pear', 2, 2.00, {^2024-02-01}, 'third')
INSERT INTO sales VALUES ('east', 'apple', 7, 1.20, {^2024-02-03}, 'fourth')
INSERT INTO sales VALUES ('south', 'apple', 1, 1.30, {^2024-03-09}, 'fifth')
DELETE FOR qty = 1
SET DELETED ON
SET FILTER TO region = 'north'
GO 3
* Fields keep their definitions; the source's filter does not apply, its
* pointer stays.
SELECT * FROM sales WHERE qty > 2 INTO CURSOR big
? ALIAS(), RECCOUNT(), FCOUNT(), region, qty, ISNULL(note)
SKIP
? note
SELECT sales
? RECNO(), FILTER()
SET FILTER TO
SELECT region, SUM(qty) AS total, COUNT(*), AVG(price), MAX(sold) FROM sales ;
  GROUP BY region ORDER BY total DESC INTO CURSOR byregion
? FIELD(1), FIELD(2), FIELD(3), FIELD(4), FIELD(5), RECCOUNT()
SCAN
  ? region, total, cnt, avg_price, max_sold
ENDSCAN
* A local alias, expressions named by AS or numbered, ORDER BY number.
SELECT item, qty * price AS amount, UPPER(s.item) FROM sales s ;
  WHERE s.region = 'north' ORDER BY 2 DESC INTO ARRAY rows
? ALEN(rows, 1), ALEN(rows, 2), rows[1, 1], rows[1, 2], rows[2, 3]
SELECT DISTINCT item FROM sales ORDER BY item DESC INTO ARRAY items
? ALEN(items), items[1]
SELECT TOP 1 item, qty FROM sales ORDER BY qty DESC
? ALIAS(), item, qty
* No rows: aggregates answer one row, an array stays as it was.
SELECT COUNT(*), SUM(qty), MIN(sold) FROM sales WHERE qty > 100 INTO CURSOR none
? RECCOUNT(), cnt, ISNULL(sum_qty), ISNULL(min_sold)
SELECT item FROM sales WHERE .F. INTO ARRAY items
? ALEN(items)
TRY
  SELECT item FROM sales ORDER BY nosuch INTO ARRAY x
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
TRY
  SELECT item FROM sales GROUP BY item HAVING COUNT(*) > 1
CATCH TO e
  ? e.ErrorNo
ENDTRY
