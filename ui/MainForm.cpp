#include "MainForm.h"

#include "CommandLine.h"
#include "ConsoleAccessible.h"
#include "DebugView.h"
#include "HelpTexts.h"
#include "HistoryView.h"
#include "MessagePanel.h"
#include "MessageRouter.h"
#include "Opts.h"
#include "ReplayProgressDialog.h"
#include "SavedGames.h"
#include "TurnAnnouncer.h"
#include "WidgetConsole.h"
#include "WindowActions.h"
#include "game/Autosave.h"
#include "game/DataFolder.h"
#include "game/Game.h"
#include "player/HowToPlay.h"
#include "qt/MessagePresenter.h"
#include "qt/QtText.h"
#include "qt/WindowGeometry.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace {

// Each step of «Крупнее» makes the text an eighth larger.
constexpr double kZoomStep = 1.125;
// In full screen the text stands in a column about this many characters wide, as in a book.
constexpr int kReadableColumn = 80;

// Every box of the game window gives the keys back to the input line once it is answered, also
// on a desktop without a window manager, where nobody else would.
class FocusReturningPresenter : public MessagePresenter {
public:
    FocusReturningPresenter(MessagePresenter &boxes, QWidget &line)
        : m_boxes(boxes), m_line(line) {}

    void Present(QWidget *parent, const AuthorMessage &message) override {
        m_boxes.Present(parent, message);
        giveBackFocus();
    }
    bool Ask(QWidget *parent, const AuthorMessage &question) override {
        const bool yes = m_boxes.Ask(parent, question);
        giveBackFocus();
        return yes;
    }
    int Choose(QWidget *parent, const AuthorMessage &question,
               const QStringList &answers) override {
        const int chosen = m_boxes.Choose(parent, question, answers);
        giveBackFocus();
        return chosen;
    }

private:
    // Always both: a window manager gives the window back its activation a moment after the box
    // has gone, and a key typed in that moment would be lost.
    void giveBackFocus() {
        m_line.activateWindow();
        m_line.setFocus();
    }

    MessagePresenter &m_boxes;
    QWidget &m_line;
};

std::string localPath(const QString &path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

MainForm::MainForm(MessagePresenter &presenter, StoryEncoding encoding, QWidget *parent)
    : QMainWindow(parent), m_presenter(presenter), m_encoding(encoding) {
    createControls();
    createDocks();
    layoutControls();
    createActions();
    createGame();
    connectControls();
    readSettings();
}

// Closing the window as it is destroyed hides its docks, whose signals would reach this window's
// slots when it is a plain widget already.
MainForm::~MainForm() {
    m_debugDock->blockSignals(true);
    m_panelDock->blockSignals(true);
}

// The terminal player keeps its games in the same folder, so that a game goes on in either.
QString MainForm::DataFolder() {
    return QFile::decodeName(QByteArray::fromStdString(::DataFolder()));
}

void MainForm::createControls() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Зуфт Win v. 1.0"));
    m_geometryKeeper = new QTimer(this);
    m_geometryKeeper->setSingleShot(true);
    m_geometryKeeper->setInterval(1000);

    m_output = new ConsoleBox(this);
    m_output->setObjectName(QStringLiteral("Output"));
    m_output->setReadOnly(true);
    // The player may still select and copy the story's text, with the mouse or the keys.
    m_output->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_output->setUndoRedoEnabled(false);
    m_output->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_output->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_output->setContextMenuPolicy(Qt::CustomContextMenu);
    m_output->setAccessibleName(QStringLiteral("Текст истории"));
    m_output->setAccessibleDescription(
        QStringLiteral("Что рассказывает история. Каждый ход показывает введённую команду и ответ "
                       "на неё. Только для чтения."));

    m_input = new CommandLine(this);
    m_input->setObjectName(QStringLiteral("Input1"));
    m_input->setAccessibleName(QStringLiteral("Команда"));
    // Short: a screen reader says it each time the line gets the keys back, after every box.
    m_input->setAccessibleDescription(QStringLiteral("Enter — сыграть ход"));
    m_input->setConsole(m_output);
    m_input->catchTypingIn(m_output);
    m_boxes = std::make_unique<FocusReturningPresenter>(m_presenter, *m_input);

    // The status line: a note on what a game action came to, under the input line, wrapped so
    // that it is read whole in a window as narrow as the story's own. It goes with the next turn.
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setWordWrap(true);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_note->hide();

    m_announcer = new TurnAnnouncer(this);
    m_history = new HistoryView(*m_boxes, this);
    setTabOrder(m_output, m_input);
}

