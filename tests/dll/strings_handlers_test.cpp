// What the string handlers add to their plain functions (which have their
// own unit tests): argument order, result records and widths, pieces of a
// parameter ending at a zero byte, optional parameters, calls that answer
// nothing, the companion's buffers and state that lives from call to call.
#include <string>
#include <vector>

#include "host/handle_table.h"

#include "dll_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

using StringHandlerTest = DllTest;


TEST_F(StringHandlerTest, ResultRecords) {
    run::Returned r = Record("STR_NUMTOK", {Value::Char("a")});
    EXPECT_EQ(r.type, 'I');
    EXPECT_EQ(r.width, 10);
    r = Record("STR_START", {Value::Char("ab"), Value::Char("a")});
    EXPECT_EQ(r.type, 'L');
    EXPECT_EQ(r.length, 1);
    r = Record("STR_LEFT", {Value::Char("abc"), Value::Int(2)});
    EXPECT_EQ(r.type, 'H');
    EXPECT_EQ(r.length, 2);
    EXPECT_EQ(r.value.text, "ab");
}

// Pieces of a parameter go back from its own block: they end at their first
// zero byte, and the parameter itself is left as it came.
TEST_F(StringHandlerTest, PiecesOfTheParameter) {
    const std::string t = "ab\0cd,ef"s;
    host.Call("STR_SETSEP", {Value::Char(",")});
    EXPECT_EQ(Text("STR_LEFT", {Value::Char(t), Value::Int(4)}), "ab");
    EXPECT_EQ(Text("STR_LEFT", {Value::Char(t), Value::Int(1)}), "a");
    EXPECT_EQ(Text("STR_RIGHT", {Value::Char(t), Value::Int(5)}), "cd,ef");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(2), Value::Char(t)}), "ef");
    EXPECT_EQ(Text("STR_CPBRK", {Value::Char(t), Value::Char("d")}), "d,ef");
    EXPECT_EQ(Text("STR_CHAR", {Value::Char(t), Value::Int(4)}), "cd,ef");
    EXPECT_EQ(Text("STR_N", {Value::Char(t), Value::Int(9)}), "");
    EXPECT_EQ(Text("STR_STRTOK", {Value::Int(2), Value::Char("x;y;z"), Value::Char(";")}), "y");
}

TEST_F(StringHandlerTest, OptionalAndUnreadParameters) {
    EXPECT_EQ(Text("STR_REDUCE", {Value::Char("aab  c")}), "ab  c") << "the text's first character";
    EXPECT_EQ(Text("STR_DIONLY", {Value::Char("a1.5"), Value::Char("ignored")}), "1.5");
    // STR_INTSTR keeps 255 characters of a slot; a bad slot answers nothing.
    Text("STR_INTSTR", {Value::Int(2), Value::Char(std::string(300, 'x'))});
    EXPECT_EQ(Text("STR_INTSTR", {Value::Int(2)}).size(), 255u);
    EXPECT_FALSE(host.Call("STR_INTSTR", {Value::Int(4), Value::Char("x")}).hasValue());
}

// Names that answer nothing at all (the host then sees .T.).
TEST_F(StringHandlerTest, NoValue) {
    EXPECT_FALSE(host.Call("STR_RESSEP", {}).hasValue());
    EXPECT_FALSE(host.Call("STR_FSTDIG", {Value::Char("12")}).hasValue());
    Outcome o = host.Call("STR_COMMA", {run::ByValue(Value::Int(1234)), run::ByValue(Value::Char("."))},
                          false);
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue()) << "a number where a text is declared";
}

