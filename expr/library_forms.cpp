// The forms of a library function: Quillkit declares some names more than
// once (InStr with and without a start, Str and Abs of a Long or a Double,
// Rnd with and without a range). A call takes the form with as many
// parameters as it has arguments and, among those, the one whose first
// parameter has the first argument's type; the first declared otherwise.
// Only the cast of each operand depends on the choice: C++ picks the same
// overload from the declarations in quillkit.h.
#include "driver/translator.h"
#include "expr/number_literal.h"
#include "expr/operand.h"
#include "expr/operators.h"
#include "source/characters.h"
#include "source/syntax_error.h"
#include "symbols/names.h"

namespace {

// A String among the operands makes a text, a Double a Double, a Single
// (with whole numbers) a Single.
int32_t weight(const std::string& type) {
    if (sameName(type, "String")) return 3;
    if (sameName(type, "Double")) return 2;
    if (sameName(type, "Single")) return 1;
    return 0;
}

/* operand -> name ["(" ... ")"] {"." name ["(" ... ")"]} ; skipped whole */
void skipNamedOperand(SourceReader& r) {
    r.nextToken();
    if (r.is("(")) skipGroup(r);
    while (r.is(".") && !r.lineEnded) {
        r.nextToken();
        r.nextToken();
        if (r.is("(")) skipGroup(r);
    }
}

// Reads the first argument of the call whose name is current, keeping in
// `type` the weightiest type among its operands.
void scanFirstArgument(Translator& t, std::string& type) {
    SourceReader& r = t.reader;
    r.nextToken();
    if (r.is("(")) r.nextToken();
    for (int32_t depth = 0; !r.lineEnded && !r.atEof;) {
        if (depth == 0 && (r.is(",") || r.is(")"))) break;
        std::string operand;
        if (r.is("(") || r.is(")")) {
            depth += r.is("(") ? 1 : -1;
            r.nextToken();
        } else if (r.isString) {
            operand = "String";
            r.nextToken();
        } else if (r.allDigits) {
            operand = numberLiteralType(readNumberLiteral(r));
        } else if (!r.token.empty() && isLetter(r.token[0])) {
            operand = operandTypeAhead(t);
            skipNamedOperand(r);
        } else {
            r.nextToken();
        }
        if (weight(operand) > weight(type) || type.empty()) type = operand;
    }
}

// The type of the first argument of the call whose name is current; empty
// when none of its operands has a type plix knows. The reader comes back
// to the name.
std::string firstArgumentType(Translator& t) {
    SourceReader& r = t.reader;
    const SourceReader::Mark start = r.mark();
    std::string type;
    // What cannot be read is reported when the call is translated.
    try {
        scanFirstArgument(t, type);
    } catch (const SyntaxError&) {
    }
    r.rewind(start);
    return type;
}

}  // namespace

FunctionRecord* Translator::libraryForm(const std::vector<FunctionRecord*>& forms, int32_t arguments) {
    std::vector<FunctionRecord*> fitting;
    for (FunctionRecord* form : forms)
        if (form->paramCount == arguments) fitting.push_back(form);
    // A call that fits no form meets the first one's report.
    if (fitting.empty()) return forms.front();
    if (fitting.size() == 1) return fitting.front();
    choosingLibraryForm = true;
    const std::string type = firstArgumentType(*this);
    choosingLibraryForm = false;
    const auto firstParameter = [](const FunctionRecord* form) { return form->parameters.front()->type; };
    for (FunctionRecord* form : fitting)
        if (sameName(firstParameter(form), type)) return form;
    if (isDecimalType(type))
        for (FunctionRecord* form : fitting)
            if (isDecimalType(firstParameter(form))) return form;
    return fitting.front();
}
