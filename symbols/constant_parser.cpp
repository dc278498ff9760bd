// CONST and DEFINE constants, registered with the module's variables.
#include "driver/translator.h"
#include "source/syntax_error.h"

/* const  -> CONST name ["-"] "=" (["-"] digits ["." digits] | "&" hexword | TRUE | FALSE | literal) EOL
   define -> DEFINE name ["-"] value ["&" value] EOL */
void Translator::parseConstant(ModuleRecord& module, int32_t scope) {
    SourceReader& r = reader;
    const bool defineForm = r.is("DEFINE");
    r.nextToken();
    if (r.lineEnded) throw SyntaxError{"Expected CONST name not end of line."};
    auto constant = std::make_shared<VariableRecord>();
    constant->name = r.tokenAsWritten;
    // The conversion pass finds the record of its line by this line.
    constant->declaredLine = r.line;
    constant->declaredInProcedure = insideProcedure;
    r.nextToken();
    bool minus = false;
    if (r.is("-")) {
        minus = true;
        r.nextToken();
    }
    if (defineForm) {
        constant->type = "Long";
        constant->editDetails().constValue = (minus ? "-" : "") + decimalText(r.tokenAsWritten);
        if (r.is("&")) {
            // A hexadecimal value: "&" then the H-prefixed digits, kept as written.
            r.nextToken();
            constant->editDetails().constValue += r.tokenAsWritten;
        }
    } else {
        r.skip("=", "Expected assignment =.");
        // The sign may also stand after the "=": CONST X = -5.
        if (!minus) minus = r.accept("-");
        if (r.allDigits) {
            constant->type = "Long";
            std::string value = (minus ? "-" : "") + decimalText(r.tokenAsWritten);
            // CONST PI = 3.14159: a Double; the fraction keeps its zeros.
            const SourceReader::Mark digits = r.mark();
            r.nextToken();
            if (r.is(".") && !r.lineEnded) {
                r.nextToken();
                if (!r.allDigits || r.lineEnded) throw SyntaxError{"Expected digits after the decimal point."};
                constant->type = "Double";
                value += "." + r.tokenAsWritten;
            } else {
                r.rewind(digits);
            }
            constant->editDetails().constValue = value;
        } else if (r.is("&") && !minus) {
            // &H1F, written without a blank after the "&", kept as written as a DEFINE keeps it.
            const int32_t before = r.column;
            r.nextToken();
            const bool adjacent = before == r.column - static_cast<int32_t>(r.token.size());
            if (!adjacent || r.token.size() < 2 || r.token.size() > 9 || r.token[0] != 'H' ||
                r.token.find_first_not_of("0123456789ABCDEF", 1) != std::string::npos)
                throw SyntaxError{"Expected hexadecimal digits after &H."};
            constant->type = "Long";
            constant->editDetails().constValue = "&" + r.tokenAsWritten;
        } else if ((r.is("TRUE") || r.is("FALSE")) && !minus) {
            constant->type = "Long";
            constant->editDetails().constValue = r.is("TRUE") ? "1" : "0";
        } else if (r.isString) {
            constant->type = "String";
            constant->editDetails().constValue = r.tokenAsWritten;
        } else {
            throw SyntaxError{"unknown value assignment to const."};
        }
    }
    constant->isConstant = true;
    constant->isMacro = defineForm;
    constant->scope = scope;
    r.nextToken();
    // Checked before registering: a failed declaration leaves no record.
    r.expectLineEnd("Expected end of line.");
    module.variables.push_back(constant);
}
