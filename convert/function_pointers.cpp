// Function-pointer variables: a typedef named by the return type and the
// variable's name written together, then the variable itself.
#include <ostream>

#include "driver/translator.h"
#include "source/syntax_error.h"

/* fnptr -> AS FUNCTION "(" [name AS type {"," name AS type}] ")" [AS type] */
void Translator::parseFunctionPointer(const std::string& variableName, int32_t elements) {
    SourceReader& r = reader;
    auto pointerType = std::make_shared<FunctionRecord>();
    std::string parameterText;
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
            if (!isKnownType(r.token)) throw SyntaxError{"Invalid data type."};
            parameter->type = declaredTypeSpelling(r.tokenAsWritten);
            parameterText += parameter->type;
            pointerType->parameters.push_back(parameter);
            r.nextToken();
            if (r.is(")")) {
                closed = true;
                break;
            }
            parameterText += ",";
        }
    }
    // A list cut by the end of the line would leave a broken typedef and
    // read on into the next statement.
    if (!closed) throw SyntaxError{"Expected \")\", not end of line."};
    r.nextToken();
    std::string returnType = "void";
    if (r.is("AS")) {
        r.nextToken();
        if (r.lineEnded) throw SyntaxError{"Expected functon return type, not end of line."};
        returnType = declaredTypeSpelling(r.tokenAsWritten);
        r.nextToken();
    }
    pointerType->name = variableName;
    pointerType->returnType = returnType;
    pointerType->isFunctionPointer = true;
    pointerType->paramCount = static_cast<int32_t>(pointerType->parameters.size());
    pointerType->declaredLine = r.line;
    pointerType->elementCount = elements;
    output << "typedef " << returnType << "(*" << returnType << variableName << ")(" << parameterText
           << ");\n"
           << returnType << variableName << " " << variableName;
    if (elements > 0) output << "[" << elements << "]";
    // No function until one is given.
    output << "{};\n";
    functionPointerTypes.push_back(pointerType);
}
