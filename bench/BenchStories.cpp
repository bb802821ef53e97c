#include "BenchStories.h"

#include "engine/Text.h"
#include "engine/Windows1251.h"

#include <string_view>

namespace {

constexpr int kWorldSize = 100;
constexpr int kMaximumLines = 32766;

// Collects a story line by line; every line, the last included, ends with CR LF.
class StoryText {
public:
    StoryText &operator<<(std::u16string_view line) {
        m_text += line;
        m_text += u"\r\n";
        ++m_lineCount;
        return *this;
    }
    int lineCount() const { return m_lineCount; }
    std::string bytes() const { return EncodeWindows1251(m_text); }

private:
    std::u16string m_text;
    int m_lineCount = 0;
};

std::u16string number(int k) {
    return DecimalText(k);
}
std::u16string roomName(int k) {
    return u"комната" + number(k);
}
std::u16string itemName(int k) {
    return u"предмет" + number(k);
}
std::u16string itemTitle(int k) {
    return u"вещь" + number(k);
}
std::u16string variableName(int k) {
    return u"перем" + number((k - 1) % kWorldSize + 1);
}
// What a jump names; the line it jumps to carries the same words with a colon.
std::u16string chapterLabel(int k) {
    return u"rem глава" + number(k);
}

// The ten direction names a room may carry; "вперёд" and "вперед" both count as exits.
constexpr std::u16string_view kExitNames[] = {u"с",    u"ю",      u"в",      u"з",     u"вверх",
                                              u"вниз", u"вперёд", u"вперед", u"назад", u"с"};

// The rooms in a ring, each holding the item of its number.
void addRooms(StoryText &story, int exits) {
    for (int k = 1; k <= kWorldSize; ++k) {
        story << u"room " + roomName(k) << u"+title Комната " + number(k)
              << u"+text Вы стоите в комнате номер " + number(k) +
                     u".@Здесь пыльно и тихо, только ветер гудит в трубе.";
        for (int e = 0; e < exits; ++e)
            story << u"+func " + std::u16string(kExitNames[e]) + u",setroom " +
                         roomName((k + e) % kWorldSize + 1);
        story << u"+item " + itemName(k) << u"done";
    }
}

// Ten functions per item, of all three kinds; "взять #" may be used anywhere, so that taking
// the item again is the same turn every time.
void addItems(StoryText &story) {
    for (int k = 1; k <= kWorldSize; ++k) {
        const std::u16string item = itemName(k), title = itemTitle(k), room = roomName(k);
        const std::u16string variable = variableName(k);
        story << u"item " + item << u"+title " + title
              << u"+text Это " + title + u", ничем не примечательная с виду."
              << u"+downtext Здесь лежит " + title + u"."
              << u"+func осмотреть #,pn Вы внимательно осматриваете " + title + u"."
              << u"+func взять #,++item " + item + u" | set " + variable + u"=1 | setroom " + room
              << u"+func_inv бросить #,--item " + item + u" | pn Вы бросили " + title + u"."
              << u"+func_loc толкнуть #,pn " + title + u" не двигается."
              << u"+func использовать #,if #" + item + u"=1 then pn Вы используете " + title +
                     u". * set " + variable + u"=2 else pn Сначала возьмите " + title + u"."
              << u"+func_inv съесть #,pn Это несъедобно."
              << u"+func_loc разбудить #,pn " + title + u" не спит."
              << u"+func включить #,goto " + chapterLabel(k)
              << u"+func_inv выпить #,pn Это не пьют."
              << u"+func_loc растоптать #,deleteitem " + room + u"," + item + u" | pn Хрусь!"
              << u"done";
    }
}

void addVariables(StoryText &story) {
    for (int k = 1; k <= kWorldSize; ++k)
        story << u"set " + variableName(k) + u"=0";
}

// A world of the largest size, the player placed in `startRoom`, and the first waiting point.
void addWorld(StoryText &story, int exits, int startRoom) {
    story << u"rem Сгенерированная история для измерений." << u"exitview 1";
    addItems(story);
    addRooms(story, exits);
    addVariables(story);
    story << u"pn Ночью был шторм. Зажгите маяк, пока корабль не разбился."
          << u"setroom " + roomName(startRoom) << u"wait";
}

// A labelled chapter as the functions reach it: text, a variable, a condition, and on every
// other chapter a jump onwards.
void addChapter(StoryText &story, int k) {
    const std::u16string variable = variableName(k), value = number(k % 7);
    story << chapterLabel(k) + u":"
          << u"pn Глава " + number(k) + u". Волны бьются о скалы, и фонарь качается на ветру."
          << u"p Вы слышите далёкий колокол. & pn Он звонит " + number(k % 12 + 1) + u" раз."
          << u"set " + variable + u"=" + value
          << u"if " + variable + u"=" + value + u" then pn Всё идёт по плану. * set " + variable +
                 u"=0 else pn Что-то не так."
          << u"pn Сквозь шум прибоя слышен крик чаек.";
    if (k % 2 == 0)
        story << u"goto " + chapterLabel(k + 1);
    story << u"wait";
}

} // namespace

