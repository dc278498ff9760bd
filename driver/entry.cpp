// The order of a run: banner, options, declaration pass, conversion of every
// module, then the decision whether and what to build.
#include <ostream>

#include "driver/translator.h"
#include "source/syntax_error.h"

void Translator::readOptions(const std::vector<std::string>& arguments) {
    // Exact, case-sensitive matches; the first argument counts too.
    for (const std::string& argument : arguments) {
        if (argument == "-l") libraryMode = true;
        if (argument == "-s") keepSource = false;
        if (argument == "-c") convertOnly = true;
        if (argument == "-r") skipConversion = true;
    }
}

int Translator::run(const std::vector<std::string>& arguments) {
    console << "plix - basic to c++\n";
    if (arguments.empty()) {
        console << "usage: plix [basic source files] -[options] \n"
                << "options:\n"
                << "\t-s: delete cpp source.\n"
                << "\t-c: convert only. do not compile.\n"
                << "\t-l: create library.\n"
                << "\t-r: skip conversion and compile existing cpp source.\n";
        console.flush();
        return 0;
    }
    readOptions(arguments);
    const std::string& sourceFile = arguments.front();
    console << "parsing " << sourceFile << "\n";
    console.flush();
    try {
        runDeclarationPass(sourceFile);
        if (declarationFailed) {
            console << "unable to continue translating. Required function, declare, type or "
                       "variable failed to parse.\n";
            console.flush();
            return 1;
        }
        return finishRun(sourceFile);
    } catch (const FatalStop& stop) {
        console << stop.message;
        console.flush();
        return stop.status;
    }
}

int Translator::finishRun(const std::string& sourceFile) {
    if (!skipConversion) {
        // The list may grow while converting: its size is read every time.
        for (size_t i = 0; i < modules.size(); ++i) {
            currentModule = modules[i].get();
            console << "converting module: " << currentModule->fileName << "\n";
            console.flush();
            convertCurrentModule();
        }
        if (!modules.empty()) currentModule = modules.front().get();
    }

    const std::string cppFileName = changeExtension(sourceFile, "cpp");
    const ModuleRecord* first = currentModule;
    if (first && first->isApiModule) {
        console << "API Module converted. Nothing to compile.\n";
    } else if (hasErrors || declarationFailed) {
        console << "compile aborted. File has errors.\n";
    } else if (first && first->isClassModule) {
        console << "Class Module converted. Nothing to compile.\n";
    } else if (first && first->isInterfaceModule) {
        console << "Interface module. Nothing to be done.\n";
    } else if (libraryMode) {
        if (!convertOnly) {
            console << "compiling library " << changeExtension(cppFileName, "lib") << "\n";
            console.flush();
            buildLibrary(cppFileName);
        }
    } else if (!convertOnly) {
        console << "compiling " << cppFileName << "\n";
        console.flush();
        buildExecutable(cppFileName);
    }
    console.flush();

    if (!keepSource) deleteGeneratedSources();
    // Errors and failed tools are a failed run, for make and scripts alike.
    return hasErrors || declarationFailed || toolFailed ? 1 : 0;
}
