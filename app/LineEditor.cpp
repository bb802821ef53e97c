#include "LineEditor.h"

#include "CtrlC.h"
#include "engine/Text.h"

#include <climits>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <histedit.h>
#include <langinfo.h>

namespace {

const char *prompt(EditLine *) {
    return ">";
}

// Ctrl+D: on an empty line the player is done; at the end of a line it sends the line, so that
// nothing typed is lost and the next prompt starts a line of its own; inside a line it deletes
// the letter under the cursor, as in a shell.
unsigned char endOrDelete(EditLine *editor, int) {
    const LineInfo *line = el_line(editor);
    if (line->buffer == line->lastchar)
        return CC_EOF;
    if (line->cursor == line->lastchar) {
        el_push(editor, "\n");
        return CC_NORM;
    }
    el_cursor(editor, 1);
    el_deletestr(editor, 1);
    return CC_REFRESH;
}

// The game speaks UTF-8 whatever the terminal's locale says, and the editor counts a letter's
// bytes by the locale: a terminal set to "C" or "POSIX" would have each Cyrillic letter taken
// as two.
void speakUtf8() {
    if (std::setlocale(LC_CTYPE, "") && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0)
        return;
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

} // namespace

LineEditor::LineEditor() {
    speakUtf8();
    m_editor = el_init("zuft-cli", stdin, stdout, stderr);
    m_history = history_init();
    HistEvent event;
    history(m_history, &event, H_SETSIZE, INT_MAX);
    el_set(m_editor, EL_EDITOR, "emacs");
    el_set(m_editor, EL_PROMPT, prompt);
    el_set(m_editor, EL_HIST, history, m_history);
    // The editor follows a resized terminal, and gives it back as it found it on Ctrl+C.
    el_set(m_editor, EL_SIGNAL, 1);
    el_set(m_editor, EL_ADDFN, "zuft-end-or-delete", "end the line or delete", endOrDelete);
    el_set(m_editor, EL_BIND, "^D", "zuft-end-or-delete", nullptr);
}

LineEditor::~LineEditor() {
    el_end(m_editor);
    history_end(m_history);
}

// The history is the game's: an undo, a restore or a restart changes it.
void LineEditor::Follow(const TypedLines &typed) {
    const TypedLines::News news = typed.Since(m_remembered);
    HistEvent event;
    if (news.anew)
        history(m_history, &event, H_CLEAR);
    for (const std::u16string &line : news.lines)
        history(m_history, &event, H_ENTER, ToUtf8(line).c_str());
}

LineEditor::Result LineEditor::ReadLine(const TypedLines &typed, std::string &line) {
    Follow(typed);
    int count = 0;
    const char *got;
    {
        const CtrlCStops ctrlC;
        got = el_gets(m_editor, &count);
        if (!got && CtrlCStops::Pressed())
            return Result::Interrupted;
    }
    if (!got || count <= 0)
        return Result::End;
    line.assign(got, std::size_t(count));
    if (line.ends_with('\n'))
        line.pop_back();
    return Result::Line;
}
