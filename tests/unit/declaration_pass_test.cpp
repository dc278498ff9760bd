// The declaration pass run on real module files: what it registers, the
// reports it prints, the order in which it finds modules, and the
// function-pointer parser of the conversion side.
#include <map>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/translator.h"
#include "source/syntax_error.h"
#include "test_files.h"

namespace {

const int builtInCount = 5;

std::string describeVariable(const VariableRecord& v) {
    std::string s = v.name + ":" + v.type.str() + " s" + std::to_string(v.scope) + " n" +
                    std::to_string(v.arraySize);
    if (v.isArray) s += " array";
    if (!v.arraySizeName().empty()) s += " size=" + v.arraySizeName();
    if (v.isPointer) s += " ptr";
    if (v.isConstant) s += " const=" + v.constValue();
    if (v.byRef) s += " byref";
    if (!v.initialValue().empty()) s += " init=" + v.initialValue();
    return s;
}

std::string describeFunction(const FunctionRecord& f) {
    std::string s = "fn " + f.name + "(";
    for (size_t i = 0; i < f.parameters.size(); ++i) {
        const VariableRecord& p = *f.parameters[i];
        s += (i ? ", " : "") + std::string(p.byRef ? "&" : "") + p.name + ":" + p.type.str();
    }
    s += ") ret=" + f.returnType.str() + " s" + std::to_string(f.scope) + " n" + std::to_string(f.paramCount);
    if (f.isStatic) s += " static";
    if (f.returnsPointer) s += " ptr";
    if (f.isPureVirtual) s += " pure";
    if (f.isExternal) s += " external";
    if (f.isProperty) s += " property";
    if (!f.aliasName.empty()) s += " alias=" + f.aliasName.str();
    if (f.isFunctionPointer) s += " fnptr";
    if (f.builtIn) s += " builtin";
    return s;
}

// One line per record the module declared: functions, variables, types.
std::vector<std::string> describe(const ModuleRecord& m) {
    std::vector<std::string> lines;
    EXPECT_GE(m.functions.size(), static_cast<size_t>(builtInCount)) << m.fileName;
    for (size_t i = 0; i < m.functions.size(); ++i) {
        if (i < static_cast<size_t>(builtInCount)) {
            EXPECT_TRUE(m.functions[i]->builtIn) << m.fileName << " function " << i;
            continue;
        }
        lines.push_back(describeFunction(*m.functions[i]));
    }
    for (const auto& v : m.variables) lines.push_back("var " + describeVariable(*v));
    for (const auto& type : m.types) {
        std::string s = "type " + type->name + " s" + std::to_string(type->scope) + " {";
        for (size_t i = 0; i < type->fields.size(); ++i)
            s += (i ? "; " : "") + describeVariable(*type->fields[i]);
        lines.push_back(s + "}");
    }
    return lines;
}

using Lines = std::vector<std::string>;

// Runs in a fresh folder holding a small Quillkit module.
class DeclarationPassTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldCwd = std::filesystem::current_path();
        std::filesystem::current_path(dir.path());
        dir.write("Quillkit.BAS", kit);
    }
    void TearDown() override { std::filesystem::current_path(oldCwd); }

    Translator& pass(const std::string& source) {
        dir.write("prog.bas", source);
        t = std::make_unique<Translator>(out);
        t->runDeclarationPass("prog.bas");
        return *t;
    }

    // The same pass over sources given as text: no file is read.
    Translator& passText(const std::string& source, std::map<std::string, std::string> modules = {}) {
        t = std::make_unique<Translator>(out);
        t->sourceTexts = std::move(modules);
        t->sourceTexts["prog.bas"] = source;
        t->sourceTexts["Quillkit.BAS"] = kit;
        t->runDeclarationPass("prog.bas");
        return *t;
    }
    const std::string kit = "' toolkit\nDIM kitLevel AS LONG\n";

    // The message of the stop, which carries its own line feed.
    std::string fatalStop(const std::string& source, const std::string& mainName = "prog.bas") {
        dir.write("prog.bas", source);
        t = std::make_unique<Translator>(out);
        try {
            t->runDeclarationPass(mainName);
        } catch (const FatalStop& stop) {
            EXPECT_EQ(stop.status, 1);
            return stop.message;
        }
        ADD_FAILURE() << "no fatal stop";
        return {};
    }

    TempDir dir;
    std::filesystem::path oldCwd;
    std::ostringstream out;
    std::unique_ptr<Translator> t;
};

struct PassCase {
    const char* name;
    std::string source;
    Lines records;        // the main module's, built-ins left out
    std::string reports;  // the exact console text; empty when nothing failed
};

void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

