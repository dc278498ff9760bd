// PROPERTY GET and SET accessors, registered with the module's functions.
#include "driver/translator.h"
#include "source/syntax_error.h"

/* property -> PROPERTY GET name "(" ")" AS type [PTR]
             | PROPERTY SET name "(" [name AS type] ")" EOL */
void Translator::parseProperty(ModuleRecord& module, int32_t scope) {
    SourceReader& r = reader;
    auto accessor = std::make_shared<FunctionRecord>();
    r.nextToken();
    if (r.is("GET")) {
        r.nextToken();
        accessor->name = r.tokenAsWritten;
        accessor->aliasName = "Get" + accessor->name;
        r.nextToken();
        r.skip("(", "Expected ( after Property Name.");
        r.skip(")", "Expected ).");
        r.skip("AS", "Expected \"As\"");
        accessor->returnType = typeSpelling(r.tokenAsWritten);
        r.nextToken();
        if (r.is("PTR")) {
            accessor->returnsPointer = true;
            r.nextToken();
        }
    } else if (r.is("SET")) {
        r.nextToken();
        accessor->name = r.tokenAsWritten;
        accessor->aliasName = "Set" + accessor->name;
        r.nextToken();
        r.skip("(", "Expected ( after property Name.");
        if (!r.is(")") && !r.lineEnded) {
            auto value = std::make_shared<VariableRecord>();
            value->name = r.tokenAsWritten;
            r.nextToken();
            r.skip("AS", "Expected \"As\"");
            value->type = typeSpelling(r.tokenAsWritten);
            accessor->parameters.push_back(value);
            r.nextToken();
            r.skip(")", "Expected )");
            r.expectLineEnd("Expected end of line.");
        }
        accessor->returnType = "void";
        accessor->paramCount = 1;
    } else {
        throw SyntaxError{"Expected \"Get\" or \"Set\"."};
    }
    accessor->scope = scope;
    accessor->isProperty = true;
    module.functions.push_back(accessor);
}
