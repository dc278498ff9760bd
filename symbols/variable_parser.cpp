// variable -> name [ "(" [digits] ")" ] AS type [PTR] EOL
#include "driver/translator.h"
#include "source/syntax_error.h"

void Translator::parseVariable(ModuleRecord& module, int32_t scope) {
    SourceReader& r = reader;
    if (r.isNumber) throw SyntaxError{"Variables cannot begin with a number."};
    auto variable = std::make_shared<VariableRecord>();
    variable->name = r.tokenAsWritten;
    // Module level: the conversion pass declares it early when it stands
    // below a procedure that may use it.
    if (!insideProcedure) variable->declaredLine = r.line;
    r.nextToken();
    if (r.is("(")) {
        variable->isArray = true;
        r.nextToken();
        if (r.allDigits) {
            variable->arraySize = decimalValue(r.token);
            r.nextToken();
            r.expect(")", "Expected ).");
        } else {
            r.expect(")", "Syntax error.");
            variable->arraySize = -1;
        }
        r.nextToken();
    }
    r.skip("AS", "Expected keyword \"As\"");
    if (r.lineEnded) throw SyntaxError{"Expected Type, not end of line."};
    variable->type = typeSpelling(r.tokenAsWritten);
    r.nextToken();
    if (r.is("PTR")) {
        variable->isPointer = true;
        r.nextToken();
    }
    r.expectLineEnd("Expected end of line.");
    variable->scope = scope;
    module.variables.push_back(variable);
}
