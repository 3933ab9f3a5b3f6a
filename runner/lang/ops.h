// Operators, comparisons and the printed forms of values, by the host's rules.
//
// Numbers carry their decimal places: a literal has as many as it is written
// with; + - and % keep the larger count, * adds them up, / and ^ keep at least
// SET DECIMALS (2). Integers (I, from the library) count as numbers with no
// decimals; any operation on them gives N. Currency stays currency under
// + - * / and %.
//
// Printed forms (`?`): a number shows its whole part right-aligned in ten
// columns, then its decimals ("? 1+1" gives "         2", "? 1.25" gives
// "         1.25", "? 10/4" gives "         2.50"); currency shows four
// decimals. Numbers show at most 16 significant digits (numbers.cpp); a
// whole part of more than 20 digits is shown in scientific notation. Logicals are .T. and .F., the null value .NULL., dates follow
// SET DATE and SET CENTURY (AMERICAN, two-digit years by default; ISO
// yyyy-mm-dd; SHORT and LONG the Windows locale's own forms) and
// datetimes add the time in the 12-hour form (SET HOURS TO 24 for 24-hour).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "runner/lang/ast.h"
#include "runner/value.h"

namespace tarvo::run::lang {

struct Settings {
    bool exact = false;             // SET EXACT
    std::string date = "AMERICAN";  // SET DATE
    bool century = false;           // SET CENTURY
    int decimals = 2;               // SET DECIMALS
    int hours = 12;                 // SET HOURS
    char point = '.';               // SET POINT: the decimal point numbers show
    char separator = ',';           // SET SEPARATOR: the thousands separator of pictures
    char mark = 0;                  // SET MARK: the dates' separator (0: the SET DATE format's own)
    bool console = true;            // SET CONSOLE: output of ? and the like shown
    bool escape = true;             // SET ESCAPE: Ctrl-C interrupts the program
};

// N, I and Y as a double.
inline bool IsNumber(const Value& v) { return v.type == 'N' || v.type == 'I' || v.type == 'Y'; }
inline bool IsText(const Value& v) { return v.type == 'C' || v.type == 'M'; }
int DecimalsOf(const Value& v);

// A numeric result; raises 39 when it is not a finite number.
Value Number(double n, int decimals);

// + - * / % ^ on two values.
Value Arithmetic(Op op, const Value& a, const Value& b, const Settings& s);
// - + on one value.
Value Negate(const Value& v);
// = == <> < > <= >= $ (logical, or null when either side is null).
Value Compare(Op op, const Value& a, const Value& b, const Settings& s);
// Three-way comparison of two texts as `=` sees them under SET EXACT.
int CompareText(const std::string& a, const std::string& b, bool exact);
// `=` on two values (INLIST, BETWEEN); raises 107 for values of unlike types.
bool Equal(const Value& a, const Value& b, const Settings& s);
int Order(const Value& a, const Value& b, const Settings& s);

// The value of a condition: .T. or .F. (null counts as .F.); raises 9 otherwise.
bool Truth(const Value& v);

// Numbers as text (numbers.cpp). The widest whole part shown in full.
constexpr std::size_t kWidestNumber = 20;
// x with d decimals (0 to 18), rounded half away from zero from its first 16
// significant digits.
std::string Fixed(double x, int d);
// x as "d.dddE+XX" with `decimals` digits after the point ("1E+19" with none).
std::string Scientific(double x, int decimals);
// The text of a number with d decimals: Fixed, or Scientific with 13
// decimals when the whole part is wider than kWidestNumber.
std::string NumberText(double x, int d);
// STR(x, len, dec): right-aligned in len columns; decimals are dropped
// first when too wide, then a number without a fraction goes to scientific
// notation; an integer or a fraction whose whole part does not fit gives
// stars.
std::string StrText(double x, long len, long dec, bool integer);
// ROUND(x, d): half away from zero at d decimals (d < 0: tens, hundreds ...).
double RoundHalfAway(double x, int d);
// A currency amount (value * 10000) with its four decimals, exactly.
std::string CurrencyText(std::int64_t scaled);
// The printed form `?` uses.
std::string PrintForm(const Value& v, const Settings& s);
// The form without padding (TRANSFORM with no picture, ? inside text).
std::string PlainForm(const Value& v, const Settings& s);

// Dates: day numbers as the host keeps them (0 is the empty date).
std::string DateText(double dayNumber, const Settings& s);
std::string TimeText(int seconds, const Settings& s);
std::string DateTimeText(double value, const Settings& s);
// A datetime as its day number and seconds since midnight.
void SplitDateTime(double value, long* day, int* seconds);
// Day number of a civil date, 0 when the date is not valid.
double MakeDate(long y, long m, long d);
// Reads a date in the SET DATE order ("01/31/24", "31.01.2024"); false when it is not one.
bool ReadDate(const std::string& text, const Settings& s, double* dayNumber);
bool KnownDateFormat(const std::string& name);
// The formats SET DATE takes, as a list for a message.
std::string DateFormatNames();

// VARTYPE's letter for a value.
char TypeLetter(const Value& v);

}  // namespace tarvo::run::lang
