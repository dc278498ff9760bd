// Files of the Quillkit library: whole files by name, and lines through
// numbered handles. Every file is opened in binary mode, so the bytes are
// the same on every host; WriteLine ends its lines with "\r\n", as Windows
// text files do, and ReadLine takes "\r\n" and "\n" alike.
#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <string>

#include <sys/stat.h>

#include "quillkit.h"
#include "runtime_internal.h"

namespace {

// Handles are 1 to maxHandles; a closed slot is taken again.
const int maxHandles = 255;

struct OpenFile {
    std::FILE* file = nullptr;
    bool writing = false;
};

OpenFile handles[maxHandles + 1];
int lastError = 0;

Long succeed(Long result) {
    lastError = 0;
    return result;
}

// errno when the library set it, otherwise the number that names the kind
// of failure, so that FileError() is never 0 after a failure.
Long fail(int fallback) {
    lastError = errno != 0 ? errno : fallback;
    return 0;
}

Long failWith(int error) {
    lastError = error;
    return 0;
}

OpenFile* openHandle(Long handle) {
    if (handle < 1 || handle > maxHandles || !handles[handle].file) return nullptr;
    return &handles[handle];
}

// Only a file is read: a folder fails, a device may have no end (/dev/zero)
// and a pipe may wait for a writer forever. 0 when `path` is a file, else
// the error.
int notAFile(String path) {
    struct stat info;
    errno = 0;
    if (stat(path.str().c_str(), &info) != 0) return errno != 0 ? errno : ENOENT;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    return S_ISREG(info.st_mode) ? 0 : EINVAL;
}

// A text too long for the memory of a 32-bit program is a failure, not an
// abort in the program. (The native test build has no exceptions; its host
// has the memory.)
template <typename Read>
bool readWithinMemory(Read read) {
#ifdef __cpp_exceptions
    try {
        read();
    } catch (const std::exception&) {
        errno = ENOMEM;
        return false;
    }
#else
    read();
#endif
    return true;
}

Long openHandleFor(String path, const char* mode, bool writing) {
    int slot = 1;
    while (slot <= maxHandles && handles[slot].file) ++slot;
    if (slot > maxHandles) return failWith(EMFILE);
    errno = 0;
    if (!writing)
        if (int error = notAFile(path)) return failWith(error);
    std::FILE* file = std::fopen(path.str().c_str(), mode);
    if (!file) return fail(ENOENT);
    handles[slot].file = file;
    handles[slot].writing = writing;
    return succeed(slot);
}

// Writes all of the text and closes the file: true only when both did
// (the buffered part of a write fails only in fclose, on a full disk). On
// failure errno holds the first error.
bool writeAndClose(std::FILE* file, const std::string& text) {
    errno = 0;
    int error = 0;
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) error = errno != 0 ? errno : EIO;
    errno = 0;
    if (std::fclose(file) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    errno = error;
    return error == 0;
}

Long writeWhole(String path, String text, const char* mode) {
    errno = 0;
    std::FILE* file = std::fopen(path.str().c_str(), mode);
    if (!file) return fail(ENOENT);
    return writeAndClose(file, text.str()) ? succeed(1) : fail(EIO);
}

}  // namespace

namespace quillkit {

void closeOpenFiles() {
    for (OpenFile& entry : handles) {
        if (entry.file) std::fclose(entry.file);
        entry.file = nullptr;
    }
}

// A folder is not a file.
Long FileExists(String path) {
    struct stat info;
    errno = 0;
    if (stat(path.str().c_str(), &info) != 0) return fail(ENOENT);
    return succeed(S_ISDIR(info.st_mode) ? 0 : 1);
}

String ReadText(String path) {
    if (int error = notAFile(path)) {
        failWith(error);
        return String();
    }
    errno = 0;
    std::FILE* file = std::fopen(path.str().c_str(), "rb");
    if (!file) {
        fail(ENOENT);
        return String();
    }
    String text;
    bool read = readWithinMemory([&] {
        std::string bytes;
        char buffer[65536];
        size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
        text = String(bytes);
    });
    bool failed = !read || std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        fail(read ? EIO : ENOMEM);
        return String();
    }
    lastError = 0;
    return text;
}

Long WriteText(String path, String text) { return writeWhole(path, text, "wb"); }

Long AppendText(String path, String text) { return writeWhole(path, text, "ab"); }

// Only files: remove() would take an empty folder too.
Long Kill(String path) {
    struct stat info;
    errno = 0;
    if (stat(path.str().c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return fail(EISDIR);
    errno = 0;
    return std::remove(path.str().c_str()) == 0 ? succeed(1) : fail(ENOENT);
}

Long OpenInput(String path) { return openHandleFor(path, "rb", false); }

Long OpenOutput(String path) { return openHandleFor(path, "wb", true); }

Long OpenAppend(String path) { return openHandleFor(path, "ab", true); }

String ReadLine(Long handle) {
    OpenFile* entry = openHandle(handle);
    errno = 0;
    if (!entry || entry->writing) {
        fail(EBADF);
        return String();
    }
    String line;
    bool read = readWithinMemory([&] {
        std::string bytes;
        int c;
        while ((c = std::getc(entry->file)) != EOF && c != '\n') bytes += static_cast<char>(c);
        if (c == '\n' && !bytes.empty() && bytes.back() == '\r') bytes.pop_back();
        line = String(bytes);
    });
    if (!read || std::ferror(entry->file)) {
        fail(read ? EIO : ENOMEM);
        return String();
    }
    lastError = 0;
    return line;
}

Long WriteLine(Long handle, String text) {
    OpenFile* entry = openHandle(handle);
    errno = 0;
    if (!entry || !entry->writing) return fail(EBADF);
    std::string line = text.str() + "\r\n";
    if (std::fwrite(line.data(), 1, line.size(), entry->file) != line.size()) return fail(EIO);
    return succeed(1);
}

Long Eof(Long handle) {
    OpenFile* entry = openHandle(handle);
    errno = 0;
    if (!entry) {
        fail(EBADF);
        return 1;
    }
    if (entry->writing) return succeed(1);
    int c = std::getc(entry->file);
    if (c == EOF) {
        if (std::ferror(entry->file)) {
            fail(EIO);
            return 1;
        }
        return succeed(1);
    }
    std::ungetc(c, entry->file);
    return succeed(0);
}

// An earlier write that failed leaves the stream's error set: that data did
// not reach the file either.
Long CloseFile(Long handle) {
    OpenFile* entry = openHandle(handle);
    errno = 0;
    if (!entry) return fail(EBADF);
    bool failedBefore = std::ferror(entry->file) != 0;
    bool closed = std::fclose(entry->file) == 0;
    entry->file = nullptr;
    if (failedBefore || !closed) return fail(EIO);
    return succeed(1);
}

Long FileError() { return lastError; }

}  // namespace quillkit
