// The operands of an argument, each cast against the parameter's type.
#include "expr/argument_list.h"
#include "expr/whole_term.h"
#include "expr/member_names.h"
#include "expr/nesting_guard.h"
#include "expr/number_literal.h"
#include "expr/output_capture.h"
#include "expr/short_index.h"
#include "source/syntax_error.h"

namespace {

// TYPE and class names as declared; a built-in type stays as written.
std::string declaredTypeName(const Translator& t, const std::string& name, const std::string& asWritten) {
    if (const TypeRecord* type = t.symbols.typeNamed(name)) return type->name;
    return classSpelling(t, name, asWritten);
}

bool sameResult(const std::string& a, const std::string& b) {
    const auto none = [](const std::string& type) { return type.empty() || sameName(type, "Void"); };
    return none(a) ? none(b) : sameName(a, b);
}

// A function that a function-pointer parameter takes: the same parameter
// types, passed the same way, and the same result.
bool fitsShape(const FunctionRecord& function, const FunctionRecord& shape) {
    if (function.paramCount != shape.paramCount || !sameResult(function.returnType, shape.returnType)) return false;
    for (size_t i = 0; i < function.parameters.size() && i < shape.parameters.size(); ++i) {
        const VariableRecord& a = *function.parameters[i];
        const VariableRecord& b = *shape.parameters[i];
        if (!sameName(a.type, b.type) || a.byRef != b.byRef) return false;
    }
    return true;
}

// The shape as BASIC writes it: FUNCTION(source AS Long) AS Long.
std::string shapeText(const FunctionRecord& shape) {
    std::string text = "FUNCTION(";
    for (size_t i = 0; i < shape.parameters.size(); ++i)
        text += (i ? ", " : "") + shape.parameters[i]->name + " AS " + shape.parameters[i]->type.str();
    text += ")";
    if (!sameResult(shape.returnType.str(), "")) text += " AS " + shape.returnType.str();
    return text;
}

}  // namespace

// A function given to a function-pointer parameter must have its shape;
// g++ would refuse it too, but far from the line. A function-pointer
// variable is left to g++.
void ArgumentList::requireShape() {
    if (index_ < 0 || index_ >= static_cast<int32_t>(function_.parameters.size())) return;
    const FunctionRecord* shape = function_.parameters[index_]->functionPointer().get();
    if (!shape) return;
    const SourceReader::Mark start = r_.mark();
    if (r_.is("ADDRESSOF")) r_.nextToken();
    const FunctionRecord* target = t_.findFunction(r_.token);
    r_.rewind(start);
    if (!target || target->isFunctionPointer || fitsShape(*target, *shape)) return;
    throw SyntaxError{target->name + " does not fit here: the parameter takes a " + shapeText(*shape) + "."};
}

/* operand -> "(" | type | THIS | typevar | call | object | variable | string | ADDRESSOF | number */
void ArgumentList::operand() {
    NestingGuard guard(t_);
    afterGroup_ = closedGroup_;
    closedGroup_ = false;
    operandType_.clear();
    uncastOperand_ = false;
    literalOperand_ = r_.isString;
    quotedNumber_ = false;
    if (r_.is("(")) {
        ++depth_;
        joinedAt(depth_) = false;
        wholeGroups_.push_back(wholeNext_ || inWholeGroup());
        out_ << r_.tokenAsWritten;
        tokenWritten_ = true;
        return;
    }
    // A name is looked up once, for the type test and the operand rules.
    const bool name = startsName(r_.token);
    const VariableLookup variable = name ? t_.lookUpVariable(r_.token) : VariableLookup();
    // A variable named like a type is the variable.
    const bool typeContext = plain_ || !isAnyType(parameterType_);
    if (name && variable.type().empty()) refuseMemberOfClassName(t_);
    if (name ? typeContext && variable.type().empty() && t_.isKnownType(r_.token)
             : typeContext && t_.isKnownType(r_.token) && t_.variableType(r_.token).empty()) {
        typeName();
    } else if (r_.is("THIS") && t_.currentModule && t_.currentModule->isClassModule) {
        thisOperand();
    } else {
        facts_ = examineOperand(t_, variable);
        namedOperand();
    }
}

/* named -> typevar | call | object | variable | string | other | number */
void ArgumentList::namedOperand() {
    uncastOperand_ = facts_.typeVariable || facts_.function || facts_.object;
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
    const VariableLookup& variable = facts_.lookup;
    const std::string& typeName = facts_.kind.structType->name;
    if (plain_) {
        operandType_ = t_.translateMemberAccess(variable, typeName, "", false);
        return;
    }
    // Whole: the value for a parameter of its own TYPE, otherwise its address.
    if (address_) {
        operandType_ = t_.translateMemberAccess(variable, typeName, "", true);
    } else if (isAnyType(parameterType_)) {
        out_ << "(Any)";
        operandType_ = t_.translateMemberAccess(variable, typeName, "", true);
    } else if (sameName(typeName, parameterType_)) {
        operandType_ = t_.translateMemberAccess(variable, typeName, parameterType_, false);
    } else {
        operandType_ = t_.translateMemberAccess(variable, typeName, memberVariant_ ? "" : parameterType_, true);
    }
}

