// Class headers, inheritance and the data-declaration emitters, run in
// process on real files in a temporary folder.
#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <functional>
#include <iterator>
#include <sstream>

#include "driver/translator.h"
#include "source/syntax_error.h"
#include "test_files.h"

namespace {

// Every test works in a fresh folder: the emitters write relative names.
class InTempDir : public ::testing::Test {
public:
    TempDir dir;
    std::filesystem::path previous = std::filesystem::current_path();
    std::ostringstream console;
    Translator t{console};

    InTempDir() { std::filesystem::current_path(dir.path()); }
    ~InTempDir() override {
        t.reader.close();
        t.output.close();
        std::filesystem::current_path(previous);
    }
};

// --- class headers ---------------------------------------------------------

class ClassHeaderTest : public InTempDir {
public:
    ModuleRecord* addClass(const std::string& name, const std::string& base = "") {
        auto module = std::make_unique<ModuleRecord>(name + ".bas");
        module->isClassModule = true;
        module->className = name;
        module->baseClassName = base;
        t.modules.push_back(std::move(module));
        return t.modules.back().get();
    }

    static FunctionRecord* addFunction(ModuleRecord* m, const std::string& name,
                                       const std::string& returnType, int32_t scope = SCOPE_PUBLIC) {
        auto f = std::make_shared<FunctionRecord>();
        f->name = name;
        f->returnType = returnType;
        f->scope = scope;
        m->functions.push_back(f);
        return f.get();
    }

    static VariableRecord* addVariable(ModuleRecord* m, const std::string& name,
                                       const std::string& type, int32_t scope = SCOPE_PUBLIC) {
        auto v = std::make_shared<VariableRecord>();
        v->name = name;
        v->type = type;
        v->scope = scope;
        v->arraySize = -1;
        m->variables.push_back(v);
        return v.get();
    }

    static void addParameter(FunctionRecord* f, const std::string& name, const std::string& type,
                             bool byRef) {
        auto p = std::make_shared<VariableRecord>();
        p->name = name;
        p->type = type;
        p->byRef = byRef;
        f->parameters.push_back(p);
        f->paramCount = static_cast<int32_t>(f->parameters.size());
    }

    std::string headerOf(ModuleRecord* m) {
        // The records were added behind the symbol table's back.
        t.symbols.changed();
        t.currentModule = m;
        t.emitClassHeader(m->fileName);
        return readFile(changeExtension(m->fileName, "h"));
    }

