// Built-in functions: the low-level files (FOPEN, FCREATE, FREAD, FGETS,
// FWRITE, FPUTS, FSEEK, FEOF, FFLUSH, FCHSIZE, FCLOSE, FERROR) over the
// host's file channels, and FSIZE, DIRECTORY and ADIR.
//
// A handle is a channel of the file-channel group, shared with the
// library's channels. An operation on a handle that is not open answers as
// the host does (-1, "", 0 or .F.) and FERROR() gives 6; one the handle
// may not do (reading a file opened to write) gives 5.
#include <windows.h>

#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>

#include "runner/lang/builtins.h"
#include "runner/lang/support.h"

namespace tarvo::run::lang {
namespace {

using tarvo::run::Channels;

enum : int {
    kFileNotFound = 2,
    kAccessDenied = 5,
    kBadHandle = 6,
    kSeekError = 25,
    kDiskFull = 29,
    kOpenError = 31,
};

int OpenError() {
    switch (errno) {
    case ENOENT: return kFileNotFound;
    case EACCES: return kAccessDenied;
    case ENOSPC: return kDiskFull;
    default: return kOpenError;
    }
}

// The file of handle argument 0, or null (FERROR set) when it cannot do `need`.
std::FILE* FileOf(Args& a, unsigned need) {
    long h = a.Int(0);
    unsigned access = 0;
    std::FILE* f = a.in.host().channels.Find(static_cast<std::int32_t>(h), &access);
    Session& s = a.in.session();
    if (!f) {
        s.fileError = kBadHandle;
        return nullptr;
    }
    if ((access & need) != need) {
        s.fileError = kAccessDenied;
        return nullptr;
    }
    s.fileError = 0;
    std::fseek(f, 0, SEEK_CUR);  // between reading and writing
    return f;
}

// FOPEN(name [, mode]): 0 read, 1 write, 2 read and write; 10, 11 and 12 the
// same unbuffered. Answers the handle or -1.
Value Fopen(Args& a) {
    std::string name = a.Text(0);
    long mode = a.Has(1) ? a.Int(1) : 0;
    if (mode >= 10 && mode <= 12) mode -= 10;
    if (mode < 0 || mode > 2) Raise(kErrArgument);
    std::FILE* f = std::fopen(name.c_str(), mode == 0 ? "rb" : "r+b");
    Session& s = a.in.session();
    if (!f) {
        s.fileError = OpenError();
        return N(-1);
    }
    if (a.Has(1) && a.Int(1) >= 10) std::setvbuf(f, nullptr, _IONBF, 0);
    s.fileError = 0;
    unsigned access = mode == 0 ? Channels::kRead : mode == 1 ? Channels::kWrite : Channels::kRead | Channels::kWrite;
    return N(a.in.host().channels.Adopt(f, access));
}

// FCREATE(name [, attributes]): a new empty file (an old one is emptied),
// open to read and write; attributes 1 read-only, 2 hidden, 4 system.
Value Fcreate(Args& a) {
    std::string name = a.Text(0);
    long attributes = a.Has(1) ? a.Int(1) : 0;
    if (attributes < 0 || attributes > 7) Raise(kErrArgument);
    std::FILE* f = std::fopen(name.c_str(), "w+b");
    Session& s = a.in.session();
    if (!f) {
        s.fileError = OpenError();
        return N(-1);
    }
    if (attributes) {
        DWORD w = (attributes & 1 ? FILE_ATTRIBUTE_READONLY : 0) | (attributes & 2 ? FILE_ATTRIBUTE_HIDDEN : 0) |
                  (attributes & 4 ? FILE_ATTRIBUTE_SYSTEM : 0);
        SetFileAttributesA(name.c_str(), w);
    }
    s.fileError = 0;
    return N(a.in.host().channels.Adopt(f, Channels::kRead | Channels::kWrite));
}

Value Fread(Args& a) {
    long n = a.Int(1);
    if (n < 0) Raise(kErrArgument);
    std::FILE* f = FileOf(a, Channels::kRead);
    if (!f) return C("");
    std::string out(static_cast<std::size_t>(std::min<double>(n, kMaxTextLength)), '\0');
    out.resize(std::fread(out.data(), 1, out.size(), f));
    return C(out);
}

// FGETS(handle [, bytes]): up to the line end (CR, LF or CR LF, which is
// read but not answered) or `bytes` characters (254 by default, 1 to 8192).
Value Fgets(Args& a) {
    long n = a.Has(1) ? a.Int(1) : 254;
    if (n < 1 || n > 8192) Raise(kErrArgument);
    std::FILE* f = FileOf(a, Channels::kRead);
    if (!f) return C("");
    std::string out;
    int c;
    while (static_cast<long>(out.size()) < n && (c = std::fgetc(f)) != EOF) {
        if (c == '\n') break;
        if (c == '\r') {
            int d = std::fgetc(f);
            if (d != '\n' && d != EOF) std::ungetc(d, f);
            break;
        }
        out += static_cast<char>(c);
    }
    return C(out);
}

// FWRITE and FPUTS (handle, text [, bytes]): the text, or its first `bytes`
// characters; FPUTS adds CR LF. Answer the bytes written.
Value Fwrite(Args& a, bool line) {
    std::string text = a.Text(1);
    if (a.Has(2)) {
        long n = a.Int(2);
        if (n < 0) Raise(kErrArgument);
        if (static_cast<std::size_t>(n) < text.size()) text.resize(static_cast<std::size_t>(n));
    }
    std::FILE* f = FileOf(a, Channels::kWrite);
    if (!f) return N(0);
    if (line) text += "\r\n";
    std::size_t written = std::fwrite(text.data(), 1, text.size(), f);
    if (written < text.size()) a.in.session().fileError = kDiskFull;
    return N(static_cast<double>(written));
}

// FSEEK(handle, bytes [, origin]): 0 from the start, 1 from here, 2 from the
// end; answers the new position.
Value Fseek(Args& a) {
    double by = std::trunc(a.Num(1));
    long origin = a.Has(2) ? a.Int(2) : 0;
    if (origin < 0 || origin > 2) Raise(kErrArgument);
    std::FILE* f = FileOf(a, 0);
    if (!f) return N(-1);
    int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
    if (_fseeki64(f, static_cast<long long>(by), whence) != 0) {
        // Before the start: the position is the start.
        if (_fseeki64(f, 0, SEEK_SET) != 0) a.in.session().fileError = kSeekError;
    }
    return N(static_cast<double>(_ftelli64(f)));
}

Value Feof(Args& a) {
    std::FILE* f = FileOf(a, 0);
    if (!f) return L(true);
    long long here = _ftelli64(f);
    _fseeki64(f, 0, SEEK_END);
    long long end = _ftelli64(f);
    _fseeki64(f, here, SEEK_SET);
    return L(here >= end);
}

Value Fchsize(Args& a) {
    double size = std::trunc(a.Num(1));
    if (size < 0 || size > 2147483647.0) Raise(kErrArgument);
    std::FILE* f = FileOf(a, Channels::kWrite);
    if (!f) return N(-1);
    std::fflush(f);
    if (_chsize(_fileno(f), static_cast<long>(size)) != 0) {
        a.in.session().fileError = kDiskFull;
        return N(-1);
    }
    return N(size);
}

// ADIR(array, [skeleton [, attributes [, flags]]]): one row per file: name,
// size, date and time written, attributes ("RHSDA", a dot for each one the
// file lacks). Attributes D, H and S add folders, hidden and system files;
// flags 0 names in upper case, 1 as they are, 2 short names. Rows come in
// the order of their names; 0 and the array unchanged when none matches.
Value Adir(Args& a) {
    std::string skeleton = a.Has(1) ? a.Text(1) : "*.*";
    std::string attributes = a.Has(2) ? UpperAscii(a.Text(2)) : "";
    long flags = a.Has(3) ? a.Int(3) : 0;
    if (flags < 0 || flags > 2) Raise(kErrArgument);
    if (attributes.find_first_not_of("DHSV ") != std::string::npos || attributes.find('V') != std::string::npos)
        Raise(kErrArgument);
    if (skeleton.empty()) skeleton = "*.*";
    DWORD allowed = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_NORMAL;
    if (attributes.find('D') != std::string::npos) allowed |= FILE_ATTRIBUTE_DIRECTORY;
    if (attributes.find('H') != std::string::npos) allowed |= FILE_ATTRIBUTE_HIDDEN;
    if (attributes.find('S') != std::string::npos) allowed |= FILE_ATTRIBUTE_SYSTEM;
    struct Row {
        std::string name;
        double size;
        SYSTEMTIME when;
        std::string attrs;
    };
    std::vector<Row> rows;
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA(skeleton.c_str(), &d);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            DWORD at = d.dwFileAttributes;
            DWORD kinds = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
            if ((at & kinds & ~allowed) != 0) continue;
            Row r;
            r.name = flags == 2 && d.cAlternateFileName[0] ? d.cAlternateFileName : d.cFileName;
            if (flags != 1) r.name = UpperAscii(r.name);
            r.size = static_cast<double>(d.nFileSizeHigh) * 4294967296.0 + d.nFileSizeLow;
            FILETIME local;
            FileTimeToLocalFileTime(&d.ftLastWriteTime, &local);
            FileTimeToSystemTime(&local, &r.when);
            r.attrs = std::string(at & FILE_ATTRIBUTE_READONLY ? "R" : ".") + (at & FILE_ATTRIBUTE_HIDDEN ? "H" : ".") +
                      (at & FILE_ATTRIBUTE_SYSTEM ? "S" : ".") + (at & FILE_ATTRIBUTE_DIRECTORY ? "D" : ".") +
                      (at & FILE_ATTRIBUTE_ARCHIVE ? "A" : ".");
            rows.push_back(r);
        } while (FindNextFileA(h, &d));
        FindClose(h);
    }
    if (rows.empty()) return N(0);
    std::sort(rows.begin(), rows.end(), [](const Row& x, const Row& y) { return UpperAscii(x.name) < UpperAscii(y.name); });
    VarP v = ArrayToFill(a, 0);
    v->items.clear();
    Shape(*v, static_cast<long>(rows.size()), 5);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Row& r = rows[k];
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", r.when.wHour, r.when.wMinute, r.when.wSecond);
        v->items[k * 5 + 0] = C(r.name);
        v->items[k * 5 + 1] = N(r.size);
        v->items[k * 5 + 2] = Value::Date(MakeDate(r.when.wYear, r.when.wMonth, r.when.wDay));
        v->items[k * 5 + 3] = C(time);
        v->items[k * 5 + 4] = C(r.attrs);
    }
    return N(static_cast<double>(rows.size()));
}

