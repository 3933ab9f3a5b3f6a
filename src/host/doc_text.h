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

// What the reference says of a name that is no row of this build: that the
// complete library has it and this build not yet (with its family), or
// nothing.
std::string MissingDocText(std::string_view upperName);

}  // namespace tarvo
