#pragma once

#include <QString>
#include <QStringView>

// Turns a story's text into the text of a box that shows many lines (QPlainTextEdit), piece by
// piece: each CR LF, or a CR or an LF alone, starts a new line, even when a CR LF is split
// between two pieces. The lines are kept in paragraphs of kLinesPerParagraph, split by line
// separators: adding a paragraph to a box costs more the more it has, adding a line to one does
// not, so 100,000 lines go in as fast, line for line, as 10,000. The reader sees, selects and
// copies the same lines either way.
//
// Laying out one line costs the square of its length, so a line longer than kLongestLine is
// broken, at its last space before that length where there is one: no story line that is read
// is that long, and a story that prints one of megabytes no longer freezes the window.
class BoxLines {
public:
    static constexpr int kLinesPerParagraph = 64;
    static constexpr qsizetype kLongestLine = 2048;

    // Adds the text to `out`, its line breaks turned into separators.
    void add(QStringView text, QString &out);
    // The box is empty again.
    void restart() { *this = BoxLines(); }

private:
    void addLine(QStringView line, QString &out);
    void endLine(QString &out);

    int m_linesInParagraph = 0;
    qsizetype m_lineLength = 0; // of the line being added, so far
    bool m_endsWithCr = false;  // an LF that opens the next piece belongs to the same break
};
