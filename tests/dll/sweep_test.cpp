// Every row of the table (but those kept away from random arguments), called
// with arguments made from its type string: no call leaves a handle behind
// (but the tokenizer's copy of its text), blocks that move on every service
// change no answer, a failing allocation or resize anywhere ends a call
// cleanly, and so does a host that refuses the result. New families are covered without new code here.
#include <set>
#include <string>
#include <vector>

#include "dll_test.h"
#include "host/catalogue.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

class SweepTest : public DllTest {
protected:
    // Names that write the files their parameters name write them here.
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, saved_);
        SetCurrentDirectoryA(ScratchDir("sweep").c_str());
        DllTest::SetUp();
    }
    void TearDown() override {
        DllTest::TearDown();
        SetCurrentDirectoryA(saved_);
    }
    char saved_[MAX_PATH] = {};

    struct Call {
        std::string name;
        std::vector<run::Arg> args;
    };

    // One call per row, in table order, every declared parameter given.
    std::vector<Call> Calls() {
        const std::string text = "ab,c\0d;"s + std::string(3000, 'e') + ",f(1, 'x')";
        std::vector<Call> calls;
        for (const CatalogueEntry& e : Catalogue()) {
            if (e.noFuzz || e.count < 0 || !host.Find(e.name)) continue;
            Call c{e.name, {}};
            for (const run::ParamType& p : host.Find(e.name)->params) {
                switch (p.letter) {
                case 'I': c.args.push_back(run::ByValue(Value::Int(3))); break;
                case 'N': c.args.push_back(run::ByValue(Value::Num(2.5, 1))); break;
                case 'L': c.args.push_back(run::ByValue(Value::Logical(true))); break;
                case 'D': c.args.push_back(run::ByValue(Value::Date(2440588))); break;
                case 'R': c.args.push_back(run::ByRef(host.NewVariable(Value::Char(text)))); break;
                case 'O': {
                    Value object;  // an object the host does not have
                    object.type = 'O';
                    object.integer = 77;
                    c.args.push_back(run::ByValue(object));
                    break;
                }
                default: c.args.push_back(run::ByValue(Value::Char(text))); break;
                }
            }
            calls.push_back(std::move(c));
        }
        return calls;
    }

    // The tokenizer's walk keeps its copy of the text in one handle from
    // STR_TOKINI until the STR_TOKNEX that answers the last token (or the next
    // STR_TOKINI): those two names may take or give back that one handle;
    // every other call gives back every handle it took.
    struct WalkCopy {
        bool held = false;
        void Check(const std::string& name, const Outcome& o, int before, int after) {
            if (name != "STR_TOKINI" && name != "STR_TOKNEX") {
                EXPECT_EQ(after, before) << name;
                return;
            }
            const int copies = int{held} + after - before;
            EXPECT_TRUE(copies == 0 || copies == 1) << name << " " << copies;
            if (name == "STR_TOKNEX") EXPECT_LE(copies, int{held}) << name;
            if (name == "STR_TOKINI" && o.error == 0) EXPECT_EQ(copies, 1) << name;
            held = copies == 1;
        }
    };

    void Reload() {
        host.Unload();
        std::string why;
        ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    }
};

// The result type the reference shows (Doc::returns) is the letter of the
// record the call sends back: C a text (or a handle), I an integer, N a
// number, L, D, T; "" no record at all; ? any.
void ExpectDeclaredResult(const std::string& name, const Outcome& o) {
    const CatalogueEntry* e = nullptr;
    for (const CatalogueEntry& c : Catalogue())
        if (name == c.name) e = &c;
    ASSERT_NE(e, nullptr) << name;
    const char* declared = nullptr;
    for (const CatalogueEntry& c : Catalogue())
        if (!c.doc.aliasOf && (e->doc.aliasOf ? std::string(c.name) == e->doc.aliasOf : &c == e))
            declared = c.doc.returns;
    ASSERT_NE(declared, nullptr) << name;
    if (*declared == '?' || o.error) return;
    if (!*declared) {
        EXPECT_FALSE(o.hasValue()) << name << " is declared to answer no value";
        return;
    }
    ASSERT_TRUE(o.hasValue()) << name << " is declared to answer " << declared;
    const char got = o.returns[0].type == 'H' ? 'C' : o.returns[0].type;
    EXPECT_EQ(std::string(1, got), declared) << name;
}

