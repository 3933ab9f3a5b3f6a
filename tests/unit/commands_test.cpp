#include "hostdata/commands.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvo {
namespace {

// The commands a command file's lines give, in order.
std::vector<std::string> CommandsOf(const std::vector<std::string>& lines) {
    PendingCommand pending;
    std::vector<std::string> out;
    std::string command;
    for (const std::string& line : lines)
        if (pending.Add(line, &command)) out.push_back(command);
    return out;
}

using Texts = std::vector<std::string>;

TEST(CommandFiles, CommentsAndTrailingBlanksAreCut) {
    EXPECT_EQ(CommandsOf({"x = 1 // set it", "y = 2   ", "? 'a//b'"}), (Texts{"x = 1", "y = 2", "? 'a"}))
        << "a comment begins at the first //, even inside quotes";
    EXPECT_EQ(CommandsOf({"x = 1\t"}), (Texts{"x = 1\t"})) << "only blanks are trailing blanks";
    EXPECT_EQ(CommandsOf({"", "// only a comment", "   "}), (Texts{"", "", ""}))
        << "empty and comment-only lines are empty commands";
}

TEST(CommandFiles, ContinuationsJoinWithoutSeparator) {
    EXPECT_EQ(CommandsOf({"x = 1 ;", "// nothing more"}), (Texts{"x = 1 "}))
        << "the blank before ';' stays; the comment line completes the command";
    EXPECT_EQ(CommandsOf({"a;", "b ; // more", "c", "d"}), (Texts{"ab c", "d"}));
    EXPECT_EQ(CommandsOf({"x;  "}), (Texts{})) << "';' then blanks still continues";
    EXPECT_EQ(CommandsOf({"x; // c"}), (Texts{})) << "';' before a comment still continues";
    EXPECT_EQ(CommandsOf({"a;", "b;"}), (Texts{})) << "a continuation on the last line runs nothing";
    EXPECT_EQ(CommandsOf({";", "x"}), (Texts{"x"}));
}

TEST(CommandFiles, LinesAndPendingCommandsAreCutAtTheirCapacities) {
    const std::string long_line(600, 'a');
    EXPECT_EQ(CommandsOf({long_line}), (Texts{std::string(511, 'a')}));
    EXPECT_EQ(CommandsOf({std::string(511, 'a') + ";"}), (Texts{std::string(511, 'a')}))
        << "the ';' falls beyond 511: the line is complete";
    EXPECT_EQ(CommandsOf({std::string(511, 'a') + ";", "b"}), (Texts{std::string(511, 'a'), "b"}));

    const std::string part(500, 'p');
    const Texts joined = CommandsOf({part + ";", part + ";", part, "next"});
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_EQ(joined[0], std::string(1000, 'p') + std::string(23, 'p')) << "1023 characters kept";
    EXPECT_EQ(joined[1], "next") << "the pending command starts empty again";
    EXPECT_EQ(CommandsOf({part + ";", part + ";", "abcdefghijklmnopqrstuvwxyz0123"}),
              (Texts{std::string(1000, 'p') + "abcdefghijklmnopqrstuvw"}))
        << "the completing line is cut too";
}

TEST(CommandFiles, SnapInSignatureAndLogLines) {
    EXPECT_TRUE(IsSnapInSignature("QX1.0"));
    EXPECT_TRUE(IsSnapInSignature("QX1.0 anything after it"));
    EXPECT_FALSE(IsSnapInSignature("QX1."));
    EXPECT_FALSE(IsSnapInSignature(" QX1.0"));
    EXPECT_FALSE(IsSnapInSignature("qx1.0"));
    EXPECT_EQ(CommandLogLine(16, "NOSUCHVERB 1"), "16 ... NOSUCHVERB 1");
    EXPECT_EQ(CommandLogLine(-5, ""), "-5 ... ");
    EXPECT_EQ(Capped("abcdef", 3), "abc");
    EXPECT_EQ(Capped("ab", 3), "ab");
}

}  // namespace
}  // namespace tarvo
