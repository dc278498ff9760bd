#include "expr/number_literal.h"

#include "source/syntax_error.h"

/* number -> digits ["." digits] */
std::string readNumberLiteral(SourceReader& r) {
    std::string text = r.tokenAsWritten;
    r.nextToken();
    if (!r.is(".")) return text;
    r.nextToken();
    if (!r.allDigits) throw SyntaxError{"Expected digits after the decimal point."};
    text += "." + r.tokenAsWritten;
    r.nextToken();
    return text;
}