TEST_F(SweepTest, EveryCallGivesBackItsHandles) {
    WalkCopy walk;
    for (const Call& c : Calls()) {
        const int before = host.HandlesInUse();
        Outcome o = host.Call(c.name, c.args);
        EXPECT_EQ(o.error, 0) << c.name << ": " << o.message;
        EXPECT_LE(o.returns.size(), 1u) << c.name;
        EXPECT_EQ(o.protocol, "") << c.name;
        walk.Check(c.name, o, before, host.HandlesInUse());
        ExpectDeclaredResult(c.name, o);
    }
}

// Names whose answer changes from one call to the next: the clock, the
// times of the files the sweep writes (each run writes them anew), free
// disk and memory, the windows of the machine, the mode and last error the
// process was left with, and new icon handles.
bool AnswerVaries(const std::string& name) {
    static const std::set<std::string> kVarying = {
        "TIM_TIME",    "TIM_TICKS",  "SYS_GETTICKCOUNT", "GETTICKCOUNT", "DAT_DATETIME",
        "FIL_IMTIME",  "FIL_IATIME", "FIL_ICTIME",       "FIL_GTIME",    "FIL_GETFILETIME",
        "GETFILETIME", "FIL_GDATE",  "FIL_GETFILEDATE",  "GETFILEDATE",
        "SYS_GETLOCALTIME", "GETLOCALTIME", "LOCALTIME", "SYS_AVACLU", "AVAILABLECLUSTERS",
        "SYS_DSKSPA", "SYS_DISKSPACE", "SYS_DISKSPACELEFT", "SYS_DISKEMPTY", "DISKROOM",
        "SYS_GLOBALMEMORYSTATUS", "GLOBALMEMORYSTATUS", "MEMORYSTATUS", "SYS_TASKS",
        "SYS_ERRHAN", "SYS_OSLASTERROR", "SYS_EXTRACTICON"};
    return kVarying.count(name) != 0;
}

// Unlocked blocks moving on every service (stale pointers then read 0xCC)
// give the same answers as a quiet host.
TEST_F(SweepTest, MovingBlocksChangeNothing) {
    std::vector<Outcome> quiet;
    host.hostile = false;
    for (const Call& c : Calls()) quiet.push_back(host.Call(c.name, c.args));
    Reload();
    host.hostile = true;
    const std::vector<Call> calls = Calls();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        Outcome o = host.Call(calls[i].name, calls[i].args);
        SCOPED_TRACE(calls[i].name);
        EXPECT_EQ(o.error, quiet[i].error);
        ASSERT_EQ(o.returns.size(), quiet[i].returns.size());
        if (!o.hasValue()) continue;
        EXPECT_EQ(o.returns[0].type, quiet[i].returns[0].type);
        if (AnswerVaries(calls[i].name)) continue;
        EXPECT_EQ(o.value().text, quiet[i].value().text);
        EXPECT_EQ(o.value().integer, quiet[i].value().integer);
        EXPECT_EQ(o.value().logical, quiet[i].value().logical);
    }
    host.hostile = HostileRun();
}

// The n-th block allocation or resize fails, or the host refuses the first
// service (the result, for most): the call ends with 182, the host's error
// or no value, never leaves a handle behind, and the library answers on.
TEST_F(SweepTest, FailuresEndCallsCleanly) {
    host.hostile = true;
    WalkCopy walk;
    for (const Call& c : Calls()) {
        SCOPED_TRACE(c.name);
        for (int fault = 0; fault < 7; ++fault) {
            host.allocCount = host.resizeCount = 0;
            host.faults.failAllocAt = fault < 3 ? fault + 1 : 0;
            host.faults.failResizeAt = fault >= 3 && fault < 6 ? fault - 2 : 0;
            host.faults.abortAtService = fault == 6 ? 1 : 0;
            const int before = host.HandlesInUse();
            Outcome o = host.Call(c.name, c.args);
            EXPECT_TRUE(o.error == 0 || o.error == 182 || o.error == 1) << o.error;
            SCOPED_TRACE("fault " + std::to_string(fault));
            walk.Check(c.name, o, before, host.HandlesInUse());
        }
    }
    host.faults = {};
    host.hostile = HostileRun();
    EXPECT_EQ(Int("TST_TEST", {Value::Int(3)}), 27);
}

}  // namespace
}  // namespace tarvo::test
