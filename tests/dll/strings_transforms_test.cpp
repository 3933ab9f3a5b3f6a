// The string transforms through the function table, called exactly as the
// host calls them.
#include <cstdint>
#include <string>
#include <vector>

#include "dll_test.h"
#include "without_companion.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

using TransformTest = DllTest;

// The text as one bit string (first byte most significant) rotated left by
// `bits`, bit by bit: an independent model of STR_SHL (STR_SHR is the
// rotation by -bits).
std::string RotateBits(const std::string& text, int bits) {
    const std::size_t n = text.size() * 8;
    if (n == 0) return text;
    std::vector<int> bit(n);
    for (std::size_t i = 0; i < n; ++i)
        bit[i] = (static_cast<unsigned char>(text[i / 8]) >> (7 - i % 8)) & 1;
    std::string out(text.size(), '\0');
    const long long shift = ((bits % static_cast<long long>(n)) + static_cast<long long>(n)) %
                            static_cast<long long>(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (bit[(i + static_cast<std::size_t>(shift)) % n])
            out[i / 8] = static_cast<char>(static_cast<unsigned char>(out[i / 8]) | (0x80 >> (i % 8)));
    }
    return out;
}

std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s.push_back(static_cast<char>(c));
    return s;
}

TEST_F(TransformTest, SignaturesAndAliases) {
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"STR_LEFT", "C,I"},   {"STR_RIGHT", "C,I"},    {"STR_TILLNULL", "C"},
        {"STR_PADL", "C,I,C"}, {"STR_HEXA", "C"},       {"STR_HTOS", "C"},
        {"STR_MAKE", "?"},     {"STR_REDUCE", "C,.C"},  {"STR_LTRIM", "C,C"},
        {"STR_CHRSWA", "C,C,C"}, {"STR_KEEP", "C,C"},   {"STR_EXCLUDE", "C,C"},
        {"STR_EXCLUD", "C,C"}, {"STR_DIONLY", "C,.C"},  {"STR_MIRROR", "C"},
        {"STR_REVERS", "C"},   {"STR_POKE", "C,I,I"},   {"STR_NULL", ""},
        {"STR_MIXUP", "C,I"},  {"STR_FSTDIG", "C"},     {"STR_SHL", "C,I"},
        {"STR_SHR", "C,I"},    {"STR_RELIN", "C"},      {"STR_RELOUT", "C"},
        {"STR_COMMA", "C,C"},  {"STR_PROPER", "C,C"},   {"STR_INTSTR", "I,.C"}};
    for (const auto& [name, types] : expected) {
        const run::FunctionInfo* f = host.Find(name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->types, types) << name;
        EXPECT_EQ(f->count, static_cast<std::int16_t>(f->params.size())) << name;
    }
    EXPECT_EQ(host.Find("STR_EXCLUD")->handler, host.Find("STR_EXCLUDE")->handler);
    EXPECT_EQ(host.Find("STR_REVERS")->handler, host.Find("STR_MIRROR")->handler);
    EXPECT_NE(host.Find("STR_SHL")->handler, host.Find("STR_SHR")->handler);
}

TEST_F(TransformTest, LeftAndRight) {
    auto left = [&](const std::string& t, int n) { return Text("STR_LEFT", {Value::Char(t), Value::Int(n)}); };
    auto right = [&](const std::string& t, int n) { return Text("STR_RIGHT", {Value::Char(t), Value::Int(n)}); };
    EXPECT_EQ(left("abcdef", 2), "ab");
    EXPECT_EQ(left("abcdef", 6), "abcdef");
    EXPECT_EQ(left("abcdef", 7), "abcdef");
    EXPECT_EQ(left("abcdef", 0x7FFFFFFF), "abcdef");
    EXPECT_EQ(left("abcdef", 0), "");
    EXPECT_EQ(left("abcdef", -1), "");
    EXPECT_EQ(left("", 3), "");
    EXPECT_EQ(right("abcdef", 2), "ef");
    EXPECT_EQ(right("abcdef", 6), "abcdef");
    EXPECT_EQ(right("abcdef", 99), "abcdef");
    EXPECT_EQ(right("abcdef", 0), "");
    EXPECT_EQ(right("abcdef", -5), "");
    EXPECT_EQ(right("", 1), "");
    // Zero bytes count as characters; the result ends at its first one.
    EXPECT_EQ(left("a\0bc"s, 3), "a");
    EXPECT_EQ(right("a\0bc"s, 2), "bc");
    EXPECT_EQ(right("a\0bc"s, 3), "");
    EXPECT_EQ(left("\xE9\xFF\x80"s, 2), "\xE9\xFF");
}

