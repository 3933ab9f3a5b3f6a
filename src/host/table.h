// The function table. Each family declares its records next to its handlers
// as a FunctionDef array and a Family accessor; table_win.cpp lists the
// families once and builds the packed records the host reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "host/params.h"
#include "host/protocol.h"

namespace tarvo {

struct FunctionDef {
    const char* name;     // upper case
    Handler handler;
    std::int16_t count;   // 0..10; -2 load hook; -3 unload hook
    const char* types;    // "C,.I" ...; "" when there are no parameters
};

using Family = std::span<const FunctionDef>;

// The families, in table order (defined next to their handlers).
Family HookFunctions();     // TARVOIN, TARVOOUT (always last)
Family TestFunctions();     // TST_
Family NothingFunctions();  // the do-nothing handler's names
Family LzhFunctions();       // LZH_ENCODE, LZH_DECODE
Family TokenizerFunctions();  // STR_ tokenizer (STR_TOKINI ... STR_STRTOK)
Family TransformFunctions();  // STR_ transforms (STR_LEFT ... STR_INTSTR)
Family SearchFunctions();     // STR_ searches and extraction (STR_NAIVESEARCH ... STR_END)

// The library header the host reads (built once, static afterwards).
LibraryHeader* LibraryHeaderAddress();

}  // namespace tarvo
