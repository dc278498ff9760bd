// Finding a module's source file: the working directory, then BasicInclude.
#include "driver/host.h"
#include "driver/install_paths.h"
#include "driver/translator.h"

std::string Translator::includeDirectory() const {
    // The BasicInclude folder beside the bin folder that holds plix.
    std::string dir = programDirectory();
    dir = dir.size() >= 4 ? dir.substr(0, dir.size() - 4) : std::string();
    return dir + "\\BasicInclude\\";
}

bool Translator::openModuleSource(const std::string& fileName) {
    // Sources given as text stand for the whole file system.
    if (!sourceTexts.empty()) {
        for (const auto& [name, text] : sourceTexts)
            if (upperCase(name) == upperCase(fileName)) return reader.openText(text);
        return false;
    }
    if (reader.open(host::findFile(host::nativePath(fileName)))) return true;
    reader.close();
    std::string included = host::nativePath(includeDirectory() + fileName);
    if (reader.open(host::findFile(included))) return true;
    reader.close();
    return false;
}
