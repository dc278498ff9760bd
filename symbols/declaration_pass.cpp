// The declaration pass: reads every module once and registers what it
// declares. Declarations are found by keyword alone, wherever they stand on
// their line; each token that is a keyword of the table runs through the
// whole table in order.
#include <ostream>
#include <string_view>

#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {
extern const SourceReader::TokenShapes declarationKeywords;
}

void Translator::runDeclarationPass(std::string fileName) {
    insideProcedure = false;
    ModuleRecord* module = nullptr;
    if (modules.empty()) {
        modules.push_back(std::make_unique<ModuleRecord>());
        symbols.changed();
        module = modules.back().get();
        module->fileName = fileName;
        currentModule = module;
    } else {
        for (const auto& candidate : modules)
            if (candidate->fileName == fileName) {
                module = candidate.get();
                break;
            }
    }
    module->cppFileName = changeExtension(module->fileName, "cpp");
    if (!openModuleSource(module->fileName))
        throw FatalStop{"Parse1,unable to open input file: " + module->fileName + "\n", 1};
    scannedModule = module;

    if (moduleCursor == 1) {
        module->usedModules.push_back("Quillkit");
        modules.push_back(std::make_unique<ModuleRecord>("Quillkit.BAS"));
        symbols.changed();
    }

    // Only a token that may be a keyword of the table is delivered: the
    // others pass by inside the reader, their line and column counted.
    try {
        reader.nextWantedToken(declarationKeywords);
    } catch (const SyntaxError& error) {
        reportDeclarationError(error.message);
    }
    while (!reader.atEof) {
        try {
            declareStatementToken(*module);
        } catch (const SyntaxError& error) {
            reportDeclarationError(error.message);
        }
        // A statement may have added records, modules or a class name.
        symbols.changed();
        // Nothing is written in this pass: the tabs the reader gathers go.
        reader.indent.clear();
        try {
            reader.nextWantedToken(declarationKeywords);
        } catch (const SyntaxError& error) {
            reportDeclarationError(error.message);
        }
    }
    // The conversion pass reads the module again: its text is kept for it.
    reader.closeKeepingText();

    if (moduleCursor == 1) {
        // Modules registered meanwhile are parsed too: the size is read each time.
        for (size_t i = 1; i < modules.size(); ++i) {
            moduleCursor = static_cast<int32_t>(i + 1);
            runDeclarationPass(modules[i]->fileName);
        }
        resolvePendingSizes();
        resolvePendingValues();
        settleTypeSpellings();
        markMainProgramRecords();
    }
}

// The main program's own declarations live in its .cpp alone.
void Translator::markMainProgramRecords() {
    ModuleRecord& main = *modules.front();
    for (const auto& function : main.functions) function->inMainProgram = !function->builtIn;
    for (const auto& variable : main.variables) variable->inMainProgram = true;
    for (const auto& type : main.types) type->inMainProgram = true;
}

