#pragma once

#include <QString>
#include <QWidget>

class ChoiceRecord;
class FileNameLabel;
class MessagePresenter;
class OutlinedLabel;
class PictureButton;
class QLabel;
class QPushButton;
class StoryFileDialog;

// The launcher: the player chooses a story file, or keeps the one remembered from the last run,
// and starts it: the chosen story is handed on, and whoever plays it hides the launcher.
class Intro : public QWidget {
    Q_OBJECT

public:
    Intro(ChoiceRecord &record, StoryFileDialog &dialog, MessagePresenter &presenter,
          QWidget *parent = nullptr);

    void chooseFile();
    void startGame();
    void clearChoice();
    // A story named when the program was started: chosen and started as if by the player.
    void startStory(const QString &filename);

    void setVisible(bool visible) override;

Q_SIGNALS:
    // The player started this story, by its full path.
    void storyChosen(const QString &file);

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
};