// FSIZE(field [, work area or alias]): the width of a field of a cursor (I
// and M 4, L 1). Under SET COMPATIBLE ON, FSIZE(file): the size of a file.
Value Fsize(Args& a) {
    std::string name = a.Text(0);
    if (a.in.session().compatible) {
        if (a.Has(1)) Raise(kErrTooMany);
        WIN32_FILE_ATTRIBUTE_DATA d;
        if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &d) ||
            (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            Raise(kErrFileMissing, "File '" + Lower(name) + "' does not exist.");
        return N(static_cast<double>(d.nFileSizeHigh) * 4294967296.0 + d.nFileSizeLow);
    }
    Tables& tables = a.in.host().tables;
    int area = tables.current;
    if (a.Has(1)) {
        if (IsNumber(a[1])) {
            area = static_cast<int>(a.Int(1));
        } else {
            std::string alias = UpperAscii(a.Text(1));
            area = tables.Find(alias);
            if (!area) Raise(kErrNoAlias, "Alias '" + alias + "' is not found.");
        }
    }
    Table* t = tables.At(area);
    if (!t) Raise(52);
    int k = tables.FieldNumber(area, UpperAscii(name));
    if (!k) Raise(kErrNoVariable, "Variable '" + UpperAscii(name) + "' is not found.");
    return N(t->header.fields[static_cast<std::size_t>(k - 1)].width);
}

