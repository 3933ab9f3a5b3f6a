// Windows a program defines: DEFINE WINDOW name FROM row, column TO row,
// column [TITLE text] (or AT row, column SIZE rows, columns), ACTIVATE
// WINDOW, HIDE WINDOW and RELEASE WINDOWS. Each is a form (a real window
// the library finds by the window's name), made hidden; a row is 16 pixels
// and a column 8. Other clauses of DEFINE WINDOW (fonts, borders, colours)
// are read and not served.
#include "runner/lang/interp.h"

namespace tarvo::run::lang {
namespace {

constexpr int kRowPixels = 16;
constexpr int kColumnPixels = 8;

struct WindowDefinition {
    std::string name;  // upper case
    std::string written;
    ExprP top, left, bottom, right;  // FROM ... TO ...
    bool size = false;               // AT ... SIZE: bottom and right are the height and width
    ExprP title;
};

struct WindowNames {
    std::vector<NameArg> names;
    bool all = false;
};

void ParseDefineWindow(ExprParser& p, Stmt& s) {
    WindowDefinition d;
    p.Relex(true);
    if (p.cur().kind != Tok::Ident) p.Fail();
    d.written = p.cur().raw;
    d.name = p.Name();
    const bool from = p.Word("FROM");
    if (!from && !p.Word("AT")) p.Fail();
    d.top = p.Expression();
    p.Expect(",");
    d.left = p.Expression();
    d.size = !from;
    if (!p.Word(from ? "TO" : "SIZE")) p.Fail();
    d.bottom = p.Expression();
    p.Expect(",");
    d.right = p.Expression();
    while (!p.AtEnd()) {
        p.Relex(true);
        if (p.Word("TITLE")) d.title = p.Expression();
        else p.Next();  // a clause not served
    }
    s.payload = d;
}

void ParseWindowNames(ExprParser& p, Stmt& s) {
    WindowNames w;
    p.Relex(true);
    if (p.Word("ALL")) w.all = true;
    else if (!p.AtEnd()) w.names = NameList(p);
    p.ExpectEnd();
    s.payload = w;
}

int Pixels(Interpreter& in, const ExprP& e, int unit) {
    const Value v = in.Eval(*e);
    if (!IsNumber(v)) Raise(kErrDataType);
    return static_cast<int>(v.asNumber() * unit);
}

Flow ExecDefineWindow(Interpreter& in, const Stmt& s) {
    const WindowDefinition& d = s.As<WindowDefinition>();
    const int top = Pixels(in, d.top, kRowPixels), left = Pixels(in, d.left, kColumnPixels);
    int height = Pixels(in, d.bottom, kRowPixels), width = Pixels(in, d.right, kColumnPixels);
    if (!d.size) {
        height -= top;
        width -= left;
    }
    Value form = in.CreateObject("Form", {});
    Object& o = *form.object;
    in.SetProperty(o, "NAME", Value::Char(d.written), false);
    std::string title = d.written;
    if (d.title) {
        const Value t = in.Eval(*d.title);
        if (!IsText(t)) Raise(kErrDataType);
        title = t.text;
    }
    in.SetProperty(o, "CAPTION", Value::Char(title), false);
    in.SetProperty(o, "LEFT", Value::Num(left, 0), false);
    in.SetProperty(o, "TOP", Value::Num(top, 0), false);
    in.SetProperty(o, "WIDTH", Value::Num(width, 0), false);
    in.SetProperty(o, "HEIGHT", Value::Num(height, 0), false);
    in.session().windows[d.name] = form;  // a window defined again replaces the one before
    return Flow::Next;
}

// The defined windows a statement names (all of them for ALL or no name);
// a name never defined raises the host's error.
std::vector<std::string> Named(Interpreter& in, const WindowNames& w, bool allWhenEmpty) {
    std::vector<std::string> out;
    auto& windows = in.session().windows;
    if (w.all || (allWhenEmpty && w.names.empty())) {
        for (const auto& [name, form] : windows) out.push_back(name);
        return out;
    }
    for (const NameArg& n : w.names) {
        const std::string name = UpperAscii(in.NameText(n));
        if (!windows.count(name)) Raise(kErrNoWindow, "Window '" + name + "' has not been defined.");
        out.push_back(name);
    }
    return out;
}

void Show(Interpreter& in, const WindowNames& w, bool visible) {
    for (const std::string& name : Named(in, w, false)) {
        Object& o = *in.session().windows[name].object;
        in.SetProperty(o, "VISIBLE", Value::Logical(visible), false);
        if (visible && o.window) SetActiveWindow(o.window);
    }
}

Flow ExecActivateWindow(Interpreter& in, const Stmt& s) {
    Show(in, s.As<WindowNames>(), true);
    return Flow::Next;
}

Flow ExecHideWindow(Interpreter& in, const Stmt& s) {
    Show(in, s.As<WindowNames>(), false);
    return Flow::Next;
}

Flow ExecReleaseWindows(Interpreter& in, const Stmt& s) {
    for (const std::string& name : Named(in, s.As<WindowNames>(), true)) in.session().windows.erase(name);
    return Flow::Next;
}

const Command kCommands[] = {
    {"DEFINE", "WINDOW", ParseDefineWindow, ExecDefineWindow, nullptr, 0},
    {"ACTIVATE", "WINDOW", ParseWindowNames, ExecActivateWindow, nullptr, 0},
    {"HIDE", "WINDOW", ParseWindowNames, ExecHideWindow, nullptr, 0},
    {"DEACTIVATE", "WINDOW", ParseWindowNames, ExecHideWindow, nullptr, 0},
    {"RELEASE", "WINDOWS", ParseWindowNames, ExecReleaseWindows, nullptr, 0},
};

}  // namespace

std::span<const Command> WindowCommands() { return kCommands; }

}  // namespace tarvo::run::lang
