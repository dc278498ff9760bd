// Calls and their arguments, translated in process: one source line is read
// and handed to translateCall, and the written C++ text, the message and
// the token left current are compared with what the line must give.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <tuple>
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
    "DIM n AS Long\n"
    "DIM m AS Long\n"
    "DIM count AS Integer\n"
    "DIM d AS Double\n"
    "DIM s AS String\n"
    "DIM arr(10) AS Long\n"
    "DIM pt AS Point\n"
    "DIM pa(4) AS Point\n"
    "DIM sh AS Shape PTR\n"
    "DIM shapes(3) AS Shape\n"
    "DIM other AS shape\n"
    "DECLARE FUNCTION MessageBox ALIAS \"MessageBoxA\" LIB \"user32.dll\" "
    "(h AS Long, text AS String, caption AS String, flags AS Long) AS Long\n"
    "FUNCTION Foo(a AS Long, b AS Long) AS Long\nEND FUNCTION\n"
    "FUNCTION Bar(x AS Long) AS Long\nEND FUNCTION\n"
    "FUNCTION NoArgs() AS Long\nEND FUNCTION\n"
    "FUNCTION Swap(BYREF a AS Long, BYREF b AS Long)\nEND FUNCTION\n"
    "FUNCTION Store(p AS Any)\nEND FUNCTION\n"
    "FUNCTION StoreRef(BYREF p AS Any)\nEND FUNCTION\n"
    "FUNCTION Pair(BYREF p AS Any, BYREF q AS Any)\nEND FUNCTION\n"
    "FUNCTION Say(t AS String)\nEND FUNCTION\n"
    "FUNCTION Move(p AS Point)\nEND FUNCTION\n"
    "FUNCTION MoveRef(BYREF p AS Point)\nEND FUNCTION\n"
    "FUNCTION Half(v AS Double) AS Double\nEND FUNCTION\n";

const char* const shapeModule =
    "CLASS Shape\n"
    "PUBLIC w AS Long\n"
    "PUBLIC onDraw AS FUNCTION()\n"
    "PUBLIC FUNCTION Area() AS Long\nEND FUNCTION\n"
    "PUBLIC STATIC FUNCTION Make() AS Long\nEND FUNCTION\n"
    "PUBLIC FUNCTION Left(k AS Long) AS Long\nEND FUNCTION\n"
    "PUBLIC FUNCTION Keep(p AS Shape, k AS Long)\nEND FUNCTION\n"
    "PUBLIC PROPERTY GET Width() AS Long\nEND PROPERTY\n"
    "PUBLIC PROPERTY SET Width(v AS Long)\nEND PROPERTY\n";

enum class In { Program, Shape };

struct CallCase {
    const char* name;
    const char* line;
    const char* expectedType;  // empty: a call statement
    const char* text;          // the C++ written, also when the line fails
    const char* error;         // empty when the line translates
    const char* after;         // the token current afterwards (upper case)
    In module = In::Program;
};

void PrintTo(const CallCase& c, std::ostream* out) { *out << c.name; }

class CallTest : public DeclaredProgram {
protected:
    CallTest()
        : DeclaredProgram({{"Quillkit.BAS", "FUNCTION Left(text AS String, k AS Long) AS String\nEND FUNCTION\n"
                                            "FUNCTION Hook(f AS FUNCTION(a AS Long) AS Long)\nEND FUNCTION\n"},
              {"SHAPE.BAS", shapeModule},
              {"prog.bas", program}}) {
        // What DIM h AS FUNCTION(a AS LONG) AS LONG registers in the conversion pass.
        auto pointer = std::make_shared<FunctionRecord>();
        pointer->name = "h";
        pointer->returnType = "LONG";
        pointer->isFunctionPointer = true;
        auto a = std::make_shared<VariableRecord>();
        a->name = "a";
        a->type = "LONG";
        pointer->parameters.push_back(a);
        pointer->paramCount = 1;
        t.functionPointerTypes.push_back(pointer);
        // The class cases borrow the program's names as if a module both use
        // declared them; what a module may see is a golden case's business.
        for (const auto& function : t.modules.front()->functions) function->inMainProgram = false;
        for (const auto& variable : t.modules.front()->variables) variable->inMainProgram = false;
        for (const auto& type : t.modules.front()->types) type->inMainProgram = false;
    }

