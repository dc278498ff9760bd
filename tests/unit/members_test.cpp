// Member calls, properties, TYPE member chains, class members, indexes and
// their lookups, driven one line at a time on a declared program.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <sstream>

#include "driver/translator.h"
#include "source/syntax_error.h"
#include "test_files.h"

namespace {

// Shape EXTENDS Base EXTENDS Root, Circle EXTENDS Shape; the program's own
// names are declared in mixed letter case so that the written spelling
// shows where it came from.
const char* const kProgram =
    "USING Shape\nUSING Circle\nUSING Base\nUSING Root\n"
    "TYPE Point\nx AS Long\ny AS Long\nEND TYPE\n"
    "TYPE Rect\ntl AS Point\nbr AS Point PTR\npts(4) AS Point\nw(3) AS Long\nEND TYPE\n"
    "TYPE Outer\ninner AS Rect\nEND TYPE\n"
    "TYPE Node\nnxt AS Node PTR\nv AS Long\nEND TYPE\n"
    "DIM pt AS Point\nDIM pp AS Point PTR\nDIM pa(5) AS Point\nDIM rc AS Rect\nDIM rp AS Rect PTR\n"
    "DIM ou AS Outer\nDIM nd AS Node\n"
    "DIM i AS Long\nDIM k AS INTEGER\nDIM d AS Double\nDIM arr(10) AS Long\nDIM dyn() AS Long\n"
    "DIM Count AS Long\n"
    "DIM sh AS Shape\nDIM cp AS Circle PTR\nDIM shapes(4) AS Shape\nDIM ptrs(4) AS Circle PTR\n"
    "FUNCTION Twice(n AS Long) AS Long\nEND FUNCTION\n";

const char* const kShape =
    "CLASS Shape EXTENDS Base\n"
    "PUBLIC FUNCTION Draw(n AS Long) AS Long\nEND FUNCTION\n"
    "PUBLIC FUNCTION Reset() AS Double\nEND FUNCTION\n"
    "PUBLIC width AS Long\nPUBLIC cells(8) AS Long\n"
    "PUBLIC PROPERTY GET Color() AS Long\nEND PROPERTY\n"
    "PUBLIC PROPERTY SET Color(v AS Long)\nEND PROPERTY\n"
    "PUBLIC PROPERTY SET Mode(v AS Long)\nEND PROPERTY\n";

const char* const kRoot =
    "CLASS Root\n"
    "PUBLIC FUNCTION Origin() AS Long\nEND FUNCTION\n"
    "PUBLIC Depth AS Long\n"
    "PUBLIC PROPERTY GET Level() AS Byte\nEND PROPERTY\n";

// What one translator call left behind.
struct Outcome {
    std::string text;   // written to the output
    std::string error;  // the message thrown, if any
    std::string next;   // the current token afterwards, as written
    std::string result; // the type name returned
};

class MembersTest : public DeclaredProgram {
protected:
    MembersTest()
        : DeclaredProgram({{"Quillkit.BAS", "' kit\nDIM kitLevel AS LONG\n"},
              {"SHAPE.BAS", kShape},
              {"CIRCLE.BAS", "CLASS Circle EXTENDS Shape\nPRIVATE r AS Long\n"},
              {"BASE.BAS", "CLASS Base EXTENDS Root\n"},
              {"ROOT.BAS", kRoot},
              {"prog.bas", kProgram}}) {
        EXPECT_FALSE(t.declarationFailed) << console.str();
        t.currentModule = t.modules.front().get();
    }

    ModuleRecord* module(const std::string& className) {
        for (const auto& m : t.modules)
            if (m->className == className) return m.get();
        return nullptr;
    }

    // Opens the line, stands on its first token, runs the step.
    Outcome run(const std::string& line, const std::function<std::string(Translator&)>& step) {
        dir.write("line.bas", line + "\n");
        t.reader.close();
        EXPECT_TRUE(t.reader.open("line.bas"));
        t.reader.nextToken();
        t.output.open("out.cpp");
        Outcome outcome;
        try {
            outcome.result = step(t);
        } catch (const SyntaxError& error) {
            outcome.error = error.message;
        }
        outcome.next = t.reader.tokenAsWritten;
        t.output.close();
        outcome.text = readFile("out.cpp");
        return outcome;
    }
};

struct Case {
    const char* line;
    const char* text;
    const char* next;
    const char* result;
    const char* error;
};

void expectOutcome(const Outcome& got, const Case& c) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(got.text, c.text);
    EXPECT_EQ(got.error, c.error);
    if (*c.error) return;
    EXPECT_EQ(got.next, c.next);
    EXPECT_EQ(got.result, c.result);
}

