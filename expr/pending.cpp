// Statements whose translation needs the expression translator, which is
// not part of plix yet: they are reported as errors of their statement.
#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {

[[noreturn]] void notYetTranslated() { throw SyntaxError{"Expressions are not translated yet."}; }

}  // namespace

void Translator::translateIfCondition() { notYetTranslated(); }
void Translator::translateWhileCondition() { notYetTranslated(); }
void Translator::translateForHeader() { notYetTranslated(); }
std::string Translator::translateCall(const std::string&) { notYetTranslated(); }
void Translator::translateAssignment(const std::string&, const std::string&) { notYetTranslated(); }
void Translator::translateReturnAssignment() { notYetTranslated(); }
