// Values of assignments and function results: operands and operators are
// copied in source order without added spaces; casts and quoting are
// decided against the type being assigned.
#include "expr/assignment_values.h"

#include "symbols/names.h"

#include <memory>
#include <vector>

#include "expr/held_text.h"
#include "expr/member_names.h"
#include "expr/number_literal.h"
#include "expr/operators.h"
#include "expr/output_capture.h"
#include "expr/short_index.h"
#include "expr/whole_term.h"
#include "expr/operand.h"
#include "source/syntax_error.h"
#include "expr/depth_flags.h"

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

/* objectvalue -> object ["(" index ")"] ["." (member | method ...)] ; the member's type */
std::string objectValue(Translator& t, const OperandFacts& facts) {
    SourceReader& r = t.reader;
    const VariableLookup& object = facts.lookup;
    const std::string name = object.writtenName(r.tokenAsWritten);
    const std::string& className = facts.className();
    t.output << name;
    r.nextToken();
    if (object.isArray() && r.is("(")) {
        t.translateIndex();
        r.nextToken();
    }
    // Without a member the object itself is the value (a pointer, say).
    if (!r.is(".")) return std::string();
    r.nextToken();
    if (!t.findMemberVariable(className, r.token) && t.findMemberFunction(className, r.token))
        return t.translateMemberCall(className, object.isPointer());
    return t.translateClassMember(name, className, object.isPointer());
}

// What a variable of another type (`type`, the current token's) than the
// target's gets in front of it.
std::string variableCast(const Translator& t, const std::string& type, const std::string& targetType) {
    if (targetType.empty() || t.reader.is("NULL") || sameName(type, targetType)) return std::string();
    return "(" + targetType + ")";
}

/* variablevalue -> variable ["(" index ")"] */
void variableValue(Translator& t, const VariableLookup& variable) {
    SourceReader& r = t.reader;
    const std::string name = variable.writtenName(r.tokenAsWritten);
    t.output << name;
    r.nextToken();
    if (r.is("(")) translateShortIndex(t, name, variable.isArray(), oneValueIndex(false));
}

/* resultaddress -> ADDRESSOF function EOL */
void resultAddressOf(Translator& t, const std::string& returnType) {
    t.output << "(" << returnType << ")";
    addressOfTarget(t, false, "Expected function name for AddressOf.");
    expectLineEnd(t.reader);
}

// A TYPE value of the function's own TYPE is returned as it is, unless the
// function returns a pointer; any other is returned by address.
void resultTypeValue(Translator& t, const OperandFacts& facts, const FunctionRecord& function) {
    const std::string& typeName = facts.kind.structType->name;
    const bool ownType = sameName(typeName, function.returnType);
    t.translateMemberAccess(facts.lookup, typeName, ownType && !function.returnsPointer ? function.returnType.str() : "",
                            true);
}

// The two contexts of a value: a variable's (casts and quoting follow the
// target's type) and a function's result (they follow its return type).
struct ValueContext {
    std::string type;
    const FunctionRecord* result = nullptr;  // the function, for a result
    bool listItem = false;  // a declaration's value: a "," may end it
    bool loopBound = false;  // a FOR bound: TO and STEP end it
};

// What a step of a value was: a value, or what needs one after it.
enum class Step { Operand, Operator, End };

// One value, operand by operand. A value that holds a comparison, AND, OR
// or NOT is a truth value (1 or 0): its operands keep their own types.
class Value {
public:
    Value(Translator& t, const ValueContext& c)
        : t_(t), r_(t.reader), c_(c), logical_(holdsLogicalOperator(t.reader)) {
        if (isString(c_.type) && !logical_) held_ = std::make_unique<HeldText>(t.output);
        // A result that divides casts its whole operands as an assignment
        // does (Average = total / n keeps the fraction); one that does not
        // is written as it always was.
        castsResult_ = c_.result && !logical_ && isDecimalType(c_.type) &&
                       holdsDivision(r_);
    }

