// «История игры»: the whole game in one read-only view, found in and saved as text.

#include "ui/HistoryView.h"
#include "ui/MessagePresenter.h"
#include "ui/QtText.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class RecordingPresenter : public MessagePresenter {
public:
    void Present(QWidget *, const AuthorMessage &message) override { messages.append(message); }
    QList<AuthorMessage> messages;
};

template <typename Control> Control *control(const QWidget &window, const char *name) {
    return window.findChild<Control *>(QString::fromLatin1(name));
}

const std::vector<std::u16string> kHistory{
    u"Ёлка\r\n",
    u">осм ёлку\r\nTree tree\r\n",
};
// The same as the view shows it: exchanges in order, an empty line between them.
const QString kShown = u"Ёлка\n\n>осм ёлку\nTree tree\n"_qs;

} // namespace

class HistoryViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void showsEveryExchangeInOrder();
    void notesTheForgottenStart();
    void findIgnoresCaseAndGoesRound_data();
    void findIgnoresCaseAndGoesRound();
    void savesWhatItShowsAsUtf8();
    void failedSaveIsToldInABox();

private:
    RecordingPresenter m_presenter;
    HistoryView *m_view = nullptr;
    QPlainTextEdit *m_text = nullptr;
};

void HistoryViewTest::init() {
    m_presenter = RecordingPresenter();
    m_view = new HistoryView(m_presenter);
    m_text = control<QPlainTextEdit>(*m_view, "HistoryText");
    m_view->setHistory(kHistory);
}

void HistoryViewTest::cleanup() {
    delete m_view;
}

void HistoryViewTest::showsEveryExchangeInOrder() {
    QCOMPARE(m_text->toPlainText(), kShown);
    QVERIFY(m_text->isReadOnly());
}

void HistoryViewTest::notesTheForgottenStart() {
    m_view->setHistory({u"", u"", u">ждать\r\nПрошёл час.\r\n"}, 2);
    QCOMPARE(m_text->toPlainText(),
             u"[…] Начало игры не показано: оно забыто, чтобы игра уместилась в памяти. Забыто "
             u"ходов: 2.\n\n>ждать\nПрошёл час.\n"_qs);
}

void HistoryViewTest::findIgnoresCaseAndGoesRound_data() {
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("directions"); // n next, p previous
    QTest::addColumn<QList<int>>("found");   // where each find lands; -1 for nowhere
    QTest::addColumn<QString>("status");

    QTest::newRow("Cyrillic, Ё and ё")
        << "ЁЛК"
        << "nnn" << QList<int>{0, 11, 0} << "Поиск продолжен с начала.";
    QTest::newRow("previous from the start") << "ёлк"
                                             << "p" << QList<int>{11} << "Поиск продолжен с конца.";
    QTest::newRow("Latin") << "TREE"
                           << "nnp" << QList<int>{16, 21, 16} << "";
    QTest::newRow("nowhere") << "дерево"
                             << "n" << QList<int>{-1} << "Не найдено: «дерево».";
}

void HistoryViewTest::findIgnoresCaseAndGoesRound() {
    QFETCH(QString, wanted);
    QFETCH(QString, directions);

    control<QLineEdit>(*m_view, "FindText")->setText(wanted);
    QList<int> found;
    for (QChar direction : directions) {
        const bool next = direction == u'n';
        control<QPushButton>(*m_view, next ? "FindNext" : "FindPrevious")->click();
        const QTextCursor at = m_text->textCursor();
        found.append(at.hasSelection() &&
                             at.selectedText().compare(wanted, Qt::CaseInsensitive) == 0
                         ? at.selectionStart()
                         : -1);
    }
    QTEST(found, "found");
    QTEST(control<QLabel>(*m_view, "FindStatus")->text(), "status");
}

void HistoryViewTest::savesWhatItShowsAsUtf8() {
    QTemporaryDir folder;
    const QString path = folder.filePath(u"история.txt"_qs);
    QVERIFY(m_view->saveTo(path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), kShown.toUtf8());
    QVERIFY(m_presenter.messages.isEmpty());
}

void HistoryViewTest::failedSaveIsToldInABox() {
    QTemporaryDir folder;
    QVERIFY(!m_view->saveTo(folder.filePath(u"нет такой папки/история.txt"_qs)));
    QCOMPARE(m_presenter.messages.size(), 1);
    QVERIFY(ToQString(m_presenter.messages[0].text).contains(u"нет такой папки"_qs));
}

QTEST_MAIN(HistoryViewTest)
#include "HistoryViewTest.moc"
