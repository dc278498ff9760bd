// The two report formats, byte for byte, and the recovery that skips the
// rest of a failed statement.
#include <gtest/gtest.h>

#include <sstream>

#include "driver/translator.h"
#include "source/syntax_error.h"
#include "test_files.h"

namespace {

struct Reporting : ::testing::Test {
    std::ostringstream console;
    Translator t{console};
    ModuleRecord module{"m.bas"};

    void SetUp() override {
        t.scannedModule = &module;
        t.currentModule = &module;
    }
    // Puts the reader on token number `index` (0-based) of the source.
    void readTo(const std::string& source, int index) {
        ASSERT_TRUE(t.reader.openText(source));
        for (int i = 0; i <= index; ++i) t.reader.nextToken();
    }
};

TEST_F(Reporting, FormatsOfBothPasses) {
    t.reader.line = 12;
    t.reader.column = 9;
    t.reader.tokenAsWritten = "AS";
    t.reportDeclarationError("Expected end of line.");
    t.reportConversionError("Expected end of line.");
    EXPECT_EQ(console.str(),
              "Error in m.bas - Line:12,char:7 Expected end of line. >>AS\n"
              "m.bas:12:error: AS Expected end of line.\n");
    EXPECT_TRUE(t.declarationFailed);
    EXPECT_TRUE(t.hasErrors);
}

TEST_F(Reporting, ErrorRaisedByTheReaderHasNoToken) {
    ASSERT_TRUE(t.reader.openText("x = \"open\nnext\n"));
    t.reader.nextToken();
    t.reader.nextToken();
    try {
        t.reader.nextToken();
        FAIL() << "the literal has no closing quote";
    } catch (const SyntaxError& error) {
        t.reportDeclarationError(error.message);
        t.reportConversionError(error.message);
    }
    const std::string message =
        "Syntax error, no matching quote in statement. Note:Double quotes cannot be used inside double "
        "quotes. Use Chr(34) instead.";
    EXPECT_EQ(console.str(), "Error in m.bas - Line:1,char:10 " + message + " >>\n" +
                                 "m.bas:1:error:  " + message + "\n");
    // The recovery left the next line alone.
    t.reader.nextToken();
    EXPECT_EQ(t.reader.token, "NEXT");
    EXPECT_EQ(t.reader.line, 2);
}

TEST_F(Reporting, ReportNamesTheModuleOfItsPass) {
    ModuleRecord other("OTHER.BAS");
    t.scannedModule = &other;
    t.reader.line = 3;
    t.reader.column = 1;
    t.reportDeclarationError("Expected class identifier.");
    t.reportConversionError("x");
    EXPECT_EQ(console.str(),
              "Error in OTHER.BAS - Line:3,char:1 Expected class identifier. >>\n"
              "m.bas:3:error:  x\n");
}

TEST_F(Reporting, SkipReadsToTheEndOfTheStatementOnly) {
    readTo("a b c d\ne\n", 1);
    ASSERT_EQ(t.reader.token, "B");
    t.skipToStatementEnd();
    EXPECT_TRUE(t.reader.lineEnded);
    t.reader.nextToken();
    EXPECT_EQ(t.reader.token, "E");
    // Already at the end of a line: nothing more is skipped.
    t.reader.nextToken();
    ASSERT_TRUE(t.reader.lineEnded);
    t.skipToStatementEnd();
    EXPECT_FALSE(t.reader.atEof);
}

TEST_F(Reporting, SkipSurvivesASecondUnclosedLiteral) {
    readTo("a \"x\"\"y \"z\nnext\n", 0);
    t.skipToStatementEnd();
    EXPECT_TRUE(t.reader.lineEnded);
    t.reader.nextToken();
    EXPECT_EQ(t.reader.token, "NEXT");
}

TEST_F(Reporting, SkipStopsAtEndOfFile) {
    readTo("a b \"c", 0);
    t.skipToStatementEnd();
    t.skipToStatementEnd();
    t.reader.nextToken();
    EXPECT_TRUE(t.reader.atEof);
}

TEST_F(Reporting, CommentAfterStatementDoesNotSwallowNextLine) {
    readTo("DIM x AS Long ' counter\nx = 1\n", 3);
    ASSERT_EQ(t.reader.token, "LONG");
    t.reader.nextToken();
    EXPECT_TRUE(t.reader.lineEnded);
    t.skipToStatementEnd();
    t.reader.nextToken();
    EXPECT_EQ(t.reader.token, "X");
    EXPECT_EQ(t.reader.line, 2);
}

}  // namespace
