// What the date, time and timer handlers add to their plain functions:
// result records, dates given back in parameter 1's record, variables by
// reference, the system's clock and zone, and timers that send commands
// through the thread's message loop.
//
// The clock is used only through invariants (a value read between two
// readings of the test's own). Tests whose names contain "Zone" run again
// under TZ=Europe/Paris (see cmake/native.cmake); they know what to expect in
// UTC, in that zone and in America/New_York.
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "dll_test.h"
#include "host_pump.h"
#include "runner/imports.h"

namespace tarvo::test {
namespace {

using run::Outcome;

class DateTimeTest : public DllTest {
protected:
    double Date(const char* name, double day) {
        const run::Returned r = Record(name, {Value::Date(day)});
        EXPECT_EQ(r.type, 'D') << name;
        return r.value.number;
    }
    bool PumpUntil(const std::function<bool()>& done) { return test::PumpUntil(host, done); }
    // The commands the library sends, collected.
    std::vector<std::string> commands;
    void Collect() { CollectCommands(host, commands); }
};

// What the zones the tests run in give: the machine's (UTC), and TZ set to
// Europe/Paris or America/New_York.
struct KnownZone {
    const char* tz;
    int winterHours, summerHours;    // the offset now in whole hours, January and July
    const char* summerClock;         // 2021-07-04 10:05:09 UTC in local time
    const char* epochCtime;          // 1970-01-01 00:00:00 UTC
};
const KnownZone& Zone() {
    static const KnownZone kZones[] = {
        {"", 0, 0, "10:05:09", "Thu Jan 01 00:00:00 1970"},
        {"Europe/Paris", -1, -2, "12:05:09", "Thu Jan 01 01:00:00 1970"},
        {"America/New_York", 5, 4, "06:05:09", "Wed Dec 31 19:00:00 1969"},
    };
    const char* tz = std::getenv("TZ");
    for (const KnownZone& z : kZones)
        if (std::string(tz ? tz : "") == z.tz) return z;
    return kZones[0];
}

// The offset now in whole hours as the test sees it.
int ZoneHoursNow() {
    SYSTEMTIME u, l;
    GetSystemTime(&u);
    GetLocalTime(&l);
    const int du = u.wYear * 10000 + u.wMonth * 100 + u.wDay, dl = l.wYear * 10000 + l.wMonth * 100 + l.wDay;
    return u.wHour - l.wHour + (du > dl ? 24 : du < dl ? -24 : 0);
}

constexpr double kMar2000 = 2451605;  // 1 March 2000

// Records at the boundaries the row examples do not reach: a date time's
// fraction, a number's decimals, and milliseconds past the largest count.
TEST_F(DateTimeTest, ResultRecords) {
    EXPECT_EQ(Date("DAT_BOOMERANG", kMar2000 + 0.5), kMar2000 - 0.5);
    const run::Returned num = Record("DAT_NUM", {Value::Date(kMar2000 + 0.25)});
    EXPECT_EQ(num.type, 'N');
    EXPECT_EQ(num.width, 20);
    EXPECT_EQ(num.length, 4);
    EXPECT_EQ(num.value.number, kMar2000 + 0.25);
    EXPECT_EQ(Text("TIM_FORMATMILLISECONDS", {Value::Num(1e20)}), "596:31:23.647");
}

// The clock is never set: SetSystemTime is a stand-in in the library's
// imports that keeps what it was given.
SYSTEMTIME g_clock = {};
int g_clockCalls = 0;
BOOL WINAPI FakeSetSystemTime(const SYSTEMTIME* t) {
    g_clock = *t;
    ++g_clockCalls;
    return FALSE;
}

TEST_F(DateTimeTest, SystemClockIsAskedNotSet) {
    run::ImportPatch clock(host.module(), "KERNEL32.dll", "SetSystemTime",
                           reinterpret_cast<void*>(&FakeSetSystemTime));
    ASSERT_TRUE(clock.active());
    g_clockCalls = 0;
    SYSTEMTIME before, after;
    GetSystemTime(&before);
    EXPECT_FALSE(host.Call("TIM_SETSYSTEMTIME", {Value::Char("12:34:56")}).hasValue());
    GetSystemTime(&after);
    EXPECT_EQ(g_clockCalls, 1);
    EXPECT_EQ(g_clock.wHour * 10000 + g_clock.wMinute * 100 + g_clock.wSecond, 123456);
    EXPECT_TRUE(g_clock.wDay == before.wDay || g_clock.wDay == after.wDay);  // the UTC date stays
    EXPECT_TRUE(g_clock.wYear == before.wYear || g_clock.wYear == after.wYear);
    // Fields out of range go to Windows as they are; it refuses them.
    EXPECT_FALSE(host.Call("TIM_SETSYSTEMTIME", {Value::Char("99:99:99")}).hasValue());
    EXPECT_EQ(g_clock.wHour, 99);
    EXPECT_EQ(g_clockCalls, 2);
}

TEST_F(DateTimeTest, VariablesByReference) {
    const std::uint32_t y = host.NewVariable(Value::Num(0)), m = host.NewVariable(Value::Num(0)),
                        d = host.NewVariable(Value::Num(0)), text = host.NewVariable(Value::Char("stays"));
    const int handles = host.HandlesInUse();
    Outcome o = host.Call("DAT_YMD", {run::ByValue(Value::Date(kMar2000 - 1)), run::ByRef(y),
                                      run::ByRef(text), run::ByRef(d)});
    EXPECT_FALSE(o.hasValue());
    EXPECT_EQ(host.Variable(y).number, 2000);
    EXPECT_EQ(host.Variable(d).number, 29);
    EXPECT_EQ(host.Variable(text).text, "stays") << "a variable that holds no number keeps its value";
    EXPECT_EQ(host.HandlesInUse(), handles) << "the loaded text's handle is freed";
    host.Variable(y) = Value::Num(1999);
    host.Variable(m) = Value::Num(13.7);
    host.Variable(d) = Value::Num(1);
    EXPECT_EQ(host.Call("DAT_TEST", {run::ByRef(y), run::ByRef(m), run::ByRef(d)}).value().integer, 2451545);
    EXPECT_EQ(host.Variable(y).number * 10000 + host.Variable(m).number * 100 + host.Variable(d).number,
              20000101);
    std::vector<run::Arg> split{run::ByValue(Value::Num(3723004.9, 1))};
    for (int i = 0; i < 4; ++i) split.push_back(run::ByRef(host.NewVariable(Value::Num(-1))));
    EXPECT_FALSE(host.Call("TIM_SPLIT", split).hasValue());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(host.Variable(split[i + 1].varId).number, i + 1);
    // A variable the host cannot read or write raises the host's error.
    host.faults.storeVariableError = 12;
    EXPECT_EQ(host.Call("DAT_TEST", {run::ByRef(y), run::ByRef(m), run::ByRef(d)}).error, 12);
    host.faults = {};
    host.faults.loadVariableError = 9;
    EXPECT_EQ(host.Call("TIM_SPLIT", split).error, 9);
}

// Unix seconds now, as the test reads the clock.
std::int64_t NowSeconds() {
    FILETIME f;
    GetSystemTimeAsFileTime(&f);
    return ((static_cast<std::int64_t>(f.dwHighDateTime) << 32 | f.dwLowDateTime) - 116444736000000000LL) /
           10000000;
}

TEST_F(DateTimeTest, ClockValuesLieBetweenTwoReadings) {
    SYSTEMTIME a, b;
    GetLocalTime(&a);
    const std::int64_t before = NowSeconds();
    const DWORD ticks = GetTickCount();
    const std::int32_t time = Int("TIM_TIME", {});
    const std::int32_t tick = Int("GETTICKCOUNT", {});
    const std::string stamp = Text("DAT_DATETIME", {});
    const DWORD ticksAfter = GetTickCount();
    const std::int64_t after = NowSeconds();
    GetLocalTime(&b);
    EXPECT_LE(ticks, static_cast<DWORD>(tick));
    EXPECT_LE(static_cast<DWORD>(tick), ticksAfter);
    EXPECT_LE(before, time);
    EXPECT_LE(time, after);
    char low[32], high[32];
    wsprintfA(low, "%d-%02d-%02d  %02d:%02d:%02d", a.wYear, a.wMonth, a.wDay, a.wHour, a.wMinute, a.wSecond);
    wsprintfA(high, "%d-%02d-%02d  %02d:%02d:%02d", b.wYear, b.wMonth, b.wDay, b.wHour, b.wMinute, b.wSecond);
    EXPECT_GE(stamp, low);
    EXPECT_LE(stamp, high);
}

// Local midnight by the offset in force now, the texts of local times, and
// agreement with Windows' own conversion over the whole range.
TEST_F(DateTimeTest, ZoneTimes) {
    int z = 0;
    std::int32_t t = 0, next = 0;
    do {  // the offset might change in between
        z = ZoneHoursNow();
        t = Int("TIM_MAKETIME", {Value::Date(2440589), Value::Int(90)});
        next = Int("TIM_NEXTDAY", {Value::Date(2440589), Value::Int(5)});
    } while (z != ZoneHoursNow());
    EXPECT_TRUE(z == Zone().winterHours || z == Zone().summerHours) << z;
    EXPECT_EQ(t, (24 + z) * 3600 + 90);
    EXPECT_EQ(next, t - 90 + 6 * 86400) << "2 January 1970 was a Friday; Thursday is six days on";
    const std::int32_t summer = 1625393109;  // 2021-07-04 10:05:09 UTC
    EXPECT_EQ(Text("TIM_LOCALT", {Value::Int(summer)}), Zone().summerClock);
    EXPECT_EQ(Text("TIM_CTIME", {Value::Int(0)}), Zone().epochCtime);
    for (const char* name : {"TIM_GMT", "TIM_LOCALT", "TIM_CTIME"})
        for (std::int32_t before1970 : {-1, INT32_MIN})
            EXPECT_EQ(Text(name, {Value::Int(before1970)}), "") << name << "(" << before1970 << ")";
    EXPECT_EQ(Text("TIM_USERTIME", {Value::Int(summer)}), "") << "no format set";
    host.Call("TIM_SETFORMAT", {Value::Char("%H:%M:%S|%Z")});
    const std::string summerText = Text("TIM_USERTIME", {Value::Int(summer)});
    EXPECT_EQ(summerText.substr(0, 9), std::string(Zone().summerClock) + "|");
    EXPECT_GT(summerText.size(), 9u) << "the zone's name";
    if (Zone().winterHours != Zone().summerHours)
        EXPECT_NE(summerText.substr(9), Text("TIM_USERTIME", {Value::Int(0)}).substr(9));
    for (std::int64_t s = 0; s < 2147483647; s += 86400 * 17 + 3600 * 5 + 7) {
        const std::int64_t ticks = s * 10000000 + 116444736000000000LL;
        const FILETIME f{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        SYSTEMTIME u, l;
        FileTimeToSystemTime(&f, &u);
        ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &u, &l));
        char expected[16];
        wsprintfA(expected, "%02d:%02d:%02d", l.wHour, l.wMinute, l.wSecond);
        ASSERT_EQ(Text("TIM_LOCALT", {Value::Int(static_cast<std::int32_t>(s))}), expected) << s;
    }
}

// Timers send the TIM_PROC command, read when they fire, whenever the
// thread's messages are served; TIM_KILL stops them.
TEST_F(DateTimeTest, TimersSendTheStoredCommand) {
    Collect();
    EXPECT_TRUE(Logical("TIM_PROC", {Value::Char(std::string(200, 'x'))}));
    const std::int32_t first = Int("TIM_SET", {Value::Int(20)});
    ASSERT_NE(first, 0);
    EXPECT_TRUE(commands.empty()) << "nothing fires while no message is served";
    ASSERT_TRUE(PumpUntil([&] { return commands.size() >= 2; }));
    EXPECT_EQ(commands[0], std::string(128, 'x'));
    Logical("TIM_PROC", {Value::Char("SECOND")});
    const std::int32_t second = Int("TIM_SET", {Value::Int(30)});
    EXPECT_NE(second, first);
    commands.clear();
    ASSERT_TRUE(PumpUntil([&] { return commands.size() >= 6; }));
    for (const std::string& c : commands) EXPECT_EQ(c, "SECOND");
    EXPECT_TRUE(Logical("TIM_KILL", {Value::Int(first)}));
    EXPECT_TRUE(Logical("TIM_KILL", {Value::Int(second)}));
    commands.clear();
    host.Pump(100);
    EXPECT_TRUE(commands.empty());
}

// A host error raised by a timer's command ends that tick only: the timer
// fires again, its next command goes through, and calls work as before.
TEST_F(DateTimeTest, AnAbortedTickEndsAlone) {
    Collect();
    host.faults.abortCommand = "FAILS";
    Logical("TIM_PROC", {Value::Char("FAILS")});
    const std::int32_t id = Int("TIM_SET", {Value::Int(10)});
    auto aborted = [&] {
        int n = 0;
        for (const run::Trace& t : host.trace) n += t.code == kSvcExecuteCommand && t.text == "FAILS";
        return n;
    };
    ASSERT_TRUE(PumpUntil([&] { return aborted() >= 3; }));
    EXPECT_TRUE(commands.empty());
    Logical("TIM_PROC", {Value::Char("WORKS")});
    ASSERT_TRUE(PumpUntil([&] { return !commands.empty(); }));
    EXPECT_EQ(commands[0], "WORKS");
    EXPECT_EQ(Int("TST_TEST", {Value::Int(3)}), 27);
    Logical("TIM_KILL", {Value::Int(id)});
}

TEST_F(DateTimeTest, UnloadStopsTheTimers) {
    Collect();
    Logical("TIM_PROC", {Value::Char("TICK")});
    const std::int32_t a = Int("TIM_SET", {Value::Int(10)});
    const std::int32_t b = Int("TIM_SET", {Value::Int(-1)});  // the longest interval
    ASSERT_NE(a * b, 0);
    host.Unload();
    EXPECT_FALSE(KillTimer(nullptr, static_cast<UINT_PTR>(a))) << "already stopped";
    EXPECT_FALSE(KillTimer(nullptr, static_cast<UINT_PTR>(b)));
    commands.clear();
    host.Pump(50);
    EXPECT_TRUE(commands.empty());
    std::string why;
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
}

}  // namespace
}  // namespace tarvo::test
