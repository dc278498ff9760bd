#include "expr/number_literal.h"

#include "source/syntax_error.h"
#include "symbols/records.h"

/* number -> digits ["." digits] | TRUE | FALSE */
std::string readNumberLiteral(SourceReader& r) {
    if (isTruthWord(r)) {
        const char* value = r.is("TRUE") ? "1" : "0";
        r.nextToken();
        return value;
    }
    // The fraction keeps its zeros; the whole part is decimal.
    std::string text = decimalText(r.tokenAsWritten);
    r.nextToken();
    if (!r.is(".")) return text;
    r.nextToken();
    if (!r.allDigits) throw SyntaxError{"Expected digits after the decimal point."};
    text += "." + r.tokenAsWritten;
    r.nextToken();
    return text;
}
