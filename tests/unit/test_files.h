// Temporary files and folders for tests that read or write real files.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <utility>

#include "driver/translator.h"

// The whole content of a file, bytes as they are.
inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh folder under the system's temporary directory, removed on exit.
class TempDir {
public:
    TempDir() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("plix-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(file(name), std::ios::binary);
        out << bytes;
        return file(name);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};


// Runs a test inside a folder: the passes read and write files in the
// working directory. The previous one is restored on exit.
class InDirectory {
public:
    explicit InDirectory(const std::filesystem::path& dir) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~InDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }

private:
    std::filesystem::path previous_;
};

// A Translator that has run the declaration pass over a program of several
// modules given as text. The expression tests then drive one translator at a
// time on it; what they write goes to the folder the test works in.
class DeclaredProgram : public ::testing::Test {
protected:
    explicit DeclaredProgram(std::initializer_list<std::pair<const char*, const char*>> files) {
        for (const auto& [name, text] : files) t.sourceTexts[name] = text;
        t.runDeclarationPass("prog.bas");
    }
    ~DeclaredProgram() override {
        t.reader.close();
        t.output.close();
    }

    TempDir dir;
    InDirectory in{dir.path()};
    std::ostringstream console;
    Translator t{console};
};
