// Objects: making them (base classes and the program's own classes), their
// properties, their methods (the program's and the base classes' own), and
// their end (Destroy, a form's window).
#include "runner/lang/objects.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "runner/lang/interp.h"

namespace tarvo::run::lang {

// --- plain parts -------------------------------------------------------------------

namespace {

struct BaseInfo {
    const char* name;
    BaseClass base;
};
constexpr BaseInfo kBases[] = {
    {"EMPTY", BaseClass::Empty},         {"CUSTOM", BaseClass::Custom},
    {"COLLECTION", BaseClass::Collection}, {"FORM", BaseClass::Form},
    {"EXCEPTION", BaseClass::Exception},
};

constexpr char kFormClass[] = "TarvoForm";
constexpr std::int32_t kFirstForm = 2;  // host window numbers of forms start after the main window's

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Closing a form hides it; the program releases it.
    if (msg == WM_CLOSE) {
        ShowWindow(hwnd, SW_HIDE);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND NewFormWindow(const std::string& caption) {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = FormProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kFormClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    return CreateWindowA(kFormClass, caption.c_str(), WS_OVERLAPPEDWINDOW | WS_SYSMENU, 0, 0, 375, 250,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

[[noreturn]] void UnknownMember(const std::string& name) {
    Raise(kErrUnknownMember, "Unknown member " + name + ".");
}
[[noreturn]] void NoMember() {
    Raise(kErrNoMember, "Index or expression does not match an existing member of the collection.");
}

}  // namespace

bool FindBaseClass(const std::string& name, BaseClass* base) {
    for (const BaseInfo& b : kBases)
        if (name == b.name) {
            *base = b.base;
            return true;
        }
    return false;
}

const char* BaseClassName(BaseClass base) {
    switch (base) {
    case BaseClass::Empty: return "Empty";
    case BaseClass::Custom: return "Custom";
    case BaseClass::Collection: return "Collection";
    case BaseClass::Form: return "Form";
    case BaseClass::Exception: return "Exception";
    }
    return "";
}

bool BaseProperty(const Object& o, const std::string& name) {
    static const char* const kCommon[] = {"BASECLASS", "CLASS", "NAME", "PARENTCLASS"};
    static const char* const kForm[] = {"CAPTION", "LEFT", "TOP", "WIDTH", "HEIGHT", "VISIBLE", "HWND"};
    static const char* const kException[] = {"DETAILS", "ERRORNO", "LINECONTENTS", "LINENO", "MESSAGE",
                                             "PROCEDURE", "STACKLEVEL", "USERVALUE"};
    auto in = [&](const auto& list) {
        for (const char* n : list)
            if (name == n) return true;
        return false;
    };
    switch (o.base) {
    case BaseClass::Empty: return false;
    case BaseClass::Exception: return in(kException);
    case BaseClass::Collection: return in(kCommon) || name == "COUNT" || name == "KEYSORT";
    case BaseClass::Form: return in(kCommon) || in(kForm);
    case BaseClass::Custom: return in(kCommon);
    }
    return false;
}

bool IsPropertyName(const std::string& name) {
    if (name.empty() || name.size() > 254 || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

std::string ClassNameAsShown(const std::string& name) {
    std::string s = name;
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<char>(i == 0 ? std::toupper(static_cast<unsigned char>(s[i]))
                                        : std::tolower(static_cast<unsigned char>(s[i])));
    return s;
}

Object::~Object() {
    if (window) DestroyWindow(window);
}

Value* Object::Find(const std::string& upperName) {
    for (auto& [name, value] : properties)
        if (name == upperName) return &value;
    return nullptr;
}

const Procedure* Object::Method(const std::string& name, std::size_t from, std::size_t* at) const {
    for (std::size_t i = from; i < chain.size(); ++i)
        if (auto it = chain[i]->methods.find(name); it != chain[i]->methods.end()) {
            *at = i;
            return it->second.get();
        }
    return nullptr;
}

// --- the object store --------------------------------------------------------------

struct ObjectDeleter {
    Interpreter* in;
    void operator()(Object* o) const { in->Dispose(o); }
};

Value Interpreter::Adopt(Object* o) {
    Value v;
    v.type = 'O';
    v.integer = o->id;
    v.object = std::shared_ptr<Object>(o, ObjectDeleter{this});
    objects_[o->id] = v.object;
    return v;
}

void Interpreter::Dispose(Object* o) {
    objects_.erase(o->id);
    std::size_t at = 0;
    if (!closing_ && !o->destroying && o->Method("DESTROY", 0, &at)) {
        o->destroying = true;
        dying_.push_back(o);  // its Destroy runs after the statement that let it go
        return;
    }
    if (o->window) host_.windows.forms.erase(kFirstForm - 1 + o->id);
    delete o;
}

void Interpreter::RunDestroys() {
    while (!dying_.empty()) {
        Object* o = dying_.front();
        dying_.erase(dying_.begin());
        Value self = Adopt(o);
        std::size_t at = 0;
        if (const Procedure* p = o->Method("DESTROY", 0, &at)) RunMethod(self, *p, at, "DESTROY", {});
    }
}

void Interpreter::ReleaseObjects() {
    closing_ = true;
    for (Object* o : dying_) Dispose(o);
    dying_.clear();
}

Value Interpreter::NewObject(BaseClass base) {
    auto* o = new Object;
    o->id = nextObject_++;
    o->base = base;
    return Adopt(o);
}

Object* Interpreter::GetObject(const Value& v) {
    if (v.type != 'O') return nullptr;
    if (v.object) return v.object.get();
    auto it = objects_.find(v.integer);  // a value read back from a record
    if (it == objects_.end()) return nullptr;
    std::shared_ptr<Object> held = it->second.lock();
    return held.get();
}

Value Interpreter::Revive(const Value& v) {
    if (v.type != 'O' || v.object) return v;
    Value out = v;
    if (auto it = objects_.find(v.integer); it != objects_.end()) out.object = it->second.lock();
    if (!out.object) out = Value::Null();  // an object that is gone
    return out;
}

Object& Interpreter::ObjectOf(const Value& v, const std::string& written) {
    Object* o = GetObject(v);
    if (!o) Raise(kErrNotObject, UpperAscii(written) + " is not an object.");
    return *o;
}

// --- classes ------------------------------------------------------------------------

ClassP Interpreter::FindClass(const std::string& name) const {
    if (auto it = classes_.find(name); it != classes_.end()) return it->second;
    for (const std::shared_ptr<Program>& file : session_.procedureFiles)
        if (auto c = file->classes.find(name); c != file->classes.end()) return c->second;
    return nullptr;
}

void Interpreter::AddClasses(const Program& program) {
    for (const auto& [name, c] : program.classes) classes_[name] = c;
}

Value Interpreter::CreateObject(const std::string& className, const std::vector<Value>& args,
                                const Program* module) {
    std::vector<ClassP> chain;
    std::set<std::string, NameOrder> seen;
    std::string name = UpperAscii(className);
    BaseClass base = BaseClass::Empty;
    while (!FindBaseClass(name, &base)) {
        ClassP c;
        if (module)
            if (auto it = module->classes.find(name); it != module->classes.end()) c = it->second;
        if (!c) c = FindClass(name);
        if (!c) Raise(kErrNoClass, "Class definition " + name + " is not found.");
        if (!seen.insert(name).second)
            Raise(kErrNoClass, "Class definition " + name + " is not found (it derives from itself).");
        if (c->error) Raise(c->error, c->errorText);
        chain.push_back(c);
        name = c->parent;
    }
    if (base == BaseClass::Exception && !chain.empty()) Raise(kErrNoClass, "Class definition EXCEPTION cannot be subclassed.");
    Value self = NewObject(base);
    Object& o = *self.object;
    o.chain = chain;
    const std::string shown = chain.empty() ? BaseClassName(base) : ClassNameAsShown(chain.front()->name);
    auto set = [&](const char* prop, Value v) { o.properties.emplace_back(prop, std::move(v)); };
    if (base == BaseClass::Exception) {
        for (const char* p : {"ERRORNO", "MESSAGE", "LINENO", "LINECONTENTS", "PROCEDURE", "DETAILS",
                              "USERVALUE", "STACKLEVEL"})
            set(p, std::string(p) == "ERRORNO" || std::string(p) == "LINENO" || std::string(p) == "STACKLEVEL"
                       ? Value::Num(0, 0)
                       : Value::Char(""));
    } else if (base != BaseClass::Empty) {
        set("BASECLASS", Value::Char(BaseClassName(base)));
        set("CLASS", Value::Char(shown));
        set("NAME", Value::Char(shown + "1"));
        set("PARENTCLASS", Value::Char(chain.empty() ? std::string()
                                       : chain.size() > 1 ? ClassNameAsShown(chain[1]->name)
                                                          : std::string(BaseClassName(base))));
        if (base == BaseClass::Collection) set("KEYSORT", Value::Num(0, 0));
        if (base == BaseClass::Form) {
            set("CAPTION", Value::Char(shown + "1"));
            set("LEFT", Value::Num(0, 0));
            set("TOP", Value::Num(0, 0));
            set("WIDTH", Value::Num(375, 0));
            set("HEIGHT", Value::Num(250, 0));
            set("VISIBLE", Value::Logical(false));
            o.window = NewFormWindow(shown + "1");
            if (!o.window) Raise(kErrMemory);
            host_.windows.forms[kFirstForm - 1 + o.id] = {UpperAscii(shown + "1"), o.window};
        }
    }
    // The classes' first values, the furthest parent's first; THIS is the object.
    for (auto c = chain.rbegin(); c != chain.rend(); ++c)
        for (const auto& [prop, expr] : (*c)->properties) {
            std::unique_ptr<Frame> f = NewFrame();
            f->name = (*c)->name;
            f->self = self;
            FramePush push(*this, std::move(f));
            SetProperty(o, prop, Eval(*expr), true);
        }
    std::size_t at = 0;
    if (const Procedure* init = o.Method("INIT", 0, &at)) {
        const Value r = RunMethod(self, *init, at, "INIT", args);
        if (r.type == 'L' && !r.logical) return Value::Null();  // Init said no
    } else if (!args.empty()) {
        Raise(kErrTooMany);  // the base classes' Init takes no parameters
    }
    return self;
}

// --- properties ---------------------------------------------------------------------

bool Interpreter::GetProperty(Object& o, const std::string& name, Value* out) {
    if (o.base == BaseClass::Collection && name == "COUNT") {
        *out = Value::Num(static_cast<double>(o.items.size()), 0);
        return true;
    }
    if (o.base == BaseClass::Form && name == "HWND") {
        *out = Value::Num(static_cast<double>(reinterpret_cast<std::uintptr_t>(o.window)), 0);
        return true;
    }
    if (Value* p = o.Find(name)) {
        *out = *p;
        return true;
    }
    return false;
}

bool Interpreter::ReadOnlyProperty(const Object& o, const std::string& name) {
    if (o.base == BaseClass::Empty) return false;
    return name == "BASECLASS" || name == "CLASS" || name == "PARENTCLASS" ||
           (o.base == BaseClass::Collection && name == "COUNT") || (o.base == BaseClass::Form && name == "HWND");
}

void Interpreter::SetProperty(Object& o, const std::string& name, const Value& v, bool create) {
    if (ReadOnlyProperty(o, name)) Raise(kErrReadOnly, "Property " + name + " is read-only.");
    Value* p = o.Find(name);
    if (!p) {
        if (!create) Raise(kErrNoProperty, "Property " + name + " is not found.");
        o.properties.emplace_back(name, v);
        p = &o.properties.back().second;
    } else {
        *p = v;
    }
    if (o.base != BaseClass::Form || !o.window) return;
    // A form's window follows its properties.
    if (name == "NAME" && IsText(v)) {
        host_.windows.forms[kFirstForm - 1 + o.id].name = UpperAscii(v.text);
    } else if (name == "CAPTION" && IsText(v)) {
        SetWindowTextA(o.window, v.text.c_str());
    } else if (name == "VISIBLE" && v.type == 'L') {
        ShowWindow(o.window, v.logical ? SW_SHOWNORMAL : SW_HIDE);
    } else if ((name == "LEFT" || name == "TOP" || name == "WIDTH" || name == "HEIGHT") && IsNumber(v)) {
        auto at = [&](const char* n) {
            const Value* x = o.Find(n);
            return x && IsNumber(*x) ? static_cast<int>(x->asNumber()) : 0;
        };
        MoveWindow(o.window, at("LEFT"), at("TOP"), at("WIDTH"), at("HEIGHT"), TRUE);
    }
}

int Interpreter::SetPropertyFromLibrary(std::int32_t id, const std::string& name, const Value& v,
                                        bool create) {
    auto it = objects_.find(id);
    std::shared_ptr<Object> o = it == objects_.end() ? nullptr : it->second.lock();
    if (!o || !IsPropertyName(name)) return 1;
    const std::string upper = UpperAscii(name);
    if (ReadOnlyProperty(*o, upper) || (!create && !o->Find(upper))) return 1;
    SetProperty(*o, upper, Revive(v), true);
    return 0;
}

// --- methods --------------------------------------------------------------------------

Value Interpreter::RunMethod(const Value& self, const Procedure& p, std::size_t level, const std::string& name,
                             const std::vector<Value>& args) {
    std::unique_ptr<Frame> callee = NewFrame();
    for (const Value& a : args) callee->args.push_back(ArgCell{nullptr, a, false});
    callee->self = self;
    callee->methodLevel = level;
    callee->methodName = name;
    Counting c(expressionCalls_);
    return CallProcedure(p, std::move(callee));
}

Value Interpreter::CallMethod(const Value& self, const std::string& written, const std::string& name,
                              const std::vector<Value>& args) {
    Object& o = ObjectOf(self, written);
    std::size_t at = 0;
    if (const Procedure* p = o.Method(name, 0, &at)) return RunMethod(self, *p, at, name, args);
    Value out;
    if (BaseMethod(self, o, name, args, &out)) return out;
    UnknownMember(name);
}

Value Interpreter::DoDefault(const std::vector<Value>& args) {
    Frame& f = frame();
    Object* o = GetObject(f.self);
    if (!o || f.methodName.empty()) Raise(kErrNotInMethod, "DODEFAULT( ) can only be called from within a method.");
    std::size_t at = 0;
    if (const Procedure* p = o->Method(f.methodName, f.methodLevel + 1, &at))
        return RunMethod(f.self, *p, at, f.methodName, args);
    Value out;
    if (BaseMethod(f.self, *o, f.methodName, args, &out)) return out;
    return Value::Logical(true);  // the base classes' events do nothing of their own
}

Value Interpreter::ThisObject(const std::string& word) {
    const Value& self = frame().self;
    if (self.type != 'O') Raise(kErrNotInMethod, word + " can only be used within a method.");
    if (word == "THISFORM") {
        Object* o = GetObject(self);
        if (!o || o->base != BaseClass::Form) Raise(kErrNotInMethod, "THISFORM can only be used within a form's method.");
    }
    return self;
}

namespace {

// The item an index or a key names in a collection; false when none does.
bool ItemAt(const Object& o, const Value& which, std::size_t* at) {
    if (IsText(which)) {
        auto it = o.keyIndex.find(which.text);
        if (it == o.keyIndex.end()) return false;
        *at = it->second;
        return true;
    }
    if (!IsNumber(which)) Raise(kErrArgument);
    const double n = which.asNumber();
    if (n < 1 || n > static_cast<double>(o.items.size()) || n != static_cast<double>(static_cast<long>(n)))
        return false;
    *at = static_cast<std::size_t>(n) - 1;
    return true;
}

void Reindex(Object& o) {
    o.keyIndex.clear();
    for (std::size_t i = 0; i < o.keys.size(); ++i)
        if (!o.keys[i].empty()) o.keyIndex[o.keys[i]] = i;
}

void CheckCount(const std::vector<Value>& args, std::size_t min, std::size_t max) {
    if (args.size() < min) Raise(kErrTooFew);
    if (args.size() > max) Raise(kErrTooMany);
}

}  // namespace

bool Interpreter::BaseMethod(const Value& self, Object& o, const std::string& name,
                             const std::vector<Value>& args, Value* out) {
    *out = Value::Logical(true);
    if (o.base == BaseClass::Empty || o.base == BaseClass::Exception) return false;
    // The events every class has, which do nothing of their own.
    if (name == "INIT" || name == "DESTROY" || name == "ERROR") return true;
    if (name == "ADDPROPERTY") {
        CheckCount(args, 1, 2);
        if (!IsText(args[0]) || !IsPropertyName(args[0].text)) Raise(kErrArgument);
        SetProperty(o, UpperAscii(args[0].text), args.size() > 1 ? Revive(args[1]) : Value::Logical(false), true);
        return true;
    }
    if (o.base == BaseClass::Collection) {
        if (name == "ADD") {
            CheckCount(args, 1, 4);
            std::string key;
            if (args.size() > 1 && args[1].type != 'L') {
                if (!IsText(args[1])) Raise(kErrArgument);
                key = args[1].text;
                if (o.keyIndex.count(key)) Raise(kErrKeyExists, "The specified key already exists.");
            }
            std::size_t place = o.items.size();
            if (args.size() > 2 && args[2].type != 'L') {  // before
                if (!ItemAt(o, args[2], &place)) NoMember();
            } else if (args.size() > 3 && args[3].type != 'L') {  // after
                if (!ItemAt(o, args[3], &place)) NoMember();
                ++place;
            }
            o.items.insert(o.items.begin() + static_cast<std::ptrdiff_t>(place), Revive(args[0]));
            o.keys.insert(o.keys.begin() + static_cast<std::ptrdiff_t>(place), key);
            if (place + 1 == o.items.size()) {
                if (!key.empty()) o.keyIndex[key] = place;
            } else {
                Reindex(o);
            }
            return true;
        }
        if (name == "ITEM") {
            CheckCount(args, 1, 1);
            std::size_t at = 0;
            if (!ItemAt(o, args[0], &at)) NoMember();
            *out = o.items[at];
            return true;
        }
        if (name == "REMOVE") {
            CheckCount(args, 1, 1);
            if (IsNumber(args[0]) && args[0].asNumber() == -1) {
                o.items.clear();
                o.keys.clear();
                o.keyIndex.clear();
                return true;
            }
            std::size_t at = 0;
            if (!ItemAt(o, args[0], &at)) NoMember();
            o.items.erase(o.items.begin() + static_cast<std::ptrdiff_t>(at));
            o.keys.erase(o.keys.begin() + static_cast<std::ptrdiff_t>(at));
            Reindex(o);
            return true;
        }
        if (name == "GETKEY") {
            CheckCount(args, 1, 1);
            std::size_t at = 0;
            const bool found = ItemAt(o, args[0], &at);
            if (IsText(args[0])) *out = Value::Num(found ? static_cast<double>(at + 1) : 0, 0);
            else if (!found) NoMember();
            else *out = Value::Char(o.keys[at]);
            return true;
        }
    }
    if (o.base == BaseClass::Form) {
        if (name == "SHOW" || name == "HIDE") {
            CheckCount(args, 0, 1);
            SetProperty(o, "VISIBLE", Value::Logical(name == "SHOW"), true);
            return true;
        }
        if (name == "REFRESH") return true;
        if (name == "MOVE") {
            CheckCount(args, 2, 4);
            const char* props[] = {"LEFT", "TOP", "WIDTH", "HEIGHT"};
            for (std::size_t i = 0; i < args.size(); ++i) {
                if (!IsNumber(args[i])) Raise(kErrArgument);
                SetProperty(o, props[i], args[i], true);
            }
            return true;
        }
        if (name == "RELEASE") {
            CheckCount(args, 0, 0);
            // The window goes now; the object goes with the last value holding it.
            if (o.window) {
                host_.windows.forms.erase(kFirstForm - 1 + o.id);
                DestroyWindow(o.window);
                o.window = nullptr;
            }
            (void)self;
            return true;
        }
    }
    return false;
}

// --- members, for AMEMBERS and PEMSTATUS ------------------------------------------------

std::vector<std::pair<std::string, std::string>> Interpreter::Members(Object& o, bool withMethods) {
    std::map<std::string, std::string, NameOrder> m;
    for (const auto& [name, v] : o.properties) m[name] = "Property";
    if (o.base == BaseClass::Collection) m["COUNT"] = "Property";
    if (o.base == BaseClass::Form) m["HWND"] = "Property";
    if (withMethods) {
        for (const ClassP& c : o.chain)
            for (const auto& [name, p] : c->methods) m.emplace(name, "Method");
        static const char* const kCommon[] = {"ADDPROPERTY"};
        static const char* const kEvents[] = {"DESTROY", "ERROR", "INIT"};
        static const char* const kCollection[] = {"ADD", "GETKEY", "ITEM", "REMOVE"};
        static const char* const kForm[] = {"HIDE", "MOVE", "REFRESH", "RELEASE", "SHOW"};
        if (o.base != BaseClass::Empty && o.base != BaseClass::Exception) {
            for (const char* n : kCommon) m.emplace(n, "Method");
            for (const char* n : kEvents) m[n] = "Event";
            if (o.base == BaseClass::Collection)
                for (const char* n : kCollection) m.emplace(n, "Method");
            if (o.base == BaseClass::Form)
                for (const char* n : kForm) m.emplace(n, "Method");
        }
    }
    return {m.begin(), m.end()};
}

}  // namespace tarvo::run::lang
