#include "symbols/lookup_scans.h"

#include <algorithm>

#include "driver/translator.h"

namespace scan {

namespace {

bool same(const std::string& a, const std::string& b) { return upperCase(a) == upperCase(b); }

template <typename Record>
Record* firstNamed(const std::vector<std::shared_ptr<Record>>& records, const std::string& name) {
    for (const auto& record : records)
        if (same(record->name, name)) return record.get();
    return nullptr;
}

FunctionRecord* firstWithAlias(const std::vector<std::shared_ptr<FunctionRecord>>& functions,
                               const std::string& alias) {
    for (const auto& function : functions)
        if (same(function->aliasName, alias)) return function.get();
    return nullptr;
}

template <typename Match>
auto classChain(const Translator& t, const std::string& className, bool exact, Match match)
    -> decltype(match(*t.modules.front())) {
    auto equal = [exact](const std::string& a, const std::string& b) { return exact ? a == b : same(a, b); };
    std::vector<std::string> passed;
    std::string level = className;
    while (!level.empty()) {
        for (const std::string& seen : passed)
            if (equal(seen, level)) return nullptr;
        passed.push_back(level);
        std::string base;
        for (const auto& module : t.modules) {
            if (!equal(module->className, level)) continue;
            if (auto found = match(*module)) return found;
            base = module->baseClassName;
        }
        level = base;
    }
    return nullptr;
}

}  // namespace

bool isKnownType(const Translator& t, const std::string& upperName) {
    for (const char* builtIn : builtInTypeNames)
        if (upperName == builtIn) return true;
    for (const auto& module : t.modules)
        if (module->isClassModule && upperCase(module->className) == upperName) return true;
    for (const auto& module : t.modules)
        for (const auto& type : module->types)
            if (upperCase(type->name) == upperName) return true;
    return false;
}

std::string declaredTypeSpelling(const Translator& t, const std::string& type) {
    const std::string upper = upperCase(type);
    for (const char* builtIn : builtInTypeNames)
        if (upper == builtIn) return typeSpelling(type);
    for (const auto& module : t.modules)
        if (module->isClassModule && upperCase(module->className) == upper) return module->className;
    for (const auto& module : t.modules)
        for (const auto& record : module->types)
            if (upperCase(record->name) == upper) return record->name;
    return typeSpelling(type);
}

bool isClassName(const Translator& t, const std::string& name) {
    if (name.empty()) return false;
    for (const auto& module : t.modules)
        if (same(module->className, name)) return true;
    return false;
}

const ModuleRecord* classModule(const Translator& t, const std::string& name) {
    for (const auto& module : t.modules)
        if (module->isClassModule && same(module->className, name)) return module.get();
    return nullptr;
}

ModuleRecord* lastModuleOfClass(const Translator& t, const std::string& name) {
    if (name.empty()) return nullptr;  // no class has no name
    ModuleRecord* last = nullptr;
    for (const auto& module : t.modules)
        if (module->className == name) last = module.get();
    return last;
}

TypeRecord* findType(const Translator& t, const std::string& exactName) {
    for (const auto& module : t.modules)
        for (const auto& type : module->types)
            if (type->name == exactName) return type.get();
    return nullptr;
}

TypeRecord* typeNamed(const Translator& t, const std::string& name) {
    for (const auto& module : t.modules)
        if (TypeRecord* type = firstNamed(module->types, name)) return type;
    return nullptr;
}

VariableRecord* findTypeField(const Translator& t, const std::string& typeName, const std::string& field) {
    const TypeRecord* type = typeNamed(t, typeName);
    return type ? firstNamed(type->fields, field) : nullptr;
}

// Locals first, then the members of the classes `memberOf` accepts, then
// the plain modules.
template <typename Accept>
const VariableRecord* innermost(const Translator& t, const std::string& name, Accept memberOf) {
    if (const VariableRecord* local = firstNamed(t.localVariables, name)) return local;
    for (const auto& module : t.modules)
        if (module->isClassModule && memberOf(*module))
            if (const VariableRecord* found = firstNamed(module->variables, name)) return found;
    for (const auto& module : t.modules)
        if (!module->isClassModule)
            if (const VariableRecord* found = firstNamed(module->variables, name)) return found;
    return nullptr;
}

const VariableRecord* typedVariable(const Translator& t, const std::string& name) {
    const ModuleRecord* current = t.currentModule;
    return innermost(t, name, [&](const ModuleRecord& m) {
        return m.className == classNameOf(current) || m.className == baseNameOf(current);
    });
}

const VariableRecord* visibleVariable(const Translator& t, const std::string& name) {
    return innermost(t, name, [&](const ModuleRecord& m) { return same(m.className, classNameOf(t.currentModule)); });
}

const VariableRecord* declaredVariable(const Translator& t, const std::string& name) {
    const std::string& current = classNameOf(t.currentModule);
    const std::string& base = baseNameOf(t.currentModule);
    return innermost(t, name, [&](const ModuleRecord& m) {
        return same(m.className, current) || (!base.empty() && same(m.className, base));
    });
}

bool isModuleVariable(const Translator& t, const std::string& exactName) {
    for (const auto& module : t.modules) {
        if (module->isClassModule) continue;
        for (const auto& variable : module->variables)
            if (variable->name == exactName) return true;
    }
    return false;
}

const VariableRecord* constantAt(const Translator&, const ModuleRecord& module, const std::string& exactName,
                                 int32_t line) {
    for (const auto& variable : module.variables)
        if (variable->isConstant && variable->name == exactName && variable->declaredLine == line)
            return variable.get();
    return nullptr;
}

VariableRecord* findMemberVariable(const Translator& t, const std::string& className, const std::string& member) {
    return classChain(t, className, false, [&](const ModuleRecord& m) { return firstNamed(m.variables, member); });
}

FunctionRecord* findFunction(const Translator& t, const std::string& upperName) {
    const std::string& current = classNameOf(t.currentModule);
    for (const auto& module : t.modules) {
        if (!module->className.empty() && module->className != current) continue;
        for (const auto& function : module->functions)
            if (upperCase(function->name) == upperName) return function.get();
    }
    for (const auto& function : t.functionPointerTypes)
        if (upperCase(function->name) == upperName) return function.get();
    return nullptr;
}

FunctionRecord* findModuleFunction(const Translator& t, const std::string& name) {
    for (const auto& module : t.modules)
        if (!module->isClassModule)
            if (FunctionRecord* found = firstNamed(module->functions, name)) return found;
    return nullptr;
}

FunctionRecord* ownFunction(const Translator&, const ModuleRecord& module, const std::string& name,
                            bool properties) {
    for (const auto& function : module.functions)
        if (!function->builtIn && (properties || !function->isProperty) && same(function->name, name))
            return function.get();
    return nullptr;
}

bool ownsFunction(const Translator&, const ModuleRecord& module, const FunctionRecord& function) {
    for (const auto& own : module.functions)
        if (own.get() == &function) return true;
    return false;
}

FunctionRecord* findMemberFunction(const Translator& t, const std::string& className, const std::string& upperMember) {
    return classChain(t, className, true, [&](const ModuleRecord& m) -> FunctionRecord* {
        for (const auto& function : m.functions)
            if (upperCase(function->name) == upperMember) return function.get();
        return nullptr;
    });
}

FunctionRecord* findMemberAccessor(const Translator& t, const std::string& className, const std::string& alias) {
    return classChain(t, className, false, [&](const ModuleRecord& m) { return firstWithAlias(m.functions, alias); });
}

FunctionRecord* findAccessor(const Translator& t, const std::string& alias) {
    for (const auto& module : t.modules) {
        if (!same(module->className, classNameOf(t.currentModule))) continue;
        if (FunctionRecord* found = firstWithAlias(module->functions, alias)) return found;
    }
    return nullptr;
}

FunctionRecord* findProperty(const Translator& t, const std::string& upperKey) {
    const std::string& currentClass = classNameOf(t.currentModule);
    for (const auto& module : t.modules) {
        if (module->isClassModule && module->className != currentClass) continue;
        for (const auto& function : module->functions)
            if (function->isProperty && upperCase(function->aliasName) == upperKey) return function.get();
    }
    return nullptr;
}

}  // namespace scan