// The author's panels stand beside the console, hidden until wanted.
void MainForm::createDocks() {
    m_panel = new MessagePanel(this);
    m_panelDock = addHiddenDock(QStringLiteral("Сообщения автору"), "MessagePanelDock", m_panel);
    m_debugView = new DebugView(this);
    m_debugDock = addHiddenDock(QStringLiteral("Состояние мира"), "DebugViewDock", m_debugView);
}

QDockWidget *MainForm::addHiddenDock(const QString &title, const char *name, QWidget *content) {
    auto *dock = new QDockWidget(title, this);
    dock->setObjectName(QString::fromLatin1(name));
    dock->setWidget(content);
    addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    return dock;
}

// The console fills the window above the input line, with the margins of the window's plan,
// and grows with the window. In full screen the two keep to a column of readable width.
void MainForm::layoutControls() {
    m_column = new QWidget(this);
    m_column->setObjectName(QStringLiteral("Column"));
    auto *column = new QVBoxLayout(m_column);
    column->setContentsMargins(TwipsToPixels(120, *this), TwipsToPixels(120, *this),
                               TwipsToPixels(5400 - 120 - 5175, *this),
                               TwipsToPixels(3645 - 3120 - 375, *this));
    column->setSpacing(TwipsToPixels(3120 - 120 - 2895, *this));
    column->addWidget(m_output, 1);
    column->addWidget(m_input);
    column->addWidget(m_note);

    auto *centre = new QWidget(this);
    auto *layout = new QHBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(0);
    layout->addWidget(m_column, 1);
    layout->addStretch(0);
    setCentralWidget(centre);
}

void MainForm::createActions() {
    m_actions = std::make_unique<WindowActions>(*this);
    // The console and the input line keep the size of the window's plan; the menu bar comes on
    // top.
    resize(TwipsToPixels(5400, *this), TwipsToPixels(3645, *this) + menuBar()->sizeHint().height());
}

void MainForm::createGame() {
    m_console = std::make_unique<WidgetConsole>(*m_output, *m_input);
    m_router = new MessageRouter(*m_boxes, *m_panel, this, this);
    m_game = std::make_unique<Game>(*m_console, *m_router);
    m_game->KeepHistory(true); // for «История игры»
    m_savedGames = new SavedGames(*m_game, *m_boxes, this, DataFolder() + QStringLiteral("/saves"));
    // The player types at once; the console is read, not written.
    m_input->setFocus();
    updateActions();
}

void MainForm::connectControls() {
    connect(m_input, &CommandLine::submitted, this, &MainForm::playTurn);
    connect(m_geometryKeeper, &QTimer::timeout, this, &MainForm::keepGeometry);
    connect(m_output, &QPlainTextEdit::customContextMenuRequested, this,
            &MainForm::showConsoleMenu);
    connect(m_router, &MessageRouter::boxAboutToShow, this, [this] { m_console->Flush(); });
    connect(m_router, &MessageRouter::panelWanted, this, [this] {
        showDock(*m_panelDock, true);
        m_panelDock->raise();
    });
    connect(m_savedGames, &SavedGames::aboutToStartGame, m_router, &MessageRouter::startGame);
    connect(m_savedGames, &SavedGames::gameChanged, this, &MainForm::gameChanged);
    connect(m_savedGames, &SavedGames::note, this, &MainForm::showNote);
    const WindowActions &a = *m_actions;
    connect(a.saveGame, &QAction::triggered, m_savedGames, &SavedGames::save);
    connect(a.restoreGame, &QAction::triggered, m_savedGames, &SavedGames::restore);
    connect(a.undo, &QAction::triggered, m_savedGames, &SavedGames::undo);
    connect(a.redo, &QAction::triggered, m_savedGames, &SavedGames::redo);
    connect(a.restart, &QAction::triggered, m_savedGames, &SavedGames::restart);
    connect(a.reload, &QAction::triggered, this, &MainForm::reload);
    connect(a.history, &QAction::triggered, this, &MainForm::showHistory);
    connect(a.debugView, &QAction::toggled, this, &MainForm::showDebugView);
    connect(m_debugDock, &QDockWidget::visibilityChanged, a.debugView, &QAction::setChecked);
    connect(a.messagePanel, &QAction::toggled, this,
            [this](bool shown) { showDock(*m_panelDock, shown); });
    connect(m_panelDock, &QDockWidget::visibilityChanged, a.messagePanel, &QAction::setChecked);
    connect(a.clearConsole, &QAction::triggered, this, &MainForm::clearConsole);
    connect(a.settings, &QAction::triggered, this, &MainForm::openSettings);
    connect(a.quit, &QAction::triggered, this, &QWidget::close);
    connect(a.zoomIn, &QAction::triggered, this, [this] { zoom(+1); });
    connect(a.zoomOut, &QAction::triggered, this, [this] { zoom(-1); });
    connect(a.zoomNormal, &QAction::triggered, this, [this] { zoom(0); });
    connect(a.fullScreen, &QAction::toggled, this, &MainForm::setFullScreen);
    for (const ThemeChoice &choice : kThemeChoices)
        connect(a.themeAction(choice.theme), &QAction::triggered, this,
                [this, theme = choice.theme] { setTheme(theme); });
    connect(a.howToPlay, &QAction::triggered, this,
            [this] { showBox(QStringLiteral("Как играть"), ToQString(HowToPlayText())); });
    connect(a.keys, &QAction::triggered, this,
            [this] { showBox(QStringLiteral("Клавиши"), KeysHelpText()); });
    connect(a.about, &QAction::triggered, this,
            [this] { showBox(QStringLiteral("О программе"), AboutText()); });
}

