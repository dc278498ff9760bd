#include "convert/case_labels.h"

#include <cstdint>
#include <set>

#include "expr/member_names.h"
#include "expr/number_literal.h"
#include "expr/operand.h"
#include "source/syntax_error.h"

namespace {

const char* const missingLabel = "Expected a value, a range (low TO high) or IS and a comparison after CASE.";
const char* const notAValue = "Expected a number, a string, a constant or a variable as a CASE label.";
const char* const functionLabel =
    "A CASE label cannot call a function: put its result into a variable above SELECT CASE.";
const char* const afterLabel =
    "Expected , or end of line: a CASE label is one value, so put an expression into a variable above "
    "SELECT CASE.";
const char* const noRelation = "Expected =, <>, <, <=, > or >= after IS.";
const char* const textSelector = "SELECT CASE on a String compares texts: write this label as a string.";
const char* const numberSelector = "SELECT CASE on a number compares numbers: write this label as a number.";
const char* const signedText = "A sign stands before a number only: write this label without it.";
const char* const notSwitchLabel = "Expected a number or a constant as this CASE label.";

// A run of decimal digits that a 64-bit number holds.
bool digitsValue(const std::string& digits, int64_t& value) {
    if (digits.empty()) return false;
    const std::string text = decimalText(digits);
    if (text.size() > 18) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// A whole-number constant's value as its C++ definition states it: digits
// with their sign, or the &H digits of a DEFINE. False for any other text.
bool constantValue(const std::string& text, int64_t& value) {
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        if (text.size() > 17) return false;
        value = 0;
        for (size_t i = 2; i < text.size(); ++i) {
            const char c = text[i];
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else
                return false;
            value = value * 16 + digit;
        }
        return true;
    }
    const bool minus = !text.empty() && text[0] == '-';
    if (!digitsValue(minus ? text.substr(1) : text, value)) return false;
    if (minus) value = -value;
    return true;
}

// A constant of a whole number whose value C++ can use, by a name.
const VariableRecord* wholeConstant(const Translator& t, const std::string& name, int64_t& value) {
    const VariableRecord* variable = t.symbols.declaredVariable(name);
    if (!variable || !variable->isConstant || variable->type != "Long") return nullptr;
    return constantValue(variable->constValue(), value) ? variable : nullptr;
}

// One scanned CASE line as a switch label: its value.
bool switchValue(const Translator& t, const std::vector<ScannedToken>& tokens, int64_t& value) {
    using Kind = ScannedToken::Kind;
    if (tokens.size() == 1 && tokens[0].kind == Kind::Number) return digitsValue(tokens[0].text, value);
    if (tokens.size() == 2 && tokens[0].kind == Kind::Mark && tokens[0].text == "-" &&
        tokens[1].kind == Kind::Number) {
        if (!digitsValue(tokens[1].text, value)) return false;
        value = -value;
        return true;
    }
    return tokens.size() == 1 && tokens[0].kind == Kind::Name && wholeConstant(t, tokens[0].text, value);
}

/* relation -> "=" | "<" [">" | "="] | ">" ["="] */
std::string relation(SourceReader& r) {
    if (r.is("=")) {
        r.nextToken();
        return "==";
    }
    const bool less = r.is("<");
    if (!less && !r.is(">")) throw SyntaxError{noRelation};
    r.nextToken();
    if (less && r.is(">")) {
        r.nextToken();
        return "!=";
    }
    if (r.is("=")) {
        r.nextToken();
        return less ? "<=" : ">=";
    }
    return less ? "<" : ">";
}

// The label's kind must be the selector's; the label is current.
void requireKind(const Translator::CaseChain& chain, bool text) {
    if (text != chain.text) throw SyntaxError{chain.text ? textSelector : numberSelector};
}

/* value -> ["-" | "+"] (number | TRUE | FALSE | constant | variable) | literal
   The token after the value is current afterwards. */
std::string labelValue(Translator& t, const Translator::CaseChain& chain) {
    SourceReader& r = t.reader;
    if (r.lineEnded || r.atEof) throw SyntaxError{missingLabel};
    std::string sign;
    if (r.is("-") || r.is("+")) {
        sign = r.tokenAsWritten;
        r.nextToken();
        if (r.lineEnded || r.atEof) throw SyntaxError{notAValue};
    }
    if (r.allDigits || isTruthWord(r)) {
        requireKind(chain, false);
        return sign + readNumberLiteral(r);
    }
    if (r.isString) {
        if (!sign.empty()) throw SyntaxError{signedText};
        requireKind(chain, true);
        const std::string literal = r.tokenAsWritten;
        r.nextToken();
        return literal;
    }
    const OperandFacts facts = examineOperand(t);
    if (facts.function && !facts.typeVariable) throw SyntaxError{functionLabel};
    const VariableRecord* variable = facts.variable() ? t.symbols.typedVariable(r.token) : nullptr;
    if (!variable || facts.typeVariable || facts.object || t.isArrayVariable(r.token) ||
        t.isPointerVariable(r.token))
        throw SyntaxError{notAValue};
    const bool text = facts.type() == "String";
    if (!text && !isNumberType(facts.type())) throw SyntaxError{notAValue};
    int64_t ignored;
    if (variable->isConstant && !text && variable->type != "Double" && !constantValue(variable->constValue(), ignored))
        throw SyntaxError{notAValue};
    if (text && !sign.empty()) throw SyntaxError{signedText};
    requireKind(chain, text);
    const std::string name = writtenVariableName(t, r.token, r.tokenAsWritten);
    r.nextToken();
    return sign + name;
}

}  // namespace

