// Data declarations in the generated C++: variables, constants, user types
// and imports from dynamic libraries. The declaration pass has registered
// them already; the line is read again and the records supply the text.
#include <ostream>

#include "convert/declaration_text.h"
#include "driver/translator.h"
#include "symbols/colliding_names.h"
#include "source/syntax_error.h"
#include "symbols/variable_head.h"

/* variable -> head (type [PTR] | FUNCTION ...) EOL */
void Translator::emitVariableDefinition() {
    SourceReader& r = reader;
    VariableHead head = readVariableHead(r);
    if (!head.arraySizeName.empty()) head.arraySize = constantArraySize(*currentModule, head.arraySizeName);
    const std::string name = collisionFreeSpelling(head.nameAsWritten);
    if (r.is("FUNCTION")) {
        if (head.isArray && head.arraySize < 0) throw SyntaxError{"An array of function pointers needs its size."};
        parseFunctionPointer(name, head.isArray ? head.arraySize : 0);
        return;
    }
    if (!isKnownType(r.token)) throw SyntaxError{"unknown data type:" + r.tokenAsWritten};
    requireVisibleType(r.tokenAsWritten);
    const std::string type = declaredTypeSpelling(r.tokenAsWritten);
    const bool abstract = isAbstractClass(r.token);
    r.nextToken();
    const bool isPointer = r.accept("PTR");
    if (!isPointer && abstract) throw SyntaxError{"Cannot define a non pointer variable of a virtual class."};
    r.expectLineEnd("Expected end of line.");

    // An API header may be included by several translation units.
    if (currentModule && currentModule->isApiModule && !insideProcedure) output << "inline ";
    const std::string pointerName = (isPointer ? "*" : "") + name;
    if (head.isArray && head.arraySize != -1)
        output << type << " " << pointerName << "[" << head.arraySize << "]";
    else if (head.isArray)
        output << type << " " << "*" << pointerName;
    else
        output << type << " " << pointerName;
    // A local starts at 0, "" or no object, as a module variable does.
    if (insideProcedure) output << "{}";

    // A local hides a module variable of its name; declared twice, it is one.
    if (insideProcedure && !isLocalVariable(name)) {
        auto local = std::make_shared<VariableRecord>();
        local->name = name;
        local->type = type;
        local->isPointer = isPointer;
        local->isArray = head.isArray;
        local->arraySize = head.arraySize;
        localVariables.push_back(local);
    }
}

/* const  -> CONST name ["-"] "=" ["-"] value EOL
   define -> DEFINE name ["-"] (value | "&" Hdigits) EOL */
void Translator::emitConstant() {
    SourceReader& r = reader;
    r.nextToken();
    const VariableRecord* constant =
        currentModule ? symbols.constantAt(*currentModule, collisionFreeSpelling(r.tokenAsWritten), r.line) : nullptr;
    // The declaration pass read the line and registered what it holds (a
    // line it refused stops the run before this pass).
    if (!constant) throw SyntaxError{"Syntax error."};
    skipLine();
    // Declared in front of the module's procedures already.
    if (!constant->declaredEarly) writeConstantDefinition(output, *constant);
}

/* import -> DECLARE FUNCTION name ALIAS "entry" LIB "library" "(" params ")" [AS type] */
void Translator::emitExternalDeclaration() {
    SourceReader& r = reader;
    r.nextToken();
    r.nextToken();
    const FunctionRecord* function = findFunction(r.token);
    if (!function) throw SyntaxError{"Function does not exist."};
    const std::string& alias = function->aliasName;
    const std::string entry = alias.size() >= 2 ? alias.substr(1, alias.size() - 2) : std::string();

    output << "extern \"C\"{ \n"
           << " __declspec(dllimport) \n"
           << function->returnType << " __stdcall \n"
           << entry << "(";
    const auto& parameters = function->parameters;
    for (size_t i = 0; i < parameters.size(); ++i) {
        const VariableRecord& parameter = *parameters[i];
        if (parameter.type == "String")
            output << "char* ";
        else if (parameter.type == "Any")
            output << "Long ";
        else
            output << parameter.type << " ";
        // BYREF is a reference, which crosses the DLL boundary as an address;
        // a structure's address is a pointer, so that 0 can stand for none.
        // A String is handed over as its buffer and Any as an address already.
        if (passesAddress(parameter))
            output << "*";
        else if (parameter.byRef && parameter.type != "Any" && parameter.type != "String")
            output << "&";
        output << parameter.name;
        if (i + 1 < parameters.size()) output << ",";
    }
    output << ");\n};\n"
           << "\n";
    output.flush();
    // The BASIC name calls the imported entry.
    if (function->name != entry) {
        output << "#define " << function->name << " " << entry << "\n";
        output.flush();
    }
    skipLine();
}


// In front of a module's first procedure: the module-level TYPEs, constants
// and variables declared below it, so that every procedure may use them,
// as it may call every function. The TYPE and constant lines then write
// nothing more; a variable is declared extern here and defined at its line.
void Translator::emitEarlyDeclarations(const ModuleRecord& module, int32_t headLine) {
    for (const auto& type : module.types) {
        if (type->declaredLine <= headLine) continue;
        writeStruct(output, *type);
        type->declaredEarly = true;
    }
    for (const auto& variable : module.variables) {
        if (variable->declaredLine <= headLine || variable->declaredInProcedure) continue;
        if (variable->isConstant) {
            writeConstantDefinition(output, *variable);
            variable->declaredEarly = true;
        } else {
            writeExternDeclaration(output, *variable);
        }
    }
}

/* usertype -> TYPE name EOL { field EOL } END TYPE EOL */
void Translator::emitTypeDefinition() {
    SourceReader& r = reader;
    r.nextToken();
    const TypeRecord* type = findType(collisionFreeSpelling(r.tokenAsWritten));
    if (!type) throw SyntaxError{"Syntax error."};
    if (!type->declaredEarly) writeStruct(output, *type);

    // The field lines were registered by the declaration pass: skip to END.
    for (;;) {
        if (r.atEof) throw SyntaxError{"Expected End Type."};
        r.nextToken();
        if (r.is("END") && !r.atEof) break;
    }
    r.nextToken();
    r.skip("TYPE", "Expected End Type.");
    r.expectLineEnd("Expected end of line.");
}
