// Building the generated sources with the MinGW tool chain: resources with
// windres, the program and its class and plain modules with g++, or a
// library with ar. Every command is printed or run exactly as its text
// reads; the host layer runs it.
#include <ostream>

#include "driver/host.h"
#include "driver/install_paths.h"
#include "driver/translator.h"

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) { return upperCase(a) == upperCase(b); }

}  // namespace

// Headers are included under the class name and the USING names as written,
// while they are written under the module's file name.
std::vector<std::pair<std::string, std::string>> Translator::headerAliases() const {
    std::vector<std::pair<std::string, std::string>> aliases;
    auto add = [&aliases](const std::string& name, const std::string& header) {
        if (!isPlainName(name) || name + ".h" == header) return;
        for (const auto& alias : aliases)
            if (alias.first == name + ".h") return;
        aliases.push_back({name + ".h", header});
    };
    for (const auto& module : modules) {
        const bool writesHeader =
            module->isClassModule || module->isApiModule || module->interfaceSkip || isPlainModule(*module);
        if (!writesHeader) continue;
        const std::string header = changeExtension(module->fileName, "h");
        if (module->isClassModule) add(module->className, header);
        for (const auto& user : modules)
            for (const std::string& used : user->usedModules)
                if (sameIgnoringCase(used + ".BAS", module->fileName)) {
                    add(used, header);
                    add(upperCase(used), header);
                }
    }
    return aliases;
}

// A tool that cannot start or fails makes the run fail; the build goes on
// with its remaining steps, as their commands would on their own.
void Translator::runTool(const host::Command& command) {
    if (!host::runCommand(command, console)) toolFailed = true;
}

void Translator::buildExecutable(std::string cppFileName) {
    const std::string install = installDirectory();
    std::string resourceList;
    std::vector<std::string> resourceArguments;
    for (const std::string& r : resources) {
        runTool({"windres.exe " + std::string(" ") + r + ".rc" + " -O COFF -o" + r + ".res",
                 {"windres.exe", r + ".rc", "-O", "COFF", "-o" + r + ".res"}});
        resourceList += r + ".res ";
        resourceArguments.push_back(r + ".res");
    }

    host::Command compile{"g++ ", {"g++"}};
    for (const auto& module : modules) {
        const bool classModule = module->isClassModule && !module->interfaceSkip;
        if (!classModule && !isPlainModule(*module)) continue;
        compile.text += module->cppFileName + " ";
        compile.arguments.push_back(module->cppFileName);
    }
    compile.text += cppFileName;
    compile.arguments.push_back(cppFileName);
    compile.text += " -L" + install + "BasicLibs";
    compile.text += " -I" + install + "BasicInclude";
    compile.arguments.push_back("-L" + install + "BasicLibs");
    compile.arguments.push_back("-I" + install + "BasicInclude");
    if (resourceList.empty()) {
        resourceList = install + "bin\\AppIcon.res ";
        resourceArguments.push_back(install + "bin\\AppIcon.res");
    }
    compile.text += " -lwsock32 -lKelbrun -lQuillkit " + resourceList;
    for (const char* library : {"-lwsock32", "-lKelbrun", "-lQuillkit"}) compile.arguments.push_back(library);
    compile.arguments.insert(compile.arguments.end(), resourceArguments.begin(), resourceArguments.end());
    compile.text += " -mwindows -Wall -s -g2 -O0 -fno-rtti -fno-exceptions -fpermissive -w -o";
    compile.text += changeExtension(cppFileName, "exe") + "\n";
    for (const char* option : {"-mwindows", "-Wall", "-s", "-g2", "-O0", "-fno-rtti", "-fno-exceptions",
                               "-fpermissive", "-w"})
        compile.arguments.push_back(option);
    compile.arguments.push_back("-o" + changeExtension(cppFileName, "exe"));

    std::vector<std::string> aliasArguments = host::prepareHeaderAliases(headerAliases());
    compile.arguments.insert(compile.arguments.begin() + 1, aliasArguments.begin(), aliasArguments.end());
    console << "Calling compiler: " << compile.text << "\n";
    console.flush();
    runTool(compile);
    host::removeHeaderAliases();
}

void Translator::buildLibrary(std::string cppFileName) {
    const std::string install = installDirectory();
    const std::string libraryName = changeExtension(cppFileName, "lib");
    host::Command archive{"ar.exe -r " + libraryName + " ", {"ar.exe", "-r", libraryName}};
    std::vector<std::string> aliasArguments = host::prepareHeaderAliases(headerAliases());
    // The first module only names the library; the modules it uses make it.
    for (size_t i = 1; i < modules.size(); ++i) {
        const ModuleRecord& module = *modules[i];
        const std::string objectName = changeExtension(module.cppFileName, "obj");
        host::Command compile{"g++ " + module.cppFileName + " -I" + install + "BasicInclude" +
                                  " -O2 -fpermissive -w -DWIN32 -DNDEBUG -D_MBCS -D_LIB -c -o " + objectName + "\n",
                              {"g++", module.cppFileName, "-I" + install + "BasicInclude", "-O2", "-fpermissive",
                               "-w", "-DWIN32", "-DNDEBUG", "-D_MBCS", "-D_LIB", "-c", "-o", objectName}};
        compile.arguments.insert(compile.arguments.begin() + 1, aliasArguments.begin(), aliasArguments.end());
        if (module.interfaceSkip || module.isApiModule || module.isInterfaceModule) continue;
        archive.text += objectName + " ";
        archive.arguments.push_back(objectName);
        console << "creating: " << objectName << "\n";
        console.flush();
        runTool(compile);
    }
    host::removeHeaderAliases();
    runTool(archive);
}

void Translator::deleteGeneratedSources() {
    for (const auto& module : modules) {
        if (module->isInterfaceModule) continue;
        if (module->isApiModule || module->interfaceSkip || module->isClassModule || isPlainModule(*module))
            host::deleteFile(changeExtension(module->fileName, "h"), console);
        if (!module->isApiModule && !module->interfaceSkip)
            host::deleteFile(changeExtension(module->fileName, "cpp"), console);
    }
}
