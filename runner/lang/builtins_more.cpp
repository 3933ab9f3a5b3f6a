// Built-in functions: RAND and LOG10, more dates (DMY, MDY, WEEK, QUARTER,
// CTOT, FDATE, FTIME), the system (VERSION, OS, SYS) and the dialogs
// (MESSAGEBOX, INPUTBOX), which nobody answers here.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/version.h"
#include "runner/lang/builtins.h"
#include "runner/lang/support.h"
#include "runner/print.h"

namespace tarvo::run::lang {
namespace {

// RAND: the minimal standard generator (state * 16807 mod 2^31 - 1).
double NextRandom(Session& s) {
    s.randState = static_cast<std::uint32_t>((static_cast<std::uint64_t>(s.randState) * 16807u) % 2147483647u);
    return s.randState / 2147483647.0;
}

Value Rand(Args& a) {
    Session& s = a.in.session();
    if (a.Has(0)) {
        double seed = std::trunc(a.Num(0));
        std::uint64_t state = seed < 0 ? GetTickCount() : static_cast<std::uint64_t>(std::fmod(seed, 2147483647.0));
        s.randState = static_cast<std::uint32_t>(state % 2147483647u);
        if (s.randState == 0) s.randState = 1;
    }
    return N(NextRandom(s), a.in.settings().decimals);
}

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// DMY and MDY: "31 January 24" and "January 31, 24" (four-digit years with
// SET CENTURY ON); the empty date gives the empty text.
Value DayMonthYear(Args& a, bool monthFirst) {
    double day = std::floor(a.When(0));
    if (day == 0) return C("");
    int y, m, d;
    CivilDate(static_cast<long>(day), &y, &m, &d);
    char year[8];
    std::snprintf(year, sizeof year, a.in.settings().century ? "%04d" : "%02d", a.in.settings().century ? y : y % 100);
    char buf[64];
    if (monthFirst) std::snprintf(buf, sizeof buf, "%s %02d, %s", kMonthNames[m - 1], d, year);
    else std::snprintf(buf, sizeof buf, "%02d %s %s", d, kMonthNames[m - 1], year);
    return C(buf);
}

int Weekday(long day) { return static_cast<int>((day + 1) % 7) + 1; }  // 1 Sunday

// The day week 1 of `year` starts on: 1 the week holding 1 January, 2 the
// first week with four days or more of the year, 3 the first whole week.
long FirstWeek(int year, int rule, int firstDay) {
    long jan1 = DayNumber(year, 1, 1);
    long start = jan1 - (Weekday(jan1) - firstDay + 7) % 7;
    if (rule == 2 && jan1 - start > 3) start += 7;
    if (rule == 3 && jan1 != start) start += 7;
    return start;
}

// WEEK(date [, first week rule [, first day of the week]]): rule 0 and 1
// the week holding 1 January, 2 the first week of four days or more, 3 the
// first whole week; day 0 and 1 Sunday ... 7 Saturday.
Value Week(Args& a) {
    double when = std::floor(a.When(0));
    long rule = a.Has(1) ? a.Int(1) : 1;
    long firstDay = a.Has(2) ? a.Int(2) : 1;
    if (rule < 0 || rule > 3 || firstDay < 0 || firstDay > 7) Raise(kErrArgument);
    if (rule == 0) rule = 1;
    if (firstDay == 0) firstDay = 1;
    if (when == 0) return N(0);
    long day = static_cast<long>(when);
    int y, m, d;
    CivilDate(day, &y, &m, &d);
    int r = static_cast<int>(rule), f = static_cast<int>(firstDay);
    long start = FirstWeek(y, r, f);
    if (r == 2 && day >= FirstWeek(y + 1, r, f)) return N(1);
    if (day < start) start = FirstWeek(y - 1, r, f);
    return N(static_cast<double>((day - start) / 7 + 1));
}

// A time written as "hh[:mm[:ss]] [AM|PM]"; false when it is none.
bool ReadTime(const std::string& t, int* seconds) {
    int h = 0, mi = 0, s = 0;
    char ampm[4] = "";
    int n = std::sscanf(t.c_str(), "%d:%d:%d %3s", &h, &mi, &s, ampm);
    if (n < 3) {
        s = 0;
        n = std::sscanf(t.c_str(), "%d:%d %3s", &h, &mi, ampm);
        if (n < 2) return false;
    }
    std::string suffix = UpperAscii(ampm);
    if (suffix == "PM" || suffix == "P") {
        if (h < 1 || h > 12) return false;
        if (h != 12) h += 12;
    } else if (suffix == "AM" || suffix == "A") {
        if (h < 1 || h > 12) return false;
        if (h == 12) h = 0;
    } else if (!suffix.empty()) {
        return false;
    }
    if (h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) return false;
    *seconds = h * 3600 + mi * 60 + s;
    return true;
}

// CTOT(text): a datetime written in the SET DATE order with a time, or
// strictly (^yyyy-mm-dd hh:mm:ss); the empty datetime when it is none.
Value Ctot(Args& a) {
    std::string t = a.Text(0);
    std::size_t b = t.find_first_not_of(' ');
    if (b == std::string::npos) return Value::DateTime(0);
    t = t.substr(b);
    Value strict;
    if (t[0] == '^') return ParseStrictDate(t, &strict) ? Value::DateTime(strict.number) : Value::DateTime(0);
    std::size_t space = t.find_first_of(" T");
    double day;
    if (!ReadDate(t.substr(0, space), a.in.settings(), &day) || day == 0) return Value::DateTime(0);
    int seconds = 0;
    if (space != std::string::npos) {
        std::string time = t.substr(space + 1);
        if (time.find_first_not_of(' ') != std::string::npos && !ReadTime(time, &seconds))
            return Value::DateTime(0);
    }
    return Value::DateTime(day + seconds / 86400.0);
}

// FDATE and FTIME: when a file was last written, in local time.
SYSTEMTIME Written(const std::string& name) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data))
        Raise(kErrFileMissing, "File '" + Lower(name) + "' does not exist.");
    FILETIME local;
    SYSTEMTIME t;
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &t);
    return t;
}

