// A variable's name as the three variable lookups see it, found at once:
// the translators ask several of them about each operand, and one search
// answers them all.
#pragma once

#include <string>

#include "symbols/records.h"

struct VariableLookup {
    // As variableType finds it: what the value's type comes from.
    const VariableRecord* typed = nullptr;
    // As isPointerVariable and isArrayVariable find it.
    const VariableRecord* visible = nullptr;
    // As declaredVariableName finds it: the spelling written.
    const VariableRecord* declared = nullptr;
    // A local or parameter of the procedure: the same record for each, and
    // it hides any function of its name.
    bool local = false;

    // The declared type; empty for no variable.
    const std::string& type() const { return typed ? typed->type : noText(); }
    bool isPointer() const { return visible && visible->isPointer; }
    bool isArray() const { return visible && visible->isArray; }
    // A BYREF object or TYPE parameter: a pointer that stands for the value.
    bool isAddressParameter() const { return visible && visible->byRef && visible->isPointer; }
    // The declared spelling, or `asWritten` (the source token) without one.
    const std::string& writtenName(const std::string& asWritten) const {
        return declared && !declared->name.empty() ? declared->name : asWritten;
    }

private:
    static const std::string& noText() {
        static const std::string none;
        return none;
    }
};