// STR_MAKE reads the record's own type letter.
TEST_F(StringHandlerTest, MakeByTypeLetter) {
    Value memo = Value::Char("memo text");
    memo.type = 'M';
    Value general;
    general.type = 'G';
    const std::pair<Value, const char*> cases[] = {
        {Value::Int(INT32_MIN), "-2147483648"},
        {Value::DateTime(2451545.5), "Should return a datetime"},
        {Value::Char("ab\0c"s), "ab"},
        {memo, "<Memo>"},
        {general, "<Gen>"},
        {Value::Currency((std::int64_t{5} << 32) + 7), "$7"},
        {Value::Currency(0xFFFFFFFFll), "$-1"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(Text("STR_MAKE", {value}), text) << value.type;
    std::uint32_t var = host.NewVariable(Value::Int(1));
    EXPECT_EQ(host.Call("STR_MAKE", {run::ByRef(var)}).value().text, "Unknown data type")
        << "a locator is no value";
}

// The companion's buffers: sized by the handler, filled by KERNEL.DLL.
TEST_F(StringHandlerTest, CompanionBuffers) {
    EXPECT_EQ(Text("STR_PADL", {Value::Char("abc"), Value::Int(6), Value::Char("*x")}), "***abc");
    EXPECT_EQ(Text("STR_PADL", {Value::Char("ab\0cd"s), Value::Int(4), Value::Char("-")}), "--ab");
    EXPECT_EQ(Text("STR_PADL", {Value::Char("a"), Value::Int(0), Value::Char("-")}), "a");
    std::string all;
    for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
    const std::string hex = Text("STR_HEXA", {Value::Char(all)});
    EXPECT_EQ(hex.size(), 512u);
    EXPECT_EQ(hex.substr(0, 6) + hex.substr(506), "000102FDFEFF");
    // The host's longest text is the limit: at it the pad is built, past it
    // the answer is 182 before any block is had.
    const int handles = host.HandlesInUse();
    EXPECT_EQ(Text("STR_PADL", {Value::Char("a"), Value::Int(16777184), Value::Char("-")}).size(),
              16777184u);
    for (std::int32_t width : {16777185, 1300000000, 0x7FFFFFFF})
        EXPECT_EQ(host.Call("STR_PADL", {Value::Char("a"), Value::Int(width), Value::Char("-")}).error,
                  182) << width;
    EXPECT_EQ(host.HandlesInUse(), handles);
}

// The rotations keep their length, zero bytes included.
TEST_F(StringHandlerTest, RotationsKeepZeroBytes) {
    run::Returned r = Record("STR_SHL", {Value::Char("\x00\x80"s), Value::Int(1)});
    EXPECT_EQ(r.type, 'C');
    EXPECT_EQ(r.length, 2);
    EXPECT_EQ(r.value.text, "\x01\x00"s);
    r = Record("STR_SHR", {Value::Char(""), Value::Int(3)});
    EXPECT_EQ(r.type, 'C');
    EXPECT_EQ(r.length, 0);
}

// The tokenizer's set and walk live from call to call, and start over with
// every load.
TEST_F(StringHandlerTest, TokenizerStateAcrossCalls) {
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char(";\0,"s)}), "") << "empty at load";
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("a\0b,c"s)}), 3) << "zero bytes separate too";
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("one;" + std::string(3000, 't'))}));
    EXPECT_EQ(Text("STR_TOKNEX", {}), "one");
    EXPECT_EQ(Int("STR_GETOFF", {}), 4);
    EXPECT_EQ(Text("STR_TOKNEX", {}).size(), 3000u) << "a long token comes back whole";
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    EXPECT_TRUE(Logical("STR_SETOFF", {Value::Int(-5)}));
    EXPECT_EQ(Int("STR_GETOFF", {}), 0);
    host.Unload();
    std::string why;
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("a;b")}), 1);
}

