// The name resolver: every name the program reads or writes goes through
// here. A name alone is a field of the table in the current work area when
// that table has one, else a memory variable; m.name and m->name are memory
// variables; alias->name is a field of the table open under that alias, and
// so is alias.name when a table is open under that alias (else it is an
// object's property). name(i) and name[i, j] are array elements.
//
// An assignment to a name alone writes a memory variable, made private to
// the running procedure when no variable of that name is seen. Fields are
// written through the work areas (alias.name = value, alias->name = value),
// which may refuse.
//
// Memory variables follow the host's scoping (see interp.h).
#include <algorithm>
#include <cmath>

#include "runner/lang/interp.h"
#include "runner/lang/lexer.h"

namespace tarvo::run::lang {
namespace {

[[noreturn]] void NoVariable(const std::string& name) {
    Raise(kErrNoVariable, "Variable '" + name + "' is not found.");
}

// A plain name that may be an alias: alias.name.
const Expr* AliasOf(const Expr& member) {
    const Expr& o = *member.args[0];
    return o.kind == EK::Name && o.alias.empty() && !o.parenthesized ? &o : nullptr;
}

}  // namespace

// --- reading and writing ----------------------------------------------------------

bool Interpreter::ReadField(const std::string& alias, const std::string& name, Value* out) {
    const WorkAreas& w = host_.workAreas;
    int area = w.find(alias);
    const int answer = area ? w.read(area, name, out) : -1;
    if (answer > 0) Raise(answer, host_.tables.message);
    return answer == 0;
}

bool Interpreter::ReadName(const Expr& e, Value* out) {
    switch (e.kind) {
    case EK::Name: {
        if ((e.name == "THIS" || e.name == "THISFORM") && e.alias.empty()) {
            *out = ThisObject(e.name);
            return true;
        }
        if (e.alias.empty() && ReadField("", e.name, out)) return true;
        VarP v = FindVariable(e.name);
        if (!v) NoVariable(e.name);
        *out = v->scalar();
        return true;
    }
    case EK::Field:
        if (!host_.workAreas.find(e.alias)) Raise(kErrNoAlias, "Alias '" + e.alias + "' is not found.");
        if (!ReadField(e.alias, e.name, out)) NoVariable(e.name);
        return true;
    case EK::Call:
    case EK::Index: {
        VarP v = FindVariable(e.name);
        if (e.kind == EK::Call && (!v || !v->isArray)) return false;  // a function call
        if (!v) NoVariable(e.name);
        if (!v->isArray) Raise(kErrNotArray, "'" + e.name + "' is not an array.");
        *out = Element(*v, e.args);
        return true;
    }
    case EK::Member: {
        const Expr* alias = AliasOf(e);
        if (!alias || !host_.workAreas.find(alias->name)) return false;  // an object's property
        if (!ReadField(alias->name, e.name, out)) NoVariable(e.name);
        return true;
    }
    default:
        return false;
    }
}

Value Interpreter::NameValue(const std::string& name) {
    Expr e;
    e.kind = EK::Name;
    e.name = name;
    Value v;
    ReadName(e, &v);
    return v;
}

void Interpreter::Assign(const Expr& target, const Value& value) {
    auto writeField = [&](const std::string& alias, const std::string& name) {
        int area = host_.workAreas.find(alias);
        if (!area) Raise(kErrNoAlias, "Alias '" + alias + "' is not found.");
        if (int err = host_.workAreas.write(area, name, value)) Raise(err);
    };
    switch (target.kind) {
    case EK::Name:
        AssignName(target.name, value);
        return;
    case EK::Field:
        writeField(target.alias, target.name);
        return;
    case EK::Call:
    case EK::Index: {
        VarP v = FindVariable(target.name);
        if (!v) NoVariable(target.name);
        if (!v->isArray) Raise(kErrNotArray, "'" + target.name + "' is not an array.");
        Element(*v, target.args) = value;
        return;
    }
    case EK::Member: {
        const Expr* alias = AliasOf(target);
        if (alias && host_.workAreas.find(alias->name)) return writeField(alias->name, target.name);
        const Value o = Eval(*target.args[0]);
        SetProperty(ObjectOf(o, target.args[0]->written), target.name, value, false);
        return;
    }
    default:
        Raise(kErrSyntax);
    }
}

void Interpreter::AssignName(const std::string& name, const Value& value) {
    VarP v = FindVariable(name);
    if (!v) v = Create(name);
    if (v->isArray) std::fill(v->items.begin(), v->items.end(), value);
    else v->value = value;
}

VarP Interpreter::VariableFor(const Expr& e) {
    VarP v = FindVariable(e.name);
    if (!v) NoVariable(e.name);
    return v;
}

// --- memory variables -------------------------------------------------------------

VarP Interpreter::FindVariable(const std::string& name) {
    Frame& f = frame();
    if (auto it = f.locals.find(name); it != f.locals.end()) return it->second;
    for (std::size_t i = frames_.size(); i-- > 0;) {
        Frame& g = *frames_[i];
        if (auto it = g.privates.find(name); it != g.privates.end()) return it->second;
        if (g.hidden.count(name)) return nullptr;
    }
    if (auto it = publics_.find(name); it != publics_.end()) return it->second;
    return nullptr;
}

VarP Interpreter::Create(const std::string& name) {
    Frame& f = frame();
    VarP v = NewVar();
    Put(f.privates, name, v);
    f.hidden.erase(name);
    return v;
}

VarP Interpreter::NewVar() {
    if (spareVars_.empty()) return std::make_shared<Var>();
    VarP v = std::move(spareVars_.back());
    spareVars_.pop_back();
    return v;
}

void Interpreter::Put(VarMap& map, const std::string& name, VarP v) {
    auto at = map.lower_bound(name);
    if (at != map.end() && !NameOrder()(name, at->first)) {
        at->second = std::move(v);
    } else if (spareNodes_.empty()) {
        map.emplace_hint(at, name, std::move(v));
    } else {
        VarMap::node_type node = std::move(spareNodes_.back());
        spareNodes_.pop_back();
        node.key() = name;
        node.mapped() = std::move(v);
        map.insert(at, std::move(node));
    }
}

// Empties `map`, keeping its places, and its variables that nothing else
// holds (none while the library holds locators: a locator of a variable
// that is gone must not reach a new one).
void Interpreter::Recycle(VarMap& map) {
    while (!map.empty()) {
        VarMap::node_type node = map.extract(map.begin());
        VarP& v = node.mapped();
        if (v.use_count() == 1 && refs_.empty() && spareVars_.size() < spareVars_.capacity()) {
            *v = Var{};
            spareVars_.push_back(std::move(v));
        }
        v.reset();
        if (spareNodes_.size() < spareNodes_.capacity()) spareNodes_.push_back(std::move(node));
    }
}

bool Interpreter::GetVariable(const std::string& name, Value* out) {
    VarP v = FindVariable(UpperAscii(name));
    if (!v) return false;
    *out = v->scalar();
    return true;
}

void Interpreter::SetVariable(const std::string& name, const Value& v) { AssignName(UpperAscii(name), v); }

void Interpreter::Release(const std::string& name) {
    Frame& f = frame();
    if (f.locals.erase(name)) return;
    for (std::size_t i = frames_.size(); i-- > 0;) {
        Frame& g = *frames_[i];
        if (g.privates.erase(name)) return;
        if (g.hidden.count(name)) return;
    }
    publics_.erase(name);
}

void Interpreter::ReleaseAll() {
    frame().locals.clear();
    frame().privates.clear();
}

long Interpreter::Subscript(const Expr& e) {
    Value x = Eval(e);
    if (!IsNumber(x)) Raise(kErrSubscript);
    double d = std::trunc(x.asNumber());
    if (d < 1 || d > 2147483647.0) Raise(kErrSubscript);
    return static_cast<long>(d);
}

void Interpreter::Dimension(Var& v, const std::vector<ExprP>& dims) {
    long rows = Subscript(*dims.at(0));
    long cols = dims.size() > 1 ? Subscript(*dims[1]) : 0;
    double total = static_cast<double>(rows) * static_cast<double>(std::max(cols, 1L));
    if (total > kMaxArrayElements) Raise(kErrMemory);
    if (!v.isArray) {
        v.isArray = true;
        v.items.clear();
    }
    // Redimensioning keeps the elements in their order; new ones are .F.
    v.items.resize(static_cast<std::size_t>(total), Value::Logical(false));
    v.rows = static_cast<int>(rows);
    v.cols = static_cast<int>(cols);
}

Value& Interpreter::Element(Var& v, const std::vector<ExprP>& subs) {
    if (subs.empty() || subs.size() > 2) Raise(kErrSubscript);
    long i = Subscript(*subs[0]);
    if (subs.size() == 1) {
        if (static_cast<std::size_t>(i) > v.items.size()) Raise(kErrSubscript);
        return v.items[static_cast<std::size_t>(i - 1)];
    }
    long j = Subscript(*subs[1]);
    long cols = v.cols == 0 ? 1 : v.cols;
    long rows = v.cols == 0 ? static_cast<long>(v.items.size()) : v.rows;
    if (i > rows || j > cols) Raise(kErrSubscript);
    return v.items.at(static_cast<std::size_t>((i - 1) * cols + (j - 1)));
}

void Interpreter::Declare(DeclKind kind, const std::vector<Decl>& decls) {
    Frame& f = frame();
    for (const Decl& d : decls) {
        switch (kind) {
        case DeclKind::Local: {
            auto it = f.locals.find(d.name);
            VarP v = it != f.locals.end() ? it->second : std::make_shared<Var>();
            if (!d.dims.empty()) Dimension(*v, d.dims);
            f.locals[d.name] = v;
            break;
        }
        case DeclKind::Private:
            if (!d.dims.empty()) {
                auto v = std::make_shared<Var>();
                Dimension(*v, d.dims);
                f.privates[d.name] = v;
                f.hidden.erase(d.name);
            } else if (!f.privates.count(d.name)) {
                f.hidden.insert(d.name);
            }
            break;
        case DeclKind::Public: {
            VarP& v = publics_[d.name];
            if (!v) v = std::make_shared<Var>();
            if (!d.dims.empty()) Dimension(*v, d.dims);
            break;
        }
        case DeclKind::Dimension: {  // DIMENSION, DECLARE
            VarP v = FindVariable(d.name);
            if (!v) v = Create(d.name);
            Dimension(*v, d.dims);
            break;
        }
        }
    }
}

void Interpreter::Bind(const std::vector<std::string>& names, bool local) {
    Frame& f = frame();
    if (f.args.size() > names.size()) Raise(kErrTooMany);
    for (std::size_t i = 0; i < names.size(); ++i) {
        VarP v;
        if (i < f.args.size() && f.args[i].byRef) {
            v = f.args[i].ref;
        } else {
            v = NewVar();
            if (i < f.args.size()) v->value = f.args[i].value;
        }
        if (local) {
            Put(f.locals, names[i], std::move(v));
        } else {
            Put(f.privates, names[i], std::move(v));
            f.hidden.erase(names[i]);
        }
    }
}

}  // namespace tarvo::run::lang
