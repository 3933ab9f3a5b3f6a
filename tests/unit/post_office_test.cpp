// The post office without the disk: profile text read and changed, where a
// message goes, its file name and bytes, and the counters it leaves.
#include <gtest/gtest.h>

#include <string>

#include "messaging/post_office.h"
#include "messaging/profile_text.h"

namespace tarvo {
namespace {

using namespace std::string_literals;

TEST(ProfileText, ReadsAsTheProfileFunctionsDo) {
    const std::string text =
        "top=before any header\r\n"
        "[Accounts]\r\n"
        "  smith = 1\r\n"
        "; a comment\r\n"
        "jones\r\n"
        "\r\n"
        "[ ROOT ]\n"
        "Dir = \"c:\\mail\" \n"
        "quoted='x'\n"
        "half=\"x\n"
        "[accounts]\n"
        "later=1\n";
    EXPECT_EQ(ProfileKeyNames(text, "ACCOUNTS"), (std::vector<std::string>{"smith", "jones"}));
    EXPECT_EQ(ProfileKeyNames(text, "missing"), std::vector<std::string>{});
    EXPECT_EQ(ProfileString(text, "root", "DIR"), "c:\\mail");
    EXPECT_EQ(ProfileString(text, "ROOT", "quoted"), "x");
    EXPECT_EQ(ProfileString(text, "ROOT", "half"), "\"x");
    EXPECT_EQ(ProfileString(text, "accounts", "jones"), "") << "a key without a value";
    EXPECT_EQ(ProfileString(text, "accounts", "later"), std::nullopt) << "only the first section";
    EXPECT_EQ(ProfileString(text, "", "top"), "before any header");
    EXPECT_EQ(ProfileString(text, "ROOT", "top"), std::nullopt);
    EXPECT_EQ(ProfileString("", "ROOT", "Dir"), std::nullopt);
}

TEST(ProfileText, WritesInPlace) {
    const std::string text = "[A]\r\nx=1\r\n\r\n[B]\r\ny = 2\r\n";
    EXPECT_EQ(WriteProfileString(text, "b", "Y", "3"), "[A]\r\nx=1\r\n\r\n[B]\r\ny=3\r\n");
    EXPECT_EQ(WriteProfileString(text, "A", "z", "4"), "[A]\r\nx=1\r\nz=4\r\n\r\n[B]\r\ny = 2\r\n");
    EXPECT_EQ(WriteProfileString(text, "C", "w", "5"), text + "[C]\r\nw=5\r\n");
    EXPECT_EQ(WriteProfileString("[A]\nx=1", "A", "y", "2"), "[A]\nx=1\r\ny=2\r\n");
    EXPECT_EQ(WriteProfileString("[A]\nx=1", "B", "y", "2"), "[A]\nx=1\r\n[B]\r\ny=2\r\n");
    EXPECT_EQ(WriteProfileString("", "A", "y", "2"), "[A]\r\ny=2\r\n");
    EXPECT_EQ(WriteProfileString("[A]\n[A]\nx=1\n", "A", "x", "2"), "[A]\nx=2\r\n[A]\nx=1\n")
        << "only the first section";
    // What is written reads back.
    std::string t;
    for (int i = 0; i < 5; ++i) t = WriteProfileString(t, "S" + std::to_string(i % 2), "k", std::to_string(i));
    EXPECT_EQ(ProfileString(t, "S0", "k"), "4");
    EXPECT_EQ(ProfileString(t, "S1", "k"), "3");
}

const std::string kOffice =
    "[ACCOUNTS]\r\nsmith=\r\njones=\r\n"
    "[SMITH]\r\nDir=smith\r\n"
    "[JONES]\r\nDir=jones\\in\r\n"
    "[ROOT]\r\nDir=c:\\post\r\n";

TEST(PostOffice, Delivery) {
    Delivery d = PlanDelivery(kOffice, "SMITH");
    EXPECT_EQ(d.outcome, "");
    EXPECT_EQ(d.directory, "c:\\post\\smith");
    EXPECT_EQ(d.number, 1) << "no SEQUENCING/next";
    EXPECT_EQ(PlanDelivery(kOffice, "BOB").outcome, "Destination BOB not found");
    // A part of an account name is found in SMITH;JONES, then has no directory.
    EXPECT_EQ(PlanDelivery(kOffice, "JON").outcome, "Post Office directory of JON not found");
    EXPECT_EQ(PlanDelivery(kOffice, "H;J").outcome, "Post Office directory of H;J not found");
    EXPECT_EQ(PlanDelivery(kOffice + "[JON]\r\nDir=j\r\n", "JON").directory, "c:\\post\\j");
    EXPECT_EQ(PlanDelivery(kOffice, "smith").outcome, "Destination smith not found")
        << "the caller upper-cases";
    EXPECT_EQ(PlanDelivery("[ACCOUNTS]\nsmith\n[SMITH]\nDir=s\n", "SMITH").outcome,
              "Root directory of the Post Office not found");
    EXPECT_EQ(PlanDelivery("", "X").outcome, "Destination X not found");
    EXPECT_EQ(PlanDelivery(kOffice + "[SEQUENCING]\r\nnext=41\r\n", "JONES").number, 42);
    EXPECT_EQ(PlanDelivery(kOffice + "[SEQUENCING]\r\nnext=many\r\n", "JONES").number, 1);
    EXPECT_EQ(PlanDelivery(kOffice + "[SEQUENCING]\r\nnext=123456789012345\r\n", "JONES").number,
              12345678902) << "11 characters are read";
}

// The account list is what fits 2048 bytes of key names.
TEST(PostOffice, AccountListIsCut) {
    std::string office = "[ROOT]\nDir=r\n[ACCOUNTS]\n";
    for (int i = 0; i < 300; ++i) office += "user" + std::to_string(1000 + i) + "\n";  // 8 + 1 each
    office += "[USER1226]\nDir=u\n[USER1227]\nDir=u\n";
    EXPECT_EQ(PlanDelivery(office, "USER1226").outcome, "");  // ends at 227 * 9 - 1 = 2042
    EXPECT_EQ(PlanDelivery(office, "USER1227").outcome, "Destination USER1227 not found");
    EXPECT_EQ(PlanDelivery(office, "USER12").outcome, "Post Office directory of USER12 not found");
}

TEST(PostOffice, NumbersAndCounters) {
    EXPECT_EQ(MessageFileName(42), "000000000042.msg");
    EXPECT_EQ(MessageFileName(1), "000000000001.msg");
    EXPECT_EQ(MessageFileName(1000000000000), "1000000000000.msg");
    std::string office = kOffice;
    for (int n = 1; n <= 3; ++n) {
        const Delivery d = PlanDelivery(office, "SMITH");
        EXPECT_EQ(d.number, n);
        office = RecordDelivery(office, d.number);
    }
    EXPECT_EQ(ProfileString(office, "SEQUENCING", "next"), "3");
    EXPECT_EQ(ProfileString(office, "MESSAGES", "counter"), "3");
    // The counter counts on from whatever it holds; next takes the number
    // used.
    office = RecordDelivery("[MESSAGES]\ncounter=x\n[SEQUENCING]\nnext=5\n", 9);
    EXPECT_EQ(ProfileString(office, "SEQUENCING", "next"), "9");
    EXPECT_EQ(ProfileString(office, "MESSAGES", "counter"), "1");
    EXPECT_EQ(CounterValue(" 12abc"), 12);
    EXPECT_EQ(CounterValue("-5"), -5);
    EXPECT_EQ(CounterValue(std::string(40, '9')), CounterValue(std::string(40, '9') + "9"));
}

TEST(PostOffice, MessageBytes) {
    EXPECT_EQ(MessageContent("SMITH", "jones", "2024-01-02  03:04:05", "Hi", "Note", "Body"),
              "SMITH\0jones\0" "2024-01-02  03:04:05\0Hi\0Note\0Body"s);
    // Empty subject, category and body: three zero bytes after the stamp.
    const std::string m = MessageContent("A", "b", "1999-02-03  09:05:00", "", "", "");
    EXPECT_EQ(m, "A\0b\0" "1999-02-03  09:05:00\0\0\0"s);
    EXPECT_EQ(MessageContent("A", "b\0c"s, "", "", "", "x").size(), 10u)
        << "fields keep their zero bytes";
}

TEST(PostOffice, BareNamesLieInTheWindowsDirectory) {
    EXPECT_TRUE(InWindowsDirectory("post.ini"));
    EXPECT_FALSE(InWindowsDirectory("c:post.ini"));
    EXPECT_FALSE(InWindowsDirectory(".\\post.ini"));
    EXPECT_FALSE(InWindowsDirectory("mail/post.ini"));
    EXPECT_FALSE(InWindowsDirectory("\\\\server\\share\\post.ini"));
}

}  // namespace
}  // namespace tarvo
