// The table functions through the library, on real tables of the host:
// what the handlers add to the services (pointer tests built from several
// services, one return per appended record, the lock around a replace in
// network mode), and locks seen across processes.
#include <fstream>
#include <string>

#include "dll_test.h"

namespace tarvo::test {
namespace {

using run::Value;

class TablesTest : public DllTest {
protected:
    void SetUp() override {
        DllTest::SetUp();
        dir = ScratchDir("tables");
    }
    // A table of `records` records whose field N holds the record number.
    void Table(int records, bool shared = false) {
        const std::string path = dir + "\\t.dbf";
        ASSERT_EQ(host.tables.Create(1, path, "", {{"N", 'I'}, {"NAME", 'C', 10}}, false), 0);
        for (int i = 1; i <= records; ++i) {
            ASSERT_EQ(host.tables.AppendBlank(1), 0);
            ASSERT_EQ(host.tables.Replace(1, "N", Value::Int(i)), 0);
        }
        if (shared) ASSERT_EQ(host.tables.Use(1, path, "", false, 1, false), 0);
    }
    std::uint32_t Recno() { return host.tables.At(1)->recno; }
    bool Flag(const char* name) { return Logical(name, {}); }

    std::string dir;
};

// The last-record test: .T. on the last record and at the end (which goes
// back to the last record), .F. elsewhere, the pointer kept; the
// first-record test likewise, also at the end of a one-record table.
TEST_F(TablesTest, LastAndFirstRecordTestsKeepThePointer) {
    Table(0);
    EXPECT_TRUE(Flag("DBF_EOT"));
    EXPECT_TRUE(Flag("DBF_BOT"));
    EXPECT_EQ(host.tables.Status(1) & 3, 3) << "an empty table stays at both ends";

    ASSERT_EQ(host.tables.AppendBlank(1), 0);
    ASSERT_EQ(host.tables.Skip(1, 1), 0);
    EXPECT_TRUE(Flag("DBF_BOT")) << "the end of a one-record table";
    EXPECT_TRUE(host.tables.At(1)->eof) << "and the pointer is back at the end";
    ASSERT_EQ(host.tables.Go(1, 1), 0);
    ASSERT_EQ(host.tables.Skip(1, -1), 0);
    ASSERT_EQ(host.tables.Skip(1, 1), 0);
    EXPECT_EQ(host.tables.Status(1) & 3, 2) << "the end reached from the beginning";
    EXPECT_TRUE(Flag("DBF_EOT"));
    EXPECT_EQ(Recno(), 1u) << "back on the only record";

    for (int i = 0; i < 2; ++i) ASSERT_EQ(host.tables.AppendBlank(1), 0);
    for (std::uint32_t r : {1u, 2u, 3u}) {
        ASSERT_EQ(host.tables.Go(1, r), 0);
        EXPECT_EQ(Flag("DBF_EOT"), r == 3) << r;
        EXPECT_EQ(Recno(), r);
        EXPECT_EQ(Flag("DBF_BOT"), r == 1) << r;
        EXPECT_EQ(Recno(), r);
    }
    ASSERT_EQ(host.tables.Skip(1, 1), 0);
    ASSERT_TRUE(host.tables.At(1)->eof);
    EXPECT_TRUE(Flag("DBF_EOT"));
    EXPECT_EQ(Recno(), 3u) << "from the end back to the last record";
}

// DBF_APPEND sends one answer per append, none for a count below 1, and
// asks the host again after an error.
TEST_F(TablesTest, AppendAnswersOncePerRecord) {
    Table(0);
    run::Outcome o = host.Call("DBF_APPEND", {Value::Int(0)});
    EXPECT_FALSE(o.hasValue());
    o = host.Call("DBF_APPEND", {Value::Int(3)});
    ASSERT_EQ(o.returns.size(), 3u);
    EXPECT_EQ(o.value().integer, 0);
    EXPECT_EQ(host.tables.RecCount(1), 3u);
    o = host.Call("DBF_APPEND", {Value::Int(2), Value::Int(7)});
    ASSERT_EQ(o.returns.size(), 2u) << "no table in work area 7";
    EXPECT_EQ(o.value().integer, 52);
}

// In network mode a replace locks the record first: held by another
// handle of the same file, the replace answers .F. and changes nothing.
TEST_F(TablesTest, NetworkModeReplaceNeedsTheLock) {
    Table(1, true);
    ASSERT_EQ(host.tables.Use(2, dir + "\\t.dbf", "OTHER", true, 1, false), 0);
    ASSERT_TRUE(host.tables.LockRecord(2, 1));
    const run::Arg field = run::ByRef(2, 1);  // NAME of work area 1
    ASSERT_FALSE(host.Call("NET_SETNET", {Value::Logical(true)}).value().logical);
    host.trace.clear();
    EXPECT_FALSE(host.Call("DBF_REPLACE", {field, run::ByValue(Value::Char("net"))}).value().logical);
    for (const run::Trace& t : host.trace) EXPECT_NE(t.code, kSvcReplaceField) << "nothing replaced";
    host.tables.Unlock(2);
    EXPECT_TRUE(host.Call("DBF_REPLACE", {field, run::ByValue(Value::Char("net"))}).value().logical);
    EXPECT_FALSE(host.tables.RecordLocked(1, 1)) << "unlocked again";
    Value name;
    ASSERT_EQ(host.tables.Go(2, 1), 0);
    ASSERT_EQ(host.tables.Read(2, 2, &name), 0);
    EXPECT_EQ(name.text, "net       ") << "the other handle reads it from the file";
    host.Call("NET_SETNET", {Value::Logical(false)});
    ASSERT_TRUE(host.tables.LockRecord(2, 1));
    EXPECT_FALSE(host.Call("DBF_REPLACE", {field, run::ByValue(Value::Char("x"))}).value().logical)
        << "without network mode the write's own lock fails too";
    host.tables.Unlock(2);
    ASSERT_EQ(host.tables.Skip(1, 1), 0);
    EXPECT_FALSE(host.Call("DBF_REPLACE", {field, run::ByValue(Value::Char("x"))}).value().logical)
        << "the end of the table";
}

// A second tarvo-run process holds record 1 locked until told to let go:
// meanwhile the network-mode replace fails, afterwards it succeeds.
TEST_F(TablesTest, LocksAreSeenByAnotherProcess) {
    Table(2, true);
    const std::string script = dir + "\\holder.prg", held = dir + "\\held", release = dir + "\\release";
    std::ofstream(script) << "USE '" << dir << "\\t.dbf' SHARED\r\n"
                          << "GO 1\r\n"
                          << "? RLOCK()\r\n"
                          << "=STRTOFILE('x', '" << held << "')\r\n"
                          << "DO WHILE !FILE('" << release << "')\r\n"
                          << "  WAIT '' TIMEOUT 0.05\r\n"
                          << "ENDDO\r\n"
                          << "UNLOCK\r\n";
    std::string command = "\"" + BesideExe("tarvo-run.exe") + "\" \"" + script + "\"";
    STARTUPINFOA si{sizeof si};
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    for (int i = 0; i < 600 && GetFileAttributesA(held.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
    ASSERT_NE(GetFileAttributesA(held.c_str()), INVALID_FILE_ATTRIBUTES) << "the holder never locked";

    host.Call("NET_SETNET", {Value::Logical(true)});
    ASSERT_EQ(host.tables.Go(1, 1), 0);
    const run::Arg field = run::ByRef(2, 1);
    EXPECT_FALSE(host.Call("DBF_REPLACE", {field, run::ByValue(Value::Char("mine"))}).value().logical);
    EXPECT_FALSE(host.Call("DBF_LOCK", {}).value().logical);
    ASSERT_EQ(host.tables.Go(1, 2), 0);
    EXPECT_TRUE(host.Call("DBF_REPLACE", {field, run::ByValue(Value::Char("two"))}).value().logical)
        << "another record is free";

    std::ofstream(release) << "x";
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 1;
    EXPECT_TRUE(GetExitCodeProcess(pi.hProcess, &code) && code == 0);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    ASSERT_EQ(host.tables.Go(1, 1), 0);
    EXPECT_TRUE(host.Call("DBF_REPLACE", {field, run::ByValue(Value::Char("mine"))}).value().logical);
    host.Call("NET_SETNET", {Value::Logical(false)});
}

// Status bits and the functions that read them, for shared, exclusive and
// read-only tables; a work area without a table answers 0 and .F.
TEST_F(TablesTest, StatusBitsFollowTheTable) {
    Table(1);
    EXPECT_EQ(Int("DBF_STATUS", {}), 16);
    EXPECT_TRUE(Flag("DBF_ISEXCLUSIVE"));
    EXPECT_TRUE(Logical("DBF_LOCK", {Value::Int(-1)}));
    EXPECT_EQ(Int("DBF_STATUS", {}), 16 | 8 | 4);
    ASSERT_EQ(host.tables.Use(1, dir + "\\t.dbf", "", false, 1, true), 0);
    EXPECT_EQ(Int("DBF_STATUS", {}), 32);
    EXPECT_TRUE(Flag("DBF_ISREADONLY"));
    EXPECT_FALSE(host.Call("DBF_REPLACE", {run::ByRef(2, 1), run::ByValue(Value::Char("x"))}).value().logical);
    EXPECT_EQ(Int("DBF_STATUS", {Value::Int(9)}), 0);
    EXPECT_FALSE(Logical("DBF_ISEXCLUSIVE", {Value::Int(9)}));
    EXPECT_EQ(Int("DBF_RECCOUNT", {Value::Int(9)}), 0);
}

}  // namespace
}  // namespace tarvo::test
