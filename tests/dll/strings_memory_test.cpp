// The string handlers and the host's memory: every handle they take goes back
// (to the host with the result, or freed), blocks that move between services
// change nothing, and an allocation or resize that fails anywhere ends a call
// cleanly with error 182 or a documented fallback.
#include <string>
#include <vector>

#include "dll_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

struct Case {
    const char* name;
    std::vector<Value> args;
};

// One call of every string name of the three families (the walk in order).
std::vector<Case> EveryName() {
    const Value text = Value::Char("ab,c\0d,"s + std::string(3000, 'e') + ",f");
    return {
        {"STR_SETSEP", {Value::Char(",")}},
        {"STR_TOKINI", {text}},
        {"STR_TOKNEX", {}},
        {"STR_TOKFIN", {}},
        {"STR_GETOFF", {}},
        {"STR_SETOFF", {Value::Int(5)}},
        {"STR_TOKNEX", {}},
        {"STR_TOKNEX", {}},
        {"STR_NUMTOK", {text}},
        {"NUMBEROFTOKENS", {text}},
        {"STR_NUMBEROFTOKENS", {text}},
        {"STR_NTOKEN", {Value::Int(3), text}},
        {"STR_TOKPOS", {Value::Int(3), text}},
        {"STR_STRTOK", {Value::Int(2), text, Value::Char(",")}},
        {"STR_RESSEP", {}},
        {"STR_LEFT", {text, Value::Int(2)}},
        {"STR_RIGHT", {text, Value::Int(2)}},
        {"STR_TILLNULL", {text}},
        {"STR_PADL", {Value::Char("abc"), Value::Int(9), Value::Char("*")}},
        {"STR_PADL", {text, Value::Int(9), Value::Char("*")}},
        {"STR_HEXA", {text}},
        {"STR_HTOS", {Value::Char("41424344")}},
        {"STR_MAKE", {text}},
        {"STR_MAKE", {Value::Num(3.25, 2)}},
        {"STR_REDUCE", {Value::Char("aaab")}},
        {"STR_REDUCE", {text, Value::Char("e")}},
        {"STR_LTRIM", {text, Value::Char("a")}},
        {"STR_CHRSWA", {text, Value::Char(","), Value::Char(";")}},
        {"STR_KEEP", {text, Value::Char("abc")}},
        {"STR_EXCLUDE", {text, Value::Char("e")}},
        {"STR_EXCLUD", {text, Value::Char("e")}},
        {"STR_DIONLY", {Value::Char("1a2"), Value::Char("x")}},
        {"STR_MIRROR", {text}},
        {"STR_REVERS", {text}},
        {"STR_POKE", {text, Value::Int(2), Value::Int('Z')}},
        {"STR_NULL", {}},
        {"STR_MIXUP", {text, Value::Int(1)}},
        {"STR_FSTDIG", {text}},
        {"STR_SHL", {text, Value::Int(3)}},
        {"STR_SHR", {text, Value::Int(3)}},
        {"STR_RELIN", {text}},
        {"STR_RELOUT", {Value::Char("\x01\x26xyz")}},
        {"STR_COMMA", {Value::Char("1234567.5"), Value::Char(".")}},
        {"STR_PROPER", {text, Value::Char(",")}},
        {"STR_INTSTR", {Value::Int(1), text}},
        {"STR_INTSTR", {Value::Int(1)}},
        {"STR_NAIVESEARCH", {Value::Char("eef"), text}},
        {"STR_CPBRK", {text, Value::Char("d")}},
        {"STR_NPBRK", {text, Value::Char("d")}},
        {"STR_CHRCNT", {text, Value::Char("e")}},
        {"STR_BALANC", {Value::Char("(a(b))"), Value::Char("()"), Value::Int(1)}},
        {"STR_NPARAM", {Value::Char("f(a, g(b), c)"), Value::Int(2)}},
        {"STR_FIRST", {text}},
        {"STR_LAST", {text}},
        {"STR_N", {text, Value::Int(2)}},
        {"STR_CHAR", {text, Value::Int(7)}},
        {"STR_PEEK", {text, Value::Int(1)}},
        {"STR_START", {text, Value::Char("ab")}},
        {"STR_END", {text, Value::Char(",f")}},
    };
}

std::vector<run::Arg> Args(const std::vector<Value>& values) {
    std::vector<run::Arg> args;
    for (const Value& v : values) args.push_back(run::ByValue(v));
    return args;
}

bool SameValue(const Value& a, const Value& b) {
    if (a.type != b.type) return false;
    switch (a.type) {
    case 'C': return a.text == b.text;
    case 'I': return a.integer == b.integer;
    case 'L': return a.logical == b.logical;
    default: return true;
    }
}

using StringMemoryTest = DllTest;

