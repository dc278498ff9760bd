// Assignment statements and function results, translated in process: one
// source line is read and handed to translateAssignment or
// translateReturnAssignment, and the C++ text written (also by a failing
// line), the message and the token left current are compared.
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
    "USING Circle\n"
    "TYPE Point\n"
    "x AS Long\n"
    "y AS Long\n"
    "END TYPE\n"
    "TYPE Rect\n"
    "tl AS Point\n"
    "w AS Long\n"
    "END TYPE\n"
    "TYPE Label\n"
    "text AS String\n"
    "END TYPE\n"
    "DIM n AS Long\n"
    "DIM m AS Long\n"
    "DIM count AS Integer\n"
    "DIM d AS Double\n"
    "DIM s AS String\n"
    "DIM arr(10) AS Long\n"
    "DIM ip AS Long PTR\n"
    "DIM pt AS Point\n"
    "DIM pa(4) AS Point\n"
    "DIM rc AS Rect\n"
    "DIM lb AS Label\n"
    "DIM sh AS Shape PTR\n"
    "DIM other AS shape PTR\n"
    "DIM plain AS Shape\n"
    "DIM shapes() AS Shape PTR\n"
    "DIM fixed(3) AS Shape PTR\n"
    "DIM c AS Circle PTR\n"
    "FUNCTION Twice(k AS Long) AS Long\nEND FUNCTION\n"
    "FUNCTION Title() AS String\nEND FUNCTION\n"
    "FUNCTION MakePoint() AS Point PTR\nEND FUNCTION\n"
    "FUNCTION Origin() AS Point\nEND FUNCTION\n"
    "FUNCTION Handler(k AS Long) AS Long\nEND FUNCTION\n";

const char* const shapeModule =
    "CLASS Shape\n"
    "PUBLIC w AS Long\n"
    "PUBLIC link AS Shape PTR\n"
    "PUBLIC FUNCTION Area() AS Long\nEND FUNCTION\n"
    "PUBLIC STATIC FUNCTION Make() AS Long\nEND FUNCTION\n"
    "PUBLIC PROPERTY GET Width() AS Long\nEND PROPERTY\n"
    "PUBLIC PROPERTY SET Width(v AS Long)\nEND PROPERTY\n";

const char* const circleModule =
    "CLASS Circle EXTENDS Shape\n"
    "PUBLIC FUNCTION Radius() AS Long\nEND FUNCTION\n";

struct LineCase {
    const char* line;
    const char* text;   // the C++ written, also when the line fails
    const char* error;  // empty when the line translates
    const char* after;  // the token current afterwards (upper case)
};

class AssignmentTest : public DeclaredProgram {
protected:
    AssignmentTest()
        : DeclaredProgram({{"Quillkit.BAS", "FUNCTION Left(text AS String, k AS Long) AS String\nEND FUNCTION\n"},
              {"SHAPE.BAS", shapeModule},
              {"CIRCLE.BAS", circleModule},
              {"prog.bas", program}}) {
    }

    ModuleRecord* shapeModuleRecord() {
        for (const auto& m : t.modules)
            if (m->className == "Shape") return m.get();
        return nullptr;
    }

    // Opens the line on its first token and the output file.
    void start(const std::string& line, ModuleRecord* module) {
        ASSERT_FALSE(t.declarationFailed) << console.str();
        t.currentModule = module ? module : t.modules.front().get();
        t.reader.close();
        ASSERT_TRUE(t.reader.openText(line + "\n"));
        t.reader.nextToken();
        t.output.close();
        t.output.open("out.cpp");
    }

    void check(const LineCase& c, const std::function<void()>& translate, ModuleRecord* module = nullptr) {
        start(c.line, module);
        std::string message;
        try {
            translate();
        } catch (const SyntaxError& error) {
            message = error.message;
        }
        t.output.close();
        EXPECT_EQ(readFile("out.cpp"), c.text) << c.line;
        EXPECT_EQ(message, c.error) << c.line;
        if (c.error[0] == '\0') {
            EXPECT_EQ(t.reader.token, c.after) << c.line;
        }
    }
};

TEST_F(AssignmentTest, PlainTargetsAndValues) {
    const LineCase cases[] = {
        {"n = m + 1", "n=m+1", "", ""},
        {"N = COUNT", "n=(Long)count", "", ""},
        {"s = 5", "s=\"5\"", "", ""},
        {"s = \"hi\"", "s=\"hi\"", "", ""},
        {"n = (m + 1) / 2", "n=(m+1)/2", "", ""},
        {"n = m THEN", "n=m", "", "THEN"},
        {"n = \"hi\"", "n=", "Expected string for parameter ", ""},
        {"n @ 1", "n", "Expected = for assignment of variable.", ""},
        {"n = m @", "n=m", "Expected end of line.", ""},
        {"arr(n + 1) = m", "arr[n+1]=m", "", ""},
        {"n = arr(3) + arr(count)", "n=arr[3]+arr[count]", "", ""},
        {"n = arr(d)", "n=arr[", "Array index must be Long,Integer, Byte", ""},
        {"n = m(1)", "n=m", "m is not an array.", ""},
        {"n = arr(1 + 2)", "n=arr[1+2]", "", ""},
    };
    for (const LineCase& c : cases) check(c, [&] { t.translateAssignment(); });
}

