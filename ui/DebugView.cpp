#include "DebugView.h"

#include "game/Game.h"
#include "qt/QtText.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// A story's names and lines may be megabytes long; the view shows their start.
constexpr std::size_t kLongestShown = 200;

QString shown(std::u16string_view text) {
    if (text.size() <= kLongestShown)
        return ToQString(text);
    return ToQString(text.substr(0, kLongestShown)) + QStringLiteral("…");
}

QTreeWidgetItem *row(const QString &what, const QString &value) {
    return new QTreeWidgetItem(QStringList{what, value});
}

// Replaces what a section lists, keeping the section itself, so that it stays open or closed
// as the author left it.
void fill(QTreeWidgetItem *section, const QString &heading, const QList<QTreeWidgetItem *> &rows) {
    section->setText(0, heading);
    qDeleteAll(section->takeChildren());
    section->addChildren(rows);
}

QList<QTreeWidgetItem *> itemsWhere(const World &world, const std::array<Flag, kSlots> &flags) {
    QList<QTreeWidgetItem *> rows;
    for (int slot = 0; slot <= kLastSlot; ++slot) {
        if (flags[std::size_t(slot)] != kYes)
            continue;
        const Item &item = world.Items[std::size_t(slot)];
        rows.append(row(shown(item.Name),
                        QStringLiteral("слово «%1», № %2").arg(shown(item.Title)).arg(slot)));
    }
    return rows;
}

// A line of the script, numbered from 1; `index` may stand just past the last line.
QList<QTreeWidgetItem *> scriptLine(const StorySnapshot &story, int index) {
    if (index >= int(story.lines.size()) - 1) // the empty line after the last
        return {row(QStringLiteral("Номер"), QStringLiteral("после последней строки"))};
    return {row(QStringLiteral("Номер"), QString::number(index + 1)),
            row(QStringLiteral("Текст"), shown(story.lines[std::size_t(index)]))};
}

} // namespace

DebugView::DebugView(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DebugView"));
    setWindowTitle(QStringLiteral("Отладка истории"));
    setAccessibleName(QStringLiteral("Отладка истории"));
    setAccessibleDescription(QStringLiteral(
        "Комната, предметы, переменные и строка сценария после последнего хода; только чтение"));

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("DebugTree"));
    m_tree->setHeaderLabels({QStringLiteral("Что"), QStringLiteral("Значение")});
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tree->setAccessibleName(QStringLiteral("Состояние истории"));
    m_tree->setAccessibleDescription(
        QStringLiteral("Разделы: комната, предметы здесь, предметы у игрока, переменные, "
                       "строка сценария, последнее ожидание, строка последнего сообщения"));
    for (QTreeWidgetItem **section : {&m_room, &m_itemsHere, &m_itemsCarried, &m_variables,
                                      &m_scriptLine, &m_waitingPoint, &m_messageLine}) {
        *section = new QTreeWidgetItem(m_tree);
        (*section)->setExpanded(true);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
}

void DebugView::refresh(const StorySnapshot &story) {
    fillRoom(story);
    fillItems(story);
    fillVariables(story);
    fillScriptLines(story);
}

void DebugView::fillRoom(const StorySnapshot &story) {
    const World &world = story.world;
    const Room &room = world.Current();
    fill(m_room, QStringLiteral("Комната"),
         {row(QStringLiteral("Имя"), shown(room.Name)),
          row(QStringLiteral("Заголовок"), shown(room.Title)),
          row(QStringLiteral("Номер"), QString::number(world.CurrentRoom))});
}

void DebugView::fillItems(const StorySnapshot &story) {
    const World &world = story.world;
    const auto here = itemsWhere(world, world.Current().ItemHere);
    fill(m_itemsHere, QStringLiteral("Предметы здесь (%1)").arg(here.size()), here);
    const auto carried = itemsWhere(world, world.Carried);
    fill(m_itemsCarried, QStringLiteral("Предметы у игрока (%1)").arg(carried.size()), carried);
}

void DebugView::fillVariables(const StorySnapshot &story) {
    const World &world = story.world;
    QList<QTreeWidgetItem *> rows;
    for (int slot = 1; slot <= world.VariableCount && slot <= kLastSlot; ++slot) {
        const Variable &variable = world.Variables[std::size_t(slot)];
        rows.append(row(shown(variable.Name), QString::number(variable.Value)));
    }
    fill(m_variables, QStringLiteral("Переменные (%1)").arg(rows.size()), rows);
}

void DebugView::fillScriptLines(const StorySnapshot &story) {
    fill(m_scriptLine, QStringLiteral("Строка сценария"), scriptLine(story, story.scriptLine));
    const int wait = story.waitingPoint;
    fill(m_waitingPoint, QStringLiteral("Последнее ожидание"),
         wait < 0
             ? QList<QTreeWidgetItem *>{row(QStringLiteral("Номер"), QStringLiteral("ещё не было"))}
             : scriptLine(story, wait));
    const int message = story.messageLine;
    fill(m_messageLine, QStringLiteral("Строка последнего сообщения автору"),
         message <= 0 ? QList<QTreeWidgetItem *>{row(QStringLiteral("Номер"),
                                                     QStringLiteral("сообщений ещё не было"))}
                      : scriptLine(story, message - 1));
}
