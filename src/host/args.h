// The plain types a function's C++ signature uses to say what it takes from
// the host and what it gives back. The row adapter (host/declare.h) reads
// each parameter and returns each result by these types; the functions
// themselves stay plain and build natively for their unit tests. Kinds that
// belong to the host (its records, variables, windows and memory blocks)
// are declared in host/params.h and host/services.h.
//
//   parameter type        letter  read as
//   std::string_view      C       the whole text (zero-terminated behind the view)
//   const char*           C       the text up to its terminating zero
//   char                  C       the text's first character, 0 for an empty text
//   std::int32_t          I       the integer field
//   double                N       the number field
//   NumInt                N       the integer field of a numeric value
//   bool                  L       the logical value
//   Day                   D       the day number
//   AnyValue              ?       whatever came, with its own type letter
//   AnyRecord             ?       the host's own value record, untouched (params.h)
//   ObjectRecord          O       an object's value record, untouched (params.h)
//   Window                I       a Windows window handle that names a window (params.h)
//   FormWindow            C       a host form's name, as its Windows window (params.h)
//   Ref                   R       a variable passed by reference (params.h)
//   Opt<T>                .x      an optional parameter of T's letter
//   OptTyped<T>           .x      the same, taken only when it came with that type
//   Unread<'x'>           x       a parameter accepted and never read
//
//   result type           returned as
//   void                  nothing at all
//   bool                  a logical
//   integral types        an integer of width 10
//   double                a number of width 20 with the row's decimals
//   std::string           a text, ended at its first zero byte
//   std::string_view      a text ended at its first zero byte; a view into a
//                         text parameter goes back from that parameter's block
//   Bytes                 a text that keeps its zero bytes
//   Day                   a date: parameter 1's own record (a date) with this
//                         day number, sent back with ReturnValue
//   ParamBack<N>          parameter N's own record as the function left it
//   WorkBuffer            the text in a working buffer the function filled, up
//                         to its first zero (services.h)
//   HandleText            a block of host memory the function filled, passed to
//                         the host whole, zero bytes kept (services.h)
//   std::optional<T>      T, or nothing at all when empty
//   std::variant<T...>    whichever of its kinds it holds
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

// An optional parameter: `present` when the caller passed it.
template <typename T>
struct Opt {
    bool present = false;
    T value{};
    T or_else(T fallback) const { return present ? value : fallback; }
};

template <typename T>
Opt<T> Given(T value) {
    return {true, value};
}

// An optional parameter taken only when it came with its declared type
// (a value of another type counts as left out).
template <typename T>
struct OptTyped : Opt<T> {};

// A numeric parameter read through its integer field (the host fills it with
// the whole part of the number).
struct NumInt {
    std::int32_t value = 0;
};

// A parameter of the given letter that the function accepts and never reads.
template <char Letter>
struct Unread {};

// A date parameter: the host's day number.
struct Day {
    double number = 0;
};

// A parameter of any type, as it came.
struct AnyValue {
    char type = 0;                 // C N I D L Y T M G 0 (null), O
    std::int32_t integer = 0;      // I (and the whole part of N)
    double number = 0;             // N, and the day number of D and T
    std::int32_t decimals = 0;     // N
    bool logical = false;          // L
    std::int64_t currency = 0;     // Y
    std::string_view text;         // C
};

// A text result that keeps its zero bytes.
struct Bytes {
    std::string data;
};

// The result is parameter N's own value record, as the function left it
// (changed in place), sent back with ReturnValue.
template <int N>
struct ParamBack {
    static constexpr int index = N;
};

}  // namespace tarvo