class DeclarationRecords : public DeclarationPassTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(DeclarationRecords, RegistersAndReports) {
    const PassCase& c = GetParam();
    Translator& tr = passText(c.source);
    ASSERT_EQ(tr.modules.size(), 2u);
    EXPECT_EQ(describe(*tr.modules[0]), c.records);
    EXPECT_EQ(out.str(), c.reports);
    EXPECT_EQ(tr.declarationFailed, !c.reports.empty());
    EXPECT_EQ(tr.modules[0]->usedModules, Lines{"Quillkit"});
    EXPECT_EQ(tr.modules[1]->fileName, "Quillkit.BAS");
    EXPECT_EQ(describe(*tr.modules[1]), Lines{"var kitLevel:Long s0 n0"});
    EXPECT_EQ(tr.moduleCursor, 2);
    EXPECT_EQ(tr.currentModule, tr.modules[0].get());
}

const std::string E = "Error in prog.bas - Line:";
const std::string notAConstant =
    "Expected a constant: a number, a string, TRUE, FALSE or a CONST. Assign other values in a procedure.";
const std::string quoteMessage =
    "Syntax error, no matching quote in statement. Note:Double quotes cannot be used inside double "
    "quotes. Use Chr(34) instead.";

const PassCase passCases[] = {
    // Variables and the access words.
    {"DimPlain", "DIM total AS LONG\n", {"var total:Long s0 n0"}, ""},
    {"DimArrays", "DIM buf(256) AS BYTE\nDIM list() AS STRING\n",
     {"var buf:Byte s0 n256 array", "var list:String s0 n-1 array"}, ""},
    {"TypeKeepsCase", "DIM x AS Long\n", {"var x:Long s0 n0"}, ""},
    {"AccessWords", "PRIVATE p AS POINT PTR\nPROTECTED q AS LONG\nPUBLIC r AS LONG\n",
     {"var p:POINT s2 n0 ptr", "var q:Long s1 n0", "var r:Long s0 n0"}, ""},
    {"StaticVariables", "PRIVATE STATIC a AS LONG\nPUBLIC STATIC b AS LONG\nPROTECTED STATIC c AS LONG\n",
     {"var a:Long s4 n0", "var b:Long s4 n0", "var c:Long s4 n0"}, ""},
    {"BareStaticAndPropertyRegisterNothing", "STATIC x AS LONG\nPROPERTY GET X() AS LONG\nDIM y AS LONG\n",
     {"var y:Long s0 n0"}, ""},
    // Function headers.
    {"FunctionWithParameters", "FUNCTION Area(w AS LONG, h AS LONG) AS LONG\nEND FUNCTION\n",
     {"fn Area(w:Long, h:Long) ret=Long s0 n2"}, ""},
    {"ProcedureWithoutResult", "FUNCTION Init()\nEND FUNCTION\n", {"fn Init() ret=Void s0 n0"}, ""},
    {"PointerResult", "FUNCTION Get() AS POINT PTR\n", {"fn Get() ret=POINT s0 n0 ptr"}, ""},
    {"ByRefMarksOnlyItsParameter",
     "FUNCTION f(BYREF a AS LONG, b AS STRING, BYVAL c AS LONG, BYVAL BYREF d AS Point)\n",
     {"fn f(&a:Long, b:String, c:Long, &d:Point) ret=Void s0 n4"}, ""},
    {"CommasAreOptional", "FUNCTION f(a AS LONG b AS LONG)\nEND FUNCTION\nFUNCTION g(a AS LONG,)\n",
     {"fn f(a:Long, b:Long) ret=Void s0 n2", "fn g(a:Long) ret=Void s0 n1"}, ""},
    {"FunctionAccessWords",
     "PRIVATE FUNCTION a()\nEND FUNCTION\nPROTECTED FUNCTION b()\nEND FUNCTION\nPUBLIC FUNCTION c()\n",
     {"fn a() ret=Void s2 n0", "fn b() ret=Void s1 n0", "fn c() ret=Void s0 n0"}, ""},
    {"StaticFunctionCodes",
     "PUBLIC STATIC FUNCTION a() AS LONG\nEND FUNCTION\nPROTECTED STATIC FUNCTION b() AS LONG\n"
     "END FUNCTION\nPRIVATE STATIC FUNCTION Count() AS LONG\n",
     {"fn a() ret=Long s0 n0 static", "fn b() ret=Long s1 n0 static", "fn Count() ret=Long s2 n0 static"},
     ""},
    {"BareStaticFunctionIsPlain", "STATIC FUNCTION f()\n", {"fn f() ret=Void s0 n0"}, ""},
    {"ConstructorAndDestructor",
     "CLASS Shape\nFUNCTION CLASSCONSTRUCTOR()\nEND FUNCTION\nFUNCTION CLASSDESTRUCTOR()\nEND FUNCTION\n",
     {"fn Shape() ret= s0 n0", "fn ~Shape() ret= s0 n0"}, ""},
    {"PureVirtualOpensNoBody", "CLASS Shape\nFUNCTION Draw() AS LONG = 0\nPRIVATE w AS LONG\n",
     {"fn Draw() ret=Long s0 n0 pure", "var w:Long s2 n0"}, ""},
    {"HeaderOpensBody", "FUNCTION Draw() AS LONG\nPRIVATE w AS LONG\nDIM d AS LONG\nEND FUNCTION\nPRIVATE v AS LONG\n",
     {"fn Draw() ret=Long s0 n0", "var v:Long s2 n0"}, ""},
    {"External",
     "DECLARE FUNCTION Beep ALIAS \"Beep\" LIB \"kernel32.dll\" (freq AS LONG, dur AS LONG) AS LONG\n",
     {"fn Beep(freq:Long, dur:Long) ret=Long s0 n2 external alias=\"Beep\""}, ""},
    {"ExternalWithoutResult", "DECLARE FUNCTION Sleep ALIAS Sleep LIB \"k.dll\" ()\n",
     {"fn Sleep() ret=Void s0 n0 external alias=Sleep"}, ""},
    // Inside a body only DIM and plain access-word variables are skipped.
    {"BodyKeepsModuleLevelForms",
     "FUNCTION f()\nDIM a AS LONG\nPRIVATE b AS LONG\nPRIVATE STATIC c AS LONG\nCONST K = 1\nDEFINE D 2\n"
     "TYPE T\nx AS LONG\nEND TYPE\nDECLARE FUNCTION Beep ALIAS B LIB \"k.dll\" ()\n"
     "DIM h AS FUNCTION(p AS LONG) AS LONG\nEXIT FUNCTION\nEND FUNCTION\nDIM after AS LONG\n",
     {"fn f() ret=Void s0 n0", "fn Beep() ret=Void s0 n0 external alias=B", "var c:Long s4 n0",
      "var K:Long s0 n0 const=1", "var D:Long s0 n0 const=2", "var after:Long s0 n0",
      "type T s0 {x:Long s0 n-1}"},
     ""},
    {"OnlyEndFunctionAndEndPropertyCloseBody",
     "FUNCTION f()\nEND CLASS\nDIM x AS LONG\nEND PROPERTY\nDIM y AS LONG\n",
     {"fn f() ret=Void s0 n0", "var y:Long s0 n0"}, ""},
    {"BareEndSwallowsNextLinesFirstWord", "DIM a AS LONG\nEND\nDIM x AS LONG\nDIM y AS LONG\n",
     {"var a:Long s0 n0", "var y:Long s0 n0"}, ""},
    {"BareEndOnLastLine", "DIM a AS LONG\nEND", {"var a:Long s0 n0"}, ""},
    {"SkippedLines",
     "APPTYPE CONSOLE DIM q AS LONG\nINTERFACEIGNORE DIM r AS LONG\nINTERFACESKIP DIM s AS LONG\n"
     "INTERFACEAPI more words DIM u AS LONG\nDIM x AS LONG\n",
     {"var x:Long s0 n0"}, ""},
    // Properties are public whatever their access word.
    {"PropertyPair",
     "PUBLIC PROPERTY GET Width() AS LONG\nEND PROPERTY\nPUBLIC PROPERTY SET Width(v AS LONG)\nEND PROPERTY\n",
     {"fn Width() ret=Long s0 n0 property alias=GetWidth",
      "fn Width(v:Long) ret=void s0 n1 property alias=SetWidth"},
     ""},
    {"PropertyAccessWords", "PRIVATE PROPERTY GET A() AS Shape PTR\nEND PROPERTY\nPROTECTED PROPERTY SET B()\n",
     {"fn A() ret=Shape s0 n0 ptr property alias=GetA", "fn B() ret=void s0 n1 property alias=SetB"}, ""},
    {"PropertyBodyHidesVariables", "PUBLIC PROPERTY GET W() AS LONG\nPRIVATE a AS LONG\nEND PROPERTY\nPRIVATE b AS LONG\n",
     {"fn W() ret=Long s0 n0 property alias=GetW", "var b:Long s2 n0"}, ""},
    // Constants and user types.
    {"Constants",
     "CONST A = 10\nCONST S = \"Hello World\"\nCONST N - = 5\nDEFINE H &H10\nDEFINE B -1\nDEFINE W Width\n",
     {"var A:Long s0 n0 const=10", "var S:String s0 n0 const=\"Hello World\"", "var N:Long s0 n0 const=-5",
      "var H:Long s0 n0 const=&H10", "var B:Long s0 n0 const=-1", "var W:Long s0 n0 const=Width"},
     ""},
    {"ConstAccessWords", "PRIVATE CONST A = 1\nPROTECTED CONST B = 2\nPUBLIC CONST C = 3\n",
     {"var A:Long s2 n0 const=1", "var B:Long s1 n0 const=2", "var C:Long s0 n0 const=3"}, ""},
    {"UserType", "TYPE Point\nx AS LONG\ny AS LONG\nEND TYPE\n", {"type Point s0 {x:Long s0 n-1; y:Long s0 n-1}"}, ""},
    {"TypeFields",
     "CONST MAXLEN = 32\nPRIVATE TYPE Rec\nname(32) AS BYTE\nflag AS Byte\nbuf(maxLen) AS BYTE\n"
     "link AS Rec PTR\nEND TYPE\nPUBLIC TYPE Q\nv AS LONG\nEND TYPE\n",
     {"var MAXLEN:Long s0 n0 const=32",
      "type Rec s2 {name:Byte s0 n32 array; flag:Byte s0 n-1; buf:Byte s0 n-1 array size=MAXLEN; "
      "link:Rec s0 n-1 ptr}",
      "type Q s0 {v:Long s0 n-1}"},
     ""},
    // Comments and the last line.
    {"CommentEndsStatement", "DIM x AS LONG ' counter\nCONST A = 10 ' ten\nDIM y AS LONG\n",
     {"var x:Long s0 n0", "var A:Long s0 n0 const=10", "var y:Long s0 n0"}, ""},
    {"LastLineWithoutLineFeed", "DIM x AS LONG", {"var x:Long s0 n0"}, ""},
    {"EmptyFile", "", {}, ""},
    {"OnlyComments", "' one\n' two\n", {}, ""},

    // Keyword table errors.
    {"ClassWithoutName", "CLASS\nDIM y AS LONG\n", {"var y:Long s0 n0"},
     E + "1,char:6 Expected class identifier. >>\n"},
    {"ExitSub", "EXIT SUB\n", {}, E + "1,char:6 Expected \"Function\". >>SUB\n"},
    {"UsingLiteral", "USING \"lib\"\n", {}, E + "1,char:6 Expected module name. >>\"lib\"\n"},
    {"UsingNothing", "USING\n", {}, E + "1,char:6 Expected module name. >>\n"},
    {"UsingNumber", "USING 2lib\n", {}, E + "1,char:7 Expected module name. >>2lib\n"},
    {"UsingPunctuation", "USING .\n", {}, E + "1,char:7 Expected module name. >>.\n"},
    {"DimStatic", "DIM STATIC n AS LONG\nDIM m AS LONG\n", {"var m:Long s0 n0"},
     E + "1,char:5 DIM STATIC is not allowed. Use PRIVATE STATIC or PUBLIC STATIC. >>STATIC\n"},
    {"DimStaticInBody", "FUNCTION f()\nDIM STATIC n AS LONG\nEND FUNCTION\n", {"fn f() ret=Void s0 n0"}, ""},
    // Variable parser.
    {"VarDigitName", "DIM 2x AS LONG\n", {}, E + "1,char:5 Variables cannot begin with a number. >>2x\n"},
    {"VarRange", "DIM a(1 TO 10) AS LONG\n", {}, E + "1,char:8 Expected ). >>TO\n"},
    {"VarNamedSize", "DIM a(N) AS LONG\n", {"var a:Long s0 n-1 array"},
     E + "1,char:6 N is not a constant: an array's size is a number or a CONST. >>N\n"},
    {"VarConstantSize", "DIM a(n) AS LONG\nCONST N = 007\n", {"var a:Long s0 n7 array", "var N:Long s0 n0 const=7"}, ""},
    {"VarSizeNotANumber", "DIM a(\"n\") AS LONG\n", {}, E + "1,char:5 Syntax error. >>\"n\"\n"},
    {"VarNoType", "DIM x AS\n", {}, E + "1,char:9 Expected Type, not end of line. >>\n"},
    // Declaration lines: names before an AS take its type; one name may
    // take a constant as its initial value.
    {"VarTwoNames", "DIM a, b AS LONG\n", {"var a:Long s0 n0", "var b:Long s0 n0"}, ""},
    {"VarListOfGroups", "PRIVATE a(3), b AS BYTE, s AS STRING PTR\nPRIVATE STATIC c AS LONG = 3, d AS LONG\n",
     {"var a:Byte s2 n3 array", "var b:Byte s2 n0", "var s:String s2 n0 ptr", "var c:Long s4 n0 init=3",
      "var d:Long s4 n0"},
     ""},
    {"VarInitialiser", "DIM x AS LONG = 5\n", {"var x:Long s0 n0 init=5"}, ""},
    {"VarInitialConstants",
     "DIM a AS LONG = -K, b AS DOUBLE = -1.50, c AS STRING = 2, t AS STRING = T, h AS LONG = H, "
     "f AS BOOLEAN = FALSE, p AS LONG PTR = 0, q AS LONG = +007, x AS LONG = -&h1f\nCONST K = 7\nDEFINE H &H1f\nCONST T = \"t\"\n",
     {"var a:Long s0 n0 init=-7", "var b:Double s0 n0 init=-1.50", "var c:String s0 n0 init=\"2\"",
      "var t:String s0 n0 init=\"t\"", "var h:Long s0 n0 init=0x1F", "var f:Boolean s0 n0 init=0",
      "var p:Long s0 n0 ptr init=0", "var q:Long s0 n0 init=7", "var x:Long s0 n0 init=-0x1F", "var K:Long s0 n0 const=7",
      "var H:Long s0 n0 const=&H1f", "var T:String s0 n0 const=\"t\""},
     ""},
    {"VarNameWithoutAs", "DIM a, b\n", {}, E + "1,char:9 Expected keyword \"As\" >>\n"},
    {"VarListEndsOnComma", "DIM a AS LONG,\nDIM b AS LONG\n", {"var b:Long s0 n0"},
     E + "1,char:15 Expected variable name not end of line. >>\n"},
    {"VarValueForTwoNames", "DIM a, b AS LONG = 1\n", {},
     E + "1,char:18 Only one name can take an initial value: give each name its own AS and value. >>=\n"},
    {"VarValueForAnArray", "DIM a(2) AS LONG = 1\n", {},
     E + "1,char:16 An array takes no initial value: assign its elements one by one. >>=\n"},
    {"VarValueNotAConstant", "DIM a AS LONG, b AS LONG = a + 1\n", {},
     E + "1,char:29 " + notAConstant + " >>+\n"},
    {"VarValueHexWithABlank", "DIM a AS LONG = & H1F\n", {}, E + "1,char:19 " + notAConstant + " >>H1F\n"},
    {"VarValueMissing", "DIM a AS LONG =\n", {}, E + "1,char:16 Expected a value, not end of line. >>\n"},
    // Found wanting once every module is read: reported at the value.
    {"VarValueOfNoConstant", "DIM a AS LONG = b\nDIM b AS LONG\n", {"var a:Long s0 n0", "var b:Long s0 n0"},
     E + "1,char:17 " + notAConstant + " >>b\n"},
    {"VarValueOfAnotherType", "DIM n AS LONG = S\nCONST S = \"s\"\n", {"var n:Long s0 n0", "var S:String s0 n0 const=\"s\""},
     E + "1,char:17 Only a String variable starts with a string. >>S\n"},
    {"VarValueOfAPointer", "DIM p AS LONG PTR = 2\n", {"var p:Long s0 n0 ptr"},
     E + "1,char:21 A PTR variable outside a procedure starts with 0: give it an address in a procedure. >>2\n"},
    {"VarValueOfATypeVariable", "TYPE P\nx AS LONG\nEND TYPE\nDIM v AS P = 0\n", {"var v:P s0 n0", "type P s0 {x:Long s0 n-1}"},
     E + "4,char:14 A TYPE variable outside a procedure takes no initial value: assign its members in a procedure. >>0\n"},
    // Function-header parser; a failed header opens no body.
    {"HeaderNoName", "FUNCTION\nDIM z AS LONG\n", {"var z:Long s0 n0"},
     E + "1,char:9 Expected Function Name, not end of line. >>\n"},
    {"HeaderNoParen", "FUNCTION f x\n", {}, E + "1,char:12 Expected \"(\" >>x\n"},
    {"HeaderPureWithoutType", "FUNCTION Draw() = 0\n", {},
     E + "1,char:15 Expected keyword \"As\" or end of line. >>=\n"},
    {"HeaderNoReturnType", "FUNCTION f() AS\n", {},
     E + "1,char:14 Expected functon return type, not end of line. >>\n"},
    {"HeaderPureNotZero", "FUNCTION Draw() AS LONG = 1\n", {},
     E + "1,char:25 expected =0 for pure virtual function. >>1\n"},
    {"HeaderTrailing", "FUNCTION f() AS LONG PTR x\n", {},
     E + "1,char:24 Function has return type declared, expected end of line. >>x\n"},
    {"ParamCutAfterParen", "FUNCTION f(\n", {}, E + "1,char:11 Expected parameter name, not end of line. >>\n"},
    {"ParamCutAfterByval", "FUNCTION f(BYVAL\n", {}, E + "1,char:16 Expected parameter name, not end of line. >>\n"},
    {"ParamWithoutAs", "FUNCTION f(a)\n", {}, E + "1,char:11 Expected keyword \"As\". >>)\n"},
    {"ParamTypeMissing", "FUNCTION f(a AS)\n", {}, E + "1,char:14 Expected parameterType, not \")\". >>)\n"},
    {"ParamTypeCut", "FUNCTION f(a AS\n", {}, E + "1,char:15 Expected parameter type, not end of line. >>\n"},
    {"ParamListCut", "FUNCTION f(a AS LONG\n", {},
     E + "1,char:20 Expected \",\" or \")\", not end of line. >>\n"},
    {"ParamsReadThenDropped", "FUNCTION f(a AS LONG, b)\nDIM z AS LONG\n", {"var z:Long s0 n0"},
     E + "1,char:22 Expected keyword \"As\". >>)\n"},
    {"HeaderCutByEndOfFile", "FUNCTION f(a AS", {}, E + "1,char:15 Expected parameter type, not end of line. >>\n"},
    // External-declaration parser.
    {"DeclareSub", "DECLARE SUB Beep\n", {}, E + "1,char:9 Expected keyword \"Function\". >>SUB\n"},
    {"DeclareNoName", "DECLARE FUNCTION\n", {}, E + "1,char:17 Expected Function name. Not end of line. >>\n"},
    {"DeclareNameOnly", "DECLARE FUNCTION Beep\n", {}, E + "1,char:22 Expected keyword ALIAS. Not end of line. >>\n"},
    {"DeclareLibFirst", "DECLARE FUNCTION Beep LIB \"k.dll\"\n", {}, E + "1,char:23 Expected keyword ALIAS. >>LIB\n"},
    {"DeclareNoAlias", "DECLARE FUNCTION Beep ALIAS\n", {}, E + "1,char:28 Expected Alias name. Not end of line. >>\n"},
    {"DeclareNoLib", "DECLARE FUNCTION Beep ALIAS \"Beep\" (\n", {}, E + "1,char:34 Expected keyword LIB. >>(\n"},
    {"DeclareLibCut", "DECLARE FUNCTION Beep ALIAS \"Beep\" LIB\n", {},
     E + "1,char:38 Expected Lib name. Not end of line. >>\n"},
    {"DeclareLibUnquoted", "DECLARE FUNCTION Beep ALIAS \"Beep\" LIB kernel32\n", {},
     E + "1,char:39 Expected library or dll name. >>kernel32\n"},
    {"DeclareNoParen", "DECLARE FUNCTION Beep ALIAS \"Beep\" LIB \"k.dll\" x\n", {}, E + "1,char:46 Expected \"(\". >>x\n"},
    // Property parser.
    {"PropertyLet", "PUBLIC PROPERTY LET Width\n", {}, E + "1,char:17 Expected \"Get\" or \"Set\". >>LET\n"},
    {"GetNoParen", "PUBLIC PROPERTY GET Width AS LONG\n", {}, E + "1,char:27 Expected ( after Property Name. >>AS\n"},
    {"GetWithParameter", "PUBLIC PROPERTY GET Width(x) AS LONG\n", {}, E + "1,char:26 Expected ). >>x\n"},
    {"GetNoAs", "PUBLIC PROPERTY GET Width() LONG\n", {}, E + "1,char:27 Expected \"As\" >>LONG\n"},
    {"SetNoParen", "PUBLIC PROPERTY SET Width v AS LONG\n", {}, E + "1,char:27 Expected ( after property Name. >>v\n"},
    {"SetNotClosed", "PUBLIC PROPERTY SET Width(v AS LONG x\n", {}, E + "1,char:36 Expected ) >>x\n"},
    {"SetTrailing", "PUBLIC PROPERTY SET Width(v AS LONG) x\n", {}, E + "1,char:36 Expected end of line. >>x\n"},
    // User-type parser: a failed block registers no type.
    {"TypeHeaderTrailing", "TYPE Point x\nEND TYPE\n", {}, E + "1,char:12 Expected new line >>x\n"},
    {"TypeEmptyLine", "TYPE Point\n\nEND TYPE\n", {}, E + "2,char:1 Expected variable name not end of line. >>\n"},
    {"TypeUnknownSize", "TYPE T\nbuf(N) AS BYTE\nEND TYPE\n", {}, E + "2,char:4 Expected value for array size. >>N\n"},
    {"TypeSizeNotClosed", "TYPE T\nbuf(4 x AS BYTE\nEND TYPE\n", {}, E + "2,char:6 ecxpected ). >>x\n"},
    {"TypeFieldWithoutAs", "TYPE T\nflag BYTE\nEND TYPE\n", {}, E + "2,char:6 Expected keyword \"AS\". >>BYTE\n"},
    {"TypeEndSomethingElse", "TYPE T\nx AS LONG\nEND SUB\n", {}, E + "3,char:5 Expected End Type >>SUB\n"},
    {"TypeCutByEndOfFile", "TYPE T\nx AS LONG\n", {}, E + "2,char:10 Expected End Type >>\n"},
    {"ProtectedTypeIsAVariable", "PROTECTED TYPE T\nx AS LONG\nEND TYPE\n", {},
     E + "1,char:16 Expected keyword \"As\" >>T\n"},
    // Constant parser.
    {"ConstNoName", "CONST\n", {}, E + "1,char:6 Expected CONST name not end of line. >>\n"},
    {"ConstNoEquals", "CONST A 10\n", {}, E + "1,char:9 Expected assignment =. >>10\n"},
    {"ConstMinusAfterEquals", "CONST A = -5\n", {"var A:Long s0 n0 const=-5"}, ""},
    {"ConstHex", "CONST A = &H10\n", {"var A:Long s0 n0 const=&H10"}, ""},
    {"ConstDecimal", "CONST A = -2.50\n", {"var A:Double s0 n0 const=-2.50"}, ""},
    {"ConstTrailing", "CONST A = 10 20\n", {}, E + "1,char:14 Expected end of line. >>20\n"},
    {"DefineTrailing", "DEFINE Y 1 2\n", {}, E + "1,char:12 Expected end of line. >>2\n"},
    // Recovery.
    {"UnclosedLiteral", "CONST S = \"abc\nDIM x AS LONG\n", {"var x:Long s0 n0"},
     E + "1,char:15 " + quoteMessage + " >>\n"},
    {"TwoErrors", "DIM 2x AS LONG\nDIM ok AS LONG\nCONST\n", {"var ok:Long s0 n0"},
     E + "1,char:5 Variables cannot begin with a number. >>2x\n" + E +
         "3,char:6 Expected CONST name not end of line. >>\n"},
    {"LinesAfterComments", "' one\n' two\nDIM x AS LONG ' note\nDIM 2y AS LONG\n", {"var x:Long s0 n0"},
     E + "4,char:5 Variables cannot begin with a number. >>2y\n"},
};

