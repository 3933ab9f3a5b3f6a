// tarvo-run: the replacement host on the command line.
//
//   tarvo-run [--lib PATH] SCRIPT.prg [ARG...]     run a program (ARGs: its parameters, as text)
//   tarvo-run [--lib PATH] -c "COMMAND"            run one command line
//   tarvo-run [--lib PATH]                         read command lines from standard input
//   tarvo-run [--lib PATH] --call NAME [ARG...] [--call NAME [ARG...]]...
//                                                  call functions, print their results
//   tarvo-run [--lib PATH] --list                  list the function table, with each
//                                                  name's result type and summary
//   tarvo-run [--lib PATH] --check PROGRAM.prg...  tell what in the programs would fail
//                                                  (exit 1 when anything would), without
//                                                  running them
//   tarvo-run --doc NAME                           a name's reference entry
//   tarvo-run --help-lists                         the commands and functions it knows
//   tarvo-run --help | --version
//
// The library is TARVO.fll from beside this program (or --lib PATH). A
// program whose first statement is SET LIBRARY TO (or RELEASE LIBRARY)
// chooses its library itself, and nothing is loaded before it runs.
//
// Exit codes: 0 done (QUIT included); 1 an error no TRY or ON ERROR caught
// (its message goes to standard error as "Error N at line L (PROCEDURE):
// text", followed by what was probably meant, the file, line and text of
// the statement, and the calls that led there); 2 bad usage or an
// unreadable program; 3 the library cannot be loaded; 130 interrupted by
// Ctrl-C.
//
// Everything tarvo-run writes ends its lines in LF alone, the library's own
// console lines included.
//
// Standard input from a terminal gets a banner and a prompt: "> ", ". "
// while a block (IF ... ENDIF, PROCEDURE ... ENDPROC) is still open. HELP
// (or ? alone at the prompt) lists what the runner knows, HELP NAME prints a
// name's reference entry; QUIT or the end of input (Ctrl-D, or Ctrl-Z then
// Enter on Windows) leaves; Ctrl-C interrupts the running program and comes
// back to the prompt. Lines are numbered from the first one read, so an
// error names its line in the whole input.
//
// --call arguments are typed literals: C:text, N:1.25, I:42, L:.T., D:a date
// (2024-01-31) or a day number, T:a datetime (2024-01-31T10:20:30) or a day
// number with its fraction, Y:an amount, 0: (null). Each returned value
// record is printed as "<letter> width=<w> length=<l> value=<v>", texts with
// every byte outside printable ASCII (and the backslash) escaped as \xHH,
// \t, \r, \n or \\; "(no value)" when none came. The library stays loaded
// from one --call to the next.
#include <windows.h>

#include <objbase.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/catalogue.h"
#include "host/doc_check.h"
#include "host/doc_text.h"
#include "host/nearest.h"
#include "host/version.h"
#include "runner/lang/builtins.h"
#include "runner/lang/check.h"
#include "runner/host.h"
#include "runner/lang/interp.h"
#include "runner/lang/parser.h"
#include "runner/print.h"

using namespace tarvo::run;

namespace {

constexpr int kInterruptedExit = 130;

std::string ExeFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    std::size_t slash = s.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : s.substr(0, slash);
}

// --- Ctrl-C ---------------------------------------------------------------------

// The console's Ctrl-C (and Ctrl-Break) arrives on a thread of its own.
// At the prompt it drops the line being typed; while a program runs it asks
// the interpreter to stop. A second one more than a second after the first,
// while that is still not taken (SET ESCAPE OFF, or a library call that does
// not return), ends the process with the exit code of an interrupt.
std::atomic<lang::Interpreter*> g_interpreter{nullptr};
std::atomic<bool> g_atPrompt{false};
std::atomic<bool> g_promptInterrupted{false};
std::atomic<DWORD> g_firstPress{0};

