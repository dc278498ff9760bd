// The file-name rule behind every derived name (.cpp, .h, .exe, .lib, .obj).
#include "driver/translator.h"

std::string stripExtension(const std::string& name) {
    // Walk back to the second character; the first is never examined, so a
    // name that begins with its only dot keeps it.
    for (size_t i = name.size(); i-- > 1;) {
        char c = name[i];
        if (c == '.') return name.substr(0, i);
        if (c == '/' || c == '\\') return name;
    }
    return name;
}

std::string changeExtension(const std::string& name, const std::string& extension) {
    return stripExtension(name) + "." + extension;
}
