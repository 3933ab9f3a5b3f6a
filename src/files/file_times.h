// File times as texts: the MS-DOS date and time words that the time and date
// functions read and write, and which of a file's three times is meant.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// Which of a file's times: 1 the last write, 2 the last access, any other
// number the creation time; the last write when the number is left out.
enum class WhichTime { kCreation, kLastAccess, kLastWrite };
WhichTime ChooseTime(std::int32_t which);
WhichTime ChooseTime(Opt<std::int32_t> which);

// "HH:MM:SS" of a DOS time word: hour bits 11-15, minute bits 5-10, seconds
// bits 0-4 times two (so the seconds are always even).
std::string DosTimeText(std::uint16_t dosTime);
// "YYYYMMDD" of a DOS date word: year bits 9-15 plus 1980, month bits 5-8,
// day bits 0-4.
std::string DosDateText(std::uint16_t dosDate);

// The DOS time word of a time text "HH:MM:SS" (hour x 2048 + minute x 32 +
// second / 2), or nothing when the text is not exactly that form with hour
// 0-23, minute 0-59 and second 0-59.
std::optional<std::uint16_t> DosTimeOfText(std::string_view text);
// The DOS date word of a date text "YYYYMMDD" (day + month x 32 + (year -
// 1980) x 512), or nothing unless the text is eight digits naming a day of
// the years 1980 to 2107 (the years a DOS date holds).
std::optional<std::uint16_t> DosDateOfText(std::string_view text);

}  // namespace tarvo