TEST_F(AssignmentTest, OperatorsOfTheValue) {
    const LineCase cases[] = {
        {"n = &H1F + m", "n= 0x1F+m", "", ""},
        {"n = &hff", "n= 0xFF", "", ""},
        {"n = m & count", "n=m & (Long)count", "", ""},
        {"n = m & HFF", "n=m & ", "Syntax error.", ""},
        {"n = m >> 2", "n=m >> 2", "", ""},
        {"n = m << count", "n=m << (Long)count", "", ""},
        {"n = m > 2", "n=m>2", "", ""},
        {"n = m | 1", "n=m | 1", "", ""},
        {"n = m [OR] 1", "n=m | 1", "", ""},
        {"n = m [AND] 1", "n=m & 1", "", ""},
        {"n = m [NOT] 1", "n=m ^ 1", "", ""},
        {"n = [XOR] m", "n=", "Invalid operator ", ""},
    };
    for (const LineCase& c : cases) check(c, [&] { t.translateAssignment(); });
}

TEST_F(AssignmentTest, CallsAndAddresses) {
    const LineCase cases[] = {
        {"n = Twice(m) + 1", "n=Twice(m)+1", "", ""},
        {"s = Title()", "s=Title()", "", ""},
        {"n = ADDRESSOF handler", "n=Handler", "", ""},
        {"n = ADDRESSOF shape::make", "n=Shape::Make", "", ""},
        {"n = ADDRESSOF m", "n=", "Expected function name for AddressOf.", ""},
        {"n = ADDRESSOF Handler 1", "n=Handler", "Expected end of line.", ""},
        {"n = ADDRESSOF Shape:Make", "n=Shape", "Expected :: for static member of class ", ""},
        {"n = ADDRESSOF Shape::Nope", "n=Shape::", "Expected static function name of class ", ""},
    };
    for (const LineCase& c : cases) check(c, [&] { t.translateAssignment(); });
}

// Casts and quoting follow the member assigned, the last of a chain.
TEST_F(AssignmentTest, MemberTargets) {
    const LineCase cases[] = {
        {"pt.x = count", "pt.x=(Long)count", "", ""},
        {"rc.tl.x = count", "rc.tl.x=(Long)count", "", ""},
        {"lb.text = 5", "lb.text=\"5\"", "", ""},
        {"pa(1).y = 2", "pa[1].y=2", "", ""},
        {"pt = pa(2)", "pt=pa[2]", "", ""},
        {"n = pt.x + rc.tl.y", "n=pt.x+rc.tl.y", "", ""},
        {"pt.z = 1", "pt", "z is not a member of Point.", ""},
        {"sh.w = count", "sh->w=(Long)count", "", ""},
        {"plain.w = 1", "plain.w=1", "", ""},
        {"fixed(1).w = 1", "fixed[1]->w=1", "", ""},
        {"sh.Width = n", "sh->SetWidth(n)", "", ""},
        {"sh.Area()", "sh->Area()", "", ""},
        {"n = sh.Area() + sh.Width", "n=sh->Area()+sh->GetWidth()", "", ""},
        {"n = fixed(2).w", "n=fixed[2]->w", "", ""},
        {"other = sh", "other=sh", "", ""},
        {"n = sh.Nope", "n=sh", "Nope is not a member of class sh", ""},
    };
    for (const LineCase& c : cases) check(c, [&] { t.translateAssignment(); });
}

// NOTHING frees the object first and then clears the pointer.
TEST_F(AssignmentTest, ObjectForms) {
    const LineCase cases[] = {
        {"sh = NOTHING", "delete sh;\nsh=0", "", "NOTHING"},
        {"shapes = NOTHING", "delete [] shapes;\nshapes=0", "", "NOTHING"},
        {"fixed(1) = NOTHING", "delete fixed[1];\nfixed[1]=0", "", "NOTHING"},
        {"sh.link = NOTHING", "delete sh->link;\nsh->link=0", "", "NOTHING"},
        {"sh = NEW Shape", "sh=new Shape", "", ""},
        {"sh = NEW shape", "sh=new Shape", "", ""},
        {"ip = NEW Long", "ip=new Long", "", ""},
        {"shapes = NEW Shape(10)", "shapes=new Shape*[10]", "", ""},
        {"shapes = NEW Shape", "shapes=new Shape", "expected ( for creating array of pointers", ""},
        {"fixed(1) = NEW Shape", "fixed[1]=new Shape", "", ""},
        {"sh = NEW Thing", "sh=new ", "Expected class name for new ", ""},
        {"sh = NEW Shape 5", "sh=new Shape", "Expected end of line.", ""},
        {"c = CLASSCAST(sh)", "c=static_cast<Circle*>(sh)", "", ""},
        {"c = CLASSCAST(fixed(2))", "c=static_cast<Circle*>(fixed[2])", "", ""},
        {"plain = CLASSCAST(sh)", "plain=", "Expected assignment to class pointer.", ""},
        {"c = CLASSCAST sh", "c=", "Expected ( for opening of  function call.", ""},
        {"c = CLASSCAST(n)", "c=", "Expected a class variable for ClassCast.", ""},
        {"c = CLASSCAST(fixed(@))", "c=static_cast<Circle*>(fixed[", "Syntax error.", ""},
        {"c = CLASSCAST(fixed(2 n", "c=static_cast<Circle*>(fixed[2", "Expected ) for closing of array index", ""},
        {"c = CLASSCAST(sh", "c=static_cast<Circle*>(sh", "Expected ) for closing of function call.", ""},
        {"c = CLASSCAST(sh) 1", "c=static_cast<Circle*>(sh", "Expected end of line.", ""},
    };
    for (const LineCase& c : cases) check(c, [&] { t.translateAssignment(); });
}

