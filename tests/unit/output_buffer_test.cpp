// The output buffer writes blocks only in front of open captures, puts in
// the file what an ofstream would have put there by the same point, and
// tells at close whether the file got everything. Generated programs stay
// far below a block, and no golden case opens a file twice.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "expr/output_buffer.h"
#include "expr/output_capture.h"
#include "test_files.h"

namespace {

TEST(OutputBuffer, HeldTextReachesTheFileOnlyWhereItEndsUp) {
    TempDir dir;
    const std::string path = dir.file("out.cpp");
    const std::string block(size_t(1) << 20, 'x');
    OutputBuffer out;
    ASSERT_TRUE(out.open(path));
    out << "a";
    {
        OutputCapture outer(out);
        out << 'b';
        {
            OutputCapture inner(out);
            out << block;
            EXPECT_EQ(readFile(path), "");
            EXPECT_EQ(inner.release(), block);
        }
        out << block << -7;
        EXPECT_EQ(readFile(path), "");
    }
    // The outer capture ended unreleased: its text stays, and the block goes out.
    EXPECT_EQ(readFile(path), "ab" + block + "-7");
    out << std::string("c");
    EXPECT_TRUE(out.close());
    EXPECT_EQ(readFile(path), "ab" + block + "-7c");
}

// An API class module's header is written over its own output file, still
// open (convert/class_header.cpp): the bytes depend on what had reached it.
TEST(OutputBuffer, TheFileHoldsWhatAnOfstreamWouldHaveWritten) {
    TempDir dir;
    std::ofstream stream(dir.file("stream.cpp"), std::ios::out | std::ios::trunc | std::ios::binary);
    OutputBuffer out;
    ASSERT_TRUE(out.open(dir.file("out.cpp")));
    std::mt19937 random(1);
    for (int step = 0; step < 3000; ++step) {
        const size_t length = random() % 8 == 0 ? random() % 3000 : random() % 100;
        const std::string piece(length, static_cast<char>('a' + step % 26));
        if (step % 7 == 0) {
            // Held text the capture leaves in place goes to the stream in one piece.
            OutputCapture capture(out);
            out << piece << "+";
            stream << piece + "+";
        } else {
            out << piece;
            stream << piece;
        }
        if (random() % 50 == 0) {
            out.flush();
            stream.flush();
        }
        if (step % 100 == 0) {
            out.writeDue();
            ASSERT_EQ(readFile(dir.file("out.cpp")), readFile(dir.file("stream.cpp"))) << "step " << step;
        }
    }
}

TEST(OutputBuffer, AFailedWriteIsToldAtClose) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this host";
    OutputBuffer out;
    ASSERT_TRUE(out.open("/dev/full"));
    out << "int main(){}\n";
    EXPECT_FALSE(out.close());
    TempDir dir;
    EXPECT_FALSE(out.open(dir.file("missing/out.cpp")));
    EXPECT_FALSE(out.close());
}

}  // namespace
