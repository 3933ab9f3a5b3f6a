// The tokenizer through the function table, called exactly as the host calls
// it: the sequential walk, the separator set, direct access and strtok.
#include <string>
#include <vector>

#include "dll_test.h"

namespace tarvo::test {
namespace {

using namespace std::string_literals;
using run::Outcome;

class TokenizerTest : public DllTest {
protected:
    void SetSeparators(const std::string& chars) {
        Outcome o = host.Call("STR_SETSEP", {Value::Char(chars)});
        ASSERT_EQ(o.error, 0) << o.message;
    }
    // Every token of a walk over `text`, with STR_TOKFIN after each fetch;
    // stops when STR_TOKFIN answers .T. (at most `limit` fetches).
    std::vector<std::string> Walk(const std::string& text, std::vector<bool>* finished = nullptr,
                                  int limit = 100000) {
        std::vector<std::string> tokens;
        EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char(text)}));
        for (int i = 0; i < limit; ++i) {
            tokens.push_back(Text("STR_TOKNEX", {}));
            bool done = Logical("STR_TOKFIN", {});
            if (finished) finished->push_back(done);
            if (done) break;
        }
        return tokens;
    }
};

// Before any STR_SETSEP or STR_TOKINI: no separators, the walk finished.
TEST_F(TokenizerTest, FreshLoad) {
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("a,b")}), 1);
    EXPECT_EQ(Int("STR_GETOFF", {}), 0);
    Outcome o = host.Call("STR_TOKNEX", {});
    ASSERT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(o.returns[0].type, 'H');
    EXPECT_EQ(o.returns[0].length, 0);
    EXPECT_EQ(o.value().text, "");
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char(",")}), "") << "the set is empty at load";
}

// The state is the library's own: it starts over with every load.
TEST_F(TokenizerTest, StateStartsOverWithALoad) {
    SetSeparators(",");
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("a,b")}));
    EXPECT_FALSE(Logical("STR_TOKFIN", {}));
    host.Unload();
    std::string why;
    ASSERT_TRUE(host.Load(BesideExe("TARVO.fll"), &why)) << why;
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("a,b")}), 1);
}

TEST_F(TokenizerTest, ResultRecords) {
    SetSeparators(",");
    Outcome o = host.Call("STR_NUMTOK", {Value::Char("a,b")});
    ASSERT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(o.returns[0].type, 'I');
    EXPECT_EQ(o.returns[0].width, 10);
    EXPECT_EQ(o.returns[0].value.integer, 2);
    o = host.Call("STR_TOKINI", {Value::Char("a")});
    ASSERT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(o.returns[0].type, 'L');
    EXPECT_EQ(o.returns[0].length, 1);
    o = host.Call("STR_NTOKEN", {Value::Int(2), Value::Char("ab,cde")});
    ASSERT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(o.returns[0].type, 'H');
    EXPECT_EQ(o.returns[0].length, 3);
    EXPECT_EQ(o.value().text, "cde");
    o = host.Call("STR_GETOFF", {});
    ASSERT_EQ(o.returns.size(), 1u);
    EXPECT_EQ(o.returns[0].type, 'I');
    EXPECT_EQ(o.returns[0].width, 10);
    EXPECT_TRUE(Logical("STR_SETOFF", {Value::Int(0)}));
}

TEST_F(TokenizerTest, AliasesShareOneHandler) {
    const run::FunctionInfo* numtok = host.Find("STR_NUMTOK");
    ASSERT_NE(numtok, nullptr);
    for (const char* alias : {"NUMBEROFTOKENS", "STR_NUMBEROFTOKENS"}) {
        const run::FunctionInfo* f = host.Find(alias);
        ASSERT_NE(f, nullptr) << alias;
        EXPECT_EQ(f->handler, numtok->handler) << alias;
        EXPECT_EQ(f->types, "C") << alias;
    }
    SetSeparators(";");
    for (const char* name : {"STR_NUMTOK", "NUMBEROFTOKENS", "STR_NUMBEROFTOKENS"})
        EXPECT_EQ(Int(name, {Value::Char("a;b;;c")}), 4) << name;
}

