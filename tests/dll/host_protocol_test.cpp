// The host protocol end to end: requests, tables, aborts, nesting, the
// function table and the hooks, driven exactly as the host drives them.
#include <cctype>
#include <cstring>
#include <map>
#include <new>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "dll_test.h"
#include "host/handle_table.h"
#include "without_companion.h"

namespace tarvo::test {
namespace {

using run::ByValue;
using run::Outcome;

struct RawRequest {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(36 + 2 + 36 * 2, 0);
    RequestBlock* block() { return reinterpret_cast<RequestBlock*>(bytes.data()); }
};

using ProtocolTest = DllTest;

TEST_F(ProtocolTest, DescribeAnswersHeaderAndConstant) {
    RawRequest r;
    r.block()->code = kReqDescribe;
    host.Request(r.block());
    EXPECT_EQ(r.block()->word0, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(host.header())));
    EXPECT_EQ(r.block()->word1, kDescribeConstant);
}

// The library exports exactly one name.
TEST_F(ProtocolTest, OnlyDispatchIsExported) {
    auto* base = reinterpret_cast<std::uint8_t*>(GetModuleHandleA("TARVO.fll"));
    ASSERT_NE(base, nullptr);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto* exports = reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    ASSERT_EQ(exports->NumberOfNames, 1u);
    auto* names = reinterpret_cast<DWORD*>(base + exports->AddressOfNames);
    std::string name = reinterpret_cast<const char*>(base + names[0]);
#ifdef _WIN64
    EXPECT_EQ(name, "DispatchAPI");
#else
    EXPECT_EQ(name, "@DispatchAPI@4");
#endif
}

TEST_F(ProtocolTest, UnusedAndUnknownCodesLeaveTheBlockAlone) {
    for (std::uint32_t code : {3u, 5u, 7u, 8u, 9u, 12u, 13u, 15u, 19u, 1000u}) {
        RawRequest r;
        r.block()->code = code;
        r.block()->word0 = 0x11111111;
        r.block()->word1 = 0x22222222;
        std::vector<std::uint8_t> before = r.bytes;
        host.Request(r.block());
        EXPECT_EQ(r.bytes, before) << "code " << code;
    }
}

TEST_F(ProtocolTest, HandleRequestsAllocateAddressAndFree) {
    int inUse = host.HandlesInUse();
    RawRequest r;
    r.block()->code = kReqAllocHandle;
    r.block()->word0 = 10;
    r.block()->word1 = 0x1234;
    host.Request(r.block());
    std::uint32_t h = r.block()->word0;
    ASSERT_NE(h, 0u);
    EXPECT_EQ(host.HandlesInUse(), inUse + 1);

    r.block()->code = kReqHandleAddress;
    r.block()->word0 = h;
    host.Request(r.block());
    auto* data = FromAddr<std::uint8_t>(r.block()->word0);
    ASSERT_NE(data, nullptr);
    std::uint16_t tag;
    std::memcpy(&tag, data - 2, 2);
    EXPECT_EQ(tag, 0x1234);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(data[i], 0) << "blocks come zero-filled";

    r.block()->code = kReqFreeHandle;
    r.block()->word0 = h;
    host.Request(r.block());
    EXPECT_EQ(host.HandlesInUse(), inUse);
    EXPECT_LE(TableNextFree(host.handleTable()), h) << "freeing lowers next-free";

    // The address of a freed, zero or out-of-range handle is 0.
    for (std::uint32_t bad : {h, 0u, 4096u, 70000u}) {
        r.block()->code = kReqHandleAddress;
        r.block()->word0 = bad;
        host.Request(r.block());
        EXPECT_EQ(r.block()->word0, 0u) << bad;
    }
}

TEST_F(ProtocolTest, ValueRequestsKeepTheHostsValues) {
    RawRequest r;
    auto req = [&](std::uint32_t code, std::uint32_t w0) {
        r.block()->code = code;
        r.block()->word0 = w0;
        host.Request(r.block());
        return r.block()->word0;
    };
    std::uint16_t count = ValueInUse(host.valueTable());
    std::uint32_t a = req(kReqValueAdd, 111);
    std::uint32_t b = req(kReqValueAdd, 222);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, a);
    EXPECT_EQ(ValueInUse(host.valueTable()), count + 2);
    EXPECT_EQ(req(kReqValueGet, a), 111u);
    EXPECT_EQ(req(kReqValueGet, b), 222u);
    req(kReqValueRemove, 0);  // id 0 changes nothing
    EXPECT_EQ(ValueInUse(host.valueTable()), count + 2);
    req(kReqValueRemove, a);
    EXPECT_EQ(ValueInUse(host.valueTable()), count + 1);
    EXPECT_EQ(req(kReqValueGet, a), 0u);
    EXPECT_EQ(req(kReqValueGet, 60000), 0u);
    EXPECT_EQ(req(kReqValueAdd, 333), a) << "the freed id is found again";
    req(kReqValueRemove, a);
    req(kReqValueRemove, b);
}