INSTANTIATE_TEST_SUITE_P(Declarations, DeclarationRecords, ::testing::ValuesIn(passCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FlagCase {
    const char* source;
    bool isClass;
    const char* className;
    const char* base;
    bool api, interface, skip, pure;
};

TEST_F(DeclarationPassTest, ModuleFlags) {
    const FlagCase cases[] = {
        {"DIM x AS LONG\n", false, "", "", false, false, false, false},
        {"CLASS Circle EXTENDS Shape\n", true, "Circle", "Shape", false, false, false, false},
        {"CLASS Shape\nFUNCTION Draw() AS LONG = 0\n", true, "Shape", "", false, false, false, true},
        {"INTERFACEAPI more words\n", false, "", "", true, false, false, false},
        {"INTERFACEIGNORE\n", false, "", "", false, true, false, false},
        {"INTERFACESKIP\n", false, "", "", false, false, true, false},
    };
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(c.source);
        const ModuleRecord& m = *passText(c.source).modules[0];
        EXPECT_EQ(m.fileName, "prog.bas");
        EXPECT_EQ(m.cppFileName, "prog.cpp");
        EXPECT_EQ(m.isClassModule, c.isClass);
        EXPECT_EQ(m.className, c.className);
        EXPECT_EQ(m.baseClassName, c.base);
        EXPECT_EQ(m.isApiModule, c.api);
        EXPECT_EQ(m.isInterfaceModule, c.interface);
        EXPECT_EQ(m.interfaceSkip, c.skip);
        EXPECT_EQ(m.hasPureVirtual, c.pure);
        const ModuleRecord& kit = *t->modules[1];
        EXPECT_FALSE(kit.isClassModule || kit.isApiModule || kit.isInterfaceModule || kit.interfaceSkip ||
                     kit.hasPureVirtual);
        EXPECT_EQ(out.str(), "");
    }
}

TEST_F(DeclarationPassTest, UsingChainParsesEachModuleOnceInRegistrationOrder) {
    Translator& tr = passText("USING lib\nUSING zeta\n", {{"LIB.BAS", "USING LIB\nUSING beta\nDIM 2bad AS LONG\n"},
                                                         {"ZETA.BAS", "USING Beta\nDIM z AS LONG\n"},
                                                         {"BETA.BAS", "DIM b AS LONG\n"}});
    struct Expected {
        const char* fileName;
        const char* cppFileName;
        Lines used;
        Lines records;
    } expected[] = {
        {"prog.bas", "prog.cpp", {"Quillkit", "lib", "zeta"}, {}},
        {"Quillkit.BAS", "Quillkit.cpp", {}, {"var kitLevel:Long s0 n0"}},
        {"LIB.BAS", "LIB.cpp", {"LIB", "beta"}, {}},
        {"ZETA.BAS", "ZETA.cpp", {"Beta"}, {"var z:Long s0 n0"}},
        {"BETA.BAS", "BETA.cpp", {}, {"var b:Long s0 n0"}},
    };
    ASSERT_EQ(tr.modules.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].fileName);
        EXPECT_EQ(tr.modules[i]->fileName, expected[i].fileName);
        EXPECT_EQ(tr.modules[i]->cppFileName, expected[i].cppFileName);
        EXPECT_EQ(tr.modules[i]->usedModules, expected[i].used);
        EXPECT_EQ(describe(*tr.modules[i]), expected[i].records);
    }
    EXPECT_EQ(tr.moduleCursor, 5);
    EXPECT_EQ(tr.currentModule, tr.modules[0].get());
    // A report names the module it was found in.
    EXPECT_EQ(out.str(), "Error in LIB.BAS - Line:3,char:5 Variables cannot begin with a number. >>2bad\n");
    EXPECT_TRUE(tr.declarationFailed);
}

