#include "HistoryView.h"

#include "BoxLines.h"
#include "io/Files.h"
#include "qt/MessagePresenter.h"
#include "qt/QtText.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QString forgottenNote(std::size_t forgotten) {
    return QStringLiteral("[…] Начало игры не показано: оно забыто, чтобы игра уместилась в "
                          "памяти. Забыто ходов: %L1.\r\n\r\n")
        .arg(forgotten);
}

bool endsLine(QStringView exchange) {
    return exchange.endsWith(u'\n') || exchange.endsWith(u'\r');
}

} // namespace

HistoryView::HistoryView(MessagePresenter &presenter, QWidget *parent)
    : QWidget(parent, Qt::Window), m_presenter(presenter) {
    createControls();
    layoutControls();
    createActions();
}

void HistoryView::createControls() {
    setObjectName(QStringLiteral("HistoryView"));
    setWindowTitle(QStringLiteral("История игры"));
    setAccessibleName(QStringLiteral("История игры"));
    setAccessibleDescription(QStringLiteral("Вся игра до этого хода, только для чтения"));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("HistoryText"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setUndoRedoEnabled(false);
    m_text->setAccessibleName(QStringLiteral("Текст истории игры"));
    m_text->setAccessibleDescription(
        QStringLiteral("Каждый ход, как его показала консоль, по порядку"));

    m_findText = new QLineEdit(this);
    m_findText->setObjectName(QStringLiteral("FindText"));
    m_findText->setPlaceholderText(QStringLiteral("Найти (Ctrl+F)"));
    m_findText->setAccessibleName(QStringLiteral("Найти"));
    m_findText->setAccessibleDescription(
        QStringLiteral("Текст для поиска в истории, без учёта регистра; Enter или F3 ищет дальше"));

    m_findNext = new QPushButton(QStringLiteral("Найти далее"), this);
    m_findNext->setObjectName(QStringLiteral("FindNext"));
    m_findNext->setAccessibleDescription(QStringLiteral("Следующее место с этим текстом (F3)"));
    m_findPrevious = new QPushButton(QStringLiteral("Найти ранее"), this);
    m_findPrevious->setObjectName(QStringLiteral("FindPrevious"));
    m_findPrevious->setAccessibleDescription(
        QStringLiteral("Предыдущее место с этим текстом (Shift+F3)"));

    m_findStatus = new QLabel(this);
    m_findStatus->setObjectName(QStringLiteral("FindStatus"));

    m_save = new QPushButton(QStringLiteral("Сохранить как текст…"), this);
    m_save->setObjectName(QStringLiteral("SaveAsText"));
    m_save->setAccessibleDescription(
        QStringLiteral("Записывает историю игры в текстовый файл UTF-8"));
}

void HistoryView::layoutControls() {
    auto *findRow = new QHBoxLayout;
    findRow->addWidget(m_findText, 1);
    findRow->addWidget(m_findNext);
    findRow->addWidget(m_findPrevious);
    findRow->addWidget(m_save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(findRow);
    layout->addWidget(m_findStatus);
    resize(720, 540);
}

void HistoryView::createActions() {
    connect(m_findText, &QLineEdit::returnPressed, this, &HistoryView::findNext);
    connect(m_findNext, &QPushButton::clicked, this, &HistoryView::findNext);
    connect(m_findPrevious, &QPushButton::clicked, this, &HistoryView::findPrevious);
    connect(m_save, &QPushButton::clicked, this, &HistoryView::saveAs);
    addShortcut(QKeySequence::Find, [this] { startFind(); });
    addShortcut(QKeySequence::FindNext, [this] { findNext(); });
    addShortcut(QKeySequence::FindPrevious, [this] { findPrevious(); });
    addShortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });
}

void HistoryView::addShortcut(const QKeySequence &keys, const std::function<void()> &run) {
    auto *action = new QAction(this);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, run);
    addAction(action);
}

void HistoryView::setHistory(const std::vector<std::u16string> &history, std::size_t forgotten) {
    m_text->clear();
    m_lines.restart();
    m_shown = 0;
    m_forgotten = 0;
    m_noteLength = 0;
    m_lengths.clear();
    m_latest = 0;
    addNewExchanges(history, forgotten);
}

