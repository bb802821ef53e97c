#include "SavedGames.h"

#include "qt/MessagePresenter.h"
#include "qt/QtText.h"
#include "ReplayProgressDialog.h"
#include "io/Files.h"
#include "game/Game.h"
#include "game/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const QString kSaveFilter = QStringLiteral("Сохранённые игры (*.zsave);;Все файлы (*)");

std::string localPath(const QString &path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

SavedGames::SavedGames(Game &game, MessagePresenter &presenter, QWidget *window,
                       QString savesFolder)
    : QObject(window), m_game(game), m_presenter(presenter), m_window(window),
      m_savesFolder(std::move(savesFolder)) {}

void SavedGames::tell(const QString &title, const QString &text) {
    m_presenter.Present(m_window,
                        {FromQString(title), FromQString(text), MessageIcon::Exclamation});
}

// The story's name, in the saves folder: the player sees at once which story a save is of.
QString SavedGames::suggestedFile() const {
    const QString story = QFileInfo(QFile::decodeName(m_game.Path().c_str())).completeBaseName();
    return m_savesFolder + u'/' + (story.isEmpty() ? QStringLiteral("игра") : story) +
           QStringLiteral(".zsave");
}

void SavedGames::save() {
    QDir().mkpath(m_savesFolder);
    const QString path = QFileDialog::getSaveFileName(m_window, QStringLiteral("Сохранить игру"),
                                                      suggestedFile(), kSaveFilter);
    if (!path.isEmpty())
        saveTo(path);
}

bool SavedGames::saveTo(const QString &path) {
    std::string error;
    if (!WriteFileAtomically(localPath(path), m_game.SaveText(), error)) {
        tell(QStringLiteral("Сохранение игры"),
             QStringLiteral("Игру не удалось сохранить в файл %1:\r%2\rПрежний файл, если он был, "
                            "остался как был.")
                 .arg(path, QString::fromStdString(error)));
        return false;
    }
    Q_EMIT note(QStringLiteral("Игра сохранена в файл %1.").arg(path));
    return true;
}

void SavedGames::restore() {
    QDir().mkpath(m_savesFolder);
    const QString path = QFileDialog::getOpenFileName(m_window, QStringLiteral("Загрузить игру"),
                                                      m_savesFolder, kSaveFilter);
    if (!path.isEmpty())
        restoreFrom(path);
}

bool SavedGames::restoreFrom(const QString &path) {
    const QString title = QStringLiteral("Загрузка игры");
    std::string text, error;
    if (!ReadFileAtMost(localPath(path), kLargestSave, text, error)) {
        tell(title, QStringLiteral("Файл %1 не удалось прочитать:\r%2")
                        .arg(path, QString::fromStdString(error)));
        return false;
    }
    ReplayProgressDialog progress(m_window, QStringLiteral("Игра загружается…"));
    Q_EMIT aboutToStartGame();
    const ReplayResult result = m_game.Restore(text, progress.Callback());
    if (result.cancelled) {
        Q_EMIT note(QStringLiteral("Загрузка прервана: игра осталась как была."));
        return false;
    }
    if (!result.done) {
        tell(title, QStringLiteral("Игру из файла %1 не удалось загрузить:\r%2\rИгра осталась как "
                                   "была.")
                        .arg(path, ToQString(result.error)));
        return false;
    }
    Q_EMIT gameChanged();
    Q_EMIT note(QStringLiteral("Игра загружена из файла %1.").arg(path));
    // The author's new version of the story may answer the old turns otherwise: the player
    // should know before reading on.
    if (const std::u16string changed = DescribeReplay(result); !changed.empty())
        tell(title, ToQString(changed));
    return true;
}

void SavedGames::undo() {
    ReplayProgressDialog progress(m_window, QStringLiteral("Ход отменяется…"));
    const ReplayResult result = m_game.Undo(progress.Callback());
    if (result.done)
        Q_EMIT gameChanged();
    Q_EMIT note(result.done ? QStringLiteral("Ход отменён. Вернуть его: Ctrl+Shift+Z.")
                : result.cancelled ? QStringLiteral("Отмена хода прервана.")
                                   : ToQString(result.error));
}

void SavedGames::redo() {
    const ReplayResult result = m_game.Redo();
    if (result.done)
        Q_EMIT gameChanged();
    Q_EMIT note(result.done ? QStringLiteral("Ход возвращён.") : ToQString(result.error));
}

void SavedGames::restart() {
    if (!m_presenter.Ask(m_window, {u"Начать заново",
                                    u"Начать историю заново, с самого начала?\r"
                                    u"Вернуться к этой игре можно будет "
                                    u"через «Отменить ход».",
                                    MessageIcon::Exclamation}))
        return;
    Q_EMIT aboutToStartGame();
    m_game.Restart();
    Q_EMIT gameChanged();
    Q_EMIT note(QStringLiteral("История начата заново. Вернуться к прежней игре: «Отменить ход»."));
}
