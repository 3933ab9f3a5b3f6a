// The Host's calls by name: arguments checked against the type string and
// converted to the declared letters, then sent as parameter records.
#include <cctype>
#include <cmath>
#include <cstring>

#include "runner/host.h"

namespace tarvo::run {
// Converts an argument to the declared letter the way the host does.
bool Host::Convert(const Arg& in, const ParamType& type, Arg* out) {
    *out = in;
    if (type.letter == 'R') return in.byRef;
    if (in.byRef) {
        if (type.letter == '?') return true;
        // A variable passed by reference where a value is declared: its value.
        auto it = variables.values.find(in.varId);
        Value v;
        if (hooks.loadVariable) {
            if (hooks.loadVariable(in.varId, v) != 0) return false;
        } else if (it != variables.values.end()) {
            v = it->second;
        } else {
            return false;
        }
        Arg byValue = ByValue(v);
        return Convert(byValue, type, out);
    }
    const Value& v = in.value;
    switch (type.letter) {
    case 'C':
        if (v.type == 'M') out->value.type = 'C';
        return v.type == 'C' || v.type == 'M';
    case 'N':
        if (!v.isNumeric()) return false;
        out->value = Value::Num(v.asNumber(), v.type == 'N' ? v.decimals : v.type == 'Y' ? 4 : 0);
        return true;
    case 'I':
        if (!v.isNumeric()) return false;
        out->value = Value::Int(WholePart(v.asNumber()));
        return true;
    case 'D':
        if (v.type == 'T') out->value = Value::Date(std::floor(v.number));
        return v.type == 'D' || v.type == 'T';
    case 'L': return v.type == 'L';
    case 'O': return v.type == 'O';
    case '?': return true;
    default: return false;
    }
}

namespace {

// What a value or declared type letter is called in the sentences of error 11.
const char* Kind(char letter) {
    switch (letter) {
    case 'C': case 'M': return "a text";
    case 'N': case 'I': case 'Y': return "a number";
    case 'D': return "a date";
    case 'T': return "a datetime";
    case 'L': return "a logical";
    case 'O': return "an object";
    case '0': return ".NULL.";
    case 'R': return "a variable by reference (@name)";
    default: return "a value of another type";
    }
}

const char* Declared(char letter) {
    switch (letter) {
    case 'I': return "an integer";
    case 'N': return "a number";
    case 'R': return "a variable by reference (@name)";
    default: return Kind(letter);
    }
}

std::string Count(std::size_t n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

}  // namespace

Outcome Host::Call(const std::string& name, const std::vector<Arg>& args, bool check) {
    Outcome out;
    const FunctionInfo* f = Find(name);
    if (!f || f->count < 0) {
        out.found = false;
        out.error = 1;
        out.message = "File '" + UpperAscii(name) + "' does not exist.";
        return out;
    }
    if (!check) return Invoke(*f, args);
    std::size_t required = 0;
    for (const ParamType& p : f->params)
        if (!p.optional) ++required;
    std::size_t declared = static_cast<std::size_t>(f->count);
    std::vector<Arg> converted(args.size());
    bool ok = args.size() >= required && args.size() <= declared;
    if (!ok) {
        out.detail = Count(args.size(), "argument") + " given where " + UpperAscii(name) + " takes " +
                     (required == declared ? std::to_string(declared)
                                           : std::to_string(required) + " to " + std::to_string(declared)) +
                     ".";
    }
    for (std::size_t i = 0; ok && i < args.size(); ++i) {
        ParamType t = i < f->params.size() ? f->params[i] : ParamType{'?', true};
        ok = Convert(args[i], t, &converted[i]);
        if (!ok) {
            const char* given = args[i].byRef && t.letter != 'R' ? "a variable that cannot be read"
                                : args[i].byRef                  ? Kind('R')
                                                                 : Kind(args[i].value.type);
            out.detail = "Argument " + std::to_string(i + 1) + " is " + given + " where " +
                         Declared(t.letter) + " is declared.";
        }
    }
    if (!ok) {
        out.error = 11;
        out.message = ErrorText(11);
        return out;
    }
    return Invoke(*f, converted);
}

bool Host::BuildRecord(const Arg& arg, ParamRecord* rec, std::vector<std::uint32_t>* handles) {
    std::memset(rec, 0, sizeof *rec);
    if (arg.byRef) {
        rec->locator.type = 'R';
        rec->locator.workArea = arg.workArea;
        std::memcpy(rec->locator.reference, &arg.varId, 4);
        return true;
    }
    FillRecord(arg.value, &rec->value);
    if (arg.value.type == 'C' || arg.value.type == 'M') {
        if (!rec->value.handle) return false;
        handles->push_back(rec->value.handle);
    }
    return true;
}
}  // namespace tarvo::run
