#pragma once

#include <QString>
#include <QStringView>
#include <array>

// The setting «Сообщения автору»: how the game window shows the messages a story has for its
// author. The settings store keeps the key; the settings window offers the labels.
enum class AuthorMessageDisplay {
    Boxes,  // a box for each, as always (the default)
    Panel,  // a list beside the console, which never stops the game
    Hidden, // not shown at all
};

struct AuthorMessageDisplayChoice {
    AuthorMessageDisplay display;
    QStringView key;
    QStringView label;
};

inline constexpr std::array<AuthorMessageDisplayChoice, 3> kAuthorMessageDisplayChoices{{
    {AuthorMessageDisplay::Boxes, u"boxes", u"В окнах сообщений"},
    {AuthorMessageDisplay::Panel, u"panel", u"В панели рядом с консолью"},
    {AuthorMessageDisplay::Hidden, u"hidden", u"Не показывать"},
}};

// The choice a stored key names; a key this version does not know keeps the default.
inline AuthorMessageDisplay AuthorMessageDisplayFromKey(QStringView key) {
    for (const auto &choice : kAuthorMessageDisplayChoices)
        if (choice.key == key)
            return choice.display;
    return AuthorMessageDisplay::Boxes;
}

inline QString AuthorMessageDisplayKey(AuthorMessageDisplay display) {
    for (const auto &choice : kAuthorMessageDisplayChoices)
        if (choice.display == display)
            return choice.key.toString();
    return QString();
}
