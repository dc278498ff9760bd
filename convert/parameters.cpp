#include "convert/parameters.h"

#include "driver/translator.h"

// Any other BYREF parameter is a C++ reference: the caller passes the
// variable itself and the body writes through the plain name. An Any
// parameter already carries an address, so it is never a reference.
std::string parameterDeclaration(const Translator& t, const VariableRecord& parameter) {
    // A function pointer's name stands inside its type: "void(*handler)(Long)".
    if (parameter.functionPointer()) return functionPointerText(*parameter.functionPointer(), parameter.name);
    if (t.passesAddress(parameter)) return parameter.type.str() + " *" + parameter.name;
    const bool reference = parameter.byRef && parameter.type != "Any";
    return parameter.type.str() + " " + (reference ? "&" : "") + parameter.name;
}

std::string parameterList(const Translator& t, const FunctionRecord& function) {
    std::string text;
    for (size_t i = 0; i < function.parameters.size(); ++i) {
        if (i > 0) text += ",";
        text += parameterDeclaration(t, *function.parameters[i]);
    }
    return text;
}