    /* value -> operand {operator operand} (EOL | THEN) */
    void translate() {
        // A truth value given to a String becomes its digit.
        const bool asText = logical_ && isString(c_.type);
        if (asText) t_.output << "(String)(";
        bool afterOperand = false;
        while (!r_.lineEnded && !r_.atEof) {
            if (c_.listItem && afterOperand && depth_ == 0 && r_.is(",")) break;
            if (r_.is("(")) {
                ++depth_;
                joinedAt(depth_) = false;
                wholeGroups_.push_back(wholeNext_ || inWholeGroup());
            } else if (r_.is(")")) {
                if (!wholeGroups_.empty()) wholeGroups_.pop_back();
                nots_.close(t_.output, depth_);
                // A group that joined texts is a text where it stands.
                const bool groupJoined = joinedAt(depth_);
                if (--depth_ < 0 && c_.listItem) throw SyntaxError{"Syntax error."};
                if (groupJoined) joinedAt(depth_) = true;
            }
            const Step step = this->step(afterOperand);
            if (step == Step::End) break;
            afterOperand = step == Step::Operand;
        }
        // A value may not end where an operator still waits for its operand.
        if (!afterOperand) throw SyntaxError{"Expected a value, not end of line."};
        nots_.close(t_.output, 0);
        if (held_) {
            // A String made of numbers only takes them as one number, as a
            // String parameter does; so does a single number that nothing
            // converted (a variable returned, a field), which C++ would
            // turn into a single character.
            const bool unconverted = held_->pieces() == 1 && isNumberType(leftType_) && !held_->converted();
            const bool wholeNumber = !held_->stringTakesPart() && (held_->pieces() > 1 || unconverted);
            const std::string text = held_->release(wholeNumber);
            held_.reset();
            t_.output << text;
        }
        if (asText) t_.output << ")";
        // A declaration's value is one C++ expression: every group it opens closes.
        if (c_.listItem && depth_ > 0) throw SyntaxError{"Expected )"};
    }

private:
    bool inWholeGroup() const { return !wholeGroups_.empty() && wholeGroups_.back(); }
    // The operand at the current token is one of MOD or "\" through the
    // products and groups around it: a Double target casts it not.
    bool wholeOperand() {
        const std::string& type = castType();
        if (!isDecimalType(type)) return false;
        return inWholeGroup() || reachesWholeOperator(r_, depth_);
    }

    // Casts and quoting follow the target, unless the value is a truth value.
    const std::string& castType() const { return logical_ ? none_ : c_.type; }

    // After a complete operand only these go on with the value; anything else
    // is more text than the statement holds. A result has no shifts, "|" or THEN.
    bool continuesValue() const {
        if (r_.isOperator || r_.is("[") || r_.is(")") || r_.is("&")) return true;
        if (isComparison(r_) || logicalWord(r_) || arithmeticWord(r_)) return true;
        if (c_.loopBound && (r_.is("TO") || r_.is("STEP"))) return true;
        return !c_.result && (r_.is("|") || r_.is("THEN"));
    }

    // One operand or operator of a value.
    Step step(bool afterOperand) {
        if (afterOperand && !continuesValue()) throw SyntaxError{"Expected end of line."};
        const bool first = steps_++ == 0;
        if (!afterOperand && r_.is("NOT")) {
            nots_.open(t_.output, depth_, notReachesNoComparison(r_));
            r_.nextToken();
            return Step::Operator;
        }
        const OperandFacts facts = examineOperand(t_);
        if (r_.is("ADDRESSOF") || facts.typeVariable || facts.function || facts.object || facts.variable() ||
            r_.isString || r_.allDigits || isTruthWord(r_) || isThis(t_)) {
            leftLiteral_ = r_.isString;
            quotedNumber_ = false;
            const bool textCall = facts.function && isNumberType(castType()) && isString(callResultType(t_));
            const std::string called = textCall ? r_.tokenAsWritten : std::string();
            if (textCall && afterArithmetic_) refuseTextAsNumber("");
            leftType_ = operand(facts);
            if (textCall && (isArithmeticOperator(r_) || (isDecimalType(castType()) && first && !continuesValue())))
                refuseTextAsNumber(called);
            quotedNumber_ = quotedNumber_ && first;
            if (wholeNext_) requireWholeOperand(leftType_);
            wholeNext_ = false;
            if (held_) held_->piece(isString(leftType_));
            return Step::Operand;
        }
        // MOD, "\", a comparison, AND and OR stand between two operands.
        if (!afterOperand && (arithmeticWord(r_) || logicalWord(r_) || isComparison(r_)))
            throw SyntaxError{"Syntax error."};
        if (held_ && !r_.is("&") && !r_.is("THEN")) held_->piece(false);
        afterArithmetic_ = isArithmeticOperator(r_);
        const Step step = valueOperator(afterOperand);
        if (step != Step::End) leftType_.clear();
        quotedNumber_ = false;
        return step;
    }

