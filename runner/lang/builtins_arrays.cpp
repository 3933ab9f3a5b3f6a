// Built-in functions: arrays. ASCAN, ASORT, ADEL, AINS, ACOPY, ALINES,
// AERROR (ADIR is with the files). An array is passed by its name (or @name);
// the functions that fill an array create it when no variable of that name
// is seen, private to the running procedure.
#include <algorithm>

#include "runner/lang/builtins.h"

namespace tarvo::run::lang {
namespace {

long Cols(const Var& v) { return v.cols ? v.cols : 1; }
long Rows(const Var& v) { return v.cols ? v.rows : static_cast<long>(v.items.size()); }

std::string Written(const Expr& e) { return UpperAscii(e.written.empty() ? e.name : e.written); }

// The array argument `i` names; raises 232 when it names none.
VarP ArrayOf(Args& a, std::size_t i) {
    const Expr& e = a.Node(i);
    if (e.kind != EK::Name && e.kind != EK::Ref) Raise(kErrNotArray, "'" + Written(e) + "' is not an array.");
    VarP v = a.in.FindVariable(e.name);
    if (!v) Raise(kErrNoVariable, "Variable '" + Written(e) + "' is not found.");
    if (!v->isArray) Raise(kErrNotArray, "'" + Written(e) + "' is not an array.");
    return v;
}

}  // namespace

// The array argument `i` names, made when missing (the caller reshapes it).
VarP ArrayToFill(Args& a, std::size_t i) {
    const Expr& e = a.Node(i);
    if (e.kind != EK::Name && e.kind != EK::Ref) Raise(kErrArgument);
    VarP v = a.in.FindVariable(e.name);
    if (!v) {
        a.in.AssignName(e.name, Value::Logical(false));
        v = a.in.FindVariable(e.name);
    }
    return v;
}

// Gives the array `rows` rows of `cols` columns (0: one dimension), keeping
// the elements in their order.
void Shape(Var& v, long rows, long cols) {
    if (static_cast<double>(rows) * std::max(cols, 1L) > kMaxArrayElements) Raise(kErrMemory);
    v.isArray = true;
    v.items.resize(static_cast<std::size_t>(rows * std::max(cols, 1L)), Value::Logical(false));
    v.rows = static_cast<int>(rows);
    v.cols = static_cast<int>(cols);
}

namespace {

// ASCAN(array, value [, start [, count [, column [, flags]]]]): the first
// element (or row, flag 8) equal to `value` as `=` sees it. Flags: 1 case
// does not count; 4 overrides SET EXACT with bit 2 (2: exact).
Value Ascan(Args& a) {
    VarP v = ArrayOf(a, 0);
    Value what = a[1];
    long total = static_cast<long>(v->items.size());
    long start = a.Has(2) ? a.Int(2) : 1;
    long count = a.Has(3) ? a.Int(3) : -1;
    long column = a.Has(4) ? a.Int(4) : -1;
    long flags = a.Has(5) ? a.Int(5) : 0;
    if (start < 1 || start > total || count < -1 || flags < 0 || flags > 15) Raise(kErrArgument);
    if (column > Cols(*v)) Raise(kErrArgument);  // 0 or less: the whole array
    long end = count == -1 ? total : std::min(total, start - 1 + count);
    Settings s = a.in.settings();
    if (flags & 4) s.exact = (flags & 2) != 0;
    bool noCase = flags & 1;
    if (noCase && IsText(what)) what.text = UpperAscii(what.text);
    for (long k = start; k <= end; ++k) {
        if (column > 0 && (k - 1) % Cols(*v) + 1 != column) continue;
        Value item = v->items[static_cast<std::size_t>(k - 1)];
        if (item.type == '0' || what.type == '0') continue;
        if (noCase && IsText(item)) item.text = UpperAscii(item.text);
        bool same;
        if (IsText(item) && IsText(what)) same = CompareText(item.text, what.text, s.exact) == 0;
        else if (IsNumber(item) && IsNumber(what)) same = item.asNumber() == what.asNumber();
        else if (item.type == what.type && item.type != 'O') same = Equal(item, what, s);
        else same = false;
        if (same) return N((flags & 8) ? (k - 1) / Cols(*v) + 1 : k);
    }
    return N(0);
}

int TypeRank(const Value& v) {
    switch (v.type) {
    case 'C': case 'M': return 0;
    case 'N': case 'I': case 'Y': return 1;
    case 'D': case 'T': return 2;
    case 'L': return 3;
    case '0': return 4;
    default: return 5;
    }
}

// Sorting order: texts byte by byte (flag 1: case does not count), numbers,
// dates and logicals by value; values of different types by type (texts,
// numbers, dates, logicals, nulls, objects).
int SortOrder(const Value& x, const Value& y, bool noCase) {
    int rx = TypeRank(x), ry = TypeRank(y);
    if (rx != ry) return rx < ry ? -1 : 1;
    switch (rx) {
    case 0: {
        const std::string& p = noCase ? UpperAscii(x.text) : x.text;
        const std::string& q = noCase ? UpperAscii(y.text) : y.text;
        int c = p.compare(q);
        return c < 0 ? -1 : c > 0;
    }
    case 1: return x.asNumber() < y.asNumber() ? -1 : x.asNumber() > y.asNumber();
    case 2: return x.number < y.number ? -1 : x.number > y.number;
    case 3: return static_cast<int>(x.logical) - static_cast<int>(y.logical);
    default: return 0;
    }
}

// ASORT(array [, start [, count [, order [, flags]]]]): sorts elements, or
// the rows of a two-dimensional array by the column of element `start`,
// from its row on. order 1 descending; flags 1 case does not count.
Value Asort(Args& a) {
    VarP v = ArrayOf(a, 0);
    long total = static_cast<long>(v->items.size());
    long start = a.Has(1) ? a.Int(1) : 1;
    long count = a.Has(2) ? a.Int(2) : -1;
    long order = a.Has(3) ? a.Int(3) : 0;
    long flags = a.Has(4) ? a.Int(4) : 0;
    if (start == -1) start = 1;
    if (start < 1 || start > total || count < -1 || count == 0 || flags < 0 || flags > 1) Raise(kErrArgument);
    bool descending = order != 0;
    long cols = Cols(*v);
    long firstRow = (start - 1) / cols;
    long column = (start - 1) % cols;
    long rows = Rows(*v) - firstRow;
    if (count != -1) rows = std::min(rows, count);
    std::vector<std::vector<Value>> chunk(static_cast<std::size_t>(rows));
    for (long r = 0; r < rows; ++r)
        for (long c = 0; c < cols; ++c)
            chunk[static_cast<std::size_t>(r)].push_back(v->items[static_cast<std::size_t>((firstRow + r) * cols + c)]);
    std::stable_sort(chunk.begin(), chunk.end(), [&](const std::vector<Value>& x, const std::vector<Value>& y) {
        int o = SortOrder(x[static_cast<std::size_t>(column)], y[static_cast<std::size_t>(column)], flags & 1);
        return descending ? o > 0 : o < 0;
    });
    for (long r = 0; r < rows; ++r)
        for (long c = 0; c < cols; ++c)
            v->items[static_cast<std::size_t>((firstRow + r) * cols + c)] = chunk[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    return N(1);
}

// ADEL and AINS: an element (one dimension), a row, or with 2 a column; the
// size stays, the freed places hold .F.
Value Shift(Args& a, bool insert) {
    VarP v = ArrayOf(a, 0);
    long n = a.Int(1);
    long kind = a.Has(2) ? a.Int(2) : 1;
    if (kind != 1 && kind != 2) Raise(kErrArgument);
    if (kind == 2 && v->cols == 0) Raise(kErrArgument);
    long rows = Rows(*v), cols = Cols(*v);
    if (n < 1 || n > (kind == 2 ? cols : rows)) Raise(kErrSubscript);
    auto at = [&](long r, long c) -> Value& { return v->items[static_cast<std::size_t>(r * cols + c)]; };
    const Value blank = Value::Logical(false);
    if (kind == 1) {  // rows (elements of a one-dimensional array)
        long k = n - 1;
        if (insert) {
            for (long r = rows - 1; r > k; --r)
                for (long c = 0; c < cols; ++c) at(r, c) = at(r - 1, c);
        } else {
            for (long r = k; r + 1 < rows; ++r)
                for (long c = 0; c < cols; ++c) at(r, c) = at(r + 1, c);
            k = rows - 1;
        }
        for (long c = 0; c < cols; ++c) at(k, c) = blank;
    } else {
        long k = n - 1;
        for (long r = 0; r < rows; ++r) {
            if (insert) {
                for (long c = cols - 1; c > k; --c) at(r, c) = at(r, c - 1);
                at(r, k) = blank;
            } else {
                for (long c = k; c + 1 < cols; ++c) at(r, c) = at(r, c + 1);
                at(r, cols - 1) = blank;
            }
        }
    }
    return N(1);
}

// ACOPY(source, target [, first [, count [, firstTarget]]]): answers the
// elements copied. A missing target is made with the source's shape; a
// target too small grows (a one-dimensional one by elements, another by
// rows).
Value Acopy(Args& a) {
    VarP src = ArrayOf(a, 0);
    long total = static_cast<long>(src->items.size());
    long first = a.Has(2) ? a.Int(2) : 1;
    long count = a.Has(3) ? a.Int(3) : -1;
    long to = a.Has(4) ? a.Int(4) : 1;
    if (first < 1 || first > total || count < -1 || to < 1) Raise(kErrArgument);
    if (count == -1) count = total - first + 1;
    if (first - 1 + count > total) Raise(kErrArgument);
    std::vector<Value> copy(src->items.begin() + (first - 1), src->items.begin() + (first - 1 + count));
    VarP dst = ArrayToFill(a, 1);
    if (!dst->isArray) Shape(*dst, src->cols ? src->rows : total, src->cols);
    long need = to - 1 + count;
    if (need > static_cast<long>(dst->items.size())) {
        long cols = Cols(*dst);
        Shape(*dst, dst->cols ? (need + cols - 1) / cols : need, dst->cols);
    }
    std::copy(copy.begin(), copy.end(), dst->items.begin() + (to - 1));
    return N(count);
}

// ALINES(array, text [, flags [, separator ...]]): the lines (or the parts
// between separators) of a text; answers their count. Flags: 1 trims each
// part, 2 keeps a last empty part, 4 leaves empty parts out, 8 separators
// match in any case, 16 keeps each separator at the end of its part. A
// logical third argument is the old trim flag. Without separators, CR, LF
// and CR LF end lines; there may be 23 separators at most.
Value Alines(Args& a) {
    std::string text = a[1].type == '0' ? "" : a.Text(1);  // .NULL. splits as the empty text
    long flags = 0;
    if (a.Has(2)) flags = a[2].type == 'L' ? (a[2].logical ? 1 : 0) : a.Int(2);
    if (flags < 0 || flags > 31) Raise(kErrArgument);
    std::vector<std::string> seps;
    if (a.size() > 3 + 23) Raise(kErrTooMany);  // at most 23 separators
    for (std::size_t i = 3; i < a.size(); ++i) {
        std::string s = a.Text(i);
        if (s.empty()) Raise(kErrArgument);
        seps.push_back(s);
    }
    bool lines = seps.empty();
    if (lines) seps = {"\r\n", "\r", "\n"};
    std::string hay = (flags & 8) ? UpperAscii(text) : text;
    if (flags & 8)
        for (std::string& s : seps) s = UpperAscii(s);
    std::vector<std::string> parts;
    std::size_t from = 0, i = 0;
    bool endedBySeparator = false;
    while (i < text.size()) {
        std::size_t len = 0;
        for (const std::string& s : seps)
            if (hay.compare(i, s.size(), s) == 0 && s.size() > len) len = s.size();
        if (len == 0) {
            ++i;
            continue;
        }
        parts.push_back(text.substr(from, (flags & 16) ? i + len - from : i - from));
        i += len;
        from = i;
        endedBySeparator = true;
    }
    if (from < text.size() || !endedBySeparator || (flags & 2)) parts.push_back(text.substr(from));
    std::vector<std::string> kept;
    for (std::string& p : parts) {
        if (flags & 1) {
            std::size_t b = p.find_first_not_of(" \t");
            std::size_t e = p.find_last_not_of(" \t");
            p = b == std::string::npos ? "" : p.substr(b, e - b + 1);
        }
        if ((flags & 4) && p.empty()) continue;
        kept.push_back(std::move(p));
    }
    if (kept.empty()) return N(0);
    VarP v = ArrayToFill(a, 0);
    v->items.clear();
    Shape(*v, static_cast<long>(kept.size()), 0);
    for (std::size_t k = 0; k < kept.size(); ++k) v->items[k] = C(std::move(kept[k]));
    return N(static_cast<double>(kept.size()));
}

// AERROR(array): the last error as one row of 7 (number, message, its
// parameter, then .NULL. for work area, trigger and the rest); 0 and the
// array unchanged when there was none.
Value Aerror(Args& a) {
    const ScriptError* e = a.in.catching() ? a.in.catching() : &a.in.lastError();
    if (e->number == 0) return N(0);
    std::string message = e->message.empty() ? ErrorText(e->number) : e->message;
    Value param = Value::Null();
    std::size_t q = message.find('\'');
    std::size_t r = q == std::string::npos ? q : message.find('\'', q + 1);
    if (r != std::string::npos) param = C(message.substr(q + 1, r - q - 1));
    VarP v = ArrayToFill(a, 0);
    v->items.clear();
    Shape(*v, 1, 7);
    v->items[0] = N(e->number);
    v->items[1] = C(message);
    v->items[2] = param;
    for (int k = 3; k < 7; ++k) v->items[static_cast<std::size_t>(k)] = Value::Null();
    return N(1);
}

const Builtin kTable[] = {
    {"ASCAN", 2, 6, Ascan},
    {"ASORT", 1, 5, Asort},
    {"ADEL", 2, 3, [](Args& a) { return Shift(a, false); }},
    {"AINS", 2, 3, [](Args& a) { return Shift(a, true); }},
    {"ACOPY", 2, 5, Acopy},
    {"ALINES", 2, 255, Alines},
    {"AERROR", 1, 1, Aerror},
};

}  // namespace

std::span<const Builtin> ArrayBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
