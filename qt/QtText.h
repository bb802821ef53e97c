#pragma once

#include <QString>
#include <string>
#include <string_view>

// The core keeps text in UTF-16 as Qt does, so crossing over copies the units and changes none.
inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

inline std::u16string FromQString(const QString &text) {
    return std::u16string(reinterpret_cast<const char16_t *>(text.utf16()),
                          std::size_t(text.size()));
}