// --- lookups --------------------------------------------------------------

TEST_F(MembersTest, VariableLookupsOfLocalsThenVisibleModules) {
    auto local = std::make_shared<VariableRecord>();
    local->name = "ARR";  // hides the module variable arr
    local->type = "String";
    auto loc = std::make_shared<VariableRecord>();
    loc->name = "Loc";
    loc->type = "Long";
    loc->isPointer = true;
    loc->isArray = true;
    loc->arraySize = 7;
    t.localVariables = {local, loc};

    const struct {
        const char* name;
        bool pointer, array;
        int32_t size;
        const char* declared;
    } cases[] = {
        {"PP", true, false, 0, "pp"},
        {"Arr", false, false, 0, "ARR"},
        {"DYN", false, true, -1, "dyn"},
        {"ptrs", true, true, 4, "ptrs"},
        {"COUNT", false, false, 0, "Count"},
        {"loc", true, true, 7, "Loc"},
        {"cells", false, false, 0, ""},  // a member of Shape, not visible here
        {"missing", false, false, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(t.isPointerVariable(c.name), c.pointer);
        EXPECT_EQ(t.isArrayVariable(c.name), c.array);
        EXPECT_EQ(t.variableArraySize(c.name), c.size);
        EXPECT_EQ(t.declaredVariableName(c.name), c.declared);
    }
}

TEST_F(MembersTest, ClassVariablesVisibleInsideTheirClass) {
    t.currentModule = module("Shape");
    EXPECT_TRUE(t.isArrayVariable("CELLS"));
    EXPECT_EQ(t.variableArraySize("cells"), 8);
    EXPECT_EQ(t.declaredVariableName("WIDTH"), "width");
    EXPECT_EQ(t.declaredVariableName("arr"), "arr");  // plain modules stay visible
    EXPECT_EQ(t.declaredVariableName("r"), "");       // Circle's own member
    t.currentModule = module("Circle");
    // The direct base is searched for the declared name, as variableType does.
    EXPECT_EQ(t.declaredVariableName("Width"), "width");
    EXPECT_EQ(t.declaredVariableName("depth"), "");
    EXPECT_FALSE(t.isArrayVariable("cells"));  // its own modules only
}

TEST_F(MembersTest, TypeLookups) {
    EXPECT_TRUE(t.isTypeName("point"));
    EXPECT_TRUE(t.isTypeName("RECT"));
    EXPECT_FALSE(t.isTypeName("Shape"));
    EXPECT_FALSE(t.isTypeName(""));
    EXPECT_EQ(t.variableStructType("RC"), "Rect");
    EXPECT_EQ(t.variableStructType("sh"), "");

    const struct {
        const char* type;
        const char* field;
        const char* name;  // empty: no such field
        bool pointer, array;
    } cases[] = {
        {"Rect", "TL", "tl", false, false}, {"rect", "br", "br", true, false},
        {"RECT", "Pts", "pts", false, true}, {"Rect", "x", "", false, false},
        {"Nothing", "x", "", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + "." + c.field);
        const VariableRecord* field = t.findTypeField(c.type, c.field);
        EXPECT_EQ(field ? field->name : "", c.name);
        EXPECT_EQ(field && field->isPointer, c.pointer);
        EXPECT_EQ(field && field->isArray, c.array);
    }
}

TEST_F(MembersTest, MemberLookupsFollowTheWholeBaseChain) {
    const struct {
        const char* className;
        const char* member;
        const char* variable;  // findMemberVariable
        const char* function;  // findMemberFunction, by declared name
        const char* accessor;  // findMemberAccessor, by alias
    } cases[] = {
        {"Circle", "width", "width", "", ""},          // direct base
        {"Circle", "DEPTH", "Depth", "", ""},          // three levels up
        {"Circle", "ORIGIN", "", "Origin", ""},
        {"Circle", "GETLEVEL", "", "", "GetLevel"},
        {"Circle", "getcolor", "", "", "GetColor"},
        {"circle", "DEPTH", "Depth", "", ""},          // class name in any case
        {"Root", "WIDTH", "", "", ""},                 // derived classes stay out
        {"Shape", "KITLEVEL", "", "", ""},             // plain modules stay out
        {"", "I", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.className) + "." + c.member);
        const VariableRecord* variable = t.findMemberVariable(c.className, c.member);
        EXPECT_EQ(variable ? variable->name : "", c.variable);
        const FunctionRecord* function = t.findMemberFunction(c.className, c.member);
        EXPECT_EQ(function ? function->name : "", c.function);
        const FunctionRecord* accessor = t.findMemberAccessor(c.className, c.member);
        EXPECT_EQ(accessor ? accessor->aliasName.str() : "", c.accessor);
    }
}

