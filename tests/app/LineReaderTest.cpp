// The player's lines as zuft-cli reads them, whatever ends them or however long they run.

#include "app/LineReader.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Every line of the input, each marked "+" when it was cut.
std::vector<std::string> linesOf(const std::string &input) {
    std::FILE *file = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), file);
    std::fflush(file);
    std::rewind(file);
    LineReader reader(fileno(file));
    std::vector<std::string> lines;
    for (std::string line; reader.ReadLine(line);)
        lines.push_back(reader.Cut() ? "+" + std::to_string(line.size()) : line);
    std::fclose(file);
    return lines;
}

} // namespace

TEST(LineReader, AnOverlongLineIsCutAndItsRestSkipped) {
    const std::size_t longest = LineReader::kLongestLine;
    const std::string far(3 * longest, 'x');
    EXPECT_EQ(linesOf("a\r\nb\rc\n" + far + "\r\nосм"),
              (std::vector<std::string>{"a", "b", "c", "+65536", "осм"}));
    // The line end of a skipped rest still ends the line, CR LF as one end.
    EXPECT_EQ(linesOf(far + "\r\n\r\nd"), (std::vector<std::string>{"+65536", "", "d"}));
    // As /dev/zero sends it: no line end at all, to the end of input.
    EXPECT_EQ(linesOf(std::string(5 * longest, '\0')), std::vector<std::string>{"+65536"});
    // A character that the bound would split is left out whole.
    std::string cyrillic = "a";
    for (std::size_t i = 0; i < longest; ++i)
        cyrillic += "я";
    EXPECT_EQ(linesOf(cyrillic + "\n" + std::string(longest, 'y')),
              (std::vector<std::string>{"+65535", std::string(longest, 'y')}));
}