void MainForm::readSettings() {
    if (!restoreGeometry(m_settings.Geometry(devicePixelRatioF())))
        CenterOnScreen(*this);
    applyPreferences(m_settings.Read());
}

bool MainForm::LoadFile(const QString &filename) {
    m_router->startGame();
    const std::string path = localPath(filename);
    // A story that cannot be opened is the player's matter, not the author's: always a box,
    // whatever the window does with the author's messages.
    const AuthorMessageDisplay chosen = m_router->display();
    m_router->setDisplay(AuthorMessageDisplay::Boxes);
    const bool loaded = m_game->Load(path, m_encoding);
    m_router->setDisplay(chosen);
    if (!loaded) {
        m_console->Flush();
        return false;
    }
    // A story that could not be read shows no game window; one that can shows it before its
    // opening runs, so that the opening's boxes and a long resume's progress stand in front of it.
    show();
    m_autosave = std::make_unique<Autosave>(
        Autosave::PathFor(localPath(DataFolder() + QStringLiteral("/autosave")), path));
    if (!m_autosave->Claim())
        chooseHowToShareGame();
    Autosave::Resumption resumption;
    {
        ReplayProgressDialog progress(this, QStringLiteral("Игра восстанавливается…"));
        resumption = m_autosave->Resume(*m_game, progress.Callback());
    }
    m_console->Flush();
    catchUpTypedLines();
    showWholeHistory();
    updateActions();
    showNote(ToQString(resumption.note));
    reportAutosaveTrouble();
    return true;
}

// Another window plays this story and keeps its game: this one never writes into it.
void MainForm::chooseHowToShareGame() {
    const int choice = m_boxes->Choose(
        this,
        {u"Игра уже открыта",
         u"Эта история уже открыта в другом окне Зуфта, и её игра сохраняется там.\r"
         u"Можно играть дальше в копию этой игры, которая будет сохраняться отдельно, или "
         u"смотреть игру, не сохраняя ходов.",
         MessageIcon::Exclamation},
        {QStringLiteral("Играть в копию"), QStringLiteral("Не сохранять ходы")});
    if (choice == 0)
        m_autosave->KeepAsCopy();
    else
        m_autosave->KeepNothing();
}

// One press of Enter. The message boxes of a turn are modal, so no second line can come in
// before this one is played.
void MainForm::playTurn(const QString &line) {
    m_router->startTurn();
    const TurnOutcome outcome = m_game->Turn(FromQString(line));
    m_console->Flush();
    if (!outcome.played)
        return;
    showNote(QString());
    catchUpTypedLines();
    m_announcer->announce(TurnAnnouncer::PlainText(m_game->TurnAnswer()));
    afterTurn();
}

void MainForm::afterTurn() {
    updateActions();
    refreshAuthorViews();
    reportAutosaveTrouble();
}

// The history and the debug view follow the game while they are open.
void MainForm::refreshAuthorViews() {
    if (m_history->isVisible())
        m_history->addNewExchanges(m_game->History(), m_game->ForgottenExchanges());
    if (m_debugDock->isVisible())
        m_debugView->refresh(m_game->Snapshot());
}

