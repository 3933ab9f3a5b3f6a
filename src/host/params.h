// Reading a handler's parameters.
//
// Handlers read the field that the declared type letter implies; only `?`
// parameters and some optional ones look at the record's own type letter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/protocol.h"
#include "host/services.h"

namespace tarvo {

using Handler = void (*)(ParamBlock* params);

inline int ParamCount(const ParamBlock* p) { return p->count; }
// Parameter n, 1-based.
inline ValueRecord& Param(ParamBlock* p, int n) { return p->params[n - 1].value; }
inline const VariableLocator& LocatorParam(ParamBlock* p, int n) {
    return p->params[n - 1].locator;
}
inline std::int32_t IntParam(ParamBlock* p, int n) { return Param(p, n).integer; }
inline double NumParam(ParamBlock* p, int n) { return Param(p, n).number; }
inline bool LogicalParam(ParamBlock* p, int n) { return Param(p, n).length != 0; }
inline bool HasParam(const ParamBlock* p, int n) { return p->count >= n; }

// A character parameter made zero-terminated: its handle is resized to
// length + 1 (error 182 when that fails), a zero is stored behind the text,
// and the handle stays locked until the TextArg goes out of scope.
struct TextArg {
    std::uint32_t handle = 0;
    char* data = nullptr;
    std::int32_t length = 0;

    TextArg(ParamBlock* p, int n) : TextArg(Param(p, n)) {}
    explicit TextArg(ValueRecord& value);
    ~TextArg();
    TextArg(const TextArg&) = delete;
    TextArg& operator=(const TextArg&) = delete;

    std::string_view view() const { return {data, static_cast<std::size_t>(length)}; }
    // Returns `length` characters from offset `from` (the slice must end at or
    // before the terminating zero) without copying a possibly large text first:
    // the character behind the slice is set to zero for the one ReturnString
    // call and put back afterwards, on an abort too. The byte written lies
    // inside this parameter's block, which stays locked meanwhile.
    void ReturnSlice(std::size_t from, std::size_t length);
    // The first character, or 0 for an empty text.
    char first() const { return length > 0 ? data[0] : '\0'; }
};

// A variable (or field) passed by reference.
struct Ref {
    const VariableLocator* locator = nullptr;
    bool IsField() const { return locator->workArea != -1; }
    // Its value through LoadVariable. A character value comes in a fresh
    // handle that the caller owns. A negative answer of the host is raised
    // as that host error.
    ValueRecord Load() const;
    // Stores the value through StoreVariable; a negative answer is raised.
    void Store(const ValueRecord& value) const;
    // Loads the value, replaces its number and stores it back: the value
    // keeps its own type (a numeric variable takes the number, any other
    // keeps its value). See LoadedVariable.
    void StoreNumber(double number) const;
    // Stores a new value of that type: a text (zero bytes kept; 182 when
    // its block cannot be had), a date (a day number), a logical.
    void StoreText(std::string_view text) const;
    void StoreDate(double dayNumber) const;
    void StoreLogical(bool flag) const;
    // The variable's text; error 302 when it holds no character value.
    std::string LoadText() const;
};

// Parameter n's own value record, untouched, for a value that goes back to
// a host service as it came (a seek key, a replaced field, an object):
// letter '?' for a value of any type, 'O' for an object.
template <char Letter>
struct HostRecord {
    ValueRecord* value = nullptr;
    // The variable passed by reference, when the record is a locator.
    const VariableLocator* locator() const {
        return value->type == 'R' ? reinterpret_cast<const VariableLocator*>(value) : nullptr;
    }
};
using AnyRecord = HostRecord<'?'>;
using ObjectRecord = HostRecord<'O'>;

// A window parameter, as the Windows handle of a window that exists: given
// as that handle (an integer, Window) or as the name of a host form
// (FormWindow, found with FindHostWindow and HostWindowToHwnd). When it
// names no window the function is not called and the row answers its
// empty result: 0, .F., the empty text, or nothing. (A family may add a kind
// of its own that is checked so, with `usable()` and, for an integer answer
// other than 0, `failedInteger`.)
struct Window {
    std::uint32_t hwnd = 0;
};
struct FormWindow : Window {};

// A variable's value loaded by the library: a text value's handle, which
// the load hands over, is freed when this goes out of scope (on an abort
// too) unless Release hands it on.
struct LoadedVariable {
    Ref ref;
    ValueRecord value;

    explicit LoadedVariable(Ref r) : ref(r), value(r.Load()) {}
    ~LoadedVariable();
    LoadedVariable(const LoadedVariable&) = delete;
    LoadedVariable& operator=(const LoadedVariable&) = delete;

    void StoreNumber(double number) {
        value.number = number;
        ref.Store(value);
    }
    // The value, its handle no longer freed here (to be returned to the host).
    ValueRecord Release() {
        ValueRecord kept = value;
        value.handle = 0;
        return kept;
    }
};

}  // namespace tarvo
