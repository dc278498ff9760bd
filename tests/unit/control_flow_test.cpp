// Heads of IF, WHILE and FOR lines, translated in process: one source line
// is read from its keyword and handed to its translator, and the C++ text
// written (also by a failing line), the message and the token left current
// are compared.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <sstream>

#include "driver/translator.h"
#include "source/syntax_error.h"
#include "test_files.h"

namespace {

const char* const program =
    "USING Shape\n"
    "TYPE Point\n"
    "x AS Long\n"
    "y AS Long\n"
    "END TYPE\n"
    "TYPE Rect\n"
    "tl AS Point\n"
    "END TYPE\n"
    "DIM n AS Long\n"
    "DIM m AS Long\n"
    "DIM count AS Integer\n"
    "DIM d AS Double\n"
    "DIM s AS String\n"
    "DIM arr(10) AS Long\n"
    "DIM pt AS Point\n"
    "DIM rc AS Rect\n"
    "DIM sh AS Shape PTR\n"
    "DIM plain AS Shape\n"
    "DIM fixed(3) AS Shape PTR\n"
    "FUNCTION Twice(k AS Long) AS Long\nEND FUNCTION\n";

const char* const shapeModule =
    "CLASS Shape\n"
    "PUBLIC w AS Long\n"
    "PUBLIC FUNCTION Area() AS Long\nEND FUNCTION\n"
    "PUBLIC PROPERTY GET Width() AS Long\nEND PROPERTY\n"
    "PUBLIC PROPERTY SET Width(v AS Long)\nEND PROPERTY\n";

struct HeadCase {
    const char* line;
    const char* text;   // the C++ written, also when the line fails
    const char* error;  // empty when the line translates
};

enum class In { Program, Shape };

class ControlFlowTest : public DeclaredProgram {
protected:
    ControlFlowTest()
        : DeclaredProgram({{"Quillkit.BAS", "FUNCTION Left(text AS String, k AS Long) AS String\nEND FUNCTION\n"},
              {"SHAPE.BAS", shapeModule},
              {"prog.bas", program}}) {
    }

    ModuleRecord* module(In which) {
        for (const auto& m : t.modules)
            if ((which == In::Shape) == (m->className == "Shape")) return m.get();
        return nullptr;
    }

    // The line is read from its keyword on.
    std::pair<std::string, std::string> translate(const std::string& line, const std::function<void()>& head,
                                                  In which = In::Program) {
        EXPECT_FALSE(t.declarationFailed) << console.str();
        t.currentModule = module(which);
        t.reader.close();
        EXPECT_TRUE(t.reader.openText(line + "\nn = 1\n"));
        t.reader.nextToken();
        t.output.close();
        t.output.open("out.cpp");
        std::string message;
        try {
            head();
        } catch (const SyntaxError& error) {
            message = error.message;
        }
        t.output.close();
        return {readFile("out.cpp"), message};
    }

