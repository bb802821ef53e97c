#include "ConsoleAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>

namespace {

// Line and paragraph separators become LFs, one character for one, so that every offset into
// the text stays what it was.
QString plain(QString text) {
    for (QChar &c : text)
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u'\n';
    return text;
}

class ConsoleAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ConsoleAccessible(ConsoleBox *box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    using QAccessibleWidget::text;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override {
        const QTextCursor cursor = box().textCursor();
        const bool any = selectionIndex == 0 && cursor.hasSelection();
        *startOffset = any ? cursor.selectionStart() : 0;
        *endOffset = any ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return box().textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override {
        QTextCursor cursor = box().textCursor();
        cursor.clearSelection();
        box().setTextCursor(cursor);
    }
    void setSelection(int, int startOffset, int endOffset) override {
        QTextCursor cursor = cursorAt(startOffset);
        cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
        box().setTextCursor(cursor);
    }
    int cursorPosition() const override { return box().textCursor().position(); }
    void setCursorPosition(int position) override { box().setTextCursor(cursorAt(position)); }

    QString text(int startOffset, int endOffset) const override {
        QTextCursor cursor = cursorAt(startOffset);
        cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
        return plain(cursor.selectedText());
    }
    int characterCount() const override { return box().document()->characterCount() - 1; }
    QRect characterRect(int offset) const override {
        const QRect caret = box().cursorRect(cursorAt(offset));
        return QRect(box().viewport()->mapToGlobal(caret.topLeft()), caret.size());
    }
    int offsetAtPoint(const QPoint &point) const override {
        return box().cursorForPosition(box().viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int startIndex, int) override {
        box().setTextCursor(cursorAt(startIndex));
        box().ensureCursorVisible();
    }
    QString attributes(int offset, int *startOffset, int *endOffset) const override {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    ConsoleBox &box() const { return *static_cast<ConsoleBox *>(widget()); }
    int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }
    QTextCursor cursorAt(int offset) const {
        QTextCursor cursor(box().document());
        cursor.setPosition(clamped(offset));
        return cursor;
    }
};

QAccessibleInterface *consoleInterface(const QString &, QObject *object) {
    if (auto *box = qobject_cast<ConsoleBox *>(object))
        return new ConsoleAccessible(box);
    return nullptr;
}

// The box's own events of new text carry its separators; they are passed on with LFs.
void plainConsoleEvents(QAccessibleEvent *event) {
    std::unique_ptr<QAccessibleEvent> replaced;
    if (qobject_cast<ConsoleBox *>(event->object())) {
        if (event->type() == QAccessible::TextInserted) {
            const auto *inserted = static_cast<QAccessibleTextInsertEvent *>(event);
            replaced = std::make_unique<QAccessibleTextInsertEvent>(
                event->object(), inserted->changePosition(), plain(inserted->textInserted()));
        } else if (event->type() == QAccessible::TextUpdated) {
            const auto *updated = static_cast<QAccessibleTextUpdateEvent *>(event);
            replaced = std::make_unique<QAccessibleTextUpdateEvent>(
                event->object(), updated->changePosition(), updated->textRemoved(),
                plain(updated->textInserted()));
        }
    }
    // The toolkit's own handler, which speaks AT-SPI, takes the event once this one stands aside.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(replaced ? replaced.get() : event);
    QAccessible::installUpdateHandler(plainConsoleEvents);
}

} // namespace

ConsoleBox::ConsoleBox(QWidget *parent) : QPlainTextEdit(parent) {
    static const bool installed = (QAccessible::installFactory(consoleInterface),
                                   QAccessible::installUpdateHandler(plainConsoleEvents), true);
    (void)installed;
}