    ModuleRecord* module(In which) {
        for (const auto& m : t.modules)
            if ((which == In::Shape) == (m->className == "Shape")) return m.get();
        return nullptr;
    }

    // Opens the line on its first token and the output file.
    void start(const std::string& line, In which) {
        ASSERT_FALSE(t.declarationFailed) << console.str();
        t.currentModule = module(which);
        t.reader.close();
        ASSERT_TRUE(t.reader.openText(line + "\n"));
        t.reader.nextToken();
        t.output.close();
        t.output.open("out.cpp");
    }

    // The text written and the message raised.
    std::pair<std::string, std::string> finish(const std::function<void()>& translate) {
        std::string message;
        try {
            translate();
        } catch (const SyntaxError& error) {
            message = error.message;
        }
        t.output.close();
        return {readFile("out.cpp"), message};
    }

    void run(const CallCase& c) {
        start(c.line, c.module);
        auto [text, message] = finish([&] { t.translateCall(c.expectedType); });
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(message, c.error) << c.name;
        if (*c.error == '\0') {
            EXPECT_EQ(t.reader.token, c.after) << c.name;
        }
        EXPECT_EQ(t.expressionDepth, 0) << c.name;
    }
};

class CallCases : public CallTest, public ::testing::WithParamInterface<CallCase> {};

TEST_P(CallCases, TextMessageAndPosition) { run(GetParam()); }

const CallCase listCases[] = {
    {"plain arguments", "Foo(n, 2) + 1", "", "Foo(n,2)", "", "+"},
    {"declared spelling of function and variables", "foo(N, M)", "", "Foo(n,m)", "", ""},
    {"operators spaced in source order", "Foo(n + m * 2, 1)", "", "Foo(n + m * 2,1)", "", ""},
    {"grouping kept", "Foo((n + 1) * 2, 1)", "", "Foo((n + 1) * 2,1)", "", ""},
    {"nested groups", "Bar(((n)) - (1))", "", "Bar(((n)) - (1))", "", ""},
    {"signed number", "Bar(-1)", "", "Bar( - 1)", "", ""},
    {"bracketed bit operators", "Foo(n [OR] m, n [and] 1)", "", "Foo(n | m,n & 1)", "", ""},
    {"bracket with another word", "Foo(n [XOR] m, 1)", "", "Foo(n", "Expected OR, AND or NOT", ""},
    {"bracket not closed", "Foo(n [OR m, 1)", "", "Foo(n | ", "Expected ]", ""},
    {"nested call first", "Foo(Bar(n), 2)", "", "Foo(Bar(n),2)", "", ""},
    {"too many arguments", "Foo(1, 2, 3)", "", "Foo(1,2,", "to many parameters to function Foo", ""},
    {"too few arguments", "Foo(1)", "", "Foo(1", "Syntax error.", ""},
    {"empty argument", "Foo(n, )", "", "Foo(n,", "Syntax error.", ""},
    {"two operands without an operator", "Foo(n m, 1)", "", "Foo(n", "Syntax error.", ""},
    {"no parameters", "NoArgs() * 2", "", "NoArgs()", "", "*"},
    {"no parameters given one", "NoArgs(1)", "", "NoArgs(", "Expected )", ""},
    {"no parenthesis in a value", "NoArgs", "Long", "NoArgs", "Expected ( after function name.", ""},
    {"not closed", "Foo(1, 2", "", "Foo(1,2", "Expected )", ""},
    {"not a function", "n(1)", "", "", "Invalid Function.", ""},
    {"unknown word as argument", "Bar(WEND)", "", "Bar(", "Syntax error.", ""},
    {"type name is consumed", "Foo(Long, 1)", "", "Foo(Long,1)", "", ""},
};
INSTANTIATE_TEST_SUITE_P(ArgumentList, CallCases, ::testing::ValuesIn(listCases));