BOOL WINAPI OnControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) return FALSE;
    if (g_atPrompt) {
        g_promptInterrupted = true;
        Sleep(100);
        if (g_atPrompt) {  // the console's line is still being read: end it with Enter
            INPUT_RECORD enter[2] = {};
            for (int k = 0; k < 2; ++k) {
                KEY_EVENT_RECORD& key = enter[k].Event.KeyEvent;
                enter[k].EventType = KEY_EVENT;
                key.bKeyDown = k == 0;
                key.wRepeatCount = 1;
                key.wVirtualKeyCode = VK_RETURN;
                key.uChar.AsciiChar = '\r';
            }
            DWORD written;
            WriteConsoleInputA(GetStdHandle(STD_INPUT_HANDLE), enter, 2, &written);
        }
        return TRUE;
    }
    lang::Interpreter* in = g_interpreter;
    if (!in) return FALSE;
    DWORD now = GetTickCount();
    if (in->InterruptPending()) {
        if (now - g_firstPress <= 1000) return TRUE;  // the same press told twice
        DWORD written;
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), "Interrupted.\n", 13, &written, nullptr);
        TerminateProcess(GetCurrentProcess(), kInterruptedExit);
    }
    g_firstPress = now;
    in->Interrupt();
    return TRUE;
}

// --- --call -----------------------------------------------------------------------

bool WholeText(const std::string& text, const char* end) { return !text.empty() && *end == '\0'; }

// A day number from "2024-01-31" (or a number as it is); a datetime adds
// "T10:20:30" or " 10:20:30".
bool ParseDay(const std::string& text, bool time, double* out) {
    char* end = nullptr;
    double n = std::strtod(text.c_str(), &end);
    if (WholeText(text, end) && text.find('-', 1) == std::string::npos) {
        *out = n;
        return true;
    }
    int y, m, d, h = 0, mi = 0, s = 0, used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &y, &m, &d, &used) != 3) return false;
    std::string rest = text.substr(static_cast<std::size_t>(used));
    if (!rest.empty()) {
        int more = 0;
        if (!time || (rest[0] != 'T' && rest[0] != ' ') ||
            std::sscanf(rest.c_str() + 1, "%2d:%2d:%2d%n", &h, &mi, &s, &more) != 3 ||
            rest.size() != static_cast<std::size_t>(more) + 1 || h > 23 || mi > 59 || s > 59)
            return false;
    }
    double day = lang::MakeDate(y, m, d);
    if (day == 0) return false;
    *out = day + (h * 3600 + mi * 60 + s) / 86400.0;
    return true;
}

bool ParseArg(const std::string& a, Arg* out) {
    if (a.size() < 2 || a[1] != ':') return false;
    std::string body = a.substr(2);
    char* end = nullptr;
    errno = 0;
    switch (a[0]) {
    case 'C': *out = ByValue(Value::Char(body)); return true;
    case 'N': {
        double n = std::strtod(body.c_str(), &end);
        if (!WholeText(body, end) || !std::isfinite(n)) return false;
        std::size_t dot = body.find('.');
        int decimals = dot == std::string::npos ? 0 : static_cast<int>(body.size() - dot - 1);
        *out = ByValue(Value::Num(n, decimals));
        return true;
    }
    case 'I': {
        long n = std::strtol(body.c_str(), &end, 10);
        if (!WholeText(body, end) || errno == ERANGE) return false;
        *out = ByValue(Value::Int(static_cast<std::int32_t>(n)));
        return true;
    }
    case 'L': {
        const std::string u = tarvo::UpperAscii(body);
        bool t = u == ".T." || u == "T" || u == "1", f = u == ".F." || u == "F" || u == "0";
        if (!t && !f) return false;
        *out = ByValue(Value::Logical(t));
        return true;
    }
    case 'D':
    case 'T': {
        double day;
        if (!ParseDay(body, a[0] == 'T', &day)) return false;
        *out = ByValue(a[0] == 'D' ? Value::Date(std::floor(day)) : Value::DateTime(day));
        return true;
    }
    case 'Y': {
        double n = std::strtod(body.c_str(), &end);
        if (!WholeText(body, end) || !(std::fabs(n) < 9.2e14)) return false;
        *out = ByValue(Value::Currency(std::llround(n * 10000)));
        return true;
    }
    case '0':
        if (!body.empty()) return false;
        *out = ByValue(Value::Null());
        return true;
    default: return false;
    }
}

