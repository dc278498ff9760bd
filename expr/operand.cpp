#include "expr/operand.h"

#include "expr/member_names.h"
#include "expr/operators.h"
#include "symbols/names.h"
#include "source/characters.h"
#include "source/syntax_error.h"

OperandFacts examineOperand(const Translator& t) {
    const std::string& token = t.reader.token;
    return examineOperand(t, startsName(token) ? t.lookUpVariable(token) : VariableLookup());
}

OperandFacts examineOperand(const Translator& t, const VariableLookup& variable) {
    const SourceReader& r = t.reader;
    OperandFacts facts;
    facts.name = startsName(r.token);
    if (!facts.name) return facts;
    facts.lookup = variable;
    if (const VariableRecord* variable = facts.lookup.typed) {
        t.requireVisible(variable->inMainProgram, variable->name);
        facts.kind = t.typeKind(variable->type);
        facts.typeVariable = facts.kind.structType != nullptr;
        facts.object = !facts.typeVariable && facts.kind.isClass;
    }
    // As functionSpelling would say, without copying the spelling: a token
    // is upper case. A local hides any function of its name.
    const FunctionRecord* named = variable.local ? nullptr : t.findFunction(r.token);
    facts.function = named && !named->name.empty() && !t.hidesFunction(r.token);
    if (facts.function && !facts.variable())
        if (const FunctionRecord* function = t.calledFunction()) t.requireVisible(function->inMainProgram, function->name);
    if (!facts.function && !facts.variable()) refuseMemberOfClassName(t);
    return facts;
}

std::string callResultType(const Translator& t) {
    const FunctionRecord* function = t.calledFunction();
    if (!function) return std::string();
    if (!function->isProperty) return function->returnType;
    const FunctionRecord* getter = t.findAccessor("GET" + t.reader.token);
    return getter ? getter->returnType : std::string();
}

std::string operandTypeAhead(Translator& t) {
    SourceReader& r = t.reader;
    if (r.isString) return "String";
    if (r.allDigits) return "Long";
    const OperandFacts facts = examineOperand(t);
    if (facts.function && !facts.variable()) return callResultType(t);
    if (!facts.typeVariable && !facts.object) return facts.type();
    const SourceReader::Mark start = r.mark();
    std::string type = facts.type();
    r.nextToken();
    if (r.is("(")) skipGroup(r);
    while (r.is(".") && !type.empty()) {
        r.nextToken();
        if (t.isTypeName(type)) {
            const VariableRecord* field = t.findTypeField(type, r.token);
            type = field ? field->type : std::string();
        } else if (const VariableRecord* member = t.findMemberVariable(classSpelling(t, type), r.token)) {
            type = member->type;
        } else if (const FunctionRecord* method = t.findMemberFunction(classSpelling(t, type), r.token)) {
            type = method->returnType;
        } else {
            type.clear();
        }
        r.nextToken();
        if (r.is("(")) skipGroup(r);
    }
    r.rewind(start);
    return type;
}

std::string numberCast(const std::string& V, const std::string& T) {
    if (sameName(T, "String")) return isNumberType(V) ? "(String)" : "";
    const bool decimal = T == "Double" || T == "Single";
    return decimal && isWholeNumberType(V) ? "(" + T + ")" : "";
}

std::string bracketOperator(const SourceReader& r, bool allowNot, const char* wrongWord) {
    if (r.is("OR")) return "|";
    if (r.is("AND")) return "&";
    if (allowNot && r.is("NOT")) return "^";
    throw SyntaxError{wrongWord};
}

/* address -> function | class ":" ":" method */
void addressOfTarget(Translator& t, bool classMethods, const char* notAFunction) {
    SourceReader& r = t.reader;
    r.nextToken();
    if (classMethods && t.isClassName(r.token)) {
        const std::string className = classSpelling(t, r.token, r.tokenAsWritten);
        t.output << className;
        for (int colon = 0; colon < 2; ++colon) {
            r.nextToken();
            r.expect(":", "Expected :: for static member of class ");
            t.output << ":";
        }
        r.nextToken();
        const FunctionRecord* method = t.findMemberFunction(className, r.token);
        if (!method) throw SyntaxError{"Expected static function name of class "};
        t.output << method->name;
    } else {
        const std::string function = t.functionSpelling(r.token);
        if (function.empty()) throw SyntaxError{notAFunction};
        const FunctionRecord* record = t.findFunction(r.token);
        t.output << (record ? writtenName(*record) : function);
    }
    r.nextToken();
}

void refuseMemberOfClassName(const Translator& t) {
    const SourceReader& r = t.reader;
    const std::string_view ahead = r.textAhead();
    if (ahead.empty() || ahead[0] != '.' || !t.isClassName(r.token)) return;
    size_t end = 1;
    while (end < ahead.size() && isNameChar(static_cast<unsigned char>(ahead[end]))) ++end;
    const std::string member(ahead.substr(1, end - 1));
    throw SyntaxError{"A class's member is reached through an object of it (p." + member + ", with DIM p AS " +
                      r.tokenAsWritten + " PTR), not through the class's name; a STATIC member is the same in every "
                      "object."};
}
