// Heads of IF and WHILE lines and the conditions of DO loops. A condition
// is copied operand by operand in source order; the BASIC words and
// comparisons become their C++ operators, and the C++ compiler gives the
// result its precedence.
#include <string_view>
#include <vector>

#include "driver/translator.h"
#include "expr/member_names.h"
#include "expr/number_literal.h"
#include "expr/short_index.h"
#include "expr/operand.h"
#include "expr/operators.h"
#include "expr/output_capture.h"
#include "source/characters.h"
#include "source/syntax_error.h"
#include "expr/depth_flags.h"

namespace {

enum class Head { If, While };

bool startsWord(std::string_view text, std::string_view word) { return isWordAt(text, 0, word); }

// What may follow a function-pointer variable tested for none: the end of
// the condition or of a group, AND, OR or THEN.
bool endsPointerTest(std::string_view ahead) {
    ahead = skipBlanks(ahead);
    return ahead.empty() || ahead[0] == '\n' || ahead[0] == '\r' || ahead[0] == ')' || ahead[0] == ':' ||
           ahead[0] == '\'' || startsWord(ahead, "REM") || startsWord(ahead, "THEN") ||
           startsWord(ahead, "AND") || startsWord(ahead, "OR");
}

// The text after a function-pointer variable's name in a condition, when
// it tests the pointer for none (IF f THEN, IF NOT f, IF f = 0, IF f <> 0)
// rather than calls it; anything else is refused.
bool testsPointer(std::string_view ahead, const std::string& name) {
    ahead = skipBlanks(ahead);
    if (!ahead.empty() && ahead[0] == '(') return false;
    if (endsPointerTest(ahead)) return true;
    size_t sign = 0;
    if (ahead.substr(0, 2) == "<>")
        sign = 2;
    else if (!ahead.empty() && ahead[0] == '=')
        sign = 1;
    const std::string_view zero = skipBlanks(ahead.substr(sign));
    const bool plainZero = !zero.empty() && zero[0] == '0' &&
                           (zero.size() == 1 || (!isNameChar(static_cast<unsigned char>(zero[1])) && zero[1] != '.'));
    if (sign > 0 && plainZero && endsPointerTest(zero.substr(1))) return true;
    throw SyntaxError{name + " is a function pointer: call it with its arguments, " + name +
                      "(...), or test it for none: IF " + name + " <> 0 THEN."};
}

// The state of one condition while it is translated.
class Condition {
public:
    Condition(Translator& t, Head head) : t_(t), r_(t.reader), head_(head) {}

    // The condition began with "(": its ")" is the outer one.
    void openOuter() { outer_ = true; }
    bool outerOpen() const { return outer_; }
    // WHILE: the leading "(" closed before the end of the condition.
    bool grouped() const { return grouped_; }
    // A "(" inside the condition is still open where the line ends.
    void requireClosed() const {
        if (depth_ > 0) throw SyntaxError{"Expected )"};
    }

    /* condition -> operand {(operator | comparison | AND | OR | "[" OR "]" | "[" AND "]") operand} */
    void translate() {
        do {
            comparisonSeen_ = false;
            arithmeticSeen_ = false;
            booleanSeen_ = false;
            joined_ = false;
            if (!first_) r_.nextToken();
            operand();
            if (wholeNext_) requireWholeOperand(operandType_);
            wholeNext_ = false;
            afterOperand();
            first_ = false;
        } while (repeats());
        closeText(0);
        nots_.close(t_.output, 0);
    }

private:
    // A function-pointer variable tested for none is the pointer itself,
    // which C++ compares with 0 or takes as a truth value.
    bool pointerTest() {
        const FunctionRecord* pointer = t_.findFunction(r_.token);
        if (!pointer || !pointer->isFunctionPointer || pointer->elementCount > 0) return false;
        if (!testsPointer(r_.textAhead(), pointer->name)) return false;
        t_.output << writtenName(*pointer);
        r_.nextToken();
        return true;
    }

    // The next cycle reads past the current token, so it must be one this
    // cycle has translated (an operator, a comparison, AND, OR, a bracket
    // word's "]" or an opening "("). Any other token ends the condition
    // where it stands, for the line's end or THEN test to report.
    bool repeats() const {
        if (r_.lineEnded || r_.atEof || !joined_) return false;
        if (depth_ > 0 || r_.isOperator || comparisonSeen_ || arithmeticSeen_) return true;
        return booleanSeen_ && (head_ == Head::While || !r_.is("THEN"));
    }