const char* const kArgForms =
    "C:text N:1.25 I:42 L:.T. D:2024-01-31 T:2024-01-31T10:20:30 Y:12.50 0: (D and T also take a day number)";

// Printable ASCII as it is, every other byte escaped.
std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char buf[8];
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        default:
            if (c >= 0x20 && c < 0x7F) {
                out += static_cast<char>(c);
            } else {
                std::snprintf(buf, sizeof buf, "\\x%02X", c);
                out += buf;
            }
        }
    }
    return out;
}

std::string Trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

const char* const kUsage =
    "usage: tarvo-run [--lib PATH] PROGRAM.prg [ARG...]   run a program\n"
    "       tarvo-run [--lib PATH] -c \"COMMAND\"            run one command line\n"
    "       tarvo-run [--lib PATH]                        commands from standard input (a prompt)\n"
    "       tarvo-run [--lib PATH] --check PROGRAM.prg... what in the programs would fail here\n"
    "       tarvo-run [--lib PATH] --list                 every function with its summary\n"
    "       tarvo-run --doc NAME                          a function's reference entry\n"
    "       tarvo-run [--lib PATH] --call NAME [ARG...] [--call NAME [ARG...]]...\n"
    "                                                     call functions, show the records\n"
    "       tarvo-run --help-lists                        the commands and functions it knows\n"
    "       tarvo-run --help | --version\n";

int Usage() {
    std::fprintf(stderr, "%s--call ARG: %s\n", kUsage, kArgForms);
    return 2;
}

int Help() {
    std::printf("tarvo-run %s: runs host-language programs with TARVO.fll, loaded as the host "
                "loads it.\n\n%s--call ARG: %s\n\n"
                "The library is TARVO.fll beside tarvo-run unless --lib names another, or a program's\n"
                "first statement is SET LIBRARY TO. Exit codes: 0 done, 1 an uncaught error (or, with\n"
                "--check, something that would fail), 2 bad usage, 3 the library does not load,\n"
                "130 interrupted.\n",
                TARVO_VERSION_TEXT, kUsage, kArgForms);
    return 0;
}

// The result type of a row, as the reference names it.
std::string ResultOf(const tarvo::CatalogueEntry& e) {
    const tarvo::CatalogueEntry* main = tarvo::MainEntry(tarvo::Catalogue(), e);
    return main && main->doc.returns ? tarvo::ResultName(main->doc.returns) : "";
}

// HELP NAME and --doc NAME: the library's entry of the name, or what else
// it is; false when nothing knows it.
bool DocOf(const std::string& written, std::string* out) {
    const std::string name = tarvo::UpperAscii(Trimmed(written));
    if (const tarvo::CatalogueEntry* e = tarvo::FindEntry(name)) {
        *out = tarvo::DocText(*e);
        return true;
    }
    std::string full;
    if (lang::IsBuiltin(name, true, &full)) {
        *out = full + " is a built-in function of the language; tarvo-run --help-lists lists them.\n";
        return true;
    }
    std::vector<std::string> names;
    for (const tarvo::CatalogueEntry& c : tarvo::Catalogue()) names.push_back(c.name);
    for (const std::string& b : lang::BuiltinNames()) names.push_back(b);
    const std::vector<std::string> nearest = tarvo::NearestNames(name, names);
    *out = "No function is called " + name + ".";
    for (std::size_t i = 0; i < nearest.size(); ++i)
        *out += (i == 0 ? " Did you mean " : i + 1 == nearest.size() ? " or " : ", ") + nearest[i];
    *out += nearest.empty() ? "\n" : "?\n";
    return false;
}

