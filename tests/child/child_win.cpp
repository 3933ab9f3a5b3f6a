// test_child.exe: a program the tests start, list and end.
//   test_child.exe [--marker FILE] [--pid FILE] [--sleep MILLISECONDS]
// --marker writes its own command line into FILE, --pid its process id in
// decimal (each written under a temporary name and renamed, so a reader
// sees it whole); then it waits (60 s unless --sleep says otherwise) and
// ends with exit code 0.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool WriteWhole(const char* file, const std::string& text) {
    const std::string temporary = std::string(file) + ".tmp";
    HANDLE f = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
    return MoveFileA(temporary.c_str(), file) != 0;
}

}  // namespace

int main(int argc, char** argv) {
    DWORD sleep = 60000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--marker") == 0 && !WriteWhole(argv[i + 1], GetCommandLineA())) return 2;
        if (std::strcmp(argv[i], "--pid") == 0 &&
            !WriteWhole(argv[i + 1], std::to_string(GetCurrentProcessId())))
            return 2;
        if (std::strcmp(argv[i], "--sleep") == 0) sleep = std::strtoul(argv[i + 1], nullptr, 10);
    }
    Sleep(sleep);
    return 0;
}
