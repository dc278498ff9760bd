// The short index grammars: between "(" and ")", a number or a variable
// (and, where allowed, operators between such values), written in
// brackets. Each context has its own rules and messages, held by
// ShortIndex; the full index of expressions is translateIndex.
#pragma once

#include <string>

#include "driver/translator.h"

struct ShortIndex {
    // When the name is no array: the message, after the name where asked;
    // empty where the context checks nothing.
    const char* notAnArray;
    bool nameInMessage;
    bool bracketFirst;          // "[" is written before the array check
    bool operators;             // value {operator value}
    bool indexTypesOnly;        // a variable must be a Long, Integer or Byte
    const char* badOperand;     // the message for any other operand
    const char* unclosed;       // the message when ")" is missing
};

// The one-value index of conditions, member calls and values: a number or
// a Long, Integer or Byte variable. A condition and a member call write the
// "[" before they check that the name is an array, a value after.
ShortIndex oneValueIndex(bool bracketFirst);

// The current token is the "(" after the array's name (`isArray`: it names
// an array); afterwards the token after the ")" is current.
void translateShortIndex(Translator& t, const std::string& arrayName, bool isArray, const ShortIndex& rules);
