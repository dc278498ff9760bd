// The loop of an argument list and the operators between its operands.
#include <memory>

#include "expr/argument_list.h"
#include "source/syntax_error.h"

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
    // A bare Print, BASIC's empty line, is written with an empty text.
    const bool barePrint = given == 0 && function_.name == "Print";
    if (given < function_.paramCount)
        throw SyntaxError{function_.name + " takes " + std::to_string(function_.paramCount) +
                          (function_.paramCount == 1 ? " argument, not " : " arguments, not ") +
                          std::to_string(given) + (barePrint ? ": Print \"\" prints an empty line." : ".")};
}

void ArgumentList::selectParameter() {
    parameterType_.clear();
    functionPointer_ = false;
    byRef_ = false;
    address_ = false;
    if (index_ >= 0 && index_ < static_cast<int32_t>(function_.parameters.size())) {
        const VariableRecord& parameter = *function_.parameters[index_];
        parameterType_ = parameter.type;
        functionPointer_ = !plain_ && parameter.functionPointer();
        byRef_ = parameter.byRef;
        address_ = !plain_ && t_.passesAddress(parameter);
    }
}

// The argument starts with the token after the current one.
void ArgumentList::beginArgument() {
    logical_ = nextHoldsLogicalOperator(r_);
    joinedAt.clear();
    joinDepth_ = 0;
    steps_ = 0;
    afterArithmetic_ = false;
    if (!plain_ && !function_.isExternal && isStringType(parameterType_)) held_ = std::make_unique<HeldText>(out_);
}

void ArgumentList::endArgument() {
    nots_.close(out_, 0);
    if (!held_) return;
    // One number that nothing converted (a field, a call's result) would
    // reach the String as a single character.
    const bool unconverted = held_->pieces() == 1 && isNumberType(operandType_) && !held_->converted();
    const bool wholeNumber = logical_ || (!held_->stringTakesPart() && (held_->pieces() > 1 || unconverted));
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
        const bool first = steps_++ == 0;
        if (r_.is("NOT")) {
            nots_.open(out_, depth_, notReachesNoComparison(r_));
            more = true;
            continue;
        }
        const size_t at = held_ ? held_->mark() : 0;
        const bool afterArithmetic = afterArithmetic_;
        const std::string called = r_.tokenAsWritten;
        operand();
        if (held_ && uncastOperand_ && isNumberType(operandType_)) held_->numberAt(at);
        if (facts_.function && uncastOperand_ && !plain_ && !logical_ && isNumberType(parameterType_) &&
            isStringType(operandType_) && (afterArithmetic || isArithmeticOperator(r_)))
            refuseTextAsNumber(called);
        afterArithmetic_ = isArithmeticOperator(r_);
        quotedNumber_ = quotedNumber_ && first;
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
    // Inside a group the part joined by "&" is the truth value: (s = "").
    if (held_ && depth_ > joinDepth_ && (logicalWord(r_) || isComparison(r_))) held_->truthValue();
    if (const char* word = arithmeticWord(r_)) {
        requireWholeOperand(operandType_);
        wholeNext_ = true;
        out_ << " " << word << " ";
    } else if (const char* word = logicalWord(r_)) {
        joinedAt(depth_) = false;
        nots_.close(out_, depth_);
        out_ << " " << word << " ";
    } else if (isComparison(r_)) {
        joinedAt(depth_) = false;
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
    // After a join the left side is a String, whatever its last operand.
    const bool leftIsString = isStringType(operandType_) || joinedAt(depth_);
    // A number that starts the argument is quoted, a literal as well.
    const bool leftLiteral = literalOperand_ || quotedNumber_;
    r_.nextToken();
    const OperandFacts right = examineOperand(t_);
    const bool rightIsString = isStringType(operandTypeAhead(t_));
    // A String parameter casts a variable and quotes a number itself.
    const bool castByParameter = isStringType(parameterType_) && !logical_ && !plain_ &&
                                 ((right.variable() && !right.typeVariable && !right.object) || r_.allDigits);
    const bool literalText = r_.isString || (r_.allDigits && castByParameter);
    if (!r_.lineEnded && !r_.atEof) r_.pushBack();
    if (!leftIsString && !rightIsString) {
        if (held_) held_->piece(false);
        out_ << " & ";
        return;
    }
    joinedAt(depth_) = true;
    // A NOT of a number ends at a join (NOT x & " c" joins NOT x).
    if (!isStringType(operandType_)) nots_.closeBeforeJoin(out_, depth_);
    // Two literals cannot be added in C++, and a number joins as its text.
    const bool bothLiterals = leftLiteral && literalText;
    if (held_) {
        held_->join(bothLiterals ? " + (String)" : " + ");
        joinDepth_ = depth_;
        return;
    }
    out_ << " + ";
    if (bothLiterals || (!rightIsString && !castByParameter)) out_ << "(String)";
}

void ArgumentList::closeGroup() {
    if (!r_.is(")") || depth_ <= 0) return;
    nots_.close(out_, depth_);
    // A group that joined texts is a text where it stands.
    const bool groupJoined = joinedAt(depth_);
    --depth_;
    if (groupJoined) joinedAt(depth_) = true;
    if (!wholeGroups_.empty()) wholeGroups_.pop_back();
    out_ << r_.tokenAsWritten;
    closedGroup_ = depth_ > 0;
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

void Translator::translateArguments(const FunctionRecord& function, bool memberVariant, bool toStatementEnd) {
    ArgumentList list(*this, function, memberVariant);
    if (toStatementEnd)
        list.runToStatementEnd();
    else
        list.run();
}
