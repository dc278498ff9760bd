// The conversion pass's statement table. Every statement is tested against
// the rows from the top; a row whose keyword (or test) holds runs its
// handler, and then either the statement is done or the following rows test
// whatever token the handler left current. Which rows go on decides the
// blank lines of the output: DIM, EXIT FUNCTION and the access-word lines
// leave their end-of-line token to the blank-line row at the bottom.
#include <array>
#include <iterator>
#include <string_view>

#include "driver/translator.h"
#include "expr/operand.h"
#include "source/characters.h"
#include "source/syntax_error.h"

namespace {

enum class Then { NextRow, Done };

// What the statement's first token names: looked up once, when the first
// row that asks needs it, for the rows below and the assignment handler.
class FirstToken {
public:
    explicit FirstToken(const Translator& t) : t_(t) {}

    const VariableLookup& variable() {
        if (!looked_) {
            variable_ = t_.lookUpVariable(t_.reader.token);
            kind_ = t_.typeKind(variable_.type());
            looked_ = true;
        }
        return variable_;
    }
    // What its variable's type names.
    const TypeKind& kind() {
        variable();
        return kind_;
    }
    // A handler read on: the rows below test another token.
    void forget() { looked_ = false; }

private:
    const Translator& t_;
    bool looked_ = false;
    VariableLookup variable_;
    TypeKind kind_;
};

struct Row {
    std::string_view keyword;                      // the token, upper case; or empty:
    bool (*test)(const Translator&, FirstToken&);  // a test of the current token
    void (*handle)(Translator&, FirstToken&);
    Then then;
};

// Inside a procedure its own name, in any letter case, starts either the
// function result or a call of itself, whatever another module declares
// under that name.
bool isOwnName(const Translator& t) {
    return t.insideProcedure && !t.currentProcedureName.empty() && sameName(t.reader.token, t.currentProcedureName);
}
bool isOwnNameRow(const Translator& t, FirstToken&) { return isOwnName(t); }

/* classline -> CLASS name [EXTENDS base] */
void classLine(Translator& t, FirstToken&) {
    SourceReader& r = t.reader;
    ModuleRecord& module = *t.currentModule;
    r.nextToken();
    if (r.lineEnded) throw SyntaxError{"expected class identifier name."};
    // A module is one class: a second CLASS line would write the header and
    // append the base's members once more for every line.
    if (module.classLineConverted) throw SyntaxError{"A module declares one class only."};
    module.classLineConverted = true;
    t.output << "#include \"" << r.tokenAsWritten << ".h\"\n";
    t.emitClassHeader(module.fileName);
    r.nextToken();
    if (!r.is("EXTENDS")) {
        r.pushBack();
    } else {
        r.nextToken();
        if (!t.isClassName(r.token)) throw FatalStop{r.token + " is not a class!\n Unable to continue.", 1};
        r.nextToken();
    }
    t.inheritMembers(module.className, module.baseClassName);
}

/* dim -> DIM variable ; a class's members are declared by its header */
void dim(Translator& t, FirstToken&) {
    if (t.currentModule->isClassModule && !t.insideProcedure) return t.skipMemberLine();
    t.reader.nextToken();
    t.output << t.reader.indent;
    t.emitVariableDefinition();
    t.output << ";\n";
}

/* exit -> EXIT FUNCTION */
void exitFunction(Translator& t, FirstToken&) {
    SourceReader& r = t.reader;
    r.nextToken();
    r.expect("FUNCTION", "Expected \"Function\"");
    t.output << r.indent << (t.procedureReturnsValue ? "return {};\n" : "return;\n");
    r.nextToken();
    r.expectLineEnd("Expected end of line.");
}

void accessWordLine(Translator& t, FirstToken&) { t.convertAccessWordLine(); }

void procedureHead(Translator& t, FirstToken&) {
    t.output << t.reader.indent;
    t.emitProcedureHeader();
}

void select(Translator& t, FirstToken&) { t.convertSelect(); }
void caseLabel(Translator& t, FirstToken&) { t.convertCase(); }
void endLine(Translator& t, FirstToken&) { t.convertEnd(); }

void ifHead(Translator& t, FirstToken&) {
    if (t.isOneLineIf()) return t.convertOneLineIf();
    t.openBlock(Translator::BlockKind::If);
    t.output << t.reader.indent;
    t.translateIfCondition();
    t.output << "{\n";
}

void elseLine(Translator& t, FirstToken&) {
    SourceReader& r = t.reader;
    Translator::Block* block = t.closeInnerBlocks(Translator::BlockKind::If);
    if (!block) throw SyntaxError{"ELSE without IF."};
    if (block->elseSeen) throw SyntaxError{"ELSE after ELSE: an IF has one ELSE part."};
    block->elseSeen = true;
    t.forgetScope(*block);
    const std::string& indent = r.indent;
    t.output << indent << "}\n" << indent << "else\n" << indent << "{\n";
    r.expectNextLineEnd("Expected end of line.");
}

void elseIfLine(Translator& t, FirstToken&) { t.convertElseIf(); }
void doHead(Translator& t, FirstToken&) { t.convertDo(); }
void loopLine(Translator& t, FirstToken&) { t.convertLoop(); }

// EXIT FOR, EXIT WHILE or EXIT DO; EXIT FUNCTION has a row of its own.
bool isLoopExit(const Translator& t, FirstToken&) {
    if (!t.reader.is("EXIT")) return false;
    const std::string_view ahead = skipBlanks(t.reader.textAhead());
    return isWordAt(ahead, 0, "FOR") || isWordAt(ahead, 0, "WHILE") || isWordAt(ahead, 0, "DO");
}

void loopExit(Translator& t, FirstToken&) {
    t.reader.nextToken();
    t.convertLoopExit();
}

void whileHead(Translator& t, FirstToken&) {
    t.openBlock(Translator::BlockKind::While);
    t.output << t.reader.indent;
    t.translateWhileCondition();
    t.output << "{\n";
}

void skipWholeLine(Translator& t, FirstToken&) { t.skipLine(); }

void constant(Translator& t, FirstToken&) {
    t.output << t.reader.indent;
    t.emitConstant();
}

void declare(Translator& t, FirstToken&) { t.emitExternalDeclaration(); }
void define(Translator& t, FirstToken&) { t.emitConstant(); }

void userType(Translator& t, FirstToken&) {
    t.output << t.reader.indent;
    t.emitTypeDefinition();
}

// The tests of the rows below run for every statement: they share the
// first token's lookups, and the assignment is handed what they found.
bool isTypeVariable(const Translator& t, FirstToken& first) {
    const TypeRecord* type = first.kind().structType;
    return type && !type->name.empty() && !isOwnName(t);
}

void assignment(Translator& t, FirstToken& first) {
    t.output << t.reader.indent;
    t.translateAssignment(first.variable(), first.kind());
    t.expectStatementEnd();
    t.output << ";\n";
}

/* resource -> USINGRESOURCE name */
void usingResource(Translator& t, FirstToken&) {
    SourceReader& r = t.reader;
    r.nextToken();
    // The name reaches the resource compiler's command line.
    if (!isPlainName(r.tokenAsWritten)) throw SyntaxError{"Expected resource name."};
    t.output << "#include \"" << r.tokenAsWritten << ".h\"\n";
    t.resources.push_back(r.tokenAsWritten);
    // The rest of the line is ignored, whatever ":"s it holds.
    t.skipLine();
    while (!r.atEof && r.endedBy != SourceReader::End::Line) {
        r.nextToken();
        t.skipLine();
    }
}

/* using -> USING name ; a class header includes the modules its class uses */
void usingModule(Translator& t, FirstToken&) {
    SourceReader& r = t.reader;
    if (t.currentModule->isClassModule) return t.skipLine();
    r.nextToken();
    t.output << "#include \"" << r.token << ".h\"";
    r.nextToken();
    r.expectLineEnd("Expected end of line.");
    t.output << ";" << "\n";
    t.output.flush();
}

void forHead(Translator& t, FirstToken&) {
    t.openBlock(Translator::BlockKind::For);
    t.output << t.reader.indent;
    t.translateForHeader();
    t.output << t.reader.indent << "{\n";
}

/* next -> NEXT variable ; the loop's braces end what was declared inside */
void nextLine(Translator& t, FirstToken&) {
    SourceReader& r = t.reader;
    r.nextToken();
    if (t.variableType(r.token).empty()) throw SyntaxError{"Unknown loop identifier."};
    const Translator::Block loop = t.closeBlock(Translator::BlockKind::For, "NEXT without FOR.");
    t.output << r.indent << "}//closing loop\n";
    t.writeExitLabel(loop);
    r.expectNextLineEnd("Expected end of line.");
}

void wend(Translator& t, FirstToken&) {
    SourceReader& r = t.reader;
    const Translator::Block loop = t.closeBlock(Translator::BlockKind::While, "WEND without WHILE.");
    t.output << r.indent << "}\n";
    t.writeExitLabel(loop);
    r.nextToken();
    r.expectLineEnd("Expected end of line.");
}

bool isCall(const Translator& t, FirstToken& first) {
    // A local hides any function of its name.
    if (first.variable().local) return false;
    // A token is upper case: functionSpelling would give the record's name.
    const FunctionRecord* function = t.findFunction(t.reader.token);
    return function && !function->name.empty() && !isOwnName(t) && !t.hidesFunction(t.reader.token);
}

void callStatement(Translator& t, FirstToken&) {
    t.output << t.reader.indent;
    const std::string_view ahead = skipBlanks(t.reader.textAhead());
    const bool parenthesised = !ahead.empty() && ahead[0] == '(';
    const std::string name = t.reader.tokenAsWritten;
    t.translateCall("");
    // Print (a) & b: the parentheses after the name are the call's own.
    if (parenthesised && !t.reader.lineEnded && !t.reader.atEof && (t.reader.isOperator || t.reader.is("&")))
        throw SyntaxError{"The parentheses after " + name + " hold all its arguments: write " + name +
                          "((...) " + t.reader.tokenAsWritten + " ...)."};
    t.expectStatementEnd();
    t.output << ";\n";
}

void result(Translator& t, FirstToken&) {
    t.output << t.reader.indent;
    t.translateReturnAssignment();
    t.expectStatementEnd();
    t.output << ";\n";
}

bool isVariable(const Translator&, FirstToken& first) { return !first.variable().type().empty(); }

// The declaration pass has used the marker; the rest of its line is ignored
// there as well, and the line still ends like any other.
void marker(Translator& t, FirstToken&) {
    t.skipLine();
    if (t.reader.lineEnded) t.output << "\n";
}

bool isLineEnd(const Translator& t, FirstToken&) { return t.reader.lineEnded; }
// Only where a line of the source ends: not after a ":" nor inside a one-line IF.
void blankLine(Translator& t, FirstToken&) {
    if (t.reader.endedBy == SourceReader::End::Line && t.reader.elseEndsStatement == 0) t.output << "\n";
}

bool isEmpty(const Translator& t, FirstToken&) { return t.reader.token.empty(); }
void nothing(Translator&, FirstToken&) {}

bool anything(const Translator&, FirstToken&) { return true; }
void unknownStatement(Translator& t, FirstToken&) {
    refuseMemberOfClassName(t);
    throw SyntaxError{"Syntax Error."};
}

constexpr Row statementRows[] = {
    {"CLASS", nullptr, classLine, Then::NextRow},
    {"DIM", nullptr, dim, Then::NextRow},
    {{}, isLoopExit, loopExit, Then::Done},
    {"EXIT", nullptr, exitFunction, Then::NextRow},
    {"PUBLIC", nullptr, accessWordLine, Then::NextRow},
    {"PRIVATE", nullptr, accessWordLine, Then::NextRow},
    {"PROTECTED", nullptr, accessWordLine, Then::NextRow},
    {"FUNCTION", nullptr, procedureHead, Then::Done},
    {"SELECT", nullptr, select, Then::Done},
    {"CASE", nullptr, caseLabel, Then::Done},
    {"IF", nullptr, ifHead, Then::Done},
    {"ELSE", nullptr, elseLine, Then::Done},
    {"ELSEIF", nullptr, elseIfLine, Then::Done},
    {"WHILE", nullptr, whileHead, Then::Done},
    {"DO", nullptr, doHead, Then::Done},
    {"LOOP", nullptr, loopLine, Then::Done},
    {"END", nullptr, endLine, Then::Done},
    {"APPTYPE", nullptr, skipWholeLine, Then::Done},
    {"CONST", nullptr, constant, Then::Done},
    {"DECLARE", nullptr, declare, Then::Done},
    {"DEFINE", nullptr, define, Then::Done},
    {"TYPE", nullptr, userType, Then::Done},
    {{}, isTypeVariable, assignment, Then::Done},
    {"USINGRESOURCE", nullptr, usingResource, Then::Done},
    {"USING", nullptr, usingModule, Then::Done},
    {"FOR", nullptr, forHead, Then::Done},
    {"NEXT", nullptr, nextLine, Then::Done},
    {"WEND", nullptr, wend, Then::Done},
    {{}, isCall, callStatement, Then::Done},
    {{}, isOwnNameRow, result, Then::Done},
    {{}, isVariable, assignment, Then::Done},
    {"INTERFACEAPI", nullptr, marker, Then::Done},
    {"INTERFACESKIP", nullptr, marker, Then::Done},
    {"INTERFACEIGNORE", nullptr, marker, Then::Done},
    {{}, isLineEnd, blankLine, Then::Done},
    {{}, isEmpty, nothing, Then::Done},
    {{}, anything, unknownStatement, Then::Done},
};

// The shapes of the rows' keywords: most statements start with a name no
// keyword has the length and first letter of, and pass the keyword rows
// without a comparison.
constexpr SourceReader::TokenShapes rowKeywordShapes() {
    SourceReader::TokenShapes shapes;
    for (const Row& row : statementRows)
        if (!row.keyword.empty()) shapes.add(row.keyword);
    return shapes;
}
constexpr SourceReader::TokenShapes rowKeywords = rowKeywordShapes();

bool mayBeRowKeyword(const SourceReader& r) { return rowKeywords.has(r.token.data(), r.token.size()); }

// For each row, the first row from there on that has a test: a statement
// without a keyword's shape goes from test to test. The last row has one.
constexpr size_t rowCount = std::size(statementRows);
constexpr std::array<size_t, rowCount> nextTestRows() {
    std::array<size_t, rowCount> next{};
    size_t test = rowCount - 1;
    for (size_t i = rowCount; i-- > 0;) {
        if (statementRows[i].test) test = i;
        next[i] = test;
    }
    return next;
}
constexpr std::array<size_t, rowCount> nextTestRow = nextTestRows();

}  // namespace

// Every statement but the keyword lines, which open or close blocks or
// declare something; EXIT and a one-line IF are simple too.
bool Translator::startsSimpleStatement() const {
    if (reader.is("EXIT")) return true;
    if (reader.is("IF")) return isOneLineIf();
    for (const Row& row : statementRows)
        if (!row.keyword.empty() && reader.token == row.keyword) return false;
    return true;
}

void Translator::convertStatement() {
    bool keywordShape = mayBeRowKeyword(reader);
    FirstToken first(*this);
    for (size_t i = 0; i < rowCount; ++i) {
        if (!keywordShape) i = nextTestRow[i];
        const Row& row = statementRows[i];
        const bool applies = row.test ? row.test(*this, first) : reader.token == row.keyword;
        if (!applies) continue;
        row.handle(*this, first);
        if (row.then == Then::Done) return;
        // The handler has read on: the rows below test the token it left.
        keywordShape = mayBeRowKeyword(reader);
        first.forget();
    }
}
