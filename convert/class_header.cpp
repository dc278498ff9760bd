// The C++ class declaration of a class module, written to a header of its
// own, and the copying of base-class members into a derived class.
#include <algorithm>

#include "convert/declaration_text.h"
#include "convert/parameters.h"
#include "driver/host.h"
#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {

template <typename Record>
bool isListed(const std::vector<const Record*>& list, const Record* record) {
    return std::find(list.begin(), list.end(), record) != list.end();
}

void writeFunction(const Translator& t, OutputBuffer& header, const FunctionRecord& function,
                   const std::string& className) {
    // A function-pointer member: its typedef is the class's own.
    if (function.isFunctionPointer) {
        header << "\t" << functionPointerTypedef(function) << "\n\t" << functionPointerDeclarator(function) << "{};\n";
        return;
    }
    header << "\t";
    if (function.isStatic)
        header << "static ";
    else if (function.name != className)
        header << "virtual ";
    header << function.returnType.str() << (function.returnsPointer ? "*" : "") << " "
           << (function.isProperty ? function.aliasName : function.name) << "("
           << parameterList(t, function) << ")" << (function.isPureVirtual ? "=0" : "") << ";\n";
}

// A CONST is a class constant of its value (a plain member would hide the
// module's constant of the same name and start out undefined).
void writeConstant(OutputBuffer& header, const VariableRecord& constant) {
    if (constant.type == "String")
        header << "\tinline static const String " << constant.name << "=" << constant.constValue() << ";\n";
    else
        header << "\tstatic constexpr " << (constant.type == "Double" ? "double " : "long ") << constant.name << "="
               << constantCppValue(constant.constValue()) << ";\n";
}

// A DEFINE stays a macro, defined before the class as the module's .cpp
// defines it again (an identical definition), so that every use sees it.
void writeMacro(OutputBuffer& header, const VariableRecord& macro) {
    const std::string& value = macro.constValue();
    header << "#define " << macro.name << " ";
    if (value.size() > 1 && value[0] == '&' && (value[1] == 'H' || value[1] == 'h'))
        header << "0x" << upperCase(value.substr(2));
    else
        header << value;
    header << "\n";
}

// A member starts with the constant of its declaration, or else at 0, ""
// or no object.
std::string initializer(const VariableRecord& variable) {
    return variable.initialValue().empty() ? "{}" : "=" + variable.initialValue();
}

// A STATIC variable is one variable of the class, shared by every object
// and every module that includes the header (C++17 inline).
void writeStaticVariable(OutputBuffer& header, const VariableRecord& variable) {
    header << "\tinline static " << variable.type.str() << " " << declarator(variable) << initializer(variable) << ";\n";
}

void writeVariable(OutputBuffer& header, const VariableRecord& variable) {
    if (variable.isConstant) {
        if (!variable.isMacro) writeConstant(header, variable);
        return;
    }
    header << "\t" << variable.type.str() << " " << declarator(variable) << initializer(variable) << ";\n";
}

// A class that another class extends may be deleted through a pointer of
// its own type: its destructor is virtual, so that the object's own runs.
bool needsVirtualDestructor(const Translator& t, const ModuleRecord& module) {
    if (module.className.empty()) return false;
    const FunctionRecord* destructor = t.symbols.ownFunction(module, "~" + module.className, true);
    if (destructor && destructor->name == "~" + module.className) return false;
    return t.symbols.isExtended(module.className);
}

bool namesOwnType(const ModuleRecord& module, const std::string& typeName) {
    for (const auto& type : module.types)
        if (sameName(type->name, typeName)) return true;
    return false;
}

}  // namespace

bool classHeaderHoldsTypes(const ModuleRecord& module) {
    if (!module.isClassModule || module.types.empty()) return false;
    for (const auto& variable : module.variables)
        if (!variable->isConstant && namesOwnType(module, variable->type.str())) return true;
    for (const auto& function : module.functions) {
        if (function->builtIn) continue;
        if (namesOwnType(module, function->returnType.str())) return true;
        for (const auto& parameter : function->parameters)
            if (namesOwnType(module, parameter->type.str())) return true;
    }
    return false;
}

