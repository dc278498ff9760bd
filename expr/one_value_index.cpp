#include "expr/one_value_index.h"

#include <ostream>

#include "expr/member_names.h"
#include "source/syntax_error.h"

/* shortindex -> "(" (number | indexvariable) ")" */
void translateOneValueIndex(Translator& t, const std::string& arrayName, bool bracketFirst) {
    SourceReader& r = t.reader;
    if (bracketFirst) t.output << "[";
    if (!t.isArrayVariable(arrayName)) throw SyntaxError{arrayName + " is not an array."};
    if (!bracketFirst) t.output << "[";
    r.nextToken();
    if (r.allDigits) {
        t.output << r.tokenAsWritten;
    } else if (isIndexType(t.variableType(r.token))) {
        t.output << writtenVariableName(t, r.token, r.tokenAsWritten);
    } else {
        throw SyntaxError{"Array index must be Long,Integer, Byte"};
    }
    r.nextToken();
    r.expect(")", "Expected )");
    t.output << "]";
    r.nextToken();
}
