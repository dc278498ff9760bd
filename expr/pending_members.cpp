// Placeholders while the expression translators are being written.
#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {
[[noreturn]] void pending() { throw SyntaxError{"Expressions are not translated yet."}; }
}  // namespace

// members: expr/member_calls.cpp, expr/member_access.cpp, expr/index.cpp, expr/member_lookups.cpp
std::string Translator::translateMemberCall(const std::string&, const std::string&) { pending(); }
std::string Translator::translateConditionMemberCall(const std::string&, const std::string&) { pending(); }
std::string Translator::translateMemberAccess(const std::string&, bool) { pending(); }
std::string Translator::translateTypeMember(const std::string&, const std::string&, bool) { pending(); }
std::string Translator::translateClassMember(const std::string&, const std::string&) { pending(); }
void Translator::translateIndex() { pending(); }
bool Translator::isPointerVariable(const std::string&) const { return false; }
bool Translator::isArrayVariable(const std::string&) const { return false; }
bool Translator::isTypeName(const std::string&) const { return false; }
VariableRecord* Translator::findTypeField(const std::string&, const std::string&) const { return nullptr; }
bool Translator::isPointerField(const std::string&, const std::string&) const { return false; }
bool Translator::isArrayField(const std::string&, const std::string&) const { return false; }
FunctionRecord* Translator::findMemberAccessor(const std::string&, const std::string&) const { return nullptr; }
FunctionRecord* Translator::findAccessor(const std::string&) const { return nullptr; }
FunctionRecord* Translator::findModuleFunction(const std::string&) const { return nullptr; }
VariableRecord* Translator::findMemberVariable(const std::string&, const std::string&) const { return nullptr; }
std::string Translator::declaredVariableName(const std::string&) const { return {}; }
std::string Translator::declaredMemberName(const std::string&, const std::string&) const { return {}; }
int32_t Translator::variableArraySize(const std::string&) const { return 0; }