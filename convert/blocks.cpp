// The blocks of a module: IF, WHILE, FOR, SELECT CASE and the procedures.
// A block that its closing line never reached is reported with the line
// it opened at, and closed in the C++ text as if the line had been there,
// so that one missing END IF is one error and the C++ stays balanced.
#include "convert/case_labels.h"
#include "convert/select_scan.h"
#include "driver/translator.h"
#include "expr/member_names.h"
#include "expr/operand.h"
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

void Translator::dropClosedCaseChains() {
    while (!caseChains.empty() && caseChains.back().block >= blocks.size()) caseChains.pop_back();
}

Translator::CaseChain* Translator::caseChainOf(size_t blockIndex) {
    if (caseChains.empty() || caseChains.back().block != blockIndex) return nullptr;
    return &caseChains.back();
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
    dropClosedCaseChains();
    switch (block.kind) {
        case BlockKind::For: output << indent << "}//closing loop\n"; break;
        case BlockKind::Do: output << indent << (block.testedAtTop ? "}\n" : "}while(true);\n"); break;
        case BlockKind::Select:
            if (block.caseOpen) output << indent << "}\n";
            if (!block.chained) output << indent << "break;\n}\n";
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

/* selectstat -> SELECT CASE variable
   A whole-number variable whose CASE lines are all single numbers and
   constants is switched on in C++; any other SELECT becomes a chain of
   if and else if, which compares the variable with the labels of each
   CASE in turn. The CASE lines are looked at ahead to choose. */
void Translator::convertSelect() {
    SourceReader& r = reader;
    r.nextToken();
    r.expect("CASE", "Syntax Error");
    // Opened before the rest of the line is read, as a chain whose CASEs
    // test nothing: a line that fails leaves it so, and neither its CASEs
    // nor its END SELECT are reported as well.
    dropClosedCaseChains();
    openBlock(BlockKind::Select);
    blocks.back().chained = true;
    caseChains.push_back(CaseChain{blocks.size() - 1, std::string(), false, false});
    r.nextToken();
    const std::string type = variableType(r.token);
    if (type.empty() && findFunction(r.token))
        throw SyntaxError{"SELECT CASE takes a variable: put the value in one first (v = ...), then SELECT CASE v."};
    if (type.empty()) throw SyntaxError{"Expected a variable for Select Case."};
    if (isArrayVariable(r.token))
        throw SyntaxError{"SELECT CASE needs one value: copy the array element into a variable first."};
    const std::string_view ahead = skipBlanks(r.textAhead());
    if (!ahead.empty() && ahead[0] == '.')
        throw SyntaxError{"SELECT CASE needs one value: copy the member into a variable first."};
    if (isPointerVariable(r.token) || (!isNumberType(type) && type != "String"))
        throw SyntaxError{"SELECT CASE needs a number or a String."};
    examineOperand(*this);  // a variable the module cannot see is refused
    const std::string selector = writtenVariableName(*this, r.token, r.tokenAsWritten);
    const SelectAhead labels = scanSelectAhead(r.textAhead());
    if (isWholeNumberType(type) && labelsFitSwitch(*this, labels)) {
        blocks.back().chained = false;
        caseChains.pop_back();
        output << r.indent << "switch(" << selector << ")\n{\n";
    } else {
        CaseChain& chain = caseChains.back();
        chain.selector = selector;
        chain.text = type == "String";
        // The chain would run them for every value.
        if (labels.statementBeforeCase)
            throw SyntaxError{"Statements between SELECT CASE and its first CASE belong above SELECT CASE."};
    }
    r.expectNextLineEnd(
        "SELECT CASE takes one variable: put the value in one first (v = ...), then SELECT CASE v.");
}

/* casestat -> CASE labels | CASE ELSE
   Each CASE body is a block of its own, so that declarations in it end
   there. A switch's labels are checked before anything is written, so
   that a refused line leaves the braces balanced. */
void Translator::convertCase() {
    SourceReader& r = reader;
    const std::string& indent = r.indent;
    Block* select = closeInnerBlocks(BlockKind::Select);
    if (!select) throw SyntaxError{"CASE without SELECT CASE."};
    r.nextToken();
    if (select->chained) return convertChainCase(*select);
    if (select->caseOpen) forgetScope(*select);
    const bool otherwise = r.is("ELSE");
    const std::string label = otherwise ? std::string() : switchLabel(*this);
    if (select->caseOpen) output << indent << "}\n";
    output << indent << "break;\n";
    if (otherwise)
        output << indent << "default:{\n";
    else
        output << indent << "case " << label << ":{\n";
    select->caseOpen = true;
    r.expectNextLineEnd("Expected end of line.");
}

// A CASE of a chain: the first opens it with if, the next ones go on with
// else if, CASE ELSE with else.
void Translator::convertChainCase(Block& select) {
    SourceReader& r = reader;
    const std::string& indent = r.indent;
    CaseChain* chain = caseChainOf(blocks.size() - 1);
    if (!chain) throw SyntaxError{"CASE without SELECT CASE."};
    if (chain->elseSeen) throw SyntaxError{"CASE after CASE ELSE: move CASE ELSE below the other CASEs."};
    // What the last body declared is gone before this line's labels are read.
    if (select.caseOpen) forgetScope(select);
    const bool otherwise = r.is("ELSE");
    std::string tests;
    if (otherwise) {
        r.expectNextLineEnd("Expected end of line.");
    } else if (chain->selector.empty()) {
        // The SELECT line failed: there is nothing to compare with.
        skipLine();
        r.pushBack();
        tests = "false";
    } else {
        tests = chainTests(*this, *chain);
    }
    if (select.caseOpen) output << indent << "}\n" << indent << "else";
    if (otherwise)
        output << (select.caseOpen ? "{\n" : indent + "{\n");
    else
        output << (select.caseOpen ? " " : indent) << "if(" << tests << "){\n";
    chain->elseSeen = otherwise;
    select.caseOpen = true;
}

// The closing line of a block: its block is the innermost one open, once
// every block opened inside it has been reported and closed.
Translator::Block Translator::closeBlock(BlockKind kind, const char* withoutOpening) {
    Block* found = closeInnerBlocks(kind);
    if (!found) throw SyntaxError{withoutOpening};
    const Block block = *found;
    blocks.pop_back();
    forgetScope(block);
    dropClosedCaseChains();
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
        if (!select.chained) output << indent << "break;\n}\n";
    } else {
        throw SyntaxError{"Syntax error."};
    }
    r.expectNextLineEnd("Expected end of line.");
}


