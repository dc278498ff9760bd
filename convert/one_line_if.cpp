// The IF on one line, and ELSEIF in a block IF. A one-line IF holds
// simple statements separated by ":", after THEN and after ELSE; while it
// is read, ELSE ends a statement as ":" does. An IF nested in it takes the
// first ELSE, as in BASIC; an ELSE after that one is the outer IF's.
#include "driver/translator.h"
#include "source/characters.h"
#include "source/syntax_error.h"

namespace {

// While it lives, ELSE ends the statements of the line.
class ElseEndsStatements {
public:
    explicit ElseEndsStatements(SourceReader& r) : r_(r) { ++r_.elseEndsStatement; }
    ~ElseEndsStatements() { --r_.elseEndsStatement; }
    ElseEndsStatements(const ElseEndsStatements&) = delete;
    ElseEndsStatements& operator=(const ElseEndsStatements&) = delete;

private:
    SourceReader& r_;
};

}  // namespace

// Whether something other than a comment follows the line's first THEN.
bool Translator::isOneLineIf() const {
    const std::string_view text = reader.textAhead();
    size_t i = 0;
    bool afterThen = false;
    while (i < text.size() && text[i] != '\n') {
        const char c = text[i];
        if (c == '"') {
            if (afterThen) return true;
            const size_t close = text.find_first_of("\"\n", i + 1);
            if (close == std::string_view::npos || text[close] == '\n') return false;
            i = close + 1;
        } else if (c == '\'') {
            return false;
        } else if (isNameChar(c)) {
            size_t end = i;
            while (end < text.size() && isNameChar(text[end])) ++end;
            const std::string word = upperCase(std::string(text.substr(i, end - i)));
            if (afterThen) return word != "REM";
            afterThen = word == "THEN";
            i = end;
        } else if (c == ' ' || c == '\t') {
            ++i;
        } else {
            if (afterThen) return true;
            ++i;
        }
    }
    return false;
}

/* onelineif -> IF condition THEN statements [ELSE statements] EOL
   statements -> [statement] {":" [statement]} */
void Translator::convertOneLineIf() {
    SourceReader& r = reader;
    const std::string indent = r.indent;
    const bool nested = r.elseEndsStatement > 0;
    ElseEndsStatements elseEnds(r);
    output << indent;
    try {
        translateIfCondition();
    } catch (const SyntaxError& error) {
        // What follows THEN depends on the condition: the line is left out.
        reportConversionProblem(error.message);
        do {
            skipToStatementEnd();
            if (r.atEof || r.endedBy == SourceReader::End::Line) break;
            try {
                r.nextToken();
            } catch (const SyntaxError&) {
            }
        } while (!r.atEof);
        return;
    }
    output << "{\n";
    const std::string bodyIndent = indent + "\t";
    Block scope{};
    scope.locals = localVariables.size();
    scope.pointerTypes = functionPointerTypes.size();
    bool inElse = false;
    for (;;) {
        if (!r.lineEnded && !r.atEof) {
            try {
                r.indent = bodyIndent;
                if (!startsSimpleStatement())
                    throw SyntaxError{"A one-line IF holds simple statements (assignments, calls, EXIT, "
                                      "one-line IFs): write a block IF ... END IF around this one."};
                convertStatement();
            } catch (const SyntaxError& error) {
                reportConversionError(error.message);
            }
        }
        if (r.atEof || r.endedBy == SourceReader::End::Line) break;
        if (r.endedBy == SourceReader::End::Else) {
            // A second ELSE belongs to the IF around this one.
            if (inElse && nested) break;
            if (inElse) {
                reportConversionProblem("A one-line IF has one ELSE.");
            } else {
                inElse = true;
                forgetScope(scope);
                output << indent << "}\n" << indent << "else\n" << indent << "{\n";
            }
        }
        try {
            r.nextToken();
        } catch (const SyntaxError& error) {
            reportConversionError(error.message);
        }
    }
    forgetScope(scope);
    output << indent << "}\n";
    r.indent = indent;
}

/* elseif -> ELSEIF condition [THEN] EOL */
void Translator::convertElseIf() {
    SourceReader& r = reader;
    const std::string indent = r.indent;
    Block* block = closeInnerBlocks(BlockKind::If);
    if (!block) throw SyntaxError{"ELSEIF without IF."};
    if (block->elseSeen) throw SyntaxError{"ELSEIF after ELSE: the ELSE part of an IF comes last."};
    forgetScope(*block);
    output << indent << "}\n" << indent << "else ";
    translateIfCondition();
    output << "{\n";
    r.expectLineEnd("Expected end of line.");
}
