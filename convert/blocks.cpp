// The blocks of a module: IF, WHILE, FOR, SELECT CASE and the procedures.
// A block that its closing line never reached is reported with the line
// it opened at, and closed in the C++ text as if the line had been there,
// so that one missing END IF is one error and the C++ stays balanced.
#include <ostream>

#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {

std::string unclosedMessage(const Translator::Block& block) {
    const std::string line = std::to_string(block.line);
    switch (block.kind) {
        case Translator::BlockKind::If: return "IF at line " + line + " has no END IF.";
        case Translator::BlockKind::While: return "WHILE at line " + line + " has no WEND.";
        case Translator::BlockKind::For: return "FOR at line " + line + " has no NEXT.";
        case Translator::BlockKind::Select: return "SELECT CASE at line " + line + " has no END SELECT.";
        case Translator::BlockKind::Function: return "FUNCTION at line " + line + " has no END FUNCTION.";
        case Translator::BlockKind::Property: return "PROPERTY at line " + line + " has no END PROPERTY.";
        case Translator::BlockKind::Do: return "DO at line " + line + " has no LOOP.";
    }
    return std::string();
}

bool isProcedure(Translator::BlockKind kind) {
    return kind == Translator::BlockKind::Function || kind == Translator::BlockKind::Property;
}

}  // namespace

void Translator::openBlock(BlockKind kind) {
    Block block{};
    block.kind = kind;
    block.line = reader.line;
    block.locals = localVariables.size();
    block.pointerTypes = functionPointerTypes.size();
    blocks.push_back(block);
}

// The locals and function-pointer types declared since the block opened.
void Translator::forgetScope(const Block& block) {
    if (localVariables.size() > block.locals) localVariables.resize(block.locals);
    if (functionPointerTypes.size() > block.pointerTypes) functionPointerTypes.resize(block.pointerTypes);
}

// Within a procedure only: a WEND does not close a WHILE of an earlier one.
Translator::Block* Translator::closeInnerBlocks(BlockKind kind) {
    size_t found = blocks.size();
    for (size_t i = blocks.size(); i-- > 0;) {
        // END FUNCTION and END PROPERTY close whichever procedure is open.
        if (blocks[i].kind == kind || (isProcedure(kind) && isProcedure(blocks[i].kind))) {
            found = i;
            break;
        }
        if (isProcedure(blocks[i].kind) && !isProcedure(kind)) break;
    }
    if (found == blocks.size()) return nullptr;
    while (blocks.size() > found + 1) {
        const Block inner = blocks.back();
        blocks.pop_back();
        reportConversionProblem(unclosedMessage(inner));
        closeBlockForUser(inner);
    }
    return &blocks.back();
}

// The C++ end of a block, as its closing line would have written it.
void Translator::closeBlockForUser(const Block& block) {
    const std::string& indent = reader.indent;
    forgetScope(block);
    switch (block.kind) {
        case BlockKind::For: output << indent << "}//closing loop\n"; break;
        case BlockKind::Do: output << indent << (block.testedAtTop ? "}\n" : "}while(true);\n"); break;
        case BlockKind::Select:
            if (block.caseOpen) output << indent << "}\n";
            output << indent << "break;\n}\n";
            break;
        case BlockKind::Function:
        case BlockKind::Property:
            output << indent << "}\n";
            insideProcedure = false;
            break;
        default: output << indent << "}\n";
    }
    writeExitLabel(block);
}

// A procedure head while another procedure is still open: that one ends
// here, with its inner blocks, as its END line would have ended it. The
// report is `message`, or the open procedure's own when that is empty.
void Translator::endOpenProcedure(const std::string& message) {
    Block* procedure = closeInnerBlocks(BlockKind::Function);
    if (!procedure) {
        insideProcedure = false;
        return;
    }
    const Block block = *procedure;
    blocks.pop_back();
    reportConversionProblem(message.empty() ? unclosedMessage(block) : message);
    closeBlockForUser(block);
}

// The end of a module: every block still open, the procedure included.
void Translator::closeAllBlocks() {
    while (!blocks.empty()) {
        const Block block = blocks.back();
        blocks.pop_back();
        reportConversionProblem(unclosedMessage(block));
        closeBlockForUser(block);
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
    const std::string& indent = r.indent;
    Block* select = closeInnerBlocks(BlockKind::Select);
    if (!select) throw SyntaxError{"CASE without SELECT CASE."};
    r.nextToken();
    if (select->caseOpen) {
        forgetScope(*select);
        output << indent << "}\n";
    }
    output << indent << "break;\n";
    if (r.is("ELSE")) {
        output << indent << "default:{\n";
    } else {
        // A constant as its declaration spells it.
        const std::string declared = declaredVariableName(r.token);
        std::string label = declared.empty() ? decimalText(r.tokenAsWritten) : declared;
        if (r.is("-")) {
            r.nextToken();
            label += decimalText(r.tokenAsWritten);
        }
        output << indent << "case " << label << ":{\n";
    }
    select->caseOpen = true;
    r.expectNextLineEnd("Expected end of line.");
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
    const std::string& indent = r.indent;
    r.nextToken();
    if (r.is("IF")) {
        closeBlock(BlockKind::If, "END IF without IF.");
        output << indent << "}\n";
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
        output << indent << "}\n";
        insideProcedure = false;
    } else if (r.is("CLASS")) {
    } else if (r.is("SELECT")) {
        const Block select = closeBlock(BlockKind::Select, "END SELECT without SELECT CASE.");
        if (select.caseOpen) output << indent << "}\n";
        output << indent << "break;\n}\n";
    } else {
        throw SyntaxError{"Syntax error."};
    }
    r.expectNextLineEnd("Expected end of line.");
}


