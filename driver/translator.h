// The one object that holds the whole state of a plix run. Every pass,
// emitter, translator and lookup is one of its operations; each subsystem
// defines its own group of them in its own folder.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "driver/host.h"
#include "expr/output_buffer.h"
#include "source/source_reader.h"
#include "symbols/records.h"
#include "symbols/symbol_table.h"
#include "symbols/type_kind.h"
#include "symbols/variable_head.h"
#include "symbols/variable_lookup.h"

class Translator {
public:
    explicit Translator(std::ostream& console);
    virtual ~Translator();
    Translator(const Translator&) = delete;
    Translator& operator=(const Translator&) = delete;

    // A block of the module being converted. Blocks close in the order they
    // opened; a closing line that meets another kind still open inside its
    // own block reports and closes that first. The locals and function-
    // pointer types declared inside a block are forgotten when it closes
    // (and at its ELSE or next CASE): the lists go back to the lengths they
    // had when it opened.
    enum class BlockKind { If, While, For, Select, Function, Property, Do };
    struct Block {
        BlockKind kind;
        int32_t line;           // where it opened, for the report of a block left open
        size_t locals;          // localVariables.size() when it opened
        size_t pointerTypes;    // functionPointerTypes.size() when it opened
        bool caseOpen = false;  // SELECT CASE: a CASE body's braces are open
        bool elseSeen = false;  // IF: its ELSE line has been read
        bool testedAtTop = false;  // DO: DO WHILE or DO UNTIL, a C++ while loop
        // A loop that an EXIT leaves with a goto (a break there would leave
        // an inner loop or switch): the label after its end.
        std::string exitLabel;
        bool chained = false;   // a SELECT written as an if/else-if chain (no C++ break applies to it)
    };

    // What the CASE lines of a chained SELECT test: its selector, as each
    // test writes it, and whether it is a String.
    struct CaseChain {
        size_t block;           // its index in `blocks`
        std::string selector;   // empty when the SELECT line failed: its CASEs test nothing
        bool text = false;      // a String selector: the labels are texts
        bool elseSeen = false;  // CASE ELSE has come: no CASE may follow
    };

    // --- driver/: entry point and build -----------------------------------
    // Runs plix on the arguments after the program name; returns the exit
    // status. Fatal stops arrive here as FatalStop.
    int run(const std::vector<std::string>& arguments);
    void readOptions(const std::vector<std::string>& arguments);
    // Steps after the declaration pass: conversion, build decision, deletion.
    int finishRun(const std::string& sourceFile);
    void buildExecutable(std::string cppFileName);
    // The names generated sources include headers under, where these differ
    // from the files written: (include name, header file).
    std::vector<std::pair<std::string, std::string>> headerAliases() const;
    void runTool(const host::Command& command);
    void buildLibrary(std::string cppFileName);
    void deleteGeneratedSources();

    // --- source/: diagnostics and recovery --------------------------------
    void reportDeclarationError(const std::string& message);
    void reportDeclarationErrorAt(const std::string& fileName, int32_t line, int64_t position,
                                  const std::string& message, const std::string& token);
    void reportConversionError(const std::string& message);
    void reportConversionProblem(const std::string& message);
    void skipToStatementEnd();
    // Reads the rest of an ignored statement; reader errors stay errors.
    void skipLine();