bool labelsFitSwitch(const Translator& t, const SelectAhead& ahead) {
    if (ahead.tooDeep) return false;
    std::set<int64_t> values;
    bool elseSeen = false;
    for (const auto& tokens : ahead.cases) {
        // A CASE after CASE ELSE is refused by the chain.
        if (elseSeen) return false;
        if (tokens.size() == 1 && isWord(tokens[0], "ELSE")) {
            elseSeen = true;
            continue;
        }
        // C++ refuses a value twice in one switch; the chain takes the first.
        int64_t value;
        if (!switchValue(t, tokens, value) || !values.insert(value).second) return false;
    }
    return true;
}

/* label -> number | "-" number | constant */
std::string switchLabel(Translator& t) {
    SourceReader& r = t.reader;
    std::string label;
    int64_t value;
    if (r.allDigits) {
        label = decimalText(r.tokenAsWritten);
    } else if (r.is("-")) {
        r.nextToken();
        if (!r.allDigits) throw SyntaxError{notSwitchLabel};
        label = "-" + decimalText(r.tokenAsWritten);
    } else if (const VariableRecord* constant = wholeConstant(t, r.token, value)) {
        t.requireVisible(constant->inMainProgram, constant->name);
        label = constant->name;
    } else {
        throw SyntaxError{notSwitchLabel};
    }
    r.expectNextLineEnd("Expected end of line.");
    return label;
}

/* labels -> label {"," label} ; label -> IS relation value | value [TO value] */
std::string chainTests(Translator& t, const Translator::CaseChain& chain) {
    SourceReader& r = t.reader;
    const std::string& selector = chain.selector;
    std::string tests;
    for (;;) {
        if (r.is("IS")) {
            r.nextToken();
            const std::string op = relation(r);
            tests += selector + op + labelValue(t, chain);
        } else {
            const std::string low = labelValue(t, chain);
            if (r.is("TO")) {
                r.nextToken();
                const std::string high = labelValue(t, chain);
                tests += "(" + selector + ">=" + low + "&&" + selector + "<=" + high + ")";
            } else {
                tests += selector + "==" + low;
            }
        }
        if (!r.is(",")) break;
        tests += "||";
        r.nextToken();
    }
    r.expectLineEnd(afterLabel);
    r.pushBack();
    return tests;
}