TEST_F(DeclarationPassTest, ModuleFileLetterCase) {
    // USING quillkit is a module of its own, found under another letter case.
    Translator& tr = pass("USING quillkit\n");
    ASSERT_EQ(tr.modules.size(), 3u);
    EXPECT_EQ(tr.modules[2]->fileName, "QUILLKIT.BAS");
    EXPECT_EQ(tr.modules[0]->usedModules, (Lines{"Quillkit", "quillkit"}));
    EXPECT_EQ(describe(*tr.modules[2]), Lines{"var kitLevel:Long s0 n0"});
    EXPECT_EQ(tr.moduleCursor, 3);

    dir.write("tools.bas", "DIM loose AS LONG\n");
    EXPECT_EQ(describe(*pass("USING tools\n").modules[2]), Lines{"var loose:Long s0 n0"});
    dir.write("TOOLS.BAS", "DIM exact AS LONG\n");
    EXPECT_EQ(describe(*pass("USING tools\n").modules[2]), Lines{"var exact:Long s0 n0"});
    EXPECT_EQ(out.str(), "");

    // Two names that differ only in case: neither is taken.
    std::filesystem::remove(dir.file("TOOLS.BAS"));
    dir.write("Tools.bas", "DIM other AS LONG\n");
    EXPECT_EQ(fatalStop("USING tools\n"), "Parse1,unable to open input file: TOOLS.BAS\n");
}

