// Root key names, how each registry type reads, what host values write.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "system/registry_values.h"

namespace tarvo {
namespace {

using namespace std::string_literals;

TEST(RegistryValues, RootNamesWithoutRegardToCase) {
    EXPECT_EQ(RootKeyOf("HKEY_CLASSES_ROOT"), 0x80000000u);
    EXPECT_EQ(RootKeyOf("hkey_current_user"), 0x80000001u);
    EXPECT_EQ(RootKeyOf("Hkey_Local_Machine"), 0x80000002u);
    EXPECT_EQ(RootKeyOf("HKEY_USERS"), 0x80000003u);
    EXPECT_EQ(RootKeyOf("HKEY_PERFORMANCE_DATA"), 0x80000004u);
    EXPECT_EQ(RootKeyOf("HKEY_CURRENT_CONFIG"), 0x80000005u);
    EXPECT_EQ(RootKeyOf("HKEY_DYN_DATA"), 0x80000006u);
    for (const char* no : {"HKCU", "", "HKEY_CURRENT_USER ", "HKEY_CURRENT_USER\\Software",
                           "HKEY_CURRENT_USE", "HKEY_\xC3USERS"})
        EXPECT_EQ(RootKeyOf(no), 0u) << no;
    EXPECT_EQ(RootKeyOf("HKEY_USERS\0"s), 0u);  // the whole text counts
}

TEST(RegistryValues, EveryTypeReadsOneWay) {
    struct Case {
        std::uint32_t type;
        ValueReading::Kind kind;
        const char* message;
        std::int32_t error;
    };
    const Case cases[] = {
        {0, ValueReading::kEmpty, nullptr, 4},
        {1, ValueReading::kText, nullptr, kRegNothingRecorded},
        {2, ValueReading::kText, nullptr, kRegNothingRecorded},
        {3, ValueReading::kRefused, "TARVO cannot handle binary values", 7},
        {4, ValueReading::kNumber, nullptr, 8},
        {5, ValueReading::kRefused, "TARVO cannot handle Big Endian values", 9},
        {6, ValueReading::kRefused, "TARVO cannot handle Link values", 10},
        {7, ValueReading::kRefused, "TARVO cannot handle Multi SZ values", 11},
        {8, ValueReading::kRefused, "TARVO cannot handle Resource List values", 12},
        {9, ValueReading::kEmpty, nullptr, 13},
        {10, ValueReading::kEmpty, nullptr, 14},
        {11, ValueReading::kEmpty, nullptr, 14},
        {0xFFFFFFFFu, ValueReading::kEmpty, nullptr, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const ValueReading r = ReadingOf(c.type);
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.enumError, c.error);
        if (c.message) {
            EXPECT_STREQ(r.message, c.message);
        }
    }
}

TEST(RegistryValues, HostValuesToData) {
    AnyValue text;
    text.type = 'C';
    text.text = "abc";
    EXPECT_TRUE(DataOf(text).storable);
    EXPECT_EQ(DataOf(text).type, 1u);
    EXPECT_EQ(DataOf(text).bytes, "abc\0"s);

    AnyValue integer;
    integer.type = 'I';
    integer.integer = 300;
    EXPECT_EQ(DataOf(integer).type, 4u);
    EXPECT_EQ(DataOf(integer).bytes, "\x2C\x01\0\0"s);

    AnyValue number;
    number.type = 'N';
    const std::pair<double, std::int32_t> numbers[] = {
        {2.9, 2}, {-2.9, -2}, {1e300, 2147483647}, {-1e300, -2147483647 - 1},
        {std::numeric_limits<double>::quiet_NaN(), 0}, {-0.0, 0}};
    for (const auto& [n, stored] : numbers) {
        number.number = n;
        EXPECT_EQ(DataOf(number).type, 4u) << n;
        EXPECT_EQ(ValueNumber(DataOf(number).bytes), stored) << n;
    }
    for (char other : {'L', 'D', 'T', 'Y', '0', 'O', 'G'}) {
        AnyValue v;
        v.type = other;
        EXPECT_FALSE(DataOf(v).storable) << other;
    }
}

}  // namespace
}  // namespace tarvo
