// Expressions are translated by mutual recursion (calls in arguments,
// indexes in indexes, member chains). A guard at the entry of each
// recursive translator turns absurd nesting into an error of the statement
// instead of a stack overflow.
#pragma once

#include "driver/translator.h"
#include "source/syntax_error.h"

class NestingGuard {
public:
    static constexpr int32_t limit = 200;

    explicit NestingGuard(Translator& translator) : translator_(translator) {
        if (++translator_.expressionDepth > limit) {
            --translator_.expressionDepth;
            throw SyntaxError{"Expression is nested too deeply."};
        }
    }
    ~NestingGuard() { --translator_.expressionDepth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    Translator& translator_;
};
