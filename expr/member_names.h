// Names as the member translators write them, and the class behind an
// object variable.
#pragma once

#include <string>

#include "driver/translator.h"

// The declared spelling of a variable, or the source token when it has none.
// A member of an object's member (p.nxt.label) is not reached in one step.
inline const char* const oneMemberAtATime =
    "A member's own members are reached one step at a time: copy it into a variable first (n = p.nxt), then "
    "use n.label.";

inline std::string writtenVariableName(const Translator& t, const std::string& name,
                                       const std::string& asWritten) {
    const std::string declared = t.declaredVariableName(name);
    return declared.empty() ? asWritten : declared;
}

// A class as its module spells it; `otherwise` when no class module has
// that name.
inline std::string classSpelling(const Translator& t, const std::string& name,
                                 const std::string& otherwise = std::string()) {
    const ModuleRecord* module = name.empty() ? nullptr : t.symbols.classModule(name);
    return module ? module->className : otherwise;
}

// The class an object variable belongs to, as the class module spells it;
// the variable's type may be written in any letter case.
inline std::string objectClassName(const Translator& t, const std::string& name) {
    return classSpelling(t, t.variableType(name));
}

// The one-value indexes accept these variable types, in any letter case.
inline bool isIndexType(const std::string& type) {
    const std::string upper = upperCase(type);
    return upper == "LONG" || upper == "INTEGER" || upper == "BYTE";
}
