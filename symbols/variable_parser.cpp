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
        if (r.allDigits || isPlainName(r.tokenAsWritten)) {
            if (r.allDigits) {
                head.arraySize = decimalValue(r.token);
            } else {
                head.arraySizeName = r.tokenAsWritten;
                head.sizeLine = r.line;
                head.sizePosition = r.column - static_cast<int32_t>(r.tokenAsWritten.size());
            }
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
    if (r.is("FUNCTION")) throw SyntaxError{"A function-pointer variable is declared inside a procedure."};
    variable->name = head.nameAsWritten;
    variable->isArray = head.isArray;
    if (head.isArray) variable->arraySize = head.arraySize;
    // A constant may be declared anywhere, in any module: its value is
    // looked up once every module has been read.
    if (!head.arraySizeName.empty())
        pendingSizes.push_back({&module, variable, head.arraySizeName, head.sizeLine, head.sizePosition});
    variable->type = typeSpelling(r.tokenAsWritten);
    r.nextToken();
    variable->isPointer = r.accept("PTR");
    r.expectLineEnd("Expected end of line.");
    variable->scope = scope;
    module.variables.push_back(variable);
}

// The module-level arrays sized by a constant, once every constant is
// known; a name that is none is reported at its line.
void Translator::resolvePendingSizes() {
    for (const PendingSize& pending : pendingSizes) {
        try {
            pending.variable->arraySize = constantArraySize(*pending.module, pending.name);
        } catch (const SyntaxError& error) {
            reportDeclarationErrorAt(pending.module->fileName, pending.line, pending.position, error.message, pending.name);
        }
    }
    pendingSizes.clear();
}

// An array sized by a constant: the module's own or a plain module's, of
// a whole value above 0.
int32_t Translator::constantArraySize(const ModuleRecord& module, const std::string& name) const {
    const VariableRecord* constant = findConstant(module, name);
    if (!constant)
        throw SyntaxError{name + " is not a constant: an array's size is a number or a CONST."};
    const std::string& value = constant->constValue;
    int32_t size = 0;
    if (!value.empty() && value.find_first_not_of("0123456789") == std::string::npos) {
        size = decimalValue(value);
    } else if (value.size() > 2 && value[0] == '&' && (value[1] == 'H' || value[1] == 'h')) {
        const std::string digits = value.substr(2);
        if (digits.size() <= 7 && digits.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos)
            size = static_cast<int32_t>(std::stol(digits, nullptr, 16));
    }
    if (size <= 0) throw SyntaxError{"An array's size must be a whole number above 0: " + name + " is " + value + "."};
    return size;
}