// VERSION(n): the runner follows the host language of version 9.0.
Value Version(Args& a) {
    long n = a.Has(0) ? a.Int(0) : 0;
    switch (n) {
    case 0: return C("tarvo-run " TARVO_VERSION_TEXT " (language 09.00.0000.7423) for Windows");
    case 1: return C("tarvo-run " TARVO_VERSION_TEXT " (language 09.00.0000.7423) for Windows [" __DATE__ "]");
    case 2: return N(0);       // a runtime: no development environment
    case 3: return C("00");    // English
    case 4: return C("09.00.0000.7423");
    case 5: return N(900);
    default: Raise(kErrArgument);
    }
}

Value Os(Args& a) {
    long n = a.Has(0) ? a.Int(0) : 1;
    OSVERSIONINFOEXA v{};
    v.dwOSVersionInfoSize = sizeof v;
    GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&v));
    char buf[64];
    switch (n) {
    case 1:
        std::snprintf(buf, sizeof buf, "Windows %lu.%02lu", v.dwMajorVersion, v.dwMinorVersion);
        return C(buf);
    case 2: return C("");  // no double-byte code page
    case 3: return C(std::to_string(v.dwMajorVersion));
    case 4: return C(std::to_string(v.dwMinorVersion));
    case 5: return C(std::to_string(v.dwBuildNumber));
    case 6: return C(std::to_string(v.dwPlatformId));
    case 7: return C(v.szCSDVersion);
    case 8: return C(std::to_string(v.wServicePackMajor));
    case 9: return C(std::to_string(v.wServicePackMinor));
    case 10: return C(std::to_string(v.wSuiteMask));
    case 11: return C(std::to_string(v.wProductType));
    default: Raise(kErrArgument);
    }
}

// A name no earlier call gave: letters and digits of the time and a counter.
std::string UniqueName(std::size_t length) {
    static std::uint64_t counter = 0;
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    std::uint64_t n = ((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) / 10000) * 64 +
                      (counter++ % 64);
    std::string out(length, '0');
    for (std::size_t i = length; i-- > 0;) {
        out[i] = digits[n % 36];
        n /= 36;
    }
    return out;
}

std::string ExeFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

// SYS(n [, ...]): the numbers of the table below; any other is error 11.
struct SysEntry {
    int number;
    int arguments;  // besides the number
    const char* what;
    Value (*fn)(Args&);
};

SYSTEMTIME LocalNow() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t;
}

