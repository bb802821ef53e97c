// What the game window shows of the messages to the author, by the setting «Сообщения автору»,
// the panel that takes them when no box should, and the boxes that ask with «Да» and «Нет».

#include "ui/MessageRouter.h"
#include "ui/MessagePanel.h"
#include "qt/MessagePresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Answers each question from a list (y for «Да», n for «Нет»; «Да» when it runs out) and
// writes each box down as one letter: T a trace, U the unknown-command question, Q the question
// whether to go on with boxes, C the note that the rest go to the panel.
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

    QString answers;
    QString shown;
};

AuthorMessage trace(int line) {
    return {u"Зуфт Win", u"if x=1 then\rn0!", MessageIcon::None, MessageKind::Trace, line};
}

constexpr int kRunaway = 100'000;

const AuthorMessage kUnknownCommand{u"Внимание!",
                                    u"Внимание! Неизвестная комманда (прыг)\rСтрока файла: 7",
                                    MessageIcon::Error, MessageKind::UnknownCommand, 7};

} // namespace

class MessageRouterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The story's messages (T a trace, U an unknown command, | a new turn, # a new game) and the
    // author's answers; then the boxes shown, the messages in the panel, and how many times the
    // panel was brought up.
    void messagesGoWhereTheSettingSays_data() {
        QTest::addColumn<AuthorMessageDisplay>("display");
        QTest::addColumn<QString>("story");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<int>("inPanel");
        QTest::addColumn<int>("panelWanted");
        const auto row = [](const char *name, const QString &story, const QString &answers,
                            const QString &boxes, int inPanel, int panelWanted,
                            AuthorMessageDisplay display = AuthorMessageDisplay::Boxes) {
            QTest::newRow(name) << display << story << answers << boxes << inPanel << panelWanted;
        };
        row("go on with boxes", "TTTTT", "y", "TTTQTT", 0, 0);
        row("rest of the turn to the panel", "TTTTT", "n", "TTTQ", 2, 1);
        row("next turn boxes again", "TTTT|TTTT", "nn", "TTTQTTTQ", 2, 2);
        row("unknown command, yes", "UU", "y", "UU", 0, 0);
        row("unknown command, no: quietly to the panel", "UUTU|U", "yn", "UUT", 2, 0);
        row("new game warns again", "U#U", "n", "UU", 0, 0);
        row("panel", "TU|T", "", "", 3, 2, AuthorMessageDisplay::Panel);
        row("hidden", "TU|T", "", "", 0, 0, AuthorMessageDisplay::Hidden);
        // A story that loops through a faulty line: a few boxes, then, whatever the author
        // answers, the panel.
        row("a runaway turn", QString(kRunaway, u'T'), "",
            u"TTTQ"_qs + QString(MessageRouter::kMostBoxes - 3, u'T') + u'C',
            MessagePanel::kMostEntries, 1);
    }

    void messagesGoWhereTheSettingSays() {
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
                router.Show(step == u'T' ? trace(3) : kUnknownCommand);
        }
        QTEST(presenter.shown, "boxes");
        QCOMPARE(aboutToShow.count(), presenter.shown.size());
        QTEST(panel.count(), "inPanel");
        QTEST(int(panelWanted.count()), "panelWanted");
    }

    // The panel keeps only the newest messages and says how many it dropped, until it is
    // cleared.
    void thePanelKeepsTheNewest() {
        MessagePanel panel;
        for (int line = 1; line <= kRunaway; ++line)
            panel.add(trace(line));
        QCOMPARE(panel.dropped(), kRunaway - MessagePanel::kMostEntries);
        const QStringList copied = panel.copiedText().split(u'\n');
        QCOMPARE(copied.size(), MessagePanel::kMostEntries);
        QCOMPARE(copied.last(), u"Строка 100000. Зуфт Win: if x=1 then · n0!"_qs);
        const auto *note = panel.findChild<QLabel *>(QStringLiteral("DroppedNote"));
        QVERIFY(note->isVisibleTo(&panel) &&
                note->text().contains(QLocale().toString(panel.dropped())));
        panel.clear();
        QVERIFY(panel.count() == 0 && panel.dropped() == 0 && note->isHidden());
    }

    // A question is answered with «Да» or «Нет», in a plain box and, when it is long, in a box
    // that scrolls.
    void boxAsksWithDaAndNet() {
        for (const int lines : {3, 40}) {
            for (const QString &button : {u"Да"_qs, u"Нет"_qs}) {
                QTimer::singleShot(0, this, [button] {
                    for (auto *shown :
                         QApplication::activeModalWidget()->findChildren<QAbstractButton *>())
                        if (shown->text() == button)
                            shown->click();
                });
                AuthorMessage question = kUnknownCommand;
                question.text += std::u16string(lines, u'\r');
                QCOMPARE(MessageBoxPresenter().Ask(nullptr, question), button == u"Да");
            }
        }
    }
};

QTEST_MAIN(MessageRouterTest)
#include "MessageRouterTest.moc"