TEST_F(DeclarationPassTest, MissingModuleIsFatal) {
    EXPECT_EQ(fatalStop("USING missing\n"), "Parse1,unable to open input file: MISSING.BAS\n");
    EXPECT_EQ(fatalStop("DIM x AS LONG\n", "nothere.bas"), "Parse1,unable to open input file: nothere.bas\n");
    std::filesystem::remove(dir.file("Quillkit.BAS"));
    EXPECT_EQ(fatalStop("DIM x AS LONG\n"), "Parse1,unable to open input file: Quillkit.BAS\n");
    // With sources given as text, a module on disk is not found.
    dir.write("ONDISK.BAS", "DIM d AS LONG\n");
    EXPECT_THROW(passText("USING ondisk\n"), FatalStop);
}

TEST_F(DeclarationPassTest, RunTurnsFatalStopIntoStatusOne) {
    dir.write("prog.bas", "DIM 2x AS LONG\nUSING missing\n");
    Translator tr(out);
    EXPECT_EQ(tr.run({"prog.bas"}), 1);
    const std::string tail = "Error in prog.bas - Line:1,char:5 Variables cannot begin with a number. >>2x\n"
                             "Parse1,unable to open input file: MISSING.BAS\n";
    const std::string printed = out.str();
    ASSERT_GE(printed.size(), tail.size());
    EXPECT_EQ(printed.substr(printed.size() - tail.size()), tail);
    EXPECT_EQ(printed.find("unable to continue"), std::string::npos);
}

