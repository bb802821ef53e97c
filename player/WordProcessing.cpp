#include "engine/Story.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool isOneOf(const QString &word, std::initializer_list<QStringView> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

constexpr std::initializer_list<QStringView> kInventoryWords = {u"инв", u"инвентарь", u"карман",
                                                                u"крм"};
constexpr std::initializer_list<QStringView> kDirections = {u"с",      u"в",     u"ю",    u"з",
                                                            u"вперёд", u"вверх", u"вниз", u"назад"};
// The verbs only choose the wording of the message when nothing matched.
constexpr std::initializer_list<QStringView> kVerbs = {
    u"использовать", u"включить",  u"выключить",  u"съесть",    u"есть",    u"взять",
    u"убить",        u"толкнуть",  u"опустить",   u"выбросить", u"сожрать", u"растоптать",
    u"врубить",      u"разрушить", u"уничтожить", u"разбудить", u"выпить",  u"защититься"};
// Exits named by one letter are reached only through the direction words, so that a line such
// as "взять ..." does not walk through the exit "в".
constexpr std::initializer_list<QStringView> kSingleLetterExits = {u"с", u"ю", u"з", u"в"};

// Whether the typed line begins with the function's name, every "#" of the name standing for
// the item's title. An empty pattern never matches.
bool lineStartsWithPattern(QStringView line, const QString &name, const QString &title) {
    qsizetype at = 0;
    for (QChar c : name) {
        if (c == u'#') {
            if (!line.sliced(at).startsWith(title))
                return false;
            at += title.size();
        } else {
            // One character at a time, inline: a turn tries every function of every item.
            if (at == line.size() || line[at] != c)
                return false;
            ++at;
        }
    }
    return at > 0;
}

} // namespace

// The first word decides, in this order: the look word, help, inventory, directions, clearing,
// the known verbs, the two service words; every other line is matched against functions.
void Story::ОбработкаСлов() {
    const QString &first = m_words[1];
    if (first == m_world.LookWord)
        LookCom(m_words[2]);
    else if (first == u"помощь")
        m_console.AddText(QStringLiteral("Помощь тута не предусмотрена!!"));
    else if (isOneOf(first, kInventoryWords))
        ListInventory();
    else if (isOneOf(first, kDirections))
        ПопробоватьИдти(first);
    else if (first == u"cls")
        m_console.ClearText();
    else if (isOneOf(first, kVerbs))
        MatchPhrase(true);
    else if (first == u"###_per")
        ListVariables();
    else if (first == u"###") {
        m_console.RefillInput(QStringLiteral("###"));
        PrintLine(QStringLiteral("Это что ввы ввели?"));
    } else
        MatchPhrase(false);
    m_console.ShowEnd();
}

void Story::ListInventory() {
    PrintLine(QStringLiteral("У вас есть с собой:"));
    bool any = false;
    for (int i = 0; i <= kLastSlot; ++i) {
        if (m_world.Carried[i] == kYes) {
            PrintLine(m_world.Items[i].Title);
            any = true;
        }
    }
    if (!any)
        PrintLine(QStringLiteral("- Ничего"));
}

// From the never-created slot 0 up to the last variable: name, six spaces, value.
void Story::ListVariables() {
    for (int i = 0; i <= m_world.VariableCount; ++i) {
        const Variable &variable = m_world.Variables[i];
        PrintLine(variable.Name + QStringLiteral("      ") + QString::number(variable.Value));
    }
}

// A room function answers to a line that begins with its name, exactly as typed; failing that,
// an item function whose name (with "#" for the item's title) begins the line and that the item
// allows where it is. The last match wins, and a room function beats every item function.
void Story::MatchPhrase(bool knownVerb) {
    const Room &room = m_world.Current();
    QString body;
    bool roomMatch = false;
    for (int slot = 0; slot <= kLastFunctionSlot; ++slot) {
        const QString &name = room.FuncName[slot];
        if (!name.isEmpty() && !isOneOf(name, kSingleLetterExits) && m_inputLine.startsWith(name)) {
            roomMatch = true;
            body = room.FuncBody[slot];
        }
    }

    bool itemNamed = false;
    bool itemFunctionFound = false;
    if (body.isEmpty()) {
        QStringList rest;
        for (int i = 2; i <= m_wordCount; ++i)
            rest.append(m_words[i]);
        const QString phrase = rest.join(u' ');
        for (int i = 0; i <= kLastSlot; ++i) {
            const Item &item = m_world.Items[i];
            if (!phrase.isEmpty() && phrase == item.Title)
                itemNamed = true;
            for (int slot = 0; slot <= kLastFunctionSlot; ++slot) {
                if (!lineStartsWithPattern(m_inputLine, item.FuncName[slot], item.Title) ||
                    !ItemFunctionUsable(i, item.FuncKind[slot]))
                    continue;
                itemFunctionFound = true;
                body = item.FuncBody[slot];
            }
        }
    }

    if (roomMatch || !body.isEmpty())
        FuncCom(body);
    else
        ExplainNoMatch(knownVerb, itemNamed && !itemFunctionFound);
}

// Kind 1 only while the item lies in the room, kind 2 only while it is carried, 0 in either place.
bool Story::ItemFunctionUsable(int item, FunctionKind kind) const {
    return (m_world.LiesHere(item) && kind != FunctionKind::Carried) ||
           (m_world.Carried[item] == kYes && kind != FunctionKind::InRoom);
}

void Story::ExplainNoMatch(bool knownVerb, bool itemRefuses) {
    const QString &first = m_words[1];
    if (!knownVerb)
        PrintLine(QStringLiteral("Я не знаю слова ''") + first + QStringLiteral("''!"));
    else if (itemRefuses)
        PrintLine(QStringLiteral("Предмет не поддерживает это деиствие!"));
    else if (m_wordCount > 1)
        PrintLine(QStringLiteral("Я не помню такого предмета."));
    else
        PrintLine(first.left(1).toUpper() + first.mid(1) + QStringLiteral(" что?"));
}