void MainForm::showHistory() {
    if (!m_history->isVisible())
        CenterOver(*m_history, *this);
    // Shown first: where the latest turn begins on the screen depends on the view's size.
    m_history->show();
    m_history->setHistory(m_game->History(), m_game->ForgottenExchanges());
    m_history->raise();
    m_history->activateWindow();
}

void MainForm::showDebugView(bool shown) {
    showDock(*m_debugDock, shown);
    if (shown)
        m_debugView->refresh(m_game->Snapshot());
}

// A dock takes its width from the console: a window as narrow as the story's own grows instead.
void MainForm::showDock(QDockWidget &dock, bool shown) {
    const int wanted = TwipsToPixels(5400, *this) + dock.sizeHint().width();
    if (shown && !dock.isVisible() && !isFullScreen() && !isMaximized() && width() < wanted)
        resize(wanted, height());
    dock.setVisible(shown);
}

// The input line's history follows the game's typed lines: a turn adds one, and only a restore
// or a turn after an undo makes it anew.
void MainForm::catchUpTypedLines() {
    const TypedLines::News news = m_game->Typed().Since(m_typedSeen);
    if (news.anew) {
        QStringList lines;
        lines.reserve(qsizetype(news.lines.size()));
        for (const std::u16string &line : news.lines)
            lines.append(ToQString(line));
        m_input->setHistory(lines);
        return;
    }
    for (const std::u16string &line : news.lines)
        m_input->addToHistory(ToQString(line));
}

// Another game, or another turn of it, stands in the window: a restore, an undo, a restart.
void MainForm::gameChanged() {
    m_console->Flush();
    catchUpTypedLines();
    m_announcer->announce(TurnAnnouncer::PlainText(m_game->TurnAnswer()));
    showWholeHistory();
    afterTurn();
}

// The history view, when open, shows another game or another point of it from its start; a
// turn only adds to it.
void MainForm::showWholeHistory() {
    if (m_history->isVisible())
        m_history->setHistory(m_game->History(), m_game->ForgottenExchanges());
}

void MainForm::reload() {
    ReplayResult result;
    {
        ReplayProgressDialog progress(this, QStringLiteral("История перечитывается…"));
        result = m_game->Reload(progress.Callback());
    }
    if (result.cancelled) {
        showNote(QStringLiteral("Перечитывание прервано: игра осталась как была."));
        return;
    }
    if (!result.done) {
        showBox(QStringLiteral("Перечитать историю"),
                QStringLiteral("Историю не удалось перечитать: %1").arg(ToQString(result.error)));
        return;
    }
    gameChanged();
    if (!result.firstDifference)
        showNote(result.storyChanged
                     ? QStringLiteral("История перечитана: на все ходы игры она отвечает так же.")
                     : QStringLiteral("История перечитана: она не изменилась."));
    else
        showNote(QStringLiteral("История перечитана. Игра остановлена на первом ходе, ответ на "
                                "который изменился: ход %1. Следующие ходы вернёт «Вернуть ход».")
                     .arg(result.firstDifference));
}

void MainForm::showBox(const QString &title, const QString &text) {
    m_boxes->Present(this, {FromQString(title), FromQString(QString(text).replace(u'\n', u'\r'))});
}

