* LZH_ENCODE and LZH_DECODE through the host: files in, files out.
text = ""
FOR i = 1 TO 300
  text = text + "Line " + TRANSFORM(i % 7) + " of a text that repeats itself." + CHR(13) + CHR(10)
ENDFOR
=STRTOFILE(text, "plain.txt")
? "Encode:"
=LZH_ENCODE("plain.txt", "packed.lzh")
? "Decode:"
=LZH_DECODE("packed.lzh", "back.txt")
? "Same bytes:", FILETOSTR("back.txt") == text
? "Packed is smaller:", LEN(FILETOSTR("packed.lzh")) < LEN(text)
? "Header holds the size:", ASC(SUBSTR(FILETOSTR("packed.lzh"), 1, 1)) + 256 * ASC(SUBSTR(FILETOSTR("packed.lzh"), 2, 1)) = LEN(text)
=STRTOFILE("", "empty.txt")
=LZH_ENCODE("empty.txt", "empty.lzh")
? "An empty file packs to", LEN(FILETOSTR("empty.lzh")), "bytes"
=LZH_ENCODE("missing.txt", "made.lzh")
? "A missing input still creates the output:", FILE("made.lzh"), LEN(FILETOSTR("made.lzh"))
