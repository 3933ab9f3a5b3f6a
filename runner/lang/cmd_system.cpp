// Commands: settings, WAIT, KEYBOARD, files and folders.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <vector>

#include "runner/host.h"
#include "runner/lang/interp.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {
namespace {

struct SetOption {
    std::string option;       // the option's full name
    std::string word;         // SET option word (ON, OFF, a date format)
    ExprP value;              // SET option TO value
};
struct Wait {
    ExprP text;
    bool window = false;      // WAIT WINDOW
    bool nowait = false;      // NOWAIT
    ExprP timeout;            // TIMEOUT seconds
    std::string to;           // TO variable
};
struct Keyboard {
    ExprP keys;
    bool clear = false;       // CLEAR: empty the queue first
};
enum class Folder { Change, Make, Remove };

// --- parsers ---------------------------------------------------------------------

const char* const kSetOptions[] = {"EXACT", "DATE", "CENTURY", "DECIMALS", "HOURS", "TALK",
                                   "SAFETY", "ECHO", "NOTIFY", "STATUS", "BELL", "ESCAPE",
                                   "CONSOLE", "DELETED", "STRICTDATE", "COMPATIBLE", "MULTILOCKS",
                                   "EXCLUSIVE"};

void ParseSet(ExprParser& p, Stmt& s) {
    if (p.cur().kind != Tok::Ident) p.Fail();
    std::string option = p.cur().text;
    p.Next();
    p.Relex(true);
    SetOption set;
    for (const char* k : SetOptions())
        if (KeyIs(option, k)) set.option = k;
    if (set.option.empty())
        RaiseWithHint(kErrPhrase, {}, "tarvo-run does not know the option SET " + option + ".");
    if (p.Word("TO")) {
        if (set.option == "DATE") set.word = p.Name();
        else if (!p.AtEnd()) set.value = p.Expression();
    } else if (p.cur().kind == Tok::Ident) {
        set.word = p.Name();
    } else if (!p.AtEnd()) {
        p.Fail();
    }
    p.ExpectEnd();
    s.payload = set;
}

// KEYBOARD cKeys [PLAIN] [CLEAR]
void ParseKeyboard(ExprParser& p, Stmt& s) {
    Keyboard k;
    k.keys = p.Expression();
    for (;;) {
        p.Relex(true);
        if (p.AtEnd()) break;
        if (p.Word("CLEAR")) k.clear = true;
        else if (!p.Word("PLAIN")) p.Fail();
    }
    s.payload = k;
}

void ParseWait(ExprParser& p, Stmt& s) {
    Wait w;
    for (;;) {
        p.Relex(true);
        if (p.AtEnd()) break;
        if (p.Word("WINDOW")) {
            w.window = true;
        } else if (p.Word("NOWAIT")) {
            w.nowait = true;
        } else if (p.Word("NOCLEAR")) {
        } else if (p.Word("TIMEOUT")) {
            w.timeout = p.Expression();
        } else if (p.cur().IsWord("TO")) {
            p.Next();
            w.to = p.Name();
        } else if (p.cur().IsWord("AT")) {
            p.Next();
            p.Expression();
            p.Expect(",");
            p.Expression();
        } else if (!w.text) {
            w.text = p.Expression();
        } else {
            p.Fail();
        }
    }
    s.payload = w;
}

// A file or folder name: written out, a string, (expression) or &macro.
void ParseName(ExprParser& p, Stmt& s) {
    p.Relex(true);
    NameArg name = p.NameArgument();
    if (!name.present) p.Fail();
    p.ExpectEnd();
    s.payload = name;
}

void ParseSetDefault(ExprParser& p, Stmt& s) {
    if (!p.Word("TO")) p.Fail();
    s.payload = p.NameArgument();
    p.ExpectEnd();
}

// --- executors ---------------------------------------------------------------------

Flow ExecSet(Interpreter& in, const Stmt& s) {
    const SetOption& set = s.As<SetOption>();
    Settings& st = in.settings();
    auto onOff = [&]() {
        if (set.word != "ON" && set.word != "OFF")
            RaiseWithHint(kErrPhrase, {},
                          "SET " + set.option + " takes ON or OFF, not " +
                              (set.word.empty() ? std::string("nothing") : "\"" + set.word + "\"") + ".");
        return set.word == "ON";
    };
    auto number = [&]() {
        if (!set.value) Raise(kErrPhrase);
        Value v = in.Eval(*set.value);
        if (!IsNumber(v)) Raise(kErrDataType);
        return v.asNumber();
    };
    if (set.option == "EXACT") {
        st.exact = onOff();
    } else if (set.option == "CENTURY") {
        if (!set.value) st.century = onOff();
    } else if (set.option == "DATE") {
        if (!KnownDateFormat(set.word))
            RaiseWithHint(kErrPhrase, {},
                          "SET DATE cannot read " +
                              (set.word.empty() ? std::string("an empty format") : "\"" + set.word + "\"") +
                              "; it takes " + DateFormatNames() + ".");
        st.date = set.word;
    } else if (set.option == "DECIMALS") {
        double n = number();
        if (n < 0 || n > 18) Raise(kErrArgument);
        st.decimals = static_cast<int>(n);
    } else if (set.option == "HOURS") {
        double n = number();
        if (n != 12 && n != 24) Raise(kErrArgument);
        st.hours = static_cast<int>(n);
    } else if (set.option == "CONSOLE") {
        st.console = onOff();
    } else if (set.option == "ESCAPE") {
        st.escape = onOff();
    } else if (set.option == "DELETED") {
        in.host().tables.hideDeleted = onOff();  // the tables pass over deleted records
    } else if (set.option == "EXCLUSIVE") {
        in.host().tables.exclusive = onOff();  // how USE opens a table by default
    }
    // SET TALK, SAFETY and the like change nothing here.
    return Flow::Next;
}

std::string OneLine(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
    }
    return out;
}

