// Array indexes: a BASIC "(" index ")" becomes a C++ "[" index "]", its
// operands and operators copied without spaces.
#include "driver/translator.h"
#include "expr/member_names.h"
#include "expr/nesting_guard.h"
#include "expr/index.h"
#include "expr/operand.h"
#include "expr/operators.h"
#include "source/syntax_error.h"

namespace {

/* objectoperand -> object ["(" index ")"] ["." (member | method)] */
// Written as what it is: a[obj->n], a[objs[1].n], a[obj.Count()].
void objectOperand(Translator& t, const OperandFacts& facts) {
    SourceReader& r = t.reader;
    const VariableLookup& object = facts.lookup;
    const std::string name = object.writtenName(r.tokenAsWritten);
    const std::string& className = facts.className();
    t.output << name;
    r.nextToken();
    if (object.isArray()) {
        r.expect("(", "expected ( for start of index.");
        t.translateIndex();
        r.nextToken();
    } else if (r.is("(")) {
        throw SyntaxError{name + " is not an array."};
    }
    if (!r.is(".")) return;  // the object itself
    r.nextToken();
    if (t.findMemberVariable(className, r.token)) {
        t.translateClassMember(name, className, object.isPointer());
    } else if (t.findMemberFunction(className, r.token)) {
        t.translateMemberCall(className, object.isPointer());
    } else {
        throw SyntaxError{r.tokenAsWritten + " is not a member of class " + className};
    }
}

// C++ indexes arrays with whole numbers only.
void requireWholeNumber(const std::string& type) {
    if (isDecimalOrText(type)) throw SyntaxError{"Array index must be Long,Integer, Byte"};
}

/* variableoperand -> variable ["(" index ")"] */
void variableOperand(Translator& t, const VariableLookup& variable) {
    SourceReader& r = t.reader;
    const std::string name = variable.writtenName(r.tokenAsWritten);
    requireWholeNumber(variable.type());
    t.output << name;
    r.nextToken();
    if (!r.is("(")) return;
    if (!variable.isArray()) throw SyntaxError{name + " is not an array."};
    t.translateIndex();
    r.nextToken();
}

// One operand; the token after it is current afterwards.
void indexOperand(Translator& t) {
    SourceReader& r = t.reader;
    if (r.lineEnded || r.atEof) return;
    if (r.allDigits) {
        t.output << decimalText(r.tokenAsWritten);
        r.nextToken();
    } else if (const OperandFacts facts = examineOperand(t); facts.typeVariable) {
        t.translateMemberAccess(facts.lookup, facts.kind.structType->name, "", false);
    } else if (facts.object) {
        objectOperand(t, facts);
    } else if (facts.variable()) {
        variableOperand(t, facts.lookup);
    } else if (facts.function) {
        if (const FunctionRecord* function = t.calledFunction()) requireWholeNumber(function->returnType);
        t.translateCall("Long");
    } else if (!r.is(")")) {
        // An unknown name writes nothing; a missing operand leaves the ")"
        // that closes the index.
        r.nextToken();
    }
}

}  // namespace

bool isDecimalOrText(const std::string& type) {
    const std::string upper = upperCase(type);
    return upper == "STRING" || upper == "DOUBLE" || upper == "SINGLE";
}

/* index -> "(" term {operator term} ")" ; term -> {"(" | sign} operand {")"} */
void Translator::translateIndex() {
    reader.expect("(", "Internal parser error.");
    output << "[";
    translateIndexTerms(*this);
}

void translateIndexTerms(Translator& t) {
    NestingGuard guard(t);
    SourceReader& r = t.reader;
    OutputBuffer& output = t.output;
    int32_t depth = 0;
    for (;;) {
        r.nextToken();
        while (!r.lineEnded && (r.is("(") || r.isOperator)) {
            if (r.is("(")) ++depth;
            if (doublesSign(r)) output << " ";
            output << r.tokenAsWritten;
            r.nextToken();
        }
        indexOperand(t);
        while (r.is(")") && depth > 0) {
            output << ")";
            --depth;
            r.nextToken();
        }
        if (const char* word = arithmeticWord(r))
            output << word;
        else if (r.isOperator)
            output << r.tokenAsWritten;
        else
            break;
    }
    // The token that ends the index, normally its ")", stays current.
    output << "]";
}