// Around the old 2048-character buffers, and the whole text.
TEST_F(TransformTest, LeftOfLongTexts) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text.push_back(static_cast<char>('a' + i % 26));
    for (int n : {1, 2048, 2049, 4999, 5000}) {
        EXPECT_EQ(Text("STR_LEFT", {Value::Char(text), Value::Int(n)}), text.substr(0, n)) << n;
        EXPECT_EQ(Text("STR_RIGHT", {Value::Char(text), Value::Int(n)}), text.substr(5000 - n)) << n;
    }
}

TEST_F(TransformTest, TillNull) {
    EXPECT_EQ(Text("STR_TILLNULL", {Value::Char("ab\0cd"s)}), "ab");
    EXPECT_EQ(Text("STR_TILLNULL", {Value::Char("\0cd"s)}), "");
    EXPECT_EQ(Text("STR_TILLNULL", {Value::Char("abc")}), "abc");
    EXPECT_EQ(Text("STR_TILLNULL", {Value::Char("")}), "");
}

TEST_F(TransformTest, PadLeft) {
    auto padl = [&](const std::string& t, int w, const std::string& pad) {
        return Text("STR_PADL", {Value::Char(t), Value::Int(w), Value::Char(pad)});
    };
    EXPECT_EQ(padl("abc", 6, "*"), "***abc");
    EXPECT_EQ(padl("abc", 4, "0"), "0abc");
    EXPECT_EQ(padl("", 3, "x"), "xxx");
    EXPECT_EQ(padl("abc", 5, "\xB7"), "\xB7\xB7" "abc");
    EXPECT_EQ(padl("abc", 5, "-+"), "--abc") << "the first character of pad";
    EXPECT_EQ(padl("ab", 4, ""), "  ab") << "the companion pads a zero with blanks";
    EXPECT_EQ(padl("abc", 3, "*"), "abc");
    // Longer than the width, or no width at all: the text unchanged.
    EXPECT_EQ(padl("abcdef", 3, "*"), "abcdef");
    EXPECT_EQ(padl("abc", 0, "*"), "abc");
    EXPECT_EQ(padl("abc", -4, "*"), "abc");
    EXPECT_EQ(padl("", 0, "*"), "");
    // The text ends at its first zero byte, as the companion reads it.
    EXPECT_EQ(padl("a\0bc"s, 3, "*"), "**a");
    std::string wide = padl("x", 3000, ".");
    EXPECT_EQ(wide, std::string(2999, '.') + "x");
}

TEST_F(TransformTest, Hexadecimal) {
    EXPECT_EQ(Text("STR_HEXA", {Value::Char("A\x01z")}), "41017A");
    EXPECT_EQ(Text("STR_HEXA", {Value::Char("")}), "");
    EXPECT_EQ(Text("STR_HEXA", {Value::Char("\0\xFF\x80\x7F"s)}), "00FF807F") << "every byte";
    EXPECT_EQ(Text("STR_HTOS", {Value::Char("414243")}), "ABC");
    EXPECT_EQ(Text("STR_HTOS", {Value::Char("6a6B")}), "jk");
    EXPECT_EQ(Text("STR_HTOS", {Value::Char("414")}), "A") << "an unpaired digit is ignored";
    EXPECT_EQ(Text("STR_HTOS", {Value::Char("41ZZ42")}), "A");
    EXPECT_EQ(Text("STR_HTOS", {Value::Char("E9FF80")}), "\xE9\xFF\x80");
    EXPECT_EQ(Text("STR_HTOS", {Value::Char("410042")}), "A");
    EXPECT_EQ(Text("STR_HTOS", {Value::Char("")}), "");
    // There and back for every code but 0.
    std::string all;
    for (int c = 1; c < 256; ++c) all.push_back(static_cast<char>(c));
    std::string hex = Text("STR_HEXA", {Value::Char(all)});
    EXPECT_EQ(hex.size(), 2 * all.size());
    EXPECT_EQ(Text("STR_HTOS", {Value::Char(hex)}), all);
}