TEST_F(MembersTest, ChainThatLoopsEnds) {
    for (const char* name : {"Ping", "Pong", "Self"}) {
        auto m = std::make_unique<ModuleRecord>(std::string(name) + ".bas");
        m->isClassModule = true;
        m->className = name;
        m->baseClassName = std::string(name) == "Ping" ? "Pong" : std::string(name) == "Pong" ? "Ping" : "Self";
        t.modules.push_back(std::move(m));
    }
    auto hit = std::make_shared<VariableRecord>();
    hit->name = "hit";
    module("Pong")->variables.push_back(hit);
    EXPECT_EQ(t.findMemberVariable("Ping", "HIT"), hit.get());
    EXPECT_EQ(t.findMemberVariable("Ping", "MISS"), nullptr);
    EXPECT_EQ(t.findMemberFunction("Pong", "MISS"), nullptr);
    EXPECT_EQ(t.findMemberAccessor("Self", "MISS"), nullptr);
    EXPECT_EQ(t.findMemberFunction("Self", "MISS"), nullptr);
}

TEST_F(MembersTest, AccessorAndModuleFunctionLookups) {
    // Accessors of the current class only.
    EXPECT_EQ(t.findAccessor("GETCOLOR"), nullptr);
    t.currentModule = module("Shape");
    ASSERT_NE(t.findAccessor("getcolor"), nullptr);
    EXPECT_EQ(t.findAccessor("GETCOLOR")->returnType, "Long");
    EXPECT_EQ(t.findAccessor("GETLEVEL"), nullptr);  // the base's is not the module's

    ASSERT_NE(t.findModuleFunction("TWICE"), nullptr);
    EXPECT_EQ(t.findModuleFunction("twice")->name, "Twice");
    EXPECT_EQ(t.findModuleFunction("DRAW"), nullptr);  // a method
    EXPECT_EQ(t.findModuleFunction("RGB")->name, "RGB");
}

// --- TYPE member chains -----------------------------------------------------

struct AccessCase {
    Case c;
    const char* expectedType;
    bool takeAddress;
};

TEST_F(MembersTest, TypeMemberAccess) {
    const AccessCase cases[] = {
        {{"pt.x = 1", "pt.x", "=", "Long", ""}, "", true},
        {{"pp.x", "pp->x", "", "Long", ""}, "", true},
        {{"pt, 2", "&pt", ",", "", ""}, "", true},
        {{"pt)", "pt", ")", "", ""}, "POINT", true},  // its own TYPE: the value
        {{"pp)", "pp", ")", "", ""}, "", true},       // a pointer already is the address
        {{"pt = q", "pt", "=", "", ""}, "", true},
        {{"pa(1), 2", "&pa[1]", ",", "", ""}, "", true},
        {{"pa(i + 1).x", "pa[i+1].x", "", "Long", ""}, "", true},
        {{"rc.tl.x * 2", "rc.tl.x", "*", "Long", ""}, "", true},
        {{"rc.br.x", "rc.br->x", "", "Long", ""}, "", true},
        {{"rc.pts(2).y", "rc.pts[2].y", "", "Long", ""}, "", true},
        {{"rc.w(1) = 3", "rc.w[1]", "=", "Long", ""}, "", false},
        {{"ou.inner.tl.x", "ou.inner.tl.x", "", "Long", ""}, "", true},
        {{"nd.nxt.nxt.v", "nd.nxt->nxt->v", "", "Long", ""}, "", true},
        // Members used whole.
        {{"rc.tl, 1", "&rc.tl", ",", "Point", ""}, "", true},
        {{"rc.tl", "&rc.tl", "", "Point", ""}, "", true},
        {{"rc.tl, 1", "rc.tl", ",", "Point", ""}, "Point", true},
        {{"rc.pts(1))", "&rc.pts[1]", ")", "Point", ""}, "", true},
        {{"rc.br)", "rc.br", ")", "Point", ""}, "", true},
        {{"rc.br = pp", "rc.br", "=", "Point", ""}, "", true},
        {{"rc.tl = pt", "rc.tl", "=", "Point", ""}, "", true},  // a copy of the member
        // Failures keep what was written before them.
        {{"pt.z", "pt", "", "", "z is not a member of Point."}, "", true},
        {{"rc.tl.Q", "rc.tl", "", "", "Q is not a member of Point."}, "", true},
    };
    for (const auto& a : cases) {
        const Outcome got =
            run(a.c.line, [&](Translator& tr) { return tr.translateMemberAccess(a.expectedType, a.takeAddress); });
        expectOutcome(got, a.c);
    }
}