namespace {

// The declaration pass's keyword table. Every token is tested against all
// the rows from the top, and every row sees the token as the rows before it
// left it: a row's handler reads on, and the next rows test what it left.
struct DeclarationRow {
    std::string_view keyword;                           // upper case
    bool (*also)(const Translator&);                    // what else must hold, if anything
    void (*handle)(Translator&, ModuleRecord&);
};

/* classline -> CLASS name [EXTENDS base] */
void classLine(Translator& t, ModuleRecord& module) {
    SourceReader& r = t.reader;
    r.nextToken();
    if (r.lineEnded) throw SyntaxError{"Expected class identifier."};
    module.className = r.tokenAsWritten;
    module.isClassModule = true;
    r.nextToken();
    if (r.accept("EXTENDS")) module.baseClassName = r.tokenAsWritten;
}

// EXIT FOR, WHILE and DO declare nothing; the conversion pass checks them.
void exitFunction(Translator& t, ModuleRecord&) {
    SourceReader& r = t.reader;
    r.nextToken();
    if (r.is("FOR") || r.is("WHILE") || r.is("DO")) return;
    r.skip("FUNCTION", "Expected \"Function\".");
}

void privateLine(Translator& t, ModuleRecord& module) {
    t.reader.nextToken();
    t.declareAfterAccessWord(module, SCOPE_PRIVATE, true);
}

void publicLine(Translator& t, ModuleRecord& module) {
    t.reader.nextToken();
    t.declareAfterAccessWord(module, SCOPE_PUBLIC, true);
}

void protectedLine(Translator& t, ModuleRecord& module) {
    t.reader.nextToken();
    t.declareAfterAccessWord(module, SCOPE_PROTECTED, false);
}

/* dim -> DIM variable ; inside a procedure a local, declared by the conversion pass */
void dim(Translator& t, ModuleRecord& module) {
    SourceReader& r = t.reader;
    r.nextToken();
    if (t.insideProcedure) return;
    if (r.is("STATIC")) throw SyntaxError{"DIM STATIC is not allowed. Use PRIVATE STATIC or PUBLIC STATIC."};
    t.parseVariable(module, SCOPE_PUBLIC);
}

void constant(Translator& t, ModuleRecord& module) { t.parseConstant(module, SCOPE_PUBLIC); }
void userType(Translator& t, ModuleRecord& module) { t.parseUserType(module, SCOPE_PUBLIC); }

/* using -> USING name ; a module is registered once, parsed after the others */
void usingModule(Translator& t, ModuleRecord& module) {
    SourceReader& r = t.reader;
    r.nextToken();
    if (!isPlainName(r.tokenAsWritten)) throw SyntaxError{"Expected module name."};
    const std::string name = r.tokenAsWritten;
    const std::string usedFile = r.token + ".BAS";
    // A line with more after the name registers nothing: "USING C:\x" is no module C.
    r.nextToken();
    // "USING C:\x" names no module C either.
    if (r.endedBy == SourceReader::End::Colon) throw SyntaxError{"Expected end of line."};
    r.expectLineEnd("Expected end of line.");
    module.usedModules.push_back(name);
    bool known = false;
    for (const auto& m : t.modules) known = known || m->fileName == usedFile;
    if (!known) t.modules.push_back(std::make_unique<ModuleRecord>(usedFile));
}

void endLine(Translator& t, ModuleRecord&) {
    SourceReader& r = t.reader;
    r.nextToken();
    if (r.is("FUNCTION") || r.is("PROPERTY")) t.insideProcedure = false;
    r.nextToken();
}

// FUNCTION after AS is a function-pointer type, declared by the conversion pass.
bool notAfterAs(const Translator& t) { return t.reader.previousToken() != "AS"; }

void procedureHead(Translator& t, ModuleRecord& module) { t.declareProcedureHeader(module, SCOPE_PUBLIC); }
void declare(Translator& t, ModuleRecord& module) { t.parseExternalDeclaration(module, SCOPE_PUBLIC); }
void skipWholeLine(Translator& t, ModuleRecord&) { t.skipLine(); }

void interfaceIgnore(Translator& t, ModuleRecord& module) {
    module.isInterfaceModule = true;
    t.skipLine();
}

void interfaceSkip(Translator& t, ModuleRecord& module) {
    module.interfaceSkip = true;
    t.skipLine();
}

void interfaceApi(Translator& t, ModuleRecord& module) {
    module.isApiModule = true;
    t.skipLine();
}

constexpr DeclarationRow declarationRows[] = {
    {"CLASS", nullptr, classLine},
    {"EXIT", nullptr, exitFunction},
    {"PRIVATE", nullptr, privateLine},
    {"PUBLIC", nullptr, publicLine},
    {"PROTECTED", nullptr, protectedLine},
    {"DIM", nullptr, dim},
    {"CONST", nullptr, constant},
    {"DEFINE", nullptr, constant},
    {"TYPE", nullptr, userType},
    {"USING", nullptr, usingModule},
    {"END", nullptr, endLine},
    {"FUNCTION", notAfterAs, procedureHead},
    {"DECLARE", nullptr, declare},
    {"APPTYPE", nullptr, skipWholeLine},
    {"INTERFACEIGNORE", nullptr, interfaceIgnore},
    {"INTERFACESKIP", nullptr, interfaceSkip},
    {"INTERFACEAPI", nullptr, interfaceApi},
};

// The shapes of the table's keywords: a token of none of them is no keyword
// of the table (a few others share a shape).
constexpr SourceReader::TokenShapes keywordShapes() {
    SourceReader::TokenShapes shapes;
    for (const DeclarationRow& row : declarationRows) shapes.add(row.keyword);
    return shapes;
}
constexpr SourceReader::TokenShapes declarationKeywords = keywordShapes();

}  // namespace

void Translator::declareStatementToken(ModuleRecord& module) {
    // No row takes a token that is none of their keywords.
    if (!declarationKeywords.has(reader.token.data(), reader.token.size())) return;
    for (const DeclarationRow& row : declarationRows)
        if (reader.token == row.keyword && (!row.also || row.also(*this))) row.handle(*this, module);
}

// A header opens a body, except a pure virtual one: it has no END FUNCTION.
void Translator::declareProcedureHeader(ModuleRecord& module, int32_t scope) {
    FunctionRecord& function = parseFunctionHeader(module, scope);
    if (!function.isPureVirtual) insideProcedure = true;
}

// What follows PRIVATE, PUBLIC or PROTECTED; the first match applies.
void Translator::declareAfterAccessWord(ModuleRecord& module, int32_t scope, bool hasTypeForm) {
    SourceReader& r = reader;
    if (r.is("FUNCTION")) {
        declareProcedureHeader(module, scope);
    } else if (r.is("CONST")) {
        parseConstant(module, scope);
    } else if (r.is("TYPE") && hasTypeForm) {
        parseUserType(module, scope);
    } else if (r.is("STATIC")) {
        r.nextToken();
        if (r.is("FUNCTION"))
            declareProcedureHeader(module, scope + STATIC_FUNCTION_SCOPE);
        else
            parseVariable(module, SCOPE_STATIC_VARIABLE);
    } else if (r.is("PROPERTY")) {
        // A property is public whatever its access word.
        parseProperty(module, SCOPE_PUBLIC);
        insideProcedure = true;
    } else if (!insideProcedure) {
        parseVariable(module, scope);
    }
}