// --list, or one or more --call NAME ARG... in a row (argv[i] is the first
// NAME), all with the library loaded once.
int CallMode(const std::string& lib, bool list, int argc, char** argv, int i) {
    struct Call {
        std::string name;
        std::vector<Arg> args;
    };
    std::vector<Call> calls;
    while (!list && i < argc) {
        Call c{argv[i++], {}};
        for (; i < argc && std::strcmp(argv[i], "--call") != 0; ++i) {
            Arg a;
            if (!ParseArg(argv[i], &a)) {
                std::fprintf(stderr, "tarvo-run: bad argument '%s' to %s; arguments are %s\n", argv[i],
                             c.name.c_str(), kArgForms);
                return 2;
            }
            c.args.push_back(a);
        }
        calls.push_back(c);
        if (i < argc && ++i == argc) return Usage();  // --call with no name
    }
    Host host;
    host.traceOn = false;  // nothing here reads the trace; a long run would grow it
    std::string why;
    if (!host.Load(lib, &why)) {
        std::fprintf(stderr, "tarvo-run: %s\n", why.c_str());
        return 3;
    }
    int rc = 0;
    if (list) {
        std::printf("%-26s %-11s %-9s %s\n", "NAME", "PARAMETERS", "RESULT", "SUMMARY");
        for (const FunctionInfo& f : host.functions()) {
            const tarvo::CatalogueEntry* e = tarvo::FindEntry(f.name);
            const tarvo::CatalogueEntry* main = e ? tarvo::MainEntry(tarvo::Catalogue(), *e) : nullptr;
            std::string summary = !e ? "" : e->doc.aliasOf ? std::string("another name of ") + e->doc.aliasOf
                                  : e->doc.summary        ? e->doc.summary
                                                          : "";
            std::string types = f.count < 0 ? "(hook)" : f.types.empty() ? "-" : f.types;
            std::string result = e ? ResultOf(*e) : "";
            if (main && main->count < 0) result = "";
            std::printf("%-26s %-11s %-9s %s\n", f.name.c_str(), types.c_str(),
                        result.empty() ? "-" : result.c_str(), summary.c_str());
        }
    }
    for (const Call& c : calls) {
        Outcome out = host.Call(c.name, c.args);
        for (const Returned& r : out.returns) {
            bool text = r.value.type == 'C' || r.value.type == 'M';
            std::printf("%c width=%d length=%d value=%s\n", r.type, r.width, r.length,
                        (text ? Escaped(r.value.text) : Display(r.value)).c_str());
        }
        if (out.returns.empty() && out.error == 0) std::printf("(no value)\n");
        std::fflush(stdout);
        if (out.error) {
            std::fprintf(stderr, "Error %d in %s: %s\n", out.error, c.name.c_str(), out.message.c_str());
            rc = 1;
        }
    }
    host.Unload();
    return rc;
}

// --check: what in the programs would fail; exit 1 when anything would.
int CheckMode(const std::string& lib, const std::vector<std::string>& paths) {
    Host host;
    host.traceOn = false;
    std::string why;
    if (!host.Load(lib, &why)) {
        std::fprintf(stderr, "tarvo-run: %s\n", why.c_str());
        return 3;
    }
    const std::vector<lang::Finding> found = lang::CheckPrograms(paths, host);
    host.Unload();
    for (const lang::Finding& f : found)
        std::printf("%s:%d: %s\n", f.file.c_str(), f.line, f.text.c_str());
    std::set<std::string> files;
    for (const lang::Finding& f : found) files.insert(f.file);
    if (found.empty())
        std::printf("%zu program%s checked: nothing here would fail for want of a name or a command.\n",
                    paths.size(), paths.size() == 1 ? "" : "s");
    else
        std::printf("%zu program%s checked: %zu thing%s would fail, in %zu of them.\n", paths.size(),
                    paths.size() == 1 ? "" : "s", found.size(), found.size() == 1 ? "" : "s", files.size());
    return found.empty() ? 0 : 1;
}

