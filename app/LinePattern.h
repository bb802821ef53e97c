#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The regular expression of a walkthrough's "/RE/" check, searched for in each line of a turn's
// output. Every search ends in a bounded time and stack, whatever the pattern and the output:
// the terminal player uses RE2, whose searches take time linear in the text and no recursion,
// and the node build (zuft-cli.js) uses node's own engine in its linear-time mode. Neither has
// back-references or look-around; the syntax is RE2's (natively) or JavaScript's (under node),
// which agree on everything a check usually needs: . * + ? {n,m} | ( ) [ ] ^ $ \d \s \w.
class LinePattern {
public:
    // `pattern` in UTF-8, as written between the slashes.
    explicit LinePattern(std::string_view pattern);
    ~LinePattern();
    LinePattern(const LinePattern &) = delete;
    LinePattern &operator=(const LinePattern &) = delete;

    // Empty when the pattern can be searched for; else why not, in Russian.
    const std::string &Problem() const { return m_problem; }

    // Whether some line matches somewhere in it. False with a Problem() when the search would
    // cost more than a check may: the pattern's size times the length of the output.
    bool FoundInAny(const std::vector<std::string_view> &lines);

    // The most that one search may cost, in steps of the pattern's program times bytes of
    // output: at most about two seconds of the slowest search.
    static constexpr double kMostWork = 3e8;

private:
    struct Engine;
    std::unique_ptr<Engine> m_engine;
    std::string m_pattern;
    std::string m_problem;
};
