#include "BenchStories.h"

#include "engine/Windows1251.h"

#include <QStringList>

namespace {

constexpr int kWorldSize = 100;
constexpr int kMaximumLines = 32766;

// Collects a story line by line; every line, the last included, ends with CR LF.
class StoryText {
public:
    StoryText &operator<<(const QString &line) {
        m_lines.append(line);
        return *this;
    }
    int lineCount() const { return int(m_lines.size()); }
    QByteArray bytes() const {
        return EncodeWindows1251(m_lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

private:
    QStringList m_lines;
};

QString numbered(const char *stem, int k) {
    return QString::fromUtf8(stem) + QString::number(k);
}
QString roomName(int k) {
    return numbered("комната", k);
}
QString itemName(int k) {
    return numbered("предмет", k);
}
QString itemTitle(int k) {
    return numbered("вещь", k);
}
QString variableName(int k) {
    return numbered("перем", (k - 1) % kWorldSize + 1);
}
QString chapterLabel(int k) {
    return numbered("rem глава", k);
}

// The ten direction names a room may carry; "вперёд" and "вперед" both count as exits.
const char *const kExitNames[] = {"с",    "ю",      "в",      "з",     "вверх",
                                  "вниз", "вперёд", "вперед", "назад", "с"};

// The rooms in a ring, each holding the item of its number.
void addRooms(StoryText &story, int exits) {
    for (int k = 1; k <= kWorldSize; ++k) {
        story << QStringLiteral("room ") + roomName(k)
              << QStringLiteral("+title Комната ") + QString::number(k)
              << QStringLiteral("+text Вы стоите в комнате номер %1.@Здесь пыльно и тихо, "
                                "только ветер гудит в трубе.")
                     .arg(k);
        for (int e = 0; e < exits; ++e)
            story << QStringLiteral("+func %1,setroom %2")
                         .arg(QString::fromUtf8(kExitNames[e]), roomName((k + e) % kWorldSize + 1));
        story << QStringLiteral("+item ") + itemName(k) << QStringLiteral("done");
    }
}

// Ten functions per item, of all three kinds; "взять #" may be used anywhere, so that taking
// the item again is the same turn every time.
void addItems(StoryText &story) {
    for (int k = 1; k <= kWorldSize; ++k) {
        const QString item = itemName(k), title = itemTitle(k), room = roomName(k);
        const QString variable = variableName(k);
        story
            << QStringLiteral("item ") + item << QStringLiteral("+title ") + title
            << QStringLiteral("+text Это %1, ничем не примечательная с виду.").arg(title)
            << QStringLiteral("+downtext Здесь лежит %1.").arg(title)
            << QStringLiteral("+func осмотреть #,pn Вы внимательно осматриваете %1.").arg(title)
            << QStringLiteral("+func взять #,++item %1 | set %2=1 | setroom %3")
                   .arg(item, variable, room)
            << QStringLiteral("+func_inv бросить #,--item %1 | pn Вы бросили %2.").arg(item, title)
            << QStringLiteral("+func_loc толкнуть #,pn %1 не двигается.").arg(title)
            << QStringLiteral("+func использовать #,if #%1=1 then pn Вы используете %2. * set "
                              "%3=2 else pn Сначала возьмите %2.")
                   .arg(item, title, variable)
            << QStringLiteral("+func_inv съесть #,pn Это несъедобно.")
            << QStringLiteral("+func_loc разбудить #,pn %1 не спит.").arg(title)
            << QStringLiteral("+func включить #,goto %1").arg(chapterLabel(k))
            << QStringLiteral("+func_inv выпить #,pn Это не пьют.")
            << QStringLiteral("+func_loc растоптать #,deleteitem %1,%2 | pn Хрусь!").arg(room, item)
            << QStringLiteral("done");
    }
}

void addVariables(StoryText &story) {
    for (int k = 1; k <= kWorldSize; ++k)
        story << QStringLiteral("set ") + variableName(k) + QStringLiteral("=0");
}

// A world of the largest size, the player placed in `startRoom`, and the first waiting point.
void addWorld(StoryText &story, int exits, int startRoom) {
    story << QStringLiteral("rem Сгенерированная история для измерений.")
          << QStringLiteral("exitview 1");
    addItems(story);
    addRooms(story, exits);
    addVariables(story);
    story << QStringLiteral("pn Ночью был шторм. Зажгите маяк, пока корабль не разбился.")
          << QStringLiteral("setroom ") + roomName(startRoom) << QStringLiteral("wait");
}

// A labelled chapter as the functions reach it: text, a variable, a condition, and on every
// other chapter a jump onwards.
void addChapter(StoryText &story, int k) {
    const QString variable = variableName(k);
    story << chapterLabel(k)
          << QStringLiteral("pn Глава %1. Волны бьются о скалы, и фонарь качается на ветру.").arg(k)
          << QStringLiteral("p Вы слышите далёкий колокол. & pn Он звонит %1 раз.").arg(k % 12 + 1)
          << QStringLiteral("set %1=%2").arg(variable).arg(k % 7)
          << QStringLiteral("if %1=%2 then pn Всё идёт по плану. * set %1=0 else pn Что-то не так.")
                 .arg(variable)
                 .arg(k % 7)
          << QStringLiteral("pn Сквозь шум прибоя слышен крик чаек.");
    if (k % 2 == 0)
        story << QStringLiteral("goto ") + chapterLabel(k + 1);
    story << QStringLiteral("wait");
}

} // namespace

QByteArray MaximumStory() {
    StoryText story;
    addWorld(story, 4, 1);
    constexpr int kChapterLines = 8;
    for (int k = 1; story.lineCount() + kChapterLines < kMaximumLines; ++k)
        addChapter(story, k);
    while (story.lineCount() < kMaximumLines - 1)
        story << QStringLiteral("rem конец истории");
    story << QStringLiteral("wait");
    return story.bytes();
}

QByteArray LargestWorld() {
    StoryText story;
    addWorld(story, 10, kWorldSize);
    return story.bytes();
}

QString LargestWorldTurn() {
    return QStringLiteral("взять ") + itemTitle(kWorldSize);
}

QByteArray PrintingStory(int lines) {
    StoryText story;
    story << QStringLiteral("room зал") << QStringLiteral("+text Зал, полный строк.")
          << QStringLiteral("+func печать,goto rem печать") << QStringLiteral("done")
          << QStringLiteral("setroom зал") << QStringLiteral("rem печать:");
    // Ten commands to a line, so that even 100,000 printed lines fit into a story file.
    constexpr int kPerLine = 10;
    for (int first = 1; first <= lines; first += kPerLine) {
        QStringList commands;
        for (int k = first; k < first + kPerLine && k <= lines; ++k)
            commands
                << QStringLiteral("pn Строка %1: тихо шумит море, и маяк светит в темноте.").arg(k);
        story << commands.join(QStringLiteral(" & "));
    }
    story << QStringLiteral("wait");
    return story.bytes();
}

QString PrintingStoryTurn() {
    return QStringLiteral("печать");
}

QByteArray NestedJumps(int depth) {
    StoryText story;
    for (int k = 1; k <= depth; ++k)
        story << QStringLiteral("goto rem уровень%1").arg(k)
              << QStringLiteral("rem уровень%1:").arg(k);
    story << QStringLiteral("pn дно") << QStringLiteral("wait");
    return story.bytes();
}

QByteArray TinyStory() {
    StoryText story;
    story << QStringLiteral("room комната")
          << QStringLiteral("+text Вы в маленькой комнате. Здесь ничего нет.")
          << QStringLiteral("done") << QStringLiteral("setroom комната") << QStringLiteral("wait");
    return story.bytes();
}
