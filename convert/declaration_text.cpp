#include "convert/declaration_text.h"

#include "convert/parameters.h"

void writeStruct(OutputBuffer& out, const TypeRecord& type) {
    out << "struct " << type.name << "{\n";
    for (const auto& field : type.fields) {
        // A String PTR field is a character buffer; every PTR keeps its "*".
        const bool charBuffer = field->type == "String" && field->isPointer;
        out << "\t" << (charBuffer ? std::string("Char") : field->type) << (field->isPointer ? "*" : "") << " "
            << field->name;
        if (field->isArray) {
            if (!field->arraySizeName().empty())
                out << "[" << field->arraySizeName() << "]";
            else
                out << "[" << field->arraySize << "]";
        }
        out << ";\n";
    }
    out << "};\n";
}

std::string constantCppType(const VariableRecord& constant) {
    if (constant.type == "String") return "const String ";
    return constant.type == "Double" ? "const double " : "const long ";
}

std::string constantCppValue(const std::string& value) {
    if (value.size() > 2 && value[0] == '&' && (value[1] == 'H' || value[1] == 'h'))
        return "0x" + upperCase(value.substr(2));
    return value;
}

void writeConstantDefinition(OutputBuffer& out, const VariableRecord& constant) {
    const std::string& value = constant.constValue();
    if (!constant.isMacro) {
        out << constantCppType(constant) << constant.name << "=" << constantCppValue(value) << ";\n";
        return;
    }
    out << "#define " << constant.name;
    if (value.size() > 1 && value[0] == '&' && (value[1] == 'H' || value[1] == 'h'))
        out << " 0x" << upperCase(value.substr(2)) << "\n";
    else if (value.empty() || value[0] != '&')
        out << " " << value << "\n";
    // "&" with anything but H digits is no number: the name alone stays.
}

std::string declarator(const VariableRecord& variable) {
    std::string text = (variable.isPointer ? "*" : "") + variable.name;
    if (variable.isArray && variable.arraySize == -1) return "*" + text;
    if (variable.isArray) return text + "[" + std::to_string(variable.arraySize) + "]";
    return text;
}

void writeExternDeclaration(OutputBuffer& out, const VariableRecord& variable) {
    if (variable.scope == SCOPE_STATIC_VARIABLE || upperCase(variable.type) == "FUNCTION") return;
    out << "extern " << variable.type.str() << " " << declarator(variable) << ";\n";
}

std::string functionPointerTypedef(const FunctionRecord& pointer) {
    return "typedef " + functionPointerText(pointer, pointer.returnType.str() + pointer.name) + ";";
}

std::string functionPointerDeclarator(const FunctionRecord& pointer) {
    std::string text = pointer.returnType.str() + pointer.name + " " + pointer.name;
    if (pointer.elementCount > 0) text += "[" + std::to_string(pointer.elementCount) + "]";
    return text;
}

bool hasPrototype(const FunctionRecord& function) {
    return !function.builtIn && !function.isExternal && !function.isFunctionPointer;
}

void writePrototype(OutputBuffer& out, const Translator& t, const FunctionRecord& function, const char* linkage) {
    // A property is called through its accessors.
    const std::string& name = function.isProperty ? function.aliasName : function.name;
    out << (function.isStatic ? "static " : linkage) << function.returnType.str() << " "
        << (function.returnsPointer ? "*" : "") << name << " " << "(" << parameterList(t, function) << ");\n";
}
