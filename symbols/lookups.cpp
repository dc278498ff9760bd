// The translator's lookups, as the Parts name them: each asks the symbol
// table (symbols/symbol_table.h), which holds every rule of visibility
// and letter case. A miss is empty, false or null.
#include "driver/translator.h"
#include "source/syntax_error.h"

TypeKind Translator::typeKind(const std::string& type) const {
    if (type.empty()) return {};
    const uint64_t version = symbols.version();
    if (const TypeKind* kept = typeKinds.find(type, version)) return *kept;
    TypeKind kind;
    kind.structType = symbols.typeNamed(type);
    kind.isClass = symbols.isClassName(type);
    kind.classModule = kind.isClass ? symbols.classModule(type) : nullptr;
    typeKinds.keep(type, version, kind);
    return kind;
}

bool Translator::isKnownType(const std::string& upperName) const { return symbols.isKnownType(upperName); }

// The three variable lookups look at the procedure's locals first, and
// beyond them differ only in the class members they see: those of the
// current module's class (by name or by key) and of its base. A module with
// neither class nor base sees the same record in each.
VariableLookup Translator::lookUpVariable(const std::string& name) const {
    // typedVariable scans the locals first: a local it finds is the answer
    // of all three, told by its address without comparing names again.
    const VariableRecord* typed = symbols.typedVariable(name);
    if (typed)
        for (const auto& local : localVariables)
            if (local.get() == typed) return {typed, typed, typed, true};
    const ModuleRecord* module = currentModule;
    if (!module || (module->className.empty() && module->baseClassName.empty())) return {typed, typed, typed};
    return {typed, symbols.visibleVariable(name), symbols.declaredVariable(name)};
}

std::string Translator::variableType(const std::string& name) const {
    const VariableRecord* variable = symbols.typedVariable(name);
    return variable ? variable->type : std::string();
}


std::string Translator::functionSpelling(const std::string& upperName) const {
    // Callers may pass the raw token for sizeof, which the C++ keeps in lower case.
    if (upperName == "sizeof") return "sizeof";
    const FunctionRecord* found = findFunction(upperName);
    return found ? found->name : std::string();
}

FunctionRecord* Translator::findFunction(const std::string& upperName) const {
    return symbols.findFunction(upperName);
}

FunctionRecord* Translator::findMemberFunction(const std::string& className, const std::string& upperMember) const {
    return symbols.findMemberFunction(className, upperMember);
}

TypeRecord* Translator::findType(const std::string& name) const { return symbols.findType(name); }

std::string Translator::declaredTypeSpelling(const std::string& type) const {
    return symbols.declaredTypeSpelling(type);
}

bool Translator::isPointerVariable(const std::string& name) const {
    const VariableRecord* variable = symbols.visibleVariable(name);
    return variable && variable->isPointer;
}

bool Translator::isAddressParameter(const std::string& name) const {
    const VariableRecord* variable = symbols.visibleVariable(name);
    return variable && variable->byRef && variable->isPointer;
}

bool Translator::isArrayVariable(const std::string& name) const {
    const VariableRecord* variable = symbols.visibleVariable(name);
    return variable && variable->isArray;
}

int32_t Translator::variableArraySize(const std::string& name) const {
    const VariableRecord* variable = symbols.visibleVariable(name);
    return variable ? variable->arraySize : 0;
}

std::string Translator::variableStructType(const std::string& name) const {
    const std::string type = variableType(name);
    if (type.empty()) return std::string();
    const TypeRecord* record = symbols.typeNamed(type);
    return record ? record->name : std::string();
}

bool Translator::isTypeName(const std::string& name) const {
    return !name.empty() && symbols.typeNamed(name) != nullptr;
}

VariableRecord* Translator::findTypeField(const std::string& typeName, const std::string& field) const {
    return symbols.findTypeField(typeName, field);
}



FunctionRecord* Translator::findMemberAccessor(const std::string& className, const std::string& alias) const {
    return symbols.findMemberAccessor(className, alias);
}