// --- programs ---------------------------------------------------------------------

void Report(const std::string& text) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

void Report(const lang::RunResult& r) {
    if (r.interrupted) {
        Report("Interrupted at line " + std::to_string(r.line) + " (" + r.procedure + ").");
        return;
    }
    std::string details = r.Details();
    if (!details.empty()) details.pop_back();
    Report(details.empty() ? r.Describe() : r.Describe() + "\n" + details);
}

// A script file or a -c command.
int ProgramMode(lang::Interpreter& in, const std::string& text, const std::string& name,
                const std::vector<Value>& args) {
    lang::RunResult compiled;
    std::shared_ptr<lang::Program> program = in.Compile(text, name, &compiled);
    if (!program) {
        Report(compiled);
        return 1;
    }
    if (!lang::Interpreter::ChoosesLibrary(*program)) {
        std::string why;
        if (!in.LoadDefaultLibrary(&why)) {
            std::fprintf(stderr, "tarvo-run: %s\n", why.c_str());
            return 3;
        }
    }
    lang::RunResult r = in.Run(program, args);
    in.FinishOutput();
    in.UnloadLibrary();
    in.FinishOutput();
    if (r.interrupted || r.error) Report(r);
    return r.interrupted ? kInterruptedExit : r.error ? 1 : 0;
}

// --- the prompt ---------------------------------------------------------------------

// One line typed at the console, as ANSI text. Ctrl-D or Ctrl-Z on an
// empty line ends the input (elsewhere in a line they are ignored).
bool ReadConsoleLine(HANDLE in, std::string* line) {
    std::wstring typed, done;
    wchar_t buf[4096];
    for (;;) {
        DWORD initial = static_cast<DWORD>(typed.copy(buf, 4000));
        CONSOLE_READCONSOLE_CONTROL control{sizeof control, initial, (1u << 4) | (1u << 26), 0};
        DWORD n = 0;
        if (!ReadConsoleW(in, buf, 4096, &n, &control) || n == 0) return false;
        std::wstring got(buf, n);
        std::size_t stop = got.find_first_of(L"\x04\x1A");
        if (stop != std::wstring::npos) {
            if (stop == 0 && done.empty()) {
                std::fputs("\n", stdout);
                return false;
            }
            typed = got.substr(0, stop);
            continue;
        }
        typed.clear();
        done += got;
        if (done.back() == L'\n') break;  // else a long line goes on in the next read
    }
    while (!done.empty() && (done.back() == L'\n' || done.back() == L'\r')) done.pop_back();
    int size = WideCharToMultiByte(CP_ACP, 0, done.data(), static_cast<int>(done.size()), nullptr, 0, nullptr, nullptr);
    line->assign(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, done.data(), static_cast<int>(done.size()), line->data(), size, nullptr, nullptr);
    return true;
}

// One line of standard input without its line end; false at the end of the
// input.
bool ReadLine(std::string* line) {
    line->clear();
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode;
    if (_isatty(_fileno(stdin)) && GetConsoleMode(in, &mode)) return ReadConsoleLine(in, line);
    char buf[4096];
    for (;;) {
        if (!std::fgets(buf, sizeof buf, stdin)) {
            if (line->empty()) return false;
            break;
        }
        *line += buf;
        if (!line->empty() && line->back() == '\n') {
            line->pop_back();
            break;
        }
    }
    if (!line->empty() && line->back() == '\r') line->pop_back();
    return true;
}

bool EndsWithContinuation(const std::string& text) {
    std::size_t e = text.find_last_not_of(" \t\r\n");
    return e != std::string::npos && text[e] == ';';
}