// --- class member variables ---------------------------------------------

TEST_F(MembersTest, ClassMemberVariables) {
    const struct {
        const char* object;
        Case c;
    } cases[] = {
        {"sh", {"width + 1", ".width", "+", "Long", ""}},
        {"cp", {"WIDTH", "->width", "", "Long", ""}},    // inherited from Shape
        {"sh", {"depth", ".Depth", "", "Long", ""}},     // from Root, two levels up
        {"sh", {"cells(i) = 2", ".cells[i]", "=", "Long", ""}},
        {"ptrs", {"width", "->width", "", "Long", ""}},  // an element of pointers
        {"sh", {"nothing", "", "", "", "nothing is not a member of class sh"}},
        {"i", {"width", "", "", "", "Internal parser error - i"}},
    };
    for (const auto& c : cases) {
        const Outcome got = run(c.c.line, [&](Translator& tr) { return tr.translateClassMember(c.object); });
        expectOutcome(got, c.c);
    }
}

// --- member calls and properties -------------------------------------------

TEST_F(MembersTest, MemberCallsWithoutArguments) {
    const Case cases[] = {
        {"sh.Reset()", "sh.Reset()", "", "Double", ""},
        {"SH.RESET() + 1", "sh.Reset()", "+", "Double", ""},
        {"cp.origin()", "cp->Origin()", "", "Long", ""},  // three levels up
        {"shapes(2).Reset()", "shapes[2].Reset()", "", "Double", ""},
        {"ptrs(I).Reset()", "ptrs[i]->Reset()", "", "Double", ""},
        {"ptrs(k).Reset()", "ptrs[k]->Reset()", "", "Double", ""},  // declared AS INTEGER
        // Properties are read unless "=" follows.
        {"sh.Color + 1", "sh.GetColor()", "+", "Long", ""},
        {"cp.Level", "cp->GetLevel()", "", "Byte", ""},
        // Failures.
        {"ptrs(d).Reset()", "ptrs[", "", "", "Array index must be Long,Integer, Byte"},
        {"ptrs(1 .Reset()", "ptrs[1", "", "", "Expected )"},
        {"sh(1).Reset()", "sh[", "", "", "sh is not an array."},
        {"sh.Nope()", "sh.", "", "", "function Nope is not a member of Shape."},
        {"sh.Reset", "sh.Reset", "", "", "Expected ( after function name."},
        {"sh.Reset(", "sh.Reset(", "", "", "Expected )"},
        {"i.Reset()", "i", "", "", "Syntax error."},
        {"sh Reset()", "sh", "", "", "Syntax error."},
        {"sh.Mode + 1", "sh.", "", "", "Property Mode has no Get accessor."},
    };
    for (const auto& c : cases) {
        expectOutcome(run(c.line, [](Translator& tr) { return tr.translateMemberCall(""); }), c);
    }
}

TEST_F(MembersTest, MemberCallOnANamedObject) {
    // The caller has written the object and stands on the member.
    expectOutcome(run("Reset()", [](Translator& tr) { return tr.translateMemberCall("cp"); }),
                  {"Reset()", "->Reset()", "", "Double", ""});
    expectOutcome(run("Color)", [](Translator& tr) { return tr.translateMemberCall("shapes"); }),
                  {"Color)", ".GetColor()", ")", "Long", ""});
}

