// The settings window: the console's font size, as the player types it into FontSize1.

#include "ui/Opts.h"
#include "WindowTestSupport.h"
#include "ui/MainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class OptsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void appliesTheFontSizeTyped_data();
    void appliesTheFontSizeTyped();
    void gameWaitsWhileSettingsAreOpen();
    void keepsTheTypedSizeBetweenOpenings();
    void opensFromTheShortcut();

private:
    void applySize(const QString &text);

    RecordingPresenter m_presenter;
    MainForm *m_form = nullptr;
    Opts *m_opts = nullptr;
    QPlainTextEdit *m_output = nullptr;
};

void OptsTest::init() {
    m_form = new MainForm(m_presenter);
    m_opts = control<Opts>(*m_form, "Opts");
    m_output = control<QPlainTextEdit>(*m_form, "Output");
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void OptsTest::cleanup() {
    delete m_form;
}

void OptsTest::applySize(const QString &text) {
    m_form->openSettings();
    auto *size = control<QLineEdit>(*m_opts, "FontSize1");
    size->clear();
    typeText(size, text);
    QTest::mouseClick(control<QPushButton>(*m_opts, "TheOK"), Qt::LeftButton);
}

void OptsTest::appliesTheFontSizeTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("points"); // 0: the size stays as it was

    QTest::newRow("whole number") << u"14"_qs << 14.0;
    QTest::newRow("spaces, sign, fraction, then words") << u"  +12.5 пт"_qs << 12.5;
    QTest::newRow("exponent") << u"2e1"_qs << 20.0;
    QTest::newRow("no number") << u"крупно"_qs << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("zero") << u"0"_qs << 0.0;
    QTest::newRow("negative") << u"-12"_qs << 0.0;
    QTest::newRow("too large for any screen") << u"1e300"_qs << 144.0;
    QTest::newRow("beyond every number") << u"1e999"_qs << 0.0;
    QTest::newRow("too small to read") << u"0.01"_qs << 4.0;
}

void OptsTest::appliesTheFontSizeTyped() {
    QFETCH(QString, typed);
    QFETCH(double, points);
    const double before = m_output->font().pointSizeF();
    applySize(typed);
    QVERIFY(!m_opts->isVisible());
    QCOMPARE(m_output->font().pointSizeF(), points == 0 ? before : points);
}

void OptsTest::gameWaitsWhileSettingsAreOpen() {
    m_form->openSettings();
    QCOMPARE(QApplication::activeModalWidget(), m_opts);
    QVERIFY(QTest::qWaitForWindowActive(m_opts));
    QTest::keyClick(control<QLineEdit>(*m_opts, "FontSize1"), Qt::Key_Escape);
    QVERIFY(!m_opts->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(m_form->isEnabled());
}

void OptsTest::keepsTheTypedSizeBetweenOpenings() {
    applySize(u"16"_qs);
    m_form->openSettings();
    QCOMPARE(m_opts->windowTitle(), u"Настройки..."_qs);
    QCOMPARE(control<QPushButton>(*m_opts, "TheOK")->text(), u"Применить"_qs);
    QCOMPARE(control<QLineEdit>(*m_opts, "FontSize1")->text(), u"16"_qs);
}

void OptsTest::opensFromTheShortcut() {
    QTest::keyClick(control<QLineEdit>(*m_form, "Input1"), Qt::Key_Comma, Qt::ControlModifier);
    QVERIFY(m_opts->isVisible());
}

QTEST_MAIN(OptsTest)
#include "OptsTest.moc"