// Without the companion its buffers stay zeroed: the empty text. A text that
// already fills its width never reaches the companion.
using TransformWithoutCompanion = WithoutCompanion<TransformTest>;

TEST_F(TransformWithoutCompanion, BuffersStayEmpty) {
    host.Unload();
    run::Host bare;
    std::string why;
    ASSERT_TRUE(bare.Load(BesideExe("TARVO.fll"), &why)) << why;
    auto text = [&](const char* name, std::initializer_list<Value> args) {
        Outcome o = bare.Call(name, args);
        EXPECT_EQ(o.error, 0) << name;
        EXPECT_EQ(o.returns.size(), 1u) << name;
        return o.value().text;
    };
    EXPECT_EQ(text("STR_HEXA", {Value::Char("AB")}), "");
    EXPECT_EQ(text("STR_HTOS", {Value::Char("4142")}), "");
    EXPECT_EQ(text("STR_PADL", {Value::Char("abc"), Value::Int(5), Value::Char("*")}), "");
    EXPECT_EQ(text("STR_PADL", {Value::Char("abcdef"), Value::Int(3), Value::Char("*")}), "abcdef");
    EXPECT_EQ(text("STR_REVERS", {Value::Char("abc")}), "cba") << "the rest does not need it";
    bare.Unload();
}

TEST_F(TransformTest, MakeByTypeLetter) {
    EXPECT_EQ(Text("STR_MAKE", {Value::Logical(true)}), "1");
    EXPECT_EQ(Text("STR_MAKE", {Value::Logical(false)}), "0");
    EXPECT_EQ(Text("STR_MAKE", {Value::Int(42)}), "42");
    EXPECT_EQ(Text("STR_MAKE", {Value::Int(-7)}), "-7");
    EXPECT_EQ(Text("STR_MAKE", {Value::Int(INT32_MIN)}), "-2147483648");
    EXPECT_EQ(Text("STR_MAKE", {Value::Date(2451545)}), "Should return a date");
    EXPECT_EQ(Text("STR_MAKE", {Value::DateTime(2451545.5)}), "Should return a datetime");
    EXPECT_EQ(Text("STR_MAKE", {Value::Null()}), ".NULL.");
    EXPECT_EQ(Text("STR_MAKE", {Value::Char("abc")}), "abc");
    EXPECT_EQ(Text("STR_MAKE", {Value::Char("")}), "");
    EXPECT_EQ(Text("STR_MAKE", {Value::Char("ab\0c"s)}), "ab");
    Value memo = Value::Char("memo text");
    memo.type = 'M';
    EXPECT_EQ(Text("STR_MAKE", {memo}), "<Memo>");
    Value general;
    general.type = 'G';
    EXPECT_EQ(Text("STR_MAKE", {general}), "<Gen>");
    Value object;
    object.type = 'O';
    object.integer = 5;
    EXPECT_EQ(Text("STR_MAKE", {object}), "Unknown data type");
    std::uint32_t var = host.NewVariable(Value::Int(1));
    Outcome byRef = host.Call("STR_MAKE", {run::ByRef(var)});
    EXPECT_EQ(byRef.error, 0);
    EXPECT_EQ(byRef.value().text, "Unknown data type") << "a locator is no value";

    // N: _fcvt's digits, with the decimals the value carries.
    EXPECT_EQ(Text("STR_MAKE", {Value::Num(3.14, 2)}), "314");
    EXPECT_EQ(Text("STR_MAKE", {Value::Num(-3.14, 2)}), "314") << "no sign";
    EXPECT_EQ(Text("STR_MAKE", {Value::Num(0.0063, 2)}), "1");
    EXPECT_EQ(Text("STR_MAKE", {Value::Num(0, 2)}), "00");
    EXPECT_EQ(Text("STR_MAKE", {Value::Num(0.4, 0)}), "");
    EXPECT_EQ(Text("STR_MAKE", {Value::Num(99.99, 1)}), "1000");
    EXPECT_EQ(Text("STR_MAKE", {Value::Num(123456789.0, 0)}), "123456789");
    EXPECT_EQ(Text("STR_MAKE", {Value::Num(1e40, 0)}).size(), 41u) << "never cut to 30 bytes";

    // Y: "$%d" of the low 32 bits of the currency field.
    EXPECT_EQ(Text("STR_MAKE", {Value::Currency(12345678)}), "$12345678");
    EXPECT_EQ(Text("STR_MAKE", {Value::Currency((std::int64_t{5} << 32) + 7)}), "$7");
    EXPECT_EQ(Text("STR_MAKE", {Value::Currency(0xFFFFFFFFll)}), "$-1");
    EXPECT_EQ(Text("STR_MAKE", {Value::Currency(-10000)}), "$-10000");
}

