// The registry: the seven root keys against Windows' own answers, every
// value type read both ways, enumeration, deletion, the registry last
// error and bad input. Every test works under a key of its own below
// HKEY_CURRENT_USER\Software\TarvoTests (and the same below the other roots
// that take keys), removed afterwards; no key stays open.
#include <windows.h>

#include <cmath>
#include <limits>
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
    void Put(const std::string& name, DWORD type, const std::string& data, const std::string& under = "") {
        HKEY k;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (key + under).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &k, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(k, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
        RegCloseKey(k);
    }
    // Reads a value directly: its type and data; type -1 when it is missing.
    std::pair<long, std::string> Get(const std::string& name) {
        HKEY k;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS)
            return {-1, ""};
        DWORD type = 0, size = 0;
        std::string data;
        long rc = RegQueryValueExA(k, name.c_str(), nullptr, &type, nullptr, &size);
        if (rc == ERROR_SUCCESS) {
            data.resize(size);
            rc = RegQueryValueExA(k, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        }
        RegCloseKey(k);
        return rc == ERROR_SUCCESS ? std::pair<long, std::string>{static_cast<long>(type), data}
                                   : std::pair<long, std::string>{-1, ""};
    }
    bool KeyExists(const std::string& path) {
        HKEY k;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
        RegCloseKey(k);
        return true;
    }
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

// Each root name, in any case, reaches the root Windows has for it: the
// same answer as Windows' own call on that root.
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
        EXPECT_EQ(Ask("REG_CREATEVALUE", {C(r.name), C(path), C("v"), C("x")}), "I 0");
        EXPECT_EQ(Ask("REG_QUERYVALUE", {C(r.name), C(path), C("v")}), "C x");
        EXPECT_EQ(Ask("REG_GETDATA", {C(r.name), C(path), C("V")}), "C x");
        EXPECT_EQ(Ask("REG_DELETEVALUE", {C(r.name), C(path), C("v")}), "I 0");
        EXPECT_EQ(Ask("REG_DELETEKEY", {C(r.name), C(path)}), "I 0");
    }
    EXPECT_EQ(LastError(), "I -14444");  // no root was refused
}

TEST_F(RegistryTest, NamesThatAreNoRoot) {
    for (const std::string& bad : {"HKCU"s, ""s, "HKEY_CURRENT_USER\\Software"s, std::string(300, 'H'), "HKEY_CURRENT_USER "s}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Ask("REG_CREATEKEY", {C(bad), C(key)}), "I -14443");
        EXPECT_EQ(LastError(), "I 3");
        EXPECT_EQ(Ask("REG_DELETEKEY", {C(bad), C(key)}), "I -14443");
        EXPECT_EQ(Ask("REG_CREATEVALUE", {C(bad), C(key), C("v"), I(1)}), "I -14443");
        EXPECT_EQ(Ask("REG_CREATEVALUE", {C(bad), C(key), C("v"), L(true)}), "I -14443");  // the root comes first
        EXPECT_EQ(Ask("REG_QUERYVALUE", {C(bad), C(key), C("v")}), "C ");
        EXPECT_EQ(Ask("REG_DELETEVALUE", {C(bad), C(key), C("v")}), "I 3");
        EXPECT_EQ(Ask("REG_GETDATA", {C(bad), C(key), C("v")}), "C ");
        EXPECT_EQ(LastError(), "I 3");
        EXPECT_EQ(Ask("REG_SETDATA", {C(bad), C(key), C("v"), I(1)}), "C ");
        EXPECT_EQ(LastError(), "I 3");
    }
    EXPECT_FALSE(KeyExists(key));
}