    // A member, an element or a call is cast as a variable is: held back
    // until its type is known.
    template <typename Translate>
    std::string castValue(Translate translate) {
        const bool whole = wholeOperand();
        std::string type, text;
        {
            OutputCapture capture(t_.output);
            type = translate();
            text = capture.release();
        }
        // The token after the operand is current: no look past it is needed.
        const std::string cast = numberCast(type, castType());
        added(wholeNext_ || whole || arithmeticWord(r_) ? castBesideWholeOperator(cast, true, r_) : cast);
        t_.output << text;
        return type;
    }

    /* operand -> THIS | ADDRESSOF ... | typevariable | call | object | variable | literal | number */
    std::string operand(const OperandFacts& facts) {
        if (isThis(t_)) {
            // A method's own object, as a result or for a PTR variable.
            t_.output << "this";
            r_.nextToken();
        } else if (r_.is("ADDRESSOF")) {
            if (c_.result)
                resultAddressOf(t_, c_.type);
            else
                addressOf(t_, c_.listItem);
        } else if (facts.typeVariable) {
            if (c_.result && !castsResult_) {
                resultTypeValue(t_, facts, *c_.result);
                return std::string();
            }
            // A BYREF parameter stands for the value it points to.
            const std::string expected = facts.lookup.isAddressParameter() ? c_.type : "";
            return castValue(
                [&] { return t_.translateMemberAccess(facts.lookup, facts.kind.structType->name, expected, false); });
        } else if (facts.function) {
            const std::string type = callResultType(t_);
            if (!c_.result || castsResult_)
                added(castBesideWholeOperator(numberCast(type, castType()), wholeNext_ || wholeOperand(), r_));
            t_.translateCall(valueContext(c_.type));
            return type;
        } else if (facts.object) {
            return castValue([&] { return objectValue(t_, facts); });
        } else if (facts.variable()) {
            if (!c_.result || castsResult_)
                added(castBesideWholeOperator(variableCast(t_, facts.type(), castType()),
                                              wholeNext_ || wholeOperand(), r_));
            variableValue(t_, facts.lookup);
            return facts.type();
        } else if (r_.isString) {
            if (!isString(c_.type) && !logical_)
                throw SyntaxError{c_.result ? "Expected string for parameter." : "Expected string for parameter "};
            t_.output << r_.tokenAsWritten;
            r_.nextToken();
            return "String";
        } else {
            return number();
        }
        return std::string();
    }

    /* number -> digits ; a String receives it as a literal ; the number's type */
    std::string number() {
        // A target of no known type (a TYPE value assigned whole) still gets the number.
        const std::string number = readNumberLiteral(r_);
        const bool quoted = isString(castType());
        if (quoted) added("\"");
        t_.output << number;
        if (quoted) added("\"");
        quotedNumber_ = quoted;
        return numberLiteralType(number);
    }

    // A cast or quote the target's type adds to an operand.
    void added(const std::string& text) {
        if (held_)
            held_->writeAdded(text);
        else
            t_.output << text;
    }

    /* operator -> "+" ... | MOD | "\" | comparison | AND | OR | "[" word "]" | ">" ">" | "<" "<" | "&" | "|" | "(" | ")" */
    Step valueOperator(bool afterOperand) {
        OutputBuffer& out = t_.output;
        if (r_.is("[")) {
            bracketWord(t_);
        } else if (r_.isOperator) {
            if (doublesSign(r_)) out << " ";
            out << r_.tokenAsWritten;
            r_.nextToken();
        } else if (r_.is("(") || r_.is(")")) {
            // A group opens where a value is wanted and closes as one.
            const bool closing = r_.is(")");
            out << r_.tokenAsWritten;
            r_.nextToken();
            return closing ? Step::Operand : Step::Operator;
        } else if (const char* word = arithmeticWord(r_)) {
            requireWholeOperand(leftType_);
            wholeNext_ = true;
            out << word;
            r_.nextToken();
        } else if (const char* word = logicalWord(r_)) {
            joinedAt(depth_) = false;
            nots_.close(out, depth_);
            out << " " << word << " ";
            r_.nextToken();
        } else if (r_.is("=")) {
            joinedAt(depth_) = false;
            out << "==";
            r_.nextToken();
        } else if (r_.is(">") || r_.is("<")) {
            shiftOrComparison();
        } else if (r_.is("&")) {
            return ampersand(afterOperand);
        } else if (c_.loopBound && (r_.is("TO") || r_.is("STEP"))) {
            return Step::End;
        } else if (c_.result) {
            throw SyntaxError{"Syntax error."};
        } else if (r_.is("|")) {
            out << " | ";
            r_.nextToken();
        } else if (r_.is("THEN")) {
            return Step::End;
        } else {
            throw SyntaxError{"Syntax error."};
        }
        return Step::Operator;
    }