TEST_F(TokenizerTest, SignaturesAsTheTableGivesThem) {
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"STR_TOKINI", "C"}, {"STR_TOKNEX", ""},     {"STR_TOKFIN", ""},
        {"STR_GETOFF", ""},  {"STR_SETOFF", "I"},    {"STR_SETSEP", "C"},
        {"STR_RESSEP", ""},  {"STR_NTOKEN", "I,C"}, {"STR_TOKPOS", "I,C"},
        {"STR_STRTOK", "I,C,C"}};
    for (const auto& [name, types] : expected) {
        const run::FunctionInfo* f = host.Find(name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->types, types) << name;
        EXPECT_EQ(f->count, static_cast<std::int16_t>(f->params.size())) << name;
    }
}

// The cases written out for the comma as separator.
TEST_F(TokenizerTest, DirectAccessWithTheComma) {
    SetSeparators(",");
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("a,,b,")}), 4);
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("")}), 1);
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("abc")}), 1);
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(3), Value::Char("a,,b,")}), "b");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(2), Value::Char("a,,b,")}), "");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(4), Value::Char("a,,b,")}), "");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(9), Value::Char("a,b")}), "");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(1), Value::Char("a,b")}), "a");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(2), Value::Char("a,bc")}), "bc");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(1), Value::Char(",a")}), "");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(1), Value::Char("")}), "");
    // n below 1 is an unsigned count that is never reached: past the end.
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(0), Value::Char("a,b")}), "");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(-1), Value::Char("a,b")}), "");

    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(3), Value::Char("a,,b")}), 4);
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(5), Value::Char("a,b")}), 4);
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(0), Value::Char("a,b")}), 4);
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(-7), Value::Char("a,b")}), 4);
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(1), Value::Char("a,b")}), 1);
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(2), Value::Char("a,b")}), 3);
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(3), Value::Char("a,b,")}), 5) << "empty last token";
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(1), Value::Char("")}), 1);
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(2), Value::Char("")}), 1);
}

TEST_F(TokenizerTest, AllSeparatorTexts) {
    SetSeparators(",;");
    const std::string text = ",;,";
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char(text)}), 4);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(n), Value::Char(text)}), "") << n;
        EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(n), Value::Char(text)}), n) << n;
    }
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(5), Value::Char(text)}), "");
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(5), Value::Char(text)}), 4) << "length + 1";
    std::vector<bool> finished;
    EXPECT_EQ(Walk(text, &finished), std::vector<std::string>(4, ""));
    EXPECT_EQ(finished, (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(Text("STR_STRTOK", {Value::Int(1), Value::Char(text), Value::Char(",;")}), "");
}

TEST_F(TokenizerTest, WalkOverTwoTokens) {
    SetSeparators(",");
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("a,b")}));
    EXPECT_FALSE(Logical("STR_TOKFIN", {}));
    EXPECT_EQ(Int("STR_GETOFF", {}), 0);
    EXPECT_EQ(Text("STR_TOKNEX", {}), "a");
    EXPECT_FALSE(Logical("STR_TOKFIN", {}));
    EXPECT_EQ(Int("STR_GETOFF", {}), 2);
    EXPECT_EQ(Text("STR_TOKNEX", {}), "b");
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    EXPECT_EQ(Int("STR_GETOFF", {}), 3) << "the offset stays at the end";
    EXPECT_EQ(Text("STR_TOKNEX", {}), "");
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    // The finished walk dropped its copy: going back finds nothing.
    EXPECT_TRUE(Logical("STR_SETOFF", {Value::Int(0)}));
    EXPECT_EQ(Text("STR_TOKNEX", {}), "");
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
}

