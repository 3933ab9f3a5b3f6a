* The language's rules: literals, operators and their types, printing.
? "Numbers"
? 1 + 1, 1.25, 10 / 4, 1.5 * 1.5, 7 % 4 * 2, 2 ^ 10
? -7 % 3, 0.1 + 0.2, ROUND(2.675, 2), INT(-3.7), 123456789012
? $12.50, $12.50 * 2
?? " (currency)"

? "Text"
? "double" + 'single' + [brackets]
? "abc   " - "def" + "|"
? "b" $ "abc", "B" $ "abc"

? "Logical and null"
? .T., .F., NOT .T., .T. AND .F., .T. OR .F., .t. .and. .f., .NULL.
? .NULL. + 1, .F. AND .NULL., .T. OR .NULL., ISNULL(.NULL. = 1)

? "Dates"
d = {^2024-02-29}
t = {^2024-02-29 13:05:09}
? d, t, d + 1, {^2024-03-01} - d, t + 3600
SET CENTURY ON
? d
SET DATE BRITISH
? d, DTOC(d), DTOS(d)
SET DATE AMERICAN
SET CENTURY OFF
SET HOURS TO 24
? t
SET HOURS TO 12

? "Comparisons under SET EXACT"
SET EXACT OFF
? "abc" = "ab", "ab" = "abc", "ab" = "ab ", "ab" = "", "abc" == "ab"
SET EXACT ON
? "abc" = "ab", "ab" = "abc", "ab" = "ab ", "ab" = "", "abc" == "abc"
SET EXACT OFF

? "Types"
? VARTYPE(1), VARTYPE("x"), VARTYPE(d), VARTYPE(t), VARTYPE(.T.), VARTYPE($1), VARTYPE(.NULL.)
? TYPE("d"), TYPE("undefined"), TYPE("1 +")
