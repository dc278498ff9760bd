// What the current token is, as every operand rule asks: a name is looked
// up once here, and each context (condition, argument, value, result,
// index, loop bound) reads the facts in the order of its own rules.
#pragma once

#include <string>

#include "driver/translator.h"
#include "source/characters.h"

struct OperandFacts {
    bool name = false;          // starts with a letter or "_": the only tokens looked up
    VariableLookup lookup;      // the variable of that name, for the translator that writes it
    TypeKind kind;              // what the variable's type names
    bool typeVariable = false;  // a variable of a TYPE
    bool object = false;        // a variable of a class
    bool function = false;      // a function, property or function-pointer type
    // A variable's declared type; empty when it is none.
    const std::string& type() const { return lookup.type(); }
    bool variable() const { return !type().empty(); }
    // The class of an object as its module spells it; empty for none.
    const std::string& className() const { return kind.classModule ? kind.classModule->className : noClass(); }

private:
    static const std::string& noClass() {
        static const std::string none;
        return none;
    }
};

OperandFacts examineOperand(const Translator& t);
// The same with the token's variable looked up already (for a name).
OperandFacts examineOperand(const Translator& t, const VariableLookup& variable);

// A class's name followed by "." (Account.opened) is refused with what to
// write instead: the member of an object.
void refuseMemberOfClassName(const Translator& t);

// A token that starts with a letter or "_": the only tokens looked up.
inline bool startsName(const std::string& token) { return !token.empty() && isLetter(token[0]); }

// The type of the value a call of the current token yields: a property's
// is its GET accessor's; empty when unknown or none.
std::string callResultType(const Translator& t);

// The cast a field, element or call of type V gets in a value for the type
// T: a whole number for a Double or Single (so that "/" keeps the
// fraction), a number for a String (its decimal text). A value for a whole
// number gets none: C++ converts the result once, where a cast of each
// operand would drop each one's fraction. A String is never cast to a number.
std::string numberCast(const std::string& V, const std::string& T);

// The type of the operand that starts at the current token, before it is
// translated: a member chain's (p.name, obj.Total()) is followed ahead and
// the reader comes back. Empty when unknown.
std::string operandTypeAhead(Translator& t);

// The parts shared by the operand rules.

// A "+" or "-" right after the same sign ("a - -3") needs a blank before
// it in C++, which would read the two as an increment or a decrement.
inline bool doublesSign(const SourceReader& r) {
    return (r.is("-") || r.is("+")) && r.previousToken() == r.token;
}

// After "[": the operator word (OR, AND and, where allowed, NOT) as its C++
// operator without blanks, or `wrongWord` as the error. The word stays current.
std::string bracketOperator(const SourceReader& r, bool allowNot, const char* wrongWord);

// After ADDRESSOF (current): a function, or where allowed a class's static
// method as Class::Method, written in its declared spelling; the token after
// it is current afterwards. `notAFunction` is the error for anything else.
void addressOfTarget(Translator& t, bool classMethods, const char* notAFunction);
