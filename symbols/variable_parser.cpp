// Variable declarations outside procedures, and the parts of a declaration
// line both passes read.
#include "driver/translator.h"
#include "source/syntax_error.h"
#include "symbols/names.h"
#include "symbols/variable_head.h"

namespace {

const char* const arraySizeForm =
    "An array's size is one number or one CONST: declare CONST SIZE = ... and write DIM name(SIZE).";

// What stands after a constant array size instead of its ")".
const char* sizeEndMessage(const SourceReader& r) {
    if (r.lineEnded || r.is("AS")) return "Expected ).";
    if (r.is("TO")) return "An array's size counts its elements from 0: DIM a(10) holds a(0) to a(9), without TO.";
    return arraySizeForm;
}

/* name -> word [ "(" [digits | constant] ")" ] ; ends on the token after it */
VariableHead readVariableName(SourceReader& r) {
    if (r.lineEnded || r.atEof) throw SyntaxError{"Expected variable name not end of line."};
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
            const bool number = r.allDigits;
            r.nextToken();
            r.expect(")", number ? "Expected )." : sizeEndMessage(r));
        } else {
            r.expect(")", "Syntax error.");
        }
        r.nextToken();
    }
    return head;
}

const char* const notAConstant =
    "Expected a constant: a number, a string, TRUE, FALSE or a CONST. Assign other values in a procedure.";

}  // namespace

std::vector<VariableHead> readVariableGroup(SourceReader& r) {
    std::vector<VariableHead> group{readVariableName(r)};
    while (r.accept(",")) group.push_back(readVariableName(r));
    r.skip("AS", "Expected keyword \"As\"");
    if (r.lineEnded) throw SyntaxError{"Expected Type, not end of line."};
    return group;
}

void checkInitialValueNames(const std::vector<VariableHead>& group) {
    if (group.size() > 1)
        throw SyntaxError{"Only one name can take an initial value: give each name its own AS and value."};
    if (group.front().isArray) throw SyntaxError{"An array takes no initial value: assign its elements one by one."};
}

InitialConstant readInitialConstant(SourceReader& r) {
    r.nextToken();
    if (r.lineEnded || r.atEof) throw SyntaxError{"Expected a value, not end of line."};
    InitialConstant value;
    if (r.isString) {
        value.kind = InitialConstant::Kind::Text;
        value.text = r.tokenAsWritten;
    } else {
        if (r.is("-")) value.negative = true;
        if (r.is("-") || r.is("+")) r.nextToken();
    }
    // Reports name the value itself, after its sign.
    value.line = r.line;
    value.position = r.column - static_cast<int32_t>(r.tokenAsWritten.size());
    value.asWritten = r.tokenAsWritten;
    if (value.kind == InitialConstant::Kind::Text) {
        r.nextToken();
    } else {
        if (r.is("&")) {
            // &H1F, written without a blank after the "&".
            const int32_t before = r.column;
            r.nextToken();
            const bool adjacent = before == r.column - static_cast<int32_t>(r.token.size());
            if (!adjacent || r.token.size() < 2 || r.token[0] != 'H' ||
                r.token.find_first_not_of("0123456789ABCDEF", 1) != std::string::npos)
                throw SyntaxError{notAConstant};
            value.text = "0x" + r.token.substr(1);
            r.nextToken();
        } else if (r.is("TRUE") || r.is("FALSE")) {
            value.text = r.is("TRUE") ? "1" : "0";
            r.nextToken();
        } else if (r.allDigits) {
            // The fraction keeps its zeros; the whole part is decimal.
            value.text = decimalText(r.tokenAsWritten);
            r.nextToken();
            if (r.is(".")) {
                r.nextToken();
                if (!r.allDigits) throw SyntaxError{"Expected digits after the decimal point."};
                value.text += "." + r.tokenAsWritten;
                r.nextToken();
            }
        } else if (isPlainName(r.tokenAsWritten)) {
            value.kind = InitialConstant::Kind::Constant;
            value.text = r.tokenAsWritten;
            r.nextToken();
        } else {
            throw SyntaxError{notAConstant};
        }
        if (value.negative && value.kind == InitialConstant::Kind::Number) value.text = "-" + value.text;
    }
    // A sum, a call or a member is a value for a procedure to work out.
    if (r.isOperator || r.is("(") || r.is(".") || r.is("&")) throw SyntaxError{notAConstant};
    return value;
}

void Translator::checkInitialValueTarget(const std::string& type, bool isPointer, bool outsideProcedure) const {
    if (isPointer) return;
    if (isClassName(type))
        throw SyntaxError{"An object takes no initial value: assign it in a statement of its own, or declare a PTR "
                          "and give it NEW."};
    if (outsideProcedure && isTypeName(type))
        throw SyntaxError{"A TYPE variable outside a procedure takes no initial value: assign its members in a "
                          "procedure."};
}

