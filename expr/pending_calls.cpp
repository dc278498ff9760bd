// Placeholders while the expression translators are being written.
#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {
[[noreturn]] void pending() { throw SyntaxError{"Expressions are not translated yet."}; }
}  // namespace

// calls: expr/call.cpp, expr/arguments.cpp
void Translator::translateCall(const std::string&, bool) { pending(); }
void Translator::translateCallArguments(const FunctionRecord&, bool) { pending(); }
void Translator::translateArguments(const FunctionRecord&, bool, bool) { pending(); }