    // --- symbols/: the declaration pass -----------------------------------
    void runDeclarationPass(std::string fileName);
    // Opens a module in the reader: the working directory first, then the
    // include directory. False when it is in neither.
    bool openModuleSource(const std::string& fileName);
    std::string includeDirectory() const;
    void declareStatementToken(ModuleRecord& module);
    void declareAfterAccessWord(ModuleRecord& module, int32_t scope, bool hasTypeForm);
    void declareProcedureHeader(ModuleRecord& module, int32_t scope);
    void settleTypeSpellings();
    void markMainProgramRecords();
    void settleNameSpellings();
    void settleLibraryNamespace();
    void settleOverrideSpellings();
    void settleSizeNames();
    // Declaration parsers; each starts on its keyword (the variable parser on
    // the name) and ends on the end-of-line token of its statement.
    void parseVariable(ModuleRecord& module, int32_t scope);
    // Starts on FUNCTION after AS and ends on the token after the shape: its
    // parameters and return type ("void" without AS). Once every type is
    // known (the conversion pass), each is checked and spelled as declared.
    std::shared_ptr<FunctionRecord> parseFunctionPointerShape(bool typesKnown);
    // A module-level function-pointer variable (or class member), alone on
    // its line; registered with the module's functions. Starts on FUNCTION.
    void parseFunctionPointerVariable(ModuleRecord& module, int32_t scope, const VariableHead& head, int32_t line);
    void resolvePendingSizes();
    void resolvePendingValues();
    // An initial value needs a variable that can take one: no object (a
    // class that is not PTR) and, outside a procedure, no TYPE variable.
    void checkInitialValueTarget(const std::string& type, bool isPointer, bool outsideProcedure) const;
    // The C++ text a variable outside a procedure (of that type) starts
    // with: the constant after its "=", as a module of the program means it.
    std::string initialValueText(const ModuleRecord& module, const std::string& type, bool isPointer,
                                 const InitialConstant& value) const;
    int32_t constantArraySize(const ModuleRecord& module, const std::string& name) const;
    FunctionRecord& parseFunctionHeader(ModuleRecord& module, int32_t scope);
    void parseExternalDeclaration(ModuleRecord& module, int32_t scope);
    void parseParameterList(FunctionRecord& function);
    void parseUserType(ModuleRecord& module, int32_t scope);
    void parseConstant(ModuleRecord& module, int32_t scope);
    void parseProperty(ModuleRecord& module, int32_t scope);

    // --- symbols/: lookups; all ignore letter case --------------------------
    // Types.
    // What a variable's type names: a TYPE, a class (typeKinds keeps the last answers).
    TypeKind typeKind(const std::string& type) const;
    bool isKnownType(const std::string& upperName) const;
    bool isTypeName(const std::string& name) const;
    bool isClassName(const std::string& name) const;
    bool isAbstractClass(const std::string& typeName) const;
    TypeRecord* findType(const std::string& name) const;
    VariableRecord* findTypeField(const std::string& typeName, const std::string& field) const;
    // A type name as its declaration spells it (a built-in type as the
    // support header does); any other name unchanged.
    std::string declaredTypeSpelling(const std::string& type) const;
    // Functions, members and properties.
    std::string functionSpelling(const std::string& upperName) const;
    FunctionRecord* findFunction(const std::string& upperName) const;
    FunctionRecord* findModuleFunction(const std::string& name) const;
    FunctionRecord* findMemberFunction(const std::string& className,
                                       const std::string& upperMember) const;
    VariableRecord* findMemberVariable(const std::string& className, const std::string& member) const;
    // Whether the code being translated may name the member variable: a
    // PRIVATE or PROTECTED one only inside its own classes.
    bool reachesMember(const VariableRecord& member) const;
    FunctionRecord* findMemberAccessor(const std::string& className, const std::string& alias) const;
    FunctionRecord* findAccessor(const std::string& alias) const;
    FunctionRecord* findProperty(const std::string& upperKey) const;
    // Variables.
    // Every variable lookup of a name, in one search where they agree.
    VariableLookup lookUpVariable(const std::string& name) const;
    std::string variableType(const std::string& name) const;
    std::string variableStructType(const std::string& name) const;
    std::string declaredVariableName(const std::string& name) const;
    int32_t variableArraySize(const std::string& name) const;
    bool isModuleVariable(const std::string& name) const;
    bool isLocalVariable(const std::string& name) const;
    // The constant a module means by a name: its own, then a plain module's.
    const VariableRecord* findConstant(const ModuleRecord& module, const std::string& name) const;
    // The main program's declarations are in its .cpp alone: another
    // module's C++ cannot see them, so a use there is refused, naming `name`.
    void requireVisible(bool inMainProgram, const std::string& name) const;
    // Refused as above when `type` names a TYPE of the main program.
    void requireVisibleType(const std::string& type) const;
    // A local, parameter or member variable of that name stands where a
    // function of the same name would otherwise be called.
    bool hidesFunction(const std::string& name) const;
    bool isPointerVariable(const std::string& name) const;
    bool isArrayVariable(const std::string& name) const;
    // A BYREF object or TYPE parameter: a pointer that stands for the value.
    bool isAddressParameter(const std::string& name) const;
    // A BYREF parameter of a class or TYPE: declared and passed as a pointer.
    bool passesAddress(const VariableRecord& parameter) const;

