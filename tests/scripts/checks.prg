* Checking input, scrambling a password, conversions: the character tests,
* scrambling and checksums, number and unit conversions and geometry as a
* host program uses them.

* A form's input checked before it is saved.
DIMENSION cards(3)
cards(1) = "4111 1111 1111 1111"
cards(2) = "4111-1111-1111-1112"
cards(3) = "no number"
FOR EACH card IN cards
  ? card, IIF(STR_ISVALIDCREDITCARD(card), "valid", "invalid")
ENDFOR
code = "AB12"
? "code upper:", STR_ISUPPER(code, 1, 2), STR_ISUPPER(code)
? "digit at 3:", STR_ISCHARALPHANUMERIC(code, 3), STR_ISCHARALPHA(code, 3)
? "vowel first:", STR_ISVOWEL("Emil"), STR_ISCONSONANT("Emil")
? "same name:", STR_COMPARESTRINGS("Smith", "SMITH", 1) == 2

* A password kept scrambled in a variable, scrambled in place by reference.
password = "open sesame"
key = "a long key"
= STR_ENCRYP(@password, key)
? "stored:", password == "open sesame", LEN(password)
? "back:", STR_DECRYP(password, key)
= STR_DECRYP(@password, key)
? "in place:", password
price = 12
TRY
  = STR_ENCRYP(@price, key)
CATCH TO e
  ? "a number:", e.ErrorNo
ENDTRY

* Checksums and a character shift.
? "sums:", STR_ASCII("abc"), STR_ASCIISUM2("abc")
? "shift:", STR_ADDCOD(STR_ADDCOD("HAL", 1), -1), STR_ADDCOD("HAL", 1)

* Numbers as bytes, bits and texts.
? "bytes:", NUM_BINTOC(NUM_CTOBIN("WXYZ"))
? "bits:", NUM_BITTEST(6, 1), NUM_BITTEST(6, 0), NUM_BINHI(4660), NUM_BINLOW(4660)
? "texts:", NUM_HEXA(48879), NUM_HTOI("BEEF"), NUM_OCTAL(64), NUM_BINTONUM("11111111")

* The same seed, the same dice.
= NUM_INITRANDOM(2024)
throws = ""
FOR i = 1 TO 5
  throws = throws + STR(NUM_RANDOMINT() % 6 + 1, 1)
ENDFOR
= NUM_INITRANDOM(2024)
again = ""
FOR i = 1 TO 5
  again = again + STR(NUM_RANDOMINT() % 6 + 1, 1)
ENDFOR
? "dice:", throws == again, LEN(throws)

* A 100 m track in yards and a marathon in miles; a plot of land.
? MET_MTOYARD(100), MET_KMTOMILE(42.195)
? MET_FEETTOINCH(MET_YARDTOFEET(1)), MET_INCHTOCM(1)
? MTH_DISTANCE(0, 0, 30, 40), MTH_TRIANGLESURFACE(0, 0, 30, 0, 0, 40)
? MTH_FACTORIELLE(10)

* Notes kept in a memo field, shown scrambled without changing them.
CREATE CURSOR notes (title C(12), body M)
APPEND BLANK
REPLACE title WITH "diary", body WITH "met the bank manager"
APPEND BLANK
REPLACE title WITH "long", body WITH REPLICATE("0123456789", 7000)
GO 1
shown = STR_ENCRYP(@notes.body, key)
? notes.title, shown == body, LEN(shown), STR_DECRYP(shown, key)
GO BOTTOM
? LEN(STR_ENCRYP(@notes.body, key)), LEN(body)
TRY
  ? STR_ENCRYP(@notes.title, key)
CATCH TO e
  ? e.Message
ENDTRY
USE
