#include "StoryFileDialog.h"

#include <QCoreApplication>
#include <QFileDialog>

std::unique_ptr<QFileDialog> FileOpenDialog::Prepare(QWidget *parent) {
    auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Сменить файл"),
                                                QCoreApplication::applicationDirPath());
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // The player reads the description; the pattern after it is what lists the story files.
    dialog->setNameFilter(QStringLiteral("Файлы интепретатора (.teg) (*.teg)"));
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    return dialog;
}

QString FileOpenDialog::ChooseStory(QWidget *parent) {
    const std::unique_ptr<QFileDialog> dialog = Prepare(parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}
