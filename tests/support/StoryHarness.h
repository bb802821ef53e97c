#pragma once

#include "engine/Story.h"
#include "engine/Text.h"
#include "player/Player.h"

#include <string>
#include <string_view>
#include <vector>

// A story whose every «ждать» runs until the turn's work budget stops it (a jump back over a
// waiting point): a slow turn to play again, in UTF-8 with CR LF.
inline constexpr std::string_view kSlowStory =
    "room зал\r\n+text Зал.\r\n+func ждать,goto rem start\r\ndone\r\nsetroom зал\r\nwait\r\n"
    "rem l:\r\nwait\r\nrem start:\r\ngoto rem l";

// A console and author-message box that remember everything, as the game window would show it.
class Recorder : public Console, public AuthorMessages {
public:
    void AddText(std::u16string_view text) override { console += text; }
    void Enter() override { console += u"\r\n"; }
    void ClearText() override { console.clear(); }
    void ShowEnd() override { ++showEndCount; }
    void RefillInput(std::u16string_view text) override { input = text; }
    void Show(const AuthorMessage &message) override { boxes.push_back(message); }

    std::u16string console;
    std::vector<AuthorMessage> boxes;
    std::u16string input;
    int showEndCount = 0;
};

// A story built from lines, played turn by turn; what it printed and told the author, in UTF-8.
class StoryHarness {
public:
    // The lines become a UTF-8 story file with CR LF line ends. A line "N× text" stands for N
    // lines of that text, each "%" in it replaced by the line's number from 1.
    bool load(const std::vector<std::string> &lines) {
        std::string file, separator;
        for (const std::string &line : lines) {
            const std::size_t times = line.find("× ");
            const bool repeated = times != std::string::npos && times > 0 &&
                                  line.find_first_not_of("0123456789") == times;
            for (int n = 1; n <= (repeated ? std::stoi(line) : 1); ++n) {
                file += separator + (repeated ? numbered(line.substr(times + 3), n) : line);
                separator = "\r\n";
            }
        }
        return story.LoadBytes(file, {}, StoryEncoding::Utf8);
    }
    void turn(std::string_view line) { player.Turn(FromUtf8(line)); }

    // The console with each line break shown as "\n".
    std::string shown() const {
        const std::string raw = ToUtf8(host.console);
        std::string text;
        for (std::size_t i = 0; i < raw.size(); ++i)
            if (raw.compare(i, 2, "\r\n") != 0)
                text += raw[i];
        return text;
    }
    // The "Ошибка!" boxes so far, each as its first and last line ("what … Строка:N"); every box
    // is then forgotten.
    std::vector<std::string> takeErrors() {
        std::vector<std::string> errors;
        for (const AuthorMessage &box : host.boxes)
            if (box.title == u"Ошибка!")
                errors.push_back(ToUtf8(box.text.substr(0, box.text.find(u'\r')) + u" … " +
                                        box.text.substr(box.text.rfind(u'\r') + 1)));
        host.boxes.clear();
        return errors;
    }

    Recorder host;
    Story story{host, host};
    Player player{story};

private:
    static std::string numbered(std::string line, int n) {
        for (std::size_t at; (at = line.find('%')) != std::string::npos;)
            line.replace(at, 1, std::to_string(n));
        return line;
    }
};