    // Own members, built-ins left out, in list order.
    static std::vector<std::string> memberNames(const ModuleRecord* m) {
        std::vector<std::string> names;
        for (const auto& f : m->functions)
            if (!f->builtIn) names.push_back(f->name);
        for (const auto& v : m->variables) names.push_back(v->name);
        return names;
    }
};

TEST_F(ClassHeaderTest, HeadersByteForByte) {
    struct Case {
        const char* name;
        std::function<ModuleRecord*(ClassHeaderTest&)> build;
        const char* expected;
    } cases[] = {
        {"shape example",
         [](ClassHeaderTest& f) {
             ModuleRecord* m = f.addClass("Shape");
             addFunction(m, "Area", "Double");
             addVariable(m, "w", "Long", SCOPE_PRIVATE);
             return m;
         },
         "#ifndef _Shape_\n#define _Shape_\n#include \"qztypes.h\"\n#include <string>\n"
         "using namespace std;\nclass Shape{\npublic:\n\n\tvirtual Double Area();\n"
         "protected:\n\nprivate:\n\n\tLong w{};\n};\n\n#endif\n\n"},
        {"constructor, destructor, static, pure virtual, pointer result, property",
         [](ClassHeaderTest& f) {
             ModuleRecord* m = f.addClass("Pen");
             addFunction(m, "Pen", "");
             addFunction(m, "~Pen", "");
             addFunction(m, "Count", "Long")->isStatic = true;
             addFunction(m, "Draw", "Void")->isPureVirtual = true;
             addFunction(m, "Clone", "Pen")->returnsPointer = true;
             FunctionRecord* width = addFunction(m, "Width", "LONG");
             width->isProperty = true;
             width->aliasName = "GetWidth";
             addFunction(m, "pen", "Long", SCOPE_PROTECTED);
             return m;
         },
         "#ifndef _Pen_\n#define _Pen_\n#include \"qztypes.h\"\n#include <string>\n"
         "using namespace std;\nclass Pen{\npublic:\n\n"
         "\t Pen();\n"
         "\tvirtual  ~Pen();\n"
         "\tstatic Long Count();\n"
         "\tvirtual Void Draw()=0;\n"
         "\tvirtual Pen* Clone();\n"
         "\tvirtual LONG GetWidth();\n"
         "protected:\n\n"
         "\tvirtual Long pen();\n"
         "private:\n\n};\n\n#endif\n\n"},
        {"parameters, BYREF with a star",
         [](ClassHeaderTest& f) {
             ModuleRecord* m = f.addClass("Mover");
             FunctionRecord* move = addFunction(m, "Move", "Void", SCOPE_PRIVATE);
             addParameter(move, "x", "Long", true);
             addParameter(move, "y", "Long", false);
             addParameter(move, "s", "String", false);
             return m;
         },
         "#ifndef _Mover_\n#define _Mover_\n#include \"qztypes.h\"\n#include <string>\n"
         "using namespace std;\nclass Mover{\npublic:\n\nprotected:\n\nprivate:\n\n"
         "\tvirtual Void Move(Long &x,Long y,String s);\n};\n\n#endif\n\n"},
        {"member arrays, pointers and a static variable in front",
         [](ClassHeaderTest& f) {
             ModuleRecord* m = f.addClass("Grid");
             VariableRecord* cells = addVariable(m, "cells", "Byte");
             cells->isArray = true;
             cells->arraySize = 10;
             addVariable(m, "rows", "Long", SCOPE_PROTECTED)->isArray = true;
             addVariable(m, "next", "Grid", SCOPE_PRIVATE)->isPointer = true;
             addVariable(m, "count", "Long", SCOPE_STATIC_VARIABLE);
             return m;
         },
         "#ifndef _Grid_\n#define _Grid_\n#include \"qztypes.h\"\n#include <string>\n"
         "using namespace std;\nclass Grid{\npublic:\n\n\tByte cells[10]{};\n\tinline static Long count{};\n"
         "protected:\n\n\tLong *rows{};\nprivate:\n\n\tGrid *next{};\n};\n\n#endif\n\n"},
        {"used modules and a base class",
         [](ClassHeaderTest& f) {
             ModuleRecord* m = f.addClass("Dog", "Animal");
             m->usedModules = {"Quillkit", "Tools"};
             return m;
         },
         "#ifndef _Dog_\n#define _Dog_\n#include \"qztypes.h\"\n#include <string>\n"
         "#include \"Quillkit.h\"\n#include \"Tools.h\"\nusing namespace std;\n"
         "class Dog: public Animal{\npublic:\n\nprotected:\n\nprivate:\n\n};\n\n#endif\n\n"},
        {"module without a CLASS line",
         [](ClassHeaderTest& f) {
             auto module = std::make_unique<ModuleRecord>("Skip.bas");
             module->interfaceSkip = true;
             f.t.modules.push_back(std::move(module));
             ModuleRecord* m = f.t.modules.back().get();
             addVariable(m, "v", "Long");
             return m;
         },
         "#ifndef __\n#define __\n#include \"qztypes.h\"\n#include <string>\n"
         "using namespace std;\nclass {\npublic:\n\n\tLong v{};\nprotected:\n\nprivate:\n\n"
         "};\n\n#endif\n\n"},
    };
    for (const Case& c : cases) {
        ModuleRecord* m = c.build(*this);
        EXPECT_EQ(headerOf(m), c.expected) << c.name;
    }
}

TEST_F(ClassHeaderTest, RewritesAnExistingHeaderAndMapsBackslashes) {
    std::filesystem::create_directory("sub");
    dir.write("sub/Box.h", std::string(300, 'x'));
    ModuleRecord* m = addClass("Box");
    t.currentModule = m;
    t.emitClassHeader("sub\\Box.bas");
    EXPECT_EQ(readFile("sub/Box.h"),
              "#ifndef _Box_\n#define _Box_\n#include \"qztypes.h\"\n#include <string>\n"
              "using namespace std;\nclass Box{\npublic:\n\nprotected:\n\nprivate:\n\n};\n\n"
              "#endif\n\n");
}

// The chain is flattened from the top down: A's members reach B first, and C
// then takes B's list as it stands, B's own members before those from A, so
// an override in B is found before A's member of the same name.
TEST_F(ClassHeaderTest, ChainFlattensTopDownAndSkipsPrivatesAndConstructors) {
    ModuleRecord* a = addClass("A");
    addFunction(a, "A", "");
    addFunction(a, "~A", "");
    addFunction(a, "Fa", "Long");
    addFunction(a, "Ha", "Long", SCOPE_PRIVATE);
    addVariable(a, "va", "Long", SCOPE_PROTECTED);
    addVariable(a, "ha", "Long", SCOPE_PRIVATE);
    ModuleRecord* b = addClass("B", "A");
    addFunction(b, "B", "");
    FunctionRecord* fb = addFunction(b, "Fb", "Long", SCOPE_PROTECTED);
    addVariable(b, "vb", "Long");
    ModuleRecord* c = addClass("C", "B");
    addFunction(c, "Fc", "Long");

    t.inheritMembers("C", "B");

    EXPECT_EQ(memberNames(c), (std::vector<std::string>{"Fc", "Fb", "Fa", "vb", "va"}));
    EXPECT_EQ(memberNames(b), (std::vector<std::string>{"B", "Fb", "Fa", "vb", "va"}));
    // Shared records, not copies.
    EXPECT_TRUE(std::any_of(c->functions.begin(), c->functions.end(),
                            [fb](const auto& f) { return f.get() == fb; }));
    EXPECT_EQ(c->inheritedVariables.size(), 2u);

    // The derived header was written before; the base's, written now, holds
    // only the base's own members, and a virtual destructor, as C extends it.
    EXPECT_EQ(headerOf(b),
              "#ifndef _B_\n#define _B_\n#include \"qztypes.h\"\n#include <string>\n"
              "using namespace std;\nclass B: public A{\npublic:\n\n\t B();\n\tvirtual ~B(){}\n\tLong vb{};\n"
              "protected:\n\n\tvirtual Long Fb();\nprivate:\n\n};\n\n#endif\n\n");
    EXPECT_EQ(headerOf(c),
              "#ifndef _C_\n#define _C_\n#include \"qztypes.h\"\n#include <string>\n"
              "using namespace std;\nclass C: public B{\npublic:\n\n\tvirtual Long Fc();\n"
              "protected:\n\nprivate:\n\n};\n\n#endif\n\n");
}

TEST_F(ClassHeaderTest, InheritedStaticIsNotRepeatedInFront) {
    ModuleRecord* a = addClass("A");
    addVariable(a, "shared", "Long", SCOPE_STATIC_VARIABLE);
    ModuleRecord* b = addClass("B", "A");
    t.inheritMembers("B", "A");
    ASSERT_EQ(b->variables.size(), 1u);
    EXPECT_EQ(headerOf(b).find("static"), std::string::npos);
}

TEST_F(ClassHeaderTest, MissingClassesAndEmptyBase) {
    addClass("A");
    addClass("B", "A");
    addClass("Loop", "Loop");
    struct Case {
        const char* className;
        const char* baseName;
        bool fails;
    } cases[] = {
        {"B", "Gone", true},
        {"Gone", "A", true},
        {"b", "A", true},   // exact comparison
        {"Gone", "", false},
        {"Loop", "Loop", true},  // a chain without a top never ends
    };
    for (const Case& c : cases) {
        bool raised = false;
        try {
            t.inheritMembers(c.className, c.baseName);
        } catch (const SyntaxError& error) {
            raised = true;
            EXPECT_EQ(error.message, "Internal parser error.") << c.className;
        }
        EXPECT_EQ(raised, c.fails) << c.className << " " << c.baseName;
    }
}

// --- declaration emitters --------------------------------------------------

enum class Emitter { Variable, Constant, External, Type };

struct EmitCase {
    const char* name;
    const char* declared;   // what the declaration pass reads
    const char* converted;  // what the emitter reads; null: the same text
    const char* entryWord;  // the keyword the line starts with
    Emitter emitter;
    bool insideProcedure;
    const char* expected;
    const char* error;  // empty when the line converts
};

class EmitTest : public InTempDir {
protected:
    void declare(const std::string& source) {
        t.sourceTexts = {{"prog.bas", source}, {"Quillkit.BAS", "DEFINE QK 1\n"}};
        t.runDeclarationPass("prog.bas");
        t.currentModule = t.modules.front().get();
        // Shape has a pure virtual method; Circle has none.
        addClass("Shape", true);
        addClass("Circle", false);
    }

