#include "core/setup_context.h"
#include "core/title_format.h"
#include "foundation/memory.h"
#include "foundation/placeholder_format.h"
#include "guarded_buffer.h"
#include <gtest/gtest.h>
#include <string>

// The formatted text, checked to sit in a block of exactly its own size (the
// length pass and the build pass agree), and released.
static std::string TakeText(char* text)
{
    std::string result(text);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, text), result.size() + 1) << "text \"" << result << '"';
    MemFree(text);
    return result;
}

struct FormatCase {
    const char* name;
    const char* pattern;
    const char* arguments[4];
    const char* expected;
};

const FormatCase FormatCases[] = {
    {"no placeholder", "Setup complete...", {}, "Setup complete..."},
    {"empty template", "", {"x"}, ""},
    {"one argument used twice",
     "Unable to copy %1. Ensure that all instances of %2 are closed. If %2 isn't running, we "
     "recommend a reboot before installing",
     {"Tessaly.exe", "Tessaly"},
     "Unable to copy Tessaly.exe. Ensure that all instances of Tessaly are closed. If Tessaly "
     "isn't running, we recommend a reboot before installing"},
    {"three arguments around a line break",
     "Installation complete. To start %1, go to the\r\nStart | %2 menu and select %3.",
     {"Tessaly", "Find", "&Email Addresses..."},
     "Installation complete. To start Tessaly, go to the\r\nStart | Find menu and select "
     "&Email Addresses...."},
    {"every argument, out of order and repeated", "%4%3-%2%1%4", {"a", "bb", "ccc", "dddd"},
     "ddddccc-bbadddd"},
    {"empty argument", "x%1y", {""}, "xy"},
    {"escapes", "100%% %a%-", {}, "100% a-"},
    {"placeholder inside an argument", "[%1]", {"%1%2"}, "[%1%2]"},
    {"digits that select no argument", "a%0b%5c%6d%7e%8f%9g", {"1", "2", "3", "4"}, "abcdefg"},
    {"null argument", "<%2>", {"one"}, "<>"},
    {"percent sign at the end", "50%", {"x"}, "50%"},
    {"percent sign alone", "%", {}, "%"},
};

TEST(FormatPlaceholders, FillsInEveryCase)
{
    for (const FormatCase& c : FormatCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TakeText(FormatPlaceholders(c.pattern, c.arguments[0], c.arguments[1],
                                              c.arguments[2], c.arguments[3])),
                  c.expected);
    }
}

TEST(FormatPlaceholders, StopsAtTheTerminatorBehindAFinalPercentSign)
{
    // What lies behind the terminator must never be read as an escape or a
    // placeholder.
    const char pattern[] = "ab%\0" "1xyz";
    EXPECT_EQ(TakeText(FormatPlaceholders(pattern, "ARGUMENT")), "ab%");
}

TEST(FormatPlaceholders, ReturnsANewCopyOfAPlainTemplate)
{
    const char* pattern = "Installing...";
    char* text = FormatPlaceholders(pattern);
    EXPECT_NE(text, pattern);
    EXPECT_EQ(TakeText(text), pattern);
}

// A 1024-byte destination as the callers have.
using GuardedText = GuardedBuffer<1024>;

TEST(FormatPlaceholdersInto, LeavesWhatFormatPlaceholdersReturns)
{
    for (const FormatCase& c : FormatCases) {
        SCOPED_TRACE(c.name);
        GuardedText out;
        FormatPlaceholdersInto(out.text, sizeof out.text, c.pattern, c.arguments[0],
                               c.arguments[1], c.arguments[2], c.arguments[3]);
        std::string expected(c.expected);
        EXPECT_EQ(std::string(out.text, expected.size() + 2), expected + '\0' + '\xFF');
    }
}

TEST(FormatPlaceholdersInto, CutsTheTextToTheDestination)
{
    const std::string longName(3000, 'n');
    struct Case {
        const char* name;
        DWORD size;
        std::string expected;
    } cases[] = {
        {"full buffer", 1024, "Unable to copy " + std::string(1024 - 16, 'n')},
        {"small buffer", 8, "Unable "},
        {"room for the terminator only", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GuardedText out;
        char* end = out.text + sizeof out.text;
        char* destination = end - c.size;
        FormatPlaceholdersInto(destination, c.size, "Unable to copy %1", longName.c_str());
        EXPECT_EQ(std::string(destination, c.size), c.expected + '\0');
        EXPECT_TRUE(out.GuardIntact());
    }

    GuardedText untouched;
    FormatPlaceholdersInto(untouched.text, 0, "Unable to copy %1", "x");
    EXPECT_EQ(untouched.text[0], '\xFF') << "a destination of no bytes is left alone";
}

TEST(FormatWithTitle, SuppliesTheContextsTitleAsFirstArgument)
{
    SetupContext context{};
    char title[] = "Tessaly";
    context.title = title;
    CurrentSetupContext = &context;
    EXPECT_EQ(TakeText(FormatWithTitle("%1 Installation")), "Tessaly Installation");
    EXPECT_EQ(TakeText(FormatWithTitle("%1: %2 %3 %4", "two", "three", "four")),
              "Tessaly: two three four");

    CurrentSetupContext = nullptr;
    EXPECT_EQ(TakeText(FormatWithTitle("&Add %1 to the desktop")), "&Add  to the desktop");
}