FunctionRecord* Translator::findAccessor(const std::string& alias) const { return symbols.findAccessor(alias); }

FunctionRecord* Translator::findModuleFunction(const std::string& name) const {
    return symbols.findModuleFunction(name);
}

// Where C++ would refuse a PRIVATE or PROTECTED member variable (outside
// its classes), a method or property of the same name is meant instead:
// l.Total() in a class with a private total.
VariableRecord* Translator::findMemberVariable(const std::string& className, const std::string& member) const {
    VariableRecord* found = symbols.findMemberVariable(className, member);
    if (found && !reachesMember(*found) && findMemberFunction(className, upperCase(member))) return nullptr;
    return found;
}

std::string Translator::declaredVariableName(const std::string& name) const {
    const VariableRecord* variable = symbols.declaredVariable(name);
    return variable ? variable->name : std::string();
}


bool Translator::isClassName(const std::string& name) const { return symbols.isClassName(name); }

bool Translator::isAbstractClass(const std::string& typeName) const {
    const ModuleRecord* module = symbols.classModule(typeName);
    return module && module->hasPureVirtual;
}

bool Translator::isModuleVariable(const std::string& name) const { return symbols.isModuleVariable(name); }

bool Translator::isLocalVariable(const std::string& name) const { return symbols.isLocalVariable(name); }

// The constant a module means by a name: its own, then a plain module's.
const VariableRecord* Translator::findConstant(const ModuleRecord& module, const std::string& name) const {
    auto in = [&name](const ModuleRecord& m) -> const VariableRecord* {
        for (const auto& variable : m.variables)
            if (variable->isConstant && sameName(variable->name, name)) return variable.get();
        return nullptr;
    };
    if (const VariableRecord* own = in(module)) return own;
    for (const auto& other : modules)
        if (!other->isClassModule)
            if (const VariableRecord* found = in(*other)) return found;
    return nullptr;
}

void Translator::requireVisible(bool inMainProgram, const std::string& name) const {
    if (!inMainProgram || modules.empty() || currentModule == modules.front().get()) return;
    throw SyntaxError{name + " is declared in the main program, which the other modules cannot see: move it "
                             "into a module that both USE (such as an INTERFACEAPI module)."};
}

void Translator::requireVisibleType(const std::string& type) const {
    if (const TypeRecord* record = symbols.typeNamed(type)) requireVisible(record->inMainProgram, record->name);
}

// The innermost declaration wins: a procedure's locals and parameters hide
// every function of their name, and a class's member variables hide the
// program's functions inside its methods (not the class's own).
bool Translator::hidesFunction(const std::string& name) const {
    for (const auto& local : localVariables)
        if (sameName(local->name, name)) return true;
    // The program's own variables and constants hide the library's later
    // functions, which C++ keeps apart in their namespace; a name that is
    // called, followed by "(", is still the function unless the variable is
    // an array (addButton = AddButton(win, ...)).
    const FunctionRecord* function = isKey(name) ? findFunction(name) : findFunction(upperCase(name));
    if (function && function->inLibraryNamespace)
        if (const VariableRecord* variable = symbols.typedVariable(name))
            return variable->isArray || reader.peekArgumentCount() < 0;
    const ModuleRecord* module = currentModule;
    if (!module || !module->isClassModule) return false;
    return findMemberVariable(module->className, name) &&
           !findMemberFunction(module->className, upperCase(name));
}

FunctionRecord* Translator::findProperty(const std::string& upperKey) const { return symbols.findProperty(upperKey); }

// A BYREF object or TYPE value is handed over by its address: a class
// module's objects live on the heap behind PTR variables, and 0 stands for
// "no structure" in many library calls. Members are then reached with "->".
bool Translator::passesAddress(const VariableRecord& parameter) const {
    return parameter.byRef && (isClassName(parameter.type) || isTypeName(parameter.type));
}
