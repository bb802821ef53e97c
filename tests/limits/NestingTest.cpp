// Jumps and conditions nested past every limit. Each is stopped with one box to the author, and
// the next turn plays as if nothing had happened. (Loops that never stop are golden cases.)

#include "engine/StoryChecker.h"
#include "support/StoryHarness.h"

#include <functional>
#include <gtest/gtest.h>
#include <pthread.h>

namespace {

// The trouble runs in a turn of a story whose room answers «смотреть» with one line.
void playTrouble(StoryHarness &h, const std::vector<std::string> &trouble) {
    std::vector<std::string> lines{
        "room r",   "+func беда,goto rem беда", "+func смотреть,pn видно", "setroom r", "wait",
        "rem беда:"};
    lines.insert(lines.end(), trouble.begin(), trouble.end());
    h.load(lines);
    h.turn("беда");
}

void expectStoppedOnce(StoryHarness &h, const std::string &what) {
    const std::vector<std::string> errors = h.takeErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].starts_with(what)) << errors[0];
    EXPECT_FALSE(h.shown().ends_with("дно\n"));
    h.turn("смотреть");
    EXPECT_EQ(h.shown(), ">смотреть\n\nвидно\n");
    EXPECT_TRUE(h.host.boxes.empty());
}

// Runs the work on a thread with that much stack, so that a change that makes nesting take more
// of it fails here before it fails a player. False if no thread ran.
bool onSmallStack(std::size_t stack, std::function<void()> work) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stack);
    pthread_t thread;
    auto run = [](void *job) -> void * {
        return (*static_cast<std::function<void()> *>(job))(), nullptr;
    };
    if (pthread_create(&thread, &attributes, run, &work) != 0)
        return false;
    pthread_join(thread, nullptr);
    return true;
}

} // namespace

// Runs nest on the heap: the deepest nesting plays on a stack of half a mebibyte, about what a
// web browser gives the worker that plays a story, even in the sanitizer build.
TEST(Nesting, TheDeepestNestingTakesNoStackPerLevel) {
    std::vector<std::string> chain;
    for (int n = 0; n < 1500; ++n) // each label jumps to the next through three conditions
        chain.insert(chain.end(),
                     {"if a=0 then if a=0 then if a=0 then goto rem l" + std::to_string(n),
                      "rem l" + std::to_string(n) + ":"});
    chain.push_back("pn дно");
    StoryHarness h;
    ASSERT_TRUE(onSmallStack(512 << 10, [&h, &chain] { playTrouble(h, chain); }));
    expectStoppedOnce(h, "Слишком глубокая вложенность условий.");
}

TEST(Nesting, ALineOfConditionsInsideConditionsIsStopped) {
    StoryHarness h;
    std::string line;
    for (int n = 0; n <= kMaxNestedRuns; ++n)
        line += "if a=0 then ";
    playTrouble(h, {line + "pn дно"});
    expectStoppedOnce(h, "Слишком глубокая вложенность условий.");
}

// The story checker goes into conditions and functions' bodies as deep as a run would, and no
// deeper, with less stack than the main thread has: deeper lines are told, not followed.
TEST(Nesting, TheCheckerStopsWhereARunWouldWithTheSameStack) {
    std::string conditions, definitions = "room r & ";
    for (int n = 0; n < 15'000; ++n) {
        conditions += "if a=0 then ";
        definitions += "+func f,";
    }
    StoryFileError error;
    const auto script = DecodeScript(conditions + "pn дно\r\n" + definitions + "pn дно\r\nwait",
                                     StoryEncoding::Utf8, error);
    ASSERT_TRUE(script);
    std::vector<StoryProblem> problems;
    ASSERT_TRUE(onSmallStack(6 << 20, [&] { problems = CheckStory(*script); }));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].line, 1);
    EXPECT_EQ(problems[1].line, 2);
    for (const StoryProblem &problem : problems)
        EXPECT_TRUE(ToUtf8(problem.text).starts_with("слишком")) << ToUtf8(problem.text);
}