TEST_F(TransformTest, Reduce) {
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char("  a  b")}), " a b") << "runs of the first character";
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char("aab c")}), "ab c");
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char("aab  c")}), "ab  c");
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char("xxaxxbx"), Value::Char("x")}), "xaxbx");
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char("a--b---c"), Value::Char("-+")}), "a-b-c");
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char("")}), "");
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char(""), Value::Char("x")}), "");
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char("aa"), Value::Char("")}), "aa");
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char("\xE9\xE9\xE9z")}), "\xE9z");
}

TEST_F(TransformTest, LeftTrim) {
    EXPECT_EQ(Text("STR_LTRIM", {Value::Char("xxab"), Value::Char("x")}), "ab");
    EXPECT_EQ(Text("STR_LTRIM", {Value::Char("xxx"), Value::Char("x")}), "");
    EXPECT_EQ(Text("STR_LTRIM", {Value::Char("abx"), Value::Char("x")}), "abx");
    EXPECT_EQ(Text("STR_LTRIM", {Value::Char(""), Value::Char("x")}), "");
    EXPECT_EQ(Text("STR_LTRIM", {Value::Char("  a b "), Value::Char(" ")}), "a b ");
    EXPECT_EQ(Text("STR_LTRIM", {Value::Char("\0\0ab"s), Value::Char("")}), "ab")
        << "an empty char trims zero bytes";
    EXPECT_EQ(Text("STR_LTRIM", {Value::Char("\xFF\xFF" "a"), Value::Char("\xFF")}), "a");
}

TEST_F(TransformTest, SwapKeepExcludeDigits) {
    EXPECT_EQ(Text("STR_CHRSWA", {Value::Char("a.b.c"), Value::Char("."), Value::Char(",")}), "a,b,c");
    EXPECT_EQ(Text("STR_CHRSWA", {Value::Char(""), Value::Char("."), Value::Char(",")}), "");
    EXPECT_EQ(Text("STR_CHRSWA", {Value::Char("abc"), Value::Char("x"), Value::Char("y")}), "abc");
    EXPECT_EQ(Text("STR_CHRSWA", {Value::Char("a.b.c"), Value::Char("."), Value::Char("")}), "a")
        << "an empty to ends the result";
    EXPECT_EQ(Text("STR_CHRSWA", {Value::Char("\xE9t\xE9"), Value::Char("\xE9"), Value::Char("e")}), "ete");

    EXPECT_EQ(Text("STR_KEEP", {Value::Char("a1b2c3"), Value::Char("321")}), "123");
    EXPECT_EQ(Text("STR_KEEP", {Value::Char("a1b2c3"), Value::Char("")}), "");
    EXPECT_EQ(Text("STR_KEEP", {Value::Char("a\0b"s), Value::Char("b")}), "b");
    EXPECT_EQ(Text("STR_KEEP", {Value::Char("\x80z\xFF"), Value::Char("\xFF\x80")}), "\x80\xFF");
    for (const char* name : {"STR_EXCLUDE", "STR_EXCLUD"}) {
        EXPECT_EQ(Text(name, {Value::Char("a1b2c3"), Value::Char("12")}), "abc3") << name;
        EXPECT_EQ(Text(name, {Value::Char("abc"), Value::Char("")}), "abc") << name;
        EXPECT_EQ(Text(name, {Value::Char("a\0b"s), Value::Char("\0"s)}), "ab") << name;
        EXPECT_EQ(Text(name, {Value::Char("a\0b"s), Value::Char("x")}), "a") << name;
        EXPECT_EQ(Text(name, {Value::Char(""), Value::Char("x")}), "") << name;
    }
    EXPECT_EQ(Text("STR_DIONLY", {Value::Char("a1.2b3")}), "1.23");
    EXPECT_EQ(Text("STR_DIONLY", {Value::Char("-12,5e3"), Value::Char("ignored")}), "1253");
    EXPECT_EQ(Text("STR_DIONLY", {Value::Char("")}), "");
    EXPECT_EQ(Text("STR_DIONLY", {Value::Char("abc")}), "");
}

