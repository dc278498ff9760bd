// User types. A type is registered only when its END TYPE is reached.
#include "driver/translator.h"
#include "source/syntax_error.h"

/* usertype -> TYPE name EOL { field EOL } END TYPE
   field    -> name [ "(" (digits | known name) ")" ] AS type [PTR] */
void Translator::parseUserType(ModuleRecord& module, int32_t scope) {
    SourceReader& r = reader;
    auto type = std::make_shared<TypeRecord>();
    r.nextToken();
    type->name = r.tokenAsWritten;
    type->scope = scope;
    if (!insideProcedure) type->declaredLine = r.line;
    r.nextToken();
    r.expectLineEnd("Expected new line");
    while (!r.is("END")) {
        if (r.is("FUNCTION") || r.atEof) break;
        r.nextToken();
        if (r.is("END")) continue;
        if (r.atEof) break;  // cut by the end of the file: no END TYPE
        if (r.lineEnded) throw SyntaxError{"Expected variable name not end of line."};
        auto field = std::make_shared<VariableRecord>();
        field->arraySize = -1;
        field->name = r.tokenAsWritten;
        r.nextToken();
        if (r.is("(")) {
            field->isArray = true;
            r.nextToken();
            if (!variableType(r.token).empty())
                field->editDetails().arraySizeName = r.tokenAsWritten;
            else if (r.allDigits)
                field->arraySize = decimalValue(r.token);
            else
                throw SyntaxError{"Expected value for array size."};
            r.nextToken();
            r.skip(")", "ecxpected ).");
        }
        r.skip("AS", "Expected keyword \"AS\".");
        if (r.lineEnded) throw SyntaxError{"Expected variable name not end of line."};
        field->type = typeSpelling(r.tokenAsWritten);
        r.nextToken();
        if (r.is("PTR")) {
            field->isPointer = true;
            r.nextToken();
        }
        type->fields.push_back(field);
    }
    r.nextToken();
    r.expect("TYPE", "Expected End Type");
    module.types.push_back(type);
    r.nextToken();
}
