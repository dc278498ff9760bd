// DO ... LOOP, and EXIT FOR, EXIT WHILE and EXIT DO. A DO that tests its
// condition at the top is a C++ while loop, any other DO a do ... while.
// An EXIT is a break where that leaves the loop it names; from inside a
// switch or an inner loop it is a goto to a label after the loop's end,
// which the loop's closing line writes.
#include "driver/translator.h"
#include "source/syntax_error.h"

namespace {

using BlockKind = Translator::BlockKind;

bool isLoop(BlockKind kind) { return kind == BlockKind::For || kind == BlockKind::While || kind == BlockKind::Do; }

// A C++ break inside this block leaves the block itself (a SELECT written
// as an if/else-if chain lets it through).
bool takesBreak(const Translator::Block& block) {
    return isLoop(block.kind) || (block.kind == BlockKind::Select && !block.chained);
}

}  // namespace

/* dohead -> DO [(WHILE | UNTIL) condition] EOL */
void Translator::convertDo() {
    SourceReader& r = reader;
    openBlock(BlockKind::Do);
    const std::string indent = r.indent;
    r.nextToken();
    if (r.lineEnded) {
        output << indent << "do{\n";
        return;
    }
    try {
        if (!r.is("WHILE") && !r.is("UNTIL"))
            throw SyntaxError{"Expected WHILE, UNTIL or the end of the line after DO."};
        const std::string condition = translateLoopCondition();
        blocks.back().testedAtTop = true;
        output << indent << "while(" << condition << "){\n";
    } catch (const SyntaxError&) {
        // Opened all the same, for its LOOP line to close.
        output << indent << "do{\n";
        throw;
    }
}

/* loopline -> LOOP [(WHILE | UNTIL) condition] EOL */
void Translator::convertLoop() {
    SourceReader& r = reader;
    const std::string indent = r.indent;
    // The body's locals end before the condition, which C++ reads outside it.
    const Block loop = closeBlock(BlockKind::Do, "LOOP without DO.");
    r.nextToken();
    if (loop.testedAtTop) {
        output << indent << "}\n";
        writeExitLabel(loop);
        if (!r.lineEnded)
            throw SyntaxError{"This DO tests its condition at the top: the LOOP line ends the loop and tests nothing."};
        return;
    }
    std::string condition = "true";
    try {
        if (!r.lineEnded) {
            if (!r.is("WHILE") && !r.is("UNTIL"))
                throw SyntaxError{"Expected WHILE, UNTIL or the end of the line after LOOP."};
            condition = translateLoopCondition();
        }
    } catch (const SyntaxError&) {
        // The loop is closed all the same.
        output << indent << "}while(true);\n";
        writeExitLabel(loop);
        throw;
    }
    output << indent << "}while(" << condition << ");\n";
    writeExitLabel(loop);
}

/* exitloop -> EXIT (FOR | WHILE | DO) EOL ; leaves the innermost loop of its kind */
void Translator::convertLoopExit() {
    SourceReader& r = reader;
    const BlockKind kind = r.is("FOR") ? BlockKind::For : r.is("WHILE") ? BlockKind::While : BlockKind::Do;
    const std::string word = r.tokenAsWritten;
    size_t target = blocks.size();
    bool crossesBreak = false;
    for (size_t i = blocks.size(); i-- > 0;) {
        const BlockKind open = blocks[i].kind;
        if (open == BlockKind::Function || open == BlockKind::Property) break;
        if (open == kind) {
            target = i;
            break;
        }
        crossesBreak = crossesBreak || takesBreak(blocks[i]);
    }
    if (target == blocks.size()) throw SyntaxError{"EXIT " + upperCase(word) + " is not inside a " + upperCase(word) + " loop."};
    r.nextToken();
    r.expectLineEnd("Expected end of line.");
    if (!crossesBreak) {
        output << r.indent << "break;\n";
        return;
    }
    Block& loop = blocks[target];
    if (loop.exitLabel.empty()) loop.exitLabel = "exitLoop" + std::to_string(++exitLabels);
    output << r.indent << "goto " << loop.exitLabel << ";\n";
}

// After the end of a loop that an EXIT leaves by goto.
void Translator::writeExitLabel(const Block& loop) {
    if (!loop.exitLabel.empty()) output << reader.indent << loop.exitLabel << ":;\n";
}
