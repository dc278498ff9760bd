// The operators BASIC has beyond the characters C++ shares with it: MOD
// and "\" between whole numbers, the comparisons, and AND, OR and NOT as
// logical operators (TRUE is 1, so NOT is "!"). Each context (argument,
// value, condition, index) writes them in its own spacing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "expr/output_buffer.h"
#include "source/source_reader.h"

// MOD as "%", "\" as "/"; nullptr for any other token.
const char* arithmeticWord(const SourceReader& r);
// The current token is "+", "-", "*", "/", MOD or "\".
bool isArithmeticOperator(const SourceReader& r);
// A String that a call gives has no number in C++: beside arithmetic, or as
// a Double's whole value, g++ refuses it (or, for "-", takes an address), so
// the line is refused, saying what to write. The call is named unless the
// report stands at its name ("").
[[noreturn]] void refuseTextAsNumber(const std::string& called);

// MOD and "\" take whole numbers: an operand of type Double or Single is
// refused (C++ has no "%" for it, and "/" would keep its fraction).
void requireWholeOperand(const std::string& type);
// MOD and "\" work on whole numbers: an operand beside them keeps its own
// type, and C++ converts their result. A cast to Double or Single there
// would make "\" divide with fractions and MOD not compile. Gives the cast,
// or nothing where the operand stands beside MOD or "\" (whole: it follows
// one; else the reader is at the operand's first token and looks past it).
std::string castBesideWholeOperator(const std::string& cast, bool afterWholeOperator, SourceReader& r);

// The value that starts at the current token divides with "/" outside the
// arguments of its calls and its indexes; the reader comes back.
bool holdsDivision(SourceReader& r);

// AND as "&&", OR as "||"; nullptr for any other token.
const char* logicalWord(const SourceReader& r);

// The current token is "=", "<" or ">": the comparison as C++ writes it.
// A second character ("<>", "<=", ">=") is read; otherwise the token after
// the "<" or ">" is handed back, so the next read delivers the operand.
std::string readComparison(SourceReader& r);

// The current token is "&": reads the next one and tells whether the two
// start a hexadecimal literal ("&H1F": an H word with no blank before it).
bool readHexStart(SourceReader& r);
// The H word of a hexadecimal literal as C++ writes the number ("0x1F");
// an H without hexadecimal digits is refused.
std::string hexNumberText(const std::string& upperWord);

inline bool isComparison(const SourceReader& r) { return r.is("=") || r.is("<") || r.is(">"); }

// Past a "(" ... ")" group whose "(" is current, reading ahead: the token
// after its ")" is current (the statement's end when it does not close).
void skipGroup(SourceReader& r);

// Whether the value or argument that starts at the current token holds a
// comparison, AND, OR or NOT outside the parentheses of a call or an index:
// then its result is 1 or 0 and its operands keep their own types. It ends
// at the end of the statement, THEN, TO or STEP, or a "," or ")" that no
// "(" of its own opened. Reads ahead and comes back.
bool holdsLogicalOperator(SourceReader& r);
// The same for the value or argument that starts after the current token.
bool nextHoldsLogicalOperator(SourceReader& r);

// The NOTs of one expression: each is written "!(" and closed where its
// operand ends, so that NOT a = b means NOT (a = b), as in BASIC: at an AND
// or OR of its own depth, at the ")" of its group and at the end.
// The reader is at NOT: whether no comparison stands in its reach (up to
// AND, OR, THEN or the end of its group or value); the reader comes back.
bool notReachesNoComparison(SourceReader& r);

class NotScopes {
public:
    // `beforeJoin`: nothing in the NOT's reach compares, so a join of a
    // number to a text ends it (NOT x & " c"); otherwise it reaches past
    // joins to its comparison (NOT s & t = u).
    void open(OutputBuffer& out, int32_t depth, bool beforeJoin = false) {
        out << "!(";
        depths_.push_back(depth);
        beforeJoin_.push_back(beforeJoin);
    }
    // At a join of a number to a text: closes the NOTs at `depth` that end there.
    void closeBeforeJoin(OutputBuffer& out, int32_t depth) {
        while (!depths_.empty() && depths_.back() >= depth && beforeJoin_.back()) {
            out << ")";
            depths_.pop_back();
            beforeJoin_.pop_back();
        }
    }
    // Closes those opened at `depth` or deeper.
    void close(OutputBuffer& out, int32_t depth) {
        while (!depths_.empty() && depths_.back() >= depth) {
            out << ")";
            depths_.pop_back();
            beforeJoin_.pop_back();
        }
    }

private:
    std::vector<int32_t> depths_;
    std::vector<bool> beforeJoin_;
};