    // A head that translates reads its whole line and nothing of the next.
    void check(const HeadCase& c, const std::function<void()>& head, In which = In::Program) {
        const auto result = translate(c.line, head, which);
        EXPECT_EQ(result.first, c.text) << c.line;
        EXPECT_EQ(result.second, c.error) << c.line;
        if (c.error[0] == '\0') {
            EXPECT_TRUE(t.reader.lineEnded) << c.line;
            EXPECT_EQ(t.reader.line, 1) << c.line;
        }
    }
};

TEST_F(ControlFlowTest, IfConditions) {
    const HeadCase cases[] = {
        {"IF n = 1 AND m <> count THEN", "if(n==1 && m!=count)", ""},
        {"if N = 1 or M = 2 then", "if(n==1 || m==2)", ""},
        {"IF (n = 1) THEN", "if((n==1))", ""},
        {"IF n THEN", "if(n)", ""},
        {"IF n <= m THEN", "if(n<=m)", ""},
        {"IF n >= m THEN", "if(n>=m)", ""},
        {"IF n < m THEN", "if(n<m)", ""},
        {"IF n > -1 THEN", "if(n>-1)", ""},
        {"IF n < -1 THEN", "if(n<-1)", ""},
        {"IF n [AND] m THEN", "if(n&m)", ""},
        {"IF n [OR] m = 0 THEN", "if(n|m==0)", ""},
        {"IF n [XOR] m THEN", "if(n", "Invalid boolean operator in if statement."},
        {"IF TRUE THEN", "if(true)", ""},
        {"IF n = FALSE THEN", "if(n==false)", ""},
        {"IF s = \"a\" OR 1 THEN", "if(s==\"a\" || 1)", ""},
        {"IF WEND THEN", "if(", "Syntax error."},
        {"IF n = 1 m = 2", "if(n==1)", "Expected \"Then\"."},
    };
    for (const HeadCase& c : cases) check(c, [&] { t.translateIfCondition(); });
}

// Parentheses are copied where they stand; the one around the whole
// condition stays as an extra pair.
TEST_F(ControlFlowTest, IfParentheses) {
    const HeadCase cases[] = {
        {"IF (n = 1) AND (m = 2) THEN", "if((n==1) && (m==2))", ""},
        {"IF ((n + 1) * 2) = m THEN", "if(((n+1)*2)==m)", ""},
        {"IF n = ((m)) THEN", "if(n==((m)))", ""},
        {"IF n = -1 THEN", "if(n==-1)", ""},
        {"IF -n < 2.5 THEN", "if(-n<2.5)", ""},
        {"IF n = - - 1 THEN", "if(n==-", "Syntax error."},
        {"IF (n = (m + 1)) THEN", "if((n==(m+1)))", ""},
        // A word the condition cannot continue with ends it; an open "(" is then reported.
        {"IF n = (m + 1 THEN", "if(n==(m+1", "Expected )"},
        {"IF (n + 1) FOO 2 = 0 THEN", "if((n+1))", "Expected \"Then\"."},
        {"IF n = 1 FOO THEN", "if(n==1)", "Expected \"Then\"."},
        {"IF n = (m + 1", "if(n==(m+1", "Expected )"},
    };
    for (const HeadCase& c : cases) check(c, [&] { t.translateIfCondition(); });
}

TEST_F(ControlFlowTest, IfOperandsWithIndexesAndMembers) {
    const HeadCase cases[] = {
        {"IF arr(count) = 1 THEN", "if(arr[count]==1)", ""},
        {"IF arr(d) = 1 THEN", "if(arr[", "Array index must be Long,Integer, Byte"},
        {"IF n(1) = 1 THEN", "if(n[", "n is not an array."},
        {"IF arr(1 THEN", "if(arr[1", "Expected )"},
        {"IF Twice(n) = 2 THEN", "if(Twice(n)==2)", ""},
        {"IF pt.x = 1 AND rc.tl.y > 0 THEN", "if(pt.x==1 && rc.tl.y>0)", ""},
        {"IF sh.w = 1 THEN", "if(sh->w==1)", ""},
        {"IF plain.w = 1 THEN", "if(plain.w==1)", ""},
        {"IF fixed(1).w = 1 THEN", "if(fixed[1]->w==1)", ""},
        {"IF sh.Area() > 1 THEN", "if(sh->Area()>1)", ""},
        {"IF sh.Width = 3 THEN", "if(sh->GetWidth()==3)", ""},
        {"IF sh.Nope = 3 THEN", "if(sh", "Nope is not a member of class sh"},
    };
    for (const HeadCase& c : cases) check(c, [&] { t.translateIfCondition(); });
}

// Inside the class its own property is read through the GET accessor.
TEST_F(ControlFlowTest, PropertyInConditionIsRead) {
    check({"IF Width > 0 THEN", "if(GetWidth()>0)", ""}, [&] { t.translateIfCondition(); }, In::Shape);
    check({"WHILE Width < w", "while(GetWidth()<w)", ""}, [&] { t.translateWhileCondition(); }, In::Shape);
}

TEST_F(ControlFlowTest, WhileConditions) {
    const HeadCase cases[] = {
        {"WHILE n < m", "while(n<m)", ""},
        {"WHILE n > m", "while(n>m)", ""},
        {"WHILE n >= m", "while(n>=m)", ""},
        {"WHILE n <> m AND m = 1", "while(n!=m && m==1)", ""},
        {"while n = 1 or TRUE", "while(n==1 || true)", ""},
        {"WHILE (n < m)", "while(n<m)", ""},
        {"WHILE (n < m) AND (m < 5)", "while((n<m) && (m<5))", ""},
        {"WHILE (n + 1) * 2 > m", "while((n+1)*2>m)", ""},
        {"WHILE s <> \"x\"", "while(s!=\"x\")", ""},
        {"WHILE n < -1", "while(n<-1)", ""},
        {"WHILE arr(n) > 0", "while(arr[n]>0)", ""},
        {"WHILE n(1) > 0", "while(n[", "n is not an array."},
        {"WHILE Twice(n) > 0", "while(Twice(n)>0)", ""},
        {"WHILE sh.w > pt.x", "while(sh->w>pt.x)", ""},
        {"WHILE n [AND] m", "while(n)", "Expected end of line."},
        {"WHILE WEND", "while()", "Expected end of line."},
        {"WHILE (n < (m", "while(n<(m", "Expected )"},
        {"WHILE (n) BAR 3", "while((n))", "Expected end of line."},
        {"WHILE n - -1 > 0", "while(n- -1>0)", ""},
    };
    for (const HeadCase& c : cases) check(c, [&] { t.translateWhileCondition(); });
}

TEST_F(ControlFlowTest, ForHeads) {
    const HeadCase cases[] = {
        {"FOR n = 1 TO m", "for (n=1;n<=m;n=n+1)", ""},
        {"FOR n = m TO 1 STEP -2", "for (n=m;n>=1;n=n-(2))", ""},
        {"FOR n = 1 TO m + 1", "for (n=1;n<=m+1;n=n+1)", ""},
        {"FOR n = count * 2 TO 10 STEP +count", "for (n=count*2;n<=10;n=n+(count))", ""},
        {"for N = 1 to M step - M / 2", "for (n=1;n>=m;n=n-(m/2))", ""},
        {"FOR x = 1 TO 5", "", "Unknown identifier in for loop."},
        {"FOR n 1 TO 5", "for (n", "Expected =."},
        {"FOR n = 1 UNTIL 5", "for (n=", "Expected \"To\"."},
        {"FOR n = \"a\" TO 5", "for (n=", "Expected identifier or value for start of loop."},
        {"FOR n = 1 TO 5 STEP 2", "for (n=1;n<=5;n=n+(2))", ""},
        {"FOR n = m STEP 2", "for (n=", "Expected \"To\"."},
        {"FOR n = arr(m - 1) TO Twice(m) STEP count", "for (n=arr[m-1];(count)>=0?n<=Twice(m):n>=Twice(m);n=n+(count))", ""},
        {"FOR n = pt.x TO d * 2", "for (n=pt.x;n<=d*2;n=n+1)", ""},
        {"FOR n = 1 TO Twice(m", "for (n=", "Expected )"},
        {"FOR n = 1 TO 5 STEP", "for (n=", "Expected identifier or value for start of loop."},
        {"FOR n = 1 TO 5 n", "for (n=", "Expected end of line."},
    };
    for (const HeadCase& c : cases) check(c, [&] { t.translateForHeader(); });
}

// Failing heads stop at the end of their own line, however they fail.
TEST_F(ControlFlowTest, FailingHeadsStayOnTheirLine) {
    const char* const lines[] = {"IF n = 1 m", "IF (n = 1", "IF n <", "WHILE (n", "WHILE n AND", "FOR n = 1 TO 5 STEP"};
    for (const char* line : lines) {
        translate(line, [&] {
            if (line[0] == 'I')
                t.translateIfCondition();
            else if (line[0] == 'W')
                t.translateWhileCondition();
            else
                t.translateForHeader();
        });
        EXPECT_EQ(t.reader.line, 1) << line;
    }
}

// Thousands of parentheses are counted, not recursed into.
TEST_F(ControlFlowTest, DeepParentheses) {
    const std::string open(5000, '('), close(5000, ')');
    std::pair<std::string, std::string> result;
    result = translate("IF n = " + open + "m" + close + " THEN", [&] { t.translateIfCondition(); });
    EXPECT_EQ(result.first, "if(n==" + open + "m" + close + ")");
    EXPECT_EQ(result.second, "");
    result = translate("WHILE n < " + open + "m", [&] { t.translateWhileCondition(); });
    EXPECT_EQ(result.first, "while(n<" + open + "m");
    EXPECT_EQ(result.second, "Expected )");
    EXPECT_EQ(t.reader.line, 1);
}

// Through the conversion pass: the heads inside their blocks, and a failed
// head reported while the next line converts.
TEST_F(ControlFlowTest, HeadsInAProgram) {
    Translator run(console);
    run.sourceTexts = t.sourceTexts;
    run.sourceTexts["prog.bas"] = std::string(program) +
                              "FUNCTION Main()\n"
                              "\t\tIF n = 1 THEN\n"
                              "\t\t\tn = 2\n"
                              "\t\tEND IF\n"
                              "\t\tWHILE n < 5\n"
                              "\t\t\tn = n + 1\n"
                              "\t\tWEND\n"
                              "\t\tFOR n = 1 TO 3\n"
                              "\t\tNEXT n\n"
                              "\t\tIF n [XOR] m THEN\n"
                              "\t\tm = 1\n"
                              "END FUNCTION\n";
    run.convertOnly = true;
    run.runDeclarationPass("prog.bas");
    ASSERT_FALSE(run.declarationFailed) << console.str();
    run.finishRun("prog.bas");
    const std::string cpp = readFile(dir.file("prog.cpp"));
    const char* const body =
        "Void Main (){\n"
        "\tif(n==1){\n"
        "\t\tn=2;\n"
        "\t}\n\n"
        "\twhile(n<5){\n"
        "\t\tn=n+1;\n"
        "\t}\n"
        "\tfor (n=1;n<=3;n=n+1)\t{\n"
        "\t}//closing loop\n\n"
        "\tif(n\tm=1;\n"
        "}\n";
    EXPECT_NE(cpp.find(body), std::string::npos) << cpp;
    EXPECT_NE(console.str().find("prog.bas:31:error: XOR Invalid boolean operator in if statement.\n"),
              std::string::npos)
        << console.str();
}

}  // namespace
