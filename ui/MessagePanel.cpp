#include "MessagePanel.h"

#include "qt/QtText.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <deque>

namespace {

struct Entry {
    int line;
    QString title;
    QString text; // its lines separated by CR, as the story sent them
};

Entry entryOf(const AuthorMessage &message) {
    return {message.line, ToQString(message.title), ToQString(PanelEntryText(message.text))};
}

QString lineText(int line) {
    return line > 0 ? QString::number(line) : QString();
}

// A message's lines on one line of the list.
QString joinedLines(const QString &text) {
    return QString(text).replace(u'\r', QStringLiteral(" · "));
}

} // namespace

// The panel's entries: those shown, in rows, and those added since, waiting to be shown. Both
// together never hold more than MessagePanel::kMostEntries.
class MessageList : public QAbstractTableModel {
public:
    enum Column {
        Line,
        Title,
        Text,
        Columns
    };

    void add(Entry entry) {
        m_waiting.push_back(std::move(entry));
        if (m_waiting.size() > std::size_t(MessagePanel::kMostEntries)) {
            m_waiting.pop_front();
            ++m_dropped;
        }
    }

    // The waiting entries become rows; the oldest rows make room for them.
    void showWaiting() {
        const int overflow = rowCount() + int(m_waiting.size()) - MessagePanel::kMostEntries;
        if (overflow > 0) {
            beginRemoveRows({}, 0, overflow - 1);
            m_shown.erase(m_shown.begin(), m_shown.begin() + overflow);
            m_dropped += overflow;
            endRemoveRows();
        }
        if (m_waiting.empty())
            return;
        beginInsertRows({}, rowCount(), rowCount() + int(m_waiting.size()) - 1);
        std::move(m_waiting.begin(), m_waiting.end(), std::back_inserter(m_shown));
        m_waiting.clear();
        endInsertRows();
    }

    void clear() {
        beginResetModel();
        m_shown.clear();
        m_waiting.clear();
        m_dropped = 0;
        endResetModel();
    }

    int count() const {
        return std::min(rowCount() + int(m_waiting.size()), MessagePanel::kMostEntries);
    }
    qint64 dropped() const {
        return m_dropped + std::max(0, rowCount() + int(m_waiting.size()) - count());
    }
    const Entry &entry(int row) const { return m_shown[std::size_t(row)]; }

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : int(m_shown.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : Columns;
    }

    QVariant data(const QModelIndex &index, int role) const override {
        const Entry &shown = entry(index.row());
        if (role == Qt::ToolTipRole)
            return QString(shown.text).replace(u'\r', u'\n');
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case Line:
            return lineText(shown.line);
        case Title:
            return shown.title;
        default:
            return joinedLines(shown.text);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const QString names[] = {QStringLiteral("Строка"), QStringLiteral("Заголовок"),
                                        QStringLiteral("Сообщение")};
        return names[section];
    }

private:
    std::deque<Entry> m_shown;
    std::deque<Entry> m_waiting;
    qint64 m_dropped = 0;
};

MessagePanel::MessagePanel(QWidget *parent)
    : QWidget(parent), m_list(std::make_unique<MessageList>()) {
    createControls();
    layoutControls();
    connectControls();
}

MessagePanel::~MessagePanel() = default;

void MessagePanel::createControls() {
    setObjectName(QStringLiteral("MessagePanel"));
    setAccessibleName(QStringLiteral("Сообщения автору"));
    setAccessibleDescription(
        QStringLiteral("Сообщения истории её автору, с номерами строк, новые внизу"));

    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("MessageList"));
    m_view->setModel(m_list.get());
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->header()->setStretchLastSection(true);
    m_view->header()->setSectionResizeMode(MessageList::Line, QHeaderView::ResizeToContents);
    m_view->setAccessibleName(QStringLiteral("Список сообщений автору"));
    m_view->setAccessibleDescription(
        QStringLiteral("Строка истории, заголовок и текст каждого сообщения"));

    m_droppedNote = new QLabel(this);
    m_droppedNote->setObjectName(QStringLiteral("DroppedNote"));
    m_droppedNote->setWordWrap(true);
    m_droppedNote->hide();

    m_copy = new QPushButton(QStringLiteral("Копировать"), this);
    m_copy->setObjectName(QStringLiteral("CopyMessages"));
    m_copy->setAccessibleDescription(
        QStringLiteral("Копирует выбранные сообщения, а если ничего не выбрано, все"));
    m_clear = new QPushButton(QStringLiteral("Очистить"), this);
    m_clear->setObjectName(QStringLiteral("ClearMessages"));
    m_clear->setAccessibleDescription(QStringLiteral("Убирает все сообщения из списка"));
}

void MessagePanel::layoutControls() {
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_clear);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_droppedNote);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
}

void MessagePanel::connectControls() {
    connect(m_copy, &QPushButton::clicked, this, &MessagePanel::copy);
    connect(m_clear, &QPushButton::clicked, this, &MessagePanel::clear);
    auto *copyKeys = new QAction(this);
    copyKeys->setShortcut(QKeySequence::Copy);
    copyKeys->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyKeys, &QAction::triggered, this, &MessagePanel::copy);
    m_view->addAction(copyKeys);
}

void MessagePanel::add(const AuthorMessage &message) {
    m_list->add(entryOf(message));
    if (m_showScheduled)
        return;
    m_showScheduled = true;
    QTimer::singleShot(0, this, &MessagePanel::showAdded);
}

void MessagePanel::showAdded() {
    m_showScheduled = false;
    m_list->showWaiting();
    if (m_list->dropped() > 0) {
        m_droppedNote->setText(
            QStringLiteral("Старые сообщения убраны из списка: %L1.").arg(m_list->dropped()));
        m_droppedNote->show();
    }
    m_view->scrollToBottom();
}

void MessagePanel::clear() {
    m_list->clear();
    m_droppedNote->hide();
}

void MessagePanel::copy() {
    showAdded();
    QList<int> rows;
    for (const QModelIndex &row : m_view->selectionModel()->selectedRows())
        rows.append(row.row());
    std::sort(rows.begin(), rows.end());
    QApplication::clipboard()->setText(copiedText(rows));
}

int MessagePanel::count() const {
    return m_list->count();
}

qint64 MessagePanel::dropped() const {
    return m_list->dropped();
}

QString MessagePanel::copiedText(const QList<int> &rows) {
    showAdded();
    QStringList lines;
    auto addRow = [&](int row) {
        const Entry &entry = m_list->entry(row);
        QString line = entry.line > 0 ? QStringLiteral("Строка %1. ").arg(entry.line) : QString();
        line += entry.title.isEmpty() ? QString() : entry.title + QStringLiteral(": ");
        lines.append(line + joinedLines(entry.text));
    };
    if (rows.isEmpty())
        for (int row = 0; row < m_list->rowCount(); ++row)
            addRow(row);
    for (int row : rows)
        addRow(row);
    return lines.join(u'\n');
}