// No call leaves a handle behind: results belong to the host, which frees
// them, and working buffers are freed by the library.
TEST_F(StringMemoryTest, EveryNameGivesBackItsHandles) {
    const int inUse = host.HandlesInUse();
    for (const Case& c : EveryName()) {
        Outcome o = host.Call(c.name, Args(c.args));
        EXPECT_EQ(o.error, 0) << c.name << ": " << o.message;
        EXPECT_EQ(host.HandlesInUse(), inUse) << c.name;
    }
}

// Every unlocked block moving on every service (stale pointers then read
// 0xCC) gives the same answers as a quiet host.
TEST_F(StringMemoryTest, MovingBlocksChangeNothing) {
    std::vector<Outcome> quiet;
    for (const Case& c : EveryName()) quiet.push_back(host.Call(c.name, Args(c.args)));
    host.Unload();
    std::string why;
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    host.hostile = true;
    const std::vector<Case> cases = EveryName();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        Outcome o = host.Call(cases[i].name, Args(cases[i].args));
        EXPECT_EQ(o.error, quiet[i].error) << cases[i].name;
        ASSERT_EQ(o.returns.size(), quiet[i].returns.size()) << cases[i].name;
        if (o.hasValue()) {
            EXPECT_EQ(o.returns[0].type, quiet[i].returns[0].type) << cases[i].name;
            EXPECT_TRUE(SameValue(o.value(), quiet[i].value())) << cases[i].name;
        }
    }
    host.hostile = HostileRun();
}

// The n-th block allocation, then the n-th resize, fails. Each call either
// succeeds with the quiet answer, ends with error 182, or (ReturnString out
// of memory) returns nothing; STR_SHL/STR_SHR answer their failure text.
// No handle is left behind either way.
TEST_F(StringMemoryTest, HostileMemorySweep) {
    const std::string big = "x,yy,"s + std::string(2500, 'z') + ",\xE9\0w"s;
    const std::vector<Case> cases = {
        {"STR_TOKINI", {Value::Char(big)}},
        {"STR_SETSEP", {Value::Char(",")}},
        {"STR_NTOKEN", {Value::Int(3), Value::Char(big)}},
        {"STR_STRTOK", {Value::Int(2), Value::Char(big), Value::Char(",")}},
        {"STR_LEFT", {Value::Char(big), Value::Int(100)}},
        {"STR_RIGHT", {Value::Char(big), Value::Int(100)}},
        {"STR_PADL", {Value::Char("abc"), Value::Int(3000), Value::Char("*")}},
        {"STR_HEXA", {Value::Char(big)}},
        {"STR_HTOS", {Value::Char("414243")}},
        {"STR_SHL", {Value::Char(big), Value::Int(1)}},
        {"STR_SHR", {Value::Char(big), Value::Int(7)}},
        {"STR_CHRSWA", {Value::Char(big), Value::Char("z"), Value::Char("q")}},
        {"STR_COMMA", {Value::Char("98765432.1"), Value::Char(",")}},
        {"STR_INTSTR", {Value::Int(3), Value::Char("slot")}},
        {"STR_NPARAM", {Value::Char("f(a, 'b,c', d)"), Value::Int(2)}},
        {"STR_CPBRK", {Value::Char(big), Value::Char("\xE9")}},
        {"STR_START", {Value::Char(big), Value::Char("x,y")}},
    };
    host.Call("STR_SETSEP", {Value::Char(",")});
    host.Call("STR_INTSTR", {Value::Int(3), Value::Char("slot")});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome quiet = host.Call(c.name, Args(c.args));
        ASSERT_EQ(quiet.error, 0);
        ASSERT_EQ(quiet.returns.size(), 1u);
        host.hostile = true;
        int failures = 0;
        for (int which = 0; which < 2; ++which) {
            for (int n = 1; n <= 6; ++n) {
                host.allocCount = 0;
                host.resizeCount = 0;
                host.faults.failAllocAt = which == 0 ? n : 0;
                host.faults.failResizeAt = which == 1 ? n : 0;
                const int before = host.HandlesInUse();
                Outcome o = host.Call(c.name, Args(c.args));
                EXPECT_EQ(host.HandlesInUse(), before) << "fault " << which << " at " << n;
                const bool same = o.error == 0 && o.returns.size() == 1 &&
                                  o.returns[0].type == quiet.returns[0].type &&
                                  SameValue(o.value(), quiet.value());
                const bool outOfMemory = o.error == 182;
                const bool nothing = o.error == 0 && o.returns.empty();
                const bool shiftFallback =
                    o.error == 0 && o.returns.size() == 1 && o.returns[0].type == 'H' &&
                    o.value().text == "TARVO : Memory Allocation Failed" &&
                    std::string(c.name).rfind("STR_SH", 0) == 0;
                EXPECT_TRUE(same || outOfMemory || nothing || shiftFallback)
                    << "fault " << which << " at " << n << ": error " << o.error << ", "
                    << o.returns.size() << " returns";
                if (!same) ++failures;
            }
        }
        host.hostile = HostileRun();
        host.faults.failAllocAt = 0;
        host.faults.failResizeAt = 0;
        EXPECT_GT(failures, 0) << "the sweep reached an allocation";
        // And the library still answers as before.
        Outcome after = host.Call(c.name, Args(c.args));
        EXPECT_TRUE(after.error == 0 && SameValue(after.value(), quiet.value()));
    }
}

