// The registry: the seven root keys against Windows' own answers, what the
// library writes and how it reads each kind of value, enumeration, the
// registry last error and bad input. Every test works under a key of its
// own below HKEY_CURRENT_USER\Software\TarvoTests (and the same below the
// other roots that take keys), removed afterwards; no key stays open.
#include <windows.h>

#include <string>

#include "system_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;

// Deletes a key and everything below it.
void DeleteTree(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        char name[1024];
        while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) DeleteTree(key, name);
        RegCloseKey(key);
    }
    RegDeleteKeyA(root, path.c_str());
}

bool KeyIn(HKEY root, const std::string& path) {
    HKEY k;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

class RegistryTest : public SystemTest {
  protected:
    void SetUp() override {
        key = "Software\\TarvoTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        DeleteTree(HKEY_CURRENT_USER, key);
        SystemTest::SetUp();
        handles_ = OpenHandles();
    }
    void TearDown() override {
        EXPECT_EQ(OpenHandles(), handles_) << "a key or handle left open";
        SystemTest::TearDown();
        DeleteTree(HKEY_CURRENT_USER, key);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\TarvoTests");  // when no other test uses it
    }
    // Writes a value directly.
    void Put(const std::string& name, DWORD type, const std::string& data) {
        HKEY k;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, key.c_str(), &k), ERROR_SUCCESS);
        RegSetValueExA(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size()));
        RegCloseKey(k);
    }
    // Reads a value directly: its type and data; type -1 when it is missing.
    std::pair<long, std::string> Get(const std::string& name) {
        HKEY k;
        char data[4096];
        DWORD type = 0, size = sizeof data;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return {-1, ""};
        const LONG rc = RegQueryValueExA(k, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(k);
        return {rc == ERROR_SUCCESS ? long(type) : -1, std::string(data, rc == ERROR_SUCCESS ? size : 0)};
    }
    bool KeyExists(const std::string& path) { return KeyIn(HKEY_CURRENT_USER, path); }
    std::string Query(const std::string& name) { return Ask("REG_QUERYVALUE", {C("HKEY_CURRENT_USER"), C(key), C(name)}); }
    std::string GetData(const std::string& name) { return Ask("REG_GETDATA", {C("HKEY_CURRENT_USER"), C(key), C(name)}); }
    std::string LastError() { return Ask("REG_GETLASTERROR", {}); }

    // Counts the open handles afresh (Windows keeps a handle of a root key
    // once it was used, and of the libraries a load brought).
    void Rebase() { handles_ = OpenHandles(); }

    std::string key;

  private:
    int handles_ = 0;
};