TEST_F(TransformTest, MirrorPokeAndEmptyResults) {
    for (const char* name : {"STR_MIRROR", "STR_REVERS"}) {
        EXPECT_EQ(Text(name, {Value::Char("abc")}), "cba") << name;
        EXPECT_EQ(Text(name, {Value::Char("")}), "") << name;
        EXPECT_EQ(Text(name, {Value::Char("a\0bc"s)}), "cb") << name;
        EXPECT_EQ(Text(name, {Value::Char("\x80\xFF")}), "\xFF\x80") << name;
    }
    auto poke = [&](const std::string& t, int n, int code) {
        return Text("STR_POKE", {Value::Char(t), Value::Int(n), Value::Int(code)});
    };
    EXPECT_EQ(poke("abc", 2, 'X'), "aXc");
    EXPECT_EQ(poke("abc", 1, 'X'), "Xbc");
    EXPECT_EQ(poke("abc", 3, 'X'), "abX");
    EXPECT_EQ(poke("abc", 2, 0), "a") << "code 0 cuts";
    EXPECT_EQ(poke("abc", 1, 0), "");
    EXPECT_EQ(poke("abc", 2, 256 + 'A'), "aAc") << "the low byte";
    EXPECT_EQ(poke("abc", 2, 200), "a\xC8" "c");
    EXPECT_EQ(poke("abc", 2, 256), "a");
    EXPECT_EQ(poke("abc", 0, 'X'), "abc");
    EXPECT_EQ(poke("abc", 4, 'X'), "abc");
    EXPECT_EQ(poke("abc", -1, 'X'), "abc");
    EXPECT_EQ(poke("", 1, 'X'), "");

    Outcome o = host.Call("STR_NULL", {});
    ASSERT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(o.returns[0].type, 'H');
    EXPECT_EQ(o.returns[0].length, 0);
    EXPECT_EQ(Text("STR_MIXUP", {Value::Char("abc"), Value::Int(5)}), "");
    o = host.Call("STR_FSTDIG", {Value::Char("123abc")});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue()) << "STR_FSTDIG returns nothing";
}

