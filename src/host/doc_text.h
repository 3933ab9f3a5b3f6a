// A name's reference entry as plain text, for tarvo-run's HELP NAME and
// --doc NAME, and the one-line listing of --list. Plain code.
#pragma once

#include <string>
#include <string_view>

#include "host/catalogue.h"

namespace tarvo {

// The entry of a row (an alias shows its main row's entry under its own
// signature): signature, summary, parameters, result, errors, notes,
// aliases, example and what it prints; lines end in "\n" and wrap at about
// 78 columns.
std::string DocText(const CatalogueEntry& entry);

}  // namespace tarvo
