// Every family's rows, with their documentation and fuzz marks. A new family
// adds its rows file here, with its title and a short introduction (and its
// accessor to table_win.cpp); the tests check that both list the same names.
#include "host/catalogue.h"

#include "host/table.h"

#define DOC(...) ::tarvo::Doc{__VA_ARGS__}
#define ALIAS_OF(main) ::tarvo::Doc{.aliasOf = main}
#define ROW(name, types, doc, ...) {FAMILY, name, types, ::tarvo::EntryCount(types), nullptr, doc},
#define ROW_NOFUZZ(name, types, why, doc, ...) {FAMILY, name, types, ::tarvo::EntryCount(types), why, doc},
#define HOOK(name, count, doc, ...) {FAMILY, name, "", count, "the host runs it itself", doc},

namespace tarvo {
namespace {

#define TESTS "Tests and obsolete names"
#define LZH "LZH compression"
#define TOKENIZER "Strings: tokenizer"
#define TRANSFORMS "Strings: transforms"
#define SEARCHES "Strings: searches and extraction"
#define CHARTESTS "Strings: character tests"
#define SCRAMBLE "Strings: scrambling and checksums"
#define NUMBERS "Numbers: conversions and random numbers"
#define UNITS "Unit conversions"
#define GEOMETRY "Geometry"
#define DATES "Dates"
#define TIME "Time"
#define TIMERS "Timers"
#define POST_OFFICE "Post office"
#define FILE_IO "Files: handle I/O"
#define PROFILES "Files: profile files"
#define FILE_INFO "Files: file information"
#define FILE_OPS "Files: file and directory operations"
#define HOOKS "Load and unload hooks"

const FamilyInfo kFamilies[] = {
    {TESTS,
     "Two entries for checking that the library is loaded and answers, and the names that "
     "are kept callable for older programs but do nothing."},
    {LZH,
     "One file compressed into another and back, in the LZHUF format (the -lh1- method of "
     "LHA archives behind a 4-byte size header). Progress and statistics go to the process's "
     "standard output: tarvo-run shows them, a windowed host has no console."},
    {TOKENIZER,
     "A text split into tokens at separator characters. One separator set serves the whole "
     "library and stays in force until it is changed; it is empty at load, so nothing "
     "separates until STR_SETSEP is called. Every separator ends exactly one token: a text "
     "with k separators has k + 1 tokens, and runs of separators enclose empty tokens. The "
     "tokens can be read one after the other (STR_TOKINI, STR_TOKNEX, STR_TOKFIN) or "
     "directly by number (STR_NTOKEN, STR_TOKPOS). STR_STRTOK has its own rules."},
    {TRANSFORMS,
     "A text in, a new text out: cutting, padding, filtering, swapping, reversing, case by "
     "delimiters, digit grouping, bit rotation, run-length packing, hexadecimal, any value "
     "as text, and three text slots. Texts are single bytes; positions count from 1. Most "
     "results end at their first zero byte, as every text the library hands back does; "
     "STR_SHL and STR_SHR keep theirs."},
    {SEARCHES,
     "Looking into a text without changing it: searches, counts, bracket balancing, the "
     "parameters of a call written as text, single characters and prefix and suffix tests. "
     "Positions count from 1, and 0 means \"not found\"."},
    {CHARTESTS,
     "Logical tests on characters and texts: vowels and consonants by fixed tables of "
     "Windows-1252, one character of a text classified (four classes by the thread's locale, "
     "four of the C runtime's \"C\" locale), case over a range, the card-number check digit, "
     "and a locale comparison through Windows. Positions count from 1."},
    {SCRAMBLE,
     "A keyed scrambling that is its own inverse (STR_ENCRYP and STR_DECRYP are one "
     "function), for a text, a variable passed by reference or a memo field; a "
     "character-code shift; and two checksums that count each character as a signed byte."},
    {NUMBERS,
     "Integers to and from bytes and binary, octal and hexadecimal texts, single bits and "
     "bytes of integers, and the library's one random generator (the R250 shift register), "
     "seeded from the clock when the library loads."},
    {UNITS,
     "Lengths between metric and imperial units: the value times a fixed factor, with 8 "
     "decimals. The metric factors are single-precision numbers (2.54 is "
     "2.5399999618530273), so a conversion and its inverse do not give the value back exactly."},
    {GEOMETRY,
     "Plane geometry on integer coordinates, computed by KERNEL.DLL, and the factorial. "
     "Results are numbers with 4 decimals; vertical or parallel lines give infinite or "
     "not-a-number results."},
    {DATES,
     "Host dates through their day numbers (Julian day numbers: 2440588 is 1 January "
     "1970): their parts, the first and last days of their months and years, leap years, "
     "Easter Sunday, and a local date-and-time stamp. The calendar is KERNEL.DLL's, "
     "proleptic Gregorian; without it every part and day number is 0. A date result is "
     "the date given, with its day number changed."},
    {TIME,
     "Moments as Unix seconds (seconds since 1 January 1970 00:00 UTC, 32-bit: from "
     "December 1901 to January 2038), times of day as hh:mm:ss, millisecond counts, and "
     "local midnight of a date. Local times follow the process's time zone as Windows "
     "keeps it (under Wine, TZ); local midnight uses the zone's offset in force now, in "
     "whole hours, even for a date on the other side of a daylight-saving change."},
    {TIMERS,
     "Thread timers that run one host command, set with TIM_PROC, at an interval. They "
     "fire only while the host serves its messages (DOEVENTS, WAIT ... TIMEOUT, INKEY(n), "
     "READ EVENTS), between other calls. An error in the command ends that run only; the "
     "timer goes on. Unloading the library stops every timer it started."},
    {POST_OFFICE,
     "A mail system of files for programs sharing a folder: a post office file (a profile "
     "file) lists the accounts, each account's folder, the root folder and two counters; "
     "MSG_SEND writes one file per message, 000000000042.msg, into the destination's "
     "folder, with six fields separated by zero bytes. Senders of this library take the "
     "numbers in turn under a lock of the post office file and never replace a message "
     "file; a message appears complete or not at all. MSG_READ only sets the labels of "
     "the six field buffers."},
    {FILE_IO,
     "Files opened, read and measured through the host's own file channels: FIL_OPEN "
     "answers the host's channel number, which the caller passes to the other functions and "
     "closes with FIL_CLOSE (the library keeps no list of open files). Besides, the C "
     "runtime's descriptors and streams of the library, and one-shot opens through Windows."},
    {PROFILES,
     "Initialisation files of sections in square brackets and key=value lines: a private "
     "file named by the caller (a name without a path is a file of the Windows folder), or "
     "the system's own WIN.INI. Values come back as text, the empty text for anything "
     "missing; lists of names as one text joined by \";\" (FIL_READALLSECTIONS, which reads "
     "the file itself through the host, joins by \",\")."},
    {FILE_INFO,
     "Questions about a file named by the caller: attributes, its status as the C runtime "
     "sees it, its times and dates (read, set, compared), sizes and type, the parts of its "
     "name and the names Windows finds for it. Failures answer -1, .F. or the empty text."},
    {FILE_OPS,
     "Copying (through the host's file channels with progress commands, through Windows, or "
     "with expansion of compressed files), cutting a file into slices, writing a watermark, "
     "deleting and renaming, directories, a directory search one name at a time, the list of "
     "a whole directory tree and the compression state. Copies and slices answer small "
     "negative codes for their failures."},
    {HOOKS,
     "The two entries the host runs itself: the load hook when SET LIBRARY TO loads the "
     "library, the unload hook before it releases it. They cannot be called by name."},
};

const CatalogueEntry kEntries[] = {
#define FAMILY TESTS
#include "host/test_rows.h"
#undef FAMILY
#define FAMILY LZH
#include "strings/lzh_rows.h"
#undef FAMILY
#define FAMILY TOKENIZER
#include "strings/tokenizer_rows.h"
#undef FAMILY
#define FAMILY TRANSFORMS
#include "strings/transforms_rows.h"
#undef FAMILY
#define FAMILY SEARCHES
#include "strings/searches_rows.h"
#undef FAMILY
#define FAMILY CHARTESTS
#include "strings/chartests_rows.h"
#undef FAMILY
#define FAMILY SCRAMBLE
#include "strings/scramble_rows.h"
#undef FAMILY
#define FAMILY NUMBERS
#include "strings/numbers_rows.h"
#undef FAMILY
#define FAMILY UNITS
#include "strings/units_rows.h"
#undef FAMILY
#define FAMILY GEOMETRY
#include "strings/geometry_rows.h"
#undef FAMILY
#define FAMILY DATES
#include "datetime/dates_rows.h"
#undef FAMILY
#define FAMILY TIME
#include "datetime/times_rows.h"
#undef FAMILY
#define FAMILY TIMERS
#include "datetime/timers_rows.h"
#undef FAMILY
#define FAMILY POST_OFFICE
#include "messaging/post_office_rows.h"
#undef FAMILY
#define FAMILY FILE_IO
#include "files/handle_io_rows.h"
#undef FAMILY
#define FAMILY PROFILES
#include "files/profile_rows.h"
#undef FAMILY
#define FAMILY FILE_INFO
#include "files/info_rows.h"
#undef FAMILY
#define FAMILY FILE_OPS
#include "files/operations_rows.h"
#undef FAMILY
#define FAMILY HOOKS
#include "host/hook_rows.h"
#undef FAMILY
};

}  // namespace

std::span<const CatalogueEntry> Catalogue() { return kEntries; }
std::span<const FamilyInfo> Families() { return kFamilies; }

}  // namespace tarvo
