#include "Story.h"
#include "Text.h"

// goto label: runs the script from the label's line to its next waiting point, inside the run
// that is active (if any). Labels are compared lower-cased, and when several lines carry the
// same label the last one is the target: the script settled both when it was loaded. A label
// found nowhere, or on the line the cursor already stands on, does nothing.
void Story::GotoCom(std::u16string_view Пар) {
    const auto target = m_script->labels.find(LowerCase(Пар) + u':');
    if (target == m_script->labels.end() || target->second == m_run.cursor)
        return;
    m_run.cursor = target->second;
    ОбработкаФайла();
}
