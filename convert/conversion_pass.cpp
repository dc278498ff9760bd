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
    if (module.isInterfaceModule) return;
    if (module.interfaceSkip) {
        emitClassHeader(module.fileName);
        return;
    }
    module.cppFileName = changeExtension(module.fileName, module.isApiModule ? "h" : "cpp");
    output.open(host::nativePath(module.cppFileName), std::ios::out | std::ios::trunc | std::ios::binary);
    if (!output.is_open()) {
        // Nothing is built from a module whose code could not be written.
        reportUnwritable(module.cppFileName);
        output.clear();
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
    output.flush();
    if (!output) reportUnwritable(module.cppFileName);
    output.close();
    output.clear();
}

void Translator::reportUnwritable(const std::string& fileName) {
    console << "unable to write output file: " << fileName << "\n";
    console.flush();
    hasErrors = true;
}

void Translator::convertStatements() {
    while (!reader.atEof) {
        reader.indent.clear();
        try {
            reader.nextToken();
            convertStatement();
        } catch (const SyntaxError& error) {
            reportConversionError(error.message);
        }
    }
}

// The rule table. A rule either ends the statement (return) or lets the
// following rules test whatever token is current afterwards.
void Translator::convertStatement() {
    SourceReader& r = reader;
    ModuleRecord& module = *currentModule;
    const std::string& I = r.indent;

    if (r.is("CLASS")) {
        r.nextToken();
        if (r.lineEnded) throw SyntaxError{"expected class identifier name."};
        output << "#include \"" << r.tokenAsWritten << ".h\"\n";
        emitClassHeader(module.fileName);
        r.nextToken();
        if (!r.is("EXTENDS")) {
            r.pushBack();
        } else {
            r.nextToken();
            if (!isClassName(r.token)) throw FatalStop{r.token + " is not a class!\n Unable to continue.", 1};
            r.nextToken();
        }
        inheritMembers(module.className, module.baseClassName);
    }
    if (r.is("DIM")) {
        if (module.isClassModule && !insideProcedure) {
            // The class header declares the member.
            skipLine();
        } else {
            r.nextToken();
            output << I;
            emitVariableDefinition();
            output << ";\n";
        }
    } else if (r.is("EXIT")) {
        r.nextToken();
        r.expect("FUNCTION", "Expected \"Function\"");
        output << I << "return;\n";
        r.nextToken();
        r.expectLineEnd("Expected end of line.");
    } else if (r.is("PUBLIC") || r.is("PRIVATE") || r.is("PROTECTED")) {
        convertAccessWordLine();
    }
    if (r.is("FUNCTION")) {
        output << I;
        emitProcedureHeader();
        return;
    }
    if (r.is("SELECT")) return convertSelect();
    if (r.is("CASE")) return convertCase();
    if (r.is("IF")) {
        openBlock(BlockKind::If);
        output << I;
        translateIfCondition();
        output << "{\n";
        return;
    }
    if (r.is("ELSE")) {
        Block* block = closeInnerBlocks(BlockKind::If);
        if (!block) throw SyntaxError{"ELSE without IF."};
        forgetScope(*block);
        output << I << "}\n" << I << "else\n" << I << "{\n";
        r.expectNextLineEnd("Expected end of line.");
        return;
    }
    if (r.is("WHILE")) {
        openBlock(BlockKind::While);
        output << I;
        translateWhileCondition();
        output << "{\n";
        return;
    }
    if (r.is("END")) return convertEnd();
    if (r.is("APPTYPE")) {
        skipLine();
        return;
    }
    if (r.is("CONST")) {
        output << I;
        emitConstant();
        return;
    }
    if (r.is("DECLARE")) {
        emitExternalDeclaration();
        return;
    }
    if (r.is("DEFINE")) {
        emitConstant();
        return;
    }
    if (r.is("TYPE")) {
        output << I;
        emitTypeDefinition();
        return;
    }
    // Inside a procedure its own name, in any letter case, starts either the
    // function result or a call of itself, whatever another module declares
    // under that name; translateReturnAssignment tells the two apart by the "=".
    const bool ownName = insideProcedure && !currentProcedureName.empty() &&
                         r.token == upperCase(currentProcedureName);
    if (!variableStructType(r.token).empty() && !ownName) {
        output << I;
        translateAssignment();
        expectStatementEnd();
        output << ";\n";
        return;
    }
    if (r.is("USINGRESOURCE")) {
        r.nextToken();
        // The name reaches the resource compiler's command line.
        if (!isPlainName(r.tokenAsWritten)) throw SyntaxError{"Expected resource name."};
        output << "#include \"" << r.tokenAsWritten << ".h\"\n";
        resources.push_back(r.tokenAsWritten);
        skipLine();
        return;
    }
    if (r.is("USING")) {
        if (module.isClassModule) {
            // The class header includes the used modules.
            skipLine();
            return;
        }
        r.nextToken();
        output << "#include \"" << r.token << ".h\"";
        r.nextToken();
        r.expectLineEnd("Expected end of line.");
        output << ";" << "\n";
        output.flush();
        return;
    }
    if (r.is("FOR")) {
        openBlock(BlockKind::For);
        output << I;
        translateForHeader();
        output << I << "{\n";
        return;
    }
    if (r.is("NEXT")) {
        r.nextToken();
        if (variableType(r.token).empty()) throw SyntaxError{"Unknown loop identifier."};
        closeBlock(BlockKind::For, "NEXT without FOR.");
        // The loop's braces end the variables declared inside it.
        output << I << "}//closing loop\n";
        r.expectNextLineEnd("Expected end of line.");
        return;
    }
    if (r.is("WEND")) {
        closeBlock(BlockKind::While, "WEND without WHILE.");
        output << I << "}\n";
        r.nextToken();
        r.expectLineEnd("Expected end of line.");
        return;
    }
    if (!functionSpelling(r.token).empty() && !ownName) {
        output << I;
        translateCall("");
        expectStatementEnd();
        output << ";\n";
        return;
    }
    if (ownName) {
        output << I;
        translateReturnAssignment();
        expectStatementEnd();
        output << ";\n";
        return;
    }
    if (!variableType(r.token).empty()) {
        output << I;
        translateAssignment();
        expectStatementEnd();
        output << ";\n";
        return;
    }
    if (r.is("INTERFACEAPI") || r.is("INTERFACESKIP") || r.is("INTERFACEIGNORE")) {
        // The declaration pass has used the marker; the rest of its line is
        // ignored there as well, and the line still ends like any other.
        skipLine();
        if (r.lineEnded) output << "\n";
        return;
    }
    if (r.lineEnded) {
        output << "\n";
        return;
    }
    if (r.token.empty()) return;
    throw SyntaxError{"Syntax Error."};
}

