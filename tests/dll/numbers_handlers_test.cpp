// What the handlers of the character tests, number and unit conversions and
// geometry add to their plain functions: optional parameters, the locale's
// classes, result records (types, widths, decimals), the integer field of
// numeric parameters, the companion's geometry and the shared generator.
#include <cmath>
#include <string>

#include "dll_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

using NumberHandlerTest = DllTest;


TEST_F(NumberHandlerTest, CharacterTests) {
    EXPECT_FALSE(Logical("STR_ISUPPER", {Value::Char("ABc"), Value::Int(2)}));
    // The thread's locale (Windows-1252 here) knows the accented letters.
    EXPECT_TRUE(Logical("STR_ISCHARALPHA", {Value::Char("a\xE9"), Value::Int(2)}));
    EXPECT_TRUE(Logical("STR_ISCHARUPPER", {Value::Char("\xC9"), Value::Int(1)}));
    EXPECT_TRUE(Logical("STR_ISCHARLOWER", {Value::Char("\xE9"), Value::Int(1)}));
    EXPECT_FALSE(Logical("STR_ISCHARALPHANUMERIC", {Value::Char("a-"), Value::Int(2)}));

    EXPECT_EQ(Int("STR_COMPARESTRINGS", {Value::Char("a\0b"s), Value::Char("a\0c"s), Value::Int(0)}), 1)
        << "both texts over their full length";
    EXPECT_EQ(Int("STR_COMPARESTRINGS", {Value::Char("a"), Value::Char("a"), Value::Int(-1)}), 0)
        << "flags Windows refuses";
}

TEST_F(NumberHandlerTest, ConversionRecords) {
    run::Returned r = Record("NUM_BINTOC", {Value::Int(0x44434241)});
    EXPECT_EQ(r.type, 'H');
    EXPECT_EQ(r.value.text, "ABCD");
    EXPECT_EQ(Text("NUM_BINTOC", {Value::Int(0x4100)}), "") << "ends at the first zero byte";
    r = Record("MET_INCHTOCM", {Value::Num(1.5, 1)});
    EXPECT_EQ(r.type, 'N');
    EXPECT_EQ(r.width, 20);
    EXPECT_EQ(r.length, 8);
    EXPECT_EQ(r.value.number, 1.5 * static_cast<double>(2.54f)) << "the number, not its whole part";
}

TEST_F(NumberHandlerTest, GeometryThroughTheCompanion) {
    const std::initializer_list<Value> lines = {Value::Int(0), Value::Int(0), Value::Int(4), Value::Int(2),
                                                Value::Int(0), Value::Int(3), Value::Int(3), Value::Int(0)};
    EXPECT_EQ(One("MTH_X_INTERSECTION", lines).number, 2);
    EXPECT_EQ(One("MTH_Y_INTERSECTION", lines).number, 1);
    EXPECT_TRUE(std::isinf(One("MTH_PENTE", {Value::Int(1), Value::Int(1), Value::Int(1), Value::Int(5)}).number))
        << "a vertical line";
    // The factorial reads the integer field of its numeric parameter.
    run::Returned r = Record("MTH_FACTORIELLE", {Value::Num(-5.9, 1)});
    EXPECT_EQ(r.width, 20);
    EXPECT_EQ(r.length, 4);
    EXPECT_EQ(r.value.number, 120);
}

TEST_F(NumberHandlerTest, SharedRandomGenerator) {
    Outcome o = host.Call("NUM_INITRANDOM", {Value::Int(42)});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue());
    const std::int32_t first = Int("NUM_RANDOMINT", {});
    run::Returned r = Record("NUM_RANDOMDOUBLE", {});
    EXPECT_EQ(r.type, 'N');
    EXPECT_EQ(r.width, 20);
    EXPECT_EQ(r.length, 4);
    host.Call("NUM_INITRANDOM", {Value::Int(42)});
    EXPECT_EQ(Int("NUM_RANDOMINT", {}), first);
    EXPECT_DOUBLE_EQ(r.value.number, Int("NUM_RANDOMINT", {}) / 65535.0);
    o = host.Call("NUM_INITRANDOM", {});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue()) << "seeded from the clock";
    const std::int32_t n = Int("NUM_RANDOMINT", {});
    EXPECT_TRUE(n >= 0 && n <= 65535);
}

}  // namespace
}  // namespace tarvo::test
