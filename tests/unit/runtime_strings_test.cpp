// The String type and the string functions that generated programs link
// against, built natively: they are plain C++.
#include <gtest/gtest.h>

#include "quillkit.h"

namespace {

TEST(RuntimeString, BehavesAsBasicStrings) {
    String s = "Hi";
    s = s + " there";
    EXPECT_TRUE(s == "Hi there");
    EXPECT_TRUE(s != "hi there");
    EXPECT_TRUE("Hi there" == s);
    String t;
    EXPECT_TRUE(t == "");
    t += s;
    EXPECT_TRUE(t == s);
    // (String)n is the decimal text of a number.
    EXPECT_EQ(((String)42).str(), "42");
    EXPECT_EQ(((String)(Long)-7).str(), "-7");
    EXPECT_EQ(((String)2.5).str(), "2.5");
    // A DLL function gets the buffer.
    char* buffer = s;
    EXPECT_STREQ(buffer, "Hi there");
    EXPECT_EQ((Any)s, reinterpret_cast<Any>(buffer));
    String fromNull = static_cast<const char*>(nullptr);
    EXPECT_EQ(fromNull.length(), 0);
}

TEST(RuntimeString, FunctionsClipToTheText) {
    struct Case {
        String got;
        const char* expected;
    } cases[] = {
        {Left("plix", 2), "pl"},      {Left("plix", 9), "plix"},    {Left("plix", -1), ""},
        {Right("plix", 3), "lix"},    {Right("plix", 9), "plix"},   {Right("plix", 0), ""},
        {Mid("plix", 2, 2), "li"},    {Mid("plix", 3, 9), "ix"},    {Mid("plix", 5, 1), ""},
        {Mid("plix", 0, 2), ""},      {UCase("MiX3d"), "MIX3D"},    {LCase("MiX3d"), "mix3d"},
        {Trim("  a b \t"), "a b"},    {Trim("   "), ""},             {Str(-12), "-12"},
        {Str(0), "0"},                {Chr(65), "A"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got.str(), c.expected);
}

TEST(RuntimeString, NumbersAndPositions) {
    EXPECT_EQ(Len("plix"), 4);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(InStr("plix basic", "basic"), 6);
    EXPECT_EQ(InStr("plix", "x"), 4);
    EXPECT_EQ(InStr("plix", "z"), 0);
    EXPECT_EQ(Val("42abc"), 42);
    EXPECT_EQ(Val("-3"), -3);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Asc("a"), 97);
    EXPECT_EQ(Asc(""), 0);
    EXPECT_EQ(Asc("\xE9"), 233);
    EXPECT_EQ(Abs(-5), 5);
    EXPECT_EQ(RGB(1, 2, 3), 0x030201);
    EXPECT_EQ(LOWORD(0x12345678), 0x5678);
    EXPECT_EQ(HIWORD(0x12345678), 0x1234);
}

}  // namespace
