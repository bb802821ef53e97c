#include "WebGame.h"

#include "engine/Text.h"
#include "game/PanelEntry.h"
#include "game/ScreenText.h"
#include "player/HowToPlay.h"

#include <emscripten/bind.h>

#include <algorithm>

using emscripten::val;

WebGame::WebGame() : m_game(*this, *this) {
    m_game.SetRecord(this);
    m_game.KeepHistory(true);
    m_game.SetInterruption([this] {
        ++m_checks;
        if (!m_told.isUndefined())
            m_told(m_checks);
        return m_stopAt == 0 || m_checks < m_stopAt;
    });
}

bool WebGame::Open(const std::string &bytes, const std::u16string &name) {
    return m_game.LoadBytes(bytes, name);
}

void WebGame::Begin() {
    m_game.Begin();
}

val WebGame::Turn(const std::u16string &line, double stopAt, val told) {
    m_checks = 0;
    m_stopAt = stopAt;
    m_told = std::move(told);
    const TurnOutcome outcome = m_game.Turn(line);
    m_stopAt = 0;
    m_told = val::undefined();
    val result = val::object();
    result.set("played", outcome.played);
    result.set("stopped", outcome.stopped);
    return result;
}

std::u16string WebGame::Undo() {
    return m_game.Undo().error;
}

std::u16string WebGame::Redo() {
    return m_game.Redo().error;
}

void WebGame::Restart() {
    m_game.Restart();
}

val WebGame::Restore(const std::string &save, val progress) {
    const ReplayResult result = m_game.Restore(save, [&](std::size_t done, std::size_t total) {
        progress(double(done), double(total));
        return true;
    });
    val report = val::object();
    report.set("done", result.done);
    report.set("note", result.done ? DescribeReplay(result) : result.error);
    return report;
}

val WebGame::TypedLines() {
    const TypedLines::News news = m_game.Typed().Since(m_typedSeen);
    val lines = val::array();
    for (const std::u16string &line : news.lines)
        lines.call<void>("push", line);
    val shown = val::object();
    shown.set("anew", news.anew);
    shown.set("lines", lines);
    return shown;
}

std::u16string WebGame::GameKey() const {
    static const char16_t digits[] = u"0123456789abcdef";
    std::u16string key = StoryName() + u" ";
    const std::uint64_t digest = m_game.Header().storyDigest;
    for (int shift = 60; shift >= 0; shift -= 4)
        key += digits[(digest >> shift) & 15];
    return key;
}

std::u16string WebGame::TurnAnswer() const {
    return WithLineFeeds(StartOf(m_game.TurnAnswer(), kMostAnnounced));
}

std::u16string WebGame::HistoryText() const {
    const std::vector<std::u16string> &history = m_game.History();
    const std::size_t forgotten = std::min(m_game.ForgottenExchanges(), history.size());
    std::u16string text;
    if (forgotten > 0)
        text = u"[…] Начало игры не показано: оно забыто, чтобы игра уместилась в памяти. "
               u"Забыто ходов: " +
               DecimalText(static_cast<long long>(forgotten)) + u".\n\n";
    for (std::size_t i = forgotten; i < history.size(); ++i) {
        const std::u16string exchange = WithLineFeeds(history[i]);
        text += exchange;
        // An empty line between exchanges, however the last one ended.
        if (i + 1 < history.size())
            text += !exchange.empty() && exchange.back() != u'\n' ? u"\n\n" : u"\n";
    }
    return text;
}

val WebGame::TakeRecord() {
    val record = val::object();
    record.set("replaced", m_replaced);
    val events = val::array();
    for (const std::string &event : m_events)
        events.call<void>("push", event);
    record.set("events", events);
    m_events.clear();
    m_replaced = false;
    return record;
}

std::u16string WebGame::Screen() const {
    return m_game.ScreenText();
}

val WebGame::TakeInput() {
    if (!m_refilled)
        return val::null();
    m_refilled = false;
    return val(m_input);
}

namespace {

val forPage(const AuthorMessage &message) {
    val shown = val::object();
    shown.set("title", message.title);
    shown.set("text", message.text);
    shown.set("icon", message.icon == MessageIcon::Error         ? "error"
                      : message.icon == MessageIcon::Exclamation ? "warning"
                                                                 : "");
    shown.set("line", message.line);
    shown.set("entry", PanelEntryText(message.text));
    return shown;
}

} // namespace

val WebGame::TakeMessages() {
    val messages = val::array();
    for (const AuthorMessage &message : m_messages)
        messages.call<void>("push", forPage(message));
    m_messages.clear();
    return messages;
}

void WebGame::RefillInput(std::u16string_view text) {
    m_input = text;
    m_refilled = true;
}

void WebGame::Show(const AuthorMessage &message) {
    m_messages.push_back(message);
}

EMSCRIPTEN_BINDINGS(zuft) {
    // The page reads no more of a file than these, so that a huge file cannot take its memory.
    emscripten::constant("largestStory", double(kMaxStoryBytes));
    emscripten::constant("largestSave", double(kLargestSave));
    emscripten::constant("mostPanelEntries", kMostPanelEntries);
    // «Справка» → «Как играть»: the text every front end shows.
    emscripten::function("howToPlay", &HowToPlayText);
    emscripten::class_<WebGame>("Game")
        .constructor<>()
        .function("open", &WebGame::Open)
        .function("begin", &WebGame::Begin)
        .function("turn", &WebGame::Turn)
        .function("undo", &WebGame::Undo)
        .function("redo", &WebGame::Redo)
        .function("restart", &WebGame::Restart)
        .function("canUndo", &WebGame::CanUndo)
        .function("canRedo", &WebGame::CanRedo)
        .function("saveText", &WebGame::SaveText)
        .function("saveHeader", &WebGame::SaveHeaderText)
        .function("restore", &WebGame::Restore)
        .function("storyName", &WebGame::StoryName)
        .function("gameKey", &WebGame::GameKey)
        .function("typedLines", &WebGame::TypedLines)
        .function("historyText", &WebGame::HistoryText)
        .function("turnAnswer", &WebGame::TurnAnswer)
        .function("takeRecord", &WebGame::TakeRecord)
        .function("screen", &WebGame::Screen)
        .function("takeInput", &WebGame::TakeInput)
        .function("takeMessages", &WebGame::TakeMessages);
}
