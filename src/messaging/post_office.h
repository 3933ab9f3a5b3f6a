// The post office: a profile file that lists the accounts, each account's
// directory, the root directory of all of them and two counters; sending a
// message writes one file into the destination's directory, named by the
// next sequence number.
//
//   [ACCOUNTS]   one key per account name
//   [<account>]  Dir = the account's directory under the root
//   [ROOT]       Dir = the root directory
//   [SEQUENCING] next = the number of the last message written
//   [MESSAGES]   counter = how many messages were sent
//
// A message file is <root>\<Dir>\<number>.msg, the number in 12 digits with
// leading zeros, holding six fields separated by one zero byte each (none
// after the last): the destination upper-cased, the sender, the 20-character
// date-time stamp, the subject, the category and the body.
//
// This file holds what does not touch the disk; post_office_win.cpp takes the
// files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

inline constexpr char kPostOfficeDone[] = "The operation completed successfully";
inline constexpr char kNoPostOffice[] = "Cannot send message because no Post Office";
inline constexpr char kPostOfficeNoMemory[] = "Not enough memory";
inline constexpr char kCannotWriteMessage[] = "Cannot write message";
// The outcome texts are at most this long.
inline constexpr std::size_t kOutcomeLength = 255;

// Where a message to a destination goes, from the post office file's text:
// an empty `outcome` and the directory and the first number to try, or the
// outcome text that says why it cannot be sent.
struct Delivery {
    std::string outcome;
    std::string directory;    // <root>\<Dir>
    std::int64_t number = 0;  // the last number used plus 1
};
// `destination` is upper-cased already; it is looked for in the account
// list as the profile functions would have listed it (post_office.cpp).
Delivery PlanDelivery(std::string_view postOffice, std::string_view destination);

// 000000000042.msg
std::string MessageFileName(std::int64_t number);

std::string MessageContent(std::string_view destination, std::string_view sender,
                           std::string_view stamp, std::string_view subject,
                           std::string_view category, std::string_view body);

// The post office text after message `number` was written: [SEQUENCING]
// next set to it, [MESSAGES] counter one more (1 when missing).
std::string RecordDelivery(std::string_view postOffice, std::int64_t number);

// A counter's value as the runtime's atol reads it (0 for text that is not
// a number).
std::int64_t CounterValue(std::string_view text);

// The file the Windows profile functions open for a post office name: a bare
// file name (no "\" or "/" and no drive) lies in the Windows directory.
bool InWindowsDirectory(std::string_view name);

}  // namespace tarvo
