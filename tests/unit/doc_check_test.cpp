// The documentation check behind the reference: every row of the table
// documented, and the faults a family's rows can have found and named.
#include "host/doc_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvo {
namespace {

TEST(DocCheck, EveryRowOfTheTableIsDocumented) {
    for (const std::string& p : CheckDocs(Catalogue(), Families())) ADD_FAILURE() << p;
}

const FamilyInfo kFamily[] = {{"F", "About F."}};

Doc Full(const char* params) {
    return {.summary = "Does it.", .params = params, .returns = "C", .result = "It.",
            .example = "? X()", .output = "1"};
}

std::vector<std::string> Check(std::vector<CatalogueEntry> rows) {
    return CheckDocs(rows, kFamily);
}

TEST(DocCheck, FindsWhatARowLacks) {
    EXPECT_TRUE(Check({{"F", "A", "C,.I", 2, nullptr, Full("cText: t\nnCount: n")}}).empty());

    Doc bare{};
    const auto p = Check({{"F", "A", "C", 1, nullptr, bare}});
    EXPECT_EQ(p, (std::vector<std::string>{"A: has no summary", "A: has no result",
                                           "A: has no result type (.returns)", "A: has no example",
                                           "A: documents 0 parameters; its type string has 1"}));

    Doc twoLines = Full("");
    twoLines.summary = "One.\nTwo.";
    twoLines.output = nullptr;
    EXPECT_EQ(Check({{"F", "B", "", 0, nullptr, twoLines}}),
              (std::vector<std::string>{"B: has a summary of more than one line",
                                        "B: has an example without its output",
                                        "B: documents 1 parameters; its type string has 0"}));
}

TEST(DocCheck, KnowsEveryResultTypeLetterAndNoOther) {
    for (const char* letter : {"C", "I", "N", "L", "D", "T", "?", ""}) {
        Doc d = Full(nullptr);
        d.returns = letter;
        EXPECT_TRUE(Check({{"F", "A", "", 0, nullptr, d}}).empty()) << letter;
        EXPECT_STRNE(ResultName(letter), "") << letter;
    }
    for (const char* letter : {"X", "CI"}) {
        Doc d = Full(nullptr);
        d.returns = letter;
        EXPECT_EQ(Check({{"F", "A", "", 0, nullptr, d}}),
                  (std::vector<std::string>{std::string("A: has the result type \"") + letter +
                                            "\", which the reference does not know"}));
    }
    EXPECT_STREQ(ResultName(""), "no value");
    EXPECT_STREQ(ResultName("C"), "text");
}

TEST(DocCheck, SignaturesShowTheResultTypeOfTheMainName) {
    const CatalogueEntry* left = FindEntry("STR_LEFT");
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(TypedSignature(*left), "STR_LEFT(cText, nCount) -> text");
    const CatalogueEntry* alias = FindEntry("STR_REVERS");
    ASSERT_NE(alias, nullptr);
    EXPECT_EQ(TypedSignature(*alias), "STR_REVERS(cText) -> text");  // its main name's
    const CatalogueEntry* hook = FindEntry("TARVOIN");
    ASSERT_NE(hook, nullptr);
    EXPECT_EQ(TypedSignature(*hook), "TARVOIN");
    EXPECT_EQ(FindEntry("NO_SUCH_NAME"), nullptr);
}

TEST(DocCheck, HoldsParametersToTheTypeString) {
    EXPECT_EQ(Check({{"F", "A", "C,I", 2, nullptr, Full("cText: t")}}),
              (std::vector<std::string>{"A: documents 1 parameters; its type string has 2"}));
    EXPECT_EQ(Check({{"F", "A", "C,I", 2, nullptr, Full("nText: t\nnCount")}}),
              (std::vector<std::string>{
                  "A: parameter 1 (nText) should start with 'c' for its type C",
                  "A: parameter 2 (nCount) is not written \"name: meaning\""}));
    // A trailing comma adds no entry; '?' is any type, 'R' by reference.
    EXPECT_TRUE(Check({{"F", "A", ".?,R,", 2, nullptr, Full("eAny: a\nrVar: v")}}).empty());
}

TEST(DocCheck, ExampleWithoutOutputOnlyWhenTheRowCannotRunUnattended) {
    Doc shown = Full("");
    shown.params = nullptr;
    shown.output = nullptr;
    EXPECT_TRUE(Check({{"F", "W", "", 0, "opens a window", shown}}).empty());
    EXPECT_EQ(Check({{"F", "W", "", 0, nullptr, shown}}),
              (std::vector<std::string>{"W: has an example without its output"}));
}

TEST(DocCheck, AliasesPointToADocumentedMainName) {
    const Doc main = Full("cText: t");
    EXPECT_TRUE(Check({{"F", "M", "C", 1, nullptr, main},
                       {"F", "A", "I", 1, nullptr, Doc{.aliasOf = "M"}}})
                    .empty());
    EXPECT_EQ(Check({{"F", "M", "C", 1, nullptr, main},
                     {"F", "A", "C", 1, nullptr, Doc{.aliasOf = "A2"}},
                     {"F", "A2", "C", 1, nullptr, Doc{.aliasOf = "M"}},
                     {"F", "A3", "C", 1, nullptr, Doc{.aliasOf = "GONE"}},
                     {"F", "A4", "C", 1, nullptr, Doc{.summary = "Own.", .aliasOf = "M"}}}),
              (std::vector<std::string>{"A: is an alias of A2, itself an alias",
                                        "A3: is an alias of GONE, which is not in the table",
                                        "A4: is an alias and carries documentation of its own"}));
}

TEST(DocCheck, EveryRowInAListedFamily) {
    const FamilyInfo two[] = {{"F", "About F."}, {"G", ""}};
    const std::vector<CatalogueEntry> rows{{"H", "A", "", 0, nullptr, Full(nullptr)}};
    EXPECT_EQ(CheckDocs(rows, two),
              (std::vector<std::string>{"A: its family \"H\" is not listed",
                                        "family \"F\" has no rows", "family \"G\" has no rows",
                                        "family \"G\" has no introduction"}));
}

TEST(DocCheck, ParametersReadFromTheirLines) {
    const CatalogueEntry e{"F", "A", "C,.I", 2, nullptr, Full("cText: the text\nnCount: how many")};
    const std::vector<DocParam> p = DocParams(e);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].name, "cText");
    EXPECT_EQ(p[0].meaning, "the text");
    EXPECT_FALSE(p[0].type.optional);
    EXPECT_EQ(p[1].name, "nCount");
    EXPECT_EQ(p[1].type.letter, 'I');
    EXPECT_TRUE(p[1].type.optional);
    // An alias with a type string of its own has no lines: names by type and place.
    const CatalogueEntry alias{"F", "B", "C,.?,", 2, nullptr, Doc{.aliasOf = "A"}};
    const std::vector<DocParam> q = DocParams(alias);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0].name, "c1");
    EXPECT_EQ(q[1].name, "e2");
}

}  // namespace
}  // namespace tarvo