// PUBLIC, PRIVATE or PROTECTED: a head, a constant or type, or a variable.
void Translator::convertAccessWordLine() {
    SourceReader& r = reader;
    const ModuleRecord& module = *currentModule;
    const std::string& I = r.indent;
    const bool typeForm = !r.is("PROTECTED");
    r.nextToken();
    if (r.is("STATIC")) {
        r.nextToken();
        if (!r.is("FUNCTION")) {
            if (module.isClassModule) {
                // Declared in front of the class by its header.
                skipLine();
            } else {
                output << I << "static ";
                emitVariableDefinition();
                output << ";\n";
            }
            return;
        }
    }
    if (r.is("FUNCTION")) {
        output << I;
        emitProcedureHeader();
    } else if (r.is("PROPERTY")) {
        output << I;
        emitPropertyHeader();
    } else if (r.is("CONST")) {
        output << I;
        emitConstant();
    } else if (r.is("TYPE") && typeForm) {
        output << I;
        emitTypeDefinition();
    } else if (!module.isClassModule) {
        output << I;
        emitVariableDefinition();
        output << ";\n";
    } else if (insideProcedure) {
        output << I;
        emitVariableDefinition();
        output << ";\n";
    } else {
        skipLine();
    }
}

namespace {

// C++ switches on whole numbers only.
bool isWholeNumberType(const std::string& type) {
    static const char* const types[] = {"Long", "Integer", "Byte", "Boolean", "Short", "Char", "Any"};
    for (const char* whole : types)
        if (type == whole) return true;
    return false;
}

}  // namespace

