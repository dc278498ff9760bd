// libFuzzer target: one whole convert-only translation of one input, in
// process. The input is the main program; after a line "@@" the rest is a
// second module, SECOND.BAS, which the program may USE. The Quillkit module
// is the real one from runtime/BasicInclude. Sources are given as text, so
// no file but the generated ones is touched, and those go to a scratch
// folder that is emptied after every input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include <unistd.h>

#include "driver/translator.h"

namespace fs = std::filesystem;

namespace {

std::string quillkit;
fs::path scratch;

std::string readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A file name plix may write: a plain name in the working folder.
bool staysInFolder(const std::string& name) {
    if (name.empty() || name.find_first_of("/\\:\"'|<>*?$`;&") != std::string::npos) return false;
    return name.find("..") == std::string::npos;
}

// What the run left in the scratch folder; every finding here is a fault.
void checkAndEmptyScratch() {
    for (const fs::directory_entry& entry : fs::directory_iterator(scratch)) {
        if (!entry.is_regular_file()) {
            std::fprintf(stderr, "plix made something other than a file: %s\n", entry.path().c_str());
            std::abort();
        }
        fs::remove(entry.path());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quillkit = readWhole(PLIX_QUILLKIT_SOURCE);
    if (quillkit.empty()) {
        std::fprintf(stderr, "cannot read %s\n", PLIX_QUILLKIT_SOURCE);
        std::abort();
    }
    // One folder per process: libFuzzer's fork mode runs several at once.
    const char* folder = std::getenv("PLIX_FUZZ_SCRATCH");
    scratch = (folder ? fs::path(folder) : fs::temp_directory_path()) / ("plix-fuzz-" + std::to_string(::getpid()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Entered on the first input, not at start: in fork mode the parent
    // process starts its workers from the folder it was started in.
    static const bool inScratch = [] {
        fs::create_directories(scratch);
        fs::current_path(scratch);
        return true;
    }();
    (void)inScratch;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find("\n@@\n");
    std::ostringstream console;
    {
        Translator t(console);
        t.sourceTexts["prog.bas"] = std::string(input.substr(0, split));
        if (split != std::string_view::npos) t.sourceTexts["SECOND.BAS"] = std::string(input.substr(split + 4));
        t.sourceTexts["Quillkit.BAS"] = quillkit;
        const int status = t.run({"prog.bas", "-c"});
        // Convert-only: no tool runs, and the status says whether errors were reported.
        if (status != 0 && status != 1) {
            std::fprintf(stderr, "unexpected exit status %d\n", status);
            std::abort();
        }
        if (t.toolFailed) std::abort();
        for (const auto& module : t.modules)
            // A module not converted yet has no output name.
            if ((!module->cppFileName.empty() && !staysInFolder(module->cppFileName)) ||
                !staysInFolder(module->fileName)) {
                std::fprintf(stderr, "output name leaves the folder: %s\n", module->cppFileName.c_str());
                std::abort();
            }
        for (const std::string& resource : t.resources)
            if (!staysInFolder(resource)) std::abort();
    }
    checkAndEmptyScratch();
    return 0;
}
