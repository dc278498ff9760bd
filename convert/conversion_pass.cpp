// The conversion pass: reads a module again, statement by statement, and
// writes its C++ text. Every statement runs through the rule table of
// convertStatement; errors are reported and the pass goes on.
#include <ostream>

#include "driver/host.h"
#include "driver/translator.h"
#include "source/syntax_error.h"

void Translator::convertCurrentModule() {
    ModuleRecord& module = *currentModule;
    insideProcedure = false;
    // Left by the last module's top level: a module-level function pointer
    // is found through its module's record.
    functionPointerTypes.clear();
    if (module.isInterfaceModule) return;
    if (module.interfaceSkip) {
        emitClassHeader(module.fileName);
        return;
    }
    module.cppFileName = changeExtension(module.fileName, module.isApiModule ? "h" : "cpp");
    if (!output.open(host::nativePath(module.cppFileName))) {
        // Nothing is built from a module whose code could not be written.
        reportUnwritable(module.cppFileName);
        return;
    }
    if (module.isApiModule && !module.isClassModule) {
        const std::string guard = stripExtension(module.fileName);
        output << "#ifndef _" << guard << "_API_\n"
               << "#define _" << guard << "_API_\n";
    }
    output << "#include <string>\n"
           << "#include \"qztypes.h\"\n"
           << "#include \"quillkit.h\"\n"
           << "using namespace std;\n";
    if (!openModuleSource(module.fileName))
        throw FatalStop{"unable to open input file: " + module.fileName + "\n", 1};
    convertStatements();
    closeAllBlocks();
    reader.close();
    if (module.isApiModule) output << "#endif\n\n";
    if (!output.close()) reportUnwritable(module.cppFileName);
    if (isPlainModule(module)) emitModuleHeader(module);
}

void Translator::reportUnwritable(const std::string& fileName) {
    console << "unable to write output file: " << fileName << "\n";
    console.flush();
    hasErrors = true;
}

void Translator::convertStatements() {
    std::string lineIndent;
    while (!reader.atEof) {
        // A statement after a ":" is written with its line's indent.
        const bool lineGoesOn = reader.endedBy != SourceReader::End::Line;
        reader.indent.clear();
        try {
            reader.nextToken();
            if (lineGoesOn)
                reader.indent = lineIndent;
            else
                lineIndent = reader.indent;
            convertStatement();
        } catch (const SyntaxError& error) {
            reportConversionError(error.message);
        }
    }
}

// PUBLIC, PRIVATE or PROTECTED: a head, a constant or type, or a variable.
void Translator::convertAccessWordLine() {
    SourceReader& r = reader;
    const ModuleRecord& module = *currentModule;
    const std::string& indent = r.indent;
    const bool typeForm = !r.is("PROTECTED");
    r.nextToken();
    if (r.is("STATIC")) {
        r.nextToken();
        if (!r.is("FUNCTION")) {
            if (module.isClassModule) {
                // Declared in the class by its header.
                skipMemberLine();
            } else {
                output << indent;
                emitVariableDefinition("static ");
                output << ";\n";
            }
            return;
        }
    }
    if (r.is("FUNCTION")) {
        output << indent;
        emitProcedureHeader();
    } else if (r.is("PROPERTY")) {
        output << indent;
        emitPropertyHeader();
    } else if (r.is("CONST")) {
        output << indent;
        emitConstant();
    } else if (r.is("TYPE") && typeForm) {
        output << indent;
        emitTypeDefinition();
    } else if (!module.isClassModule) {
        output << indent;
        emitVariableDefinition();
        output << ";\n";
    } else if (insideProcedure) {
        output << indent;
        emitVariableDefinition();
        output << ";\n";
    } else {
        skipMemberLine();
    }
}

// A member line of a class, which its header declares: the TYPE it names
// must be one the header can see.
void Translator::skipMemberLine() {
    SourceReader& r = reader;
    while (!r.lineEnded && !r.atEof) {
        requireVisibleType(r.tokenAsWritten);
        r.nextToken();
    }
}

// A call or assignment translated: the next token must end its line. An
// assignment of NOTHING leaves NOTHING current; what follows it must end
// the line, which goes back to the statement loop.
void Translator::expectStatementEnd() {
    SourceReader& r = reader;
    if (r.is("NOTHING") && !r.lineEnded) return r.expectNextLineEnd("Expected end of line.");
    r.expectLineEnd("Expected end of line.");
}