/* call -> name "(" args ")" | pointer */
void ArgumentList::nestedCall() {
    if (functionPointer_) {
        requireShape();
        return t_.translateFunctionPointerArgument(parameterType_);
    }
    std::string expected = parameterType_.empty() ? "Any" : parameterType_;  // never empty: the call yields a value
    if (!memberVariant_ && isStringType(parameterType_) && function_.isExternal) expected = "StringPtr";
    operandType_ = callResultType(t_);
    t_.translateCall(expected);
}

/* object -> name [ "(" index ")" ] [ "." member ] */
void ArgumentList::objectOperand() {
    const VariableLookup& variable = facts_.lookup;
    const std::string name = variable.writtenName(r_.tokenAsWritten);
    // Held back until it is known whether the object is used whole.
    OutputCapture object(out_);
    r_.nextToken();
    out_ << name;
    // The element of an object array: values and operators.
    if (r_.is("("))
        translateShortIndex(t_, name, variable.isArray(),
                            {"Variable was not declared as an array.", false, false, true, false,
                             "Expected identifier or value for index of array.", "Expected )"});
    const std::string written = object.release();
    if (!r_.is(".")) {
        // An object given whole to a BYREF parameter: its address.
        out_ << (address_ && !variable.isPointer() ? "&" : "") << written;
        return;
    }
    out_ << written;
    r_.nextToken();
    const std::string& className = facts_.className();
    if (!t_.findMemberVariable(className, r_.token) && t_.findMemberFunction(className, r_.token)) {
        operandType_ = t_.translateMemberCall(className, variable.isPointer());
    } else {
        // A member variable, or the report that the member does not exist.
        operandType_ = t_.translateClassMember(name, className, variable.isPointer());
    }
}

/* variable -> name [ "(" value ")" ] */
void ArgumentList::variableOperand() {
    const VariableLookup& variable = facts_.lookup;
    const std::string name = variable.writtenName(r_.tokenAsWritten);
    writeAdded(variableCast(facts_.type()));
    out_ << name;
    operandType_ = facts_.type();
    r_.nextToken();
    if (r_.is("(")) translateShortIndex(t_, name, variable.isArray(), oneValueIndex(false));
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
    return castBesideWholeOperator(cast(parameterType_), wholeNext_ || wholeOperand(), r_);
}

// The variable at the current token is one of MOD or "\" through the
// products and groups around it: a Double parameter casts it not.
bool ArgumentList::wholeOperand() {
    if (!isDecimalType(parameterType_)) return false;
    return inWholeGroup() || reachesWholeOperator(r_, depth_);
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
    // After an inner group, MOD, AND, a comparison... go on with the argument.
    if (afterGroup_ && (arithmeticWord(r_) || logicalWord(r_) || isComparison(r_))) return;
    // A ")" with no group open would end the call on an empty argument.
    if (r_.is(")") && depth_ > 0) return;
    throw SyntaxError{"Syntax error."};
}

/* address -> ADDRESSOF (function | class ":" ":" method) */
void ArgumentList::addressOf() {
    // No C-style cast for a function-pointer parameter: static_cast lets
    // C++ refuse a function of another shape.
    if (functionPointer_) requireShape();
    if (functionPointer_) out_ << "static_cast<" << parameterType_ << ">(";
    else if (!plain_) out_ << cast(parameterType_);
    addressOfTarget(t_, true, "Syntax error.");
    if (functionPointer_) out_ << ")";
}

/* number -> digit {digit} | TRUE | FALSE */
void ArgumentList::number() {
    // A String parameter gets the digits as a literal.
    const std::string number = readNumberLiteral(r_);
    operandType_ = numberLiteralType(number);
    const bool quoted = isStringType(parameterType_) && !plain_ && !logical_;
    if (quoted) writeAdded("\"");
    out_ << number;
    if (quoted) writeAdded("\"");
    quotedNumber_ = quoted;
}

/* hex -> "&" "H" hexdigits ; no blank after the "&" */
void ArgumentList::hexNumber() {
    if (!readHexStart(r_)) throw SyntaxError{"Syntax error."};
    out_ << hexNumberText(r_.token);
    operandType_ = "Long";
    r_.nextToken();
}
