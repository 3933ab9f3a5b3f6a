* Numbers print, convert and round from the decimal a double stands for,
* with at most 16 significant digits.
* Whole numbers up to the digits a double holds print exactly.
? 50000000000000, 1000000000 * 100000
? 2^40, 2^53
? 12345678901234567890
* Beyond 20 digits of whole part: scientific notation.
? 12345678901234567890 * 1000, -(2^70)
* Rounding is half away from zero on the decimal written.
? ROUND(2.675, 2), ROUND(9.995, 2), ROUND(1.005, 2), ROUND(-0.125, 2)
? ROUND(99999999999999, 0), ROUND(1234.5, -2), ROUND(0.5, 0), ROUND(-2.5, 0)
? 0.1 + 0.2, 1/3, 2.675 * 1
SET DECIMALS TO 18
? 1/3
SET DECIMALS TO 2
* STR: decimals go first, then a whole number goes to scientific notation,
* a fraction or an integer to stars.
? STR(99999999999999, 14) + "|" + STR(12345678901) + "|" + STR(-12345678901)
? STR(3.14159, 4, 3) + "|" + STR(1234567.5, 5) + "|" + STR(2.675, 6, 2) + "|" + STR(-0.004, 5, 2)
? TRANSFORM(1099511627776.5, "9,999,999,999,999.99")
* Currency is exact to its four decimals.
? $922337203685477.5807, -$0.00005, $1.23456 * 1
