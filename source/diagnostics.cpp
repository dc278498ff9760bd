// The two report formats and the recovery shared by both passes.
#include <ostream>

#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {

const std::string& fileNameOf(const ModuleRecord* module) {
    static const std::string none;
    return module ? module->fileName : none;
}

}  // namespace

void Translator::reportDeclarationError(const std::string& message) {
    const int64_t position =
        static_cast<int64_t>(reader.column) - static_cast<int64_t>(reader.tokenAsWritten.size());
    reportDeclarationErrorAt(fileNameOf(scannedModule), reader.line, position, message, reader.tokenAsWritten);
    skipToStatementEnd();
}

// A declaration found wanting after its line was read: reported where it stands.
void Translator::reportDeclarationErrorAt(const std::string& fileName, int32_t line, int64_t position,
                                          const std::string& message, const std::string& token) {
    console << "Error in " << fileName << " - Line:" << line << ",char:" << position << " " << message
            << " >>" << token << "\n";
    console.flush();
    declarationFailed = true;
}

void Translator::reportConversionError(const std::string& message) {
    reportConversionProblem(message);
    skipToStatementEnd();
}

// The report alone: the statement goes on (a block closed for the user).
void Translator::reportConversionProblem(const std::string& message) {
    console << fileNameOf(currentModule) << ":" << reader.line << ":error: " << reader.tokenAsWritten
            << " " << message << "\n";
    console.flush();
    hasErrors = true;
}

void Translator::skipToStatementEnd() {
    if (reader.lineEnded) return;
    while (!reader.atEof) {
        try {
            reader.nextToken();
        } catch (const SyntaxError&) {
            // A second unterminated literal in the statement being skipped:
            // the reader has already ended the line.
        }
        if (reader.lineEnded) return;
    }
}

// Reads the rest of a statement that is being ignored; unlike the recovery
// above, a reader error here is an error of the statement.
void Translator::skipLine() {
    while (!reader.lineEnded && !reader.atEof) reader.nextToken();
}
