// The argument list of a call: a flat run of operands and operators per
// parameter, each operand cast against the declared parameter type. The
// member-call translators run the same loop with their own few operand
// rules (memberVariant). arguments.cpp holds the loop and the operators
// between operands, argument_operands.cpp the operands.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "driver/translator.h"
#include "expr/held_text.h"
#include "expr/operand.h"
#include "expr/operators.h"
#include "symbols/names.h"
#include "expr/depth_flags.h"

inline bool isStringType(const std::string& type) { return sameName(type, "String"); }
inline bool isAnyType(const std::string& type) { return sameName(type, "Any"); }

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
    void requireShape();
    void number();
    void hexNumber();
    // Writes what the parameter's type adds in front of an operand, and
    // notes where, so that a String argument made of numbers can drop it.
    void writeAdded(const std::string& text);
    std::string cast(const std::string& type) const { return type.empty() ? "" : "(" + type + ")"; }

    Translator& t_;
    SourceReader& r_;
    OutputBuffer& out_;
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
    // An inner group closed, its ")" current: an operator word may follow.
    bool closedGroup_ = false;
    bool afterGroup_ = false;
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
    // The operand was a call, a field or a member: no cast written for it.
    bool uncastOperand_ = false;
    // The operator before the operand is one of arithmetic.
    bool afterArithmetic_ = false;
    // The argument starts with a number written as a literal text: C++
    // cannot add two literals.
    bool quotedNumber_ = false;
    int32_t steps_ = 0;
    // For each group depth: "&" has joined a text there (or in a group
    // closed there), so what it joins next joins that text; after a
    // comparison, AND or OR, what stands left of a join is an operand again.
    DepthFlags joinedAt;
    // The group depth at the last join: a comparison deeper than it makes
    // the joined part a truth value.
    int32_t joinDepth_ = 0;
    // The operand after MOD or "\" must be a whole number.
    bool wholeNext_ = false;
    // For each open group: it follows MOD or "\" (or lies in one that does),
    // so that its variables keep their whole types.
    std::vector<bool> wholeGroups_;
    bool inWholeGroup() const { return !wholeGroups_.empty() && wholeGroups_.back(); }
    bool wholeOperand();
    // For a String parameter of a program function: the argument is held
    // until it is known whether a String takes part. Without one it is a
    // number, converted whole.
    std::unique_ptr<HeldText> held_;
};
