// Built-in functions of objects: making them, their members, DODEFAULT.
#include "runner/lang/builtins.h"

namespace tarvo::run::lang {
namespace {

std::vector<Value> Rest(Args& a, std::size_t from) {
    std::vector<Value> out;
    for (std::size_t i = from; i < a.size(); ++i) out.push_back(a[i]);
    return out;
}

Object& ObjectArg(Args& a, std::size_t i) {
    Object* o = a.in.GetObject(a[i]);
    if (!o) Raise(kErrArgument);
    return *o;
}

std::string PropertyArg(Args& a, std::size_t i) {
    const std::string name = a.Text(i);
    if (!IsPropertyName(name)) Raise(kErrArgument);
    return UpperAscii(name);
}

// CREATEOBJECT(class [, args for Init ...])
Value CreateObjectFn(Args& a) { return a.in.CreateObject(a.Text(0), Rest(a, 1)); }

// NEWOBJECT(class [, program [, application [, args for Init ...]]]): the
// class of that program file (its own classes first); the application is
// not read.
Value NewObjectFn(Args& a) {
    std::shared_ptr<Program> module;
    if (a.Has(1) && !(IsText(a[1]) && a[1].text.empty())) {
        module = a.in.ProgramFile(a.Text(1));
        a.in.AddClasses(*module);
    }
    return a.in.CreateObject(a.Text(0), Rest(a, 3), module.get());
}

// ADDPROPERTY(object, name [, value]): sets the property, adding it when the
// object lacks it.
Value AddPropertyFn(Args& a) {
    Object& o = ObjectArg(a, 0);
    a.in.SetProperty(o, PropertyArg(a, 1), a.Has(2) ? a[2] : Value::Logical(false), true);
    return L(true);
}

// GETPEM(object, name): the value of a property (error 1734 when the object
// has none of that name).
Value GetPemFn(Args& a) {
    Object& o = ObjectArg(a, 0);
    const std::string name = UpperAscii(a.Text(1));
    Value v;
    if (!a.in.GetProperty(o, name, &v)) Raise(kErrNoProperty, "Property " + name + " is not found.");
    return v;
}

// REMOVEPROPERTY(object, name): .T. when a property of that name was there
// and is gone; the base classes' own properties stay.
Value RemovePropertyFn(Args& a) {
    Object& o = ObjectArg(a, 0);
    const std::string name = PropertyArg(a, 1);
    if (BaseProperty(o, name)) return L(false);
    for (auto it = o.properties.begin(); it != o.properties.end(); ++it)
        if (it->first == name) {
            o.properties.erase(it);
            return L(true);
        }
    return L(false);
}

// AMEMBERS(array, object [, 1]): the names of its properties in order of
// name; with 1 two columns, name and kind (Property, Method, Event), for
// its methods and events too. Answers the count (0 leaves the array).
Value AmembersFn(Args& a) {
    Object* o = a.in.GetObject(a[1]);
    if (!o) Raise(kErrArgument);
    const long flag = a.Has(2) ? a.Int(2) : 0;
    if (flag != 0 && flag != 1) Raise(kErrArgument);
    const auto members = a.in.Members(*o, flag == 1);
    if (members.empty()) return N(0);
    VarP v = ArrayToFill(a, 0);
    v->items.clear();
    Shape(*v, static_cast<long>(members.size()), flag == 1 ? 2 : 0);
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (flag == 1) {
            v->items[2 * i] = C(members[i].first);
            v->items[2 * i + 1] = C(members[i].second);
        } else {
            v->items[i] = C(members[i].first);
        }
    }
    return N(static_cast<double>(members.size()));
}

// PEMSTATUS(object, name, attribute): 0 changed (.F.), 1 read-only,
// 2 protected (.F.), 3 the kind as text, 4 user-defined (added to the
// object or by a class of the program), 5 defined, 6 inherited (from a
// parent class of the program's own).
Value PemStatusFn(Args& a) {
    Object& o = ObjectArg(a, 0);
    const std::string name = UpperAscii(a.Text(1));
    const long what = a.Int(2);
    if (what < 0 || what > 6) Raise(kErrArgument);
    std::string kind;
    for (const auto& [n, k] : a.in.Members(o, true))
        if (n == name) kind = k;
    std::size_t level = 0;
    const bool method = o.Method(name, 0, &level) != nullptr;
    switch (what) {
    case 1: return L(!kind.empty() && Interpreter::ReadOnlyProperty(o, name));
    case 3: return C(kind);
    case 4: return L(method || (kind == "Property" && !BaseProperty(o, name)));
    case 5: return L(!kind.empty());
    case 6: return L(method && level > 0);
    default: return L(false);
    }
}

const Builtin kTable[] = {
    {"CREATEOBJECT", 1, 255, CreateObjectFn},
    {"NEWOBJECT", 1, 255, NewObjectFn},
    {"ADDPROPERTY", 2, 3, AddPropertyFn},
    {"REMOVEPROPERTY", 2, 2, RemovePropertyFn},
    {"GETPEM", 2, 2, GetPemFn},
    {"AMEMBERS", 2, 3, AmembersFn},
    {"PEMSTATUS", 3, 3, PemStatusFn},
    {"DODEFAULT", 0, 255, [](Args& a) { return a.in.DoDefault(Rest(a, 0)); }},
};

}  // namespace

std::span<const Builtin> ObjectBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
