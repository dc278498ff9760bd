// Placeholders while the expression translators are being written.
#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {
[[noreturn]] void pending() { throw SyntaxError{"Expressions are not translated yet."}; }
}  // namespace

// assignments: expr/assignment.cpp
void Translator::translateAssignment(const std::string&, const std::string&) { pending(); }
void Translator::translateReturnAssignment() { pending(); }// control flow: convert/control_flow.cpp
void Translator::translateIfCondition() { pending(); }
void Translator::translateWhileCondition() { pending(); }
void Translator::translateForHeader() { pending(); }
