// The settings record's field table, the item answers, the settings cache
// and the default printer entry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <variant>

#include "printers/cache.h"
#include "printers/device_entry.h"
#include "printers/settings_fields.h"

namespace tarvo {
namespace {

using Answer = std::variant<std::string, std::int32_t>;

// A record with a name, a form and a distinct value in each number field.
struct Record {
    unsigned char bytes[kSettingsRecordSize] = {};
    Record() {
        std::memcpy(bytes, "Laser", 6);
        std::memcpy(bytes + 70, "A4", 3);
        for (std::int32_t item = 2; item <= 32; ++item) {
            const SettingsField& f = *FieldOfItem(item);
            if (f.kind == FieldKind::Text) continue;
            const std::int32_t v = item == 7 ? -2 : item == 2 ? 0xFFFE : item * 100;
            std::memcpy(bytes + f.offset, &v, f.kind == FieldKind::Integer32 ? 4 : 2);
        }
    }
};

TEST(PrinterFields, TableFollowsTheRecordAndReadsByKind) {
    EXPECT_EQ(FieldOfItem(0), nullptr);
    EXPECT_EQ(FieldOfItem(33), nullptr);
    for (std::int32_t item = 2; item <= 32; ++item) {
        const SettingsField& f = *FieldOfItem(item), &before = *FieldOfItem(item - 1);
        EXPECT_EQ(f.item, item);
        const int width = before.kind == FieldKind::Text ? 32 : before.kind == FieldKind::Integer32 ? 4 : 2;
        EXPECT_EQ(f.offset, before.offset + width) << item;
    }
    EXPECT_EQ(FieldOfItem(32)->offset + 4 + 8, static_cast<int>(kSettingsRecordSize));  // panning fields follow
    Record r;
    EXPECT_EQ(ReadField(r.bytes, *FieldOfItem(1)), Answer("Laser"));
    EXPECT_EQ(ReadField(r.bytes, *FieldOfItem(20)), Answer("A4"));
    EXPECT_EQ(ReadField(r.bytes, *FieldOfItem(2)), Answer(0xFFFE));  // unsigned
    EXPECT_EQ(ReadField(r.bytes, *FieldOfItem(7)), Answer(-2));      // signed
    EXPECT_EQ(ReadField(r.bytes, *FieldOfItem(21)), Answer(2100));
    EXPECT_EQ(ReadField(r.bytes, *FieldOfItem(22)), Answer(2200));
}

TEST(PrinterFields, WritesTheLowBitsOfWritableFieldsOnly) {
    Record r;
    EXPECT_FALSE(WriteField(r.bytes, *FieldOfItem(3), 9));
    EXPECT_FALSE(WriteField(r.bytes, *FieldOfItem(20), 9));
    EXPECT_EQ(ReadNumber(r.bytes, *FieldOfItem(3)), 300);
    EXPECT_TRUE(WriteField(r.bytes, *FieldOfItem(7), 0x12345));
    EXPECT_EQ(ReadNumber(r.bytes, *FieldOfItem(7)), 0x2345);
    EXPECT_EQ(ReadNumber(r.bytes, *FieldOfItem(8)), 800);  // its neighbour untouched
    EXPECT_TRUE(WriteField(r.bytes, *FieldOfItem(24), -7));
    EXPECT_EQ(ReadNumber(r.bytes, *FieldOfItem(24)), -7);
}

TEST(PrinterFields, ItemAnswersAndMessages) {
    Record r;
    PrinterTexts t;
    for (int i = 0; i < 11; ++i) t.text[i] = "t" + std::to_string(i);
    t.text[0].clear();  // a local printer has no server name
    EXPECT_EQ(ItemAnswer(1003, r.bytes, t), Answer("t3"));
    EXPECT_EQ(ItemAnswer(1000, r.bytes, t), Answer(""));
    EXPECT_EQ(ItemAnswer(12, r.bytes, t), Answer(1200));
    EXPECT_EQ(ItemAnswer(5000, r.bytes, t),
              Answer("-2,800,900,1000,1100,1200,1300,1400,1500,1600,1700,1800,1900"));
    EXPECT_EQ(ItemAnswer(5001, r.bytes, t), Answer("Laser,,t1,t2,t3,t4,t5,t6,t7,t8,t9,t10"));
    EXPECT_EQ(ItemAnswer(9000, r.bytes, t), Answer("TARVO : all settings not supported yet"));
    for (std::int32_t item : {0, 33, 999, 1011, -1, 5002})
        EXPECT_EQ(ItemAnswer(item, r.bytes, t), Answer("TARVO : information not supported")) << item;
}

TEST(PrinterFields, NameListsJoinUpToTheEmptyName) {
    EXPECT_EQ(JoinNameList(nullptr), "");
    EXPECT_EQ(JoinNameList("\0"), "");
    EXPECT_EQ(JoinNameList("a.dll\0b.hlp\0\0c.dll\0"), "a.dll;b.hlp");
}

TEST(PrinterCache, KeepsFieldsUpToTheTrueTypeOption) {
    ResetPrinterCache();
    EXPECT_EQ(PrnDevice(), "");
    EXPECT_EQ(CachedField<kItemOrientation>(), 0);
    Record r;
    std::memset(r.bytes, 'x', 32);  // a name without its zero
    CacheSettings(r.bytes, sizeof r.bytes);
    EXPECT_EQ(PrnDevice(), std::string(31, 'x'));
    EXPECT_EQ(CachedField<kItemSpecVersion>(), 0xFFFE);
    EXPECT_EQ(CachedField<kItemTrueType>(), 1800);
    const unsigned char* cached = SharedPrinterCache().record;
    EXPECT_EQ(ReadNumber(cached, *FieldOfItem(19)), 0);  // collate and beyond stay zero
    EXPECT_EQ(ReadField(cached, *FieldOfItem(20)), Answer(""));
    ResetPrinterCache();
    CacheSettings(r.bytes, 46);  // a record that ends after the orientation
    EXPECT_EQ(CachedField<kItemOrientation>(), -2);
    EXPECT_EQ(CachedField<kItemPaperSize>(), 0);
    ResetPrinterCache();
}

TEST(PrinterCache, SettersAnswerTheOldValueAndKeepSixteenBits) {
    ResetPrinterCache();
    EXPECT_EQ(CachedSetting<kItemOrientation>(Opt<std::int32_t>{}), 0);
    EXPECT_EQ(CachedSetting<kItemOrientation>(Given(2)), 0);
    EXPECT_EQ(CachedSetting<kItemOrientation>(Given(0x10003)), 2);
    EXPECT_EQ(CachedField<kItemOrientation>(), 3);
    EXPECT_EQ(PrnResolu(Given(300)), 0);
    EXPECT_EQ(CachedField<kItemQuality>(), 300);
    EXPECT_EQ(PrnResolu(Opt<std::int32_t>{}), 300);
    CacheName(SharedPrinterCache().printer, std::string(80, 'p').c_str());
    EXPECT_EQ(PrnName(), std::string(51, 'p'));
    ResetPrinterCache();
}

TEST(PrinterEntry, SplitsAsStrtokAndNamesTheDriverFile) {
    auto e = SplitDeviceEntry("Laser 5,wineps.drv,CUPS:Laser", ",", ", ");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->device, "Laser 5");
    EXPECT_EQ(e->driver, "wineps.drv");
    EXPECT_EQ(e->port, "CUPS:Laser");
    e = SplitDeviceEntry(",,Laser,, winspool ,LPT1:", ",", ", ");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->device, "Laser");
    EXPECT_EQ(e->driver, "winspool");
    EXPECT_EQ(e->port, "LPT1:");
    EXPECT_FALSE(SplitDeviceEntry("Laser,winspool", ",", ","));
    EXPECT_FALSE(SplitDeviceEntry("", ",", ","));
    EXPECT_EQ(DriverFile("winspool", 16), "winspool.drv");
    EXPECT_EQ(DriverFile("elevenchars", 16), "elevenchars.drv");
    EXPECT_EQ(DriverFile("twelve_chars", 16), "");
}

}  // namespace
}  // namespace tarvo
