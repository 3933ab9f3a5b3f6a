// The string transforms that need the companion, when KERNEL.DLL is missing.
#include <windows.h>

#include <string>

#include "dll_test.h"
#include "without_companion.h"

namespace tarvo::test {
namespace {

using run::Outcome;
using TransformTest = DllTest;

// Without the companion its buffers stay zeroed: the empty text. A text that
// already fills its width never reaches the companion.
using TransformWithoutCompanion = WithoutCompanion<TransformTest>;

TEST_F(TransformWithoutCompanion, BuffersStayEmpty) {
    host.Unload();
    run::Host bare;
    std::string why;
    ASSERT_TRUE(bare.Load(BesideExe("TARVO.fll"), &why)) << why;
    auto text = [&](const char* name, std::initializer_list<Value> args) {
        Outcome o = bare.Call(name, args);
        EXPECT_EQ(o.error, 0) << name;
        EXPECT_EQ(o.returns.size(), 1u) << name;
        return o.value().text;
    };
    EXPECT_EQ(text("STR_HEXA", {Value::Char("AB")}), "");
    EXPECT_EQ(text("STR_HTOS", {Value::Char("4142")}), "");
    EXPECT_EQ(text("STR_PADL", {Value::Char("abc"), Value::Int(5), Value::Char("*")}), "");
    EXPECT_EQ(text("STR_PADL", {Value::Char("abcdef"), Value::Int(3), Value::Char("*")}), "abcdef");
    EXPECT_EQ(text("STR_REVERS", {Value::Char("abc")}), "cba") << "the rest does not need it";
    bare.Unload();
}

}  // namespace
}  // namespace tarvo::test