TEST_F(ProtocolTest, TestEntryAnswersItsList) {
    const std::int32_t expected[6] = {0, 1, 2, 27, 4, 5};
    for (int i = 0; i < 6; ++i) {
        Outcome o = host.Call("TST_TEST", {Value::Int(i)});
        ASSERT_EQ(o.returns.size(), 1u);
        EXPECT_EQ(o.returns[0].type, 'I');
        EXPECT_EQ(o.returns[0].width, 10);
        EXPECT_EQ(o.returns[0].value.integer, expected[i]);
    }
    EXPECT_EQ(Int("TST_TEST", {Value::Int(6)}), -1);
    EXPECT_EQ(Int("TST_TEST", {Value::Int(-1)}), -1);
    EXPECT_EQ(Int("tst_test", {Value::Num(3.7, 1)}), 27) << "N converted to the declared I";
}

TEST_F(ProtocolTest, ArgumentsAreCheckedAgainstTheTypeString) {
    // Error 11 as the host gives it, and which argument did not fit.
    Outcome none = host.Call("TST_TEST", {});
    EXPECT_EQ(none.error, 11);
    EXPECT_EQ(none.detail, "0 arguments given where TST_TEST takes 1.");
    Outcome text = host.Call("TST_TEST", {Value::Char("3")});
    EXPECT_EQ(text.error, 11);
    EXPECT_EQ(text.detail, "Argument 1 is a text where an integer is declared.");
    EXPECT_EQ(host.Call("TST_TEST", {Value::Int(1), Value::Int(2)}).detail,
              "2 arguments given where TST_TEST takes 1.");
    // A range of counts for optional parameters; a date where a text is declared.
    EXPECT_EQ(host.Call("STR_MAKETIME", {}).detail, "0 arguments given where STR_MAKETIME takes 1 to 2.");
    EXPECT_EQ(host.Call("STR_LEFT", {Value::Date(2440588), Value::Int(1)}).detail,
              "Argument 1 is a date where a text is declared.");
    EXPECT_EQ(host.Call("TST_TEST", {Value::Int(3)}).detail, "");
    EXPECT_FALSE(host.Call("NO_SUCH_NAME", {}).found);
}

TEST_F(ProtocolTest, DoNothingNamesReturnNoValue) {
    int inUse = host.HandlesInUse();
    for (const char* name : {"COM_STATE", "MIS_NOTHING", "NOTHING"})
        EXPECT_FALSE(host.Call(name, {}).hasValue()) << name;
    EXPECT_FALSE(host.Call("COM_CLOSE", {Value::Int(1)}).hasValue());
    EXPECT_FALSE(host.Call("FNT_ADD", {Value::Char("Arial")}).hasValue());
    EXPECT_FALSE(host.Call("FNT_REM", {Value::Char("")}).hasValue());
    Outcome o = host.Call("MIS_NOTHIN", {Value::Int(1), Value::Char("x"), Value::Logical(true),
                                         Value::Date(2440588), Value::Null()});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue());
    EXPECT_FALSE(host.Call("MIS_NOTHIN", {}).hasValue());
    EXPECT_EQ(host.HandlesInUse(), inUse) << "parameter handles all went back";
}

// A request made on a thread that never sent request 0 has no callback: it
// can describe the library, but any service ends the request at once.
TEST_F(ProtocolTest, ThreadWithoutCallbackAbortsQuietly) {
    std::uint32_t handler = host.Find("TST_TEST")->handler;
    auto* dispatch = reinterpret_cast<int(__fastcall*)(RequestBlock*)>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("TARVO.fll"),
#ifdef _WIN64
                       "DispatchAPI"
#else
                       "@DispatchAPI@4"
#endif
                       )));
    ASSERT_NE(dispatch, nullptr);
    std::uint32_t described = 0, constant = 0, after = 0xDEADBEEF;
    int before = host.HandlesInUse();
    std::thread t([&] {
        RawRequest r;
        r.block()->code = kReqDescribe;
        dispatch(r.block());
        described = r.block()->word0;
        constant = r.block()->word1;
        RawRequest call;
        call.block()->code = kReqCall;
        call.block()->function = handler;
        call.block()->word0 = 0xDEADBEEF;
        auto* params = reinterpret_cast<ParamBlock*>(call.bytes.data() + 36);
        params->count = 1;
        params->params[0].value.type = 'I';
        params->params[0].value.integer = 3;
        dispatch(call.block());
        after = call.block()->word0;
    });
    t.join();
    EXPECT_EQ(described, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(host.header())));
    EXPECT_EQ(constant, kDescribeConstant);
    EXPECT_EQ(after, 0xDEADBEEFu) << "the request block is left as it was";
    EXPECT_EQ(host.HandlesInUse(), before);
}

