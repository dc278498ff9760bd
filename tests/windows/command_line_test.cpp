// The lines plix.exe gives the Windows command interpreter, checked on any
// host: each line read back by the rules of the tool's C runtime must give
// the tool the arguments of the command, whatever blanks they hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/host.h"

namespace {

// The C runtime's reading of a command line (blanks split outside quotes;
// 2n backslashes before a quote are n and the quote toggles; 2n+1 are n and
// a literal quote).
std::vector<std::string> readBack(const std::string& line) {
    std::vector<std::string> arguments;
    std::string current;
    bool have = false, quoting = false;
    size_t backslashes = 0;
    for (char c : line + ' ') {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            current.append(backslashes / 2, '\\');
            if (backslashes % 2) current += '"';
            else quoting = !quoting;
            backslashes = 0;
            have = true;
            continue;
        }
        current.append(backslashes, '\\');
        have = have || backslashes > 0;
        backslashes = 0;
        if ((c == ' ' || c == '\t') && !quoting) {
            if (have) arguments.push_back(current);
            current.clear();
            have = false;
        } else {
            current += c;
            have = true;
        }
    }
    return arguments;
}

const std::string kOptions = " -mwindows -Wall -s -g2 -O0 -fno-rtti -fno-exceptions -fpermissive -w -o";

host::Command compileUnder(const std::string& install) {
    return {"g++ game.cpp -L" + install + "BasicLibs -I" + install + "BasicInclude -lwsock32 -lKelbrun -lQuillkit " +
                install + "bin\\AppIcon.res " + kOptions + "game.exe\n",
            {"g++", "game.cpp", "-L" + install + "BasicLibs", "-I" + install + "BasicInclude", "-lwsock32",
             "-lKelbrun", "-lQuillkit", install + "bin\\AppIcon.res", "-mwindows", "-Wall", "-s", "-g2", "-O0",
             "-fno-rtti", "-fno-exceptions", "-fpermissive", "-w", "-ogame.exe"}};
}

TEST(WindowsCommandLine, PlainCommandsRunAsPrintedWithoutTheirLineFeed) {
    host::Command compile = compileUnder("D:\\tools\\");
    EXPECT_EQ(compile.text.substr(0, compile.text.size() - 1), host::interpreterLine(compile));

    // Two blanks after the tool stay, and a text without line feed is whole.
    host::Command resource{"windres.exe  app.rc -O COFF -oapp.res", {"windres.exe", "app.rc", "-O", "COFF", "-oapp.res"}};
    EXPECT_EQ("windres.exe  app.rc -O COFF -oapp.res", host::interpreterLine(resource));
    host::Command archive{"ar.exe -r game.lib a.obj b.obj ", {"ar.exe", "-r", "game.lib", "a.obj", "b.obj"}};
    EXPECT_EQ("ar.exe -r game.lib a.obj b.obj ", host::interpreterLine(archive));
}

TEST(WindowsCommandLine, ArgumentsWithBlanksAreQuotedAndReadBackWhole) {
    host::Command compile = compileUnder("C:\\Program Files\\plix\\");
    const std::string line = host::interpreterLine(compile);
    EXPECT_EQ("g++ game.cpp \"-LC:\\Program Files\\plix\\BasicLibs\" \"-IC:\\Program Files\\plix\\BasicInclude\" "
              "-lwsock32 -lKelbrun -lQuillkit \"C:\\Program Files\\plix\\bin\\AppIcon.res\"" +
                  kOptions + "game.exe",
              line);
    EXPECT_EQ(compile.arguments, readBack(line));
    EXPECT_EQ(std::string::npos, line.find('\n'));
}

TEST(WindowsCommandLine, InterpreterCharactersAndBackslashesBeforeQuotes) {
    // Folder names with what cmd acts on, a folder ending in backslashes, an
    // empty argument: each comes back as it was.
    const std::vector<std::vector<std::string>> cases = {
        {"g++", "-LC:\\R&D\\plix\\BasicLibs", "x.cpp"},
        {"g++", "C:\\a b\\", "-o", "C:\\two  blanks\\x.exe"},
        {"g++", "C:\\a b\\\\", "a|b", "<in>", "^caret"},
        {"g++", "", "x.cpp"},
        {"g++", "say \"hi\" there", "back\\\"slash quote"},
    };
    for (const auto& arguments : cases) {
        std::string text;
        for (const std::string& argument : arguments) text += argument + " ";
        const std::string line = host::interpreterLine({text, arguments});
        EXPECT_EQ(arguments, readBack(line)) << line;
        EXPECT_EQ(0u, line.rfind("g++ ", 0)) << "the tool leads unquoted: " << line;
    }
    // A folder ending in a backslash, quoted: the backslash is doubled so
    // that it does not escape the closing quote.
    EXPECT_EQ("g++ \"C:\\a b\\\\\"", host::interpreterLine({"g++ C:\\a b\\", {"g++", "C:\\a b\\"}}));
}

TEST(WindowsDeletionLine, NamesReachDelAsOneFile) {
    EXPECT_EQ("del prog.cpp", host::deletionLine("prog.cpp"));
    EXPECT_EQ("del old.dir\\prog.h", host::deletionLine("old.dir\\prog.h"));
    // del would read "/prog.cpp" as a switch and delete .\prog.cpp.
    EXPECT_EQ("del sub\\prog.cpp", host::deletionLine("sub/prog.cpp"));
    // Unquoted, "my prog.cpp" would delete my and prog.cpp.
    EXPECT_EQ("del \"my prog.cpp\"", host::deletionLine("my prog.cpp"));
    EXPECT_EQ("del \"C:\\R&D\\prog.cpp\"", host::deletionLine("C:\\R&D\\prog.cpp"));
}

}  // namespace
