// Function-pointer shapes, read by both passes: a parameter's type, a
// local's and a module-level variable's.
#include "driver/translator.h"
#include "source/syntax_error.h"
#include "symbols/variable_head.h"

/* shape -> FUNCTION "(" [name AS type {"," name AS type}] ")" [AS type] */
std::shared_ptr<FunctionRecord> Translator::parseFunctionPointerShape(bool typesKnown) {
    SourceReader& r = reader;
    auto shape = std::make_shared<FunctionRecord>();
    // The declaration pass spells the types as written; they settle later.
    auto spelling = [&](const std::string& type) { return typesKnown ? declaredTypeSpelling(type) : typeSpelling(type); };
    r.nextToken();
    r.skip("(", "Expected ( after keyword \"Function\"");
    bool closed = r.is(")");
    if (!closed) {
        r.pushBack();
        while (!r.lineEnded) {
            auto parameter = std::make_shared<VariableRecord>();
            r.nextToken();
            parameter->name = r.tokenAsWritten;
            r.nextToken();
            r.skip("AS", "Epected \"As\"");
            if (typesKnown && !isKnownType(r.token)) throw SyntaxError{"Invalid data type."};
            parameter->type = spelling(r.tokenAsWritten);
            shape->parameters.push_back(parameter);
            r.nextToken();
            if (r.is(")")) {
                closed = true;
                break;
            }
        }
    }
    // A list cut by the end of the line would leave a broken typedef and
    // read on into the next statement.
    if (!closed) throw SyntaxError{"Expected \")\", not end of line."};
    r.nextToken();
    shape->returnType = "void";
    if (r.is("AS")) {
        r.nextToken();
        if (r.lineEnded) throw SyntaxError{"Expected functon return type, not end of line."};
        shape->returnType = spelling(r.tokenAsWritten);
        r.nextToken();
    }
    shape->isFunctionPointer = true;
    shape->paramCount = static_cast<int32_t>(shape->parameters.size());
    return shape;
}

/* pointervar -> name ["(" size ")"] AS shape EOL ; outside procedures */
void Translator::parseFunctionPointerVariable(ModuleRecord& module, int32_t scope, const VariableHead& head,
                                              int32_t line) {
    SourceReader& r = reader;
    if (insideProcedure) throw SyntaxError{"A function-pointer variable inside a procedure is declared with DIM."};
    // A class's static member would need a definition of its own.
    if (module.isClassModule && scope == SCOPE_STATIC_VARIABLE)
        throw SyntaxError{"A function-pointer member of a class is not STATIC."};
    if (head.isArray && head.arraySize < 0 && head.arraySizeName.empty())
        throw SyntaxError{"An array of function pointers needs its size."};
    auto pointer = parseFunctionPointerShape(false);
    if (r.is(",")) throw SyntaxError{"A function-pointer variable is declared on a DIM line of its own."};
    r.expectLineEnd("Expected end of line.");
    pointer->name = head.nameAsWritten;
    pointer->scope = scope;
    pointer->declaredLine = line;
    if (head.isArray && head.arraySizeName.empty()) pointer->elementCount = head.arraySize;
    if (!head.arraySizeName.empty())
        pendingSizes.push_back({&module, nullptr, head.arraySizeName, head.sizeLine, head.sizePosition, pointer});
    module.functions.push_back(pointer);
}