    /* shift -> ">" ">" | "<" "<" ; comparison -> "<" [">" | "="] | ">" ["="] */
    void shiftOrComparison() {
        joinedAt(depth_) = false;
        const bool less = r_.is("<");
        r_.nextToken();
        if (r_.is(less ? "<" : ">")) {
            if (c_.result) throw SyntaxError{"Syntax error."};
            t_.output << (less ? " << " : " >> ");
        } else if (less && r_.is(">")) {
            t_.output << "!=";
        } else if (r_.is("=")) {
            t_.output << (less ? "<=" : ">=");
        } else {
            // The token read is the operand.
            t_.output << (less ? "<" : ">");
            return;
        }
        r_.nextToken();
    }

    // "&H1F" is a hexadecimal literal only when no blank stands after the
    // "&"; between Strings "&" joins them, between numbers it is C++'s "&".
    Step ampersand(bool afterOperand) {
        if (readHexStart(r_)) {
            if (afterOperand) throw SyntaxError{"Expected end of line."};
            const std::string hex = hexNumberText(r_.token);
            t_.output << " " << hex;
            r_.nextToken();
            return Step::Operand;
        }
        // The token read is the next operand. After a join the left side
        // is a String, whatever its last operand.
        const bool rightIsString = isString(operandTypeAhead(t_));
        if (!isString(leftType_) && !joinedAt(depth_) && !rightIsString) {
            t_.output << " & ";
            return Step::Operator;
        }
        // A truth value for a String is not held: nothing could convert
        // the number before the join, which C++ would add to the text's address.
        if (!held_ && isString(c_.type) && !isString(leftType_) && !joinedAt(depth_))
            throw SyntaxError{"& joins a number to the text before it: start with the text (Str(n) & ...)."};
        // A number that starts the value is quoted, a literal as well.
        if (quotedNumber_) leftLiteral_ = true;
        joinedAt(depth_) = true;
        // A NOT of a number ends at a join (NOT x & " c" joins NOT x).
        if (!isString(leftType_)) nots_.closeBeforeJoin(t_.output, depth_);
        // Two literals cannot be added in C++, and a number joins as its
        // text: a String target converts each part of numbers whole;
        // elsewhere "&" casts the operand.
        const bool literalText = r_.isString || (r_.allDigits && isString(castType()));
        const bool bothLiterals = leftLiteral_ && literalText;
        if (held_) {
            held_->join(bothLiterals ? " + (String)" : " + ");
        } else {
            t_.output << " + ";
            if (!rightIsString || bothLiterals) t_.output << "(String)";
        }
        return Step::Operator;
    }

    Translator& t_;
    SourceReader& r_;
    const ValueContext& c_;
    const bool logical_;
    bool castsResult_ = false;
    const std::string none_;
    int32_t depth_ = 0;
    NotScopes nots_;
    // A value for a String: held, so that the parts "&" joins can be
    // converted whole.
    std::unique_ptr<HeldText> held_;
    // The type of the operand before the operator being translated, and
    // whether it was a string literal.
    std::string leftType_;
    bool leftLiteral_ = false;
    // The value starts with a number written as a literal text, and "&"
    // follows it: C++ cannot add two literals.
    bool quotedNumber_ = false;
    int32_t steps_ = 0;
    // The last operator written was one of arithmetic.
    bool afterArithmetic_ = false;
    // For each group depth: "&" has joined a text there (or in a group
    // closed there), so what it joins next joins that text; after a
    // comparison, AND or OR, what stands left of a join is an operand again.
    DepthFlags joinedAt;
    // The operand after MOD or "\" must be a whole number.
    bool wholeNext_ = false;
    // For each open group: it follows MOD or "\" (or lies in one that does),
    // so that its operands keep their whole types.
    std::vector<bool> wholeGroups_;
};

}  // namespace

void translateAssignmentValue(Translator& t, const std::string& targetType) {
    const ValueContext c{targetType};
    Value(t, c).translate();
}

void translateDeclarationValue(Translator& t, const std::string& targetType) {
    const ValueContext c{targetType, nullptr, true};
    Value(t, c).translate();
}

void translateLoopBound(Translator& t, const std::string& type) {
    ValueContext c{type};
    c.loopBound = true;
    Value(t, c).translate();
}

void translateResultValue(Translator& t, const FunctionRecord& function) {
    const ValueContext c{function.returnType, &function};
    Value(t, c).translate();
}