TEST_F(ProtocolTest, ErrorRaisedThroughAServiceEndsTheRequest) {
    host.faults.abortAtService = 1;
    host.faults.abortError = 182;
    Outcome o = host.Call("TST_TEST", {Value::Int(3)});
    EXPECT_EQ(o.error, 182);
    EXPECT_EQ(o.message, run::ErrorText(182));
    EXPECT_FALSE(o.hasValue());
    host.faults.abortAtService = 0;
    EXPECT_EQ(Int("TST_TEST", {Value::Int(3)}), 27) << "the next call works normally";
}

// With the companion library missing, the load hook asks the host to run
// "WAIT WINDOW 'Kernel not found' NOWAIT". The command calls the library
// again (a nested request, which is aborted), and the outer hook goes on.
using ProtocolWithoutCompanion = WithoutCompanion<ProtocolTest>;

TEST_F(ProtocolWithoutCompanion, NestedRequestDuringACommandRestoresTheOuterTarget) {
    host.Unload();
    run::Host inner;
    std::vector<std::string> commands;
    std::vector<int> nestedErrors;
    std::vector<std::int32_t> nestedValues;
    inner.hooks.executeCommand = [&](const std::string& cmd) {
        commands.push_back(cmd);
        inner.faults.abortAtService = 1;  // the nested call's first service fails
        Outcome failed = inner.Call("TST_TEST", {Value::Int(3)});
        inner.faults.abortAtService = 0;
        nestedErrors.push_back(failed.error);
        Outcome ok = inner.Call("TST_TEST", {Value::Int(3)});
        nestedValues.push_back(ok.hasValue() ? ok.value().integer : -99);
        return 0;
    };
    std::string why;
    ASSERT_TRUE(inner.Load(BesideExe("TARVO.fll"), &why)) << why;
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0], "WAIT WINDOW 'Kernel not found' NOWAIT");
    EXPECT_EQ(nestedErrors, std::vector<int>{1});
    EXPECT_EQ(nestedValues, std::vector<std::int32_t>{27});
    // The library still works after the nested abort.
    Outcome o = inner.Call("TST_TEST", {Value::Int(5)});
    EXPECT_EQ(o.value().integer, 5);
    inner.Unload();
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
}

TEST_F(ProtocolTest, KernelPresentMeansNoWaitWindow) {
    EXPECT_TRUE(host.waitWindows.empty());
    for (const run::Trace& t : host.trace) EXPECT_NE(t.code, kSvcExecuteCommand);
}

// Under hostile memory every unlocked block moves on each service, and the
// n-th allocation fails: a call either fails cleanly or succeeds, and no
// handle is left behind.
TEST_F(ProtocolTest, HostileMemorySweep) {
    host.hostile = true;
    for (int n = 1; n <= 4; ++n) {
        host.allocCount = 0;
        host.faults.failAllocAt = n;
        int before = host.HandlesInUse();
        Outcome o = host.Call("TST_TEST", {Value::Int(3)});
        EXPECT_TRUE(o.error == 0 || o.error == 182) << n;
        if (o.error == 0) EXPECT_EQ(o.value().integer, 27);
        EXPECT_EQ(host.HandlesInUse(), before) << n;
    }
    host.hostile = HostileRun();
    host.faults.failAllocAt = 0;
}

// The protocol keeps a block's handle and data address in 32 bits. A very
// large block (64-bit Wine places those above 4 GB) must either be refused or
// be reachable at its 32-bit address: the pointer GlobalLock gives for the
// handle in the table is the address the library hands over, and a byte
// written at the block's end through that address is there.
void ExpectReachable(run::Host& host, std::uint32_t h, const char* path) {
    HGLOBAL block = FromAddr<void>(TableBlock(host.handleTable(), h));
    ASSERT_NE(block, nullptr) << path;
    auto* p = static_cast<std::uint8_t*>(GlobalLock(block));
    ASSERT_NE(p, nullptr) << path << ": the table's handle is no block";
    const SIZE_T size = GlobalSize(block);
    RawRequest r;
    r.block()->code = kReqHandleAddress;
    r.block()->word0 = h;
    host.Request(r.block());
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p + 2), std::uintptr_t{r.block()->word0}) << path;
    if (reinterpret_cast<std::uintptr_t>(p + 2) == r.block()->word0) {
        FromAddr<std::uint8_t>(r.block()->word0)[size - 3] = 0x5A;
        EXPECT_EQ(p[size - 1], 0x5A) << path;
    }
    GlobalUnlock(block);
}

