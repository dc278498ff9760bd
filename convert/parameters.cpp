#include "convert/parameters.h"

std::string parameterDeclaration(const VariableRecord& parameter) {
    return parameter.type + " " + (parameter.byRef ? "*" : "") + parameter.name;
}

std::string parameterList(const FunctionRecord& function) {
    std::string text;
    for (size_t i = 0; i < function.parameters.size(); ++i) {
        if (i > 0) text += ",";
        text += parameterDeclaration(*function.parameters[i]);
    }
    return text;
}