std::string Translator::initialValueText(const ModuleRecord& module, const std::string& type, bool isPointer,
                                         const InitialConstant& value) const {
    checkInitialValueTarget(type, isPointer, true);
    InitialConstant::Kind kind = value.kind;
    std::string text = value.text;
    if (kind == InitialConstant::Kind::Constant) {
        // The constant's value: the variable may stand above the constant,
        // or in a module that does not see it.
        const VariableRecord* constant = findConstant(module, value.text);
        if (!constant) throw SyntaxError{notAConstant};
        const std::string& constValue = constant->constValue();
        const std::string digits = constValue.substr(!constValue.empty() && constValue[0] == '-' ? 1 : 0);
        if (!constValue.empty() && constValue[0] == '"') {
            if (value.negative) throw SyntaxError{notAConstant};
            kind = InitialConstant::Kind::Text;
            text = constValue;
        } else if (constValue.size() > 2 && constValue[0] == '&' && (constValue[1] == 'H' || constValue[1] == 'h') &&
                   constValue.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos) {
            text = "0x" + upperCase(constValue.substr(2));
        } else if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos) {
            text = constValue;
        } else if (constant->type == "Double" && !digits.empty() &&
                   digits.find_first_not_of("0123456789.") == std::string::npos) {
            text = constValue;
        } else {
            throw SyntaxError{notAConstant};
        }
        if (kind != InitialConstant::Kind::Text) {
            kind = InitialConstant::Kind::Number;
            if (value.negative) text = text[0] == '-' ? text.substr(1) : "-" + text;
        }
    }
    if (kind == InitialConstant::Kind::Text) {
        if (!sameName(type, "String") || isPointer) throw SyntaxError{"Only a String variable starts with a string."};
        return text;
    }
    if (isPointer && text != "0")
        throw SyntaxError{"A PTR variable outside a procedure starts with 0: give it an address in a procedure."};
    // A String gets the number's text, as an assignment gives it.
    if (sameName(type, "String")) return "\"" + text + "\"";
    return text;
}

/* declaration -> group type [PTR] ["=" constant] {"," group type [PTR] ["=" constant]} EOL
                | name AS FUNCTION ... EOL */
void Translator::parseVariable(ModuleRecord& module, int32_t scope) {
    SourceReader& r = reader;
    // Nothing is registered unless the whole line is read.
    std::vector<std::shared_ptr<VariableRecord>> declared;
    std::vector<PendingSize> sizes;
    std::vector<PendingValue> values;
    // Module level: the conversion pass declares it early when it stands
    // below a procedure that may use it.
    const int32_t line = insideProcedure ? 0 : r.line;
    do {
        const std::vector<VariableHead> group = readVariableGroup(r);
        if (r.is("FUNCTION")) {
            if (!declared.empty() || group.size() > 1)
                throw SyntaxError{"A function-pointer variable is declared on a DIM line of its own."};
            return parseFunctionPointerVariable(module, scope, group.front(), line);
        }
        const std::string type = typeSpelling(r.tokenAsWritten);
        r.nextToken();
        const bool isPointer = r.accept("PTR");
        for (const VariableHead& head : group) {
            auto variable = std::make_shared<VariableRecord>();
            variable->declaredLine = line;
            variable->name = head.nameAsWritten;
            variable->type = type;
            variable->isPointer = isPointer;
            variable->isArray = head.isArray;
            if (head.isArray) variable->arraySize = head.arraySize;
            variable->scope = scope;
            // A constant may be declared anywhere, in any module: its value is
            // looked up once every module has been read.
            if (!head.arraySizeName.empty())
                sizes.push_back({&module, variable, head.arraySizeName, head.sizeLine, head.sizePosition});
            declared.push_back(variable);
        }
        if (r.is("=")) {
            checkInitialValueNames(group);
            values.push_back({&module, declared.back(), readInitialConstant(r)});
        }
    } while (r.accept(","));
    r.expectLineEnd("Expected end of line.");
    module.variables.insert(module.variables.end(), declared.begin(), declared.end());
    pendingSizes.insert(pendingSizes.end(), sizes.begin(), sizes.end());
    pendingValues.insert(pendingValues.end(), values.begin(), values.end());
}

// The initial values of module variables and class members, once every
// class, TYPE and constant is known; a value that does not fit is
// reported where it stands.
void Translator::resolvePendingValues() {
    for (const PendingValue& pending : pendingValues) {
        const VariableRecord& variable = *pending.variable;
        try {
            pending.variable->editDetails().initialValue =
                initialValueText(*pending.module, variable.type, variable.isPointer, pending.value);
        } catch (const SyntaxError& error) {
            reportDeclarationErrorAt(pending.module->fileName, pending.value.line, pending.value.position,
                                     error.message, pending.value.asWritten);
        }
    }
    pendingValues.clear();
}

// The module-level arrays sized by a constant, once every constant is
// known; a name that is none is reported at its line.
void Translator::resolvePendingSizes() {
    for (const PendingSize& pending : pendingSizes) {
        try {
            const int32_t size = constantArraySize(*pending.module, pending.name);
            if (pending.pointer)
                pending.pointer->elementCount = size;
            else
                pending.variable->arraySize = size;
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
    const std::string& value = constant->constValue();
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
