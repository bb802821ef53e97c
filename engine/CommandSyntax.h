#pragma once

#include <algorithm>
#include <string_view>

// How a text is cut into commands and a condition into its parts. The run loop and the story
// checker both use these, so the checker can never read a line otherwise than a run would.

// text -> command { separator command }, where each separator stands with one character on
// either side that is dropped unseen (they are meant to be spaces). A separator in the first
// position leaves an empty command. Cuts the next command off the front of `rest`; true when it
// was the last.
inline bool TakeCommand(std::u16string_view &rest, char16_t separator,
                        std::u16string_view &command) {
    const std::size_t p = rest.find(separator);
    if (p == std::u16string_view::npos) {
        command = rest;
        rest = {};
        return true;
    }
    command = rest.substr(0, p > 0 ? p - 1 : 0);
    rest = rest.substr(std::min(p + 2, rest.size()));
    return false;
}

// `each` gets every command of the text in order; false stops the cutting.
template <typename Each>
void ForEachCommand(std::u16string_view text, char16_t separator, Each each) {
    std::u16string_view command;
    for (;;) {
        const bool last = TakeCommand(text, separator, command);
        if (!each(command) || last)
            return;
    }
}

// command -> word [" " parameters]: the word is all before the first space, the parameters all
// after it, exactly as written.
inline std::u16string_view ВыделитьКоманду(std::u16string_view строчка) {
    return строчка.substr(0, строчка.find(u' '));
}

inline std::u16string_view ВыдПараметры(std::u16string_view Комманда1) {
    const std::size_t space = Комманда1.find(u' ');
    return space == std::u16string_view::npos ? std::u16string_view() : Комманда1.substr(space + 1);
}

// "name,rest" (a function, deleteitem): split at the first comma, nothing trimmed, further commas
// kept in the rest. False when there is no comma.
inline bool SplitAtComma(std::u16string_view text, std::u16string_view &first,
                         std::u16string_view &second) {
    const std::size_t comma = text.find(u',');
    if (comma == std::u16string_view::npos)
        return false;
    first = text.substr(0, comma);
    second = text.substr(comma + 1);
    return true;
}

// if condition then commands [else commands]: "then" and "else" are found as plain letters, also
// inside other words; each is dropped with the one character after it, and the then-part ends one
// character before its "else".
struct ConditionParts {
    std::u16string_view condition, thenPart, elsePart;
};
enum class ConditionSplit {
    Sound,
    NoThen,       // no "then" at all
    MisplacedElse // an "else" that the then-part does not hold, or one right at its start
};
ConditionSplit SplitCondition(std::u16string_view parameters, ConditionParts &parts);

// condition -> ["#"] ["$"] name operator value, the operator being the first of "<>", "><",
// "=", ">", "<" that stands after at least one character.
enum class Comparison {
    None, // no operator: the condition does nothing
    Equal,
    Greater,
    Less,
    Differ
};
struct ConditionTerms {
    Comparison comparison = Comparison::None;
    bool item = false; // "#": whether the player carries an item
    bool room = false; // "$": whether the player is in a room
    std::u16string_view name, value;
};
ConditionTerms ReadCondition(std::u16string_view condition);