TEST_F(TransformTest, BitRotation) {
    auto shl = [&](const std::string& t, int bits) {
        Outcome o = host.Call("STR_SHL", {Value::Char(t), Value::Int(bits)});
        EXPECT_EQ(o.error, 0);
        EXPECT_EQ(o.returns.size(), 1u);
        return o;
    };
    auto shr = [&](const std::string& t, int bits) {
        Outcome o = host.Call("STR_SHR", {Value::Char(t), Value::Int(bits)});
        EXPECT_EQ(o.error, 0);
        EXPECT_EQ(o.returns.size(), 1u);
        return o;
    };
    Outcome o = shl(Bytes({0x81, 0x01}), 1);
    EXPECT_EQ(o.returns[0].type, 'C') << "a character value of its own length";
    EXPECT_EQ(o.returns[0].length, 2);
    EXPECT_EQ(o.value().text, Bytes({0x02, 0x03}));
    EXPECT_EQ(shr(Bytes({0x81, 0x01}), 1).value().text, Bytes({0xC0, 0x80}));
    // Zero bytes survive, leading and inside.
    o = shl(Bytes({0x00, 0x80}), 1);
    EXPECT_EQ(o.returns[0].length, 2);
    EXPECT_EQ(o.value().text, Bytes({0x01, 0x00}));
    EXPECT_EQ(shr(Bytes({0x01, 0x00, 0x00}), 1).value().text, Bytes({0x00, 0x80, 0x00}));
    // 0 leaves the text alone; 8 moves one whole byte; outside 0..8 too.
    const std::string abc = "abc";
    EXPECT_EQ(shl(abc, 0).value().text, abc);
    EXPECT_EQ(shl(abc, 8).value().text, "bca");
    EXPECT_EQ(shr(abc, 8).value().text, "cab");
    for (int bits : {-1, 9, 100, INT32_MIN}) {
        EXPECT_EQ(shl(abc, bits).value().text, abc) << bits;
        EXPECT_EQ(shr(abc, bits).value().text, abc) << bits;
    }
    o = shl("", 3);
    EXPECT_EQ(o.returns[0].type, 'C');
    EXPECT_EQ(o.returns[0].length, 0);
    EXPECT_EQ(o.value().text, "");
    // Against the bit-by-bit model, every count, one byte and several.
    for (const std::string text : {Bytes({0xA5}), Bytes({0x00, 0xFF, 0x81, 0x7E, 0x10}),
                                   std::string("The quick brown fox\0\x01\xFE", 22)}) {
        for (int bits = 1; bits <= 8; ++bits) {
            std::string left = shl(text, bits).value().text;
            EXPECT_EQ(left, RotateBits(text, bits)) << bits;
            EXPECT_EQ(shr(text, bits).value().text, RotateBits(text, -bits)) << bits;
            EXPECT_EQ(shr(left, bits).value().text, text) << "there and back, " << bits;
        }
    }
}

TEST_F(TransformTest, RunLengthPacking) {
    const std::string tenX = std::string(10, 'x') + "yz";
    const std::string packed = Bytes({1, 38}) + "xyz";
    EXPECT_EQ(Text("STR_RELIN", {Value::Char(tenX)}), packed);
    EXPECT_EQ(Text("STR_RELOUT", {Value::Char(packed)}), tenX);
    EXPECT_EQ(Text("STR_RELIN", {Value::Char("aaab")}), "aaab") << "three stay as they are";
    EXPECT_EQ(Text("STR_RELIN", {Value::Char("aaaab")}), Bytes({1, 32}) + "ab");
    EXPECT_EQ(Text("STR_RELIN", {Value::Char("")}), "");
    EXPECT_EQ(Text("STR_RELOUT", {Value::Char("")}), "");
    // The longest run, and one more.
    EXPECT_EQ(Text("STR_RELIN", {Value::Char(std::string(226, 'q'))}), Bytes({1, 254}) + "q");
    EXPECT_EQ(Text("STR_RELIN", {Value::Char(std::string(227, 'q'))}), Bytes({1, 254}) + "q" + "q");
    EXPECT_EQ(Text("STR_RELIN", {Value::Char(std::string(230, 'q'))}),
              Bytes({1, 254}) + "q" + Bytes({1, 32}) + "q");
    // Unpacking: a count below 29 writes nothing; a cut-off triple is copied.
    EXPECT_EQ(Text("STR_RELOUT", {Value::Char(Bytes({'a', 1, 28, 'x', 'b'}))}), "ab");
    EXPECT_EQ(Text("STR_RELOUT", {Value::Char(Bytes({'a', 1, 5, 'x', 'b'}))}), "ab");
    EXPECT_EQ(Text("STR_RELOUT", {Value::Char(Bytes({'a', 1, 29, 'x'}))}), "ax");
    EXPECT_EQ(Text("STR_RELOUT", {Value::Char(Bytes({'a', 1, 40}))}), Bytes({'a', 1, 40}));
    EXPECT_EQ(Text("STR_RELOUT", {Value::Char(Bytes({1, 255, 0xE9}))}), std::string(227, '\xE9'));
    // There and back for texts without the bytes 0 and 1.
    std::string mixed;
    for (int run = 1; run < 600; run += 37) mixed += std::string(run, static_cast<char>('A' + run % 50)) + "\xFE";
    std::string relin = Text("STR_RELIN", {Value::Char(mixed)});
    EXPECT_LT(relin.size(), mixed.size());
    EXPECT_EQ(Text("STR_RELOUT", {Value::Char(relin)}), mixed);
}