// A call statement may leave out the parentheses: its arguments run to the
// end of the statement and are written as the parenthesised call's.
const CallCase statementCases[] = {
    {"arguments without parentheses", "foo n + 1, Bar(2)", "", "Foo(n + 1,Bar(2))", "", ""},
    {"no parameters, no arguments", "NoArgs", "", "NoArgs()", "", ""},
    {"parentheses around the first argument are the call's", "Bar (n) + 1", "", "Bar(n)", "", "+"},
    {"too few", "Foo 1", "", "Foo(1", "Foo takes 2 arguments, not 1.", ""},
    {"none for one", "Bar", "", "Bar(", "Bar takes 1 argument, not 0.", ""},
    {"one for none", "NoArgs 1", "", "NoArgs(", "NoArgs takes no arguments.", ""},
    {"too many", "Bar 1, 2", "", "Bar(1,", "to many parameters to function Bar", ""},
    {"first argument missing", "Foo , 1", "", "Foo(", "Syntax error.", ""},
    {"group left open", "Bar n * (1 + 2", "", "Bar(n * (1 + 2", "Expected )", ""},
    {"closing a group never opened", "Bar n)", "", "Bar(n", "Expected end of line.", ""},
    {"two operands", "Foo n m", "", "Foo(n", "Syntax error.", ""},
    {"= is no argument", "Foo = 1", "", "Foo", "Expected ( after function name.", ""},
    {"function pointer", "h n", "", "h(n)", "", ""},
};
INSTANTIATE_TEST_SUITE_P(StatementWithoutParentheses, CallCases, ::testing::ValuesIn(statementCases));

