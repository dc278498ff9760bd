// The seven read-only symbol lookups. Each walks the lists linearly in
// declaration order and returns its first match; a miss is empty or null.
#include <algorithm>

#include "driver/translator.h"
#include "symbols/colliding_names.h"

namespace {

const std::string& currentClassName(const ModuleRecord* current) {
    static const std::string empty;
    return current ? current->className : empty;
}

const std::string& currentBaseClassName(const ModuleRecord* current) {
    static const std::string empty;
    return current ? current->baseClassName : empty;
}

// Variables: plain modules, the current class and its direct base.
bool variablesVisible(const ModuleRecord& module, const ModuleRecord* current) {
    return !module.isClassModule || module.className == currentClassName(current) ||
           module.className == currentBaseClassName(current);
}

// Functions: plain modules and the current class only; base-class members
// go through findMemberFunction.
bool functionsVisible(const ModuleRecord& module, const ModuleRecord* current) {
    return module.className.empty() || module.className == currentClassName(current);
}

// Only the stored name is upper-cased: callers hand in an upper-cased token.
FunctionRecord* matchFunction(const std::vector<std::shared_ptr<FunctionRecord>>& functions,
                              const std::string& upperName) {
    for (const auto& function : functions) {
        if (upperCase(function->name) == upperName) {
            return function.get();
        }
    }
    return nullptr;
}

}  // namespace

bool Translator::isKnownType(const std::string& upperName) const {
    for (const char* builtIn : builtInTypeNames) {
        if (upperName == builtIn) {
            return true;
        }
    }
    for (const auto& module : modules) {
        if (module->isClassModule && upperCase(module->className) == upperName) {
            return true;
        }
    }
    for (const auto& module : modules) {
        for (const auto& type : module->types) {
            if (upperCase(type->name) == upperName) {
                return true;
            }
        }
    }
    return false;
}

std::string Translator::variableType(const std::string& name) const {
    const std::string wanted = upperCase(name);
    for (const auto& module : modules) {
        if (!variablesVisible(*module, currentModule)) {
            continue;
        }
        for (const auto& variable : module->variables) {
            if (upperCase(variable->name) == wanted) {
                return variable->type;
            }
        }
    }
    for (const auto& variable : localVariables) {
        if (upperCase(variable->name) == wanted) {
            return variable->type;
        }
    }
    return {};
}

std::string Translator::variableClass(const std::string& name) const {
    const std::string type = variableType(name);
    for (const auto& module : modules) {
        if (module->className == type) {
            return module->className;
        }
    }
    return {};
}

FunctionRecord* Translator::findFunction(const std::string& upperName) const {
    for (const auto& module : modules) {
        if (!functionsVisible(*module, currentModule)) {
            continue;
        }
        if (FunctionRecord* found = matchFunction(module->functions, upperName)) {
            return found;
        }
    }
    return matchFunction(functionPointerTypes, upperName);
}

std::string Translator::functionSpelling(const std::string& upperName) const {
    // Callers may pass the raw token for sizeof, which the C++ keeps in lower case.
    if (upperName == "sizeof") {
        return "sizeof";
    }
    const FunctionRecord* found = findFunction(upperName);
    return found ? found->name : std::string();
}

// The class first, then its base, then the base's base: each level is
// every module of that class name in list order, and the next level is the
// base named by the last of them. Class names are compared exactly; a chain
// that comes back to a class it has passed ends there.
FunctionRecord* Translator::findMemberFunction(const std::string& className,
                                               const std::string& upperMember) const {
    std::vector<std::string> passed;
    std::string level = className;
    while (!level.empty() && std::find(passed.begin(), passed.end(), level) == passed.end()) {
        passed.push_back(level);
        std::string base;
        for (const auto& module : modules) {
            if (module->className != level) continue;
            if (FunctionRecord* found = matchFunction(module->functions, upperMember)) return found;
            base = module->baseClassName;
        }
        level = base;
    }
    return nullptr;
}

TypeRecord* Translator::findType(const std::string& name) const {
    for (const auto& module : modules) {
        for (const auto& type : module->types) {
            if (type->name == name) {
                return type.get();
            }
        }
    }
    return nullptr;
}

std::string Translator::declaredTypeSpelling(const std::string& type) const {
    const std::string upper = upperCase(type);
    for (const char* builtIn : builtInTypeNames)
        if (upper == builtIn) return typeSpelling(type);
    for (const auto& module : modules)
        if (module->isClassModule && upperCase(module->className) == upper) return module->className;
    for (const auto& module : modules)
        for (const auto& record : module->types)
            if (upperCase(record->name) == upper) return record->name;
    return typeSpelling(type);
}

// Names the program declares that C++ has already (size, remove, EOF,
// default...) take another letter case in the generated code: BASIC finds
// them all the same. The support modules' names are the library's own.
void Translator::settleNameSpellings() {
    for (const auto& module : modules) {
        if (module->isInterfaceModule || module->interfaceSkip) continue;
        for (const auto& variable : module->variables) variable->name = collisionFreeSpelling(variable->name);
        for (const auto& type : module->types) {
            type->name = collisionFreeSpelling(type->name);
            for (const auto& field : type->fields) field->name = collisionFreeSpelling(field->name);
        }
        for (const auto& function : module->functions) {
            if (function->builtIn) continue;
            for (const auto& parameter : function->parameters)
                parameter->name = collisionFreeSpelling(parameter->name);
            // Constructors and destructors are named by their class.
            if (function->name == module->className || function->name == "~" + module->className) continue;
            function->name = collisionFreeSpelling(function->name);
        }
    }
}

// C++ names are case-sensitive: every type text of the records takes the
// spelling its declaration gave it, once all modules are known.
void Translator::settleTypeSpellings() {
    settleNameSpellings();
    for (const auto& module : modules) {
        if (!module->baseClassName.empty()) module->baseClassName = declaredTypeSpelling(module->baseClassName);
        for (const auto& variable : module->variables) variable->type = declaredTypeSpelling(variable->type);
        for (const auto& type : module->types)
            for (const auto& field : type->fields) field->type = declaredTypeSpelling(field->type);
        for (const auto& function : module->functions) {
            if (function->builtIn) continue;
            function->returnType = declaredTypeSpelling(function->returnType);
            for (const auto& parameter : function->parameters) parameter->type = declaredTypeSpelling(parameter->type);
        }
    }
}
