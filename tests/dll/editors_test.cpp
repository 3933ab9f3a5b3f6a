// Editor windows through the library and the host's real edit controls: a
// file opened, edited, saved and found changed on disk.
#include <fstream>
#include <sstream>

#include "tests/dll/dll_test.h"

namespace tarvo::test {
namespace {

class EditorTest : public DllTest {
protected:
    void SetUp() override {
        DllTest::SetUp();
        dir = ScratchDir("editors");
        file = dir + "\\notes.txt";
        Write(file, "first line\r\nsecond line\r\n  indented\r\n");
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::int32_t Open() { return Int("EDI_OPEN", {Value::Char(file)}); }
    bool Do(const std::string& name, std::initializer_list<Value> args) { return Logical(name, args); }
    std::string dir, file;
};

TEST_F(EditorTest, EditsReachTheFileOnDisk) {
    const std::int32_t n = Open();
    ASSERT_EQ(n, 0);
    EXPECT_EQ(Text("EDI_FULLFILENAME", {Value::Int(n)}), file);
    EXPECT_EQ(Text("EDI_FILENAME", {Value::Int(n)}), file) << "the host's name is the full path here";
    EXPECT_FALSE(Do("EDI_DIRTY", {Value::Int(n)}));

    // Lines and positions count from 0 over the text with its CR LF.
    EXPECT_EQ(Int("EDI_GETLINEPOS", {Value::Int(n), Value::Int(1)}), 12);
    EXPECT_EQ(Int("EDI_GETLINENUM", {Value::Int(n), Value::Int(13)}), 1);
    EXPECT_TRUE(Do("EDI_SETPOS", {Value::Int(n), Value::Int(12)}));
    EXPECT_EQ(Int("EDI_GETPOS", {Value::Int(n)}), 12);
    EXPECT_EQ(Int("EDI_GETLINENUM", {Value::Int(n)}), 1) << "the cursor's line";
    EXPECT_TRUE(Do("EDI_POSINVIEW", {Value::Int(n)}));

    EXPECT_TRUE(Do("EDI_INSERT", {Value::Int(n), Value::Char("the ")}));
    EXPECT_TRUE(Do("EDI_SENDKEY", {Value::Int(n), Value::Char("Xyz")})) << "only the X goes";
    EXPECT_TRUE(Do("EDI_SELECT", {Value::Int(n), Value::Int(0), Value::Int(5)}));
    EXPECT_TRUE(Do("EDI_DELETE", {Value::Int(n)}));
    EXPECT_TRUE(Do("EDI_DIRTY", {Value::Int(n)}));
    EXPECT_TRUE(Do("EDI_SAVE", {Value::Int(n)}));
    EXPECT_FALSE(Do("EDI_DIRTY", {Value::Int(n)}));
    EXPECT_EQ(Read(file), " line\r\nthe Xsecond line\r\n  indented\r\n");
    EXPECT_EQ(Int("EDI_CLOSE", {Value::Int(n)}), 1);
    EXPECT_EQ(Int("EDI_GETPOS", {Value::Int(n)}), -1) << "free again";
    EXPECT_EQ(Text("EDI_FULLFILENAME", {Value::Int(n)}), "");
}

TEST_F(EditorTest, UndoRedoGroupsAndTheClipboard) {
    const std::int32_t n = Open();
    Do("EDI_SETPOS", {Value::Int(n), Value::Int(0)});
    Do("EDI_INSERT", {Value::Int(n), Value::Char("A")});
    Do("EDI_GROUPUNDO", {Value::Int(n), Value::Logical(true)});
    Do("EDI_INSERT", {Value::Int(n), Value::Char("B")});
    Do("EDI_INSERT", {Value::Int(n), Value::Char("C")});
    Do("EDI_GROUPUNDO", {Value::Int(n), Value::Logical(false)});
    Do("EDI_UNDO", {Value::Int(n)});  // B and C go together
    Do("EDI_SAVE", {Value::Int(n)});
    EXPECT_EQ(Read(file).substr(0, 6), "Afirst");
    Do("EDI_REDO", {Value::Int(n)});
    Do("EDI_SAVE", {Value::Int(n)});
    EXPECT_EQ(Read(file).substr(0, 8), "ABCfirst");

    // Cut to the clipboard and paste it back elsewhere.
    Do("EDI_SELECT", {Value::Int(n), Value::Int(0), Value::Int(3)});
    Do("EDI_CUT", {Value::Int(n)});
    Do("EDI_SETPOS", {Value::Int(n), Value::Int(5)});
    Do("EDI_PASTE", {Value::Int(n)});
    Do("EDI_SAVE", {Value::Int(n)});
    EXPECT_EQ(Read(file).substr(0, 10), "firstABC l");
    Int("EDI_CLOSE", {Value::Int(n)});
}

TEST_F(EditorTest, SettingsOfTheEnvironmentRecord) {
    const std::int32_t n = Open();
    EXPECT_FALSE(Do("EDI_AUTOINDENT", {Value::Int(n), Value::Logical(true)})) << "the setting before";
    EXPECT_TRUE(Do("EDI_AUTOINDENT", {Value::Int(n)})) << "read only";
    EXPECT_TRUE(host.Call("EDI_AUTOINDENT", {run::ByValue(Value::Int(n)), run::ByValue(Value::Num(0))}, false)
                    .value()
                    .logical)
        << "a number is not taken (a host that does not check types)";
    EXPECT_TRUE(Do("EDI_AUTOINDENT", {Value::Int(n)}));
    EXPECT_TRUE(Do("EDI_STATUSBAR", {Value::Int(n), Value::Logical(false)}));
    EXPECT_FALSE(Do("EDI_STATUSBAR", {Value::Int(n)}));
    EXPECT_EQ(Text("EDI_FONTNAME", {Value::Int(n), Value::Char(std::string(100, 'F'))}), "Courier New");
    EXPECT_EQ(Text("EDI_FONTNAME", {Value::Int(n)}), std::string(72, 'F')) << "cut to its field";

    // Auto-indent: Enter at the end of the indented line starts the next one
    // indented; backup: the file as it was is kept.
    Do("EDI_SETPOS", {Value::Int(n), Value::Int(35)});
    Do("EDI_SENDKEY", {Value::Int(n), Value::Char("\r")});
    Do("EDI_INSERT", {Value::Int(n), Value::Char("next")});
    Do("EDI_BACKUP", {Value::Int(n), Value::Logical(true)});
    const std::string before = Read(file);
    Do("EDI_SAVE", {Value::Int(n)});
    EXPECT_NE(Read(file).find("  indented\r\n  next"), std::string::npos) << Read(file);
    EXPECT_EQ(Read(dir + "\\notes.bak"), before);
    Int("EDI_CLOSE", {Value::Int(n)});
}

TEST_F(EditorTest, SlotsAndFailures) {
    for (std::int32_t slot : {-1, 50, 7}) {
        EXPECT_EQ(Int("EDI_GETPOS", {Value::Int(slot)}), -1) << slot;
        EXPECT_FALSE(Do("EDI_SAVE", {Value::Int(slot)})) << slot;
        EXPECT_EQ(Text("EDI_FILENAME", {Value::Int(slot)}), "") << slot;
    }
    const std::size_t traced = host.trace.size();
    Int("EDI_GETPOS", {Value::Int(3)});
    for (std::size_t i = traced; i < host.trace.size(); ++i)
        EXPECT_NE(host.trace[i].code, static_cast<std::uint32_t>(kSvcEditorPosition)) << "no host call for a free slot";

    // A file the host cannot open: the slot is answered and stays free.
    EXPECT_EQ(Int("EDI_OPEN", {Value::Char(dir + "\\missing.txt")}), 0);
    EXPECT_EQ(Int("EDI_GETPOS", {Value::Int(0)}), -1);

    // A file of 10 MB opens whole; fifty editors, then no slot.
    const std::string big = dir + "\\big.txt";
    std::string lines;
    while (lines.size() < (10u << 20)) lines += std::string(78, 'x') + "\r\n";
    Write(big, lines + "end");
    const std::int32_t b = Int("EDI_OPEN", {Value::Char(big)});
    const std::int32_t last = static_cast<std::int32_t>(lines.size() / 80);
    EXPECT_EQ(Int("EDI_GETLINEPOS", {Value::Int(b), Value::Int(last)}), static_cast<std::int32_t>(lines.size()));
    Int("EDI_CLOSE", {Value::Int(b)});
    for (int i = 0; i < 50; ++i) EXPECT_EQ(Open(), i);
    EXPECT_EQ(Open(), -1);
    for (int i = 0; i < 50; ++i) Int("EDI_CLOSE", {Value::Int(i)});
    EXPECT_TRUE(host.editors.open.empty());
}

}  // namespace
}  // namespace tarvo::test