const CallCase castCases[] = {
    {"same type by value", "Bar(n)", "", "Bar(n)", "", ""},
    {"other type by value", "Bar(count)", "", "Bar((Long)count)", "", ""},
    {"double to long", "Bar(d)", "", "Bar((Long)d)", "", ""},
    {"parameter type in other letter case", "h(n)", "", "h(n)", "", ""},
    {"by reference is the variable itself", "Swap(n, count)", "", "Swap(n,count)", "", ""},
    {"any by value", "Store(n)", "", "Store((Any)n)", "", ""},
    {"any by reference passes the address", "StoreRef(n)", "", "StoreRef((Any)&n)", "", ""},
    {"only the first variable is the reference", "Pair(n + m, d)", "", "Pair((Any)&n + m,(Any)&d)", "", ""},
    {"long to string of a program function is its text", "Say(n)", "", "Say((String)n)", "", ""},
    {"long to string of a DLL function stays a number", "MessageBox(0, n, s, 0)", "",
     "MessageBox(0,(char*)n,s,0)", "", ""},
    {"string to string", "Say(s)", "", "Say(s)", "", ""},
    {"string to long of a program function", "Bar(s)", "", "Bar((Long)s)", "", ""},
    {"string to any of a program function", "Store(s)", "", "Store((Any)s)", "", ""},
    {"external function", "MessageBox(s, s, \"Note\", 0)", "", "MessageBox((Long)s,s,\"Note\",0)", "", ""},
    {"number to string", "Say(5)", "", "Say(\"5\")", "", ""},
    {"decimal number", "Bar(2.75)", "", "Bar(2.75)", "", ""},
    {"decimal number to string", "Say(0.5)", "", "Say(\"0.5\")", "", ""},
    {"number to double", "Half(2)", "", "Half(2)", "", ""},
    {"string literal", "Say(\"hi\")", "", "Say(\"hi\")", "", ""},
    {"string literal to long", "Bar(\"hi\")", "", "Bar(", "Did not expected string for parameter ", ""},
    {"array element", "Bar(arr(count))", "", "Bar(arr[count])", "", ""},
    {"array element by number", "Foo(arr(2), arr(n))", "", "Foo(arr[2],arr[n])", "", ""},
    {"not an array", "Bar(n(1))", "", "Bar(n", "n is not an array.", ""},
    {"index of another type", "Bar(arr(d))", "", "Bar(arr[", "Array index must be Long,Integer, Byte", ""},
    {"index of any expression", "Bar(arr(1 + 2))", "", "Bar(arr[1+2])", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Casts, CallCases, ::testing::ValuesIn(castCases));

const CallCase addressCases[] = {
    {"function to any", "Store(ADDRESSOF bar)", "", "Store((Any)Bar)", "", ""},
    {"function to long, then more", "Foo(ADDRESSOF Bar, 1)", "", "Foo((Long)Bar,1)", "", ""},
    {"static method", "Store(ADDRESSOF shape::make)", "", "Store((Any)Shape::Make)", "", ""},
    {"static method is consumed", "Foo(ADDRESSOF Shape::Make, 1)", "", "Foo((Long)Shape::Make,1)", "", ""},
    {"one colon", "Store(ADDRESSOF Shape:Make)", "", "Store((Any)Shape",
     "Expected :: for static member of class ", ""},
    {"no colon", "Store(ADDRESSOF Shape.Make)", "", "Store((Any)Shape",
     "Expected :: for static member of class ", ""},
    {"not a method", "Store(ADDRESSOF Shape::Nope)", "", "Store((Any)Shape::",
     "Expected static function name of class ", ""},
    {"not a function", "Store(ADDRESSOF n)", "", "Store((Any)", "Syntax error.", ""},
};
INSTANTIATE_TEST_SUITE_P(AddressOf, CallCases, ::testing::ValuesIn(addressCases));

// sizeof measures what it is given.
const CallCase sizeofCases[] = {
    {"double variable", "sizeof(d)", "Long", "sizeof(d)", "", ""},
    {"long variable", "SIZEOF(n) + 1", "Long", "sizeof(n)", "", "+"},
    {"built-in type", "sizeof(Long)", "Long", "sizeof(Long)", "", ""},
    {"user type in another letter case", "sizeof(point)", "Long", "sizeof(Point)", "", ""},
    {"string variable", "sizeof(s)", "Long", "sizeof(s)", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Sizeof, CallCases, ::testing::ValuesIn(sizeofCases));

const CallCase classCases[] = {
    {"this to a class parameter", "Keep(this, 1)", "", "Keep((Shape*)this,1)", "", "", In::Shape},
    {"this to any", "Store(THIS)", "", "Store((Any)this)", "", "", In::Shape},
    {"left in a class module", "left(s, 2)", "String", "::Left(s,2)", "", "", In::Shape},
    {"left elsewhere", "Left(s, 2)", "String", "Left(s,2)", "", ""},
    {"property read", "width + 1", "Long", "GetWidth()", "", "+", In::Shape},
    {"property write", "Width = n + 1", "", "SetWidth(n + 1)", "", "", In::Shape},
    {"property write without =", "Width 5", "", "SetWidth", "expected = for property assignment ", "",
     In::Shape},
    {"property write with two values", "Width = 1, 2", "", "SetWidth(1,",
     "to many parameters to function Width", "", In::Shape},
    {"property read as argument", "Bar(Width)", "", "Bar(GetWidth())", "", "", In::Shape},
};
INSTANTIATE_TEST_SUITE_P(ClassModule, CallCases, ::testing::ValuesIn(classCases));

const CallCase pointerCases[] = {
    {"assignment of a function", "h = Bar", "", "h=(LONGh)Bar", "", ""},
    {"declared spellings", "H = bar", "", "h=(LONGh)Bar", "", ""},
    {"cleared with a number", "h = 0", "", "h=(LONGh)0", "", ""},
    {"called", "h(n)", "", "h(n)", "", ""},
    // A function-pointer parameter takes no C-style cast: static_cast lets
    // C++ refuse a function of another shape.
    {"function to a pointer parameter", "Hook ADDRESSOF bar", "", "quillkit::Hook(static_cast<Long(*)(Long)>(Bar))", "", ""},
    {"pointer to a pointer parameter", "Hook(H)", "", "quillkit::Hook(static_cast<Long(*)(Long)>(h))", "", ""},
    {"variable to a pointer parameter", "Hook(n)", "", "quillkit::Hook(",
     "Expected ADDRESSOF and a function, or a function pointer, not a variable.", ""},
    {"pointer member outside its class", "Bar(sh.onDraw)", "", "Bar(sh->",
     "onDraw is a function-pointer member: the class's methods use it by its name alone.", ""},
};
INSTANTIATE_TEST_SUITE_P(FunctionPointer, CallCases, ::testing::ValuesIn(pointerCases));

// Operands translated by the member translators.
const CallCase memberCases[] = {
    {"type variable to its own type", "Move(pt)", "", "Move(pt)", "", ""},
    {"type variable by reference", "MoveRef(PT)", "", "MoveRef(&pt)", "", ""},
    {"type variable to another type", "Bar(pt)", "", "Bar(&pt)", "", ""},
    {"type variable to any", "Store(pt)", "", "Store((Any)&pt)", "", ""},
    {"type member", "Bar(pt.x)", "", "Bar(pt.x)", "", ""},
    {"type array element to its own type", "Move(pa(1))", "", "Move(pa[1])", "", ""},
    {"type array element to another type", "Bar(pa(1))", "", "Bar(&pa[1])", "", ""},
    {"type array element to any", "Store(pa(1))", "", "Store((Any)&pa[1])", "", ""},
    {"sizeof of a type variable", "sizeof(pt)", "Long", "sizeof(pt)", "", ""},
    {"sizeof of a member", "sizeof(pt.x)", "Long", "sizeof(pt.x)", "", ""},
    {"member of a pointer object", "Bar(sh.w)", "", "Bar(sh->w)", "", ""},
    {"method of a pointer object", "Foo(sh.Area(), 1)", "", "Foo(sh->Area(),1)", "", ""},
    {"member of an object element", "Bar(shapes(n + 1).w)", "", "Bar(shapes[n+1].w)", "", ""},
    {"object of a class type in another letter case", "Foo(other.w, other.Area())", "", "Foo(other.w,other.Area())",
     "", ""},
    {"object whole", "Foo(sh, 1)", "", "Foo(sh,1)", "", ""},
    {"object that is no array", "Bar(sh(1).w)", "", "Bar(sh", "Variable was not declared as an array.", ""},
    {"object element index of a literal", "Bar(shapes(\"x\").w)", "", "Bar(shapes[",
     "Expected identifier or value for index of array.", ""},
    {"object element not closed", "Bar(shapes(1 2).w)", "", "Bar(shapes[1", "Expected )", ""},
    {"no such member", "Bar(sh.nope)", "", "Bar(sh", "nope is not a member of class sh", ""},
};
INSTANTIATE_TEST_SUITE_P(MemberOperands, CallCases, ::testing::ValuesIn(memberCases));

// The rest of a call whose name is already written, as a procedure calling
// itself uses it.
TEST_F(CallTest, ArgumentsAfterAWrittenName) {
    start("Bar(n - 1) x", In::Program);
    t.reader.nextToken();
    auto [text, message] = finish([&] { t.translateCallArguments(*t.findFunction("BAR"), false); });
    EXPECT_EQ(text, "(n - 1)");
    EXPECT_EQ(message, "");
    EXPECT_EQ(t.reader.token, "X");
}

// Deep nesting is an error of the line, flat grouping is not limited, and
// an unclosed line ends instead of waiting for more input.
TEST_F(CallTest, NestingEndsWithAMessage) {
    std::string calls;
    for (int i = 0; i < 5000; ++i) calls += "Bar(";
    start(calls + "1", In::Program);
    auto [text, message] = finish([&] { t.translateCall(""); });
    EXPECT_EQ(message, "Expression is nested too deeply.");
    EXPECT_EQ(t.expressionDepth, 0);

    const std::string open(5000, '('), close(5000, ')');
    start("Bar(" + open + "n" + close + ")", In::Program);
    std::tie(text, message) = finish([&] { t.translateCall(""); });
    EXPECT_EQ(text, "Bar(" + open + "n" + close + ")");
    EXPECT_EQ(message, "");

    start("Bar(" + open + "n", In::Program);
    std::tie(text, message) = finish([&] { t.translateCall(""); });
    EXPECT_EQ(text, "Bar(" + open + "n");
    EXPECT_EQ(message, "Expected )");
}

// Through the conversion pass: a call statement gets its terminator, a
// failing one is reported and the next line converts.
TEST_F(CallTest, CallStatementsInAProgram) {
    Translator run(console);
    run.sourceTexts = t.sourceTexts;
    run.sourceTexts["prog.bas"] = std::string(program) +
                              "FUNCTION Main()\n\tBar(N)\n\tFoo(1, 2, 3)\n\tSwap(n, m)\nEND FUNCTION\n";
    run.convertOnly = true;
    run.runDeclarationPass("prog.bas");
    ASSERT_FALSE(run.declarationFailed) << console.str();
    run.finishRun("prog.bas");
    const std::string cpp = readFile(dir.file("prog.cpp"));
    // One tab of indentation is no indentation; a call reads its line's end,
    // and the failed line keeps the text it had written.
    EXPECT_NE(cpp.find("Void Main (){\nBar(n);\nFoo(1,2,Swap(n,m);\n}\n"), std::string::npos) << cpp;
    EXPECT_NE(console.str().find("prog.bas:42:error: , to many parameters to function Foo\n"), std::string::npos)
        << console.str();
}

}  // namespace
