#include "WebGame.h"

#include "engine/Text.h"
#include "player/HowToPlay.h"

#include <emscripten/bind.h>

using emscripten::val;

WebGame::WebGame() : m_game(*this, *this) {}

bool WebGame::Open(const std::string &bytes, const std::u16string &name) {
    return m_game.LoadBytes(bytes, name);
}

void WebGame::Begin() {
    m_game.Begin();
}

void WebGame::Turn(const std::u16string &line) {
    m_game.Turn(line);
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

val WebGame::Restore(const std::string &save) {
    const ReplayResult result = m_game.Restore(save);
    val report = val::object();
    report.set("done", result.done);
    report.set("note", result.done ? DescribeReplay(result) : result.error);
    return report;
}

val WebGame::TypedLines() const {
    val lines = val::array();
    for (const std::u16string &line : m_game.Typed().Lines())
        lines.call<void>("push", line);
    return lines;
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

// The game keeps what the console shows; the page only learns that its start is to be shown.
void WebGame::AddText(std::u16string_view) {
    m_atEnd = false;
}

void WebGame::Enter() {
    m_atEnd = false;
}

void WebGame::ClearText() {
    m_atEnd = false;
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
        .function("restore", &WebGame::Restore)
        .function("storyName", &WebGame::StoryName)
        .function("typedLines", &WebGame::TypedLines)
        .function("screen", &WebGame::Screen)
        .function("screenAtEnd", &WebGame::ScreenAtEnd)
        .function("takeInput", &WebGame::TakeInput)
        .function("takeMessages", &WebGame::TakeMessages);
}
