// Commands: SET POINT, SET SEPARATOR, SET MARK, SET PATH, SET ALTERNATE (and
// CLOSE ALTERNATE), SET MEMOWIDTH, SET ASSERTS and SET COMPATIBLE.
#include <cstdio>

#include "runner/lang/builtins.h"
#include "runner/lang/interp.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {
namespace {

// SET option TO [value] | ON | OFF, and for SET ALTERNATE TO file [ADDITIVE].
struct Setting {
    ExprP value;        // TO value
    NameArg file;       // SET PATH TO and SET ALTERNATE TO: names as written
    bool to = false;
    std::string word;   // ON, OFF
    bool additive = false;
};

void ParseSetting(ExprParser& p, Stmt& s, bool names) {
    Setting set;
    p.Relex(true);
    if (p.Word("TO")) {
        set.to = true;
        if (!p.AtEnd() && !p.cur().IsWord("ADDITIVE")) {
            if (names) {
                // A path runs to the end (or to ADDITIVE); it may hold blanks.
                std::string rest = p.Rest();
                if (p.cur().kind == Tok::String || p.cur().IsOp("(") || p.cur().IsOp("&")) {
                    set.file = p.NameArgument();
                } else {
                    std::size_t cut = UpperAscii(rest).rfind(" ADDITIVE");
                    bool additive = cut != std::string::npos && cut + 9 == rest.size();
                    set.file.present = true;
                    set.file.literal = additive ? rest.substr(0, cut) : rest;
                    set.additive = additive;
                    s.payload = set;
                    return;
                }
            } else {
                set.value = p.Expression();
            }
        }
        p.Relex(true);
        set.additive = p.Word("ADDITIVE");
    } else if (p.cur().kind == Tok::Ident) {
        set.word = p.Name();
        if (set.word != "ON" && set.word != "OFF") Raise(kErrPhrase);
    } else {
        p.Fail();
    }
    p.ExpectEnd();
    s.payload = set;
}
void ParseValueSetting(ExprParser& p, Stmt& s) { ParseSetting(p, s, false); }
void ParseNameSetting(ExprParser& p, Stmt& s) { ParseSetting(p, s, true); }

// The one character SET POINT, SEPARATOR or MARK takes (TO alone: `reset`).
char OneCharacter(Interpreter& in, const Setting& set, char reset) {
    if (!set.word.empty()) Raise(kErrPhrase);
    if (!set.value) return reset;
    Value v = in.Eval(*set.value);
    if (!IsText(v)) Raise(kErrDataType);
    if (v.text.empty()) return reset;
    return v.text[0];
}

Flow ExecPoint(Interpreter& in, const Stmt& s) {
    in.settings().point = OneCharacter(in, s.As<Setting>(), '.');
    return Flow::Next;
}
Flow ExecSeparator(Interpreter& in, const Stmt& s) {
    in.settings().separator = OneCharacter(in, s.As<Setting>(), ',');
    return Flow::Next;
}
Flow ExecMark(Interpreter& in, const Stmt& s) {
    in.settings().mark = OneCharacter(in, s.As<Setting>(), 0);
    return Flow::Next;
}

// SET PATH TO folders (separated by ; or ,) [ADDITIVE]: DO, SET PROCEDURE
// and DO ... IN look there for program files after the current folder.
Flow ExecPath(Interpreter& in, const Stmt& s) {
    const Setting& set = s.As<Setting>();
    if (!set.word.empty()) Raise(kErrPhrase);
    std::vector<std::string>& path = in.session().path;
    if (!set.additive) path.clear();
    std::string list = in.NameText(set.file);
    std::size_t i = 0;
    while (i <= list.size()) {
        std::size_t e = list.find_first_of(";,", i);
        if (e == std::string::npos) e = list.size();
        std::string folder = list.substr(i, e - i);
        std::size_t b = folder.find_first_not_of(' '), z = folder.find_last_not_of(' ');
        if (b != std::string::npos) {
            folder = folder.substr(b, z - b + 1);
            if (folder.back() == '\\' || folder.back() == '/') folder.pop_back();
            path.push_back(folder);
        }
        i = e + 1;
    }
    return Flow::Next;
}

// SET ALTERNATE TO [file [ADDITIVE]] opens (or closes) the file that SET
// ALTERNATE ON copies the output to (a name without extension gets .txt).
void CloseAlternate(Session& ss) {
    if (ss.alternate) std::fclose(ss.alternate);
    ss.alternate = nullptr;
    ss.alternateName.clear();
}

Flow ExecAlternate(Interpreter& in, const Stmt& s) {
    const Setting& set = s.As<Setting>();
    Session& ss = in.session();
    if (!set.to) {
        ss.alternateOn = set.word == "ON";
        return Flow::Next;
    }
    CloseAlternate(ss);
    if (!set.file.present) return Flow::Next;
    std::string name = in.NameText(set.file);
    std::size_t slash = name.find_last_of("\\/:");
    if (name.find('.', slash == std::string::npos ? 0 : slash) == std::string::npos) name += ".txt";
    ss.alternate = std::fopen(name.c_str(), set.additive ? "ab" : "wb");
    if (!ss.alternate) Raise(kErrBadPath);
    ss.alternateName = UpperAscii(FullPath(name));
    if (!ss.alternateTee) {  // the output goes on where it went, and to the file
        ss.alternateTee = true;
        auto inner = in.write;
        Interpreter* self = &in;
        in.write = [self, inner](const std::string& text) {
            if (self->settings().console) inner(text);
            Session& st = self->session();
            if (!st.alternate || !st.alternateOn) return;
            if (text == self->lineEnd) std::fputs("\r\n", st.alternate);  // the file ends its lines as the host does
            else std::fwrite(text.data(), 1, text.size(), st.alternate);
        };
    }
    return Flow::Next;
}

Flow ExecCloseAlternate(Interpreter& in, const Stmt&) {
    CloseAlternate(in.session());
    return Flow::Next;
}

// SET MEMOWIDTH TO n (8 to 8192): the width of the lines MLINE,
// MEMLINES and ATLINE count.
Flow ExecMemoWidth(Interpreter& in, const Stmt& s) {
    const Setting& set = s.As<Setting>();
    if (!set.value) Raise(kErrPhrase);
    Value v = in.Eval(*set.value);
    if (!IsNumber(v)) Raise(kErrDataType);
    double n = v.asNumber();
    if (n < 8 || n > 8192) Raise(kErrArgument);
    in.session().memoWidth = static_cast<int>(n);
    return Flow::Next;
}

Flow ExecAsserts(Interpreter& in, const Stmt& s) {
    const Setting& set = s.As<Setting>();
    if (set.word.empty()) Raise(kErrPhrase);
    in.session().asserts = set.word == "ON";
    return Flow::Next;
}

// SET COMPATIBLE ON | DB4 | OFF | FOXPLUS [PROMPT | NOPROMPT]
void ParseCompatible(ExprParser& p, Stmt& s) {
    Setting set;
    p.Relex(true);
    std::string word = p.Name();
    if (word == "DB4") word = "ON";
    if (word == "FOXPLUS") word = "OFF";
    if (word != "ON" && word != "OFF") Raise(kErrPhrase);
    set.word = word;
    if (!p.Word("PROMPT")) p.Word("NOPROMPT");
    p.ExpectEnd();
    s.payload = set;
}

Flow ExecCompatible(Interpreter& in, const Stmt& s) {
    in.session().compatible = s.As<Setting>().word == "ON";
    return Flow::Next;
}

const Command kCommands[] = {
    {"SET", "COMPATIBLE", ParseCompatible, ExecCompatible, nullptr, 0},
    {"SET", "POINT", ParseValueSetting, ExecPoint, nullptr, 0},
    {"SET", "SEPARATOR", ParseValueSetting, ExecSeparator, nullptr, 0},
    {"SET", "MARK", ParseValueSetting, ExecMark, nullptr, 0},
    {"SET", "PATH", ParseNameSetting, ExecPath, nullptr, 0},
    {"SET", "ALTERNATE", ParseNameSetting, ExecAlternate, nullptr, 0},
    {"CLOSE", "ALTERNATE", ParseEnd, ExecCloseAlternate, nullptr, 0},
    {"SET", "MEMOWIDTH", ParseValueSetting, ExecMemoWidth, nullptr, 0},
    {"SET", "ASSERTS", ParseValueSetting, ExecAsserts, nullptr, 0},
};

}  // namespace