// HELP (or ? alone) at the prompt: what the runner knows, as the README
// lists it.
std::string HelpText(Host& host) {
    std::string lists = lang::SupportedLists();
    lists.erase(std::remove(lists.begin(), lists.end(), '`'), lists.end());
    std::size_t library = 0;
    for (const FunctionInfo& f : host.functions())
        if (f.count >= 0) ++library;
    return lists + "\nAnd the library's " + std::to_string(library) +
           " functions (tarvo-run --list shows them); HELP NAME shows one.\n"
           "Leave with QUIT or the end of input (Ctrl-D; Ctrl-Z then Enter on Windows);\n"
           "Ctrl-C interrupts a running program.\n";
}

// Command lines from standard input; a block (IF ... ENDIF, PROCEDURE ...
// ENDPROC) is read to its end before it runs. From a pipe, Ctrl-C and an
// error end nothing but the command; Ctrl-C ends the input as a script.
int LineMode(lang::Interpreter& in) {
    std::string why;
    if (!in.LoadDefaultLibrary(&why)) {
        std::fprintf(stderr, "tarvo-run: %s\n", why.c_str());
        return 3;
    }
    bool prompt = _isatty(_fileno(stdin)) != 0;
    if (prompt)
        std::printf("tarvo-run %s with %s: HELP lists what it knows; QUIT or Ctrl-D leaves.\n",
                    TARVO_VERSION_TEXT, in.defaultLibrary.substr(in.defaultLibrary.find_last_of("\\/") + 1).c_str());
    bool failed = false, interrupted = false;
    std::string pending, line;
    int lineNo = 0, firstLine = 1;
    for (;;) {
        if (prompt) {
            in.FinishOutput();
            std::fputs(pending.empty() ? "> " : ". ", stdout);
            std::fflush(stdout);
        }
        g_promptInterrupted = false;
        g_atPrompt = true;
        bool more = ReadLine(&line);
        if (!more && prompt) Sleep(150);  // a Ctrl-C that ended the read is still on its way
        g_atPrompt = false;
        if (prompt && g_promptInterrupted) {  // Ctrl-C at the prompt: the input so far goes
            std::clearerr(stdin);
            pending.clear();
            continue;
        }
        if (!more) break;
        ++lineNo;
        if (pending.empty()) {
            firstLine = lineNo;
            const std::string word = tarvo::UpperAscii(Trimmed(line));
            if (word == "HELP" || (word == "?" && prompt)) {  // from a pipe, ? alone prints a blank line
                in.FinishOutput();
                std::fputs(HelpText(in.host()).c_str(), stdout);
                continue;
            }
            if (word.rfind("HELP ", 0) == 0) {
                in.FinishOutput();
                std::string doc;
                DocOf(word.substr(5), &doc);
                std::fputs(doc.c_str(), stdout);
                continue;
            }
        }
        pending += line + "\n";
        if (EndsWithContinuation(pending)) continue;
        lang::Program probe;
        lang::CompileResult c = lang::Compile(pending, &probe, true, firstLine);
        if (!c.ok && c.incomplete) continue;
        lang::RunResult compiled;
        std::shared_ptr<lang::Program> program = in.Compile(pending, "COMMAND", &compiled, true, firstLine);
        pending.clear();
        if (!program) {
            if (prompt) in.FinishOutput();
            Report(compiled);
            failed = true;
            continue;
        }
        in.ClearInterrupt();  // a Ctrl-C before the command started is not for it
        lang::RunResult r = in.Run(program);
        if (r.error || r.interrupted) {
            if (prompt) in.FinishOutput();
            Report(r);
            failed = failed || r.error;
        }
        if (r.interrupted && !prompt) {
            interrupted = true;
            break;
        }
        if (r.quit) break;
    }
    in.FinishOutput();
    in.UnloadLibrary();
    in.FinishOutput();
    if (prompt) return 0;  // at the prompt an error ends only its command
    return interrupted ? kInterruptedExit : failed ? 1 : 0;
}

