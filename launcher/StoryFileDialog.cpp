#include "StoryFileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace {

// Where the bundled stories lie: an installed program finds them in share/zuft/stories beside
// its bin folder; one run from its build, in the source's stories folder. No copy of them is made,
// so that a story is always the same file, and the same kept game, however it was opened.
QString storyFolder() {
    const QDir program(QCoreApplication::applicationDirPath());
    const QDir installed(program.filePath(QStringLiteral("../share/zuft/stories")));
    if (installed.exists())
        return installed.canonicalPath();
    const QDir source(QStringLiteral(ZUFT_SOURCE_STORIES));
    return source.exists() ? source.path() : QDir::homePath();
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
