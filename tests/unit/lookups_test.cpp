#include <gtest/gtest.h>

#include <sstream>

#include "driver/translator.h"

namespace {

// A Translator with hand-built modules; the first module is always a plain
// main module, as the declaration pass leaves it.
class LookupTest : public ::testing::Test {
protected:
    std::ostringstream console;
    Translator t{console};

    LookupTest() { addPlain(); }

    ModuleRecord* addPlain() {
        t.modules.push_back(std::make_unique<ModuleRecord>());
        return t.modules.back().get();
    }

    ModuleRecord* addClass(const std::string& name, const std::string& base = "") {
        auto module = std::make_unique<ModuleRecord>(name + ".bas");
        module->isClassModule = true;
        module->className = name;
        module->baseClassName = base;
        t.modules.push_back(std::move(module));
        return t.modules.back().get();
    }

    static VariableRecord* addVariable(ModuleRecord* m, const std::string& name,
                                       const std::string& type) {
        auto v = std::make_shared<VariableRecord>();
        v->name = name;
        v->type = type;
        m->variables.push_back(v);
        return v.get();
    }

    static FunctionRecord* addFunction(ModuleRecord* m, const std::string& name) {
        auto f = std::make_shared<FunctionRecord>();
        f->name = name;
        f->returnType = "Long";
        m->functions.push_back(f);
        return f.get();
    }

    static TypeRecord* addType(ModuleRecord* m, const std::string& name) {
        auto type = std::make_shared<TypeRecord>();
        type->name = name;
        m->types.push_back(type);
        return type.get();
    }

    VariableRecord* addLocal(const std::string& name, const std::string& type) {
        auto v = std::make_shared<VariableRecord>();
        v->name = name;
        v->type = type;
        t.localVariables.push_back(v);
        return v.get();
    }

    FunctionRecord* addFunctionPointer(const std::string& name) {
        auto f = std::make_shared<FunctionRecord>();
        f->name = name;
        f->isFunctionPointer = true;
        t.functionPointerTypes.push_back(f);
        return f.get();
    }

