// What STR_ENCRYP's handler adds to the scrambling (tests/unit/scramble_test.cpp):
// the three kinds of data, the errors of each, and the result record.
#include <string>
#include <vector>

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

// A field by reference is a memo: read from the table's memo file through
// the memo services and returned scrambled, with its full length; the memo
// itself stays as it was.
TEST_F(ScrambleHandlerTest, MemoFieldByReference) {
    run::Tables& c = host.tables;
    ASSERT_EQ(c.Create(-1, "", "T", {{"NAME", 'C', 4}, {"BODY", 'M'}}, true), 0);
    ASSERT_EQ(c.AppendBlank(-1), 0);
    const std::string big(70000, 'm');
    ASSERT_EQ(c.Replace(-1, "BODY", Value::Char(big)), 0);
    const run::Arg key = run::ByValue(Value::Char("key!"));
    const int before = host.HandlesInUse();
    host.trace.clear();
    Outcome o = host.Call("STR_ENCRYP", {run::ByRef(2, 1), key});
    ASSERT_EQ(o.error, 0) << o.message;
    EXPECT_EQ(o.returns.at(0).type, 'C');
    EXPECT_EQ(o.returns.at(0).length, 70000) << "the full length, past 64 KB";
    EXPECT_EQ(Text("STR_DECRYP", {o.value(), Value::Char("key!")}), big);
    std::vector<std::uint32_t> order;
    for (const run::Trace& t : host.trace)
        if (t.code != kSvcReturnValue) order.push_back(t.code);
    EXPECT_EQ(order, (std::vector<std::uint32_t>{kSvcGetMemoChannel, kSvcFindMemo, kSvcGetMemoSize,
                                                 kSvcHostFileSeek, kSvcHostFileIo}));
    Value body;
    ASSERT_EQ(c.Read(1, 2, &body), 0);
    EXPECT_EQ(body.text, big) << "the memo is not changed";

    ASSERT_EQ(c.AppendBlank(-1), 0);
    o = host.Call("STR_ENCRYP", {run::ByRef(2, 1), key});
    EXPECT_EQ(o.error, 0);
    EXPECT_EQ(o.value().text, "") << "an empty memo";
    o = host.Call("STR_ENCRYP", {run::ByRef(1, 1), key});
    EXPECT_EQ(o.message, "_FindMemo() failed") << "a character field";
    EXPECT_FALSE(o.hasValue());

    // A memo file shorter than the memo: the memo is not found.
    ASSERT_EQ(c.Go(-1, 1), 0);
    HANDLE f = CreateFileA(c.At(1)->memo.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    SetFilePointer(f, 8 * 64 + 8 + 100, nullptr, FILE_BEGIN);
    SetEndOfFile(f);
    CloseHandle(f);
    EXPECT_EQ(host.Call("STR_ENCRYP", {run::ByRef(2, 1), key}).message, "_FindMemo() failed");
    EXPECT_EQ(host.HandlesInUse(), before);
}

}  // namespace
}  // namespace tarvo::test