    // --- convert/: the conversion pass, one statement at a time -------------
    void convertCurrentModule();
    // An output file that could not be created or written: reported, and
    // the run builds nothing.
    void reportUnwritable(const std::string& fileName);
    void convertStatements();
    void convertStatement();
    void convertAccessWordLine();
    void skipMemberLine();
    void convertEnd();
    void convertSelect();
    void convertCase();
    void convertChainCase(Block& select);
    // The chain of the SELECT block at that index in `blocks`; none for a
    // switch.
    CaseChain* caseChainOf(size_t blockIndex);
    // Blocks (convert/blocks.cpp).
    void openBlock(BlockKind kind);
    Block* closeInnerBlocks(BlockKind kind);
    void closeBlockForUser(const Block& block);
    void closeAllBlocks();
    void endOpenProcedure(const std::string& message);
    Block closeBlock(BlockKind kind, const char* withoutOpening);
    void forgetScope(const Block& block);
    // The chains of SELECT blocks that have closed.
    void dropClosedCaseChains();
    void expectStatementEnd();
    // Control-flow heads; the current token is IF, WHILE or FOR.
    void translateIfCondition();
    void translateWhileCondition();
    void translateForHeader();
    // The condition after WHILE or UNTIL (the current token) of a DO or
    // LOOP line, as C++ text, up to the end of the line.
    std::string translateLoopCondition();
    // One-line IF: IF condition THEN statements [ELSE statements] on one
    // line. The current token is IF.
    bool isOneLineIf() const;
    void convertOneLineIf();
    // What a one-line IF may hold: assignments, calls, EXIT and IF.
    bool startsSimpleStatement() const;
    void convertElseIf();
    // DO ... LOOP and the EXIT of a loop; the current token is DO, LOOP or
    // the word after EXIT.
    void convertDo();
    void convertLoop();
    void convertLoopExit();
    void writeExitLabel(const Block& loop);
    // Plain modules (neither class, API nor interface, and not the main
    // module) and the header that shows them to the modules using them.
    bool isPlainModule(const ModuleRecord& module) const;
    void emitModuleHeader(const ModuleRecord& module);
    // Class headers and inheritance.
    void emitClassHeader(const std::string& fileName);
    void inheritMembers(const std::string& className, const std::string& baseClassName);
    // Data declarations. A variable line writes one declaration per name,
    // each after `prefix`, the next ones on lines of their own.
    void emitVariableDefinition(const std::string& prefix = "");
    // Starts on FUNCTION after AS; registers the type and writes its typedef
    // and the variable (an array of `elements` pointers when above 0), the
    // variable after `prefix`.
    void parseFunctionPointer(const std::string& variableName, int32_t elements = 0, const std::string& prefix = "");
    void emitConstant();
    void emitExternalDeclaration();
    void emitTypeDefinition();
    void emitEarlyDeclarations(const ModuleRecord& module, int32_t headLine);
    // Procedure heads and the program prologue.
    void emitProcedureHeader();
    void emitPropertyHeader();
    void emitModulePrologue(ModuleRecord& module);
    void emitPrologue(const ModuleRecord& module, bool withEntryPoint);
    void emitParameters(const FunctionRecord& function, bool registerLocals);

    // --- expr/: calls, member access, indexes, assignments ------------------
    // Calls and their arguments. The current token is the called name.
    void translateCall(const std::string& expectedType);
    // The function a call of the current token reaches (none when unknown);
    // a statement's call may have its arguments without parentheses.
    FunctionRecord* calledFunction(bool statement = false) const;
    // Of a library function's forms, the one that fits a call with that many
    // arguments (-1: none in parentheses) whose first argument is ahead.
    FunctionRecord* libraryForm(const std::vector<FunctionRecord*>& forms, int32_t arguments);
    // The rest of a call whose name has been written: from the token after it.
    void translateCallArguments(const FunctionRecord& function, bool propertySet);
    // A call statement's arguments without parentheses: from the token after
    // the name to the end of the statement, as "(" args ")".
    void translateStatementArguments(const FunctionRecord& function);
    // An argument for a function-pointer parameter of that C++ type: a
    // function or a function pointer, checked by C++ against the type.
    void translateFunctionPointerArgument(const std::string& pointerType);
    // The argument loop; the member-call translators run it with their own
    // operand rules (memberVariant). toStatementEnd: the arguments of a call
    // statement without parentheses, from the current token on, every
    // parameter given.
    void translateArguments(const FunctionRecord& function, bool memberVariant, bool toStatementEnd = false);
    // Member calls, member access and indexes. A member call or class
    // member follows its object, written already (a member call's empty
    // name: the object starts at the current token and is written first).
    // Member access starts on a TYPE variable, the current token. Each
    // also takes what the caller has looked up already: the object's class
    // (as its module spells it; empty for none) and whether it is PTR; the
    // variable and the name of its TYPE.
    std::string translateMemberCall(const std::string& objectName);
    std::string translateMemberCall(const std::string& className, bool pointer);
    std::string translateConditionMemberCall(const std::string& objectName);
    std::string translateConditionMemberCall(const std::string& className, bool pointer);
    std::string translateMemberAccess(const std::string& expectedType, bool takeAddress);
    std::string translateMemberAccess(const VariableLookup& variable, const std::string& typeName,
                                      const std::string& expectedType, bool takeAddress);
    std::string translateClassMember(const std::string& objectName);
    std::string translateClassMember(const std::string& objectName, const std::string& className, bool pointer);
    void translateIndex();
    // Assignments and function results. The current token is the target:
    // looked up here, or by the caller: `variable`, of a type of that kind.
    void translateAssignment();
    void translateAssignment(const VariableLookup& variable, const TypeKind& kind);
    // The value after "=" of a local's declaration, of that type (PTR when
    // `pointer`): what an assignment takes, up to the end of the statement
    // or a "," before the next name.
    void translateInitialValue(const std::string& type, bool pointer);
    void translateReturnAssignment();

