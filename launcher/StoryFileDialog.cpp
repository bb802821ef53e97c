#include "StoryFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {

// The program's own folder, where the build puts the bundled stories; an installed program
// finds them in share/zuft/stories beside its bin folder.
QString storyFolder() {
    const QDir program(QCoreApplication::applicationDirPath());
    if (!program.entryList({QStringLiteral("*.teg")}, QDir::Files).isEmpty())
        return program.path();
    const QDir installed(program.filePath(QStringLiteral("../share/zuft/stories")));
    return installed.exists() ? installed.canonicalPath() : program.path();
}

} // namespace

std::unique_ptr<QFileDialog> FileOpenDialog::Prepare(QWidget *parent) {
    auto dialog =
        std::make_unique<QFileDialog>(parent, QStringLiteral("Сменить файл"), storyFolder());
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
