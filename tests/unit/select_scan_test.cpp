// The look-ahead of SELECT CASE lines: which CASE lines belong to the
// block, with comments, string literals, REM, ":" and nested blocks in the
// way.
#include <gtest/gtest.h>

#include <string>

#include "convert/select_scan.h"

namespace {

// Each CASE line as its tokens joined with "|", one line per CASE.
std::string casesOf(const SelectAhead& ahead) {
    std::string text;
    for (const auto& tokens : ahead.cases) {
        for (size_t i = 0; i < tokens.size(); ++i) text += (i ? "|" : "") + tokens[i].text;
        text += "\n";
    }
    return text;
}

TEST(SelectScanTest, OnlyTheBlocksOwnCaseLinesAreSeen) {
    const SelectAhead ahead = scanSelectAhead(
        " ' CASE 0 after the selector is the SELECT line's own comment\n"
        "\t' CASE 1 in a comment\n"
        "case 2, \"x:CASE 'y\" ' CASE 3\n"
        "\tSELECT CASE inner\n"
        "\tCASE 4\n"
        "\t\tselect case deeper: case 5: end select\n"
        "\tEND SELECT\n"
        "\tREM CASE 6 : CASE 7\n"
        "\tn = 1: Case Is >= -8 TO k\n"
        "\tf = ADDRESSOF Shape::Case\n"
        "END SELECT\n"
        "CASE 9\n");
    EXPECT_EQ(casesOf(ahead),
              "2|,|\"x:CASE 'y\"\n"
              "Is|>|=|-|8|TO|k\n");
    EXPECT_FALSE(ahead.statementBeforeCase);
    EXPECT_FALSE(ahead.tooDeep);
}

TEST(SelectScanTest, AStatementBeforeTheFirstCaseIsNoted) {
    EXPECT_TRUE(scanSelectAhead("\n' note\n\n\tDIM k AS Long\nCASE 1\nEND SELECT\n").statementBeforeCase);
    EXPECT_TRUE(scanSelectAhead("\nSELECT CASE k\nEND SELECT\nCASE 1\n").statementBeforeCase);
    EXPECT_FALSE(scanSelectAhead("\n' note\nREM x = 1\n\nCASE 1\n\tk = 1\n").statementBeforeCase);
}

TEST(SelectScanTest, TheScanEndsWithTheProcedure) {
    EXPECT_EQ(casesOf(scanSelectAhead("\nCASE 1\nEND FUNCTION\nCASE 2\n")), "1\n");
    EXPECT_EQ(casesOf(scanSelectAhead("\nCASE 1\nEnd Property\nCASE 2\n")), "1\n");
    EXPECT_EQ(casesOf(scanSelectAhead("\nCASE 1\nFUNCTION g()\nCASE 2\n")), "1\n");
    EXPECT_EQ(casesOf(scanSelectAhead("\nCASE 1\nPUBLIC STATIC FUNCTION g()\nCASE 2\n")), "1\n");
    EXPECT_EQ(casesOf(scanSelectAhead("\nCASE 1\nPRIVATE PROPERTY GET v()\nCASE 2\n")), "1\n");
    // A variable whose name starts like a keyword ends nothing.
    EXPECT_EQ(casesOf(scanSelectAhead("\nCASE 1\nFunctionCount = 2\nCASE 2\n\"unclosed\nCASE 3")),
              "1\n2\n3\n");
}

TEST(SelectScanTest, DeepNestingStopsTheScan) {
    std::string nested;
    for (int i = 0; i < 64; ++i) nested += "SELECT CASE k\n";
    for (int i = 0; i < 64; ++i) nested += "END SELECT\n";
    const SelectAhead deep = scanSelectAhead("\nCASE 1\n" + nested + "CASE 2\n");
    EXPECT_FALSE(deep.tooDeep);
    EXPECT_EQ(casesOf(deep), "1\n2\n");
    EXPECT_TRUE(scanSelectAhead("\nCASE 1\nSELECT CASE k\n" + nested + "CASE 2\n").tooDeep);
}

}  // namespace