std::string MaximumStory() {
    StoryText story;
    addWorld(story, 4, 1);
    constexpr int kChapterLines = 8;
    for (int k = 1; story.lineCount() + kChapterLines < kMaximumLines; ++k)
        addChapter(story, k);
    while (story.lineCount() < kMaximumLines - 1)
        story << u"rem конец истории";
    story << u"wait";
    return story.bytes();
}

std::string LargestFile() {
    StoryText story;
    addWorld(story, 4, 1);
    // Every line after the world as long as it can be for the whole to stay within 64 MiB.
    const std::size_t worldBytes = story.bytes().size();
    const int fillLines = kMaximumLines - story.lineCount() - 1;
    const std::size_t lineBytes = ((64u << 20) - worldBytes - 8) / std::size_t(fillLines);
    std::u16string filler = u"rem ";
    while (filler.size() + 2 < lineBytes)
        filler += u"Волны бьются о скалы, и фонарь качается на ветру. ";
    filler.resize(lineBytes - 2);
    for (int k = 0; k < fillLines; ++k)
        story << filler;
    story << u"wait";
    return story.bytes();
}

std::string LargestWorld() {
    StoryText story;
    addWorld(story, 10, kWorldSize);
    return story.bytes();
}

std::u16string LargestWorldTurn() {
    return u"взять " + itemTitle(kWorldSize);
}

std::string PrintingStory(int lines) {
    StoryText story;
    story << u"room зал" << u"+text Зал, полный строк." << u"+func печать,goto rem печать"
          << u"done" << u"setroom зал" << u"rem печать:";
    // Ten commands to a line, so that even 100,000 printed lines fit into a story file.
    constexpr int kPerLine = 10;
    for (int first = 1; first <= lines; first += kPerLine) {
        std::u16string commands;
        for (int k = first; k < first + kPerLine && k <= lines; ++k) {
            if (k > first)
                commands += u" & ";
            commands += u"pn Строка " + number(k) + u": тихо шумит море, и маяк светит в темноте.";
        }
        story << commands;
    }
    story << u"wait";
    return story.bytes();
}

std::u16string PrintingStoryTurn() {
    return u"печать";
}

std::string NestedJumps(int depth) {
    StoryText story;
    for (int k = 1; k <= depth; ++k)
        story << u"goto rem уровень" + number(k) << u"rem уровень" + number(k) + u":";
    story << u"pn дно" << u"wait";
    return story.bytes();
}

std::string TinyStory() {
    StoryText story;
    story << u"room комната" << u"+text Вы в маленькой комнате. Здесь ничего нет." << u"done"
          << u"setroom комната" << u"wait";
    return story.bytes();
}
