// Lookups of the expression translators beyond the basic symbol lookups.
// Every name is compared on upper-cased copies; a miss is empty, false or
// null. Module variables are searched before locals, so a module variable
// hides a local of the same name.
#include <algorithm>

#include "driver/translator.h"

namespace {

bool sameName(const std::string& a, const std::string& b) { return upperCase(a) == upperCase(b); }

const std::string& classNameOf(const ModuleRecord* module) {
    static const std::string none;
    return module ? module->className : none;
}

// Plain modules and the modules of the current class.
bool isVisible(const ModuleRecord& module, const ModuleRecord* current) {
    return !module.isClassModule || sameName(module.className, classNameOf(current));
}

template <typename Record>
Record* firstNamed(const std::vector<std::shared_ptr<Record>>& records, const std::string& name) {
    for (const auto& record : records)
        if (sameName(record->name, name)) return record.get();
    return nullptr;
}

FunctionRecord* firstWithAlias(const std::vector<std::shared_ptr<FunctionRecord>>& functions,
                               const std::string& alias) {
    for (const auto& function : functions)
        if (sameName(function->aliasName, alias)) return function.get();
    return nullptr;
}

// A variable of the visible modules, then a local.
VariableRecord* visibleVariable(const Translator& t, const std::string& name) {
    for (const auto& module : t.modules)
        if (isVisible(*module, t.currentModule))
            if (VariableRecord* found = firstNamed(module->variables, name)) return found;
    return firstNamed(t.localVariables, name);
}

// The class, its base, the base's base...: each level is every module of
// that class name in list order. A chain that comes back to a class it has
// passed ends there.
template <typename Match>
auto searchClassChain(const Translator& t, const std::string& className, Match match)
    -> decltype(match(*t.modules.front())) {
    std::vector<std::string> passed;
    std::string level = className;
    while (!level.empty()) {
        if (std::find(passed.begin(), passed.end(), upperCase(level)) != passed.end()) break;
        passed.push_back(upperCase(level));
        std::string base;
        for (const auto& module : t.modules) {
            if (!sameName(module->className, level)) continue;
            if (auto found = match(*module)) return found;
            base = module->baseClassName;
        }
        level = base;
    }
    return nullptr;
}

}  // namespace

bool Translator::isPointerVariable(const std::string& name) const {
    const VariableRecord* variable = visibleVariable(*this, name);
    return variable && variable->isPointer;
}

bool Translator::isAddressParameter(const std::string& name) const {
    const VariableRecord* variable = visibleVariable(*this, name);
    return variable && variable->byRef && variable->isPointer;
}

bool Translator::isArrayVariable(const std::string& name) const {
    const VariableRecord* variable = visibleVariable(*this, name);
    return variable && variable->isArray;
}

int32_t Translator::variableArraySize(const std::string& name) const {
    const VariableRecord* variable = visibleVariable(*this, name);
    return variable ? variable->arraySize : 0;
}

std::string Translator::variableStructType(const std::string& name) const {
    const std::string type = upperCase(variableType(name));
    if (type.empty()) return std::string();
    for (const auto& module : modules)
        for (const auto& record : module->types)
            if (upperCase(record->name) == type) return record->name;
    return std::string();
}

bool Translator::isTypeName(const std::string& name) const {
    if (name.empty()) return false;
    for (const auto& module : modules)
        if (firstNamed(module->types, name)) return true;
    return false;
}

VariableRecord* Translator::findTypeField(const std::string& typeName, const std::string& field) const {
    for (const auto& module : modules)
        if (const TypeRecord* type = firstNamed(module->types, typeName)) return firstNamed(type->fields, field);
    return nullptr;
}

bool Translator::isPointerField(const std::string& typeName, const std::string& field) const {
    const VariableRecord* record = findTypeField(typeName, field);
    return record && record->isPointer;
}

bool Translator::isArrayField(const std::string& typeName, const std::string& field) const {
    const VariableRecord* record = findTypeField(typeName, field);
    return record && record->isArray;
}

FunctionRecord* Translator::findMemberAccessor(const std::string& className, const std::string& alias) const {
    return searchClassChain(*this, className,
                            [&](const ModuleRecord& m) { return firstWithAlias(m.functions, alias); });
}

FunctionRecord* Translator::findAccessor(const std::string& alias) const {
    for (const auto& module : modules) {
        if (!sameName(module->className, classNameOf(currentModule))) continue;
        if (FunctionRecord* found = firstWithAlias(module->functions, alias)) return found;
    }
    return nullptr;
}

FunctionRecord* Translator::findModuleFunction(const std::string& name) const {
    for (const auto& module : modules) {
        if (module->isClassModule) continue;
        if (FunctionRecord* found = firstNamed(module->functions, name)) return found;
    }
    return nullptr;
}

VariableRecord* Translator::findMemberVariable(const std::string& className, const std::string& member) const {
    return searchClassChain(*this, className,
                            [&](const ModuleRecord& m) { return firstNamed(m.variables, member); });
}

// Plain modules, the current class and its base (as variableType sees
// them), then the locals, which hold the parameters too.
std::string Translator::declaredVariableName(const std::string& name) const {
    const std::string& current = classNameOf(currentModule);
    const std::string base = currentModule ? currentModule->baseClassName : std::string();
    for (const auto& module : modules) {
        const bool searched = !module->isClassModule || sameName(module->className, current) ||
                              (!base.empty() && sameName(module->className, base));
        if (!searched) continue;
        if (const VariableRecord* found = firstNamed(module->variables, name)) return found->name;
    }
    const VariableRecord* local = firstNamed(localVariables, name);
    return local ? local->name : std::string();
}

std::string Translator::declaredMemberName(const std::string& className, const std::string& member) const {
    const VariableRecord* found = findMemberVariable(className, member);
    return found ? found->name : std::string();
}
