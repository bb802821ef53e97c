#pragma once

#include <QString>
#include <memory>

class QFileDialog;
class QWidget;

// Asks the player for a story file. Tests answer for the player.
class StoryFileDialog {
public:
    virtual ~StoryFileDialog() = default;
    // The full path of the chosen story, or an empty text when the player cancelled.
    virtual QString ChooseStory(QWidget *parent) = 0;
};

// The desktop's file-open dialog, listing story files, opened where the bundled stories lie.
class FileOpenDialog : public StoryFileDialog {
public:
    QString ChooseStory(QWidget *parent) override;

    static std::unique_ptr<QFileDialog> Prepare(QWidget *parent);
};