/* selectstat -> SELECT CASE variable */
void Translator::convertSelect() {
    SourceReader& r = reader;
    r.nextToken();
    r.expect("CASE", "Syntax Error");
    // Opened even when its head fails, so that its CASEs and END SELECT
    // are not reported as well.
    openBlock(BlockKind::Select);
    r.nextToken();
    const std::string type = variableType(r.token);
    if (type.empty()) throw SyntaxError{"Expected a variable for Select Case."};
    if (type == "Single" || type == "Double") throw SyntaxError{"SELECT CASE needs a whole number."};
    if (!isWholeNumberType(type) || isPointerVariable(r.token)) throw SyntaxError{"SELECT CASE needs a number."};
    const std::string declared = declaredVariableName(r.token);
    output << r.indent << "switch(" << (declared.empty() ? r.tokenAsWritten : declared) << ")\n{\n";
    r.expectNextLineEnd("Expected end of line.");
}

/* casestat -> CASE label | CASE "-" number | CASE ELSE
   Each CASE body is a block of its own, so that declarations in it end there. */
void Translator::convertCase() {
    SourceReader& r = reader;
    const std::string& I = r.indent;
    Block* select = closeInnerBlocks(BlockKind::Select);
    if (!select) throw SyntaxError{"CASE without SELECT CASE."};
    r.nextToken();
    if (select->caseOpen) {
        forgetScope(*select);
        output << I << "}\n";
    }
    output << I << "break;\n";
    if (r.is("ELSE")) {
        output << I << "default:{\n";
    } else {
        // A constant as its declaration spells it.
        const std::string declared = declaredVariableName(r.token);
        std::string label = declared.empty() ? r.tokenAsWritten : declared;
        if (r.is("-")) {
            r.nextToken();
            label += r.tokenAsWritten;
        }
        output << I << "case " << label << ":{\n";
    }
    select->caseOpen = true;
    r.expectNextLineEnd("Expected end of line.");
}

// A call or assignment translated: the next token must end its line. An
// assignment of NOTHING leaves NOTHING current; what follows it must end
// the line, which goes back to the statement loop.
void Translator::expectStatementEnd() {
    SourceReader& r = reader;
    if (r.is("NOTHING") && !r.lineEnded) return r.expectNextLineEnd("Expected end of line.");
    r.expectLineEnd("Expected end of line.");
}

// The closing line of a block: its block is the innermost one open, once
// every block opened inside it has been reported and closed.
Translator::Block Translator::closeBlock(BlockKind kind, const char* withoutOpening) {
    Block* found = closeInnerBlocks(kind);
    if (!found) throw SyntaxError{withoutOpening};
    const Block block = *found;
    blocks.pop_back();
    forgetScope(block);
    return block;
}

/* endstat -> END (IF | FUNCTION | PROPERTY | CLASS | SELECT) */
void Translator::convertEnd() {
    SourceReader& r = reader;
    const std::string& I = r.indent;
    r.nextToken();
    if (r.is("IF")) {
        closeBlock(BlockKind::If, "END IF without IF.");
        output << I << "}\n";
    } else if (r.is("FUNCTION") || r.is("PROPERTY")) {
        if (!insideProcedure && afterPureVirtualHead && r.is("FUNCTION")) {
            // A pure virtual function has no body to close.
            afterPureVirtualHead = false;
            r.expectNextLineEnd("Expected end of line.");
            return;
        }
        // Either END closes the procedure that is open, FUNCTION or PROPERTY.
        closeBlock(BlockKind::Function, r.is("FUNCTION") ? "END FUNCTION without FUNCTION."
                                                             : "END PROPERTY without PROPERTY.");
        output << I << "}\n";
        insideProcedure = false;
    } else if (r.is("CLASS")) {
    } else if (r.is("SELECT")) {
        const Block select = closeBlock(BlockKind::Select, "END SELECT without SELECT CASE.");
        if (select.caseOpen) output << I << "}\n";
        output << I << "break;\n}\n";
    } else {
        throw SyntaxError{"Syntax error."};
    }
    r.expectNextLineEnd("Expected end of line.");
}


