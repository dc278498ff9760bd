#include "expr/short_index.h"

#include "expr/index.h"
#include "expr/member_names.h"
#include "expr/operators.h"
#include "source/characters.h"
#include "source/syntax_error.h"

ShortIndex oneValueIndex(bool bracketFirst) {
    return {" is not an array.", true, bracketFirst, false, true, "Array index must be Long,Integer, Byte",
            "Expected )"};
}

namespace {

// Whether the index after the "(" (current) holds more than the short form
// takes: a call, an element, a group, a sign, MOD or "\", or an operator
// where the short form has none. Anything else the short form translates
// or refuses with its own message. Reads ahead and comes back.
bool needsFullIndex(SourceReader& r, bool operators) {
    const SourceReader::Mark start = r.mark();
    bool full = false;
    for (;;) {
        r.nextToken();
        if (r.is("(") || r.is("-") || r.is("+")) {
            full = true;
            break;
        }
        const bool name = !r.token.empty() && isLetter(static_cast<unsigned char>(r.token[0]));
        if (!name && !r.allDigits) break;
        r.nextToken();
        if (name && (r.is("(") || r.is("."))) {
            full = !r.is(".");
            break;
        }
        if (arithmeticWord(r) || (r.isOperator && !operators)) {
            full = true;
            break;
        }
        if (!r.isOperator) break;
    }
    r.rewind(start);
    return full;
}

}  // namespace

/* shortindex -> "(" value {operator value} ")" ; value -> number | variable */
void translateShortIndex(Translator& t, const std::string& arrayName, bool isArray, const ShortIndex& rules) {
    SourceReader& r = t.reader;
    if (rules.bracketFirst) t.output << "[";
    if (*rules.notAnArray && !isArray) {
        // A local or member named like a function hides it: say so.
        const std::string function = t.functionSpelling(upperCase(arrayName));
        if (!function.empty() && t.hidesFunction(arrayName))
            throw SyntaxError{arrayName + " is a variable here, which hides the function " + function +
                              ": give the variable another name to call the function."};
        throw SyntaxError{rules.nameInMessage ? arrayName + rules.notAnArray : std::string(rules.notAnArray)};
    }
    if (!rules.bracketFirst) t.output << "[";
    if (needsFullIndex(r, rules.operators)) {
        translateIndexTerms(t);
        r.expect(")", rules.unclosed);
        r.nextToken();
        return;
    }
    for (;;) {
        r.nextToken();
        const VariableLookup variable = r.allDigits ? VariableLookup() : t.lookUpVariable(r.token);
        const std::string& type = variable.type();
        if (r.allDigits)
            t.output << decimalText(r.tokenAsWritten);
        else if (rules.indexTypesOnly ? isIndexType(type) : !type.empty())
            t.output << variable.writtenName(r.tokenAsWritten);
        else
            throw SyntaxError{rules.badOperand};
        r.nextToken();
        if (!rules.operators || !r.isOperator) break;
        t.output << r.tokenAsWritten;
    }
    r.expect(")", rules.unclosed);
    t.output << "]";
    r.nextToken();
}