TEST_F(TokenizerTest, WalkFinishRules) {
    SetSeparators(",");
    std::vector<bool> finished;
    EXPECT_EQ(Walk("a,b,", &finished), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(finished, (std::vector<bool>{false, false, true}));

    finished.clear();
    EXPECT_EQ(Walk("", &finished), std::vector<std::string>{""});
    EXPECT_EQ(finished, std::vector<bool>{true});

    finished.clear();
    EXPECT_EQ(Walk(",a", &finished), (std::vector<std::string>{"", "a"}));
    EXPECT_EQ(finished, (std::vector<bool>{false, true}));

    // As many fetches as STR_NUMTOK counts tokens, for every shape of text.
    for (const std::string text : {"x", ",", ",,", "a,,b", "ab,cd,ef,", ",x,", "no separator"}) {
        std::vector<std::string> tokens = Walk(text);
        EXPECT_EQ(static_cast<int>(tokens.size()), Int("STR_NUMTOK", {Value::Char(text)})) << text;
        for (std::size_t n = 0; n < tokens.size(); ++n)
            EXPECT_EQ(tokens[n], Text("STR_NTOKEN", {Value::Int(static_cast<int>(n) + 1),
                                                     Value::Char(text)}))
                << text << " token " << n + 1;
    }
}

TEST_F(TokenizerTest, NewWalkReplacesTheOldOne) {
    SetSeparators(",");
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("a,b,c")}));
    EXPECT_EQ(Text("STR_TOKNEX", {}), "a");
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("x,y")}));
    EXPECT_EQ(Int("STR_GETOFF", {}), 0);
    EXPECT_FALSE(Logical("STR_TOKFIN", {}));
    EXPECT_EQ(Text("STR_TOKNEX", {}), "x");
    EXPECT_EQ(Text("STR_TOKNEX", {}), "y");
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
}

TEST_F(TokenizerTest, OffsetsMoveTheWalk) {
    SetSeparators(",");
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("ab,cd,ef")}));
    EXPECT_EQ(Text("STR_TOKNEX", {}), "ab");
    std::int32_t mark = Int("STR_GETOFF", {});
    EXPECT_EQ(mark, 3);
    EXPECT_EQ(Text("STR_TOKNEX", {}), "cd");
    EXPECT_TRUE(Logical("STR_SETOFF", {Value::Int(mark)}));
    EXPECT_EQ(Int("STR_GETOFF", {}), mark);
    EXPECT_EQ(Text("STR_TOKNEX", {}), "cd") << "back to the remembered position";
    EXPECT_TRUE(Logical("STR_SETOFF", {Value::Int(1)}));
    EXPECT_EQ(Text("STR_TOKNEX", {}), "b") << "an offset inside a token";
    // A negative offset is taken as 0: the walk starts over.
    EXPECT_TRUE(Logical("STR_SETOFF", {Value::Int(-5)}));
    EXPECT_EQ(Int("STR_GETOFF", {}), 0);
    EXPECT_EQ(Text("STR_TOKNEX", {}), "ab");
    EXPECT_FALSE(Logical("STR_TOKFIN", {}));
    // An offset at the length gives the empty last token and finishes; so
    // does any offset past it.
    EXPECT_TRUE(Logical("STR_SETOFF", {Value::Int(8)}));
    EXPECT_EQ(Text("STR_TOKNEX", {}), "");
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("ab,cd")}));
    EXPECT_TRUE(Logical("STR_SETOFF", {Value::Int(6)}));
    EXPECT_EQ(Text("STR_TOKNEX", {}), "");
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    EXPECT_TRUE(Logical("STR_TOKINI", {Value::Char("ab,cd")}));
    EXPECT_TRUE(Logical("STR_SETOFF", {Value::Int(0x7FFFFFFF)}));
    EXPECT_EQ(Text("STR_TOKNEX", {}), "");
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
}

TEST_F(TokenizerTest, SeparatorSetAnswersThePreviousSet) {
    SetSeparators(", ");
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char(";,")}), " ,") << "ascending code order";
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char(",,,;")}), ",;");
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char("")}), ",;");
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("a,b;c")}), 1) << "an empty text empties the set";
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char("x")}), "");

    Outcome o = host.Call("STR_RESSEP", {});
    EXPECT_EQ(o.error, 0);
    EXPECT_FALSE(o.hasValue()) << "STR_RESSEP returns nothing";
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("axbx")}), 1);
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char(",")}), "");
}

