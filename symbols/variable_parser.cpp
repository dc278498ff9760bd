// variable -> head type [PTR] EOL
#include "driver/translator.h"
#include "source/syntax_error.h"
#include "symbols/variable_head.h"

VariableHead readVariableHead(SourceReader& r) {
    if (r.isNumber) throw SyntaxError{"Variables cannot begin with a number."};
    VariableHead head;
    head.nameAsWritten = r.tokenAsWritten;
    r.nextToken();
    if (r.is("(")) {
        head.isArray = true;
        r.nextToken();
        if (r.allDigits) {
            head.arraySize = decimalValue(r.token);
            r.nextToken();
            r.expect(")", "Expected ).");
        } else {
            r.expect(")", "Syntax error.");
        }
        r.nextToken();
    }
    r.skip("AS", "Expected keyword \"As\"");
    if (r.lineEnded) throw SyntaxError{"Expected Type, not end of line."};
    return head;
}

void Translator::parseVariable(ModuleRecord& module, int32_t scope) {
    SourceReader& r = reader;
    auto variable = std::make_shared<VariableRecord>();
    // Module level: the conversion pass declares it early when it stands
    // below a procedure that may use it.
    if (!insideProcedure) variable->declaredLine = r.line;
    const VariableHead head = readVariableHead(r);
    variable->name = head.nameAsWritten;
    variable->isArray = head.isArray;
    if (head.isArray) variable->arraySize = head.arraySize;
    variable->type = typeSpelling(r.tokenAsWritten);
    r.nextToken();
    variable->isPointer = r.accept("PTR");
    r.expectLineEnd("Expected end of line.");
    variable->scope = scope;
    module.variables.push_back(variable);
}
