// What the date, time and timer handlers add to their plain functions:
// result records, dates given back in parameter 1's record, variables by
// reference, the system's clock and zone, and timers that send commands
// through the thread's message loop.
//
// The clock is used only through invariants (a value read between two
// readings of the test's own). Tests whose names contain "Zone" run again
// under TZ=Europe/Paris (see cmake/native.cmake); they know what to expect in
// UTC, in that zone and in America/New_York.
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "dll_test.h"

namespace tarvo::test {
namespace {

using run::Outcome;
using run::Returned;

class DateTimeTest : public DllTest {
protected:
    Returned Record(const char* name, std::initializer_list<Value> args) {
        Outcome o = host.Call(name, args);
        EXPECT_EQ(o.error, 0) << name << ": " << o.message;
        EXPECT_EQ(o.returns.size(), 1u) << name;
        return o.returns.empty() ? Returned{} : o.returns.back();
    }
    double Date(const char* name, double day) {
        Returned r = Record(name, {Value::Date(day)});
        EXPECT_EQ(r.type, 'D') << name;
        return r.value.number;
    }
    // Pumps the thread's messages until `done` or 5 s.
    bool PumpUntil(const std::function<bool()>& done) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > 5000) return false;
            host.Pump(10);
        }
        return true;
    }
};

