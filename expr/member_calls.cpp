// Method calls and property use on class objects: obj.Draw(1) becomes
// obj.Draw(1) or obj->Draw(1), obj.Color a call of its Get accessor and
// obj.Color = 3 a call of its Set accessor.
#include "driver/translator.h"
#include "expr/member_names.h"
#include "expr/nesting_guard.h"
#include "expr/short_index.h"
#include "source/syntax_error.h"

namespace {

/* object -> name [element] "." */
// Writes the object; the method name after the "." is current afterwards.
std::string leadingObject(Translator& t) {
    SourceReader& r = t.reader;
    const VariableLookup variable = t.lookUpVariable(r.token);
    const std::string object = variable.writtenName(r.tokenAsWritten);
    t.output << object;
    r.nextToken();
    if (r.is("(")) translateShortIndex(t, object, variable.isArray(), oneValueIndex(true));
    r.skip(".", "Syntax error.");
    return object;
}

const FunctionRecord& accessor(const Translator& t, const std::string& className, const std::string& kind,
                               const std::string& property, const std::string& propertyAsWritten) {
    const FunctionRecord* found = t.findMemberAccessor(className, kind + property);
    if (!found) {
        const char* word = kind == "GET" ? " has no Get accessor." : " has no Set accessor.";
        throw SyntaxError{"Property " + propertyAsWritten + word};
    }
    return *found;
}

/* membercall -> method ("(" args ")" | "=" value) ; the object is written
   A condition always reads a property. */
std::string memberCall(Translator& t, const std::string& className, bool pointer, bool inCondition) {
    SourceReader& r = t.reader;
    if (className.empty()) throw SyntaxError{"Syntax error."};
    t.output << (pointer ? "->" : ".");
    const FunctionRecord* method = t.findMemberFunction(className, r.token);
    if (!method) throw SyntaxError{"function " + r.tokenAsWritten + " is not a member of " + className + "."};
    // Neither a call nor an assignment from here would reach it as written.
    if (method->isFunctionPointer)
        throw SyntaxError{r.tokenAsWritten + " is a function-pointer member: the class's methods use it by its name alone."};

    bool propertySet = false;
    if (method->isProperty) {
        const std::string property = r.token;
        const std::string propertyAsWritten = r.tokenAsWritten;
        r.nextToken();
        if (inCondition || !r.is("=")) {
            const FunctionRecord& get = accessor(t, className, "GET", property, propertyAsWritten);
            t.output << get.aliasName.str() << "()";
            return get.returnType;
        }
        method = &accessor(t, className, "SET", property, propertyAsWritten);
        t.output << method->aliasName.str();
        propertySet = true;
    } else {
        t.output << method->name;
        r.nextToken();
        r.expect("(", "Expected ( after function name.");
    }
    t.output << "(";
    t.translateArguments(*method, /*memberVariant=*/true);
    if (method->paramCount == 0) r.nextToken();
    if (!propertySet && !r.is(")")) throw SyntaxError{"Expected )"};
    t.output << ")";
    if (!propertySet) r.nextToken();
    return method->returnType;
}

}  // namespace

// By the object's name: its class and whether it is a pointer are looked up.
std::string Translator::translateMemberCall(const std::string& objectName) {
    NestingGuard guard(*this);
    const std::string object = objectName.empty() ? leadingObject(*this) : objectName;
    return memberCall(*this, objectClassName(*this, object), isPointerVariable(object), false);
}

std::string Translator::translateConditionMemberCall(const std::string& objectName) {
    NestingGuard guard(*this);
    const std::string object = objectName.empty() ? leadingObject(*this) : objectName;
    return memberCall(*this, objectClassName(*this, object), isPointerVariable(object), true);
}

std::string Translator::translateMemberCall(const std::string& className, bool pointer) {
    NestingGuard guard(*this);
    return memberCall(*this, className, pointer, false);
}

std::string Translator::translateConditionMemberCall(const std::string& className, bool pointer) {
    NestingGuard guard(*this);
    return memberCall(*this, className, pointer, true);
}
