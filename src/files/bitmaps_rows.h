// Rows of bitmap file headers.
FAMILY(Bitmaps, "Files: bitmap file headers",
       "Windows bitmap files (a 14-byte file header \"BM\", then an information header): a "
       "signature test, and a header read that keeps width, height, bits per pixel and "
       "colours for four small functions. Files are opened for reading, shared for reading "
       "and writing, and always closed again.")
// A 3 x 2 bitmap of 24 bits per pixel, with the information header of 40
// bytes, written by the examples.
#define BITMAP_3X2                                                                    \
    "h = 'BM' + CHR(78) + REPLICATE(CHR(0), 7) + CHR(54) + REPLICATE(CHR(0), 3)\n"    \
    "i = CHR(40) + REPLICATE(CHR(0), 3) + CHR(3) + REPLICATE(CHR(0), 3) + CHR(2) + "  \
    "REPLICATE(CHR(0), 3) + CHR(1) + CHR(0) + CHR(24) + REPLICATE(CHR(0), 25)\n"      \
    "=STRTOFILE(h + i + REPLICATE(CHR(0), 24), 'a.bmp')\n"
// One of the four values of the last successful BMP_HEADER: the member that
// holds it, what it is, its range and what the 3 x 2 bitmap gives.
#define BITMAP_VALUE_ROW(name, field, what, range, shown)                                   \
    ROW(name, "", DOC(.summary = "The " what " of the last bitmap BMP_HEADER took.",         \
                      .returns = "I",                                                        \
                      .result = range "; -1 before any BMP_HEADER. A failed BMP_HEADER "     \
                                "sets width and height to -1 and leaves the others.",        \
                      .example = BITMAP_3X2 "? " name "(), BMP_HEADER('a.bmp'), " name "()", \
                      .output = "        -1          0" shown),                              \
        Fn<KeptBitmapValue<&BitmapValues::field>>)
ROW("BMP_ISBMP", "C", DOC(
    .summary = "Whether a file begins like a bitmap file.",
    .params = "cFile: the file",
    .returns = "L",
    .result = ".T. when the file has 14 bytes or more and begins with \"BM\"; .F. "
              "for a missing file or one shorter than 14 bytes.",
    .example = BITMAP_3X2 "=STRTOFILE('BM', 'short.bmp')\n"
               "? BMP_ISBMP('a.bmp'), BMP_ISBMP('short.bmp'), BMP_ISBMP('missing.bmp')",
    .output = ".T. .F. .F."), Fn<BmpIsBmp>)
ALIAS("ISBITMAPFILE", "BMP_ISBMP")
ROW("BMP_HEADER", "C", DOC(
    .summary = "Reads a bitmap file's headers and keeps its width, height, bits per pixel "
               "and colours for BMP_WIDTH, BMP_HEIGHT, BMP_BITS and BMP_COLORS.",
    .params = "cFile: the bitmap file",
    .returns = "I",
    .result = "0 when the values were kept; -1 when the file cannot be opened; -2 when it "
              "holds fewer than 14 bytes; -3 when it does not begin with \"BM\"; -4 when it "
              "holds less than its file header's size field announces, or that field is "
              "below 14; -5 when the information header's size is below 12 or 13 to 15, or "
              "the announced size is too short for the fields it names (26 bytes for the "
              "core header of 12, 30 for the others).",
    .notes = "Width and height go back to -1 at every call and take the file's values only "
             "when it answers 0; bits and colours change only then. Width and height are "
             "the low 16 bits of the information header's fields, unsigned: a "
             "top-down bitmap of height -480 gives 65056. Colours are 256 for 24 bits and "
             "2 to the power of the bits modulo 32 otherwise (32 bits give 1). The file is "
             "gone through to the announced size without being held in memory.",
    .example = BITMAP_3X2
               "? BMP_HEADER('a.bmp'), BMP_WIDTH(), BMP_HEIGHT(), BMP_BITS(), BMP_COLORS()\n"
               "? BMP_HEADER('missing.bmp'), BMP_WIDTH(), BMP_BITS()",
    .output = "         0          3          2         24        256\n"
              "        -1         -1         24"), Fn<BmpHeader>)
ALIAS("READBITMAPHEADER", "BMP_HEADER")
BITMAP_VALUE_ROW("BMP_WIDTH", width, "width", "The width in pixels", "          3")
ALIAS("GETBITMAPWIDTH", "BMP_WIDTH")
BITMAP_VALUE_ROW("BMP_HEIGHT", height, "height",
                 "The height in pixels (a top-down bitmap's as an unsigned 16-bit number)",
                 "          2")
ALIAS("GETBITMAPHEIGHT", "BMP_HEIGHT")
BITMAP_VALUE_ROW("BMP_BITS", bits, "bits per pixel",
                 "1, 4, 8, 16, 24 or 32 (whatever the header says)", "         24")
BITMAP_VALUE_ROW("BMP_COLORS", colors, "number of colours",
                 "256 for 24 bits per pixel, otherwise 2 to the power of the bits modulo 32 "
                 "(2, 16, 256, 65536; 32 bits give 1)", "        256")
#undef BITMAP_3X2
#undef BITMAP_VALUE_ROW
