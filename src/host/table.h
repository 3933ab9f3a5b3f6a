// The function table. Each family declares its rows in a `*_rows.h` file
// (see host/declare.h), which its `*_handlers.cpp` turns into a FunctionDef
// array behind a Family accessor; table_win.cpp lists the families once and
// builds the packed records the host reads.
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

// Entries of a type string, which is the parameter count of its row; a
// trailing comma ends the list without adding one.
constexpr std::int16_t EntryCount(const char* types) {
    if (!*types) return 0;
    std::int16_t n = 1;
    for (const char* c = types; *c; ++c)
        if (*c == ',' && c[1]) ++n;
    return n;
}

// The families, in table order (defined next to their handlers).
Family HookFunctions();     // TARVOIN, TARVOOUT (always last)
Family TestFunctions();     // TST_ and the do-nothing handler's names
Family LzhFunctions();       // LZH_ENCODE, LZH_DECODE
Family TokenizerFunctions();  // STR_ tokenizer (STR_TOKINI ... STR_STRTOK)
Family TransformFunctions();  // STR_ transforms (STR_LEFT ... STR_INTSTR)
Family SearchFunctions();     // STR_ searches and extraction (STR_NAIVESEARCH ... STR_END)
Family CharTestFunctions();   // STR_ character tests (STR_ISVOWEL ... STR_COMPARESTRINGS)
Family ScrambleFunctions();   // STR_ scrambling and checksums (STR_ENCRYP ... STR_ASCII2)
Family NumberFunctions();     // NUM_ conversions and random numbers
Family UnitFunctions();       // MET_ unit conversions
Family GeometryFunctions();   // MTH_ geometry and factorial
Family DateFunctions();       // DAT_
Family TimeFunctions();       // TIM_ values, STR_MAKETIME, SYS_GETTICKCOUNT
Family TimerFunctions();      // TIM_PROC, TIM_SET, TIM_KILL, NET_TIMKIL
Family PostOfficeFunctions(); // MSG_
Family FileIoFunctions();         // FIL_ file handle I/O (FIL_OPEN ... FIL_OPENFILE)
Family ProfileFunctions();        // FIL_ profile files (FIL_WRIINI ... FIL_READALLSECTIONS)
Family FileInfoFunctions();       // FIL_ file information (FIL_GETATT ... FIL_GETFOLDERLOCATION)
Family FileOperationFunctions();  // FIL_ file and directory operations (FIL_COPY ... FIL_SETCOMPRESSION)

// The library header the host reads (built once, static afterwards).
LibraryHeader* LibraryHeaderAddress();

}  // namespace tarvo