TEST_F(ProtocolTest, VeryLargeBlocksAreRefusedOrReachableAtTheir32BitAddress) {
    const int inUse = host.HandlesInUse();
    for (std::uint32_t size : {700u << 20, 1536u << 20}) {
        RawRequest r;  // the library's handle allocation
        r.block()->code = kReqAllocHandle;
        r.block()->word0 = size;
        host.Request(r.block());
        if (const std::uint32_t h = r.block()->word0) {
            ExpectReachable(host, h, "the library's block");
            r.block()->code = kReqFreeHandle;
            r.block()->word0 = h;
            host.Request(r.block());
        }
        // The host's: a text argument of that size (a 32-bit process may
        // find no room even for the text).
        std::string text;
        try {
            text.assign(size, 'x');
        } catch (const std::bad_alloc&) {
            continue;
        }
        if (const std::uint32_t h = host.AllocHostHandle(text)) {
            ExpectReachable(host, h, "the host's block");
            host.FreeHostHandle(h);
        }
    }
    EXPECT_EQ(host.HandlesInUse(), inUse) << "a refused block leaves no handle taken";

    // The library's resize: a text argument grows by a byte for its closing
    // zero (STR_ENCRYP's key). This length fills Wine's large block to the
    // end of its last page, so the growth needs a new block, which may land
    // above 4 GB. Either the call fails for want of memory, or every block
    // is reachable when the library next asks a service (loading the
    // variable).
    const std::string key(64000u * 4096 - 66, 'k');
    bool served = false;
    host.hooks.loadVariable = [&](std::uint32_t, run::Value& out) {
        served = true;
        for (std::uint32_t h = 1; h < TableCapacity(host.handleTable()); ++h)
            if (TableBlock(host.handleTable(), h)) ExpectReachable(host, h, "a block during the call");
        out = Value::Char("data");
        return 0;
    };
    const Outcome o = host.Call("STR_ENCRYP", {run::ByRef(host.NewVariable(Value::Char("data"))),
                                               ByValue(Value::Char(key))});
    EXPECT_TRUE(o.error == 182 ? !served : o.error == 0 && served) << o.error << " " << o.message;
    EXPECT_EQ(host.HandlesInUse(), inUse);
    EXPECT_EQ(Int("TST_TEST", {Value::Int(3)}), 27) << "the table serves on";
}

}  // namespace
}  // namespace tarvo::test

namespace tarvo::test {
namespace {

// TST_TEST2 runs its own message loop until its window gets the Escape
// character; a driver thread plays the user.
TEST_F(DllTest, TestWindowRunsUntilEscape) {
    for (int round = 0; round < 2; ++round) {  // the second call finds the class registered
        struct Seen {
            bool found = false, visible = false;
            UINT style = 0;
            char title[64] = {};
            HWND hwnd = nullptr;
        } seen;
        std::thread driver([&] {
            for (int i = 0; i < 500 && !seen.hwnd; ++i) {
                seen.hwnd = FindWindowA("TARVO", "Test of TARVO");
                if (!seen.hwnd) Sleep(10);
            }
            if (!seen.hwnd) return;
            seen.found = true;
            // The window exists a moment before it is shown.
            for (int i = 0; i < 500 && !IsWindowVisible(seen.hwnd); ++i) Sleep(10);
            seen.visible = IsWindowVisible(seen.hwnd) != 0;
            seen.style = static_cast<UINT>(GetClassLongPtrA(seen.hwnd, GCL_STYLE));
            GetWindowTextA(seen.hwnd, seen.title, sizeof seen.title);
            PostMessageA(seen.hwnd, WM_CHAR, 27, 0);
        });
        run::Outcome o = host.Call("TST_TEST2", {});
        driver.join();
        ASSERT_TRUE(seen.found) << "round " << round;
        EXPECT_TRUE(seen.visible);
        EXPECT_EQ(seen.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
        EXPECT_STREQ(seen.title, "Test of TARVO");
        EXPECT_FALSE(o.hasValue());
        EXPECT_FALSE(IsWindow(seen.hwnd)) << "the window is gone when the call returns";
    }
}

}  // namespace
}  // namespace tarvo::test