// Unix seconds now, as the test reads the clock.
std::int64_t NowSeconds() {
    FILETIME f;
    GetSystemTimeAsFileTime(&f);
    const std::int64_t ticks = (static_cast<std::int64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
    return (ticks - 116444736000000000LL) / 10000000;
}

// The zone's offset now in whole hours as the test sees it: UTC hour minus
// local hour, corrected by a day.
int ZoneHoursNow() {
    SYSTEMTIME u, l;
    GetSystemTime(&u);
    GetLocalTime(&l);
    int z = u.wHour - l.wHour;
    const int du = u.wYear * 10000 + u.wMonth * 100 + u.wDay, dl = l.wYear * 10000 + l.wMonth * 100 + l.wDay;
    if (du > dl) z += 24;
    if (du < dl) z -= 24;
    return z;
}

// What the zones the tests run in give: the machine's (UTC), and TZ set to
// Europe/Paris or America/New_York.
struct KnownZone {
    const char* tz;
    int winterHours, summerHours;    // ZoneHoursNow in January and July
    const char* summerClock;         // 2021-07-04 10:05:09 UTC in local time
    const char* epochClock;          // 1970-01-01 00:00:00 UTC in local time
    const char* epochCtime;
    const char* summerFormatted;     // "%Y-%m-%d %H:%M %p"
};
const KnownZone& Zone() {
    static const KnownZone kZones[] = {
        {"", 0, 0, "10:05:09", "00:00:00", "Thu Jan 01 00:00:00 1970", "2021-07-04 10:05 AM"},
        {"Europe/Paris", -1, -2, "12:05:09", "01:00:00", "Thu Jan 01 01:00:00 1970",
         "2021-07-04 12:05 PM"},
        {"America/New_York", 5, 4, "06:05:09", "19:00:00", "Wed Dec 31 19:00:00 1969",
         "2021-07-04 06:05 AM"},
    };
    const char* tz = std::getenv("TZ");
    for (const KnownZone& z : kZones)
        if (std::string(tz ? tz : "") == z.tz) return z;
    return kZones[0];
}

constexpr double kJan1970 = 2440588;
constexpr double kMar2000 = 2451605;  // 1 March 2000

TEST_F(DateTimeTest, DateResultsAreParameterOnesRecord) {
    EXPECT_EQ(Date("DAT_BOOMERANG", kMar2000), kMar2000 - 1);
    EXPECT_EQ(Date("DAT_BOOMERANG", kMar2000 + 0.5), kMar2000 - 0.5);
    EXPECT_EQ(Date("DAT_EOM", kMar2000 - 20), kMar2000 - 1);
    EXPECT_EQ(Date("DAT_BOY", kMar2000), 2451545);
    EXPECT_EQ(Date("DAT_EOY", kMar2000), 2451910);
    EXPECT_EQ(Date("DAT_BOM", kMar2000 + 9), kMar2000);
    EXPECT_EQ(Date("DAT_EASTER", kMar2000), 2451658);  // 23 April 2000
    Returned r = Record("DAT_YEAR", {Value::Date(kMar2000)});
    EXPECT_EQ(r.type, 'I');
    EXPECT_EQ(r.width, 10);
    EXPECT_EQ(r.value.integer, 2000);
    EXPECT_EQ(Int("DAT_MONTH", {Value::Date(kMar2000)}), 3);
    EXPECT_EQ(Int("DAT_DAY", {Value::Date(kMar2000 - 1)}), 29);
    r = Record("DAT_NUM", {Value::Date(kMar2000 + 0.25)});
    EXPECT_EQ(r.type, 'N');
    EXPECT_EQ(r.width, 20);
    EXPECT_EQ(r.length, 4);
    EXPECT_EQ(r.value.number, kMar2000 + 0.25);
    EXPECT_TRUE(Logical("DAT_ISLEAP", {Value::Date(kMar2000)}));
    EXPECT_EQ(Int("DAT_NUMBEROFDAYS", {Value::Int(2)}), 28);
    EXPECT_EQ(Int("TIM_GETNUMBEROFDAYS", {Value::Date(kMar2000 + 9), Value::Date(kMar2000)}), 9);
    EXPECT_EQ(Int("TIM_NUMBEROFDAYS", {Value::Date(kMar2000), Value::Date(kMar2000 + 9)}), -9);
}

TEST_F(DateTimeTest, VariablesByReference) {
    const std::uint32_t y = host.NewVariable(Value::Num(0)), m = host.NewVariable(Value::Num(0)),
                        d = host.NewVariable(Value::Num(0));
    const std::uint32_t text = host.NewVariable(Value::Char("stays"));
    const int handles = host.HandlesInUse();
    Outcome o = host.Call("DAT_YMD", {run::ByValue(Value::Date(kMar2000 - 1)), run::ByRef(y),
                                      run::ByRef(text), run::ByRef(d)});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue());
    EXPECT_EQ(host.Variable(y).number, 2000);
    EXPECT_EQ(host.Variable(d).number, 29);
    EXPECT_EQ(host.Variable(text).type, 'C') << "a variable keeps its type";
    EXPECT_EQ(host.Variable(text).text, "stays");
    EXPECT_EQ(host.HandlesInUse(), handles) << "the loaded text's handle is freed";

    host.Variable(y) = Value::Num(1999);
    host.Variable(m) = Value::Num(13.7);
    host.Variable(d) = Value::Num(1);
    o = host.Call("DAT_TEST", {run::ByRef(y), run::ByRef(m), run::ByRef(d)});
    EXPECT_EQ(o.value().integer, 2451545);
    EXPECT_EQ(host.Variable(y).number, 2000);
    EXPECT_EQ(host.Variable(m).number, 1);
    EXPECT_EQ(host.Variable(d).number, 1);

    std::uint32_t parts[4];
    for (std::uint32_t& p : parts) p = host.NewVariable(Value::Num(-1));
    for (const char* name : {"TIM_SPLIT", "TIM_SPLITMILLI", "TIM_SPLITMILLISECONDS"}) {
        o = host.Call(name, {run::ByValue(Value::Num(3723004.9, 1)), run::ByRef(parts[0]),
                             run::ByRef(parts[1]), run::ByRef(parts[2]), run::ByRef(parts[3])});
        EXPECT_FALSE(o.hasValue());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(host.Variable(parts[i]).number, i + 1) << name;
            host.Variable(parts[i]) = Value::Num(-1);
        }
    }
    // A variable the host cannot store raises its error; nothing is returned.
    host.faults.storeVariableError = 12;
    o = host.Call("DAT_TEST", {run::ByRef(y), run::ByRef(m), run::ByRef(d)});
    EXPECT_EQ(o.error, 12);
    EXPECT_FALSE(o.hasValue());
    host.faults.storeVariableError = 0;
    host.faults.loadVariableError = 9;
    EXPECT_EQ(host.Call("TIM_SPLIT", {run::ByValue(Value::Num(1)), run::ByRef(parts[0]), run::ByRef(parts[1]),
                                      run::ByRef(parts[2]), run::ByRef(parts[3])}).error, 9);
}

