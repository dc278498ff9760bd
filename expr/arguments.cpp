// The argument list of a call: a flat run of operands and operators per
// parameter, each operand cast against the declared parameter type. The
// member-call translators run the same loop with their own few operand
// rules (memberVariant).
#include <memory>
#include <ostream>

#include "driver/translator.h"
#include "symbols/names.h"
#include "expr/held_text.h"
#include "expr/member_names.h"
#include "expr/nesting_guard.h"
#include "expr/number_literal.h"
#include "expr/operand.h"
#include "expr/operators.h"
#include "expr/output_capture.h"
#include "expr/short_index.h"
#include "source/syntax_error.h"

namespace {

bool isStringType(const std::string& type) { return sameName(type, "String"); }
bool isAnyType(const std::string& type) { return sameName(type, "Any"); }

// TYPE and class names as declared; a built-in type stays as written.
std::string declaredTypeName(const Translator& t, const std::string& name, const std::string& asWritten) {
    if (const TypeRecord* type = t.symbols.typeNamed(name)) return type->name;
    return classSpelling(t, name, asWritten);
}

class ArgumentList {
public:
    ArgumentList(Translator& t, const FunctionRecord& function, bool memberVariant)
        : t_(t),
          r_(t.reader),
          out_(t.output),
          function_(function),
          memberVariant_(memberVariant),
          // sizeof measures its operand: no cast and no "&" may change it.
          plain_(function.builtIn && function.name == "sizeof") {}

    void run();
    void runToStatementEnd();

private:
    void selectParameter();
    void beginArgument();
    void endArgument();
    void operandStep();
    bool otherOperator();
    void ampersand();
    void closeGroup();
    void bitOperator();
    void operand();
    void namedOperand();
    void typeName();
    void thisOperand();
    void structOperand();
    void nestedCall();
    void objectOperand();
    void variableOperand();
    std::string variableCast(const std::string& variableType);
    void stringLiteral();
    void otherToken();
    void addressOf();
    void number();
    void hexNumber();
    std::string declaredName() const;
    // Writes what the parameter's type adds in front of an operand, and
    // notes where, so that a String argument made of numbers can drop it.
    void writeAdded(const std::string& text);
    std::string cast(const std::string& type) const { return type.empty() ? "" : "(" + type + ")"; }

    Translator& t_;
    SourceReader& r_;
    std::ostream& out_;
    const FunctionRecord& function_;
    const bool memberVariant_;
    const bool plain_;

    int32_t index_ = 0;
    int32_t depth_ = 0;
    // Some operand has been read.
    bool started_ = false;
    // Only the first variable of a by-reference argument is the reference.
    bool castApplied_ = false;
    // The current token is an opening "(" or a closing "]" already written.
    bool tokenWritten_ = false;
    // The parameter being filled; its type is empty for a setter declared without one.
    std::string parameterType_;
    // A function-pointer parameter: parameterType_ is its C++ type.
    bool functionPointer_ = false;
    bool byRef_ = false;
    // What the current operand is.
    OperandFacts facts_;
    // A BYREF object or TYPE parameter: it takes an address (a pointer as it is).
    bool address_ = false;

