// Shared set-up of the file family's DLL tests: a scratch folder of the
// test's own (removed afterwards) that is the current folder meanwhile, and
// small helpers over its files.
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

// Removes a folder and everything in it (read-only files, and paths longer
// than MAX_PATH, too).
inline void RemoveTreeW(const std::wstring& folder) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTreeW(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(folder.c_str());
}
inline void RemoveTree(const std::string& folder) {
    RemoveTreeW(L"\\\\?\\" + std::wstring(folder.begin(), folder.end()));
}

class FilesTest : public DllTest {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, saved_);
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        char tmp[MAX_PATH];
        GetTempPathA(MAX_PATH, tmp);
        dir = std::string(tmp) + "tarvo-files-" + info->name();
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
    // A file the host's channels left open cannot be deleted: deleting it
    // shows that every channel on it was closed.
    bool Released(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }
    // The commands the library sent since the trace was last cleared.
    std::vector<std::string> Commands() const {
        std::vector<std::string> out;
        for (const run::Trace& t : host.trace)
            if (t.code == kSvcExecuteCommand) out.push_back(t.text);
        return out;
    }
    // Services of one code since the trace was last cleared.
    int Services(std::uint32_t code) const {
        int n = 0;
        for (const run::Trace& t : host.trace) n += t.code == code ? 1 : 0;
        return n;
    }

    std::string dir;

private:
    char saved_[MAX_PATH] = {};
};

}  // namespace tarvo::test