    ModuleRecord* mainModule() { return t.modules.front().get(); }
};

// --- records -------------------------------------------------------------

struct ExpectedParameter {
    const char* name;
    const char* type;
    bool byRef;
};

struct ExpectedBuiltIn {
    const char* name;
    const char* returnType;
    std::vector<ExpectedParameter> parameters;
};

const std::vector<ExpectedBuiltIn> kBuiltIns = {
    {"sizeof", "Integer", {{"AnyType", "Any", true}}},
    {"LOWORD", "Short", {{"l", "Long", false}}},
    {"HIWORD", "Short", {{"l", "Long", false}}},
    {"RGB", "Long", {{"c1", "Long", false}, {"c2", "Long", false}, {"c3", "Long", false}}},
    {"MAKEINTRESOURCE", "Long", {{"l", "Long", false}}},
};

void expectBuiltIns(const ModuleRecord& module) {
    ASSERT_EQ(module.functions.size(), kBuiltIns.size());
    for (size_t i = 0; i < kBuiltIns.size(); ++i) {
        const ExpectedBuiltIn& want = kBuiltIns[i];
        const FunctionRecord& got = *module.functions[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got.name, want.name);
        EXPECT_TRUE(got.builtIn);
        EXPECT_EQ(got.scope, 0);
        EXPECT_EQ(got.returnType, want.returnType);
        EXPECT_EQ(got.paramCount, static_cast<int32_t>(want.parameters.size()));
        ASSERT_EQ(got.parameters.size(), want.parameters.size());
        for (size_t p = 0; p < want.parameters.size(); ++p) {
            EXPECT_EQ(got.parameters[p]->name, want.parameters[p].name);
            EXPECT_EQ(got.parameters[p]->type, want.parameters[p].type);
            EXPECT_EQ(got.parameters[p]->byRef, want.parameters[p].byRef);
        }
    }
}

TEST(LookupRecords, BothConstructorsAddTheFiveBuiltIns) {
    ModuleRecord main;
    EXPECT_EQ(main.fileName, "");
    EXPECT_TRUE(main.usedModules.empty());
    EXPECT_FALSE(main.isClassModule);
    expectBuiltIns(main);

    ModuleRecord named("Quillkit.BAS");
    EXPECT_EQ(named.fileName, "Quillkit.BAS");
    expectBuiltIns(named);
}

TEST(LookupRecords, UpperCaseTouchesOnlyAsciiLetters) {
    const struct {
        std::string in, out;
    } cases[] = {
        {"", ""},
        {"msgBox_2", "MSGBOX_2"},
        {"ALREADY", "ALREADY"},
        {"a~z{`@[", "A~Z{`@["},
        {"caf\xc3\xa9", "CAF\xc3\xa9"},
        {std::string("a\0b", 3), std::string("A\0B", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(upperCase(c.in), c.out) << c.in;
    }
}

// --- functionSpelling / findFunction -------------------------------------

TEST_F(LookupTest, FunctionSpellingAndFindFunctionCaseRules) {
    FunctionRecord* msgBox = addFunction(mainModule(), "MsgBox");
    const struct {
        const char* query;
        const char* spelling;
        bool found;
    } cases[] = {
        {"MSGBOX", "MsgBox", true},
        {"msgbox", "", false},   // only the stored name is upper-cased
        {"MsgBox", "", false},
        {"SIZEOF", "sizeof", true},  // through the built-in record
        {"sizeof", "sizeof", false},  // answered directly, no record matches
        {"Sizeof", "", false},
        {"RGB", "RGB", true},
        {"MISSING", "", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        EXPECT_EQ(t.functionSpelling(c.query), c.spelling);
        EXPECT_EQ(t.findFunction(c.query) != nullptr, c.found);
    }
    EXPECT_EQ(t.findFunction("MSGBOX"), msgBox);
}

TEST_F(LookupTest, BuiltInFoundInEmptyProgramComesFromMainModule) {
    addPlain();  // the Quillkit module also carries built-ins
    t.currentModule = mainModule();
    FunctionRecord* loword = t.findFunction("LOWORD");
    ASSERT_NE(loword, nullptr);
    EXPECT_EQ(loword, mainModule()->functions[1].get());
    EXPECT_TRUE(loword->builtIn);
    EXPECT_EQ(loword->paramCount, 1);
    EXPECT_EQ(loword->returnType, "Short");
}

TEST_F(LookupTest, FunctionVisibilityFollowsCurrentClassOnly) {
    ModuleRecord* base = addClass("Base");
    ModuleRecord* shape = addClass("Shape", "Base");
    ModuleRecord* other = addClass("Other");
    ModuleRecord* lower = addClass("shape");
    addFunction(base, "InBase");
    FunctionRecord* inShape = addFunction(shape, "InShape");
    addFunction(other, "InOther");
    addFunction(lower, "InLowerShape");
    FunctionRecord* inMain = addFunction(mainModule(), "InMain");

    struct Case {
        const char* query;
        FunctionRecord* want;
    };
    t.currentModule = shape;
    for (const Case& c : {Case{"INSHAPE", inShape}, Case{"INMAIN", inMain},
                          Case{"INBASE", nullptr}, Case{"INOTHER", nullptr},
                          Case{"INLOWERSHAPE", nullptr}}) {
        SCOPED_TRACE(c.query);
        EXPECT_EQ(t.findFunction(c.query), c.want);
        EXPECT_EQ(t.functionSpelling(c.query), c.want ? c.want->name : "");
    }

    // No current module: only modules without a class name are searched.
    t.currentModule = nullptr;
    EXPECT_EQ(t.findFunction("INMAIN"), inMain);
    EXPECT_EQ(t.findFunction("INSHAPE"), nullptr);
}

TEST_F(LookupTest, FunctionPointerTypesSearchedAfterModules) {
    FunctionRecord* declared = addFunction(mainModule(), "Callback");
    FunctionRecord* pointerSame = addFunctionPointer("CALLBACK");
    FunctionRecord* pointerOnly = addFunctionPointer("OnClick");
    FunctionRecord* pointerTwice = addFunctionPointer("ONCLICK");
    t.currentModule = mainModule();

    EXPECT_EQ(t.findFunction("CALLBACK"), declared);
    EXPECT_NE(t.findFunction("CALLBACK"), pointerSame);
    EXPECT_EQ(t.findFunction("ONCLICK"), pointerOnly);
    EXPECT_NE(t.findFunction("ONCLICK"), pointerTwice);
    EXPECT_EQ(t.functionSpelling("ONCLICK"), "OnClick");
    EXPECT_EQ(t.functionSpelling("CALLBACK"), "Callback");
}

TEST_F(LookupTest, DuplicateFunctionGivesFirstRecord) {
    FunctionRecord* first = addFunction(mainModule(), "Draw");
    addFunction(mainModule(), "DRAW");
    ModuleRecord* second = addPlain();
    addFunction(second, "draw");
    EXPECT_EQ(t.findFunction("DRAW"), first);
    EXPECT_EQ(t.functionSpelling("DRAW"), "Draw");
}

// --- findMemberFunction --------------------------------------------------

TEST_F(LookupTest, MemberFunctionSearchesClassThenWholeBaseChain) {
    ModuleRecord* grand = addClass("Grand");
    ModuleRecord* base = addClass("Base", "Grand");
    ModuleRecord* shape = addClass("Shape", "Base");
    ModuleRecord* after = addClass("After");
    ModuleRecord* derived = addClass("Derived", "After");
    FunctionRecord* onlyGrand = addFunction(grand, "OnlyGrand");
    addFunction(base, "Area");
    FunctionRecord* onlyBase = addFunction(base, "OnlyBase");
    FunctionRecord* shapeArea = addFunction(shape, "AREA");
    FunctionRecord* onlyShape = addFunction(shape, "OnlyShape");
    FunctionRecord* afterArea = addFunction(after, "Area");
    FunctionRecord* derivedArea = addFunction(derived, "Area");
    addFunction(mainModule(), "MainOnly");
    t.currentModule = shape;

    const struct {
        const char* className;
        const char* member;
        FunctionRecord* want;
    } cases[] = {
        {"Shape", "AREA", shapeArea},  // the class before its base, in any module order
        {"Shape", "ONLYBASE", onlyBase},
        {"Shape", "ONLYSHAPE", onlyShape},
        {"Shape", "ONLYGRAND", onlyGrand},  // two levels up
        {"Shape", "MAINONLY", nullptr},
        {"Shape", "area", nullptr},
        {"shape", "ONLYSHAPE", nullptr},  // class names compared exactly
        {"Derived", "AREA", derivedArea},
        {"After", "AREA", afterArea},
        {"Nobody", "AREA", nullptr},
        {"Grand", "ONLYBASE", nullptr},  // derived classes are not searched
        {"Grand", "MAINONLY", nullptr},  // no base: plain modules stay out
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.className) + "." + c.member);
        EXPECT_EQ(t.findMemberFunction(c.className, c.member), c.want);
    }
}

TEST_F(LookupTest, MemberFunctionOwnClassFirstWhenBaseParsedLater) {
    ModuleRecord* shape = addClass("Shape", "Base");
    ModuleRecord* base = addClass("Base");
    FunctionRecord* shapeArea = addFunction(shape, "Area");
    addFunction(base, "Area");
    FunctionRecord* baseOnly = addFunction(base, "Perimeter");
    EXPECT_EQ(t.findMemberFunction("Shape", "AREA"), shapeArea);
    EXPECT_EQ(t.findMemberFunction("Shape", "PERIMETER"), baseOnly);
}

TEST_F(LookupTest, MemberFunctionBaseTakenFromLastModuleOfThatClass) {
    addClass("Shape", "First");
    addClass("Shape", "Second");
    ModuleRecord* first = addClass("First");
    ModuleRecord* second = addClass("Second");
    addFunction(first, "FromFirst");
    FunctionRecord* fromSecond = addFunction(second, "FromSecond");
    EXPECT_EQ(t.findMemberFunction("Shape", "FROMFIRST"), nullptr);
    EXPECT_EQ(t.findMemberFunction("Shape", "FROMSECOND"), fromSecond);
}

// --- variableType ---------------------------------------------------------

TEST_F(LookupTest, VariableVisibilityByClass) {
    ModuleRecord* base = addClass("Base");
    ModuleRecord* shape = addClass("Shape", "Base");
    ModuleRecord* other = addClass("Other");
    ModuleRecord* lower = addClass("shape");
    ModuleRecord* plain = addPlain();
    addVariable(mainModule(), "inMain", "MainT");
    addVariable(base, "inBase", "BaseT");
    addVariable(shape, "inShape", "ShapeT");
    addVariable(other, "inOther", "OtherT");
    addVariable(lower, "inLower", "LowerT");
    addVariable(other, "shared", "OtherT");
    addVariable(plain, "shared", "PlainT");

    const struct {
        const char* name;
        const char* inShape;    // current module Shape
        const char* inOther;    // current module Other
        const char* noCurrent;  // current module null
    } cases[] = {
        {"inMain", "MainT", "MainT", "MainT"},
        {"INMAIN", "MainT", "MainT", "MainT"},
        {"inShape", "ShapeT", "", ""},
        {"inBase", "BaseT", "", ""},
        {"inOther", "", "OtherT", ""},
        {"inLower", "", "", ""},
        {"Shared", "PlainT", "OtherT", "PlainT"},
        {"missing", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        t.currentModule = shape;
        EXPECT_EQ(t.variableType(c.name), c.inShape);
        t.currentModule = other;
        EXPECT_EQ(t.variableType(c.name), c.inOther);
        t.currentModule = nullptr;
        EXPECT_EQ(t.variableType(c.name), c.noCurrent);
    }
}

TEST_F(LookupTest, LocalVariablesHideModuleVariables) {
    addVariable(mainModule(), "Counter", "Long");
    addLocal("counter", "String");
    addLocal("Local", "Double");
    addLocal("LOCAL", "Byte");
    t.currentModule = mainModule();
    EXPECT_EQ(t.variableType("COUNTER"), "String");
    EXPECT_EQ(t.variableType("local"), "Double");
    EXPECT_EQ(t.variableType("nothing"), "");
}

TEST_F(LookupTest, DuplicateVariableGivesFirstType) {
    addVariable(mainModule(), "x", "Long");
    addVariable(mainModule(), "X", "String");
    t.currentModule = mainModule();
    EXPECT_EQ(t.variableType("x"), "Long");
}


// One search stands for the three variable lookups only where they agree:
// inside a class its base's members are typed and declared, not visible.
TEST_F(LookupTest, LookUpVariableAnswersAsEachLookup) {
    ModuleRecord* base = addClass("Base");
    ModuleRecord* shape = addClass("Shape", "Base");
    addVariable(mainModule(), "inMain", "Long");
    addVariable(base, "inBase", "Long");
    addVariable(shape, "inShape", "Long");
    addLocal("local", "Byte");
    for (ModuleRecord* current : {mainModule(), shape, base}) {
        t.currentModule = current;
        for (const char* name : {"INMAIN", "inBase", "InShape", "LOCAL", "missing"}) {
            SCOPED_TRACE(std::string(name) + " in " + current->className);
            const VariableLookup found = t.lookUpVariable(name);
            EXPECT_EQ(found.typed, t.symbols.typedVariable(name));
            EXPECT_EQ(found.visible, t.symbols.visibleVariable(name));
            EXPECT_EQ(found.declared, t.symbols.declaredVariable(name));
            EXPECT_EQ(found.local, std::string(name) == "LOCAL");
        }
    }
}

// The kinds kept for type names are asked again once the table changes.
TEST_F(LookupTest, TypeKindFollowsTheTable) {
    t.currentModule = mainModule();
    EXPECT_EQ(t.typeKind("Thing").structType, nullptr);
    TypeRecord* thing = addType(mainModule(), "Thing");
    addClass("Gadget");
    t.symbols.changed();
    EXPECT_EQ(t.typeKind("Thing").structType, thing);
    EXPECT_TRUE(t.typeKind("GADGET").isClass);
    EXPECT_EQ(t.typeKind("GADGET").classModule, t.modules.back().get());
}


// --- isKnownType / findType ----------------------------------------------

TEST_F(LookupTest, KnownTypes) {
    addType(mainModule(), "Point");
    ModuleRecord* other = addClass("Other");
    addType(other, "Rect");  // types of every module count
    addClass("Shape");
    ModuleRecord* notClass = addPlain();
    notClass->className = "Ghost";  // a name without CLASS is no type

    const struct {
        const char* name;
        bool want;
    } cases[] = {
        {"LONG", true},    {"INTEGER", true}, {"BYTE", true},   {"BOOLEAN", true},
        {"STRING", true},  {"SINGLE", true},  {"DOUBLE", true}, {"SHORT", true},
        {"CHAR", true},    {"Long", false},   {"long", false},  {"POINT", true},
        {"Point", false},  {"RECT", true},    {"SHAPE", true},  {"Shape", false},
        {"OTHER", true},   {"GHOST", false},  {"VOID", false},  {"", false},
        {"LONGS", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(t.isKnownType(c.name), c.want) << c.name;
    }
}

TEST_F(LookupTest, FindTypeComparesExactBytes) {
    TypeRecord* point = addType(mainModule(), "Point");
    addType(mainModule(), "Point");
    ModuleRecord* shape = addClass("Shape");
    TypeRecord* rect = addType(shape, "Rect");

    const struct {
        const char* name;
        TypeRecord* want;
    } cases[] = {
        {"Point", point}, {"point", nullptr}, {"POINT", nullptr}, {"Poin", nullptr},
        {"Point ", nullptr}, {"Rect", rect},  {"", nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(t.findType(c.name), c.want) << c.name;
    }
}

}  // namespace
