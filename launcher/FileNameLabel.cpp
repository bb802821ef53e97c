#include "FileNameLabel.h"

#include <QFontMetrics>

namespace {

// The text in lines at most `width` wide, its own line ends kept. A path breaks after one of its
// slashes where it can, so that a folder's name stays whole; a name longer than a line breaks
// anywhere but inside a character.
QStringList wrapPath(const QString &text, const QFontMetrics &metrics, int width) {
    QStringList lines{QString()};
    for (const QChar unit : text) {
        if (unit == u'\n') {
            lines.append(QString());
            continue;
        }
        QString &line = lines.last();
        if (!line.isEmpty() && !unit.isLowSurrogate() &&
            metrics.horizontalAdvance(line + unit) > width) {
            const qsizetype slash = line.lastIndexOf(u'/');
            const QString carried = slash >= 0 ? line.mid(slash + 1) : QString();
            line.chop(carried.size());
            lines.append(carried);
        }
        lines.last() += unit;
    }
    return lines;
}

// The path with all but `kept` of its units taken out of the middle, never half a character.
QString shortened(const QString &path, qsizetype kept) {
    if (kept >= path.size())
        return path;
    qsizetype head = (kept + 1) / 2;
    qsizetype tail = path.size() - kept / 2;
    if (head > 0 && path[head - 1].isHighSurrogate())
        --head;
    if (tail < path.size() && path[tail].isLowSurrogate())
        ++tail;
    return path.left(head) + u'…' + path.mid(tail);
}

} // namespace

FileNameLabel::FileNameLabel(QWidget *parent) : QLabel(parent) {
    // A path is shown as it is, whatever marks it holds.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FileNameLabel::setChoice(const QString &caption, const QString &path) {
    m_caption = caption;
    m_path = path;
    setToolTip(path);
    setAccessibleName(caption + path);
    // Fitting measures the text in the label's font, which loads the fonts: a launcher that is
    // never shown (a story named on the command line) would pay for it at every start.
    if (isVisible())
        fit();
}

void FileNameLabel::showEvent(QShowEvent *event) {
    QLabel::showEvent(event);
    fit();
}

void FileNameLabel::resizeEvent(QResizeEvent *event) {
    QLabel::resizeEvent(event);
    if (isVisible())
        fit();
}

// The most of the path that the label's lines hold.
void FileNameLabel::fit() {
    const QFontMetrics metrics(font());
    const QRect room = contentsRect();
    const qsizetype lines =
        std::max(1, (room.height() - metrics.height()) / metrics.lineSpacing() + 1);
    const auto laidOut = [&](qsizetype kept) {
        return wrapPath(m_caption + shortened(m_path, kept), metrics, room.width());
    };
    qsizetype fits = 0;
    for (qsizetype tooMany = m_path.size() + 1; tooMany - fits > 1;) {
        const qsizetype kept = (fits + tooMany) / 2;
        if (laidOut(kept).size() <= lines)
            fits = kept;
        else
            tooMany = kept;
    }
    setText(laidOut(fits).join(u'\n'));
}