// What is new goes in with one insertion, however many exchanges it has: the whole game when the
// view is shown.
void HistoryView::addNewExchanges(const std::vector<std::u16string> &history,
                                  std::size_t forgotten) {
    forgotten = std::min(forgotten, history.size());
    if (history.size() < m_shown || forgotten < m_forgotten)
        return setHistory(history, forgotten);
    if (forgotten != m_forgotten)
        forget(forgotten);
    QString text;
    for (std::size_t i = std::max(m_shown, forgotten); i < history.size(); ++i) {
        const QStringView exchange(history[i].data(), qsizetype(history[i].size()));
        // An empty line between exchanges, however the last one ended.
        if (!m_lengths.empty()) {
            const qsizetype before = text.size();
            if (!m_lastEndsLine)
                m_lines.add(u"\r\n", text);
            m_lines.add(u"\r\n", text);
            m_lengths.back() += text.size() - before;
        }
        m_latest = m_text->document()->characterCount() - 1 + text.size();
        const qsizetype before = text.size();
        m_lines.add(exchange, text);
        m_lengths.push_back(text.size() - before);
        m_lastEndsLine = exchange.isEmpty() || endsLine(exchange);
    }
    m_shown = history.size();
    if (!text.isEmpty()) {
        QTextCursor end(m_text->document());
        end.movePosition(QTextCursor::End);
        end.insertText(text);
    }
    m_findStatus->clear();
    showLatest();
}

// The exchanges the game forgot since they were shown go, and the note at the start counts them.
void HistoryView::forget(std::size_t forgotten) {
    qsizetype gone = 0;
    for (; m_forgotten < forgotten && !m_lengths.empty(); ++m_forgotten) {
        gone += m_lengths.front();
        m_lengths.pop_front();
    }
    m_forgotten = forgotten;
    QString note;
    BoxLines().add(forgottenNote(forgotten), note);
    QTextCursor cursor(m_text->document());
    cursor.setPosition(int(m_noteLength + gone), QTextCursor::KeepAnchor);
    cursor.insertText(note);
    m_latest += note.size() - m_noteLength - gone;
    m_noteLength = note.size();
}

// The latest turn shows from its first line: from the end, back to where it begins.
void HistoryView::showLatest() {
    QTextCursor cursor(m_text->document());
    cursor.movePosition(QTextCursor::End);
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
    cursor.setPosition(
        int(std::min<qsizetype>(m_latest, m_text->document()->characterCount() - 1)));
    m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
}

void HistoryView::startFind() {
    m_findText->setFocus(Qt::ShortcutFocusReason);
    m_findText->selectAll();
}

bool HistoryView::findNext() {
    return find(false);
}

bool HistoryView::findPrevious() {
    return find(true);
}

// From the selection on; past the end, round from the other end. Ignoring case folds the
// letters of every script, ё and Ё too.
bool HistoryView::find(bool backward) {
    const QString wanted = m_findText->text();
    if (wanted.isEmpty())
        return false;
    QTextDocument::FindFlags flags;
    if (backward)
        flags |= QTextDocument::FindBackward;
    m_findStatus->clear();
    if (m_text->find(wanted, flags))
        return true;
    QTextCursor round(m_text->document());
    round.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    const QTextCursor found = m_text->document()->find(wanted, round, flags);
    if (found.isNull()) {
        m_findStatus->setText(QStringLiteral("Не найдено: «%1».").arg(wanted));
        return false;
    }
    m_text->setTextCursor(found);
    m_text->ensureCursorVisible();
    m_findStatus->setText(backward ? QStringLiteral("Поиск продолжен с конца.")
                                   : QStringLiteral("Поиск продолжен с начала."));
    return true;
}

void HistoryView::saveAs() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Сохранить как текст…"), folder + QStringLiteral("/История игры.txt"),
        QStringLiteral("Текст (*.txt);;Все файлы (*)"));
    if (!path.isEmpty())
        saveTo(path);
}

bool HistoryView::saveTo(const QString &path) {
    QString text = m_text->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    const QByteArray bytes = text.toUtf8();
    std::string error;
    if (WriteFileAtomically(QFile::encodeName(path).toStdString(),
                            std::string_view(bytes.constData(), std::size_t(bytes.size())), error))
        return true;
    m_presenter.Present(this, {u"История игры",
                               u"Историю игры не удалось сохранить в файл " + FromQString(path) +
                                   u":\r" + FromQString(QString::fromStdString(error)) +
                                   u"\rПрежний файл, если он был, остался как был.",
                               MessageIcon::Error, MessageKind::Fault, 0});
    return false;
}
