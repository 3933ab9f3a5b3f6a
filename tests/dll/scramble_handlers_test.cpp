// What STR_ENCRYP's handler adds to the scrambling (tests/unit/scramble_test.cpp):
// the three kinds of data, the errors of each, and the result record.
#include <string>

#include "dll_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

using ScrambleHandlerTest = DllTest;

// A text value is scrambled in its own block over its full length, and
// parameter 1's record comes back.
TEST_F(ScrambleHandlerTest, TextValueInPlace) {
    const std::string data = "a text\0with a zero"s;
    Outcome o = host.Call("STR_ENCRYP", {Value::Char(data), Value::Char("key!")});
    ASSERT_EQ(o.error, 0);
    ASSERT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(o.returns[0].type, 'C');
    EXPECT_EQ(o.returns[0].length, static_cast<std::int32_t>(data.size()));
    const std::string once = o.value().text;
    EXPECT_NE(once.substr(0, 6), data.substr(0, 6));
    const std::string twice = Text("STR_DECRYP", {Value::Char(once), Value::Char("key!")});
    EXPECT_EQ(twice.substr(0, 6), data.substr(0, 6));
    EXPECT_EQ(twice.substr(7), data.substr(7));
    // The key ends at its first zero byte: "ab" is too short to change anything.
    EXPECT_EQ(Text("STR_ENCRYP", {Value::Char("data"), Value::Char("ab\0cdef"s)}), "data");
}

// A variable by reference holds the scrambled text afterwards, which is also
// the result: loaded, stored, then returned.
TEST_F(ScrambleHandlerTest, VariableByReference) {
    const std::uint32_t var = host.NewVariable(Value::Char("secret text"));
    host.trace.clear();
    Outcome o = host.Call("STR_ENCRYP", {run::ByRef(var), run::ByValue(Value::Char("key!"))});
    ASSERT_EQ(o.error, 0) << o.message;
    const std::string scrambled = host.Variable(var).text;
    EXPECT_NE(scrambled, "secret text");
    EXPECT_EQ(o.returns.at(0).type, 'C');
    EXPECT_EQ(o.value().text, scrambled);
    std::vector<std::uint32_t> order;
    for (const run::Trace& t : host.trace)
        if (t.code == kSvcLoadVariable || t.code == kSvcStoreVariable || t.code == kSvcReturnValue)
            order.push_back(t.code);
    EXPECT_EQ(order, (std::vector<std::uint32_t>{kSvcLoadVariable, kSvcStoreVariable, kSvcReturnValue}));
    host.Call("STR_DECRYP", {run::ByRef(var), run::ByValue(Value::Char("key!"))});
    EXPECT_EQ(host.Variable(var).text, "secret text");
}

TEST_F(ScrambleHandlerTest, ErrorsOfEachKind) {
    const int before = host.HandlesInUse();
    const run::Arg key = run::ByValue(Value::Char("key!"));
    const std::uint32_t number = host.NewVariable(Value::Num(3, 0));
    EXPECT_EQ(host.Call("STR_ENCRYP", {run::ByRef(number), key}).error, 302);
    EXPECT_EQ(host.Call("STR_ENCRYP", {Value::Int(5), Value::Char("key!")}).error, 302);
    EXPECT_EQ(host.Call("STR_ENCRYP", {Value::Logical(true), Value::Char("key!")}).error, 302);
    const std::uint32_t text = host.NewVariable(Value::Char("abc"));
    host.faults.loadVariableError = 12;
    EXPECT_EQ(host.Call("STR_ENCRYP", {run::ByRef(text), key}).error, 12);
    host.faults.loadVariableError = 0;
    host.faults.storeVariableError = 31;
    EXPECT_EQ(host.Call("STR_ENCRYP", {run::ByRef(text), key}).error, 31);
    host.faults.storeVariableError = 0;
    EXPECT_EQ(host.Variable(text).text, "abc");
    EXPECT_EQ(host.HandlesInUse(), before) << "the loaded text's handle went back";
}

// A field by reference is a memo: a memo the host cannot find raises the
// library's own error text.
TEST_F(ScrambleHandlerTest, MemoNotFound) {
    Outcome o = host.Call("STR_ENCRYP", {run::ByRef(1, 1), run::ByValue(Value::Char("key!"))});
    EXPECT_EQ(o.message, "_FindMemo() failed");
    EXPECT_FALSE(o.hasValue());
}

}  // namespace
}  // namespace tarvo::test
