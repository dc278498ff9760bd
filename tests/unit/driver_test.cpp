// The file-name rule, the installation paths and the entry point's decisions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "driver/install_paths.h"
#include "driver/translator.h"
#include "test_files.h"

namespace {

TEST(FileNames, ChangeExtension) {
    struct Case {
        const char* name;
        const char* result;
    } cases[] = {
        {"prog.bas", "prog.cpp"},         {"prog", "prog.cpp"},
        {"a.b.bas", "a.b.cpp"},           {"old.dir\\prog", "old.dir\\prog.cpp"},
        {"old.dir/prog", "old.dir/prog.cpp"}, {"prog.", "prog.cpp"},
        {".bas", ".bas.cpp"},             {"", ".cpp"},
        {"d\\x.bas", "d\\x.cpp"},         {"x", "x.cpp"},
    };
    for (const Case& c : cases) EXPECT_EQ(changeExtension(c.name, "cpp"), c.result) << c.name;
    EXPECT_EQ(stripExtension("game.cpp"), "game");
    EXPECT_EQ(changeExtension("game.cpp", "lib"), "game.lib");
}

TEST(InstallPaths, ProgramAndInstallDirectory) {
    struct Case {
        const char* path;
        char separator;
        const char* programDir;
        const char* installDir;
    } cases[] = {
        {"D:\\tools\\bin\\plix.exe", '\\', "D:\\tools\\bin", "D:\\tools\\"},
        {"/opt/plix/bin/plix", '/', "/opt/plix/bin", "/opt/plix/"},
        {"\\plix.exe", '\\', "", ""},
        {"plix.exe", '\\', "plix.exe", "plix."},
        {"/a/b", '/', "/a", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(directoryOfProgram(c.path, c.separator), c.programDir) << c.path;
        EXPECT_EQ(installDirectoryOf(directoryOfProgram(c.path, c.separator)), c.installDir) << c.path;
    }
}

TEST(InstallPaths, RunningProgramIsFound) {
    std::string dir = programDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.find('\\'), std::string::npos);
    EXPECT_EQ(installDirectory(), dir.substr(0, dir.size() - 3));
}

TEST(Options, ExactMatchesAnywhereIncludingFirst) {
    std::ostringstream out;
    Translator t(out);
    t.readOptions({"-c", "-l", "-S", "-lib", "x.bas", "-r"});
    EXPECT_TRUE(t.convertOnly);
    EXPECT_TRUE(t.libraryMode);
    EXPECT_TRUE(t.keepSource);
    EXPECT_TRUE(t.skipConversion);
    Translator u(out);
    u.readOptions({"p.bas", "-s", "-C", "-R"});
    EXPECT_FALSE(u.keepSource);
    EXPECT_FALSE(u.convertOnly);
    EXPECT_FALSE(u.skipConversion);
    EXPECT_FALSE(u.libraryMode);
}

// What the entry point prints once the passes are over, for each kind of
// first module, error flag and option.
struct DecisionCase {
    const char* name;
    bool api, classModule, interfaceModule, hasErrors, library, convertOnly, skipConversion;
    std::string printed;
};

void PrintTo(const DecisionCase& c, std::ostream* os) { *os << c.name; }

class Decisions : public ::testing::TestWithParam<DecisionCase> {};

// The build step runs stand-ins of the cross tools that only log their calls.
class FakeTools {
public:
    explicit FakeTools(const TempDir& dir) : path_(std::getenv("PATH") ? std::getenv("PATH") : "") {
        setenv("PATH", (std::string(PLIX_FAKE_TOOLS_DIR) + ":" + path_).c_str(), 1);
        setenv("PLIX_TOOL_LOG", dir.file("tools.log").c_str(), 1);
    }
    ~FakeTools() {
        setenv("PATH", path_.c_str(), 1);
        unsetenv("PLIX_TOOL_LOG");
    }

private:
    std::string path_;
};

TEST_P(Decisions, PrintsTheFirstThatHolds) {
    const DecisionCase& c = GetParam();
    TempDir dir;
    dir.write("prog.bas", "");
    InDirectory inside(dir.path());
    FakeTools tools(dir);
    std::ostringstream out;
    Translator t(out);
    t.modules.push_back(std::make_unique<ModuleRecord>());
    t.modules.back()->fileName = "prog.bas";
    t.modules.push_back(std::make_unique<ModuleRecord>("Quillkit.BAS"));
    t.modules.back()->isInterfaceModule = true;
    t.currentModule = t.modules.front().get();
    t.currentModule->isApiModule = c.api;
    t.currentModule->isClassModule = c.classModule;
    t.currentModule->isInterfaceModule = c.interfaceModule;
    t.hasErrors = c.hasErrors;
    t.libraryMode = c.library;
    t.convertOnly = c.convertOnly;
    t.skipConversion = c.skipConversion;
    // Errors make a failed run, whatever else is printed.
    EXPECT_EQ(t.finishRun("prog.bas"), c.hasErrors ? 1 : 0);
    std::string printed = c.printed;
    const std::string compile = "Calling compiler: g++ prog.cpp -L" + installDirectory() + "BasicLibs -I" +
                                installDirectory() + "BasicInclude -lwsock32 -lKelbrun -lQuillkit " +
                                installDirectory() + "bin\\AppIcon.res  -mwindows -Wall -s -g2 -O0 -fno-rtti " +
                                "-fno-exceptions -fpermissive -w -oprog.exe\n\n";
    if (printed.size() >= 19 && printed.compare(printed.size() - 19, 19, "compiling prog.cpp\n") == 0)
        printed += compile;
    EXPECT_EQ(out.str(), printed);
    EXPECT_EQ(t.currentModule, t.modules.front().get());
}

const std::string converting = "converting module: prog.bas\nconverting module: Quillkit.BAS\n";

const DecisionCase decisionCases[] = {
    {"Executable", false, false, false, false, false, false, false, converting + "compiling prog.cpp\n"},
    {"Library", false, false, false, false, true, false, false,
     converting + "compiling library prog.lib\n"},
    {"ConvertOnly", false, false, false, false, false, true, false, converting},
    {"LibraryConvertOnly", false, false, false, false, true, true, false, converting},
    {"ApiBeforeErrors", true, true, false, true, true, false, false,
     converting + "API Module converted. Nothing to compile.\n"},
    {"ErrorsBeforeClass", false, true, true, true, false, false, false,
     converting + "compile aborted. File has errors.\n"},
    {"ClassBeforeInterface", false, true, true, false, true, false, false,
     converting + "Class Module converted. Nothing to compile.\n"},
    {"InterfaceWithLibrary", false, false, true, false, true, false, false,
     converting + "Interface module. Nothing to be done.\n"},
    {"SkipConversionStillBuilds", false, false, false, false, false, false, true, "compiling prog.cpp\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Decisions, ::testing::ValuesIn(decisionCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
