// The debug view: what the story's world holds after the opening and after a turn.

#include "ui/DebugView.h"
#include "support/StoryHarness.h"

#include <QTest>
#include <QTreeWidget>

namespace {

// Every section as one line: its heading, then each row's two columns.
QStringList shownSections(const DebugView &view) {
    const auto *tree = view.findChild<QTreeWidget *>(QStringLiteral("DebugTree"));
    QStringList sections;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *section = tree->topLevelItem(i);
        QString line = section->text(0);
        for (int row = 0; row < section->childCount(); ++row)
            line +=
                u" | "_qs + section->child(row)->text(0) + u" = "_qs + section->child(row)->text(1);
        sections.append(line);
    }
    return sections;
}

} // namespace

class DebugViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheWorldAsTheStoryLeftIt_data();
    void showsTheWorldAsTheStoryLeftIt();
};

void DebugViewTest::showsTheWorldAsTheStoryLeftIt_data() {
    QTest::addColumn<QStringList>("turns"); // played after the opening
    QTest::addColumn<QStringList>("sections");

    QTest::newRow("opening")
        << QStringList{}
        << QStringList{
               u"Комната | Имя = кухня | Заголовок = Кухня с печью | Номер = 1"_qs,
               u"Предметы здесь (1) | хлеб = слово «хлебушек», № 1"_qs,
               u"Предметы у игрока (1) | нож = слово «ножик», № 2"_qs,
               u"Переменные (2) | сытость = 3 | ключ = -1"_qs,
               u"Строка сценария | Номер = 13 | Текст = wait"_qs,
               u"Последнее ожидание | Номер = 13 | Текст = wait"_qs,
           };
    QTest::newRow("a turn")
        << QStringList{u"есть"_qs}
        << QStringList{
               u"Комната | Имя = кухня | Заголовок = Кухня с печью | Номер = 1"_qs,
               u"Предметы здесь (0)"_qs,
               u"Предметы у игрока (2) | хлеб = слово «хлебушек», № 1 | "
               u"нож = слово «ножик», № 2"_qs,
               u"Переменные (2) | сытость = 4 | ключ = -1"_qs,
               u"Строка сценария | Номер = 13 | Текст = wait"_qs,
               u"Последнее ожидание | Номер = 13 | Текст = wait"_qs,
           };
}

void DebugViewTest::showsTheWorldAsTheStoryLeftIt() {
    QFETCH(QStringList, turns);

    StoryHarness harness;
    QVERIFY(harness.load({
        "item хлеб",
        "+title хлебушек",
        "item нож",
        "+title ножик",
        "room кухня",
        "+title Кухня с печью",
        "+item хлеб",
        "+func есть,set сытость=4 | ++item хлеб | deleteitem кухня,хлеб",
        "set сытость=3",
        "set ключ=-1",
        "++item нож",
        "setroom кухня",
        "wait",
    }));
    for (const QString &turn : turns)
        harness.turn(turn.toStdString());
    DebugView view;
    view.refresh(harness.story);
    QTEST(shownSections(view), "sections");
}

QTEST_MAIN(DebugViewTest)
#include "DebugViewTest.moc"