// The walk's copy is a locked handle of the host's table: STR_TOKINI takes
// one (a table without a free slot raises 182 and leaves a walk without a
// copy, which reads as the empty text), the next
// STR_TOKINI, the last token and the unload hook give it back.
TEST_F(StringHandlerTest, TokenizerCopyIsAHostHandle) {
    auto locked = [&] {
        int n = 0;
        for (std::uint32_t h = 1; h < TableCapacity(host.handleTable()); ++h)
            if (std::uint32_t block = TableBlock(host.handleTable(), h))
                n += (GlobalFlags(reinterpret_cast<HGLOBAL>(std::uintptr_t{block})) & GMEM_LOCKCOUNT) != 0;
        return n;
    };
    host.Call("STR_SETSEP", {Value::Char(",")});
    const int before = host.HandlesInUse(), lockedBefore = locked();
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("a,b")}));
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("c,d")}));
    EXPECT_EQ(host.HandlesInUse(), before + 1) << "one copy at a time";
    EXPECT_EQ(locked(), lockedBefore + 1);
    EXPECT_EQ(Text("STR_TOKNEX", {}), "c");
    EXPECT_EQ(Text("STR_TOKNEX", {}), "d");
    EXPECT_EQ(host.HandlesInUse(), before);

    // Every slot taken but one, which the text parameter gets.
    const BlockOps ops = {
        [](std::uint32_t size) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size))); },
        [](std::uint32_t b) { GlobalFree(reinterpret_cast<HGLOBAL>(std::uintptr_t{b})); },
        [](std::uint32_t b) { return static_cast<std::uint8_t*>(GlobalLock(reinterpret_cast<HGLOBAL>(std::uintptr_t{b}))); },
        [](std::uint32_t b) { GlobalUnlock(reinterpret_cast<HGLOBAL>(std::uintptr_t{b})); },
    };
    std::vector<std::uint32_t> taken;
    while (std::uint32_t h = TableAlloc(host.handleTable(), 1, 0, ops)) taken.push_back(h);
    TableFree(host.handleTable(), taken.back(), ops);
    taken.pop_back();
    EXPECT_EQ(host.Call("STR_TOKINI", {Value::Char("x,y")}).error, 182);
    for (std::uint32_t h : taken) TableFree(host.handleTable(), h, ops);
    EXPECT_EQ(host.HandlesInUse(), before);
    EXPECT_FALSE(Logical("STR_TOKFIN", {})) << "a walk without a copy";
    EXPECT_EQ(Text("STR_TOKNEX", {}), "");
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));

    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("p,q")}));
    host.Unload();
    EXPECT_EQ(host.HandlesInUse(), before) << "the unload hook releases the copy";
}

// Under failing memory: a parameter that cannot be made zero-terminated, a
// working buffer and a result that cannot be had each end the call in their
// own way, and STR_TOKNEX uses its token up even when it cannot hand it back.
TEST_F(StringHandlerTest, FailuresWhereTheyHappen) {
    auto call = [&](int allocAt, int resizeAt, const char* name, std::initializer_list<Value> args) {
        host.hostile = true;
        host.allocCount = host.resizeCount = 0;
        host.faults.failAllocAt = allocAt;
        host.faults.failResizeAt = resizeAt;
        Outcome o = host.Call(name, args);
        host.hostile = HostileRun();
        host.faults.failAllocAt = host.faults.failResizeAt = 0;
        return o;
    };
    const Value bytes = Value::Char("\x81\x01"s);
    EXPECT_EQ(call(0, 1, "STR_HEXA", {bytes}).error, 182) << "the parameter";
    EXPECT_EQ(call(1, 0, "STR_HEXA", {bytes}).error, 182) << "the working buffer";
    Outcome o = call(2, 0, "STR_HEXA", {bytes});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue()) << "ReturnString without memory answers nothing";
    o = call(1, 0, "STR_SHL", {bytes, Value::Int(1)});
    EXPECT_EQ(o.value().text, "TARVO : Memory Allocation Failed");

    host.Call("STR_SETSEP", {Value::Char(",")});
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("a,b,c")}));
    EXPECT_FALSE(call(1, 0, "STR_TOKNEX", {}).hasValue());
    EXPECT_EQ(Text("STR_TOKNEX", {}), "b");
    EXPECT_EQ(call(0, 1, "STR_TOKINI", {Value::Char("new,text")}).error, 182);
    EXPECT_EQ(Text("STR_TOKNEX", {}), "c") << "the failed STR_TOKINI left the walk alone";
}

}  // namespace
}  // namespace tarvo::test