// Each root name reaches the root Windows has for it (in the 64-bit flavour
// too, where the handles are sign-extended): the same answer as Windows'
// own call on that root, and the key made there.
TEST_F(RegistryTest, SevenRootKeysAsWindowsAnswersThem) {
    const struct {
        const char* name;
        HKEY root;
    } roots[] = {{"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},     {"hkey_current_user", HKEY_CURRENT_USER},
                 {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},   {"HKEY_USERS", HKEY_USERS},
                 {"Hkey_Performance_Data", HKEY_PERFORMANCE_DATA}, {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
                 {"HKEY_DYN_DATA", HKEY_DYN_DATA}};
    // A key right below the root, so that nothing of the test stays.
    const std::string path = "TarvoTestsRoot" + std::to_string(GetCurrentProcessId());
    // Windows' own answers first; the handles of the roots it then keeps
    // open are no keys of the library's.
    std::vector<LONG> direct;
    for (const auto& r : roots) {
        HKEY k = nullptr;
        direct.push_back(RegCreateKeyExA(r.root, path.c_str(), 0, nullptr, 0, KEY_CREATE_SUB_KEY, nullptr, &k, nullptr));
        if (direct.back() == ERROR_SUCCESS) {
            RegCloseKey(k);
            RegDeleteKeyA(r.root, path.c_str());
        }
    }
    Rebase();
    for (std::size_t i = 0; i < std::size(roots); ++i) {
        const auto& r = roots[i];
        SCOPED_TRACE(r.name);
        EXPECT_EQ(Ask("REG_CREATEKEY", {C(r.name), C(path)}), AnswerOf(static_cast<std::int32_t>(direct[i])));
        if (direct[i] != ERROR_SUCCESS) continue;
        EXPECT_TRUE(KeyIn(r.root, path));
        EXPECT_EQ(Ask("REG_DELETEKEY", {C(r.name), C(path)}), "I 0");
    }
    EXPECT_EQ(LastError(), "I -14444");  // no root was refused
}

// A name that is no root: each function's failure answer, before anything
// else is looked at, and the last error 3.
TEST_F(RegistryTest, NameThatIsNoRoot) {
    const Value bad = C("HKEY_CURRENT_USER\\Software");
    const struct {
        const char* name;
        std::vector<Value> args;
        const char* answer;
    } calls[] = {
        {"REG_CREATEKEY", {bad, C(key)}, "I -14443"},
        {"REG_DELETEKEY", {bad, C(key)}, "I -14443"},
        {"REG_CREATEVALUE", {bad, C(key), C("v"), L(true)}, "I -14443"},  // the root comes first
        {"REG_QUERYVALUE", {bad, C(key), C("v")}, "C "},
        {"REG_DELETEVALUE", {bad, C(key), C("v")}, "I 3"},
        {"REG_GETDATA", {bad, C(key), C("v")}, "C "},
        {"REG_SETDATA", {bad, C(key), C("v"), I(1)}, "C "},
    };
    for (const auto& c : calls) {
        Ask("REG_GETDATA", {C("HKEY_CURRENT_USER"), C(key), C("v")});  // the last error 15
        EXPECT_EQ(Ask(c.name, c.args), c.answer) << c.name;
        EXPECT_EQ(LastError(), "I 3") << c.name;
    }
    EXPECT_FALSE(KeyExists(key));
}

TEST_F(RegistryTest, HostValuesWrittenAndReadBack) {
    auto create = [&](const std::string& name, Value v) {
        return Ask("REG_CREATEVALUE", {C("HKEY_CURRENT_USER"), C(key), C(name), v});
    };
    EXPECT_EQ(create("Text", C("abc")), "I 0");
    EXPECT_EQ(Get("Text"), (std::pair<long, std::string>{REG_SZ, "abc\0"s}));
    EXPECT_EQ(create("Count", I(300)), "I 0");
    EXPECT_EQ(Get("Count"), (std::pair<long, std::string>{REG_DWORD, "\x2C\x01\0\0"s}));
    EXPECT_EQ(create("Number", Value::Num(-2.9, 2)), "I 0");
    EXPECT_EQ(Query("Number"), "I -2");
    EXPECT_EQ(create("Other", Value::Date(2451545)), "I -14442");
    EXPECT_EQ(Get("Other").first, -1);  // nothing written
    // 2049 bytes with the zero are still read; 2050 are not (REG_GETDATA
    // reads any length).
    EXPECT_EQ(create("Full", C(std::string(2048, 'w'))), "I 0");
    EXPECT_EQ(Query("Full"), AnswerOf(std::string(2048, 'w')));
    EXPECT_EQ(create("Over", C(std::string(2049, 'o'))), "I 0");
    EXPECT_EQ(Query("Over"), "C ");
    EXPECT_EQ(GetData("over"), AnswerOf(std::string(2049, 'o')));
    EXPECT_EQ(LastError(), "I -14444");
}

// Values written by Windows, one of each way they read, as both readers
// answer them.
TEST_F(RegistryTest, EachKindOfValue) {
    const struct {
        DWORD type;
        std::string data;
        const char* query;
        const char* data2;  // REG_GETDATA's answer
        const char* error;  // the last error after it
    } types[] = {
        {REG_NONE, "xy", "C ", "C ", "I 4"},
        {REG_EXPAND_SZ, "%PATH%\0"s, "C %PATH%", "C %PATH%", "I -14444"},
        {REG_BINARY, "\1\2\3"s, "C TARVO cannot handle binary values", "C ", "I 7"},
        {REG_DWORD, "\x10\0\0\0"s, "I 16", "C ", "I 8"},
        {REG_DWORD, "\x07"s, "I 7", "C ", "I 8"},  // shorter than 4 bytes: still read
        {REG_QWORD, "\1\0\0\0\0\0\0\0"s, "C ", "C ", "I 14"},
    };
    for (const auto& t : types) {
        SCOPED_TRACE(t.query);
        Put("v", t.type, t.data);
        const std::string before = LastError();
        EXPECT_EQ(Query("v"), t.query);
        EXPECT_EQ(LastError(), before);  // REG_QUERYVALUE records nothing
        EXPECT_EQ(GetData("v"), t.data2);
        EXPECT_EQ(LastError(), t.error);
    }
}

// REG_GETDATA finds a name of any length, in any case; a key that cannot
// be opened has no values and is not made. REG_QUERYVALUE makes the key it
// asks.
TEST_F(RegistryTest, MissingKeysAndLongNames) {
    Put(std::string(300, 'n'), REG_SZ, "far\0"s);
    EXPECT_EQ(GetData(std::string(300, 'N')), "C far");
    EXPECT_EQ(Ask("REG_GETDATA", {C("HKEY_CURRENT_USER"), C(key + "\\Missing"), C("v")}), "C ");
    EXPECT_EQ(LastError(), "I 15");
    EXPECT_FALSE(KeyExists(key + "\\Missing"));
    EXPECT_EQ(Ask("REG_QUERYVALUE", {C("HKEY_CURRENT_USER"), C(key + "\\New"), C("v")}), "C ");
    EXPECT_TRUE(KeyExists(key + "\\New"));
}

// REG_SETDATA makes the key and writes nothing; a root that takes no keys
// (HKEY_PERFORMANCE_DATA) records 16.
TEST_F(RegistryTest, LastErrorStaysUntilGetDataOrSetData) {
    Ask("REG_CREATEKEY", {C("HKCU"), C(key)});
    EXPECT_EQ(Ask("REG_CREATEKEY", {C("HKEY_CURRENT_USER"), C(key)}), "I 0");
    EXPECT_EQ(LastError(), "I 3");  // success records nothing
    EXPECT_EQ(Ask("REG_SETDATA", {C("HKEY_CURRENT_USER"), C(key + "\\Set"), C("v"), C("value")}), "none");
    EXPECT_EQ(LastError(), "I -14444");
    EXPECT_TRUE(KeyExists(key + "\\Set"));
    EXPECT_EQ(Ask("REG_QUERYVALUE", {C("HKEY_CURRENT_USER"), C(key + "\\Set"), C("v")}), "C ");
    EXPECT_EQ(Ask("REG_SETDATA", {C("HKEY_PERFORMANCE_DATA"), C("x"), C("v"), I(1)}), "C ");
    EXPECT_EQ(LastError(), "I 16");
    Put("v", REG_SZ, "x\0"s);
    EXPECT_EQ(GetData("v"), "C x");
    EXPECT_EQ(LastError(), "I -14444");
    // Reloading the library starts again.
    Ask("REG_CREATEKEY", {C("HKCU"), C(key)});
    host.Unload();
    std::string why;
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    Rebase();
    EXPECT_EQ(LastError(), "I -14444");
}

}  // namespace
}  // namespace tarvo::test
