#include "Windows1251.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace {

// One character per byte, taken from Qt's decoder byte by byte. A byte the code page leaves
// undefined (0x98) becomes the control character of the same number, as the system's own
// conversion does, rather than a replacement mark that would merge it with other bytes.
std::array<char16_t, 256> buildTable() {
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        QStringDecoder decoder("windows-1251");
        const QString decoded = decoder.decode(QByteArrayView(&c, 1));
        const bool single = decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter;
        table[byte] = single ? decoded[0].unicode() : char16_t(byte);
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
