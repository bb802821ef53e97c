#include "MainForm.h"

#include "MessagePresenter.h"
#include "Opts.h"
#include "QtText.h"
#include "WidgetConsole.h"
#include "WindowGeometry.h"
#include "engine/Story.h"
#include "engine/Text.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void setBackground(QWidget &control, QColor color) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, color);
    // Dark desktop themes would otherwise write pale text on the pale background.
    palette.setColor(QPalette::Text, Qt::black);
    control.setPalette(palette);
}

} // namespace

MainForm::MainForm(MessagePresenter &presenter, QWidget *parent)
    : QWidget(parent), m_presenter(presenter) {
    createControls();
    layoutControls();
    createActions();
    connectControls();
    createStory();
}

MainForm::~MainForm() = default;

void MainForm::createControls() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Зуфт Win v. 1.0"));

    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("Output"));
    m_output->setReadOnly(true);
    // The player may still select and copy the story's text, with the mouse or the keys.
    m_output->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_output->setUndoRedoEnabled(false);
    m_output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_output->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_output->setContextMenuPolicy(Qt::CustomContextMenu);
    setBackground(*m_output, QColor(255, 255, 192));

    m_input = new QLineEdit(this);
    m_input->setObjectName(QStringLiteral("Input1"));
    setBackground(*m_input, QColor(255, 192, 255));

    // The player never sees this button: Enter presses it.
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BtnOk"));
    m_ok->setDefault(true);
    m_ok->hide();

    m_opts = new Opts(this);

    setTabOrder(m_output, m_input);
}

// The console fills the window above the input line, with the margins of the window's plan,
// and grows with the window.
void MainForm::layoutControls() {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(120, *this), TwipsToPixels(120, *this),
                               TwipsToPixels(5400 - 120 - 5175, *this),
                               TwipsToPixels(3645 - 3120 - 375, *this));
    layout->setSpacing(TwipsToPixels(3120 - 120 - 2895, *this));
    layout->addWidget(m_output, 1);
    layout->addWidget(m_input);
    resize(TwipsToPixels(5400, *this), TwipsToPixels(3645, *this));
    CenterOnScreen(*this);
}

void MainForm::createActions() {
    auto *submit = new QAction(this);
    submit->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    connect(submit, &QAction::triggered, m_ok, &QPushButton::click);
    addAction(submit);

    m_clearAction = new QAction(QStringLiteral("Очистить консоль"), this);
    m_clearAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(m_clearAction, &QAction::triggered, this, &MainForm::clearConsole);
    addAction(m_clearAction);

    m_settingsAction = new QAction(QStringLiteral("Настройки..."), this);
    m_settingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(m_settingsAction, &QAction::triggered, this, &MainForm::openSettings);
    addAction(m_settingsAction);
}

void MainForm::connectControls() {
    connect(m_ok, &QPushButton::clicked, this, &MainForm::playTurn);
    connect(m_output, &QPlainTextEdit::customContextMenuRequested, this,
            &MainForm::showConsoleMenu);
    connect(m_opts, &Opts::fontSizeChosen, this, &MainForm::setConsoleFontSize);
}

void MainForm::createStory() {
    m_console = std::make_unique<WidgetConsole>(*m_output, *m_input);
    m_story = std::make_unique<Story>(*m_console, *this);
    // The player types at once; the console is read, not written.
    m_input->setFocus();
}

bool MainForm::LoadFile(const QString &filename) {
    m_turnBoxes = 0;
    const bool loaded = m_story->LoadFile(QFile::encodeName(filename).toStdString());
    m_console->Flush();
    return loaded;
}

// One press of Enter. The message boxes of a turn are modal, so no second line can come in
// before this one is played.
void MainForm::playTurn() {
    const QString line = m_input->text();
    m_input->clear();
    m_turnBoxes = 0;
    m_story->Turn(FromQString(line));
    m_console->Flush();
}

// Every box waits for the author's OK, so a story that loops through a faulty line could ask for
// hundreds of thousands of them in one turn. Past kMaxTurnBoxes the author is told once that
// the rest of the turn's messages are not shown; the story itself goes on exactly as before.
void MainForm::Show(const AuthorMessage &message) {
    ++m_turnBoxes;
    if (m_turnBoxes > kMaxTurnBoxes + 1)
        return;
    m_console->Flush();
    if (m_turnBoxes <= kMaxTurnBoxes)
        m_presenter.Present(this, message);
    else
        m_presenter.Present(this, {u"Ошибка!",
                                   u"Слишком много сообщений за один ход: до конца хода они не "
                                   u"показываются.\rСтрока:" +
                                       DecimalText(message.line),
                                   MessageIcon::Error, MessageKind::Fault, message.line});
}

void MainForm::clearConsole() {
    m_console->ClearText();
    m_console->Flush();
}

void MainForm::openSettings() {
    m_opts->show();
    QRect frame = m_opts->frameGeometry();
    frame.moveCenter(frameGeometry().center());
    m_opts->move(frame.topLeft());
    m_opts->raise();
    m_opts->activateWindow();
}

void MainForm::setConsoleFontSize(double points) {
    QFont font = m_output->font();
    font.setPointSizeF(points);
    m_output->setFont(font);
}

void MainForm::showConsoleMenu(const QPoint &position) {
    const std::unique_ptr<QMenu> menu(m_output->createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(m_clearAction);
    menu->addAction(m_settingsAction);
    menu->exec(m_output->viewport()->mapToGlobal(position));
}

// One run plays one story: once its window is closed the program is over.
void MainForm::closeEvent(QCloseEvent *event) {
    event->accept();
    QCoreApplication::quit();
}
