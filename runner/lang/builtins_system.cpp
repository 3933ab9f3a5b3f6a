// Built-in functions: files, the program and objects.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "runner/lang/builtins.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {
namespace {

std::string PathPart(const std::string& p, char which) {
    std::size_t slash = p.find_last_of("\\/:");
    std::string dir = slash == std::string::npos ? "" : p.substr(0, slash + 1);
    std::string file = slash == std::string::npos ? p : p.substr(slash + 1);
    std::size_t dot = file.find_last_of('.');
    std::string stem = dot == std::string::npos ? file : file.substr(0, dot);
    std::string ext = dot == std::string::npos ? "" : file.substr(dot + 1);
    switch (which) {
    case 'P':
        if (dir.size() > 1 && (dir.back() == '\\' || dir.back() == '/') && dir[dir.size() - 2] != ':')
            dir.pop_back();
        return dir;
    case 'F': return file;
    case 'S': return stem;
    default: return ext;
    }
}

// ANSI text as UTF-16LE or UTF-8.
std::string Unicode(const std::string& ansi, bool utf8) {
    if (ansi.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
    if (!utf8) return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
    int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(m), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), n, out.data(), m, nullptr, nullptr);
    return out;
}

const Builtin kTable[] = {
    {"FILE", 1, 1, [](Args& a) {
         DWORD attr = GetFileAttributesA(a.Text(0).c_str());
         return L(attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY));
     }},
    {"FILETOSTR", 1, 1, [](Args& a) {
         std::string name = a.Text(0);
         std::ifstream f(name, std::ios::binary);
         if (!f) Raise(kErrFileMissing, "File '" + Lower(name) + "' does not exist.");
         std::ostringstream ss;
         ss << f.rdbuf();
         return C(ss.str());
     }},
    // STRTOFILE(text, file, lAdditive | nFlag): 0 or .F. overwrites, 1 or
    // .T. appends, 2 writes UCS-2 and 4 UTF-8 (each with its byte-order
    // mark, converted from the ANSI code page). Answers the bytes written.
    {"STRTOFILE", 2, 3, [](Args& a) {
         std::string text = a.Text(0), name = a.Text(1);
         long flag = !a.Has(2) ? 0 : a[2].type == 'L' ? a[2].logical : a.Int(2);
         if (flag != 0 && flag != 1 && flag != 2 && flag != 4) Raise(kErrArgument);
         if (flag == 2) text = "\xFF\xFE" + Unicode(text, false);
         if (flag == 4) text = "\xEF\xBB\xBF" + Unicode(text, true);
         std::ofstream f(name, std::ios::binary | (flag == 1 ? std::ios::app : std::ios::trunc));
         if (!f) return N(0);
         f.write(text.data(), static_cast<std::streamsize>(text.size()));
         return N(f ? static_cast<double>(text.size()) : 0);
     }},
    {"FULLPATH", 1, 1, [](Args& a) {
         char buf[MAX_PATH * 2];
         std::string name = a.Text(0);
         DWORD n = GetFullPathNameA(name.c_str(), sizeof buf, buf, nullptr);
         return C(n && n < sizeof buf ? std::string(buf, n) : name);
     }},
    {"CURDIR", 0, 0, [](Args&) {
         char buf[MAX_PATH * 2];
         DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
         std::string d(buf, n < sizeof buf ? n : 0);
         if (d.size() > 1 && d[1] == ':') d.erase(0, 2);  // without the drive, as the host gives it
         if (d.empty() || d.back() != '\\') d += '\\';
         return C(d);
     }},
    {"ADDBS", 1, 1, [](Args& a) {
         std::string p = a.Text(0);
         if (!p.empty() && p.back() != '\\' && p.back() != '/' && p.back() != ':') p += '\\';
         return C(p);
     }},
    {"JUSTPATH", 1, 1, [](Args& a) { return C(PathPart(a.Text(0), 'P')); }},
    {"JUSTFNAME", 1, 1, [](Args& a) { return C(PathPart(a.Text(0), 'F')); }},
    {"JUSTSTEM", 1, 1, [](Args& a) { return C(PathPart(a.Text(0), 'S')); }},
    {"JUSTEXT", 1, 1, [](Args& a) { return C(PathPart(a.Text(0), 'E')); }},
    {"GETENV", 1, 1, [](Args& a) {
         const char* v = std::getenv(a.Text(0).c_str());
         return C(v ? v : "");
     }},
    {"ERROR", 0, 0, [](Args& a) { return N(a.in.lastError().number); }},
    {"MESSAGE", 0, 1, [](Args& a) {
         if (a.Has(0) && a.Int(0) != 1) Raise(kErrArgument);
         if (a.Has(0)) return C(a.in.lastError().source);
         return C(a.in.lastError().message);
     }},
    // LINENO(1): counted from the first line of the running program or
    // procedure (its PROCEDURE line is 1).
    {"LINENO", 0, 1, [](Args& a) {
         const Frame& f = a.in.frame();
         if (!a.Has(0)) return N(f.line);
         if (a.Int(0) != 1) Raise(kErrArgument);
         return N(f.line - f.firstLine + 1);
     }},
    // PROGRAM(n): the program at level n (0 and 1: the main program; "" past
    // the deepest); PROGRAM(-1): the level running, as a number.
    {"PROGRAM", 0, 1, [](Args& a) {
         if (!a.Has(0)) return C(a.in.frame().name);
         long level = a.Int(0);
         double levels = static_cast<double>(a.in.FrameCount());  // the main program is level 1
         if (level == -1) return N(levels);
         if (level < -1) Raise(kErrArgument);
         if (level > levels) return C("");
         return C(a.in.FrameAt(static_cast<std::size_t>(level == 0 ? 0 : level - 1)).name);
     }},
    {"PCOUNT", 0, 0, [](Args& a) { return N(static_cast<double>(a.in.frame().args.size())); }},
    {"PARAMETERS", 0, 0, [](Args& a) { return N(static_cast<double>(a.in.frame().args.size())); }},
    {"EVALUATE", 1, 1, [](Args& a) { return a.in.EvaluateText(a.Text(0)); }},
    // No key ever comes: INKEY(n) serves the thread's messages for n
    // seconds, then answers 0; INKEY() and INKEY(0) answer 0 at once.
    // cHideCursor ("H" hide the cursor, "M" take mouse clicks, "E" run key
    // macros) changes nothing without a keyboard or mouse; other letters are
    // refused.
    {"INKEY", 0, 2, [](Args& a) {
         std::size_t flags = a.Has(0) && IsText(a[0]) ? 0 : 1;
         if (a.Has(flags) &&
             UpperAscii(a.Text(flags)).find_first_not_of("HME") != std::string::npos)
             Raise(kErrArgument);
         if (flags == 0 && a.Has(1)) Raise(kErrArgument);
         double seconds = a.Has(0) && flags == 1 ? a.Num(0) : 0;
         if (seconds > 0) a.in.PumpEvents(static_cast<unsigned>(std::min(seconds, 86400.0) * 1000));
         return N(0);
     }},
    {"ALEN", 1, 2, [](Args& a) {
         const Expr& e = a.Node(0);
         std::string name = e.name;
         VarP v = (e.kind == EK::Name || e.kind == EK::Ref) ? a.in.FindVariable(name) : nullptr;
         if (!v || !v->isArray) Raise(kErrNotArray, "'" + UpperAscii(e.written) + "' is not an array.");
         long which = a.Has(1) ? a.Int(1) : 0;
         if (which == 1) return N(v->cols ? v->rows : static_cast<double>(v->items.size()));
         if (which == 2) return N(v->cols);
         if (which != 0) Raise(kErrArgument);
         return N(static_cast<double>(v->items.size()));
     }},
    {"SET", 1, 2, [](Args& a) {
         std::string what = UpperAscii(a.Text(0));
         const Settings& s = a.in.settings();
         if (Value v; SessionSetting(a, what, &v)) return v;
         if (a.Has(1)) Raise(kErrArgument);  // the settings below have no second form
         if (what == "CONSOLE") return C(s.console ? "ON" : "OFF");
         if (what == "ESCAPE") return C(s.escape ? "ON" : "OFF");
         if (what == "EXACT") return C(s.exact ? "ON" : "OFF");
         if (what == "CENTURY") return C(s.century ? "ON" : "OFF");
         if (what == "DATE") return C(s.date);
         if (what == "DECIMALS") return N(s.decimals);
         if (what == "HOURS") return N(s.hours);
         Raise(kErrArgument);
     }},
};

}  // namespace

std::span<const Builtin> SystemBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