// Each failure where it happens: the parameter's resize and a working buffer
// raise 182, ReturnString out of memory returns nothing, and the working copy
// of STR_SHL/STR_SHR turns into the failure text.
TEST_F(StringMemoryTest, FailuresStepByStep) {
    auto call = [&](int allocAt, int resizeAt, const char* name, std::initializer_list<Value> args) {
        host.hostile = true;
        host.allocCount = 0;
        host.resizeCount = 0;
        host.faults.failAllocAt = allocAt;
        host.faults.failResizeAt = resizeAt;
        const int before = host.HandlesInUse();
        Outcome o = host.Call(name, args);
        EXPECT_EQ(host.HandlesInUse(), before) << name;
        host.hostile = HostileRun();
        host.faults.failAllocAt = 0;
        host.faults.failResizeAt = 0;
        return o;
    };
    const Value bytes = Value::Char("\x81\x01"s);
    // STR_HEXA: resize of the text, then the buffer, then the result.
    EXPECT_EQ(call(0, 1, "STR_HEXA", {bytes}).error, 182);
    EXPECT_EQ(call(1, 0, "STR_HEXA", {bytes}).error, 182);
    Outcome o = call(2, 0, "STR_HEXA", {bytes});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue());
    EXPECT_EQ(call(3, 0, "STR_HEXA", {bytes}).value().text, "8101");

    for (const char* name : {"STR_SHL", "STR_SHR"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(call(0, 1, name, {bytes, Value::Int(1)}).error, 182);
        o = call(1, 0, name, {bytes, Value::Int(1)});
        EXPECT_EQ(o.error, 0);
        ASSERT_EQ(o.returns.size(), 1u);
        EXPECT_EQ(o.returns[0].type, 'H');
        EXPECT_EQ(o.value().text, "TARVO : Memory Allocation Failed");
        o = call(2, 0, name, {bytes, Value::Int(1)});
        ASSERT_EQ(o.returns.size(), 1u);
        EXPECT_EQ(o.returns[0].type, 'C');
        EXPECT_EQ(o.returns[0].length, 2);
    }

    // STR_TOKNEX: a token that cannot be handed back is still used up.
    host.Call("STR_SETSEP", {Value::Char(",")});
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("a,b,c")}));
    o = call(1, 0, "STR_TOKNEX", {});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue());
    EXPECT_EQ(Text("STR_TOKNEX", {}), "b");
}

// A STR_TOKINI whose text cannot be made zero-terminated ends before it
// touches the walk.
TEST_F(StringMemoryTest, TokIniThatCannotReadItsTextLeavesTheWalk) {
    host.Call("STR_SETSEP", {Value::Char(",")});
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("old,walk")}));
    host.hostile = true;
    host.resizeCount = 0;
    host.faults.failResizeAt = 1;
    Outcome o = host.Call("STR_TOKINI", {Value::Char("new,text")});
    host.hostile = HostileRun();
    host.faults.failResizeAt = 0;
    EXPECT_EQ(o.error, 182);
    EXPECT_FALSE(o.hasValue());
    // The text never reached the walk, which goes on where it was.
    EXPECT_EQ(Text("STR_TOKNEX", {}), "old");
}

// A result the host refuses (an error raised on the return service itself)
// does not leave its handle behind.
TEST_F(StringMemoryTest, RefusedResultHandlesAreFreed) {
    struct Case {
        const char* name;
        std::vector<Value> args;
    };
    const Case cases[] = {
        {"STR_REVERS", {Value::Char("abc")}},
        {"STR_SHL", {Value::Char(std::string("\x81\x00", 2)), Value::Int(1)}},
        {"STR_MAKE", {Value::Int(42)}},
    };
    for (const Case& c : cases) {
        int before = host.HandlesInUse();
        host.faults.abortAtService = 1;  // the return is the first service
        std::vector<run::Arg> args;
        for (const Value& v : c.args) args.push_back(run::ByValue(v));
        Outcome o = host.Call(c.name, args);
        host.faults.abortAtService = 0;
        EXPECT_EQ(o.error, 1) << c.name;
        EXPECT_FALSE(o.hasValue()) << c.name;
        EXPECT_EQ(host.HandlesInUse(), before) << c.name;
    }
}

}  // namespace
}  // namespace tarvo::test
