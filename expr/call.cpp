// Calls of program functions: the called name, property accessors,
// function-pointer assignments and the argument list: in parentheses, or
// for a call statement without them.
#include <string_view>

#include "driver/translator.h"
#include "expr/nesting_guard.h"
#include "source/characters.h"
#include "source/syntax_error.h"

namespace {

// The value given to a function-pointer variable: a function or another
// function-pointer variable (declared spelling) or an element of an array
// of them, a variable, or a number such as 0. ADDRESSOF in front of the
// function is allowed and dropped. The value's last token stays current.
void functionPointerValue(Translator& t) {
    SourceReader& r = t.reader;
    r.accept("ADDRESSOF");
    if (const FunctionRecord* function = t.findFunction(r.token)) {
        t.output << writtenName(*function);
        if (function->elementCount > 0) {
            r.nextToken();
            r.expect("(", "Expected ( and the element's index.");
            t.translateIndex();
        }
        return;
    }
    const std::string variable = t.declaredVariableName(r.token);
    if (!variable.empty())
        t.output << variable;
    else if (r.allDigits)
        t.output << decimalText(r.tokenAsWritten);
    else
        throw SyntaxError{"Syntax error."};
}

// Inside a method, C++ finds a member of the class (or of a base) before a
// free function of the same name; a free function that plix resolved is
// then reached through "::".
bool hiddenByMember(const Translator& t, const FunctionRecord& function) {
    const ModuleRecord* module = t.currentModule;
    if (!module || !module->isClassModule || function.isFunctionPointer || function.builtIn) return false;
    if (t.symbols.ownsFunction(*module, function)) return false;
    return t.findMemberFunction(module->className, upperCase(function.name)) != nullptr;
}

// Whether a method can take the call as written: a property is named
// without parentheses, a method with as many arguments as it has parameters.
bool fits(const FunctionRecord& method, int32_t arguments) {
    return method.isProperty ? arguments < 0 : arguments == method.paramCount;
}

// The arguments of a call statement without parentheses, counted in the
// text after the name: -1 when "=" follows (a property given a value), 0
// when the statement ends there. A ":" ends the statement, "::" does not;
// inside a one-line IF (elseEnds) the word ELSE ends it too.
int32_t unbracketedArgumentCount(std::string_view ahead, bool elseEnds) {
    size_t i = 0;
    while (i < ahead.size() && isBlank(ahead[i])) ++i;
    if (i < ahead.size() && ahead[i] == '=') return -1;
    int32_t depth = 0, commas = 0;
    bool anything = false;
    for (; i < ahead.size(); ++i) {
        const char c = ahead[i];
        if (c == '\n' || c == '\'') break;
        if (c == ':' && (i + 1 >= ahead.size() || ahead[i + 1] != ':') && (i == 0 || ahead[i - 1] != ':')) break;
        if (elseEnds && isWordAt(ahead, i, "ELSE")) break;
        if (c == '"') {
            while (i + 1 < ahead.size() && ahead[i + 1] != '"' && ahead[i + 1] != '\n') ++i;
            ++i;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            ++commas;
        }
        if (!isBlank(c)) anything = true;
    }
    return anything ? commas + 1 : 0;
}

// A function or property named where a variable or constant of the same
// name in another letter case was meant (DIM equals beside FUNCTION
// Equals): BASIC does not tell the two apart, so the clash is named.
void requireNoNamesake(const Translator& t, const FunctionRecord& function,
                       const VariableRecord* variable = nullptr) {
    if (!variable) variable = t.symbols.declaredVariable(function.name);
    if (!variable) return;
    throw SyntaxError{variable->name + " is the name of a " + (variable->isConstant ? "constant" : "variable") +
                      " and of the " + (function.isProperty ? "property " : "function ") + function.name +
                      ", which BASIC does not tell apart by letter case: give one of them another name."};
}

}  // namespace