TEST_F(DateTimeTest, ClockValuesLieBetweenTwoReadings) {
    const std::int64_t before = NowSeconds();
    const DWORD ticks = GetTickCount();
    const std::int32_t time = Int("TIM_TIME", {});
    const std::int32_t tickNames[3] = {Int("TIM_TICKS", {}), Int("SYS_GETTICKCOUNT", {}), Int("GETTICKCOUNT", {})};
    const DWORD ticksAfter = GetTickCount();
    const std::int64_t after = NowSeconds();
    EXPECT_GE(time, before);
    EXPECT_LE(time, after);
    for (std::int32_t t : tickNames) {
        EXPECT_GE(static_cast<DWORD>(t), ticks);
        EXPECT_LE(static_cast<DWORD>(t), ticksAfter);
    }
    SYSTEMTIME a, b;
    GetLocalTime(&a);
    const std::string stamp = Text("DAT_DATETIME", {});
    GetLocalTime(&b);
    auto form = [](const SYSTEMTIME& t) {
        char s[32];
        wsprintfA(s, "%d-%02d-%02d  %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
        return std::string(s);
    };
    EXPECT_EQ(stamp.size(), 20u);
    EXPECT_GE(stamp, form(a));
    EXPECT_LE(stamp, form(b));
}

// Local midnight by the offset in force now, in both zones.
TEST_F(DateTimeTest, ZoneMidnights) {
    for (int attempt = 0; attempt < 3; ++attempt) {  // the offset could change in between
        const int z = ZoneHoursNow();
        const std::int32_t t = Int("TIM_MAKETIME", {Value::Date(kJan1970 + 1)});
        const std::int32_t plus = Int("TIM_MAKETIME", {Value::Date(kJan1970 + 1), Value::Int(90)});
        const std::int32_t next = Int("TIM_NEXTDAY", {Value::Date(kJan1970 + 1), Value::Int(5)});
        if (z != ZoneHoursNow()) continue;
        EXPECT_EQ(t, (24 + z) * 3600);
        EXPECT_EQ(plus, t + 90);
        // 2 January 1970 was a Friday (weekday 6); the next Thursday is six days on.
        EXPECT_EQ(next, t + 6 * 86400);
        EXPECT_TRUE(z == Zone().winterHours || z == Zone().summerHours) << z;
        return;
    }
    FAIL() << "the zone offset kept changing";
}

TEST_F(DateTimeTest, ZoneTexts) {
    const std::int32_t summer = 1625393109;  // 2021-07-04 10:05:09 UTC
    EXPECT_EQ(Text("TIM_GMT", {Value::Int(summer)}), "10:05:09");
    EXPECT_EQ(Text("TIM_LOCALT", {Value::Int(summer)}), Zone().summerClock);
    EXPECT_EQ(Text("TIM_LOCALT", {Value::Int(0)}), Zone().epochClock);
    EXPECT_EQ(Text("TIM_CTIME", {Value::Int(0)}), Zone().epochCtime);
    EXPECT_EQ(Text("TIM_USERTIME", {Value::Int(summer)}), "") << "no format set";
    host.Call("TIM_SETFORMAT", {Value::Char("%Y-%m-%d %H:%M %p")});
    EXPECT_EQ(Text("TIM_USERTIME", {Value::Int(summer)}), Zone().summerFormatted);
    host.Call("TIM_SETFORMAT", {Value::Char("%Z")});
    const std::string summerName = Text("TIM_USERTIME", {Value::Int(summer)});
    EXPECT_FALSE(summerName.empty());
    if (Zone().winterHours != Zone().summerHours)
        EXPECT_NE(summerName, Text("TIM_USERTIME", {Value::Int(0)})) << "daylight saving's own name";
    // Formats and texts of any length.
    std::string longFormat;
    for (int i = 0; i < 100; ++i) longFormat += "%A ";
    host.Call("TIM_SETFORMAT", {Value::Char(longFormat)});
    EXPECT_EQ(Text("TIM_USERTIME", {Value::Int(43200)}).size(), 100u * 9) << "Thursday, 100 times";
}

// The local times agree with Windows' own conversion, across the years and
// both sides of daylight saving time.
TEST_F(DateTimeTest, ZoneLocalTimesAgreeWithWindows) {
    for (std::int64_t t = 0; t < 2147483647; t += 86400 * 17 + 3600 * 5 + 7) {
        const std::int64_t ticks = t * 10000000 + 116444736000000000LL;
        FILETIME f{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        SYSTEMTIME u, l;
        FileTimeToSystemTime(&f, &u);
        ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &u, &l));
        char expected[16];
        wsprintfA(expected, "%02d:%02d:%02d", l.wHour, l.wMinute, l.wSecond);
        ASSERT_EQ(Text("TIM_LOCALT", {Value::Int(static_cast<std::int32_t>(t))}), expected) << t;
    }
}