std::string CurrentFolder() {
    char buf[MAX_PATH * 2];
    DWORD k = GetCurrentDirectoryA(sizeof buf, buf);
    return std::string(buf, k < sizeof buf ? k : 0);
}

const SysEntry kSys[] = {
    {0, 0, "the machine and the user: \"MACHINE # user\"", [](Args&) {
         char machine[MAX_COMPUTERNAME_LENGTH + 1], user[257];
         DWORD m = sizeof machine, u = sizeof user;
         if (!GetComputerNameA(machine, &m)) m = 0;
         if (!GetUserNameA(user, &u)) u = 1;
         return C(std::string(machine, m) + " # " + std::string(user, u ? u - 1 : 0));
     }},
    {1, 0, "today's day number, as text", [](Args&) {
         SYSTEMTIME t = LocalNow();
         return C(std::to_string(DayNumber(t.wYear, t.wMonth, t.wDay)));
     }},
    {2, 0, "seconds since midnight, as text", [](Args&) {
         SYSTEMTIME t = LocalNow();
         return C(std::to_string(t.wHour * 3600 + t.wMinute * 60 + t.wSecond));
     }},
    {3, 0, "a new 8-character name for a file", [](Args&) { return C(UniqueName(8)); }},
    {5, 0, "the current drive (\"C:\")", [](Args&) {
         std::string d = CurrentFolder();
         return C(d.size() >= 2 && d[1] == ':' ? d.substr(0, 2) : "");
     }},
    {10, 1, "with a day number: that day as text, as SET DATE writes it", [](Args& a) {
         double day = std::trunc(a.Num(1));
         if (day < 1721426 || day > 5373484) Raise(kErrArgument);
         return C(DateText(day, a.in.settings()));
     }},
    {11, 1, "with a date or a text: its day number, as text", [](Args& a) {
         double day;
         if (a[1].type == 'D' || a[1].type == 'T') day = std::floor(a[1].number);
         else if (!ReadDate(a.Text(1), a.in.settings(), &day)) day = 0;
         return C(std::to_string(static_cast<long>(day)));
     }},
    {2003, 0, "the current folder without its drive", [](Args&) {
         std::string d = CurrentFolder();
         if (d.size() > 1 && d[1] == ':') d.erase(0, 2);
         if (d.size() > 1 && d.back() == '\\') d.pop_back();
         return C(d);
     }},
    {2004, 0, "the folder tarvo-run started from", [](Args&) { return C(ExeFolder()); }},
    {2015, 0, "a new 10-character name for a procedure (\"_\" and 9 letters or digits)",
     [](Args&) { return C(UniqueName(10).replace(0, 1, "_")); }},
    {2018, 0, "the name the last error message quotes, in upper case", [](Args& a) {
         std::string m = a.in.lastError().message;
         std::size_t q = m.find('\'');
         std::size_t r = q == std::string::npos ? q : m.find('\'', q + 1);
         return C(r == std::string::npos ? "" : UpperAscii(m.substr(q + 1, r - q - 1)));
     }},
    {2023, 0, "the folder for temporary files", [](Args&) {
         char buf[MAX_PATH];
         DWORD k = GetTempPathA(sizeof buf, buf);
         std::string d(buf, k < sizeof buf ? k : 0);
         if (d.size() > 3 && d.back() == '\\') d.pop_back();
         return C(d);
     }},
};

Value Sys(Args& a) {
    long n = a.Int(0);
    for (const SysEntry& e : kSys) {
        if (e.number != n) continue;
        if (static_cast<int>(a.size()) - 1 < e.arguments) Raise(kErrTooFew);
        if (static_cast<int>(a.size()) - 1 > e.arguments) Raise(kErrTooMany);
        return e.fn(a);
    }
    Raise(kErrArgument);
}

// The text of a dialog: any value, as ? shows it without padding.
std::string Shown(Args& a, std::size_t i) {
    const Value& v = a[i];
    return IsText(v) ? v.text : PlainForm(v, a.in.settings());
}

void DialogLine(Interpreter& in, const std::string& what, const std::string& text) {
    in.NewLine();
    in.Write(what + ": " + text);
}

