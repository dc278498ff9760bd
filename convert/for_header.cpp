// The head of a FOR line. Bounds and steps made of variables, numbers and
// the four arithmetic characters are copied as they stand; any other
// expression is translated as a value of the loop variable's type. Either
// way the end and the step are C++ expressions tested on every pass.
#include <optional>

#include "driver/translator.h"
#include "expr/assignment_values.h"
#include "expr/member_names.h"
#include "expr/output_capture.h"
#include "source/syntax_error.h"

namespace {

/* loopexpr -> (variable | number) {operator (variable | number)} */
std::string loopExpression(Translator& t) {
    SourceReader& r = t.reader;
    std::string text;
    for (;;) {
        r.nextToken();
        if (r.allDigits)
            text += decimalText(r.tokenAsWritten);
        else if (!t.variableType(r.token).empty())
            text += writtenVariableName(t, r.token, r.tokenAsWritten);
        else
            throw SyntaxError{"Expected identifier or value for start of loop."};
        r.nextToken();
        if (!r.isOperator) return text;
        text += r.tokenAsWritten;
    }
}

bool endsStart(const SourceReader& r) { return r.is("TO"); }
bool endsEnd(const SourceReader& r) { return r.lineEnded || r.atEof || r.is("STEP"); }
bool endsStep(const SourceReader& r) { return r.lineEnded || r.atEof; }

// A bound as a value, from the token after the one current now.
std::string valueText(Translator& t, const std::string& type) {
    OutputCapture capture(t.output);
    try {
        t.reader.nextToken();
        translateLoopBound(t, type);
    } catch (const SyntaxError&) {
        capture.release();  // a bound that fails writes nothing
        throw;
    }
    return capture.release();
}

/* bound -> loopexpr | value ; up to `ends` */
// The short form first; where it stops short, the bound is read again as a
// value. When that fails too, the report comes from the one that read
// further, so a line the short form refuses keeps its message.
std::string loopBound(Translator& t, const std::string& type, bool (*ends)(const SourceReader&)) {
    SourceReader& r = t.reader;
    const SourceReader::Mark start = r.mark();
    std::string shortText;
    std::optional<SyntaxError> shortError;
    try {
        shortText = loopExpression(t);
        if (ends(r)) return shortText;
    } catch (const SyntaxError& error) {
        shortError = error;
    }
    const SourceReader::Mark shortEnd = r.mark();
    r.rewind(start);
    try {
        std::string text = valueText(t, type);
        if (ends(r)) return text;
    } catch (const SyntaxError&) {
        if (r.mark().position > shortEnd.position) throw;
    }
    r.rewind(shortEnd);
    if (shortError) throw *shortError;
    return shortText;
}

bool isPlainNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789.") == std::string::npos;
}

}  // namespace

/* forhead -> FOR variable "=" bound TO bound [STEP ["+" | "-"] bound] EOL */
void Translator::translateForHeader() {
    SourceReader& r = reader;
    r.nextToken();
    const std::string type = variableType(r.token);
    if (type.empty()) throw SyntaxError{"Unknown identifier in for loop."};
    const std::string variable = writtenVariableName(*this, r.token, r.tokenAsWritten);
    output << "for (" << variable;
    r.nextToken();
    r.expect("=", "Expected =.");
    output << "=";
    const std::string start = loopBound(*this, type, endsStart);
    r.expect("TO", "Expected \"To\".");
    const std::string end = loopBound(*this, type, endsEnd);
    std::string test = variable + "<=" + end;
    std::string step = "+1";
    if (r.is("STEP")) {
        r.nextToken();
        if (r.is("+") || r.is("-")) {
            if (r.is("-")) test = variable + ">=" + end;
            const std::string sign = r.tokenAsWritten;
            step = sign + "(" + loopBound(*this, type, endsStep) + ")";
        } else {
            // Without a sign: a number counts up; any other step is tested
            // for its direction on every pass.
            r.pushBack();
            const std::string amount = loopBound(*this, type, endsStep);
            step = "+(" + amount + ")";
            if (!isPlainNumber(amount))
                test = "(" + amount + ")>=0?" + variable + "<=" + end + ":" + variable + ">=" + end;
        }
    }
    r.expectLineEnd("Expected end of line.");
    output << start << ";" << test << ";" << variable << "=" << variable << step << ")";
}