TEST_F(DateTimeTest, TextsAndOptionalParts) {
    EXPECT_EQ(Text("TIM_FORMAT", {Value::Num(3723004)}), "01:02:03.004");
    EXPECT_EQ(Text("TIM_FORMATMILLI", {Value::Num(59)}), "00:00:00.059");
    EXPECT_EQ(Text("TIM_FORMATMILLISECONDS", {Value::Num(1e20)}), "596:31:23.647");
    EXPECT_EQ(Text("STR_MAKETIME", {Value::Int(3723)}), "01:02:03");
    EXPECT_EQ(Text("STR_MAKETIME", {Value::Int(3723), Value::Int(4)}), "02:03");
    EXPECT_EQ(Int("TIM_MAKESECONDS", {Value::Char("01-02-03")}), 3723);
    // The clock text is read, and the clock refuses what no clock shows;
    // nothing is answered either way.
    EXPECT_FALSE(host.Call("TIM_SETSYSTEMTIME", {Value::Char("99:99:99")}).hasValue());
}

// Timers send the TIM_PROC command whenever the thread's messages are served.
TEST_F(DateTimeTest, TimersSendTheStoredCommand) {
    std::vector<std::string> commands;
    host.hooks.executeCommand = [&](const std::string& c) {
        commands.push_back(c);
        return 0;
    };
    EXPECT_TRUE(Logical("TIM_PROC", {Value::Char(std::string(200, 'x'))}));
    const std::int32_t first = Int("TIM_SET", {Value::Int(20)});
    ASSERT_NE(first, 0);
    EXPECT_TRUE(commands.empty()) << "nothing fires while no message is served";
    ASSERT_TRUE(PumpUntil([&] { return commands.size() >= 2; }));
    EXPECT_EQ(commands[0], std::string(128, 'x'));
    // The command is read when the timer fires.
    Logical("TIM_PROC", {Value::Char("SECOND")});
    const std::int32_t second = Int("TIM_SET", {Value::Int(30)});
    EXPECT_NE(second, first);
    commands.clear();
    ASSERT_TRUE(PumpUntil([&] { return commands.size() >= 6; }));
    for (const std::string& c : commands) EXPECT_EQ(c, "SECOND");
    EXPECT_TRUE(Logical("TIM_KILL", {Value::Int(first)}));
    EXPECT_TRUE(Logical("NET_TIMKIL", {Value::Int(second)}));
    EXPECT_TRUE(Logical("TIM_KILL", {Value::Int(second)})) << "always .T.";
    commands.clear();
    host.Pump(100);
    EXPECT_TRUE(commands.empty());
}

TEST_F(DateTimeTest, UnloadStopsTheTimers) {
    std::vector<std::string> commands;
    host.hooks.executeCommand = [&](const std::string& c) {
        commands.push_back(c);
        return 0;
    };
    Logical("TIM_PROC", {Value::Char("TICK")});
    const std::int32_t a = Int("TIM_SET", {Value::Int(10)});
    const std::int32_t b = Int("TIM_SET", {Value::Int(-1)});  // the longest interval
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
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