TEST_F(TokenizerTest, HighCodesAndZeroBytesAsSeparators) {
    SetSeparators("\xFF\x80");
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("a\x80" "b\xFF" "c")}), 3);
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(3), Value::Char("a\x80" "b\xFF" "c\xE9")}), "c\xE9");
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char("\0,"s)}), "\x80\xFF") << "unsigned order";
    // The zero byte separates now; the set answers as the empty text.
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("a\0b,c"s)}), 3);
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(2), Value::Char("a\0b,c"s)}), "b");
    EXPECT_EQ(Walk("a\0b"s), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char(",")}), "");

    // All 256 codes.
    std::string every;
    for (int c = 0; c < 256; ++c) every.push_back(static_cast<char>(c));
    SetSeparators(every);
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("abc")}), 4);
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char(",")}), "");
}

// Zero bytes inside texts are ordinary characters: counted, walked over, and
// the token handed back ends at its first zero byte.
TEST_F(TokenizerTest, ZeroBytesInsideTexts) {
    SetSeparators(",");
    EXPECT_EQ(Int("STR_NUMTOK", {Value::Char("a\0,b\0,"s)}), 3);
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(2), Value::Char("a\0b,cd\0e"s)}), "cd");
    EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(1), Value::Char("\0b,c"s)}), "");
    EXPECT_EQ(Int("STR_TOKPOS", {Value::Int(2), Value::Char("a\0b,c"s)}), 5);
    EXPECT_EQ(Walk("x\0y,z"s), (std::vector<std::string>{"x", "z"}));
}

TEST_F(TokenizerTest, LongTokensComeBackWhole) {
    SetSeparators(",");
    for (std::size_t size : {2047u, 2048u, 2049u, 3000u}) {
        const std::string token(size, 'q');
        const std::string text = "a," + token + ",b";
        EXPECT_EQ(Text("STR_NTOKEN", {Value::Int(2), Value::Char(text)}), token) << size;
        EXPECT_EQ(Text("STR_STRTOK", {Value::Int(2), Value::Char(text), Value::Char(",")}), token)
            << size;
        EXPECT_EQ(Walk(text), (std::vector<std::string>{"a", token, "b"})) << size;
        EXPECT_EQ(Walk(token), std::vector<std::string>{token}) << size;
    }
}

TEST_F(TokenizerTest, StrtokRules) {
    SetSeparators(";");  // ignored by STR_STRTOK
    auto strtok = [&](int n, const std::string& text, const std::string& delimiters) {
        return Text("STR_STRTOK", {Value::Int(n), Value::Char(text), Value::Char(delimiters)});
    };
    EXPECT_EQ(strtok(2, ",,a,,b", ","), "b");
    EXPECT_EQ(strtok(1, ",,a,,b", ","), "a");
    EXPECT_EQ(strtok(3, "a,b", ","), "");
    EXPECT_EQ(strtok(0, "a", ","), "");
    EXPECT_EQ(strtok(-3, "a", ","), "");
    EXPECT_EQ(strtok(1, "a;b", ","), "a;b");
    EXPECT_EQ(strtok(2, "a b,c", ", "), "b");
    EXPECT_EQ(strtok(3, "a b,c", ", "), "c");
    EXPECT_EQ(strtok(1, "", ","), "");
    EXPECT_EQ(strtok(1, "abc", ""), "abc");
    EXPECT_EQ(strtok(2, "abc", ""), "");
    EXPECT_EQ(strtok(2, "\xE9\xFF" "a\xFF" "b", "\xFF"), "a");
    // The text and the delimiters end at their first zero byte.
    EXPECT_EQ(strtok(2, "a,b\0,c"s, ","), "b");
    EXPECT_EQ(strtok(3, "a,b\0,c"s, ","), "");
    EXPECT_EQ(strtok(1, "a,b"s, "\0,"s), "a,b");
    // Neither the walk nor the set is touched.
    EXPECT_TRUE(Logical("STR_TOKFIN", {}));
    EXPECT_EQ(Text("STR_SETSEP", {Value::Char(";")}), ";");
}

}  // namespace
}  // namespace tarvo::test
