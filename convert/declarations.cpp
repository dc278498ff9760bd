// Data declarations in the generated C++: variables, constants, user types
// and imports from dynamic libraries. The declaration pass has registered
// them already; the line is read again and the records supply the text.
#include <algorithm>
#include <string_view>

#include "convert/declaration_text.h"
#include "driver/translator.h"
#include "symbols/colliding_names.h"
#include "symbols/names.h"
#include "source/characters.h"
#include "source/syntax_error.h"
#include "symbols/variable_head.h"

namespace {


// Whether a declaration's value (its source text after "=") names the
// variable being declared: in C++ that is the new variable, which has no
// value yet. The value ends at the end of the statement or at a "," outside
// parentheses; a member (after "." or "::") is another name.
bool valueNamesVariable(std::string_view ahead, const std::string& name) {
    int32_t depth = 0;
    char before = 0;  // the last character that is no blank
    for (size_t i = 0; i < ahead.size();) {
        const char c = ahead[i];
        if (c == '\n' || c == '\'' || (c == ',' && depth == 0)) break;
        if (c == ':' && (i + 1 >= ahead.size() || ahead[i + 1] != ':') && before != ':') break;
        if (c == '"') {
            ++i;
            while (i < ahead.size() && ahead[i] != '"' && ahead[i] != '\n') ++i;
            if (i < ahead.size() && ahead[i] == '"') ++i;
            before = '"';
            continue;
        }
        if (isNameChar(c)) {
            const size_t start = i;
            while (i < ahead.size() && isNameChar(ahead[i])) ++i;
            const bool word = !(c >= '0' && c <= '9');
            if (word && before != '.' && before != ':' &&
                sameName(std::string(ahead.substr(start, i - start)), name))
                return true;
            before = 'a';
            continue;
        }
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (!isBlank(c)) before = c;
        ++i;
    }
    return false;
}

}  // namespace

/* declaration -> group (type [PTR] ["=" value] | FUNCTION ...) {"," group type [PTR] ["=" value]} EOL */
void Translator::emitVariableDefinition(const std::string& prefix) {
    SourceReader& r = reader;
    // Every name of the line gets a declaration of its own, indented as the line.
    const std::string indent = r.indent;
    bool first = true;
    do {
        std::vector<VariableHead> group = readVariableGroup(r);
        for (VariableHead& head : group)
            if (!head.arraySizeName.empty()) head.arraySize = constantArraySize(*currentModule, head.arraySizeName);
        if (r.is("FUNCTION")) {
            const VariableHead& head = group.front();
            if (!first || group.size() > 1)
                throw SyntaxError{"A function-pointer variable is declared on a DIM line of its own."};
            if (head.isArray && head.arraySize < 0) throw SyntaxError{"An array of function pointers needs its size."};
            // An API header may be included by several translation units.
            const bool inlined = currentModule && currentModule->isApiModule && !insideProcedure;
            parseFunctionPointer(collisionFreeSpelling(head.nameAsWritten), head.isArray ? head.arraySize : 0,
                                 prefix + (inlined ? "inline " : ""));
            if (r.is(",")) throw SyntaxError{"A function-pointer variable is declared on a DIM line of its own."};
            return;
        }
        if (!isKnownType(r.token)) throw SyntaxError{"unknown data type:" + r.tokenAsWritten};
        requireVisibleType(r.tokenAsWritten);
        const std::string type = declaredTypeSpelling(r.tokenAsWritten);
        const bool abstract = isAbstractClass(r.token);
        r.nextToken();
        const bool isPointer = r.accept("PTR");
        if (!isPointer && abstract) throw SyntaxError{"Cannot define a non pointer variable of a virtual class."};
        const bool hasValue = r.is("=");
        if (hasValue) {
            checkInitialValueNames(group);
            checkInitialValueTarget(type, isPointer, !insideProcedure);
        }
        if (!hasValue && !r.is(",")) r.expectLineEnd("Expected end of line.");

        for (const VariableHead& head : group) {
            const bool fileScope = !insideProcedure && currentModule && !currentModule->isClassModule;
            const std::string name =
                fileScope ? fileScopeSpelling(head.nameAsWritten) : collisionFreeSpelling(head.nameAsWritten);
            if (!first) output << ";\n" << indent;
            first = false;
            output << prefix;
            // An API header may be included by several translation units.
            if (currentModule && currentModule->isApiModule && !insideProcedure) output << "inline ";
            const std::string pointerName = (isPointer ? "*" : "") + name;
            if (head.isArray && head.arraySize != -1)
                output << type << " " << pointerName << "[" << head.arraySize << "]";
            else if (head.isArray)
                output << type << " " << "*" << pointerName;
            else
                output << type << " " << pointerName;

            if (hasValue && !insideProcedure) {
                // Copy-initialised, as an assignment converts the value.
                output << "=" << initialValueText(*currentModule, type, isPointer, readInitialConstant(r));
            } else if (hasValue) {
                const std::string_view ahead = r.textAhead();
                output << "=";
                r.nextToken();
                translateInitialValue(type, isPointer);
                const std::string_view value = ahead.substr(0, ahead.size() - std::min(ahead.size(), r.textAhead().size()));
                if (valueNamesVariable(value, head.nameAsWritten))
                    throw SyntaxError{"The initial value of " + head.nameAsWritten + " uses " +
                                      head.nameAsWritten + " itself, which has no value yet."};
            } else if (insideProcedure) {
                // A local starts at 0, "" or no object, as a module variable does.
                output << "{}";
            }

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
    } while (r.accept(","));
    r.expectLineEnd("Expected end of line.");
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
           << function->returnType.str() << " __stdcall \n"
           << entry << "(";
    const auto& parameters = function->parameters;
    for (size_t i = 0; i < parameters.size(); ++i) {
        const VariableRecord& parameter = *parameters[i];
        if (parameter.type == "String")
            output << "char* ";
        else if (parameter.type == "Any")
            output << "Long ";
        else
            output << parameter.type.str() << " ";
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
        if (type->declaredLine <= headLine || classHeaderHoldsTypes(module)) continue;
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
    // A function-pointer variable's typedef comes along; its line repeats it.
    for (const auto& pointer : module.functions) {
        if (!pointer->isFunctionPointer || pointer->declaredLine <= headLine) continue;
        if (pointer->scope == SCOPE_STATIC_VARIABLE) continue;
        output << functionPointerTypedef(*pointer) << "\nextern " << functionPointerDeclarator(*pointer) << ";\n";
    }
}

/* usertype -> TYPE name EOL { field EOL } END TYPE EOL */
void Translator::emitTypeDefinition() {
    SourceReader& r = reader;
    r.nextToken();
    const TypeRecord* type = findType(fileScopeSpelling(r.tokenAsWritten));
    if (!type) throw SyntaxError{"Syntax error."};
    // A class header that holds the module's TYPEs has this one.
    if (!type->declaredEarly && !classHeaderHoldsTypes(*currentModule)) writeStruct(output, *type);

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