// Inside a method a name may be a method of its class (or of a base) and a
// program function too: the method when its parameters fit the call, the
// program's function otherwise. LEFT is always the string function. A
// library function with several forms takes the one that fits the call.
FunctionRecord* Translator::calledFunction(bool statement) const {
    const SourceReader& r = reader;
    if (r.is("LEFT")) return findModuleFunction(r.token);
    FunctionRecord* found = findFunction(r.token);
    const auto argumentCount = [&] {
        int32_t arguments = r.peekArgumentCount();
        if (statement && arguments < 0) arguments = unbracketedArgumentCount(r.textAhead(), r.elseEndsStatement > 0);
        return arguments;
    };
    const ModuleRecord* module = currentModule;
    if (module && module->isClassModule) {
        FunctionRecord* method = findMemberFunction(module->className, r.token);
        if (method && method != found && (!found || fits(*method, argumentCount()))) return method;
    }
    if (!found || !found->hasLibraryForms || choosingLibraryForm) return found;
    const std::vector<FunctionRecord*> forms = symbols.libraryForms(*found);
    if (forms.empty()) return found;
    // Choosing reads ahead and comes back: the reader is where it was.
    return const_cast<Translator&>(*this).libraryForm(forms, argumentCount());
}

/* call -> name "(" args ")" | property ["=" value] | pointer "=" value */
void Translator::translateCall(const std::string& expectedType) {
    NestingGuard guard(*this);
    SourceReader& r = reader;
    const bool valueContext = !expectedType.empty();

    // LEFT is the string function even inside a class that has a Left of its own.
    const bool isLeft = r.is("LEFT");
    FunctionRecord* function = calledFunction(!valueContext);
    if (!function) throw SyntaxError{"Invalid Function."};
    requireVisible(function->inMainProgram, function->name);
    if (isLeft ? currentModule && currentModule->isClassModule : hiddenByMember(*this, *function))
        output << "::";

    if (function->isProperty) {
        if (valueContext) {
            /* property read -> name */
            const FunctionRecord* getter = findAccessor("GET" + r.token);
            if (!getter) {
                requireNoNamesake(*this, *function);
                throw SyntaxError{"Property " + function->name + " has no Get accessor."};
            }
            // A member variable of the property's name would be read through
            // the getter, which reads it so again, without end.
            if (currentModule && currentModule->isClassModule)
                if (const VariableRecord* member = findMemberVariable(currentModule->className, r.token))
                    requireNoNamesake(*this, *function, member);
            output << getter->aliasName.str() << "()";
            r.nextToken();
            return;
        }
        /* property write -> name "=" value */
        const FunctionRecord* setter = findAccessor("SET" + r.token);
        if (!setter) {
            requireNoNamesake(*this, *function);
            throw SyntaxError{"Property " + function->name + " has no Set accessor."};
        }
        output << setter->aliasName.str();
        r.nextToken();
        r.expect("=", "expected = for property assignment ");
        translateCallArguments(*setter, true);
        return;
    }

    output << writtenName(*function);
    r.nextToken();
    if (function->elementCount > 0) {
        /* element -> name "(" index ")" ; then called or given a function */
        if (!r.is("(")) throw SyntaxError{function->name + " is an array: expected ( and the element's index."};
        translateIndex();
        r.nextToken();
    }
    if (r.is("=") && function->isFunctionPointer && !valueContext) {
        /* pointer assignment -> name "=" function */
        output << "=(" << function->returnType.str() << function->name << ")";
        r.nextToken();
        functionPointerValue(*this);
        r.nextToken();
        return;
    }
    if (!valueContext && !r.is("(") && !r.is("=")) return translateStatementArguments(*function);
    if (!r.is("(")) requireNoNamesake(*this, *function);
    translateCallArguments(*function, false);
}

/* pointerarg -> [ADDRESSOF] function | pointer ["(" index ")"] | variable | number */
void Translator::translateFunctionPointerArgument(const std::string& pointerType) {
    // Unlike a C-style cast, static_cast refuses a function of another
    // shape, even where -fpermissive lets a plain conversion through.
    output << "static_cast<" << pointerType << ">(";
    functionPointerValue(*this);
    output << ")";
    reader.nextToken();
}

/* arglist -> "(" args ")" ; a property setter takes its value after "=" */
void Translator::translateCallArguments(const FunctionRecord& function, bool propertySet) {
    SourceReader& r = reader;
    if (!propertySet && !r.is("(")) throw SyntaxError{"Expected ( after function name."};
    output << "(";
    translateArguments(function, false);
    if (function.paramCount == 0) r.nextToken();
    if (!propertySet && !r.is(")")) throw SyntaxError{"Expected )"};
    output << ")";
    if (!propertySet) r.nextToken();
}

/* statementargs -> [arg {"," arg}] EOL ; written as the call with parentheses */
void Translator::translateStatementArguments(const FunctionRecord& function) {
    output << "(";
    translateArguments(function, false, true);
    output << ")";
}
