#include "files/file_times.h"

#include <cstdio>

namespace tarvo {
namespace {

// The number written by the digits text[at], text[at + 1], ...; -1 unless
// all `count` characters are digits.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
    int n = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        n = n * 10 + (text[i] - '0');
    }
    return n;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

WhichTime ChooseTime(std::int32_t which) {
    return which == 1   ? WhichTime::kLastWrite
           : which == 2 ? WhichTime::kLastAccess
                        : WhichTime::kCreation;
}

WhichTime ChooseTime(Opt<std::int32_t> which) { return ChooseTime(which.or_else(1)); }

std::string DosTimeText(std::uint16_t t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", t >> 11u, (t >> 5u) & 63u, (t & 31u) * 2u);
    return text;
}

std::string DosDateText(std::uint16_t d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04u%02u%02u", (d >> 9u) + 1980u, (d >> 5u) & 15u, d & 31u);
    return text;
}

std::optional<std::uint16_t> DosTimeOfText(std::string_view text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
    const int hour = Digits(text, 0, 2), minute = Digits(text, 3, 2), second = Digits(text, 6, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    return static_cast<std::uint16_t>(hour * 2048 + minute * 32 + second / 2);
}

std::optional<std::uint16_t> DosDateOfText(std::string_view text) {
    if (text.size() != 8) return std::nullopt;
    const int year = Digits(text, 0, 4), month = Digits(text, 4, 2), day = Digits(text, 6, 2);
    if (year < 1980 || year > 2107 || month < 1 || month > 12) return std::nullopt;
    if (day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    return static_cast<std::uint16_t>(day + month * 32 + (year - 1980) * 512);
}

}  // namespace tarvo