bool SessionSetting(Args& a, const std::string& name, Value* out) {
    const Settings& st = a.in.settings();
    const Session& ss = a.in.session();
    long which = a.Has(1) ? a.Int(1) : 0;
    if (which != 0 && !(which == 1 && name == "ALTERNATE")) Raise(kErrArgument);
    auto on = [](bool b) { return C(b ? "ON" : "OFF"); };
    if (name == "POINT") *out = C(std::string(1, st.point));
    else if (name == "SEPARATOR") *out = C(std::string(1, st.separator));
    else if (name == "MARK") {
        std::string date = DateText(2460341, st);  // the format's own separator
        *out = C(std::string(1, st.mark ? st.mark : date[date.find_first_not_of("0123456789")]));
    }
    else if (name == "MEMOWIDTH") *out = N(ss.memoWidth);
    else if (name == "ASSERTS") *out = on(ss.asserts);
    else if (name == "COMPATIBLE") *out = on(ss.compatible);
    else if (name == "ALTERNATE") *out = which == 1 ? C(ss.alternateName) : on(ss.alternateOn);
    else if (name == "PATH" || name == "PROCEDURE") {
        std::vector<std::string> items = ss.path;
        if (name == "PROCEDURE") {
            items.clear();
            for (const auto& p : ss.procedureFiles) items.push_back(UpperAscii(FullPath(p->path)));
        }
        std::string list;
        for (const std::string& item : items) {
            if (!list.empty()) list += name == "PATH" ? ';' : ',';
            list += item;
        }
        *out = C(list);
    } else {
        return false;
    }
    return true;
}

std::span<const Command> SettingCommands() { return kCommands; }

}  // namespace tarvo::run::lang