// WAIT shows its text (WAIT WINDOW as one line of its own). Without a
// keyboard nothing is waited for but a TIMEOUT, during which the thread's
// messages are served.
Flow ExecWait(Interpreter& in, const Stmt& s) {
    const Wait& w = s.As<Wait>();
    std::string text = "Press any key to continue...";
    if (w.text) {
        Value v = in.Eval(*w.text);
        text = IsText(v) ? v.text : PlainForm(v, in.settings());
    }
    double seconds = 0;
    if (w.timeout) {
        Value t = in.Eval(*w.timeout);
        if (!IsNumber(t)) Raise(kErrDataType);
        seconds = t.asNumber();
    }
    if (w.window) {
        in.WaitWindowLine(OneLine(text));
    } else {
        in.NewLine();
        in.Write(text);
    }
    if (!w.nowait && seconds > 0) in.PumpEvents(static_cast<unsigned>(std::min(seconds, 86400.0) * 1000));
    if (!w.to.empty()) in.AssignName(w.to, Value::Char(""));
    return Flow::Next;
}

// The key codes of a KEYBOARD text: its characters, and the labels {ESC},
// {ENTER}, {TAB} and {BACKSPACE}.
std::vector<std::int32_t> KeyCodes(const std::string& text) {
    static const std::pair<const char*, std::int32_t> kLabels[] = {
        {"{ESC}", 27}, {"{ENTER}", 13}, {"{TAB}", 9}, {"{BACKSPACE}", 127}};
    std::vector<std::int32_t> codes;
    for (std::size_t i = 0; i < text.size();) {
        bool label = false;
        for (const auto& [name, code] : kLabels) {
            const std::size_t n = std::strlen(name);
            if (text.size() - i >= n && _strnicmp(text.c_str() + i, name, n) == 0) {
                codes.push_back(code);
                i += n;
                label = true;
                break;
            }
        }
        if (!label) codes.push_back(static_cast<unsigned char>(text[i++]));
    }
    return codes;
}

Flow ExecKeyboard(Interpreter& in, const Stmt& s) {
    const Keyboard& k = s.As<Keyboard>();
    Value v = in.Eval(*k.keys);
    if (!IsText(v)) Raise(kErrDataType);
    std::deque<std::int32_t>& keys = in.host().keys;
    if (k.clear) keys.clear();
    for (std::int32_t code : KeyCodes(v.text)) keys.push_back(code);
    return Flow::Next;
}

Flow ExecErase(Interpreter& in, const Stmt& s) {
    std::string name = in.NameText(s.As<NameArg>());
    if (!DeleteFileA(name.c_str())) Raise(kErrFileMissing, "File '" + Lower(name) + "' does not exist.");
    return Flow::Next;
}

template <Folder what>
Flow ExecFolder(Interpreter& in, const Stmt& s) {
    std::string name = in.NameText(s.As<NameArg>());
    BOOL ok = what == Folder::Change ? SetCurrentDirectoryA(name.c_str())
            : what == Folder::Make   ? CreateDirectoryA(name.c_str(), nullptr)
                                     : RemoveDirectoryA(name.c_str());
    if (!ok) Raise(kErrBadPath);
    return Flow::Next;
}

const Command kCommands[] = {
    {"SET", "DEFAULT", ParseSetDefault, ExecFolder<Folder::Change>, nullptr, 0},
    {"SET", nullptr, ParseSet, ExecSet, nullptr, 0},
    {"WAIT", nullptr, ParseWait, ExecWait, nullptr, 0},
    {"KEYBOARD", nullptr, ParseKeyboard, ExecKeyboard, nullptr, 0},
    {"ERASE", nullptr, ParseName, ExecErase, nullptr, 0},
    {"DELETE", "FILE", ParseName, ExecErase, nullptr, 0},
    {"CLEAR", nullptr, nullptr, nullptr, nullptr, 0},
    {"CD", nullptr, ParseName, ExecFolder<Folder::Change>, nullptr, 0},
    {"CHDIR", nullptr, ParseName, ExecFolder<Folder::Change>, nullptr, 0},
    {"MD", nullptr, ParseName, ExecFolder<Folder::Make>, nullptr, 0},
    {"MKDIR", nullptr, ParseName, ExecFolder<Folder::Make>, nullptr, 0},
    {"RD", nullptr, ParseName, ExecFolder<Folder::Remove>, nullptr, 0},
    {"RMDIR", nullptr, ParseName, ExecFolder<Folder::Remove>, nullptr, 0},
};

}  // namespace

std::span<const Command> SystemCommands() { return kCommands; }
std::span<const char* const> SetOptions() { return kSetOptions; }

}  // namespace tarvo::run::lang
