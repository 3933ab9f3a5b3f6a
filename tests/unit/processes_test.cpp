// The task and process lists as texts, and NE module names.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "system/processes.h"

namespace tarvo {
namespace {

using namespace std::string_literals;

TEST(ProcessLists, TaskListCutAt1024) {
    EXPECT_EQ(CutTaskList(""), "");
    EXPECT_EQ(CutTaskList("One^"), "One");
    EXPECT_EQ(CutTaskList("One^Two^"), "One^Two");
    EXPECT_EQ(CutTaskList("^"), "");  // a window without a title
    // Titles of 199 characters: five end before offset 1023, the sixth does not.
    std::string titles;
    for (char c = 'a'; c <= 'f'; ++c) titles += std::string(199, c) + "^";
    EXPECT_EQ(CutTaskList(titles), titles.substr(0, 5 * 200 - 1));
    // A "^" exactly at offset 1023 still counts; one at 1024 does not.
    EXPECT_EQ(CutTaskList(std::string(1023, 'x') + "^y^").size(), 1023u);
    EXPECT_EQ(CutTaskList("a^" + std::string(1022, 'x') + "^"), "a");
}

TEST(ProcessLists, NamesKindsAndFilters) {
    std::vector<ProcessRecord> ps = {{12, true, "EXPLORER.EXE", std::nullopt},
                                     {-7, false, "KRNL386.EXE", std::string("KERNEL")},
                                     {99, false, "WINOLDAP.MOD", std::nullopt}};
    EXPECT_EQ(ProcessList(ps, 0), "EXPLORER.EXE(32-bit)^KERNEL(16-bit)^WINOLDAP.MOD(16-bit)");
    EXPECT_EQ(ProcessList(ps, 32), "EXPLORER.EXE");
    EXPECT_EQ(ProcessList(ps, 16), "KERNEL^WINOLDAP.MOD");
    EXPECT_EQ(ProcessList(ps, 64), "");
    EXPECT_EQ(ProcessIdList(ps), "12^-7^99");
    EXPECT_EQ(ProcessList({}, 0), "");
    EXPECT_EQ(ProcessIdList({}), "");
    EXPECT_EQ(ProcessList({ps[0]}, 0), "EXPLORER.EXE(32-bit)");
    // A 32-bit program is listed by its module even with an NE name at hand.
    EXPECT_EQ(ProcessName({1, true, "A.EXE", std::string("X")}), "A.EXE");
    EXPECT_EQ(ProcessName({1, false, "A.EXE", std::string("")}), "");
}

std::string NeFile(std::uint32_t neAt, std::uint16_t table, const std::string& name,
                   std::size_t padTo = 0) {
    std::string f(neAt + table + 1 + name.size(), '\0');
    f[0] = 'M';
    f[1] = 'Z';
    for (int i = 0; i < 4; ++i) f[0x3C + i] = static_cast<char>(neAt >> (8 * i));
    f[neAt] = 'N';
    f[neAt + 1] = 'E';
    f[neAt + 0x26] = static_cast<char>(table);
    f[neAt + 0x27] = static_cast<char>(table >> 8);
    f[neAt + table] = static_cast<char>(name.size());
    f.replace(neAt + table + 1, name.size(), name);
    if (f.size() < padTo) f.resize(padTo, '\0');
    return f;
}

TEST(ProcessLists, NeModuleName) {
    EXPECT_EQ(NeModuleName(NeFile(0x80, 0x40, "KERNEL")), "KERNEL");
    EXPECT_EQ(NeModuleName(NeFile(0x80, 0x40, "")), "");
    EXPECT_EQ(NeModuleName(NeFile(0x80, 0x40, std::string(255, 'N'))), std::string(255, 'N'));
    EXPECT_EQ(NeModuleName(NeFile(0x80, 0x40, "AB\0CD"s)), "AB");

    std::string notMz = NeFile(0x80, 0x40, "KERNEL");
    notMz[0] = 'P';
    EXPECT_EQ(NeModuleName(notMz), std::nullopt);
    std::string pe = NeFile(0x80, 0x40, "KERNEL");
    pe[0x81] = 'X';  // "NX": a PE or LE file
    EXPECT_EQ(NeModuleName(pe), std::nullopt);
    // Offsets that lead outside the file give no name, never a read beyond it.
    std::string cut = NeFile(0x80, 0x40, "KERNEL");
    EXPECT_EQ(NeModuleName(cut.substr(0, cut.size() - 1)), std::nullopt);
    EXPECT_EQ(NeModuleName(cut.substr(0, 0x81)), std::nullopt);
    EXPECT_EQ(NeModuleName(cut.substr(0, 0x3E)), std::nullopt);
    EXPECT_EQ(NeModuleName("MZ"), std::nullopt);
    std::string far = NeFile(0x80, 0x40, "KERNEL");
    for (int i = 0; i < 4; ++i) far[0x3C + i] = '\xFF';
    EXPECT_EQ(NeModuleName(far), std::nullopt);
    std::string farTable = NeFile(0x80, 0xFFFF, "K", 0x80 + 0x40);
    EXPECT_EQ(NeModuleName(farTable.substr(0, 0x100)), std::nullopt);
}

}  // namespace
}  // namespace tarvo
