// Function-pointer variables: a typedef named by the return type and the
// variable's name written together, then the variable itself.
#include "convert/declaration_text.h"
#include "driver/translator.h"

/* fnptr -> AS FUNCTION "(" [name AS type {"," name AS type}] ")" [AS type] */
void Translator::parseFunctionPointer(const std::string& variableName, int32_t elements, const std::string& prefix) {
    auto pointerType = parseFunctionPointerShape(true);
    pointerType->name = variableName;
    pointerType->declaredLine = reader.line;
    pointerType->elementCount = elements;
    // No function until one is given.
    output << functionPointerTypedef(*pointerType) << "\n" << prefix << functionPointerDeclarator(*pointerType)
           << "{};\n";
    functionPointerTypes.push_back(pointerType);
}
