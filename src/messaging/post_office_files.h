// The post office on disk (Windows): one message delivered under the post
// office file's lock.
#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// Delivers a message to `destination` (upper-cased already) through the post
// office file at `postOffice`, with the fields other than the destination
// already joined behind it (`content` is the whole file). Answers the
// outcome text: kPostOfficeDone when the message was written.
//
// Senders of this library take turns: the next number is taken under an
// exclusive byte-range lock of the post office file (far behind its end, so
// that readers of the file are not held up), and a message file never
// replaces an existing one (the number after it is taken instead). The
// message is written under a temporary name first and then given its own,
// so a reader never sees part of one. A message that cannot be written
// completely leaves no file and takes no number.
std::string DeliverMessage(const std::string& postOffice, std::string_view destination,
                           const std::string& content);

}  // namespace tarvo
