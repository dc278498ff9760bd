// The blocks of a module: IF, WHILE, FOR, SELECT CASE and the procedures.
// A block that its closing line never reached is reported with the line
// it opened at, and closed in the C++ text as if the line had been there,
// so that one missing END IF is one error and the C++ stays balanced.
#include <ostream>

#include "driver/translator.h"

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
    }
    return std::string();
}

bool isProcedure(Translator::BlockKind kind) {
    return kind == Translator::BlockKind::Function || kind == Translator::BlockKind::Property;
}

}  // namespace

void Translator::openBlock(BlockKind kind) {
    blocks.push_back(Block{kind, reader.line, localVariables.size(), functionPointerTypes.size(), false});
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
    const std::string& I = reader.indent;
    forgetScope(block);
    switch (block.kind) {
        case BlockKind::For: output << I << "}//closing loop\n"; break;
        case BlockKind::Select:
            if (block.caseOpen) output << I << "}\n";
            output << I << "break;\n}\n";
            break;
        case BlockKind::Function:
        case BlockKind::Property:
            output << I << "}\n";
            insideProcedure = false;
            break;
        default: output << I << "}\n";
    }
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
