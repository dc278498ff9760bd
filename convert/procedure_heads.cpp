// FUNCTION and PROPERTY lines become C++ function heads; the first head of
// the run is preceded by the prototypes and the WinMain entry point.
#include "convert/declaration_text.h"
#include "convert/parameters.h"
#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {

// A method head qualifies the name with its class ("Long Shape ::  Area (").
void writeHead(OutputBuffer& out, const ModuleRecord& module, const FunctionRecord& function,
               const std::string& name) {
    // An API module's header may be included by several translation units.
    if (module.isApiModule && !module.isClassModule) out << "inline ";
    out << function.returnType.str() << (function.returnsPointer ? "*" : "");
    if (module.isClassModule) out << " " << module.className << " :: ";
    out << " " << name << " " << "(";
}


// A head may name only the TYPEs its module's C++ can see. One that names
// another is reported, and its body is still converted as its own.
void checkVisibleTypes(Translator& t, const FunctionRecord& function) {
    try {
        t.requireVisibleType(function.returnType);
        for (const auto& parameter : function.parameters) {
            t.requireVisibleType(parameter->type);
            if (const auto& shape = parameter->functionPointer()) {
                t.requireVisibleType(shape->returnType);
                for (const auto& inner : shape->parameters) t.requireVisibleType(inner->type);
            }
        }
    } catch (const SyntaxError& error) {
        t.reportConversionProblem(error.message);
    }
}

bool returnsValue(const FunctionRecord& function) {
    return !function.returnType.empty() && function.returnType != "Void" && function.returnType != "void";
}

}  // namespace

/* head -> FUNCTION (name | CLASSCONSTRUCTOR | CLASSDESTRUCTOR) ... EOL */
void Translator::emitProcedureHeader() {
    SourceReader& r = reader;
    ModuleRecord& module = *currentModule;
    emitModulePrologue(module);
    if (insideProcedure) endOpenProcedure("Missing End Function for previous function.");
    afterPureVirtualHead = false;
    const int32_t startLine = r.line;
    insideProcedure = true;
    openBlock(BlockKind::Function);
    r.nextToken();
    // The constructor and the destructor are named by the class.
    std::string name = r.token;
    if (r.is("CLASSCONSTRUCTOR"))
        name = upperCase(module.className);
    else if (r.is("CLASSDESTRUCTOR"))
        name = upperCase("~" + module.className);
    // A method takes its own class's record, even where an ordinary module
    // declares a function of the same name.
    FunctionRecord* function = module.isClassModule ? symbols.ownFunction(module, name, true) : nullptr;
    if (!function) function = findFunction(name);
    if (!function) throw SyntaxError{"Syntax error."};
    if (function->isPureVirtual) {
        // No body follows, and no END FUNCTION need.
        blocks.pop_back();
        insideProcedure = false;
        afterPureVirtualHead = true;
        skipLine();
        return;
    }
    procedureStack.push_back(startLine);
    checkVisibleTypes(*this, *function);
    writeHead(output, module, *function, function->name);
    currentProcedureName = function->name;
    procedureReturnsValue = returnsValue(*function);
    emitParameters(*function, true);
    output << "){" << "\n";
    output.flush();
    skipLine();
}

/* prophead -> PROPERTY (GET | SET) name ... EOL */
void Translator::emitPropertyHeader() {
    SourceReader& r = reader;
    ModuleRecord& module = *currentModule;
    emitModulePrologue(module);
    if (insideProcedure) endOpenProcedure("");
    afterPureVirtualHead = false;
    insideProcedure = true;
    openBlock(BlockKind::Property);
    procedureStack.push_back(r.line);
    r.nextToken();
    if (!r.is("GET") && !r.is("SET")) throw SyntaxError{"Expected \"Get\" or \"Set\""};
    const std::string kind = r.token;
    r.nextToken();
    FunctionRecord* accessor = findProperty(kind + r.token);
    if (!accessor) throw SyntaxError{"Syntax error."};
    if (accessor->isPureVirtual) {
        skipLine();
        return;
    }
    checkVisibleTypes(*this, *accessor);
    writeHead(output, module, *accessor, accessor->aliasName);
    currentProcedureName = accessor->name;
    procedureReturnsValue = returnsValue(*accessor);
    emitParameters(*accessor, true);
    output << "){" << "\n";
    output.flush();
    skipLine();
}

// Writes the parameter list; the parameters become locals of the body, a
// function-pointer parameter a function-pointer type as a local's DIM makes.
void Translator::emitParameters(const FunctionRecord& function, bool registerLocals) {
    output << parameterList(*this, function);
    if (!registerLocals) return;
    for (const auto& parameter : function.parameters) {
        if (parameter->functionPointer()) {
            auto pointer = std::make_shared<FunctionRecord>(*parameter->functionPointer());
            pointer->name = parameter->name;
            functionPointerTypes.push_back(pointer);
            continue;
        }
        auto local = std::make_shared<VariableRecord>();
        local->name = parameter->name;
        local->type = parameter->type;
        local->isPointer = passesAddress(*parameter);
        local->byRef = parameter->byRef;
        localVariables.push_back(local);
    }
}

// Before a module's first procedure head. The first head of the run gets
// the program's prologue; an API or plain module, whose functions may call
// each other in any order too, gets its own prototypes at its first head.
void Translator::emitModulePrologue(ModuleRecord& module) {
    const bool firstOfRun = !prologueWritten;
    prologueWritten = true;
    if (module.isClassModule || module.prototypesWritten) return;
    if (!firstOfRun && !module.isApiModule && !isPlainModule(module)) return;
    module.prototypesWritten = true;
    // A library is linked into programs that have an entry point of their own.
    emitPrologue(module, firstOfRun && !libraryMode);
}

void Translator::emitPrologue(const ModuleRecord& module, bool withEntryPoint) {
    if (module.isClassModule) return;
    emitEarlyDeclarations(module, reader.line);
    // An API module's header may be included by several translation units.
    const char* linkage = module.isApiModule ? "inline " : "";
    for (const auto& function : module.functions)
        if (hasPrototype(*function)) writePrototype(output, *this, *function, linkage);
    if (!withEntryPoint) return;
    output << "extern \"C\"{\n"
           << "int __stdcall WinMain ("
           << "long hThisInstance,long hPrevInstance"
           << ",char* lpszArgument,int nFunsterStil)"
           << "\n{\n"
           << "\t//SetUpDllCalls();\n"
           << "\tInitGui(hThisInstance);\n"
           << "\n}\n};\n";
}