// MESSAGEBOX(text [, type [, title [, timeout]]]): nobody answers, so the
// default button is chosen (its value: 1 OK, 2 Cancel, 3 Abort, 4 Retry,
// 5 Ignore, 6 Yes, 7 No); with a timeout, the time runs out (the thread's
// messages are served meanwhile) and -1 comes back. The text is shown as
// one line "MESSAGEBOX: text".
Value MessageBox(Args& a) {
    std::string text = Shown(a, 0);
    long type = a.Has(1) ? a.Int(1) : 0;
    if (a.Has(2)) a.Text(2);
    double timeout = a.Has(3) ? a.Num(3) : 0;
    if (type < 0 || timeout < 0) Raise(kErrArgument);
    static const std::vector<int> kButtons[] = {{1}, {1, 2}, {3, 4, 5}, {6, 7, 2}, {6, 7}, {4, 2}};
    long set = type & 15;
    if (set > 5) Raise(kErrArgument);
    std::size_t which = static_cast<std::size_t>((type >> 8) & 3);
    const std::vector<int>& buttons = kButtons[set];
    DialogLine(a.in, "MESSAGEBOX", text);
    if (timeout > 0) {
        a.in.PumpEvents(static_cast<unsigned>(std::min(timeout, 86400000.0)));
        return N(-1);
    }
    return N(buttons[which < buttons.size() ? which : 0]);
}

// INPUTBOX(prompt [, title [, default [, timeout [, timeout value [, cancel
// value]]]]]): nobody types, so the default text comes back as if OK were
// pressed; with a timeout, the time runs out and the timeout value (empty
// when not given) comes back. The prompt is shown as one line
// "INPUTBOX: prompt".
Value InputBox(Args& a) {
    std::string prompt = a.Text(0);
    if (a.Has(1)) a.Text(1);
    std::string answer = a.Has(2) ? a.Text(2) : "";
    double timeout = a.Has(3) ? a.Num(3) : 0;
    std::string onTimeout = a.Has(4) ? a.Text(4) : "";
    if (a.Has(5)) a.Text(5);  // what Cancel would answer
    if (timeout < 0) Raise(kErrArgument);
    DialogLine(a.in, "INPUTBOX", prompt);
    if (timeout > 0) {
        a.in.PumpEvents(static_cast<unsigned>(std::min(timeout, 86400000.0)));
        return C(onTimeout);
    }
    return C(answer);
}

const Builtin kTable[] = {
    {"RAND", 0, 1, Rand},
    {"LOG10", 1, 1, [](Args& a) {
         double x = a.Num(0);
         if (x <= 0) Raise(kErrArgument);
         return N(std::log10(x), std::max(a.in.settings().decimals, DecimalsOf(a[0])));
     }},
    {"DMY", 1, 1, [](Args& a) { return DayMonthYear(a, false); }},
    {"MDY", 1, 1, [](Args& a) { return DayMonthYear(a, true); }},
    {"WEEK", 1, 3, Week},
    {"QUARTER", 1, 2, [](Args& a) {
         double when = a.When(0);
         long first = a.Has(1) ? a.Int(1) : 1;
         if (first < 1 || first > 12) Raise(kErrArgument);
         if (when == 0) return N(0);
         int y, m, d;
         CivilDate(static_cast<long>(std::floor(when)), &y, &m, &d);
         return N(((m - first + 12) % 12) / 3 + 1);
     }},
    {"CTOT", 1, 1, Ctot},
    {"FDATE", 1, 2, [](Args& a) {
         SYSTEMTIME t = Written(a.Text(0));
         long type = a.Has(1) ? a.Int(1) : 0;
         if (type != 0 && type != 1) Raise(kErrArgument);
         double day = MakeDate(t.wYear, t.wMonth, t.wDay);
         if (type == 0) return Value::Date(day);
         return Value::DateTime(day + (t.wHour * 3600 + t.wMinute * 60 + t.wSecond) / 86400.0);
     }},
    {"FTIME", 1, 1, [](Args& a) {
         SYSTEMTIME t = Written(a.Text(0));
         char buf[16];
         std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
         return C(buf);
     }},
    {"VERSION", 0, 1, Version},
    {"OS", 0, 1, Os},
    {"SYS", 1, 3, Sys},
    {"MESSAGEBOX", 1, 4, MessageBox},
    {"INPUTBOX", 1, 6, InputBox},
};

}  // namespace

std::vector<std::pair<int, std::string>> SysNumbers() {
    std::vector<std::pair<int, std::string>> out;
    for (const SysEntry& e : kSys) out.emplace_back(e.number, e.what);
    return out;
}

std::span<const Builtin> MoreBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