TEST_F(AssignmentTest, FunctionResults) {
    const LineCase cases[] = {
        {"Twice = n + 1", "return n+1", "", ""},
        {"TWICE = Twice(n - 1)", "return Twice(n - 1)", "", ""},
        {"Twice = arr(2) [NOT] m", "return arr[2] ^ m", "", ""},
        {"Twice = ADDRESSOF Handler", "return (Long)Handler", "", ""},
        {"Twice = ADDRESSOF n", "return (Long)", "Expected function name for AddressOf.", ""},
        {"Twice = ADDRESSOF Handler n", "return (Long)Handler", "Expected end of line.", ""},
        {"Twice = \"x\"", "return ", "Expected string for parameter.", ""},
        {"Twice = m(2)", "return m", "m is not an array.", ""},
        {"Twice = arr(d)", "return arr[", "Array index must be Long,Integer, Byte", ""},
        {"Twice = (n + 1) * 2", "return (n+1)*2", "", ""},
        {"Twice = 2.5 * n", "return 2.5*n", "", ""},
        {"Twice = 2. * n", "return ", "Expected digits after the decimal point.", ""},
        {"Twice = # n", "return ", "Syntax error.", ""},
        {"Twice = [XOR] n", "return ", "Invalid operator ", ""},
        {"Title = \"x\"", "return \"x\"", "", ""},
        {"Title = 5", "return \"5\"", "", ""},
        {"MakePoint = pt", "return (Point*)&pt", "", ""},
        {"Origin = pt", "return pt", "", ""},
        {"Twice = pt.x", "return pt.x", "", ""},
        {"Twice = pt", "return &pt", "", ""},
        // Without "=" the procedure calls itself.
        {"Twice(n - 1)", "Twice(n - 1)", "", ""},
        {"twice n", "Twice(n)", "", ""},
        {"Twice", "Twice(", "Twice takes 1 argument, not 0.", ""},
    };
    for (const LineCase& c : cases) check(c, [&] { t.translateReturnAssignment(); });
}

// Inside a class: a method's result and a property's GET accessor.
TEST_F(AssignmentTest, ResultsInAClass) {
    const LineCase cases[] = {
        {"Area = w * 2", "return w*2", "", ""},
        {"width = w", "return w", "", ""},
        {"Width = \"x\"", "return ", "Expected string for parameter.", ""},
        {"Area()", "Area()", "", ""},
    };
    for (const LineCase& c : cases) check(c, [&] { t.translateReturnAssignment(); }, shapeModuleRecord());
}

// Through the conversion pass: indentation, terminators, the end of the
// line, a procedure that calls itself, and recovery after a failed line.
TEST_F(AssignmentTest, StatementsInAProgram) {
    Translator run(console);
    run.sourceTexts = t.sourceTexts;
    run.sourceTexts["prog.bas"] = std::string(program) +
                              "FUNCTION Walk(k AS Long) AS Long\n"
                              "\t\tIF k > 0 THEN\n"
                              "\t\t\twalk(k - 1)\n"
                              "\t\tEND IF\n"
                              "\t\tWalk = k + 1\n"
                              "\t\tsh = NOTHING\n"
                              "\t\tshapes = NOTHING\n"
                              "\t\tn = \"x\"\n"
                              "\t\tK = count\n"
                              "END FUNCTION\n";
    run.convertOnly = true;
    run.runDeclarationPass("prog.bas");
    ASSERT_FALSE(run.declarationFailed) << console.str();
    run.finishRun("prog.bas");
    const std::string cpp = readFile(dir.file("prog.cpp"));
    // Two tabs are one tab of indentation; the function result writes the
    // indentation once more in front of "return ".
    const char* const body =
        "Long Walk (Long k){\n"
        "\tif(k>0){\n"
        "\t\tWalk(k - 1);\n"
        "\t}\n"
        "\n"
        "\t\treturn k+1;\n"
        "\tdelete sh;\n\tsh=0;\n"
        "\n"
        "\tdelete [] shapes;\n\tshapes=0;\n"
        "\n"
        "\tn=\tk=(Long)count;\n"
        "}\n";
    EXPECT_NE(cpp.find(body), std::string::npos) << cpp;
    EXPECT_NE(console.str().find("prog.bas:48:error: \"x\" Expected string for parameter \n"), std::string::npos)
        << console.str();
}

}  // namespace