    // The argument being translated. A truth value (it holds a comparison,
    // AND, OR or NOT) keeps its operands' own types.
    bool logical_ = false;
    NotScopes nots_;
    // The type of the operand last translated, for "&", and whether it
    // was a string literal.
    std::string operandType_;
    bool literalOperand_ = false;
    // The operand after MOD or "\" must be a whole number.
    bool wholeNext_ = false;
    // For a String parameter of a program function: the argument is held
    // until it is known whether a String takes part. Without one it is a
    // number, converted whole.
    std::unique_ptr<HeldText> held_;
};

/* args -> arg {"," arg} */
void ArgumentList::run() {
    bool first = true;
    for (;;) {
        if ((index_ >= function_.paramCount && depth_ <= 0) || r_.lineEnded || r_.atEof) {
            if (!first) endArgument();
            return;
        }
        if (r_.is(",")) {
            endArgument();
            out_ << ",";
            castApplied_ = false;
            ++index_;
            if (index_ >= function_.paramCount)
                throw SyntaxError{"to many parameters to function " + function_.name};
            first = true;
        }
        selectParameter();
        if (first) beginArgument();
        first = false;
        operandStep();
        if (index_ == function_.paramCount - 1 && depth_ == 0 && r_.is(")"))
            index_ = function_.paramCount + 1;
        // Anything else after an operand would be skipped unseen by the next read.
        if (!r_.lineEnded && !r_.atEof && !tokenWritten_ && !r_.is(",") && !r_.is(")"))
            throw SyntaxError{"Syntax error."};
    }
}

/* statementargs -> [arg {"," arg}] EOL ; the current token starts the first arg */
void ArgumentList::runToStatementEnd() {
    int32_t given = 0;
    if (!r_.lineEnded && !r_.atEof) {
        if (function_.paramCount == 0) throw SyntaxError{function_.name + " takes no arguments."};
        // The loop reads past a "," that follows an argument.
        if (r_.is(",")) throw SyntaxError{"Syntax error."};
        // The loop reads each operand with nextToken: the first is this one.
        r_.pushBack();
        run();
        // A ")" that opened no group ends the loop where it stands.
        r_.expectLineEnd("Expected end of line.");
        if (depth_ > 0) throw SyntaxError{"Expected )"};
        given = started_ ? index_ + 1 : 0;
    }
    if (given < function_.paramCount)
        throw SyntaxError{function_.name + " takes " + std::to_string(function_.paramCount) +
                          (function_.paramCount == 1 ? " argument, not " : " arguments, not ") +
                          std::to_string(given) + "."};
}

void ArgumentList::selectParameter() {
    parameterType_.clear();
    functionPointer_ = false;
    byRef_ = false;
    address_ = false;
    if (index_ >= 0 && index_ < static_cast<int32_t>(function_.parameters.size())) {
        const VariableRecord& parameter = *function_.parameters[index_];
        parameterType_ = parameter.type;
        functionPointer_ = !plain_ && parameter.functionPointer;
        byRef_ = parameter.byRef;
        address_ = !plain_ && t_.passesAddress(parameter);
    }
}

// The argument starts with the token after the current one.
void ArgumentList::beginArgument() {
    logical_ = nextHoldsLogicalOperator(r_);
    if (!plain_ && !function_.isExternal && isStringType(parameterType_)) held_ = std::make_unique<HeldText>(out_);
}

void ArgumentList::endArgument() {
    nots_.close(out_, 0);
    if (!held_) return;
    const bool wholeNumber = logical_ || (!held_->stringTakesPart() && held_->pieces() > 1);
    const std::string text = held_->release(wholeNumber);
    held_.reset();
    out_ << text;
}

void ArgumentList::writeAdded(const std::string& text) {
    if (held_)
        held_->writeAdded(text);
    else
        out_ << text;
}

/* arg -> operand {(operator | MOD | "\" | comparison | AND | OR | "&" | "[" (OR | AND) "]") operand} ; operand -> NOT operand | ... */
void ArgumentList::operandStep() {
    started_ = true;
    bool more = false;
    do {
        r_.nextToken();
        tokenWritten_ = false;
        if (r_.is("NOT")) {
            nots_.open(out_, depth_);
            more = true;
            continue;
        }
        operand();
        if (wholeNext_) requireWholeOperand(operandType_);
        wholeNext_ = false;
        if (held_) held_->piece(isStringType(operandType_));
        closeGroup();
        more = r_.isOperator;
        if (r_.isOperator) {
            if (held_) held_->piece(false);
            out_ << " " << r_.tokenAsWritten << " ";
        } else {
            more = otherOperator();
        }
        bitOperator();
    } while (more);
}

// The operators C++ spells otherwise; the next read delivers the operand.
bool ArgumentList::otherOperator() {
    // A join ends a part; every other operator is a piece of it.
    const bool operatorWord = arithmeticWord(r_) || logicalWord(r_) || isComparison(r_);
    if (held_ && operatorWord) held_->piece(false);
    if (const char* word = arithmeticWord(r_)) {
        requireWholeOperand(operandType_);
        wholeNext_ = true;
        out_ << " " << word << " ";
    } else if (const char* word = logicalWord(r_)) {
        nots_.close(out_, depth_);
        out_ << " " << word << " ";
    } else if (isComparison(r_)) {
        out_ << " " << readComparison(r_) << " ";
    } else if (r_.is("&")) {
        ampersand();
    } else {
        return false;
    }
    return true;
}

// Between Strings "&" joins them; between numbers it is C++'s "&".
void ArgumentList::ampersand() {
    const bool leftIsString = isStringType(operandType_);
    const bool leftLiteral = literalOperand_;
    r_.nextToken();
    const OperandFacts right = examineOperand(t_);
    bool rightIsString = r_.isString || isStringType(right.type);
    if (right.function && !right.variable()) rightIsString = isStringType(callResultType(t_));
    // A String parameter casts a variable and quotes a number itself.
    const bool castByParameter = isStringType(parameterType_) && !logical_ && !plain_ &&
                                 ((right.variable() && !right.typeVariable && !right.object) || r_.allDigits);
    const bool literal = r_.isString;
    if (!r_.lineEnded && !r_.atEof) r_.pushBack();
    if (!leftIsString && !rightIsString) {
        if (held_) held_->piece(false);
        out_ << " & ";
        return;
    }
    // Two literals cannot be added in C++, and a number joins as its text.
    const bool bothLiterals = rightIsString && leftLiteral && literal;
    if (held_) {
        held_->join(bothLiterals ? " + (String)" : " + ");
        return;
    }
    out_ << " + ";
    if (rightIsString ? bothLiterals : !castByParameter) out_ << "(String)";
}

void ArgumentList::closeGroup() {
    if (!r_.is(")") || depth_ <= 0) return;
    nots_.close(out_, depth_);
    --depth_;
    out_ << r_.tokenAsWritten;
    if (depth_ == 0) r_.nextToken();
}

/* bitop -> "[" (OR | AND) "]" */
void ArgumentList::bitOperator() {
    if (!r_.is("[")) return;
    r_.nextToken();
    const std::string op = bracketOperator(r_, false, "Expected OR, AND or NOT");
    out_ << " " << op << " ";
    r_.nextToken();
    r_.expect("]", "Expected ]");
    tokenWritten_ = true;
}

/* operand -> "(" | type | THIS | typevar | call | object | variable | string | ADDRESSOF | number */
void ArgumentList::operand() {
    NestingGuard guard(t_);
    operandType_.clear();
    literalOperand_ = r_.isString;
    if (r_.is("(")) {
        ++depth_;
        out_ << r_.tokenAsWritten;
        tokenWritten_ = true;
    } else if ((plain_ || !isAnyType(parameterType_)) && t_.isKnownType(r_.token) &&
               t_.variableType(r_.token).empty()) {  // a variable named like a type is the variable
        typeName();
    } else if (r_.is("THIS") && t_.currentModule && t_.currentModule->isClassModule) {
        thisOperand();
    } else {
        facts_ = examineOperand(t_);
        namedOperand();
    }
}

/* named -> typevar | call | object | variable | string | other | number */
void ArgumentList::namedOperand() {
    if (facts_.typeVariable) {
        structOperand();
    } else if (facts_.function) {
        nestedCall();
    } else if (facts_.object) {
        objectOperand();
    } else if (facts_.variable()) {
        variableOperand();
    } else if (r_.isString) {
        stringLiteral();
    } else if (!r_.allDigits && !isTruthWord(r_)) {
        otherToken();
    } else {
        number();
    }
}

/* type -> builtin | TYPE name | class name */
void ArgumentList::typeName() {
    out_ << declaredTypeName(t_, r_.token, r_.tokenAsWritten);
    r_.nextToken();
}

/* this -> THIS */
void ArgumentList::thisOperand() {
    if (!plain_ && !parameterType_.empty()) {
        if (memberVariant_ || !isAnyType(parameterType_))
            out_ << "(" << parameterType_ << "*)";
        else
            out_ << "(Any)";
    }
    out_ << "this";
    r_.nextToken();
}

/* typevar -> name [index] {"." member} */
void ArgumentList::structOperand() {
    if (plain_) {
        operandType_ = t_.translateMemberAccess("", false);
        return;
    }
    // Whole: the value for a parameter of its own TYPE, otherwise its address.
    if (address_) {
        operandType_ = t_.translateMemberAccess("", true);
    } else if (isAnyType(parameterType_)) {
        out_ << "(Any)";
        operandType_ = t_.translateMemberAccess("", true);
    } else if (sameName(t_.variableStructType(r_.token), parameterType_)) {
        operandType_ = t_.translateMemberAccess(parameterType_, false);
    } else {
        operandType_ = t_.translateMemberAccess(memberVariant_ ? "" : parameterType_, true);
    }
}

/* call -> name "(" args ")" | pointer */
void ArgumentList::nestedCall() {
    if (functionPointer_) return t_.translateFunctionPointerArgument(parameterType_);
    std::string expected = parameterType_.empty() ? "Any" : parameterType_;  // never empty: the call yields a value
    if (!memberVariant_ && isStringType(parameterType_) && function_.isExternal) expected = "StringPtr";
    operandType_ = callResultType(t_);
    t_.translateCall(expected);
}

/* object -> name [ "(" index ")" ] [ "." member ] */
void ArgumentList::objectOperand() {
    const std::string name = declaredName();
    // Held back until it is known whether the object is used whole.
    OutputCapture object(out_);
    r_.nextToken();
    out_ << name;
    // The element of an object array: values and operators.
    if (r_.is("("))
        translateShortIndex(t_, name, {"Variable was not declared as an array.", false, false, true, false,
                                       "Expected identifier or value for index of array.", "Expected )"});
    const std::string written = object.release();
    if (!r_.is(".")) {
        // An object given whole to a BYREF parameter: its address.
        out_ << (address_ && !t_.isPointerVariable(name) ? "&" : "") << written;
        return;
    }
    out_ << written;
    r_.nextToken();
    const std::string className = objectClassName(t_, name);
    if (!t_.findMemberVariable(className, r_.token) && t_.findMemberFunction(className, r_.token)) {
        operandType_ = t_.translateMemberCall(name);
    } else {
        // A member variable, or the report that the member does not exist.
        operandType_ = t_.translateClassMember(name);
    }
}

/* variable -> name [ "(" value ")" ] */
void ArgumentList::variableOperand() {
    const std::string name = declaredName();
    writeAdded(variableCast(facts_.type));
    out_ << name;
    operandType_ = facts_.type;
    r_.nextToken();
    if (r_.is("(")) translateShortIndex(t_, name, oneValueIndex(false));
}

// The text in front of a variable of type V given to the parameter T. A
// by-reference parameter is a C++ reference and takes the variable itself;
// an Any parameter by reference takes its address.
std::string ArgumentList::variableCast(const std::string& V) {
    if (plain_ || parameterType_.empty() || logical_) return "";
    if (functionPointer_) throw SyntaxError{"Expected ADDRESSOF and a function, or a function pointer, not a variable."};
    const bool variableIsString = isStringType(V);
    const bool parameterIsString = isStringType(parameterType_);
    if (variableIsString && parameterIsString) return "";
    // A DLL function takes the number as it is; a program function's String
    // parameter gets the number's decimal text (a "(char*)" cast would turn
    // the number into an address).
    if (parameterIsString) return function_.isExternal ? "(char*)" : "(String)";
    if (variableIsString) return isAnyType(parameterType_) ? "(Any)" : cast(parameterType_);
    if (byRef_ && !castApplied_) {
        castApplied_ = true;
        return isAnyType(parameterType_) ? "(Any)&" : "";
    }
    if (castApplied_ || sameName(V, parameterType_)) return "";
    return cast(parameterType_);
}

/* string -> '"' text '"' */
void ArgumentList::stringLiteral() {
    // A truth value compares Strings, whatever the parameter takes.
    if (!isStringType(parameterType_) && !logical_) throw SyntaxError{"Did not expected string for parameter "};
    operandType_ = "String";
    out_ << r_.tokenAsWritten;
    r_.nextToken();
}

// ADDRESSOF, or a token the step around the operand deals with: an operator
// (written there) or the ")" that closes a group.
void ArgumentList::otherToken() {
    if (r_.is("ADDRESSOF") && (!memberVariant_ || functionPointer_)) {
        addressOf();
        return;
    }
    if (r_.is("&")) {
        hexNumber();
        return;
    }
    if (r_.isOperator) return;
    // A ")" with no group open would end the call on an empty argument.
    if (r_.is(")") && depth_ > 0) return;
    throw SyntaxError{"Syntax error."};
}

/* address -> ADDRESSOF (function | class ":" ":" method) */
void ArgumentList::addressOf() {
    // No C-style cast for a function-pointer parameter: static_cast lets
    // C++ refuse a function of another shape.
    if (functionPointer_) out_ << "static_cast<" << parameterType_ << ">(";
    else if (!plain_) out_ << cast(parameterType_);
    addressOfTarget(t_, true, "Syntax error.");
    if (functionPointer_) out_ << ")";
}

/* number -> digit {digit} | TRUE | FALSE */
void ArgumentList::number() {
    // A String parameter gets the digits as a literal.
    const std::string number = readNumberLiteral(r_);
    operandType_ = number.find('.') == std::string::npos ? "Long" : "Double";
    const bool quoted = isStringType(parameterType_) && !plain_ && !logical_;
    if (quoted) writeAdded("\"");
    out_ << number;
    if (quoted) writeAdded("\"");
}

/* hex -> "&" "H" hexdigits ; no blank after the "&" */
void ArgumentList::hexNumber() {
    const int32_t before = r_.column;
    r_.nextToken();
    const bool adjacent = before == r_.column - static_cast<int32_t>(r_.token.size());
    if (r_.token.empty() || r_.token[0] != 'H' || !adjacent) throw SyntaxError{"Syntax error."};
    if (!isHexLiteral(r_.token)) throw SyntaxError{"Expected hexadecimal digits after &H."};
    out_ << "0x" << r_.token.substr(1);
    operandType_ = "Long";
    r_.nextToken();
}

std::string ArgumentList::declaredName() const {
    const std::string declared = t_.declaredVariableName(r_.token);
    return declared.empty() ? r_.tokenAsWritten : declared;
}

}  // namespace

void Translator::translateArguments(const FunctionRecord& function, bool memberVariant, bool toStatementEnd) {
    ArgumentList list(*this, function, memberVariant);
    if (toStatementEnd)
        list.runToStatementEnd();
    else
        list.run();
}
