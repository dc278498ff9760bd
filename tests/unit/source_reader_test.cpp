// The token stream: every token with both letter-case forms, its line and
// column, and the kind flags, for the reader's edge cases.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "source/source_reader.h"
#include "source/syntax_error.h"
#include "test_files.h"

namespace {

// One token as "TOKEN|asWritten L<line> C<column>" plus its flags:
// S string, N number, D all digits, O operator, E line ended, F end of file,
// and "!" for a token that raised a syntax error.
std::string describe(const SourceReader& r, bool failed) {
    std::string text = r.token + "|" + r.tokenAsWritten + " L" + std::to_string(r.line) + " C" +
                       std::to_string(r.column);
    std::string flags;
    if (r.isString) flags += 'S';
    if (r.isNumber) flags += 'N';
    if (r.allDigits) flags += 'D';
    if (r.isOperator) flags += 'O';
    if (r.lineEnded) flags += 'E';
    if (r.atEof) flags += 'F';
    if (failed) flags += '!';
    if (!flags.empty()) text += " " + flags;
    return text;
}

std::vector<std::string> tokensOf(const std::string& source) {
    TempDir dir;
    SourceReader reader;
    EXPECT_TRUE(reader.open(dir.write("m.bas", source)));
    std::vector<std::string> seen;
    for (int guard = 0; guard < 1000000; ++guard) {
        bool failed = false;
        try {
            reader.nextToken();
        } catch (const SyntaxError&) {
            failed = true;
        }
        seen.push_back(describe(reader, failed));
        if (reader.atEof) break;
    }
    reader.close();
    return seen;
}

struct ReaderCase {
    const char* name;
    std::string source;
    std::vector<std::string> tokens;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }

class ReaderTokens : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderTokens, DeliversExpectedStream) {
    EXPECT_EQ(tokensOf(GetParam().source), GetParam().tokens);
}

