// Objects of the host language: the runner's base classes (Empty, Custom,
// Collection, Form and the Exception of CATCH TO) and the classes a program
// defines itself (DEFINE CLASS name AS parent ... ENDDEFINE).
//
// A value of type O holds its object; the object goes when the last value
// holding it goes (its Destroy method runs first, before the next
// statement). Objects that refer to each other in a ring stay until the
// interpreter ends. Property names compare without case; collection keys
// compare exactly.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "runner/lang/ast.h"

namespace tarvo::run::lang {

enum class BaseClass { Empty, Custom, Collection, Form, Exception };

// DEFINE CLASS name AS parent: its properties' first values (name = value
// lines, evaluated in order when an object is made, with THIS set) and its
// methods (PROCEDURE or FUNCTION blocks).
struct ClassDef {
    std::string name;     // upper case
    std::string written;  // as written
    std::string parent;   // upper case: a base class or another class
    std::string program;
    int line = 0;
    std::vector<std::pair<std::string, ExprP>> properties;  // upper-case names
    std::map<std::string, ProcedureP, NameOrder> methods;
    int error = 0;  // the class body holds something the runner does not take
    std::string errorText;
};
using ClassP = std::shared_ptr<const ClassDef>;

struct Object {
    int id = 0;
    BaseClass base = BaseClass::Empty;
    std::vector<ClassP> chain;  // the program's own classes, the object's own first
    std::vector<std::pair<std::string, Value>> properties;  // upper-case names, in order
    // A collection's items, each with its key ("" for none), and the keys' places.
    std::vector<Value> items;
    std::vector<std::string> keys;
    std::unordered_map<std::string, std::size_t> keyIndex;
    HWND window = nullptr;  // a form's window
    bool destroying = false;  // its Destroy method is running or has run

    ~Object();
    Value* Find(const std::string& upperName);
    // The method `name` of the program's classes from chain[from] on.
    const Procedure* Method(const std::string& name, std::size_t from, std::size_t* at) const;
};

// A base class by name (upper case); false when there is none.
bool FindBaseClass(const std::string& name, BaseClass* base);
const char* BaseClassName(BaseClass base);

// Whether the base class itself has this property (Name, Caption, Count ...).
bool BaseProperty(const Object& o, const std::string& upperName);

// A name a property can have: a letter or "_" and then letters, digits or
// "_", at most 254 characters.
bool IsPropertyName(const std::string& name);

// "Myclass" for MYCLASS: how the host writes a class's name.
std::string ClassNameAsShown(const std::string& name);

}  // namespace tarvo::run::lang
