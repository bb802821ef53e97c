#include "Player.h"
#include "engine/Text.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool isOneOf(std::u16string_view word, std::initializer_list<std::u16string_view> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

constexpr std::initializer_list<std::u16string_view> kInventoryWords = {u"инв", u"инвентарь",
                                                                        u"карман", u"крм"};
constexpr std::initializer_list<std::u16string_view> kDirections = {
    u"с", u"в", u"ю", u"з", u"вперёд", u"вверх", u"вниз", u"назад"};
// The verbs only choose the wording of the message when nothing matched.
constexpr std::initializer_list<std::u16string_view> kVerbs = {
    u"использовать", u"включить",  u"выключить",  u"съесть",    u"есть",    u"взять",
    u"убить",        u"толкнуть",  u"опустить",   u"выбросить", u"сожрать", u"растоптать",
    u"врубить",      u"разрушить", u"уничтожить", u"разбудить", u"выпить",  u"защититься"};
// Exits named by one letter are reached only through the direction words, so that a line such
// as "взять ..." does not walk through the exit "в".
constexpr std::initializer_list<std::u16string_view> kSingleLetterExits = {u"с", u"ю", u"з", u"в"};

// Whether the typed line begins with the function's name, every "#" of the name standing for
// the item's title. An empty pattern never matches. Every character compared is paid for.
bool lineStartsWithPattern(std::u16string_view line, std::u16string_view name,
                           std::u16string_view title, Work &work) {
    std::size_t at = 0;
    for (char16_t c : name) {
        if (c == u'#') {
            work += title.size();
            if (!line.substr(at).starts_with(title))
                return false;
            at += title.size();
        } else {
            ++work;
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
void Player::ОбработкаСлов() {
    const std::u16string &first = m_words[1];
    if (first == m_story.world().LookWord) {
        if (m_words[2].empty())
            m_story.DescribeRoom();
        else
            LookAtItem(m_words[2]);
    } else if (first == u"помощь")
        m_story.Print(u"Помощь тута не предусмотрена!!");
    else if (isOneOf(first, kInventoryWords))
        ListInventory();
    else if (isOneOf(first, kDirections))
        ПопробоватьИдти(first);
    else if (first == u"cls")
        m_story.console().ClearText();
    else if (isOneOf(first, kVerbs))
        MatchPhrase(true);
    else if (first == u"###_per")
        ListVariables();
    else if (first == u"###") {
        m_story.console().RefillInput(u"###");
        m_story.PrintLine(u"Это что ввы ввели?");
    } else
        MatchPhrase(false);
    m_story.console().ShowEnd();
}

// Looking goes by title, and only at what lies in the room: a carried item is not at hand.
void Player::LookAtItem(std::u16string_view word) {
    const World &world = m_story.world();
    bool shown = false;
    for (std::size_t i = 0; i <= kLastSlot; ++i) {
        if (SameName(world.Items[i].Title, word, m_story.TurnWork()) && world.LiesHere(int(i))) {
            m_story.PrintLine(world.Items[i].Text);
            shown = true;
        }
    }
    if (!shown)
        m_story.PrintLine(u"Я не помню такого предмета.");
}

void Player::ListInventory() {
    m_story.PrintLine(u"У вас есть с собой:");
    bool any = false;
    for (std::size_t i = 0; i <= kLastSlot; ++i) {
        if (m_story.world().Carried[i] == kYes) {
            m_story.PrintLine(m_story.world().Items[i].Title);
            any = true;
        }
    }
    if (!any)
        m_story.PrintLine(u"- Ничего");
}

// From the never-created slot 0 up to the last variable: name, six spaces, value.
void Player::ListVariables() {
    for (std::size_t i = 0; i <= std::size_t(m_story.world().VariableCount); ++i) {
        const Variable &variable = m_story.world().Variables[i];
        m_story.PrintLine(variable.Name + u"      " + DecimalText(variable.Value));
    }
}

// A room function answers to a line that begins with its name, exactly as typed; failing that,
// an item function whose name (with "#" for the item's title) begins the line and that the item
// allows where it is. The last match wins, and a room function beats every item function.
void Player::MatchPhrase(bool knownVerb) {
    const World &world = m_story.world();
    Work &work = m_story.TurnWork();
    const Room &room = world.Current();
    std::u16string body;
    int line = 0;
    bool roomMatch = false;
    for (std::size_t slot = 0; slot <= kLastFunctionSlot; ++slot) {
        const std::u16string &name = room.FuncName[slot];
        work += name.size();
        if (!name.empty() && !isOneOf(name, kSingleLetterExits) && m_inputLine.starts_with(name)) {
            roomMatch = true;
            body = room.FuncBody[slot];
            line = room.FuncLine[slot];
        }
    }

    bool itemNamed = false;
    bool itemFunctionFound = false;
    if (body.empty()) {
        std::u16string phrase;
        for (int i = 2; i <= m_wordCount; ++i) {
            if (i > 2)
                phrase += u' ';
            phrase += m_words[std::size_t(i)];
        }
        for (std::size_t i = 0; i <= kLastSlot && m_story.Spend(0); ++i) {
            const Item &item = world.Items[i];
            if (!phrase.empty() && SameName(phrase, item.Title, work))
                itemNamed = true;
            for (std::size_t slot = 0; slot <= kLastFunctionSlot; ++slot) {
                if (!lineStartsWithPattern(m_inputLine, item.FuncName[slot], item.Title, work) ||
                    !ItemFunctionUsable(int(i), item.FuncKind[slot]))
                    continue;
                itemFunctionFound = true;
                body = item.FuncBody[slot];
                line = item.FuncLine[slot];
            }
        }
        if (m_story.TurnStopped())
            return;
    }

    if (roomMatch || !body.empty())
        m_story.RunBody(body, line);
    else
        ExplainNoMatch(knownVerb, itemNamed && !itemFunctionFound);
}

// Kind 1 only while the item lies in the room, kind 2 only while it is carried, 0 in either place.
bool Player::ItemFunctionUsable(int item, FunctionKind kind) const {
    return (m_story.world().LiesHere(item) && kind != FunctionKind::Carried) ||
           (m_story.world().Carried[std::size_t(item)] == kYes && kind != FunctionKind::InRoom);
}

void Player::ExplainNoMatch(bool knownVerb, bool itemRefuses) {
    const std::u16string &first = m_words[1];
    if (!knownVerb)
        m_story.PrintLine(u"Я не знаю слова ''" + first + u"''!");
    else if (itemRefuses)
        m_story.PrintLine(u"Предмет не поддерживает это деиствие!");
    else if (m_wordCount > 1)
        m_story.PrintLine(u"Я не помню такого предмета.");
    else
        m_story.PrintLine(UpperCase(std::u16string_view(first).substr(0, 1)) + first.substr(1) +
                          u" что?");
}
