// Shared set-up of the file family's DLL tests: a scratch folder of the
// test's own (removed afterwards) that is the current folder meanwhile, small
// helpers over its files, and tables of calls with the answers expected.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dll_test.h"

namespace tarvo::test {

inline std::string ReadAll(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}
inline void WriteAll(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}
inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
inline Value C(std::string s) { return Value::Char(std::move(s)); }
inline Value I(std::int32_t n) { return Value::Int(n); }

// Removes a folder and everything in it (read-only files, and paths longer
// than MAX_PATH, too).
inline void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileW(h, &fd)) {
        const std::wstring name = fd.cFileName, path = folder + L"\\" + name;
        if (name == L"." || name == L"..") continue;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(path);
        else
            DeleteFileW(path.c_str());
    }
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
    RemoveDirectoryW(folder.c_str());
}
inline void RemoveTree(const std::string& folder) {
    RemoveTree(L"\\\\?\\" + std::wstring(folder.begin(), folder.end()));
}

// A call and its answer as the host would show it: a number in decimal, a
// logical as .T. or .F., a text as it is, "error N" for a host error.
struct Row {
    const char* name;
    std::vector<Value> args;
    std::string answer;
};

class FilesTest : public DllTest {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, saved_);
        char tmp[MAX_PATH];
        GetTempPathA(MAX_PATH, tmp);
        dir = std::string(tmp) + "tarvo-files-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RemoveTree(dir);
        CreateDirectoryA(dir.c_str(), nullptr);
        SetCurrentDirectoryA(dir.c_str());
        DllTest::SetUp();
    }
    void TearDown() override {
        EXPECT_EQ(host.channels.open(), 0) << "a channel left open";
        DllTest::TearDown();
        SetCurrentDirectoryA(saved_);
        RemoveTree(dir);
    }
    // A path in the scratch folder.
    std::string At(const std::string& name) const { return dir + "\\" + name; }
    // A file the host's channels or a Windows handle left open cannot be
    // deleted: deleting it shows that every one of them was closed.
    bool Released(const std::string& name) { return DeleteFileA(At(name).c_str()) != 0; }
    // The texts of the services of one code since the trace was last cleared
    // (the commands of kSvcExecuteCommand).
    std::vector<std::string> Traced(std::uint32_t code) const {
        std::vector<std::string> out;
        for (const run::Trace& t : host.trace)
            if (t.code == code) out.push_back(t.text);
        return out;
    }
    std::string Ask(const std::string& name, const std::vector<Value>& args) {
        std::vector<run::Arg> a;
        for (const Value& v : args) a.push_back(run::ByValue(v));
        const run::Outcome o = host.Call(name, a);
        const Value v = o.value();
        return o.error         ? "error " + std::to_string(o.error)
               : v.type == 'I' ? std::to_string(v.integer)
               : v.type == 'L' ? (v.logical ? ".T." : ".F.")
                               : v.text;
    }
    void Expect(const std::vector<Row>& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(Ask(rows[i].name, rows[i].args), rows[i].answer) << "row " << i;
    }

    std::string dir;

private:
    char saved_[MAX_PATH] = {};
};

}  // namespace tarvo::test
