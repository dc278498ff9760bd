// Which member variables the code being translated may name through an
// object: C++ lets only the methods of a class (and, for PROTECTED, of the
// classes related to it) reach the members that are not PUBLIC.
#include <algorithm>

#include "driver/translator.h"

namespace {

// Whether `base` is `className` or one of the classes it extends.
bool extendsOrIs(const Translator& t, std::string className, const std::string& base) {
    for (size_t depth = 0; !className.empty() && depth <= t.modules.size(); ++depth) {
        if (sameName(className, base)) return true;
        const ModuleRecord* module = t.symbols.classModule(className);
        if (!module) return false;
        className = module->baseClassName;
    }
    return false;
}

// The class whose own variables hold the member: it is not inherited there.
const ModuleRecord* declaringClass(const Translator& t, const VariableRecord& member) {
    for (const auto& module : t.modules) {
        if (!module->isClassModule) continue;
        const auto& inherited = module->inheritedVariables;
        if (std::find(inherited.begin(), inherited.end(), &member) != inherited.end()) continue;
        for (const auto& variable : module->variables)
            if (variable.get() == &member) return module.get();
    }
    return nullptr;
}

}  // namespace

bool Translator::reachesMember(const VariableRecord& member) const {
    if (member.scope != SCOPE_PRIVATE && member.scope != SCOPE_PROTECTED) return true;
    const ModuleRecord* here = currentModule;
    if (!here || !here->isClassModule) return false;
    const ModuleRecord* owner = declaringClass(*this, member);
    if (!owner) return true;
    if (member.scope == SCOPE_PRIVATE) return sameName(here->className, owner->className);
    return extendsOrIs(*this, here->className, owner->className) ||
           extendsOrIs(*this, owner->className, here->className);
}