    // --- state, in the order of the run's description ---------------------
    bool prologueWritten = false;
    std::string currentProcedureName;
    // The procedure being converted has a result: EXIT FUNCTION returns 0,
    // "" or no object, as a BASIC function that assigned none does.
    bool procedureReturnsValue = false;
    bool declarationFailed = false;
    int32_t moduleCursor = 1;
    SourceReader reader;
    // Module sources given as text, by file name (tests, the fuzz target):
    // when there are any, modules are looked up here and never on disk.
    std::map<std::string, std::string> sourceTexts;
    std::vector<std::unique_ptr<ModuleRecord>> modules;
    // Module-level arrays sized by a constant's name, sized at the end of
    // the declaration pass (the constant may stand further down, or in a
    // module read later).
    struct PendingSize {
        const ModuleRecord* module;
        std::shared_ptr<VariableRecord> variable;
        std::string name;
        int32_t line, position;
        // An array of function pointers instead of the variable.
        std::shared_ptr<FunctionRecord> pointer = nullptr;
    };
    std::vector<PendingSize> pendingSizes;
    // The initial values of module variables and class members, checked at
    // the end of the declaration pass (a constant may stand further down).
    struct PendingValue {
        const ModuleRecord* module;
        std::shared_ptr<VariableRecord> variable;
        InitialConstant value;
    };
    std::vector<PendingValue> pendingValues;
    // Every lookup of the lists above; told when they change.
    SymbolTable symbols{*this};
    mutable TypeKindMemo typeKinds;
    bool insideProcedure = false;
    std::vector<std::shared_ptr<VariableRecord>> localVariables;
    std::vector<std::shared_ptr<FunctionRecord>> functionPointerTypes;
    std::vector<int32_t> procedureStack;
    // The blocks open in the module being converted, innermost last.
    std::vector<Block> blocks;
    // The chained SELECT blocks among them, innermost last.
    std::vector<CaseChain> caseChains;
    std::vector<std::string> resources;
    ModuleRecord* currentModule = nullptr;
    // The generated file being written (a module's .cpp or .h).
    OutputBuffer output;
    bool hasErrors = false;
    // A tool of the build step could not be started or failed.
    bool toolFailed = false;

    // Options from the command line.
    bool libraryMode = false;
    bool keepSource = true;
    bool convertOnly = false;
    bool skipConversion = false;

    // Where banner, progress lines and diagnostics go (standard output).
    std::ostream& console;
    // The module the declaration pass is reading; named in its reports.
    ModuleRecord* scannedModule = nullptr;
    // How deeply the expression translators are nested in each other.
    int32_t expressionDepth = 0;
    // A library form is being chosen: calls read ahead meanwhile take
    // their first form, so that choosing never recurses.
    bool choosingLibraryForm = false;
    // The last procedure head was pure virtual: its END FUNCTION, if any,
    // closes nothing.
    bool afterPureVirtualHead = false;
    // Labels after loops that an EXIT leaves by goto, numbered per run.
    int32_t exitLabels = 0;
};

// File-name rule for every derived name (.cpp, .h, .exe, .lib, .obj).
std::string stripExtension(const std::string& name);
std::string changeExtension(const std::string& name, const std::string& extension);
