// The declaration pass: reads every module once and registers what it
// declares. Declarations are found by keyword alone, wherever they stand on
// their line; each token runs through the whole keyword table in order.
#include <ostream>

#include "driver/translator.h"
#include "source/syntax_error.h"

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

    try {
        reader.nextToken();
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
        try {
            reader.nextToken();
        } catch (const SyntaxError& error) {
            reportDeclarationError(error.message);
        }
    }
    reader.close();

    if (moduleCursor == 1) {
        // Modules registered meanwhile are parsed too: the size is read each time.
        for (size_t i = 1; i < modules.size(); ++i) {
            moduleCursor = static_cast<int32_t>(i + 1);
            runDeclarationPass(modules[i]->fileName);
        }
        settleTypeSpellings();
    }
}

// The keyword table: every row sees the token as the rows before left it.
void Translator::declareStatementToken(ModuleRecord& module) {
    SourceReader& r = reader;
    if (r.is("CLASS")) {
        r.nextToken();
        if (r.lineEnded) throw SyntaxError{"Expected class identifier."};
        module.className = r.tokenAsWritten;
        module.isClassModule = true;
        r.nextToken();
        if (r.is("EXTENDS")) {
            r.nextToken();
            module.baseClassName = r.tokenAsWritten;
        }
    }
    if (r.is("EXIT")) {
        r.nextToken();
        r.skip("FUNCTION", "Expected \"Function\".");
    }
    if (r.is("PRIVATE")) {
        r.nextToken();
        declareAfterAccessWord(module, SCOPE_PRIVATE, 12, true);
    }
    if (r.is("PUBLIC")) {
        r.nextToken();
        declareAfterAccessWord(module, SCOPE_PUBLIC, 10, true);
    }
    if (r.is("PROTECTED")) {
        r.nextToken();
        declareAfterAccessWord(module, SCOPE_PROTECTED, 11, false);
    }
    if (r.is("DIM")) {
        r.nextToken();
        if (!insideProcedure && r.is("STATIC"))
            throw SyntaxError{"DIM STATIC is not allowed. Use PRIVATE STATIC or PUBLIC STATIC."};
        if (!insideProcedure && !r.is("STATIC")) parseVariable(module, SCOPE_PUBLIC);
    }
    if (r.is("CONST")) parseConstant(module, SCOPE_PUBLIC);
    if (r.is("DEFINE")) parseConstant(module, SCOPE_PUBLIC);
    if (r.is("TYPE")) parseUserType(module, SCOPE_PUBLIC);
    if (r.is("USING")) {
        r.nextToken();
        if (!isPlainName(r.tokenAsWritten)) throw SyntaxError{"Expected module name."};
        module.usedModules.push_back(r.tokenAsWritten);
        std::string usedFile = r.token + ".BAS";
        bool known = false;
        for (const auto& m : modules) known = known || m->fileName == usedFile;
        if (!known) modules.push_back(std::make_unique<ModuleRecord>(usedFile));
        r.nextToken();
        r.expectLineEnd("Expected end of line.");
    }
    if (r.is("END")) {
        r.nextToken();
        if (r.is("FUNCTION") || r.is("PROPERTY")) insideProcedure = false;
        r.nextToken();
    }
    if (r.is("FUNCTION") && r.previousToken() != "AS") declareProcedureHeader(module, SCOPE_PUBLIC);
    if (r.is("DECLARE")) parseExternalDeclaration(module, SCOPE_PUBLIC);
    if (r.is("APPTYPE")) skipLine();
    if (r.is("INTERFACEIGNORE")) {
        module.isInterfaceModule = true;
        skipLine();
    }
    if (r.is("INTERFACESKIP")) {
        module.interfaceSkip = true;
        skipLine();
    }
    if (r.is("INTERFACEAPI")) {
        module.isApiModule = true;
        skipLine();
    }
}

// A header opens a body, except a pure virtual one: it has no END FUNCTION.
void Translator::declareProcedureHeader(ModuleRecord& module, int32_t scope) {
    FunctionRecord& function = parseFunctionHeader(module, scope);
    if (!function.isPureVirtual) insideProcedure = true;
}

// What follows PRIVATE, PUBLIC or PROTECTED; the first match applies.
void Translator::declareAfterAccessWord(ModuleRecord& module, int32_t scope, int32_t staticFunctionScope,
                                        bool hasTypeForm) {
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
            declareProcedureHeader(module, staticFunctionScope);
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
