// Values of assignments and function results: operands and operators are
// copied in source order without added spaces; casts and quoting are
// decided against the type being assigned.
#include "expr/assignment_values.h"

#include <ostream>

#include "symbols/names.h"

#include "expr/member_names.h"
#include "expr/number_literal.h"
#include "expr/short_index.h"
#include "expr/operand.h"
#include "source/syntax_error.h"

namespace {


bool isString(const std::string& type) { return sameName(type, "String"); }

bool isThis(const Translator& t) {
    return t.reader.is("THIS") && t.currentModule && t.currentModule->isClassModule;
}

// A function called inside a value yields a value, whatever the target is.
std::string valueContext(const std::string& type) { return type.empty() ? std::string("Any") : type; }

void expectLineEnd(const SourceReader& r, bool listItem = false) {
    if (listItem && r.is(",")) return;
    r.expectLineEnd("Expected end of line.");
}

/* number -> digits ; a String receives it as a literal */
void writeNumber(Translator& t, const std::string& type) {
    // A target of no known type (a TYPE value assigned whole) still gets the number.
    const std::string number = readNumberLiteral(t.reader);
    if (isString(type))
        t.output << "\"" << number << "\"";
    else
        t.output << number;
}

/* bracketop -> "[" (OR | AND | NOT) "]" */
void bracketWord(Translator& t) {
    SourceReader& r = t.reader;
    r.nextToken();
    const std::string op = bracketOperator(r, true, "Invalid operator ");
    t.output << " " << op << " ";
    r.nextToken();  // the "]"
    r.nextToken();
}

/* addressof -> ADDRESSOF (function | class ":" ":" method) EOL */
void addressOf(Translator& t, bool listItem) {
    addressOfTarget(t, true, "Expected function name for AddressOf.");
    expectLineEnd(t.reader, listItem);
}

/* objectvalue -> object ["(" index ")"] ["." (member | method ...)] */
void objectValue(Translator& t) {
    SourceReader& r = t.reader;
    const std::string name = writtenVariableName(t, r.token, r.tokenAsWritten);
    const std::string className = objectClassName(t, name);
    t.output << name;
    r.nextToken();
    if (t.isArrayVariable(name) && r.is("(")) {
        t.translateIndex();
        r.nextToken();
    }
    // Without a member the object itself is the value (a pointer, say).
    if (!r.is(".")) return;
    r.nextToken();
    if (!t.findMemberVariable(className, r.token) && t.findMemberFunction(className, r.token))
        t.translateMemberCall(name);
    else
        t.translateClassMember(name);
}

/* variablevalue -> ["(" type ")"] variable ["(" index ")"] */
void variableValue(Translator& t, const std::string& targetType) {
    SourceReader& r = t.reader;
    const std::string name = writtenVariableName(t, r.token, r.tokenAsWritten);
    if (!targetType.empty() && !r.is("NULL") && !sameName(t.variableType(r.token), targetType))
        t.output << "(" << targetType << ")";
    t.output << name;
    r.nextToken();
    if (r.is("(")) translateShortIndex(t, name, oneValueIndex(false));
}

/* shift -> ">" ">" | "<" "<" */
void shift(Translator& t, const char* twice) {
    SourceReader& r = t.reader;
    const std::string single = r.token;
    r.nextToken();
    if (r.token != single) throw SyntaxError{"Syntax error."};
    t.output << twice;
    r.nextToken();
}

// What a step of a value was: a value, or what needs one after it.
enum class Step { Operand, Operator, End };

// "&H1F" is a hexadecimal literal only when no blank stands after the "&".
Step ampersand(Translator& t, bool afterOperand) {
    SourceReader& r = t.reader;
    const int32_t before = r.column;
    r.nextToken();
    const bool adjacent = before == r.column - static_cast<int32_t>(r.token.size());
    if (!r.token.empty() && r.token[0] == 'H' && adjacent) {
        if (afterOperand) throw SyntaxError{"Expected end of line."};
        t.output << " 0x" << r.token.substr(1);
        r.nextToken();
        return Step::Operand;
    }
    // The token read is the next operand.
    t.output << " & ";
    return Step::Operator;
}

/* resultaddress -> ADDRESSOF function EOL */
void resultAddressOf(Translator& t, const std::string& returnType) {
    t.output << "(" << returnType << ")";
    addressOfTarget(t, false, "Expected function name for AddressOf.");
    expectLineEnd(t.reader);
}

// A TYPE value of the function's own TYPE is returned as it is, unless the
// function returns a pointer; any other is returned by address.
void resultTypeValue(Translator& t, const FunctionRecord& function) {
    const bool ownType = sameName(t.variableStructType(t.reader.token), function.returnType);
    t.translateMemberAccess(ownType && !function.returnsPointer ? function.returnType : "", true);
}

/* resultvariable -> variable ["(" index ")"] */
void resultVariable(Translator& t) {
    SourceReader& r = t.reader;
    const std::string name = writtenVariableName(t, r.token, r.tokenAsWritten);
    t.output << name;
    r.nextToken();
    if (r.is("(")) translateShortIndex(t, name, oneValueIndex(false));
}

// The two contexts of a value: a variable's (casts and quoting follow the
// target's type) and a function's result (they follow its return type).
struct ValueContext {
    std::string type;
    const FunctionRecord* result = nullptr;  // the function, for a result
    bool listItem = false;  // a declaration's value: a "," may end it
};

// After a complete operand only these go on with the value; anything else
// is more text than the statement holds. A result has no shifts, "&", "|"
// or THEN.
bool continuesValue(const SourceReader& r, const ValueContext& c) {
    if (r.isOperator || r.is("[") || r.is(")")) return true;
    return !c.result && (r.is(">") || r.is("<") || r.is("&") || r.is("|") || r.is("THEN"));
}

/* operand -> ADDRESSOF ... | typevariable | call | object | variable | literal | number */
void valueOperand(Translator& t, const ValueContext& c, const OperandFacts& facts) {
    SourceReader& r = t.reader;
    if (isThis(t)) {
        // A method's own object, as a result or for a PTR variable.
        t.output << "this";
        r.nextToken();
    } else if (r.is("ADDRESSOF")) {
        if (c.result)
            resultAddressOf(t, c.type);
        else
            addressOf(t, c.listItem);
    } else if (facts.typeVariable) {
        if (c.result)
            resultTypeValue(t, *c.result);
        else  // a BYREF parameter stands for the value it points to
            t.translateMemberAccess(t.isAddressParameter(r.token) ? c.type : "", false);
    } else if (facts.function) {
        t.translateCall(valueContext(c.type));
    } else if (facts.object) {
        objectValue(t);
    } else if (facts.variable()) {
        if (c.result)
            resultVariable(t);
        else
            variableValue(t, c.type);
    } else if (r.isString) {
        if (!isString(c.type))
            throw SyntaxError{c.result ? "Expected string for parameter." : "Expected string for parameter "};
        t.output << r.tokenAsWritten;
        r.nextToken();
    } else {
        writeNumber(t, c.type);
    }
}

/* operator -> "+" ... | "[" word "]" | ">" ">" | "<" "<" | "&" | "|" | "(" | ")" */
Step valueOperator(Translator& t, const ValueContext& c, bool afterOperand) {
    SourceReader& r = t.reader;
    if (r.is("[")) {
        bracketWord(t);
    } else if (r.isOperator) {
        if (doublesSign(r)) t.output << " ";
        t.output << r.tokenAsWritten;
        r.nextToken();
    } else if (r.is("(") || r.is(")")) {
        // A group opens where a value is wanted and closes as one.
        const bool closing = r.is(")");
        t.output << r.tokenAsWritten;
        r.nextToken();
        return closing ? Step::Operand : Step::Operator;
    } else if (c.result) {
        throw SyntaxError{"Syntax error."};
    } else if (r.is(">")) {
        shift(t, " >> ");
    } else if (r.is("<")) {
        shift(t, " << ");
    } else if (r.is("&")) {
        return ampersand(t, afterOperand);
    } else if (r.is("|")) {
        t.output << " | ";
        r.nextToken();
    } else if (r.is("THEN")) {
        return Step::End;
    } else {
        throw SyntaxError{"Syntax error."};
    }
    return Step::Operator;
}

// One operand or operator of a value.
Step valueStep(Translator& t, const ValueContext& c, bool afterOperand) {
    const SourceReader& r = t.reader;
    if (afterOperand && !continuesValue(r, c)) throw SyntaxError{"Expected end of line."};
    const OperandFacts facts = examineOperand(t);
    if (r.is("ADDRESSOF") || facts.typeVariable || facts.function || facts.object || facts.variable() ||
        r.isString || r.allDigits || isTruthWord(r) || isThis(t)) {
        valueOperand(t, c, facts);
        return Step::Operand;
    }
    return valueOperator(t, c, afterOperand);
}

// A value may not end where an operator still waits for its operand.
void expectValueEnd(bool afterOperand) {
    if (!afterOperand) throw SyntaxError{"Expected a value, not end of line."};
}

/* value -> operand {operator operand} (EOL | THEN) */
void translateValue(Translator& t, const ValueContext& c) {
    const SourceReader& r = t.reader;
    bool afterOperand = false;
    // Groups open: a "," inside one is no end of a declaration's value.
    int32_t depth = 0;
    while (!r.lineEnded && !r.atEof) {
        if (c.listItem && afterOperand && depth == 0 && r.is(",")) break;
        if (r.is("("))
            ++depth;
        else if (r.is(")") && --depth < 0 && c.listItem)
            throw SyntaxError{"Syntax error."};
        const Step step = valueStep(t, c, afterOperand);
        if (step == Step::End) break;
        afterOperand = step == Step::Operand;
    }
    expectValueEnd(afterOperand);
    // A declaration's value is one C++ expression: every group it opens closes.
    if (c.listItem && depth > 0) throw SyntaxError{"Expected )"};
}

}  // namespace

void translateAssignmentValue(Translator& t, const std::string& targetType) { translateValue(t, {targetType}); }

void translateDeclarationValue(Translator& t, const std::string& targetType) {
    translateValue(t, {targetType, nullptr, true});
}

void translateResultValue(Translator& t, const FunctionRecord& function) {
    translateValue(t, {function.returnType, &function});
}