// The function-pointer parser, started on FUNCTION after AS.
TEST_F(DeclarationPassTest, FunctionPointerTypes) {
    struct Case {
        const char* line;
        const char* written;  // empty when the declaration fails
        const char* error;
        const char* record;
    } cases[] = {
        {"Handler AS FUNCTION(a AS LONG, b AS STRING) AS LONG",
         "typedef Long(*LongHandler)(Long,String);\nLongHandler Handler{};\n", "",
         "fn Handler(a:Long, b:String) ret=Long s0 n2 fnptr"},
        {"Handler AS FUNCTION()", "typedef void(*voidHandler)();\nvoidHandler Handler{};\n", "",
         "fn Handler() ret=void s0 n0 fnptr"},
        {"Handler AS FUNCTION(a AS long, p AS Point, s AS Sprite)",
         "typedef void(*voidHandler)(Long,Point,Sprite);\nvoidHandler Handler{};\n", "",
         "fn Handler(a:Long, p:Point, s:Sprite) ret=void s0 n3 fnptr"},
        {"Handler AS FUNCTION(a AS Widget)", "", "Invalid data type.", ""},
        {"Handler AS FUNCTION a", "", "Expected ( after keyword \"Function\"", ""},
        {"Handler AS FUNCTION(a LONG)", "", "Epected \"As\"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Translator tr(out);
        tr.modules.push_back(std::make_unique<ModuleRecord>());
        tr.modules[0]->types.push_back(std::make_shared<TypeRecord>());
        tr.modules[0]->types[0]->name = "Point";
        tr.modules.push_back(std::make_unique<ModuleRecord>("Sprite.bas"));
        tr.modules[1]->isClassModule = true;
        tr.modules[1]->className = "Sprite";
        tr.currentModule = tr.modules[0].get();

        ASSERT_TRUE(tr.reader.open(dir.write("fp.bas", std::string("' pointer\n") + c.line + "\n")));
        do tr.reader.nextToken();
        while (tr.reader.token != "FUNCTION" && !tr.reader.atEof);
        tr.output.open(dir.file("fp.cpp"));
        std::string error;
        try {
            tr.parseFunctionPointer("Handler");
        } catch (const SyntaxError& e) {
            error = e.message;
        }
        tr.output.close();
        std::ifstream written(dir.file("fp.cpp"));
        std::stringstream text;
        text << written.rdbuf();
        EXPECT_EQ(text.str(), c.written);
        EXPECT_EQ(error, c.error);
        if (*c.error) {
            EXPECT_TRUE(tr.functionPointerTypes.empty());
            continue;
        }
        EXPECT_TRUE(tr.reader.lineEnded);
        ASSERT_EQ(tr.functionPointerTypes.size(), 1u);
        const FunctionRecord& f = *tr.functionPointerTypes[0];
        EXPECT_EQ(f.declaredLine, 2);
        EXPECT_EQ(describeFunction(f), c.record);
    }
}

}  // namespace
