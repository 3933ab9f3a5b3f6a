// The companion's small text routines: hexadecimal forms and left padding.
// All of them write into a buffer the caller sized as documented below and
// answer that buffer. Texts are single bytes; hexadecimal digits are written
// in upper case and read in either case.
#pragma once

#include <cstdint>

namespace knl {

// n in hexadecimal, without prefix or leading zeros ("0" for 0); a negative
// number is written as its 32-bit two's complement (-1 gives "FFFFFFFF").
// At most 9 bytes are written, terminator included.
char* NumToHex(char* buffer, std::int32_t n);

// Two digits for each of the first n bytes of text (zero bytes included),
// then a terminator: 2n + 1 bytes. n of 0 or below gives the empty text.
char* BytesToHex(const char* text, char* buffer, int n);

// The bytes spelt by the digit pairs among the first n characters of hex,
// then a terminator: at most n / 2 + 1 bytes. Reading stops at the first pair
// that is not two hexadecimal digits (so "41ZZ42" gives "A"), and at a zero
// byte inside the n characters; a last unpaired digit is ignored. A pair "00"
// gives a zero byte, which a caller reading a zero-terminated text sees as
// its end.
char* HexToBytes(const char* hex, char* buffer, int n);

// text right-aligned in a field of widthPlus1 - 1 characters, filled on the
// left with the low byte of pad (a pad of 0 pads with blanks, so that the
// result never ends early), then a terminator: widthPlus1 bytes. A text that
// is as long as the field or longer does not fit into the buffer; the buffer
// then gets its first widthPlus1 - 1 characters. widthPlus1 of 0 or below
// writes nothing.
char* PadLeft(const char* text, char* buffer, int widthPlus1, int pad);

}  // namespace knl
