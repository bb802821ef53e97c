#pragma once

#include "engine/Script.h"

#include <QString>
#include <QWidget>
#include <memory>

class ChoiceRecord;
class FileNameLabel;
class MainForm;
class MessagePresenter;
class OutlinedLabel;
class PictureButton;
class QLabel;
class QPushButton;
class StoryFileDialog;

// The launcher: the player chooses a story file, or keeps the one remembered from the last run,
// and starts it. Starting hides the launcher for the rest of the run and opens the game window.
class Intro : public QWidget {
    Q_OBJECT

public:
    // The game window reads its story in `encoding` (Detect: as its bytes tell).
    Intro(ChoiceRecord &record, StoryFileDialog &dialog, MessagePresenter &presenter,
          StoryEncoding encoding = StoryEncoding::Detect, QWidget *parent = nullptr);
    ~Intro() override;

    const QString &ChosenFile() const { return m_chosenFile; }
    // The game window, once a story has started.
    MainForm *game() const { return m_game.get(); }

    void chooseFile();
    void startGame();
    void clearChoice();
    // A story named when the program was started: chosen and started as if by the player.
    void startStory(const QString &filename);

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void createPictures();
    void layoutControls();
    void connectControls();
    void readRecord();

    void choose(const QString &file, const QString &caption);
    void remember();
    void reportRecordTrouble(const QString &what);

    ChoiceRecord &m_record;
    StoryFileDialog &m_dialog;
    MessagePresenter &m_presenter;
    StoryEncoding m_encoding;

    PictureButton *m_chooseImage = nullptr;
    PictureButton *m_startImage = nullptr;
    QLabel *m_emblem = nullptr;
    QLabel *m_chooseLabel = nullptr;
    QLabel *m_startLabel = nullptr;
    FileNameLabel *m_fileName = nullptr;
    OutlinedLabel *m_title = nullptr;
    QLabel *m_version = nullptr;
    QPushButton *m_clear = nullptr;

    QString m_chosenFile;
    bool m_recordTroubleTold = false;
    std::unique_ptr<MainForm> m_game;
};