void Translator::emitClassHeader(const std::string& fileName) {
    const ModuleRecord& module = *currentModule;
    const std::string& c = module.className;
    // An API class module's header is its own output file, still open: the
    // header goes over what the output had written by now, as it always has.
    output.writeDue();
    // A header that cannot be created just loses its writes.
    OutputBuffer header(host::nativePath(changeExtension(fileName, "h")));
    header << "#ifndef _" << c << "_\n"
           << "#define _" << c << "_\n"
           << "#include \"qztypes.h\"\n"
           << "#include <string>\n";
    for (const std::string& used : module.usedModules) header << "#include \"" << used << ".h\"\n";
    header << "using namespace std;\n";

    // Inherited members come through the base class and are not declared here.
    auto own = [&module](const VariableRecord& v) { return !isListed(module.inheritedVariables, &v); };
    for (const auto& variable : module.variables)
        if (variable->isMacro && own(*variable)) writeMacro(header, *variable);
    if (classHeaderHoldsTypes(module))
        for (const auto& type : module.types) writeStruct(header, *type);

    header << "class " << c;
    if (!module.baseClassName.empty()) header << ": public " << module.baseClassName;
    header << "{\n";

    static const struct {
        int32_t scope;
        const char* label;
    } sections[] = {
        {SCOPE_PUBLIC, "public:\n\n"},
        {SCOPE_PROTECTED, "protected:\n\n"},
        {SCOPE_PRIVATE, "private:\n\n"},
    };
    for (const auto& section : sections) {
        header << section.label;
        for (const auto& function : module.functions) {
            if (function->scope != section.scope || function->builtIn) continue;
            if (isListed(module.inheritedFunctions, static_cast<const FunctionRecord*>(function.get())))
                continue;
            writeFunction(*this, header, *function, c);
        }
        if (section.scope == SCOPE_PUBLIC && needsVirtualDestructor(*this, module))
            header << "\tvirtual ~" << c << "(){}\n";
        for (const auto& variable : module.variables)
            if (variable->scope == section.scope && own(*variable)) writeVariable(header, *variable);
        if (section.scope != SCOPE_PUBLIC) continue;
        for (const auto& variable : module.variables)
            if (variable->scope == SCOPE_STATIC_VARIABLE && own(*variable)) writeStaticVariable(header, *variable);
    }
    header << "};\n\n"
           << "#endif\n\n";
    if (!header.close()) reportUnwritable(changeExtension(fileName, "h"));
}

namespace {

// A chain that comes back to one of its own classes would never end.
void inheritAlongChain(Translator& t, const std::string& className,
                       const std::string& baseClassName, size_t depth) {
    if (baseClassName.empty()) return;
    // With duplicates the last one counts.
    ModuleRecord* derived = t.symbols.lastModuleOfClass(className);
    ModuleRecord* base = t.symbols.lastModuleOfClass(baseClassName);
    if (!derived || !base || depth > t.modules.size()) throw SyntaxError{"Internal parser error."};
    if (!base->baseClassName.empty())
        inheritAlongChain(t, base->className, base->baseClassName, depth + 1);

    const std::string constructor = base->className;
    const std::string destructor = "~" + base->className;
    // Copies: the derived record may be the base's own (A EXTENDS A).
    // The base's list already holds what it inherited (appended after its
    // own members), so an override in the base is found before the
    // grand-base's member of the same name.
    const auto functions = base->functions;
    const auto variables = base->variables;
    for (const auto& function : functions) {
        if (function->scope == SCOPE_PRIVATE || function->name == constructor || function->name == destructor)
            continue;
        derived->functions.push_back(function);
        derived->inheritedFunctions.push_back(function.get());
    }
    for (const auto& variable : variables) {
        if (variable->scope == SCOPE_PRIVATE) continue;
        derived->variables.push_back(variable);
        derived->inheritedVariables.push_back(variable.get());
    }
    t.symbols.changed();
}

}  // namespace

void Translator::inheritMembers(const std::string& className, const std::string& baseClassName) {
    inheritAlongChain(*this, className, baseClassName, 0);
}