TEST_F(TransformTest, DigitGrouping) {
    auto comma = [&](const std::string& n, const std::string& style) {
        return Text("STR_COMMA", {Value::Char(n), Value::Char(style)});
    };
    EXPECT_EQ(comma("1234567.891", "."), "1,234,567.891");
    EXPECT_EQ(comma("1234567.891", ","), "1.234.567,891");
    EXPECT_EQ(comma("123456", "."), "123,456");
    EXPECT_EQ(comma("12", "."), "12");
    EXPECT_EQ(comma("123", "."), "123");
    EXPECT_EQ(comma("1234", ""), "1,234") << "anything but a comma is the point style";
    EXPECT_EQ(comma("-123456", "."), "-,123,456") << "the sign counts as a digit";
    EXPECT_EQ(comma("", "."), "");
    EXPECT_EQ(comma(".5", ","), ",5");
    // No limit of 50 characters.
    const std::string sixty(60, '9');
    std::string grouped = comma(sixty, ".");
    EXPECT_EQ(grouped.size(), 60u + 19u);
    EXPECT_EQ(grouped.substr(0, 8), "999,999,");
    // Parameter 1 that is not a character value: no answer at all.
    Outcome o = host.Call("STR_COMMA", {run::ByValue(Value::Int(1234)), run::ByValue(Value::Char("."))},
                          false);
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue());
}

TEST_F(TransformTest, ProperCase) {
    auto proper = [&](const std::string& t, const std::string& d) {
        return Text("STR_PROPER", {Value::Char(t), Value::Char(d)});
    };
    EXPECT_EQ(proper("hello world", " "), "Hello World");
    EXPECT_EQ(proper("hello \\world", " "), "Hello world") << "the backslash keeps the case";
    EXPECT_EQ(proper("HELLO WORLD", " "), "Hello World");
    EXPECT_EQ(proper("abc def", ""), "Abc def") << "the terminator still counts";
    EXPECT_EQ(proper("a-b c", "- "), "A-B C");
    EXPECT_EQ(proper("", " "), "");
    EXPECT_EQ(proper("\\a\\B", " "), "aB");
    EXPECT_EQ(proper("\xE9t\xC9 \xE9t\xC9", " "), "\xE9t\xC9 \xE9t\xC9") << "only a-z and A-Z change";
}

TEST_F(TransformTest, TextSlots) {
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(2), Value::Char("two")}), "");
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(2), Value::Char("deux")}), "two");
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(2)}), "deux") << "no text: read only";
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(2)}), "deux");
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(1)}), "") << "slots are separate";
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(3), Value::Char("three")}), "");
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(3), Value::Char("")}), "three");
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(3)}), "");
    // A bad slot answers nothing and stores nothing.
    for (int bad : {0, 4, -1}) {
        Outcome o = host.Call("STR_INTSTR", {Value::Int(bad), Value::Char("x")});
        EXPECT_EQ(o.error, 0);
        EXPECT_FALSE(o.hasValue()) << bad;
    }
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(1)}), "");
    // At most 255 characters are kept.
    const std::string long300(300, 'L');
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(1), Value::Char(long300)}), "");
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(1), Value::Char(std::string(255, 'k'))}), std::string(255, 'L'));
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(1)}), std::string(255, 'k'));
}

}  // namespace
}  // namespace tarvo::test
