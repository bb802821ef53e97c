// What the game window shows of the messages to the author, by the setting «Сообщения автору»,
// and the panel that takes them when no box should.

#include "ui/MessageRouter.h"
#include "ui/MessagePanel.h"
#include "ui/MessagePresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Answers each question from a list of answers, «Да» when it runs out, and writes down each
// box as one letter: T a trace, U the unknown-command question, Q the question whether to go on
// with boxes, C the note that the rest go to the panel.
class AnsweringPresenter : public MessagePresenter {
public:
    void Present(QWidget *, const AuthorMessage &message) override {
        shown += message.kind == MessageKind::Trace ? u'T' : u'C';
    }
    bool Ask(QWidget *, const AuthorMessage &question) override {
        shown += question.kind == MessageKind::UnknownCommand ? u'U' : u'Q';
        const bool yes = answers.isEmpty() || answers.front() == u'y';
        answers.remove(0, 1);
        return yes;
    }

    QString answers; // y for «Да», n for «Нет»
    QString shown;
};

AuthorMessage trace(int line) {
    return {u"Зуфт Win", u"if x=1 then\rn0!", MessageIcon::None, MessageKind::Trace, line};
}

AuthorMessage unknownCommand(int line) {
    return {u"Внимание!", u"Внимание! Неизвестная комманда (прыг)\rСтрока файла: 7",
            MessageIcon::Error, MessageKind::UnknownCommand, line};
}

} // namespace

class MessageRouterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messagesGoWhereTheSettingSays_data();
    void messagesGoWhereTheSettingSays();
    void runawayTurnShowsAFewBoxesAndKeepsTheNewestInThePanel();
    void boxAsksWithDaAndNet_data();
    void boxAsksWithDaAndNet();
};

void MessageRouterTest::messagesGoWhereTheSettingSays_data() {
    QTest::addColumn<AuthorMessageDisplay>("display");
    QTest::addColumn<QString>(
        "story"); // T a trace, U an unknown command, | a new turn, # a new game
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<int>("inPanel");
    QTest::addColumn<int>("panelWanted");

    const auto boxes = AuthorMessageDisplay::Boxes;
    QTest::newRow("a few boxes") << boxes << "TTT"
                                 << ""
                                 << "TTT" << 0 << 0;
    QTest::newRow("go on with boxes") << boxes << "TTTTT"
                                      << "y"
                                      << "TTTQTT" << 0 << 0;
    QTest::newRow("rest of the turn to the panel") << boxes << "TTTTT"
                                                   << "n"
                                                   << "TTTQ" << 2 << 1;
    QTest::newRow("next turn boxes again") << boxes << "TTTT|TTTT"
                                           << "nn"
                                           << "TTTQTTTQ" << 2 << 2;
    QTest::newRow("unknown command, yes") << boxes << "UU"
                                          << "y"
                                          << "UU" << 0 << 0;
    QTest::newRow("unknown command, no: quietly to the panel") << boxes << "UUTU|U"
                                                               << "yn"
                                                               << "UUT" << 2 << 0;
    QTest::newRow("new game warns again") << boxes << "U#U"
                                          << "n"
                                          << "UU" << 0 << 0;
    QTest::newRow("panel") << AuthorMessageDisplay::Panel << "TU|T"
                           << ""
                           << "" << 3 << 2;
    QTest::newRow("hidden") << AuthorMessageDisplay::Hidden << "TU|T"
                            << ""
                            << "" << 0 << 0;
}

void MessageRouterTest::messagesGoWhereTheSettingSays() {
    QFETCH(AuthorMessageDisplay, display);
    QFETCH(QString, story);
    QFETCH(QString, answers);

    AnsweringPresenter presenter;
    presenter.answers = answers;
    MessagePanel panel;
    MessageRouter router(presenter, panel, nullptr);
    router.setDisplay(display);
    QSignalSpy aboutToShow(&router, &MessageRouter::boxAboutToShow);
    QSignalSpy panelWanted(&router, &MessageRouter::panelWanted);
    router.startGame();
    for (QChar step : story) {
        if (step == u'|')
            router.startTurn();
        else if (step == u'#')
            router.startGame();
        else
            router.Show(step == u'T' ? trace(3) : unknownCommand(7));
    }

    QTEST(presenter.shown, "boxes");
    QCOMPARE(aboutToShow.count(), presenter.shown.size());
    QTEST(panel.count(), "inPanel");
    QTEST(int(panelWanted.count()), "panelWanted");
}

// A story that loops through a faulty line: a few boxes, then, whatever the author answers,
// the panel, which keeps only the newest and says how many it dropped, until it is cleared.
void MessageRouterTest::runawayTurnShowsAFewBoxesAndKeepsTheNewestInThePanel() {
    AnsweringPresenter presenter;
    MessagePanel panel;
    MessageRouter router(presenter, panel, nullptr);
    router.startGame();
    constexpr int kMessages = 100'000;
    for (int line = 1; line <= kMessages; ++line)
        router.Show(trace(line));

    QCOMPARE(presenter.shown, u"TTTQ"_qs + QString(MessageRouter::kMostBoxes - 3, u'T') + u'C');
    QCOMPARE(panel.count(), MessagePanel::kMostEntries);
    QCOMPARE(panel.dropped(), kMessages - MessageRouter::kMostBoxes - MessagePanel::kMostEntries);
    const QStringList copied = panel.copiedText().split(u'\n');
    QCOMPARE(copied.size(), MessagePanel::kMostEntries);
    QCOMPARE(copied.last(), u"Строка 100000. Зуфт Win: if x=1 then · n0!"_qs);
    const auto *note = panel.findChild<QLabel *>(QStringLiteral("DroppedNote"));
    QVERIFY(note->isVisibleTo(&panel));
    QVERIFY(note->text().contains(QLocale().toString(panel.dropped())));

    panel.clear();
    QCOMPARE(panel.count(), 0);
    QCOMPARE(panel.dropped(), 0);
    QVERIFY(note->isHidden());
}

void MessageRouterTest::boxAsksWithDaAndNet_data() {
    QTest::addColumn<int>("lines"); // a long question scrolls in a box of its own
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("answer");

    QTest::newRow("Да") << 3 << "Да" << true;
    QTest::newRow("Нет") << 3 << "Нет" << false;
    QTest::newRow("long, Да") << 40 << "Да" << true;
    QTest::newRow("long, Нет") << 40 << "Нет" << false;
}

void MessageRouterTest::boxAsksWithDaAndNet() {
    QFETCH(int, lines);
    QFETCH(QString, button);

    QTimer::singleShot(0, this, [button] {
        for (auto *shown : QApplication::activeModalWidget()->findChildren<QAbstractButton *>())
            if (shown->text() == button)
                shown->click();
    });
    AuthorMessage question = unknownCommand(7);
    for (int line = 1; line < lines; ++line)
        question.text += u"\rещё строка";
    MessageBoxPresenter presenter;
    QTEST(presenter.Ask(nullptr, question), "answer");
}

QTEST_MAIN(MessageRouterTest)
#include "MessageRouterTest.moc"
