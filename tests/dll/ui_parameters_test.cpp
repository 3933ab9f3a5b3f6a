// System parameters: every setter with its reader, in the test prefix, each
// value put back afterwards; the Windows 95 branches in a run as Windows 95.
#include <map>
#include <string>

#include "runner/imports.h"
#include "tests/dll/dll_test.h"

namespace tarvo::test {
namespace {

class ParameterTest : public DllTest {
protected:
    // Values read before the test, written back after it.
    void Keep(UINT getAction, UINT setAction) {
        UINT v = 0;
        SystemParametersInfoA(getAction, 0, &v, 0);
        kept[setAction] = v;
    }
    void TearDown() override {
        for (const auto& [action, value] : kept) SystemParametersInfoA(action, value, nullptr, SPIF_UPDATEINIFILE);
        DllTest::TearDown();
    }
    std::map<UINT, UINT> kept;
};

std::int32_t Read(UINT action) {
    UINT v = 0;
    SystemParametersInfoA(action, 0, &v, 0);
    return static_cast<std::int32_t>(v);
}

TEST_F(ParameterTest, EverySetterWithItsReader) {
    // Each value is one other than the prefix's own; flags are 0 or 1.
    const struct { const char* name; UINT get, set; std::int32_t value; bool flag; } pairs[] = {
        {"BEEP", SPI_GETBEEP, SPI_SETBEEP, 0, true},
        {"BORDER", SPI_GETBORDER, SPI_SETBORDER, 3, false},
        {"KBDSPEED", SPI_GETKEYBOARDSPEED, SPI_SETKEYBOARDSPEED, 20, false},
        {"SCREENSAVETIMEOUT", SPI_GETSCREENSAVETIMEOUT, SPI_SETSCREENSAVETIMEOUT, 123, false},
        {"SCREENSAVEACTIVE", SPI_GETSCREENSAVEACTIVE, SPI_SETSCREENSAVEACTIVE, 0, true},
        {"GRID", SPI_GETGRIDGRANULARITY, SPI_SETGRIDGRANULARITY, 4, false},
        {"KBDDELAY", SPI_GETKEYBOARDDELAY, SPI_SETKEYBOARDDELAY, 2, false},
        {"ICONTITLEWRAP", SPI_GETICONTITLEWRAP, SPI_SETICONTITLEWRAP, 0, true},
        {"MENUDROPALIGNMENT", SPI_GETMENUDROPALIGNMENT, SPI_SETMENUDROPALIGNMENT, 1, true},
        {"SHOWSOUNDS", SPI_GETSHOWSOUNDS, SPI_SETSHOWSOUNDS, 1, true},  // read through GetSystemMetrics
    };
    for (const auto& p : pairs) {
        const std::string reader = "SPI_GET" + std::string(p.name), setter = "SPI_SET" + std::string(p.name);
        Keep(p.get, p.set);
        const Value v = p.flag ? Value::Logical(p.value != 0) : Value::Int(p.value);
        EXPECT_TRUE(Logical(setter, {v})) << setter;
        EXPECT_EQ(Read(p.get), p.value) << setter << " reached Windows";
        const run::Value got = One(reader, {});
        if (p.flag) EXPECT_EQ(got.logical, p.value != 0) << reader;
        else EXPECT_EQ(got.integer, p.value) << reader;
    }
    // Setters without a reader of their own: Windows' own readers follow.
    const UINT time = GetDoubleClickTime();
    EXPECT_TRUE(Logical("SPI_SETDOUBLECLICKTIME", {Value::Int(321)}));
    EXPECT_EQ(GetDoubleClickTime(), 321u);
    SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, time, nullptr, SPIF_UPDATEINIFILE);
    // Wine refuses fast task switching (Windows takes it).
    EXPECT_FALSE(Logical("SPI_SETFASTTASKSWITCH", {Value::Logical(true)}));
}

// The wallpaper's last error, kept until the next refusal. Wine takes any
// file name, so the refusal comes from a stand-in for SystemParametersInfoA.
using SpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
SpiFn g_realSpi = nullptr;
BOOL WINAPI RefuseWallpaper(UINT action, UINT ui, PVOID pv, UINT flags) {
    if (action != SPI_SETDESKWALLPAPER) return g_realSpi(action, ui, pv, flags);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
}

TEST_F(ParameterTest, WallpaperRefusalIsKept) {
    g_realSpi = reinterpret_cast<SpiFn>(
        run::PatchImport(host.module(), "USER32.dll", "SystemParametersInfoA", reinterpret_cast<void*>(&RefuseWallpaper)));
    ASSERT_NE(g_realSpi, nullptr);
    EXPECT_FALSE(Logical("SPI_SETWALLPAPER", {Value::Char("missing.bmp")}));
    run::PatchImport(host.module(), "USER32.dll", "SystemParametersInfoA", reinterpret_cast<void*>(g_realSpi));
    EXPECT_EQ(Int("SPI_GETLASTERROR", {}), ERROR_FILE_NOT_FOUND);
}

// Work area and screen reader: Windows 95 only. dll_tests.exe runs as the
// prefix's Windows NT; dll_tests95.exe runs the *OnWindows95 tests as
// Windows 95 (TARVO_WINDOWS95 set).
bool RunAsWindows95() { return (GetVersion() & 0x80000000) != 0; }

TEST_F(ParameterTest, WorkAreaElsewhere) {
    if (RunAsWindows95()) GTEST_SKIP() << "this run is the Windows 95 one";
    EXPECT_EQ(Text("SPI_GETWORKAREA", {}), "");
    EXPECT_FALSE(Logical("SPI_SETWORKAREA", {Value::Int(0), Value::Int(0), Value::Int(600), Value::Int(800)}));
    EXPECT_FALSE(Logical("SPI_GETSCREENREADER", {}));
}

TEST_F(ParameterTest, WorkAreaOnWindows95) {
    if (!RunAsWindows95()) {
        if (std::getenv("TARVO_WINDOWS95")) FAIL() << "dll_tests95.exe does not run as Windows 95";
        GTEST_SKIP() << "dll_tests95.exe runs it as Windows 95";
    }
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const std::string text = std::to_string(area.top) + "," + std::to_string(area.left) + "," +
                             std::to_string(area.bottom) + "," + std::to_string(area.right);
    EXPECT_EQ(Text("SPI_GETWORKAREA", {}), text);
    EXPECT_TRUE(Logical("SPI_SETWORKAREA", {Value::Int(0), Value::Int(0), Value::Int(600), Value::Int(800)}));
    EXPECT_EQ(Text("SPI_GETWORKAREA", {}), "0,0,600,800");
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
    EXPECT_FALSE(Logical("SPI_GETSCREENREADER", {}));
}

}  // namespace
}  // namespace tarvo::test