TEST_F(RegistryTest, HostValuesWrittenAndReadBack) {
    const std::string root = "HKEY_CURRENT_USER";
    auto create = [&](const std::string& name, Value v) { return Ask("REG_CREATEVALUE", {C(root), C(key), C(name), v}); };
    EXPECT_EQ(create("Text", C("abc")), "I 0");
    EXPECT_EQ(Get("Text"), (std::pair<long, std::string>{REG_SZ, "abc\0"s}));
    EXPECT_EQ(Query("Text"), "C abc");
    EXPECT_EQ(create("", C("default")), "I 0");
    EXPECT_EQ(Query(""), "C default");
    EXPECT_EQ(create("Empty", C("")), "I 0");
    EXPECT_EQ(Get("Empty"), (std::pair<long, std::string>{REG_SZ, "\0"s}));
    EXPECT_EQ(Query("Empty"), "C ");
    const std::string full(2048, 'w');  // 2049 bytes with its zero: still read
    EXPECT_EQ(create("Full", C(full)), "I 0");
    EXPECT_EQ(Query("Full"), AnswerOf(full));

    EXPECT_EQ(create("Count", I(300)), "I 0");
    EXPECT_EQ(Get("Count"), (std::pair<long, std::string>{REG_DWORD, "\x2C\x01\0\0"s}));
    EXPECT_EQ(Query("Count"), "I 300");
    const std::pair<double, std::int32_t> numbers[] = {
        {2.9, 2}, {-2.9, -2}, {1e12, 2147483647}, {-1e12, -2147483647 - 1},
        {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [n, stored] : numbers) {
        EXPECT_EQ(create("Number", Value::Num(n, 2)), "I 0") << n;
        EXPECT_EQ(Query("Number"), AnswerOf(stored)) << n;
    }
    EXPECT_EQ(create("Minus", I(-1)), "I 0");
    EXPECT_EQ(Query("Minus"), "I -1");

    // Any other type is refused and writes nothing; the last error stays.
    for (const Value& other : {L(true), Value::Date(2451545), Value::DateTime(2451545.5),
                               Value::Currency(12345), Value::Null()}) {
        EXPECT_EQ(create("Other", other), "I -14442") << other.type;
        EXPECT_EQ(Get("Other").first, -1) << other.type;
    }
    EXPECT_EQ(LastError(), "I -14444");
}

// Values written by Windows of every type, as both readers answer them.
TEST_F(RegistryTest, EveryRegistryType) {
    const struct {
        DWORD type;
        std::string data;
        const char* query;
        const char* data2;   // REG_GETDATA's answer
        const char* error;   // the last error after it
    } types[] = {
        {REG_NONE, "xy", "C ", "C ", "I 4"},
        {REG_SZ, "text\0"s, "C text", "C text", "I -14444"},
        {REG_EXPAND_SZ, "%PATH%\0"s, "C %PATH%", "C %PATH%", "I -14444"},
        {REG_BINARY, "\1\2\3"s, "C TARVO cannot handle binary values", "C ", "I 7"},
        {REG_DWORD, "\x10\0\0\0"s, "I 16", "C ", "I 8"},
        {REG_DWORD_BIG_ENDIAN, "\0\0\0\x10"s, "C TARVO cannot handle Big Endian values", "C ", "I 9"},
        {REG_LINK, "link"s, "C TARVO cannot handle Link values", "C ", "I 10"},
        {REG_MULTI_SZ, "a\0b\0\0"s, "C TARVO cannot handle Multi SZ values", "C ", "I 11"},
        {REG_RESOURCE_LIST, "res"s, "C TARVO cannot handle Resource List values", "C ", "I 12"},
        {REG_FULL_RESOURCE_DESCRIPTOR, "full"s, "C ", "C ", "I 13"},
        {REG_RESOURCE_REQUIREMENTS_LIST, "req"s, "C ", "C ", "I 14"},
        {REG_QWORD, "\1\0\0\0\0\0\0\0"s, "C ", "C ", "I 14"},
    };
    for (const auto& t : types) {
        SCOPED_TRACE(t.type);
        const std::string name = "Type" + std::to_string(t.type);
        Put(name, t.type, t.data);
        const std::string before = LastError();
        EXPECT_EQ(Query(name), t.query);
        EXPECT_EQ(LastError(), before);  // REG_QUERYVALUE records nothing
        EXPECT_EQ(GetData(name), t.data2);
        EXPECT_EQ(LastError(), t.error);
    }
}

TEST_F(RegistryTest, LargeValues) {
    const std::string large(3000, 'L');
    Put("Large", REG_SZ, large + '\0');
    EXPECT_EQ(Query("Large"), "C ");             // more than 2049 bytes: not read
    EXPECT_EQ(GetData("large"), AnswerOf(large));  // found and read whole
    const std::string longName(300, 'n');
    Put(longName, REG_SZ, "far\0"s);
    EXPECT_EQ(GetData(std::string(300, 'N')), "C far");
    EXPECT_EQ(LastError(), "I -14444");
}

TEST_F(RegistryTest, QueryCreatesTheMissingKey) {
    EXPECT_FALSE(KeyExists(key + "\\New"));
    EXPECT_EQ(Ask("REG_QUERYVALUE", {C("HKEY_CURRENT_USER"), C(key + "\\New"), C("v")}), "C ");
    EXPECT_TRUE(KeyExists(key + "\\New"));
}

// Names are found in any case by enumeration; a key
// that cannot be opened has no values and is not made.
TEST_F(RegistryTest, EnumerationFindsNamesInAnyCase) {
    Put("beta", REG_SZ, "2\0"s);
    Put("GAMMA", REG_SZ, "3\0"s);
    EXPECT_EQ(GetData("BETA"), "C 2");
    EXPECT_EQ(GetData("gamma"), "C 3");
    EXPECT_EQ(Ask("REG_GETDATA", {C("HKEY_CURRENT_USER"), C(key + "\\Missing"), C("beta")}), "C ");
    EXPECT_EQ(LastError(), "I 15");
    EXPECT_FALSE(KeyExists(key + "\\Missing"));
}

// Deleting a value removes it; a key path whose parents are missing is made
// whole.
TEST_F(RegistryTest, DeletingValuesAndMakingPaths) {
    const std::string root = "HKEY_CURRENT_USER";
    Put("v", REG_SZ, "x\0"s);
    EXPECT_EQ(Ask("REG_DELETEVALUE", {C(root), C(key), C("v")}), "I 0");
    EXPECT_EQ(Get("v").first, -1);
    EXPECT_EQ(Ask("REG_CREATEKEY", {C(root), C(key + "\\a\\b\\c")}), "I 0");
    EXPECT_TRUE(KeyExists(key + "\\a\\b\\c"));
}

TEST_F(RegistryTest, SetDataMakesTheKeyOnly) {
    EXPECT_EQ(Ask("REG_SETDATA", {C("HKEY_CURRENT_USER"), C(key), C("v"), C("value")}), "none");
    EXPECT_TRUE(KeyExists(key));
    EXPECT_EQ(Get("v").first, -1);  // nothing written
    EXPECT_EQ(LastError(), "I -14444");
    // A root that takes no keys (HKEY_PERFORMANCE_DATA): 16.
    EXPECT_EQ(Ask("REG_SETDATA", {C("HKEY_PERFORMANCE_DATA"), C("x"), C("v"), I(1)}), "C ");
    EXPECT_EQ(LastError(), "I 16");
}

TEST_F(RegistryTest, LastErrorStaysUntilGetDataOrSetData) {
    EXPECT_EQ(LastError(), "I -14444");
    Ask("REG_CREATEKEY", {C("HKCU"), C(key)});
    EXPECT_EQ(LastError(), "I 3");
    EXPECT_EQ(Ask("REG_CREATEKEY", {C("HKEY_CURRENT_USER"), C(key)}), "I 0");
    EXPECT_EQ(LastError(), "I 3");  // success records nothing
    Put("v", REG_SZ, "x\0"s);
    EXPECT_EQ(Query("v"), "C x");
    EXPECT_EQ(LastError(), "I 3");
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

// A number shorter than 4 bytes is still read.
TEST_F(RegistryTest, ShortNumber) {
    Put("short", REG_DWORD, "\x07"s);
    EXPECT_EQ(Query("short"), "I 7");
}

}  // namespace
}  // namespace tarvo::test
