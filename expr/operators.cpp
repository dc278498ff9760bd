#include "expr/operators.h"

#include <array>

#include "source/characters.h"
#include "source/syntax_error.h"
#include "symbols/names.h"

const char* arithmeticWord(const SourceReader& r) {
    if (r.is("MOD")) return "%";
    if (r.is("\\")) return "/";
    return nullptr;
}

bool isArithmeticOperator(const SourceReader& r) {
    return r.is("+") || r.is("-") || r.is("*") || r.is("/") || arithmeticWord(r);
}

void refuseTextAsNumber(const std::string& called) {
    throw SyntaxError{(called.empty() ? "gives a String" : called + " gives a String") +
                      ", not a number: convert it with Val(...) or CDbl(...) first."};
}

void requireWholeOperand(const std::string& type) {
    if (type == "Double" || type == "Single") throw SyntaxError{"MOD and \\ take whole numbers, not a " + type + "."};
}

std::string castBesideWholeOperator(const std::string& cast, bool afterWholeOperator, SourceReader& r) {
    if (cast.size() < 3) return cast;
    const std::string type = cast.substr(1, cast.size() - 2);
    if (!isDecimalType(type)) return cast;
    if (afterWholeOperator) return std::string();
    const SourceReader::Mark start = r.mark();
    r.nextToken();
    if (r.is("(")) skipGroup(r);
    const bool beside = arithmeticWord(r) != nullptr;
    r.rewind(start);
    return beside ? std::string() : cast;
}

const char* logicalWord(const SourceReader& r) {
    if (r.is("AND")) return "&&";
    if (r.is("OR")) return "||";
    return nullptr;
}

bool readHexStart(SourceReader& r) {
    const int32_t before = r.column;
    r.nextToken();
    const bool adjacent = before == r.column - static_cast<int32_t>(r.token.size());
    return adjacent && !r.token.empty() && r.token[0] == 'H';
}

std::string hexNumberText(const std::string& upperWord) {
    if (upperWord.size() < 2 || upperWord.find_first_not_of("0123456789ABCDEF", 1) != std::string::npos)
        throw SyntaxError{"Expected hexadecimal digits after &H."};
    return "0x" + upperWord.substr(1);
}

/* comparison -> "=" | "<" [">" | "="] | ">" ["="] */
std::string readComparison(SourceReader& r) {
    if (r.is("=")) return "==";
    const bool less = r.is("<");
    r.nextToken();
    if (less && r.is(">")) return "!=";
    if (r.is("=")) return less ? "<=" : ">=";
    if (!r.lineEnded && !r.atEof) r.pushBack();
    return less ? "<" : ">";
}

namespace {

// The bytes the look below stops at: the line feed, "=", "<", ">" and the
// first letters of AND, OR and NOT (any case). Most bytes pass with one test.
constexpr std::array<bool, 256> makeLogicalStops() {
    std::array<bool, 256> stops{};
    for (const unsigned char c : {'\n', '=', '<', '>', 'A', 'a', 'O', 'o', 'N', 'n'}) stops[c] = true;
    return stops;
}
constexpr std::array<bool, 256> logicalStops = makeLogicalStops();

// A cheap look at the rest of the line before reading it as tokens: no
// "=", "<", ">" and no word AND, OR or NOT means no logical operator.
bool mayHoldLogicalOperator(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!logicalStops[static_cast<unsigned char>(c)]) continue;
        if (c == '\n') return false;
        if (c == '=' || c == '<' || c == '>') return true;
        if (i > 0 && isNameChar(static_cast<unsigned char>(text[i - 1]))) continue;
        for (const char* word : {"AND", "OR", "NOT"})
            if (isWordAt(text, i, word)) return true;
    }
    return false;
}

bool endsExpression(const SourceReader& r, int32_t depth) {
    if (r.lineEnded || r.atEof) return true;
    if (depth > 0) return false;
    return r.is(",") || r.is(")") || r.is("THEN") || r.is("TO") || r.is("STEP");
}

}  // namespace

void skipGroup(SourceReader& r) {
    for (int32_t depth = 1; depth > 0;) {
        r.nextToken();
        if (r.lineEnded || r.atEof) return;
        if (r.is("(")) ++depth;
        if (r.is(")")) --depth;
    }
    r.nextToken();
}

bool nextHoldsLogicalOperator(SourceReader& r) {
    // A token handed back is the next one, and not in the text ahead.
    if (!r.pushedBack && !mayHoldLogicalOperator(r.textAhead())) return false;
    const SourceReader::Mark here = r.mark();
    r.nextToken();
    const bool found = holdsLogicalOperator(r);
    r.rewind(here);
    return found;
}

namespace {

enum class Look { Found, Next, Passed };

// Walks a value's tokens to its end, over the groups of calls and indexes
// (their operators are their own); `look` sees every other token but the
// parentheses: Found, Next (go on past it), or Passed (it read on itself).
// Comes back to where it started.
template <typename LookAt>
bool valueHolds(SourceReader& r, LookAt look) {
    const SourceReader::Mark start = r.mark();
    bool found = false;
    int32_t depth = 0;
    bool afterName = false;
    while (!found && !endsExpression(r, depth)) {
        if (r.is("(") && afterName) {
            skipGroup(r);
            afterName = false;
            continue;
        }
        if (r.is("(")) {
            ++depth;
        } else if (r.is(")")) {
            --depth;
        } else {
            const Look seen = look(r);
            found = seen == Look::Found;
            if (seen == Look::Passed) continue;
        }
        afterName = !r.token.empty() && isLetter(static_cast<unsigned char>(r.token[0]));
        if (!found) r.nextToken();
    }
    r.rewind(start);
    return found;
}

}  // namespace

bool holdsLogicalOperator(SourceReader& r) {
    if (r.lineEnded || r.atEof) return false;
    if (!isComparison(r) && !logicalWord(r) && !r.is("NOT") && !mayHoldLogicalOperator(r.textAhead()))
        return false;
    return valueHolds(r, [](SourceReader& r) {
        if (r.is("<") || r.is(">")) {
            const std::string first = r.token;
            r.nextToken();
            if (r.token != first) return Look::Found;  // "<<" and ">>" shift
            r.nextToken();
            return Look::Passed;
        }
        return r.is("=") || logicalWord(r) || r.is("NOT") ? Look::Found : Look::Next;
    });
}

bool holdsDivision(SourceReader& r) {
    const size_t lineEnd = r.textAhead().find('\n');
    if (!r.is("/") && r.textAhead().substr(0, lineEnd).find('/') == std::string_view::npos) return false;
    return valueHolds(r, [](SourceReader& r) { return r.is("/") ? Look::Found : Look::Next; });
}

bool notReachesNoComparison(SourceReader& r) {
    const SourceReader::Mark start = r.mark();
    r.nextToken();
    bool compares = false;
    int32_t depth = 0;
    while (!compares && !endsExpression(r, depth) && !(depth == 0 && (logicalWord(r) || r.is("THEN")))) {
        if (r.is("(")) ++depth;
        if (r.is(")")) --depth;
        compares = depth == 0 && isComparison(r);
        r.nextToken();
    }
    r.rewind(start);
    return !compares;
}
