// The host layer: everything that differs between Windows and Linux hosts.
// Texts that plix prints keep their Windows form; only what reaches the
// operating system is adapted here.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace host {

// The directory separator of the running host's own paths.
#ifdef _WIN32
constexpr char separator = '\\';
#else
constexpr char separator = '/';
#endif

// Full path of the running plix program file, not truncated at any length.
std::string runningProgramPath();

// A path as plix writes it (backslashes) in the form the host opens.
std::string nativePath(const std::string& path);

// The path to open for a file plix looks for under `path`. Windows ignores
// letter case in file names; on Linux, when `path` itself does not exist,
// the one file in its folder whose name matches ignoring case is taken.
// Returns `path` unchanged when nothing better is found.
std::string findFile(const std::string& path);

// A file's bytes, read-only, mapped into memory where the host can: its
// pages are read when first touched and can be given back once passed, so
// a large source never needs all of itself in memory at once. Only a
// regular, non-empty file whose size leaves room in its last page for the
// NUL that follows the text is mapped; anything else (and every file on
// hosts without mappings) is left to an ordinary read.
class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile() { unmap(); }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the file; false, holding nothing, when it cannot be mapped.
    bool map(const std::string& path);
    void unmap();
    bool isMapped() const { return data_ != nullptr; }
    // The bytes, followed by a NUL.
    std::string_view text() const { return {data_, size_}; }
    // The whole pages between the two offsets are not needed soon: they
    // leave the process's memory (a later read takes them from the file
    // again).
    void release(size_t begin, size_t end);

private:
    const char* data_ = nullptr;
    size_t size_ = 0;
};

// One tool-chain command: the text the Windows command interpreter runs
// (and plix prints), and the same command as a tool and its arguments, so
// that other hosts can run it without a shell, whatever the file names hold.
struct Command {
    std::string text;
    std::vector<std::string> arguments;  // arguments[0]: the tool as the text names it
};

// Runs the command and waits for it. A tool that cannot be started is
// reported on the console in one line. True when the tool ran and ended
// with status 0.
bool runCommand(const Command& command, std::ostream& console);

// The line the Windows command interpreter is given for a command: the text
// without its final line feed (Wine's interpreter would hand that on to the
// tool), or, where an argument holds a blank or a character the interpreter
// acts on, the tool and its arguments with those quoted as the tool's C
// runtime reads them back. The printed text stays as it is.
std::string interpreterLine(const Command& command);

// The interpreter's deletion of one file: "del " and the name, quoted where
// needed, with "/" as "\\" (del would take it for a switch).
std::string deletionLine(const std::string& name);

// Deletes a generated file, as the command interpreter's "del " would.
void deleteFile(const std::string& name, std::ostream& console);

// Generated sources include headers under names whose letter case can
// differ from the files written (CLASS Counter in COUNTER.BAS: "Counter.h"
// and COUNTER.h). Where file names are case-sensitive, the aliases (include
// name, existing header) are made available to the compiler; the result is
// the extra compiler arguments. The aliases live until removeHeaderAliases.
std::vector<std::string> prepareHeaderAliases(const std::vector<std::pair<std::string, std::string>>& aliases);
void removeHeaderAliases();

}  // namespace host