TEST_F(MembersTest, ConditionMemberCallsAlwaysRead) {
    const Case cases[] = {
        {"sh.Color = 3", "sh.GetColor()", "=", "Long", ""},
        {"cp.Reset() = 1", "cp->Reset()", "=", "Double", ""},
        {"sh.Reset(", "sh.Reset(", "", "", "Expected )"},
    };
    for (const auto& c : cases) {
        expectOutcome(run(c.line, [](Translator& tr) { return tr.translateConditionMemberCall(""); }), c);
    }
}

// These run through the argument list of the call translators.
TEST_F(MembersTest, MemberCallsWithArguments) {
    const Case cases[] = {
        {"sh.Draw(1)", "sh.Draw(1)", "", "Long", ""},
        {"cp.Draw(count) + 1", "cp->Draw(Count)", "+", "Long", ""},
        {"shapes(1).Draw(i + 2)", "shapes[1].Draw(i + 2)", "", "Long", ""},
        {"sh.Color = 3", "sh.SetColor(3)", "", "void", ""},
        {"sh.Draw(1, 2)", "sh.Draw(1,", "", "", "to many parameters to function Draw"},
    };
    for (const auto& c : cases) {
        expectOutcome(run(c.line, [](Translator& tr) { return tr.translateMemberCall(""); }), c);
    }
}

// --- indexes -------------------------------------------------------------------

TEST_F(MembersTest, Indexes) {
    const Case cases[] = {
        {"(3) = 1", "[3]", ")", "", ""},
        {"(i + 1)", "[i+1]", ")", "", ""},
        {"(COUNT)", "[Count]", ")", "", ""},
        {"(arr(2) * 2)", "[arr[2]*2]", ")", "", ""},
        {"((i + 1) * 2)", "[(i+1)*2]", ")", "", ""},
        {"(-1)", "[-1]", ")", "", ""},
        {"()", "[]", ")", "", ""},
        {"(nobody)", "[]", ")", "", ""},
        {"(1", "[1]", "", "", ""},
        // TYPE variables and class objects are written as what they are.
        {"(pt.x)", "[pt.x]", ")", "", ""},
        {"(pa(1).y + 1)", "[pa[1].y+1]", ")", "", ""},
        {"(sh.width)", "[sh.width]", ")", "", ""},
        {"(cp.cells(i) + 1)", "[cp->cells[i]+1]", ")", "", ""},
        {"(shapes(1).width)", "[shapes[1].width]", ")", "", ""},
        {"(sh.Color)", "[sh.GetColor()]", ")", "", ""},
        {"(cp.Origin() * 2)", "[cp->Origin()*2]", ")", "", ""},
        {"(Twice(i) + 1)", "[Twice(i)+1]", ")", "", ""},
        {"(sh.Draw(2))", "[sh.Draw(2)]", ")", "", ""},
        // Failures.
        {"(shapes.width)", "[shapes", "", "", "expected ( for start of index."},
        {"(sh.bogus)", "[sh", "", "", "bogus is not a member of class Shape"},
        {"(i(2))", "[i", "", "", "i is not an array."},
        {"(SH(2).width)", "[sh", "", "", "sh is not an array."},
        {"i", "", "", "", "Internal parser error."},
    };
    for (const auto& c : cases) {
        expectOutcome(run(c.line, [](Translator& tr) {
                          tr.translateIndex();
                          return std::string();
                      }),
                      c);
    }
}

// --- bad input -------------------------------------------------------------

TEST_F(MembersTest, DeepNestingIsAnErrorNotAStackOverflow) {
    std::string nestedIndexes = "(";
    for (int n = 0; n < 5000; ++n) nestedIndexes += "arr(";
    std::string longChain = "nd";
    for (int n = 0; n < 5000; ++n) longChain += ".nxt";
    std::string groups(100000, '(');

    const Outcome indexes = run(nestedIndexes, [](Translator& tr) {
        tr.translateIndex();
        return std::string();
    });
    EXPECT_EQ(indexes.error, "Expression is nested too deeply.");
    const Outcome chain = run(longChain, [](Translator& tr) { return tr.translateMemberAccess("", true); });
    EXPECT_EQ(chain.error, "Expression is nested too deeply.");
    // Grouping needs no recursion: it ends with the line.
    const Outcome grouped = run(groups, [](Translator& tr) {
        tr.translateIndex();
        return std::string();
    });
    EXPECT_EQ(grouped.error, "");
    EXPECT_EQ(grouped.text, "[" + std::string(99999, '(') + "]");
    EXPECT_EQ(t.expressionDepth, 0);
}

}  // namespace
