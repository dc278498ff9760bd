// Function headers and DECLAREd imports. A failed header leaves no record:
// everything is checked before the record is appended.
#include "driver/translator.h"
#include "source/syntax_error.h"

/* header -> FUNCTION (name | CLASSCONSTRUCTOR | CLASSDESTRUCTOR) "(" params ")"
             [AS type [PTR] ["=" "0"]] EOL */
FunctionRecord& Translator::parseFunctionHeader(ModuleRecord& module, int32_t scope) {
    SourceReader& r = reader;
    auto function = std::make_shared<FunctionRecord>();
    r.nextToken();
    std::string name = r.tokenAsWritten;
    std::string returnType = "Void";
    if (r.is("CLASSCONSTRUCTOR")) {
        name = module.className;
        returnType.clear();
    } else if (r.is("CLASSDESTRUCTOR")) {
        name = "~" + module.className;
        returnType.clear();
    }
    if (r.lineEnded) throw SyntaxError{"Expected Function Name, not end of line."};
    // The program's start calls Main, however the source spells it.
    if (!module.isClassModule && r.is("MAIN")) name = "Main";
    r.nextToken();
    r.skip("(", "Expected \"(\"");
    if (!r.is(")")) parseParameterList(*function);
    r.nextToken();
    if (!r.lineEnded && !r.is("AS")) throw SyntaxError{"Expected keyword \"As\" or end of line."};
    bool pureVirtual = false;
    if (r.is("AS")) {
        r.nextToken();
        if (r.lineEnded) throw SyntaxError{"Expected functon return type, not end of line."};
        returnType = typeSpelling(r.tokenAsWritten);
        r.nextToken();
        if (r.is("PTR")) {
            r.nextToken();
            function->returnsPointer = true;
        }
        if (r.is("=")) {
            r.nextToken();
            r.expect("0", "expected =0 for pure virtual function.");
            pureVirtual = true;
            r.nextToken();
        }
        r.expectLineEnd("Function has return type declared, expected end of line.");
    }
    function->name = name;
    function->returnType = returnType;
    function->paramCount = static_cast<int32_t>(function->parameters.size());
    if (pureVirtual) {
        function->isPureVirtual = true;
        module.hasPureVirtual = true;
    }
    if (scope >= STATIC_FUNCTION_SCOPE) {
        function->isStatic = true;
        scope -= STATIC_FUNCTION_SCOPE;
    }
    function->scope = scope;
    module.functions.push_back(function);
    return *function;
}

/* params -> param { [","] param } [","]
   param  -> [BYVAL] [BYREF] name AS (type | FUNCTION shape) */
void Translator::parseParameterList(FunctionRecord& function) {
    SourceReader& r = reader;
    bool byRef = false;
    for (;;) {
        if (r.lineEnded) throw SyntaxError{"Expected parameter name, not end of line."};
        r.accept("BYVAL");
        if (r.is("BYREF")) {
            byRef = true;
            r.nextToken();
        }
        if (r.lineEnded) throw SyntaxError{"Expected parameter name, not end of line."};
        auto parameter = std::make_shared<VariableRecord>();
        parameter->name = r.tokenAsWritten;
        r.nextToken();
        if (r.is("("))
            throw SyntaxError{"A parameter is one value, not an array: declare the array at module level, where "
                              "every procedure sees it, or pass its elements."};
        r.skip("AS", "Expected keyword \"As\".");
        if (r.is(")")) throw SyntaxError{"Expected parameterType, not \")\"."};
        if (r.lineEnded) throw SyntaxError{"Expected parameter type, not end of line."};
        if (r.is("FUNCTION")) {
            if (byRef) throw SyntaxError{"A function-pointer parameter is passed BYVAL."};
            parameter->editDetails().functionPointer = parseFunctionPointerShape(false);
            parameter->type = functionPointerText(*parameter->functionPointer(), "");
        } else {
            parameter->type = typeSpelling(r.tokenAsWritten);
            r.nextToken();
            if (r.is("PTR"))
                throw SyntaxError{"A parameter takes an object or TYPE by its address with BYREF: write BYREF " +
                                  parameter->name + " AS " + parameter->type.str() + ", and pass it a PTR variable."};
        }
        if (r.lineEnded) throw SyntaxError{"Expected \",\" or \")\", not end of line."};
        parameter->byRef = byRef;
        function.parameters.push_back(parameter);
        r.accept(",");
        if (r.tokenAsWritten == ")") return;
        byRef = false;
        if (r.lineEnded) throw SyntaxError{"Expected parameter name, not end of line."};
    }
}

/* import -> DECLARE FUNCTION name ALIAS alias LIB literal "(" params ")" [AS type] EOL */
void Translator::parseExternalDeclaration(ModuleRecord& module, int32_t scope) {
    SourceReader& r = reader;
    auto function = std::make_shared<FunctionRecord>();
    std::string returnType = "Void";
    r.nextToken();
    r.skip("FUNCTION", "Expected keyword \"Function\".");
    if (r.lineEnded) throw SyntaxError{"Expected Function name. Not end of line."};
    std::string name = r.tokenAsWritten;
    r.nextToken();
    if (r.lineEnded) throw SyntaxError{"Expected keyword ALIAS. Not end of line."};
    r.skip("ALIAS", "Expected keyword ALIAS.");
    if (r.lineEnded) throw SyntaxError{"Expected Alias name. Not end of line."};
    std::string alias = r.tokenAsWritten;
    r.nextToken();
    r.skip("LIB", "Expected keyword LIB.");
    if (r.lineEnded) throw SyntaxError{"Expected Lib name. Not end of line."};
    if (!r.isString) throw SyntaxError{"Expected library or dll name."};
    r.nextToken();
    r.skip("(", "Expected \"(\".");
    if (!r.is(")")) parseParameterList(*function);
    // A library calls back with a convention of its own.
    for (const auto& parameter : function->parameters)
        if (parameter->functionPointer())
            throw SyntaxError{"A DLL function takes no function-pointer parameter: declare it AS Any and pass "
                              "ADDRESSOF."};
    r.nextToken();
    if (!r.lineEnded && !r.is("AS")) throw SyntaxError{"Expected keyword \"As\" or end of line."};
    if (r.is("AS")) {
        r.nextToken();
        if (r.lineEnded) throw SyntaxError{"Expected functon return type, not end of line."};
        returnType = typeSpelling(r.tokenAsWritten);
        r.nextToken();
        r.expectLineEnd("Function has return type declared, expected end of line.");
    }
    function->name = name;
    function->returnType = returnType;
    function->paramCount = static_cast<int32_t>(function->parameters.size());
    function->isExternal = true;
    function->scope = scope;
    function->aliasName = alias;
    module.functions.push_back(function);
}
