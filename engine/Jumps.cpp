#include "Story.h"

// A label line is a whole line ending in ":". Labels are compared lower-cased, and when several
// lines carry the same label the last one is the target; both are settled here once per story.
void Story::IndexLabels() {
    m_labels.clear();
    for (int i = 0; i < m_lineCount; ++i)
        if (m_lines[i].endsWith(u':'))
            m_labels.insert(m_lines[i].toLower(), i);
}

// goto label: runs the script from the label's line to its next waiting point, inside the run
// that is active (if any). A label found nowhere, or on the line the cursor already stands on,
// does nothing.
void Story::GotoCom(QStringView Пар) {
    const auto target = m_labels.constFind(Пар.toString().toLower() + u':');
    if (target == m_labels.cend() || *target == m_cursor)
        return;
    m_cursor = *target;
    ОбработкаФайла();
}