void MainForm::showNote(const QString &text) {
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

// Said once, after the turn: a disk that is full stays full for a while, and the player can do
// nothing about it in the middle of a turn.
void MainForm::reportAutosaveTrouble() {
    if (!m_autosave)
        return;
    const Autosave::Notice notice = m_autosave->TakeNotice();
    if (notice.trouble)
        showBox(QStringLiteral("Сохранение игры"), ToQString(notice.text));
    else if (!notice.text.empty())
        showNote(ToQString(notice.text));
}

void MainForm::updateActions() {
    m_actions->undo->setEnabled(m_game->CanUndo());
    m_actions->redo->setEnabled(m_game->CanRedo());
}

void MainForm::clearConsole() {
    m_console->ClearText();
    m_console->Flush();
}

// The settings dialog is made when first opened: listing the fonts that have Cyrillic letters
// is work that the start of a game should not wait for.
void MainForm::openSettings() {
    if (!m_opts) {
        m_opts = new Opts(this);
        connect(m_opts, &Opts::applied, this, [this](const WindowPreferences &chosen) {
            applyPreferences(chosen);
            keepPreferences();
        });
        connect(m_opts, &QDialog::finished, this, [this] {
            activateWindow();
            m_input->setFocus();
        });
    }
    WindowPreferences shown = m_preferences;
    shown.fontFamily = m_output->font().family();
    if (shown.fontSize == 0)
        shown.fontSize = QApplication::font().pointSizeF();
    m_opts->showValues(shown);
}

void MainForm::zoom(int steps) {
    WindowPreferences zoomed = m_preferences;
    zoomed.zoom = steps == 0 ? 0 : std::clamp(zoomed.zoom + steps, kSmallestZoom, kLargestZoom);
    applyPreferences(zoomed);
    keepPreferences();
}

void MainForm::setTheme(Theme theme) {
    WindowPreferences themed = m_preferences;
    themed.theme = theme;
    applyPreferences(themed);
    keepPreferences();
}

// The console and the input line in the chosen font, at the chosen size times the zoom, in the
// chosen colours. Nothing chosen leaves them as the story has always shown them.
void MainForm::applyPreferences(const WindowPreferences &preferences) {
    m_preferences = preferences;
    QFont font; // the window's own, as long as the player chose none
    if (!preferences.fontFamily.isEmpty() || preferences.fontSize > 0 || preferences.zoom != 0) {
        font = QApplication::font();
        if (!preferences.fontFamily.isEmpty())
            font.setFamily(preferences.fontFamily);
        const double size = preferences.fontSize > 0 ? preferences.fontSize : font.pointSizeF();
        font.setPointSizeF(std::clamp(size * std::pow(kZoomStep, preferences.zoom),
                                      kSmallestFontSize, kLargestFontSize));
    }
    m_output->setFont(font);
    m_input->setFont(font);
    ApplyTheme(preferences.theme, *m_output, *m_input);
    m_router->setDisplay(preferences.messages);
    m_actions->themeAction(preferences.theme)->setChecked(true);
    if (isFullScreen())
        m_column->setMaximumWidth(readableWidth());
}

void MainForm::keepPreferences() {
    if (!m_settings.Write(m_preferences))
        reportSettingsTrouble();
}

// Said once: a player who cannot change the folder gains nothing from hearing it at every step.
void MainForm::reportSettingsTrouble() {
    if (m_settingsTroubleTold)
        return;
    m_settingsTroubleTold = true;
    showBox(QStringLiteral("Настройки"),
            QStringLiteral("Настройки не удалось сохранить до следующего запуска: %1.\n"
                           "Они действуют, пока окно открыто.")
                .arg(m_settings.ErrorString()));
}

int MainForm::readableWidth() const {
    const QMargins margins = m_column->layout()->contentsMargins();
    return m_output->fontMetrics().averageCharWidth() * kReadableColumn +
           m_output->verticalScrollBar()->sizeHint().width() + 2 * m_output->frameWidth() +
           margins.left() + margins.right();
}

void MainForm::setFullScreen(bool on) {
    m_column->setMaximumWidth(on ? readableWidth() : QWIDGETSIZE_MAX);
    if (on)
        showFullScreen();
    else
        showNormal();
    m_actions->fullScreen->setChecked(on);
}

void MainForm::showConsoleMenu(const QPoint &position) {
    const std::unique_ptr<QMenu> menu(m_output->createStandardContextMenu());
    m_actions->addToConsoleMenu(*menu);
    menu->exec(m_output->viewport()->mapToGlobal(position));
}

// Without a window manager nobody would make the window active, and its keys would go nowhere.
void MainForm::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    activateWindow();
    m_input->setFocus();
}

// The window's size and place are kept a moment after they change, not only when the window
// closes: a program ended by a signal or with the desktop's session keeps them too.
void MainForm::moveEvent(QMoveEvent *event) {
    QMainWindow::moveEvent(event);
    if (isVisible())
        m_geometryKeeper->start();
}

void MainForm::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    if (isVisible())
        m_geometryKeeper->start();
}

void MainForm::keepGeometry() {
    m_geometryKeeper->stop();
    if (!isFullScreen() && !m_settings.WriteGeometry(saveGeometry(), devicePixelRatioF()))
        reportSettingsTrouble();
}

// One run plays one story: once its window is closed the program is over. Every turn is in
// the autosave already; the window's size and place are kept for the next run.
void MainForm::closeEvent(QCloseEvent *event) {
    keepGeometry();
    event->accept();
    Q_EMIT closed();
}