    /* operand -> NOT operand | typevariable ... | call | variable ... | TRUE | FALSE | number | literal | "(" */
    void operand() {
        const std::string& token = r_.token;
        const OperandFacts facts = examineOperand(t_);
        operandType_.clear();
        literalOperand_ = r_.isString;
        if (facts.typeVariable) {
            operandType_ = t_.translateMemberAccess(facts.lookup, facts.kind.structType->name, "", true);
        } else if (facts.function && pointerTest()) {
            operandType_ = "Long";
        } else if (facts.function) {
            operandType_ = callContext();
            t_.translateCall(operandType_);
        } else if (facts.variable()) {
            operandType_ = facts.type();
            variableOperand(facts);
        } else if (token == "FALSE" || token == "TRUE") {
            t_.output << (token == "TRUE" ? "true" : "false");
            r_.nextToken();
        } else if (r_.allDigits) {
            const std::string number = readNumberLiteral(r_);
            operandType_ = numberLiteralType(number);
            t_.output << number;
        } else if (r_.isString) {
            operandType_ = "String";
            t_.output << r_.tokenAsWritten;
            r_.nextToken();
        } else if ((token == "-" || token == "+") && !signSeen_) {
            // A signed operand, as in IF n = -1; a blank keeps "a - -1" from becoming a decrement.
            if (doublesSign(r_)) t_.output << " ";
            t_.output << r_.tokenAsWritten;
            r_.nextToken();
            signSeen_ = true;
            operand();
            signSeen_ = false;
        } else if (token == "NOT") {
            nots_.open(t_.output, depth_);
            r_.nextToken();
            if (r_.lineEnded || r_.atEof || r_.is("THEN")) throw SyntaxError{"Syntax error."};
            operand();
        } else if (token == "(") {
            // The next cycle reads the operand inside.
            t_.output << r_.tokenAsWritten;
            ++depth_;
            joinedAt(depth_) = false;
            joined_ = true;
        } else if (head_ == Head::If) {
            throw SyntaxError{"Syntax error."};
        }
        // WHILE: no operand here; whatever is left on the line is refused at its end.
    }

    // A condition wants a value: a property is read through its GET accessor.
    std::string callContext() const {
        const FunctionRecord* function = t_.calledFunction();
        std::string type = function ? function->returnType : std::string();
        if (function && function->isProperty) {
            const FunctionRecord* getter = t_.findAccessor("GET" + r_.token);
            type = getter ? getter->returnType : std::string();
        }
        return type.empty() ? std::string("Any") : type;
    }

    /* variable -> name ["(" index ")"] ["." (member | method ...)] */
    void variableOperand(const OperandFacts& facts) {
        const VariableLookup& variable = facts.lookup;
        const std::string name = variable.writtenName(r_.tokenAsWritten);
        const std::string& className = facts.className();
        t_.output << name;
        r_.nextToken();
        if (r_.is("(")) translateShortIndex(t_, name, variable.isArray(), oneValueIndex(true));
        if (!className.empty() && r_.is(".")) objectMember(name, className, variable.isPointer());
    }

    void objectMember(const std::string& object, const std::string& className, bool pointer) {
        r_.nextToken();
        if (!t_.findMemberVariable(className, r_.token) && t_.findMemberFunction(className, r_.token))
            t_.translateConditionMemberCall(className, pointer);
        else
            t_.translateClassMember(object, className, pointer);
    }

    void afterOperand() {
        closingParentheses();
        if (const char* word = logicalWord(r_)) {
            closeText(depth_);
            joinedAt(depth_) = false;
            nots_.close(t_.output, depth_);
            t_.output << " " << word << " ";
            booleanSeen_ = true;
        } else if (const char* word = arithmeticWord(r_)) {
            requireWholeOperand(operandType_);
            wholeNext_ = true;
            t_.output << word;
            arithmeticSeen_ = true;
        } else if (r_.is("=") || r_.is("<") || r_.is(">")) {
            comparison();
        } else if (r_.is("&")) {
            ampersand();
        } else if (r_.is("[") && head_ == Head::If) {
            bracketWord();
        } else if (!r_.isOperator) {
            return;
        }
        joined_ = true;
        if (r_.isOperator) t_.output << r_.tokenAsWritten;
    }

    // Between Strings "&" joins them; between numbers it is C++'s "&". The
    // next cycle reads the operand after it.
    void ampersand() {
        r_.nextToken();
        const bool rightIsString = sameName(operandTypeAhead(t_), "String");
        // Two literals cannot be added in C++.
        const bool bothLiterals = r_.isString && operandType_ == "String" && literalOperand_ && !joinedAt(depth_);
        if (!r_.lineEnded && !r_.atEof) r_.pushBack();
        closeText(depth_);
        const bool leftIsString = operandType_ == "String" || joinedAt(depth_);
        if (!leftIsString && rightIsString)
            throw SyntaxError{"& joins a number to the text before it: start with the text (Str(n) & ...)."};
        arithmeticSeen_ = true;
        if (!leftIsString) {
            t_.output << "&";
            return;
        }
        // What a number joins with is converted whole: "&" joins after
        // arithmetic, before comparisons.
        t_.output << (!rightIsString ? "+(String)(" : bothLiterals ? "+(String)" : "+");
        if (!rightIsString) textDepth_ = depth_;
        joinedAt(depth_) = true;
    }