int RealMain(int argc, char** argv) {
    // Output is written byte for byte; every line ends in LF.
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);

    std::string lib = ExeFolder() + "\\TARVO.fll";
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--lib") == 0) {
        lib = argv[i + 1];
        i += 2;
    }
    if (i < argc && std::strcmp(argv[i], "--list") == 0) return CallMode(lib, true, argc, argv, i + 1);
    if (i < argc && std::strcmp(argv[i], "--call") == 0) {
        if (i + 1 >= argc) return Usage();
        return CallMode(lib, false, argc, argv, i + 1);
    }
    if (i < argc && std::strcmp(argv[i], "--help-lists") == 0) {
        std::fputs(lang::SupportedLists().c_str(), stdout);
        return 0;
    }
    if (i < argc && (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0))
        return i + 1 == argc ? Help() : Usage();
    if (i < argc && std::strcmp(argv[i], "--version") == 0) {
        if (i + 1 != argc) return Usage();
        std::printf("tarvo-run %s\n", TARVO_VERSION_TEXT);
        return 0;
    }
    if (i < argc && std::strcmp(argv[i], "--doc") == 0) {
        if (i + 2 != argc) return Usage();
        std::string doc;
        const bool found = DocOf(argv[i + 1], &doc);
        std::fputs(doc.c_str(), found ? stdout : stderr);
        return found ? 0 : 1;
    }
    if (i < argc && std::strcmp(argv[i], "--check") == 0) {
        if (i + 1 >= argc) return Usage();
        return CheckMode(lib, std::vector<std::string>(argv + i + 1, argv + argc));
    }

    Host host;
    host.traceOn = false;  // nothing here reads the trace; a long run would grow it
    lang::Interpreter in(host);
    in.defaultLibrary = lib;
    in.libraryFolders.push_back(ExeFolder());
    g_interpreter = &in;
    struct Forget {
        ~Forget() { g_interpreter = nullptr; }
    } forget;

    if (i < argc && std::strcmp(argv[i], "-c") == 0) {
        if (i + 1 >= argc || i + 2 != argc) return Usage();
        return ProgramMode(in, argv[i + 1], "COMMAND", {});
    }
    if (i < argc) {
        std::string path = argv[i++];
        if (!path.empty() && path[0] == '-') return Usage();
        std::ifstream f(path, std::ios::binary);
        if (!f) {
            std::fprintf(stderr, "tarvo-run: cannot read %s\n", path.c_str());
            return 2;
        }
        std::ostringstream text;
        text << f.rdbuf();
        std::vector<Value> args;
        for (; i < argc; ++i) args.push_back(Value::Char(argv[i]));
        return ProgramMode(in, text.str(), path, args);
    }
    return LineMode(in);
}

struct Job {
    int argc;
    char** argv;
    int rc;
};

DWORD WINAPI Worker(LPVOID p) {
    auto* job = static_cast<Job*>(p);
    // The host's thread has COM, as the real host's has (shortcuts need it).
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    job->rc = RealMain(job->argc, job->argv);
    if (com) CoUninitialize();
    return 0;
}

}  // namespace

// Everything runs on one thread (the library keeps its callback and its
// timers per thread), one with room for deeply nested programs.
// A console shows and takes the host's ANSI text while tarvo-run runs.
int main(int argc, char** argv) {
    SetConsoleCtrlHandler(OnControl, TRUE);
    UINT outputPage = GetConsoleOutputCP(), inputPage = GetConsoleCP();
    if (outputPage) SetConsoleOutputCP(GetACP());
    if (inputPage) SetConsoleCP(GetACP());
    Job job{argc, argv, 0};
    HANDLE t = CreateThread(nullptr, 256u << 20, Worker, &job, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (t) {
        WaitForSingleObject(t, INFINITE);
        CloseHandle(t);
    } else {
        job.rc = RealMain(argc, argv);
    }
    std::fflush(stdout);
    if (outputPage) SetConsoleOutputCP(outputPage);
    if (inputPage) SetConsoleCP(inputPage);
    return job.rc;
}