    void addClass(const std::string& name, bool abstract) {
        auto module = std::make_unique<ModuleRecord>(name + ".bas");
        module->isClassModule = true;
        module->className = name;
        module->hasPureVirtual = abstract;
        t.modules.push_back(std::move(module));
    }

    // Reads the source up to its first `word`; a variable definition starts
    // on the name after DIM.
    void startAt(const std::string& source, const std::string& word, Emitter emitter) {
        ASSERT_TRUE(t.reader.openText(source));
        do t.reader.nextToken();
        while (t.reader.token != word && !t.reader.atEof);
        if (emitter == Emitter::Variable) t.reader.nextToken();
        t.output.open("out.cpp");
    }

    // The emitted text and the raised message.
    std::pair<std::string, std::string> emit(Emitter emitter) {
        std::string message;
        try {
            switch (emitter) {
                case Emitter::Variable: t.emitVariableDefinition(); break;
                case Emitter::Constant: t.emitConstant(); break;
                case Emitter::External: t.emitExternalDeclaration(); break;
                case Emitter::Type: t.emitTypeDefinition(); break;
            }
        } catch (const SyntaxError& error) {
            message = error.message;
        }
        t.output.close();
        return {readFile("out.cpp"), message};
    }

    void run(const EmitCase& c) {
        declare(c.declared);
        startAt(c.converted ? c.converted : c.declared, c.entryWord, c.emitter);
        t.insideProcedure = c.insideProcedure;
        auto [text, message] = emit(c.emitter);
        EXPECT_EQ(text, c.expected) << c.name;
        EXPECT_EQ(message, c.error) << c.name;
        // A converted line ends on its end-of-line token.
        if (*c.error == '\0') {
            EXPECT_TRUE(t.reader.lineEnded) << c.name;
        }
    }
};

void PrintTo(const EmitCase& c, std::ostream* out) { *out << c.name; }

class EmitCases : public EmitTest, public ::testing::WithParamInterface<EmitCase> {};

TEST_P(EmitCases, TextAndMessage) { run(GetParam()); }

const EmitCase variableCases[] = {
    {"sized array", "DIM a(10) AS Long\n", nullptr, "DIM", Emitter::Variable, false, "Long a[10]", ""},
    {"array without size", "DIM b() AS Long\n", nullptr, "DIM", Emitter::Variable, false, "Long *b", ""},
    {"pointer", "DIM p AS Long PTR\n", nullptr, "DIM", Emitter::Variable, false, "Long *p", ""},
    {"array of pointers", "DIM q(4) AS Long PTR\n", nullptr, "DIM", Emitter::Variable, false,
     "Long *q[4]", ""},
    {"type in the support header's spelling", "dim k as long\n", nullptr, "DIM", Emitter::Variable, false, "Long k", ""},
    {"abstract class", "DIM s AS Shape\n", nullptr, "DIM", Emitter::Variable, false, "",
     "Cannot define a non pointer variable of a virtual class."},
    {"abstract class pointer", "DIM s AS shape PTR\n", nullptr, "DIM", Emitter::Variable, false,
     "Shape *s", ""},
    {"concrete class", "DIM c AS Circle\n", nullptr, "DIM", Emitter::Variable, false, "Circle c", ""},
    {"size not a constant", "DIM n(k) AS Long\n", nullptr, "DIM", Emitter::Variable, false, "",
     "k is not a constant: an array's size is a number or a CONST."},
    {"size not closed", "DIM n(3 AS Long\n", nullptr, "DIM", Emitter::Variable, false, "", "Expected )."},
    {"name with a digit first", "DIM 2x AS Long\n", nullptr, "DIM", Emitter::Variable, false, "",
     "Variables cannot begin with a number."},
    {"no AS", "DIM x Long\n", nullptr, "DIM", Emitter::Variable, false, "", "Expected keyword \"As\""},
    {"no type", "DIM x AS\n", nullptr, "DIM", Emitter::Variable, false, "",
     "Expected Type, not end of line."},
    {"unknown type", "DIM x AS Foo\n", nullptr, "DIM", Emitter::Variable, false, "",
     "unknown data type:Foo"},
    {"more after the type", "DIM x AS Long y\n", nullptr, "DIM", Emitter::Variable, false, "",
     "Expected end of line."},
    {"function pointer", "DIM h AS FUNCTION(a AS LONG, b AS STRING) AS LONG\n", nullptr, "DIM",
     Emitter::Variable, false, "typedef Long(*Longh)(Long,String);\nLongh h{};\n", ""},
    {"api module global is inline", "INTERFACEAPI\nDIM g(3) AS Long\n", nullptr, "DIM",
     Emitter::Variable, false, "inline Long g[3]", ""},
    {"api module local is not inline", "INTERFACEAPI\nDIM g AS Long\n", nullptr, "DIM",
     Emitter::Variable, true, "Long g{}", ""},
    // Declaration lines: one declaration per name, each on a line of its own
    // with the statement's indentation; the caller ends the last one.
    {"names sharing a type", "DIM a, b(2) AS Long, p AS Long PTR\n", nullptr, "DIM", Emitter::Variable, false,
     "Long a;\nLong b[2];\nLong *p", ""},
    {"indented list", "DIM a, b AS Long\n", "\t\tDIM a, b AS Long\n", "DIM", Emitter::Variable, false, "Long a;\n\tLong b", ""},
    {"constants at module level", "CONST K = 4\nDIM n AS Long = -K, s AS String = 1.5\n", nullptr, "DIM",
     Emitter::Variable, false, "Long n=-4;\nString s=\"1.5\"", ""},
    {"local values as an assignment's", "DIM m AS Long\n", "DIM n AS Long = m * 2, s AS String = m, k AS Long\n",
     "DIM", Emitter::Variable, true, "Long n=m*2;\nString s=(String)m;\nLong k{}", ""},
    {"a local's value sees the names before it", "DIM m AS Long\n", "DIM n AS Long = 1, k AS Long = n + 1\n",
     "DIM", Emitter::Variable, true, "Long n=1;\nLong k=n+1", ""},
    {"a local's value names the local", "DIM m AS Long\n", "DIM m AS Long = (M + 1) * 2\n", "DIM",
     Emitter::Variable, true, "Long m=(m+1)*2", "The initial value of m uses m itself, which has no value yet."},
    {"a member of that name is another name", "TYPE P\nm AS Long\nEND TYPE\nDIM q AS P\n",
     "DIM m AS Long = q.m\n", "DIM", Emitter::Variable, true, "Long m=q.m", ""},
    {"new object for a local PTR", "DIM m AS Long\n", "DIM c AS Circle PTR = NEW Circle, n AS Long\n", "DIM",
     Emitter::Variable, true, "Circle *c=new Circle;\nLong n{}", ""},
    {"local object with a value", "DIM m AS Long\n", "DIM c AS Circle = 0\n", "DIM", Emitter::Variable, true, "",
     "An object takes no initial value: assign it in a statement of its own, or declare a PTR and give it NEW."},
    {"local array with a value", "DIM m AS Long\n", "DIM a(2) AS Long = 1\n", "DIM", Emitter::Variable, true, "",
     "An array takes no initial value: assign its elements one by one."},
    {"a local's value ends at the next name", "DIM m AS Long\n", "DIM n AS Long = (1, 2)\n", "DIM",
     Emitter::Variable, true, "Long n=(1", "Expected end of line."},
    {"a local's value closes its groups", "DIM m AS Long\n", "DIM n AS Long = (1 + 2\n", "DIM",
     Emitter::Variable, true, "Long n=(1+2", "Expected )"},
    {"function pointer in a list", "DIM m AS Long\n", "DIM n AS Long, h AS FUNCTION() AS Long\n", "DIM",
     Emitter::Variable, true, "Long n{}", "A function-pointer variable is declared on a DIM line of its own."},
};
INSTANTIATE_TEST_SUITE_P(EmitVariable, EmitCases, ::testing::ValuesIn(variableCases));

const EmitCase constantCases[] = {
    {"long constant", "CONST MAXV = 100\n", nullptr, "CONST", Emitter::Constant, false,
     "const long MAXV=100;\n", ""},
    {"string constant", "CONST Title = \"Hi There\"\n", nullptr, "CONST", Emitter::Constant, false,
     "const String Title=\"Hi There\";\n", ""},
    {"minus before =", "CONST N - = 5\n", nullptr, "CONST", Emitter::Constant, false,
     "const long N=-5;\n", ""},
    {"minus after =", "CONST N = -5\n", nullptr, "CONST", Emitter::Constant, false,
     "const long N=-5;\n", ""},
    // A line the declaration pass refused has no record to write.
    {"unregistered constant", "CONST A = 10 20\n", nullptr, "CONST", Emitter::Constant, false, "",
     "Syntax error."},
    {"define", "DEFINE BLUE 3\n", nullptr, "DEFINE", Emitter::Constant, false, "#define BLUE 3\n", ""},
    {"negative define", "DEFINE LIMIT -5\n", nullptr, "DEFINE", Emitter::Constant, false,
     "#define LIMIT -5\n", ""},
    {"hexadecimal define", "DEFINE MASK &Hff\n", nullptr, "DEFINE", Emitter::Constant, false,
     "#define MASK 0xFF\n", ""},
    {"octal define", "DEFINE X &O17\n", nullptr, "DEFINE", Emitter::Constant, false, "#define X", ""},
};
INSTANTIATE_TEST_SUITE_P(EmitConstant, EmitCases, ::testing::ValuesIn(constantCases));

const EmitCase externalCases[] = {
    {"import with a define",
     "DECLARE FUNCTION Beep ALIAS \"MessageBeep\" LIB \"user32\" (BYREF t AS Long, s AS String, "
     "a AS Any, BYREF b AS Any, BYREF n AS String) AS Long\n",
     nullptr, "DECLARE", Emitter::External, false,
     "extern \"C\"{ \n __declspec(dllimport) \nLong __stdcall \n"
     "MessageBeep(Long &t,char* s,Long a,Long b,char* n);\n};\n\n#define Beep MessageBeep\n",
     ""},
    {"same name, no define", "DECLARE FUNCTION Sleep ALIAS \"Sleep\" LIB \"kernel32\" ()\n", nullptr,
     "DECLARE", Emitter::External, false,
     "extern \"C\"{ \n __declspec(dllimport) \nVoid __stdcall \nSleep();\n};\n\n", ""},
    {"unregistered import", "DECLARE FUNCTION Nope ALIAS \"nope\"\n", nullptr, "DECLARE",
     Emitter::External, false, "", "Function does not exist."},
};
INSTANTIATE_TEST_SUITE_P(EmitExternal, EmitCases, ::testing::ValuesIn(externalCases));

const char* const pointType = "TYPE Point\n x AS Long\n y AS Long\nEND TYPE\n";

const EmitCase typeCases[] = {
    {"fields", "TYPE Rec\n x AS Long\n name AS String PTR\n buf(32) AS Byte\n link AS Rec PTR\n"
               " s AS String\nEND TYPE\n",
     nullptr, "TYPE", Emitter::Type, false,
     "struct Rec{\n\tLong x;\n\tChar* name;\n\tByte buf[32];\n\tRec* link;\n\tString s;\n};\n", ""},
    {"size named by a constant", "CONST MAXLEN = 32\nTYPE Buf\n bytes(MAXLEN) AS Byte\nEND TYPE\n",
     nullptr, "TYPE", Emitter::Type, false, "struct Buf{\n\tByte bytes[MAXLEN];\n};\n", ""},
    {"unregistered type", "TYPE Point\n x AS Long\nEND FOO\n", nullptr, "TYPE", Emitter::Type, false,
     "", "Syntax error."},
    {"more after END TYPE", pointType, "TYPE Point\n x AS Long\n y AS Long\nEND TYPE now\n", "TYPE",
     Emitter::Type, false, "struct Point{\n\tLong x;\n\tLong y;\n};\n", "Expected end of line."},
    {"END with another word", pointType, "TYPE Point\n x AS Long\n y AS Long\nEND SUB\n", "TYPE",
     Emitter::Type, false, "struct Point{\n\tLong x;\n\tLong y;\n};\n", "Expected End Type."},
    {"no END before the end of the file", pointType, "TYPE Point\n x AS Long\n y AS Long\n", "TYPE",
     Emitter::Type, false, "struct Point{\n\tLong x;\n\tLong y;\n};\n", "Expected End Type."},
};
INSTANTIATE_TEST_SUITE_P(EmitType, EmitCases, ::testing::ValuesIn(typeCases));

// --- locals and lookups ----------------------------------------------------

TEST_F(EmitTest, LocalsAreRegisteredOnceAndHideGlobals) {
    declare("DIM g AS Long\n");
    dir.write("conv.bas", "DIM v(7) AS Byte PTR\nDIM v(7) AS Byte PTR\nDIM g AS Long\nDIM m AS Long\n");
    ASSERT_TRUE(t.reader.open("conv.bas"));
    t.output.open("out.cpp");
    // The last line stands at module level.
    const struct {
        int32_t line;
        bool inside;
    } lines[] = {{41, true}, {42, true}, {43, true}, {44, false}};
    for (const auto& l : lines) {
        t.reader.nextToken();  // DIM
        t.reader.nextToken();
        t.insideProcedure = l.inside;
        t.emitVariableDefinition();
        t.output << ";";
    }
    t.output.close();
    EXPECT_EQ(readFile("out.cpp"), "Byte *v[7]{};Byte *v[7]{};Long g{};Long m;");
    // v once; g too, though a module variable has its name.
    ASSERT_EQ(t.localVariables.size(), 2u);
    EXPECT_EQ(t.localVariables[1]->name, "g");
    const VariableRecord& v = *t.localVariables[0];
    EXPECT_EQ(v.name, "v");
    EXPECT_EQ(v.type, "Byte");
    EXPECT_TRUE(v.isPointer);
    EXPECT_TRUE(v.isArray);
    EXPECT_EQ(v.arraySize, 7);
}

using EmitLookupTest = ClassHeaderTest;

TEST_F(EmitLookupTest, AbstractClassModuleAndLocalVariable) {
    t.modules.push_back(std::make_unique<ModuleRecord>("prog.bas"));
    ModuleRecord* plain = t.modules.back().get();
    plain->className = "Ghost";  // not a class module
    plain->hasPureVirtual = true;
    addVariable(plain, "Total", "Long");
    ModuleRecord* first = addClass("Shape");
    addVariable(first, "member", "Long");
    addClass("SHAPE")->hasPureVirtual = true;  // a later one of that name does not decide
    addClass("Solid")->hasPureVirtual = true;
    auto local = std::make_shared<VariableRecord>();
    local->name = "i";
    t.localVariables.push_back(local);

    struct Case {
        const char* name;
        bool abstract, moduleVariable, localVariable;
    } cases[] = {
        {"SHAPE", false, false, false}, {"shape", false, false, false}, {"solid", true, false, false},
        {"Ghost", false, false, false}, {"Total", false, true, false}, {"TOTAL", false, false, false},
        {"member", false, false, false}, {"i", false, false, true},   {"I", false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(t.isAbstractClass(c.name), c.abstract) << c.name;
        EXPECT_EQ(t.isModuleVariable(c.name), c.moduleVariable) << c.name;
        EXPECT_EQ(t.isLocalVariable(c.name), c.localVariable) << c.name;
    }
}

}  // namespace
