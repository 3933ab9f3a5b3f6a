// The row adapter's parameter and result kinds, through the rows of the test
// library ADAPTEST.fll (tests/adapter), including their failure answers.
#include "tests/dll/dll_test.h"

namespace tarvo::test {
namespace {

using run::ByRef;
using run::ByValue;
using run::Outcome;

class AdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string why;
        host.hostile = HostileRun();
        ASSERT_TRUE(host.Load(BesideExe("ADAPTEST.fll"), &why)) << why;
        handles = host.HandlesInUse();
    }
    void TearDown() override {
        EXPECT_EQ(host.HandlesInUse(), handles) << "every handle goes back";
        host.Unload();
    }
    run::Returned Record(const std::string& name, const std::vector<run::Arg>& args) {
        Outcome o = host.Call(name, args);
        EXPECT_EQ(o.error, 0) << name << ": " << o.message;
        EXPECT_EQ(o.returns.size(), 1u) << name;
        return o.returns.empty() ? run::Returned{} : o.returns.back();
    }
    std::string Text(const std::string& name, std::initializer_list<Value> args) {
        Outcome o = host.Call(name, args);
        EXPECT_EQ(o.error, 0) << name << ": " << o.message;
        return o.value().text;
    }

    run::Host host;
    int handles = 0;
};

TEST_F(AdapterTest, HostRecordsGoBackUntouched) {
    Value object;
    object.type = 'O';
    object.integer = 7;
    const Value values[] = {Value::Currency(123456), Value::Date(2451545), Value::Null(),
                            Value::Char(std::string("a\0b", 3)), Value::Logical(true)};
    for (const Value& v : values) {
        const run::Returned r = Record("ADA_ECHO", {ByValue(v)});
        EXPECT_EQ(r.type, v.type == 'C' ? 'C' : v.type);
        EXPECT_EQ(r.value.currency, v.currency);
        EXPECT_EQ(r.value.number, v.number);
        EXPECT_EQ(r.value.text, v.text);
    }
    const run::Returned o = Record("ADA_OBJECT", {ByValue(object)});
    EXPECT_EQ(o.type, 'O');
    EXPECT_EQ(o.value.integer, 7);
    EXPECT_EQ(host.Call("ADA_OBJECT", {Value::Num(7)}).error, 11) << "only an object fits O";
}

TEST_F(AdapterTest, WindowParametersNameExistingWindows) {
    const auto handle = [](HWND w) { return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(w)); };
    EXPECT_EQ(Text("ADA_WINDOW", {Value::Int(handle(host.mainWindow()))}), "<TarvoHostMain>");
    EXPECT_EQ(Text("ADA_FORM", {Value::Char("screen")}), "<TarvoHostMain>");

    // A window that is gone, no window at all, and a form the host does not
    // know: the function is not called and the empty answer goes back.
    HWND gone = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    for (std::int32_t dead : {handle(gone), 0, -1}) {
        const run::Returned r = Record("ADA_WINDOW", {ByValue(Value::Int(dead))});
        EXPECT_EQ(r.type, 'H');
        EXPECT_EQ(r.value.text, "") << dead;
    }
    EXPECT_EQ(Text("ADA_FORM", {Value::Char("nosuch")}), "");
}

TEST_F(AdapterTest, ReferencesStoreTextsDatesAndLogicals) {
    const std::uint32_t v = host.NewVariable(Value::Num(1));
    host.Call("ADA_STORETEXT", {ByRef(v), ByValue(Value::Char(std::string("x\0y", 3)))});
    EXPECT_EQ(host.Variable(v).type, 'C');
    EXPECT_EQ(host.Variable(v).text, std::string("x\0y", 3));
    EXPECT_EQ(Record("ADA_LOADTEXT", {ByRef(v)}).value.text, std::string("x\0y", 3));

    host.Call("ADA_STOREDATE", {ByRef(v), ByValue(Value::Date(2460000))});
    EXPECT_EQ(host.Variable(v).type, 'D');
    EXPECT_EQ(host.Variable(v).number, 2460000);
    host.Call("ADA_STORELOGICAL", {ByRef(v), ByValue(Value::Logical(true))});
    EXPECT_EQ(host.Variable(v).type, 'L');
    EXPECT_TRUE(host.Variable(v).logical);

    // A variable of the wrong type, and a store the host refuses.
    EXPECT_EQ(host.Call("ADA_LOADTEXT", {ByRef(v)}).error, 302);
    host.faults.storeVariableError = 12;
    EXPECT_EQ(host.Call("ADA_STORETEXT", {ByRef(v), ByValue(Value::Char("t"))}).error, 12);
    EXPECT_TRUE(host.Variable(v).logical) << "unchanged";
}

TEST_F(AdapterTest, FilledBlocksGoBackWithTheirZeroBytes) {
    for (const char* name : {"ADA_REPEAT", "ADA_AGAIN"}) {
        const run::Returned r = Record(name, {ByValue(Value::Char(std::string("a\0", 2))),
                                              ByValue(Value::Int(3))});
        EXPECT_EQ(r.type, 'C');
        EXPECT_EQ(r.length, 6);
        EXPECT_EQ(r.value.text, std::string("a\0a\0a\0", 6));
    }
    EXPECT_EQ(Record("ADA_REPEAT", {ByValue(Value::Char("ab")), ByValue(Value::Int(0))}).length, 0);
    // A host that refuses the result takes no block with it.
    host.faults.abortAtService = 1;
    EXPECT_NE(host.Call("ADA_REPEAT", {Value::Char("ab"), Value::Int(2)}).error, 0);
}

}  // namespace
}  // namespace tarvo::test