const ReaderCase readerCases[] = {
    {"LowerCaseStatement", "x = y + 1\n",
     {"X|x L1 C2", "=|= L1 C4", "Y|y L1 C6", "+|+ L1 C7 O", "1|1 L1 C9 ND", "| L1 C9 E", "| L1 C9 EF"}},
    {"StringLiteralKeepsCaseInWrittenForm", "s = \"Hi there\"\n",
     {"S|s L1 C2", "=|= L1 C4", "\"HI THERE\"|\"Hi there\" L1 C14 S", "| L1 C14 E", "| L1 C14 EF"}},
    {"CommentOnlyLineCountsOnce", "' note\nx\n",
     {"| L2 C1", "X|x L2 C2", "| L2 C2 E", "| L2 C2 EF"}},
    {"CommentAfterStatementEndsIt", "x = 1 ' reset\ny\n",
     {"X|x L1 C2", "=|= L1 C4", "1|1 L1 C6 ND", "| L1 C1 E", "Y|y L2 C2", "| L2 C2 E", "| L2 C2 EF"}},
    {"CommentAfterStatementAtEndOfFile", "x ' c",
     {"X|x L1 C2", "| L1 C1 E", "| L1 C1 EF"}},
    {"DecimalNumberIsThreeTokens", "3.14\n",
     {"3|3 L1 C2 ND", ".|. L1 C3", "14|14 L1 C5 ND", "| L1 C5 E", "| L1 C5 EF"}},
    {"NumberRunsOnThroughLetters", "1E5 12a_b\n",
     {"1E5|1E5 L1 C4 N", "12A_B|12a_b L1 C10 N", "| L1 C10 E", "| L1 C10 EF"}},
    {"UnderscoreAloneIsAName", "_\n", {"_|_ L1 C2", "| L1 C2 E", "| L1 C2 EF"}},
    {"EmptyLineIsOneEndToken", "\n\nx\n",
     {"| L1 C1 E", "| L2 C1 E", "X|x L3 C2", "| L3 C2 E", "| L3 C2 EF"}},
    {"TwoCharacterOperatorsAreTwoTokens", "<>\n", {"<|< L1 C2", ">|> L1 C3", "| L1 C3 E", "| L1 C3 EF"}},
    {"ParenthesesAndOperatorsLeaveColumnShort", "(a)\n",
     {"(|( L1 C1", "A|a L1 C2", ")|) L1 C2", "| L1 C2 E", "| L1 C2 EF"}},
    {"CommaAndDotAdvanceColumn", "a,b.c\n",
     {"A|a L1 C2", ",|, L1 C3", "B|b L1 C4", ".|. L1 C5", "C|c L1 C6", "| L1 C6 E", "| L1 C6 EF"}},
    {"BlankLineWithTrailingBlanks", "   \nx\n",
     {"| L1 C1 E", "X|x L2 C2", "| L2 C2 E", "| L2 C2 EF"}},
    {"LastLineWithoutLineFeed", "x = ab",
     {"X|x L1 C2", "=|= L1 C4", "AB|ab L1 C7", "| L1 C7 E", "| L1 C7 EF"}},
    {"LastNumberWithoutLineFeed", "n = 12",
     {"N|n L1 C2", "=|= L1 C4", "12|12 L1 C7 ND", "| L1 C7 E", "| L1 C7 EF"}},
    {"CarriageReturnLineFeedReadsAsLineFeed", "x\r\ny\r\n",
     {"X|x L1 C2", "| L1 C2 E", "Y|y L2 C2", "| L2 C2 E", "| L2 C2 EF"}},
    {"LoneCarriageReturnIsAToken", "a\rb\n",
     {"A|a L1 C2", "\r|\r L1 C3", "B|b L1 C4", "| L1 C4 E", "| L1 C4 EF"}},
    {"UnclosedLiteralEndsItsLine", "x = \"abc\ny\n",
     {"X|x L1 C2", "=|= L1 C4", "\"abc| L1 C9 SE!", "Y|y L2 C2", "| L2 C2 E", "| L2 C2 EF"}},
    {"UnclosedLiteralAtEndOfFile", "x = \"abc",
     {"X|x L1 C2", "=|= L1 C4", "\"abc| L1 C9 SE!", "| L1 C9 EF"}},
    {"DoubledQuoteIsAnError", "\"a\"\"b\n",
     {"\"a\"| L1 C3 S!", "B|b L1 C4", "| L1 C4 E", "| L1 C4 EF"}},
    {"ByteOrderMarkIsSkipped", "\xEF\xBB\xBFx\r\ny\r\n",
     {"X|x L1 C2", "| L1 C2 E", "Y|y L2 C2", "| L2 C2 E", "| L2 C2 EF"}},
    {"ByteOrderMarkAlone", "\xEF\xBB\xBF", {"| L0 C1 EF"}},
    {"EmptyFile", "", {"| L0 C1 EF"}},
    {"OnlyBlanksAtEndOfFile", "x\n  ", {"X|x L1 C2", "| L1 C2 E", "| L2 C1 E", "| L2 C1 EF"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ReaderTokens, ::testing::ValuesIn(readerCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Tabs skipped before the first token: the blank that starts a run is not gathered.
TEST(ReaderIndent, GathersTabsAfterTheFirstBlank) {
    struct Case {
        std::string source;
        std::string indent;
    } cases[] = {
        {"\t\tIF\n", "\t"}, {"\t IF\n", ""}, {"  \tIF\n", "\t"}, {"IF\n", ""}, {"\t\t\tIF\n", "\t\t"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        SourceReader reader;
        ASSERT_TRUE(reader.open(dir.write("m.bas", c.source)));
        reader.nextToken();
        EXPECT_EQ(reader.token, "IF") << c.source;
        EXPECT_EQ(reader.indent, c.indent) << "source: " << testing::PrintToString(c.source);
    }
}

TEST(ReaderPushBack, RedeliversTokenAndKeepsPreviousToken) {
    TempDir dir;
    SourceReader reader;
    ASSERT_TRUE(reader.open(dir.write("m.bas", "a b c\n")));
    reader.nextToken();
    reader.nextToken();
    ASSERT_EQ(reader.token, "B");
    reader.pushBack();
    reader.pushBack();  // one level only
    reader.nextToken();
    EXPECT_EQ(reader.token, "B");
    EXPECT_EQ(reader.previousToken(), "A");
    reader.nextToken();
    EXPECT_EQ(reader.token, "C");
    EXPECT_EQ(reader.previousToken(), "B");
}

TEST(ReaderOpen, FailsForMissingFileAndWhileAFileIsOpen) {
    TempDir dir;
    SourceReader reader;
    EXPECT_FALSE(reader.open(dir.file("missing.bas")));
    ASSERT_TRUE(reader.open(dir.write("a.bas", "a\n")));
    EXPECT_FALSE(reader.open(dir.write("b.bas", "b\n")));
    reader.close();
    ASSERT_TRUE(reader.open(dir.file("b.bas")));
    reader.nextToken();
    EXPECT_EQ(reader.token, "B");
    EXPECT_EQ(reader.line, 1);
}

TEST(ReaderOpen, ReopeningResetsPositionForTheNextModule) {
    TempDir dir;
    SourceReader reader;
    ASSERT_TRUE(reader.open(dir.write("a.bas", "a\nb\nc")));
    while (!reader.atEof) reader.nextToken();
    reader.close();
    ASSERT_TRUE(reader.open(dir.write("b.bas", "z\n")));
    reader.nextToken();
    EXPECT_EQ(reader.token, "Z");
    EXPECT_EQ(reader.line, 1);
    EXPECT_FALSE(reader.atEof);
    EXPECT_EQ(reader.previousToken(), "");  // the last token of a.bas was the empty end token
}

// A text kept by closeKeepingText is read again only while its file is as it was.
TEST(ReaderOpen, KeptTextServesTheNextOpenOfAnUnchangedFile) {
    TempDir dir;
    SourceReader reader;
    const std::string name = dir.write("a.bas", "\xEF\xBB\xBFone\r\ntwo");
    ASSERT_TRUE(reader.open(name));
    reader.closeKeepingText();
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(reader.open(name));
        std::string tokens;
        while (!reader.atEof) {
            reader.nextToken();
            tokens += reader.tokenAsWritten + "|";
        }
        EXPECT_EQ(tokens, "one||two|||");
        reader.closeKeepingText();
    }
    // A file of another size since (as when a module's own output replaced
    // it) is read again.
    dir.write("a.bas", "three\n");
    ASSERT_TRUE(reader.open(name));
    reader.nextToken();
    EXPECT_EQ(reader.tokenAsWritten, "three");
    reader.close();
    // Nothing is kept by close(), nor for a file that is gone.
    std::filesystem::remove(name);
    EXPECT_FALSE(reader.open(name));
}

// A module is mapped where it can be and read whole where it cannot (a
// text to prepare, a size of whole pages): the tokens are the same either
// way, however far the reader gives mapped pages back behind it.
TEST(ReaderOpen, MappedAndHeldTextsGiveTheSameTokens) {
    std::string lines;
    for (int i = 0; lines.size() < 700000; ++i) lines += "x" + std::to_string(i) + " = \"s\" & y(1) ' c\n";
    const std::string wholePages = lines.substr(0, 8191) + "\n";
    for (const std::string& source : {lines, wholePages, lines + "tail"}) {
        SourceReader held;
        ASSERT_TRUE(held.openText(source));
        std::vector<std::string> expected;
        do {
            held.nextToken();
            expected.push_back(describe(held, false));
        } while (!held.atEof);
        EXPECT_EQ(tokensOf(source), expected) << source.size() << " bytes";
    }
}

// Content that must never crash or hang the reader.
TEST(ReaderBadInput, EndsOnAnyBytes) {
    std::string nul("a\0b\n", 4);
    std::string high = "x = \xC3\xA9\xFF\n";
    std::string longName(200000, 'q');
    std::string longLiteral = "\"" + std::string(100000, 'z');
    std::string manyQuotes(5000, '"');
    for (const std::string& source : {nul, high, longName, longLiteral, manyQuotes, std::string("\r"),
                                      std::string("'"), std::string("\""), std::string("\t")}) {
        std::vector<std::string> seen = tokensOf(source);
        ASSERT_FALSE(seen.empty());
        EXPECT_NE(seen.back().find('F'), std::string::npos);
    }
}

TEST(ReaderBadInput, NulAndHighBytesAreSingleCharacterTokens) {
    EXPECT_EQ(tokensOf(std::string("a\0b\n", 4)),
              (std::vector<std::string>{"A|a L1 C2", std::string("\0|\0 L1 C3", 9), "B|b L1 C4",
                                        "| L1 C4 E", "| L1 C4 EF"}));
    EXPECT_EQ(tokensOf("\xE9x\n"),
              (std::vector<std::string>{"\xE9|\xE9 L1 C2", "X|x L1 C3", "| L1 C3 E", "| L1 C3 EF"}));
}

TEST(ReaderBadInput, LongNameIsOneToken) {
    std::string name(100000, 'n');
    TempDir dir;
    SourceReader reader;
    ASSERT_TRUE(reader.open(dir.write("m.bas", name + " x")));
    reader.nextToken();
    EXPECT_EQ(reader.tokenAsWritten, name);
    EXPECT_EQ(reader.column, 100001);
}

}  // namespace
