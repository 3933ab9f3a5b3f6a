// Host-language values as the replacement host keeps them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tarvo::run {

namespace lang {
struct Object;
}

// Type letters follow the host's: C character, N numeric, I integer,
// L logical, D date, T datetime, Y currency, 0 null, O object, M memo.
struct Value {
    char type = 'L';
    std::string text;        // C, M
    double number = 0;       // N; D: day number; T: day number + fraction of day
    int decimals = 0;        // N: decimal places carried
    std::int32_t integer = 0;  // I; O: object id
    bool logical = false;    // L
    std::int64_t currency = 0;  // Y: value * 10000
    // O: the object, held for as long as the value lives (an object goes when
    // the last value holding it goes). A value read back from a record the
    // library sent carries the id only.
    std::shared_ptr<lang::Object> object;

    static Value Char(std::string s) {
        Value v;
        v.type = 'C';
        v.text = std::move(s);
        return v;
    }
    static Value Num(double n, int decimals = 0) {
        Value v;
        v.type = 'N';
        v.number = n;
        v.decimals = decimals;
        return v;
    }
    static Value Int(std::int32_t n) {
        Value v;
        v.type = 'I';
        v.integer = n;
        return v;
    }
    static Value Logical(bool b) {
        Value v;
        v.type = 'L';
        v.logical = b;
        return v;
    }
    static Value Date(double dayNumber) {
        Value v;
        v.type = 'D';
        v.number = dayNumber;
        return v;
    }
    static Value DateTime(double dayNumber) {
        Value v;
        v.type = 'T';
        v.number = dayNumber;
        return v;
    }
    static Value Currency(std::int64_t scaled) {
        Value v;
        v.type = 'Y';
        v.currency = scaled;
        return v;
    }
    static Value Null() {
        Value v;
        v.type = '0';
        return v;
    }

    bool isNumeric() const { return type == 'N' || type == 'I' || type == 'Y'; }
    // The numeric value of N, I and Y values (0 for others).
    double asNumber() const {
        switch (type) {
        case 'N': return number;
        case 'I': return integer;
        case 'Y': return static_cast<double>(currency) / 10000.0;
        default: return 0;
        }
    }
};

// The whole part of a double, saturated to 32 bits (what the host puts into
// the integer field of every numeric value record).
std::int32_t WholePart(double d);

}  // namespace tarvo::run