    // Closes the number part that "&" opened at `depth` or deeper.
    void closeText(int32_t depth) {
        if (textDepth_ < 0 || textDepth_ < depth) return;
        t_.output << ")";
        textDepth_ = -1;
    }

    // Every ")" that closes something here, the outer one last.
    void closingParentheses() {
        while (r_.is(")")) {
            if (depth_ > 0) {
                closeText(depth_);
                // A group that joined texts is a text where it stands.
                const bool groupJoined = joinedAt(depth_);
                nots_.close(t_.output, depth_);
                t_.output << ")";
                --depth_;
                if (groupJoined) joinedAt(depth_) = true;
                r_.nextToken();
            } else if (outer_) {
                closeOuter();
            } else {
                return;
            }
        }
    }

    void closeOuter() {
        closeText(0);
        nots_.close(t_.output, 0);
        outer_ = false;
        r_.nextToken();
        if (head_ == Head::While && r_.lineEnded) return;  // it held the whole condition
        grouped_ = true;
        t_.output << ")";
        booleanSeen_ = true;
    }

    /* comparison -> "=" | "<" [">" | "="] | ">" ["="] ; a sign after "<" or ">" stays */
    void comparison() {
        closeText(depth_);
        joinedAt(depth_) = false;
        comparisonSeen_ = true;
        if (r_.is("=")) {
            t_.output << "==";
            return;
        }
        const bool less = r_.is("<");
        r_.nextToken();
        if (less && r_.is(">")) {
            t_.output << "!=";
        } else if (r_.is("=")) {
            t_.output << (less ? "<=" : ">=");
        } else {
            t_.output << (less ? "<" : ">");
            // The operand is read by the next cycle; a sign is written at once.
            if (!r_.isOperator && !r_.lineEnded) r_.pushBack();
        }
    }

    /* bitop -> "[" (OR | AND) "]" */
    void bracketWord() {
        r_.nextToken();
        t_.output << bracketOperator(r_, false, "Invalid boolean operator in if statement.");
        r_.nextToken();  // the "]", passed over by the next cycle
        r_.expect("]", "Expected ]");
        booleanSeen_ = true;
    }

    Translator& t_;
    SourceReader& r_;
    const Head head_;
    bool outer_ = false;
    bool grouped_ = false;
    int32_t depth_ = 0;
    bool first_ = true;
    bool comparisonSeen_ = false;
    bool arithmeticSeen_ = false;
    // The type of the operand last translated, and whether it follows MOD or "\".
    std::string operandType_;
    bool wholeNext_ = false;
    // "&" has joined a text here (what follows joins it too), and the
    // depth of the number part it opened (-1: none).
    // For each group depth: "&" has joined a text there (or in a group
    // closed there); a comparison, AND or OR starts an operand again.
    DepthFlags joinedAt;
    int32_t textDepth_ = -1;
    bool literalOperand_ = false;
    NotScopes nots_;
    bool signSeen_ = false;
    bool booleanSeen_ = false;
    // This cycle translated the token that is current at its end.
    bool joined_ = false;
};

}  // namespace

/* ifhead -> IF ["("] condition [")"] [THEN] EOL */
void Translator::translateIfCondition() {
    SourceReader& r = reader;
    Condition condition(*this, Head::If);
    output << "if";
    r.nextToken();
    if (r.is("(")) {
        output << "(";
        condition.openOuter();
        r.nextToken();
    }
    output << "(";
    condition.translate();
    condition.requireClosed();
    if (condition.outerOpen()) output << ")";
    output << ")";
    if (r.lineEnded) return;
    r.skip("THEN", "Expected \"Then\".");
}

namespace {

// The condition after a WHILE, UNTIL or DO WHILE keyword (the current
// token), as C++ text; an outer "(" is copied only when it does not enclose
// the whole condition. If the condition fails, what it wrote so far reaches
// the output.
std::string loopConditionText(Translator& t, Condition& condition, bool required) {
    SourceReader& r = t.reader;
    r.nextToken();
    if (required && r.lineEnded) throw SyntaxError{"Expected a condition."};
    if (r.is("(")) {
        condition.openOuter();
        r.nextToken();
    }
    std::string body;
    {
        OutputCapture capture(t.output);
        condition.translate();
        body = capture.release();
    }
    return (condition.grouped() ? "(" : "") + body;
}

}  // namespace

/* whilehead -> WHILE ["("] condition [")"] EOL */
void Translator::translateWhileCondition() {
    Condition condition(*this, Head::While);
    output << "while(";
    output << loopConditionText(*this, condition, false);
    condition.requireClosed();
    output << ")";
    reader.expectLineEnd("Expected end of line.");
}

/* loopcond -> (WHILE | UNTIL) ["("] condition [")"] EOL ; UNTIL negates */
std::string Translator::translateLoopCondition() {
    const bool until = reader.is("UNTIL");
    Condition condition(*this, Head::While);
    const std::string text = loopConditionText(*this, condition, true);
    condition.requireClosed();
    reader.expectLineEnd("Expected end of line.");
    return until ? "!(" + text + ")" : text;
}
