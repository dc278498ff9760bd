#include "driver/host.h"

#include <vector>

#ifndef _WIN32
#include <dirent.h>
#include <sys/stat.h>
#endif

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace host {

#ifdef _WIN32

std::string runningProgramPath() {
    // GetModuleFileNameA truncates silently; grow until the path fits.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string nativePath(const std::string& path) { return path; }

std::string findFile(const std::string& path) { return path; }

#else

std::string runningProgramPath() {
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return std::string();
        if (static_cast<size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string nativePath(const std::string& path) {
    std::string result = path;
    for (char& c : result)
        if (c == '\\') c = '/';
    return result;
}

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::string findFile(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) return path;
    size_t cut = path.rfind('/');
    std::string folder = cut == std::string::npos ? "." : path.substr(0, cut);
    std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    if (folder.empty()) folder = "/";
    DIR* dir = opendir(folder.c_str());
    if (!dir) return path;
    std::string match;
    int matches = 0;
    while (dirent* entry = readdir(dir)) {
        if (sameIgnoringCase(entry->d_name, name)) {
            match = entry->d_name;
            ++matches;
        }
    }
    closedir(dir);
    // Two names that differ only in case would be one file on Windows: no
    // choice between them is right, so neither is taken.
    if (matches != 1) return path;
    return cut == std::string::npos ? match : path.substr(0, cut + 1) + match;
}

#endif

}  // namespace host