const Builtin kTable[] = {
    {"FOPEN", 1, 2, Fopen},
    {"FCREATE", 1, 2, Fcreate},
    {"FREAD", 2, 2, Fread},
    {"FGETS", 1, 2, Fgets},
    {"FWRITE", 2, 3, [](Args& a) { return Fwrite(a, false); }},
    {"FPUTS", 2, 3, [](Args& a) { return Fwrite(a, true); }},
    {"FSEEK", 2, 3, Fseek},
    {"FEOF", 1, 1, Feof},
    {"FFLUSH", 1, 2, [](Args& a) {
         if (a.Has(1)) a.Logic(1);  // force: the data goes to the disk either way
         std::FILE* f = FileOf(a, 0);
         return L(f && std::fflush(f) == 0);
     }},
    {"FCHSIZE", 2, 2, Fchsize},
    {"FCLOSE", 1, 1, [](Args& a) {
         long h = a.Int(0);
         bool closed = a.in.host().channels.Close(static_cast<std::int32_t>(h)) == 0;
         a.in.session().fileError = closed ? 0 : kBadHandle;
         return L(closed);
     }},
    {"FERROR", 0, 0, [](Args& a) { return N(a.in.session().fileError); }},
    {"FSIZE", 1, 2, Fsize},
    // DIRECTORY(folder [, flags]): .T. when the folder exists; flags 1 finds
    // hidden folders too.
    {"DIRECTORY", 1, 2, [](Args& a) {
         std::string name = a.Text(0);
         long flags = a.Has(1) ? a.Int(1) : 0;
         if (flags != 0 && flags != 1) Raise(kErrArgument);
         DWORD at = GetFileAttributesA(name.c_str());
         if (at == INVALID_FILE_ATTRIBUTES || !(at & FILE_ATTRIBUTE_DIRECTORY)) return L(false);
         return L(flags == 1 || !(at & FILE_ATTRIBUTE_HIDDEN));
     }},
    {"ADIR", 1, 4, Adir},
};

}  // namespace

std::span<const Builtin> FileBuiltins() { return kTable; }

}  // namespace tarvo::run::lang
