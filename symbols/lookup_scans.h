// The lookups of the symbol table as plain scans of the record lists, in
// list order, exactly as the Parts describe them. They are the reference
// the indexed table is checked against: in the sanitizer build every
// lookup asks both and stops the run when they differ (PLIX_CHECK_LOOKUPS).
#pragma once

#include <string>

#include "symbols/records.h"

class Translator;

namespace scan {

bool isKnownType(const Translator& t, const std::string& upperName);
std::string declaredTypeSpelling(const Translator& t, const std::string& type);
bool isClassName(const Translator& t, const std::string& name);
const ModuleRecord* classModule(const Translator& t, const std::string& name);
ModuleRecord* lastModuleOfClass(const Translator& t, const std::string& name);
TypeRecord* findType(const Translator& t, const std::string& exactName);
TypeRecord* typeNamed(const Translator& t, const std::string& name);
VariableRecord* findTypeField(const Translator& t, const std::string& typeName, const std::string& field);
const VariableRecord* typedVariable(const Translator& t, const std::string& name);
const VariableRecord* visibleVariable(const Translator& t, const std::string& name);
const VariableRecord* declaredVariable(const Translator& t, const std::string& name);
bool isModuleVariable(const Translator& t, const std::string& exactName);
const VariableRecord* constantAt(const Translator& t, const ModuleRecord& module, const std::string& exactName,
                                 int32_t line);
VariableRecord* findMemberVariable(const Translator& t, const std::string& className, const std::string& member);
FunctionRecord* findFunction(const Translator& t, const std::string& upperName);
FunctionRecord* findModuleFunction(const Translator& t, const std::string& name);
FunctionRecord* ownFunction(const Translator& t, const ModuleRecord& module, const std::string& name,
                            bool properties);
bool ownsFunction(const Translator& t, const ModuleRecord& module, const FunctionRecord& function);
FunctionRecord* findMemberFunction(const Translator& t, const std::string& className, const std::string& upperMember);
FunctionRecord* findMemberAccessor(const Translator& t, const std::string& className, const std::string& alias);
FunctionRecord* findAccessor(const Translator& t, const std::string& alias);
FunctionRecord* findProperty(const Translator& t, const std::string& upperKey);

}  // namespace scan
