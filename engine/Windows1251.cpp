#include "Windows1251.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace {

// One character per byte, taken from Qt's decoder. A byte the code page leaves undefined (0x98)
// becomes the control character of the same number, as the system's own conversion does,
// rather than a replacement mark that would merge it with other bytes. All 256 bytes go through
// one decoder at once: opening a decoder is what costs, and a program starts with this table.
std::array<char16_t, 256> buildTable() {
    QByteArray bytes(256, Qt::Uninitialized);
    for (int byte = 0; byte < 256; ++byte)
        bytes[byte] = char(byte);
    const QString decoded = QStringDecoder("windows-1251").decode(bytes);
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        const QChar c = decoded.size() == 256 ? decoded[byte] : QChar::ReplacementCharacter;
        table[byte] = c != QChar::ReplacementCharacter ? c.unicode() : char16_t(byte);
    }
    return table;
}

const std::array<char16_t, 256> &table() {
    static const std::array<char16_t, 256> decoded = buildTable();
    return decoded;
}

} // namespace

QString DecodeWindows1251(QByteArrayView bytes) {
    const auto &chars = table();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = chars[static_cast<unsigned char>(bytes[i])];
    return text;
}

QByteArray EncodeWindows1251(const QString &text) {
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> reverse;
        for (int byte = 0; byte < 256; ++byte)
            reverse.insert(table()[byte], char(byte));
        return reverse;
    }();
    QByteArray encoded;
    encoded.reserve(text.size());
    for (QChar c : text)
        encoded.append(bytes.value(c.unicode(), '?'));
    return encoded;
}
