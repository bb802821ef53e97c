// zuft: plays a story in its game window. Without a story named, the launcher opens first.

#include "WindowedRun.h"
#include "engine/Script.h"
#include "launcher/ChoiceRecord.h"
#include "launcher/Intro.h"
#include "launcher/StoryFileDialog.h"
#include "qt/MessagePresenter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstring>

namespace {

const QCommandLineOption
    kEncoding(QStringLiteral("encoding"),
              QStringLiteral("Читать историю как utf-8 или cp1251 (Windows-1251), а не определять "
                             "кодировку по её байтам."),
              QStringLiteral("utf-8|cp1251"));

void describe(QCommandLineParser &parser) {
    parser.setApplicationDescription(
        QStringLiteral("Играет историю Зуфта (.teg) в окне игры. Без истории сначала открывается "
                       "окно запуска\nс историей, выбранной в прошлый раз."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("история"),
                                 QStringLiteral("Файл истории, которую начать сразу."),
                                 QStringLiteral("[история]"));
    parser.addOption(kEncoding);
}

// The toolkit's own words (its dialogs, menus and the help's headings) in Russian, as the rest
// of the program speaks.
void speakRussian(QTranslator &toolkitTexts) {
    if (toolkitTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkitTexts);
}

// --help and --version answer also where there is no display to open windows on.
bool asksOnlyToBeTold(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("zuft"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZUFT_VERSION));
    QTranslator toolkitTexts;
    if (asksOnlyToBeTold(argc, argv)) {
        QCoreApplication app(argc, argv);
        speakRussian(toolkitTexts);
        QCommandLineParser parser;
        describe(parser);
        parser.process(app);
    }
    QApplication app(argc, argv);
    // Every window, the launcher, the game and its boxes, shows the program's icon in the sizes a
    // window manager draws in a caption or a task bar; the desktop's larger pictures come from
    // the icon installed with the program, not from every start of it.
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/ui/icons/zuft-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("zuft"));
    speakRussian(toolkitTexts);

    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    StoryEncoding encoding = StoryEncoding::Detect;
    if (parser.isSet(kEncoding) &&
        !ParseStoryEncoding(parser.value(kEncoding).toStdString(), encoding)) {
        std::fputs("zuft: --encoding принимает utf-8 или cp1251\n", stderr);
        return 2;
    }

    MessageBoxPresenter presenter;
    FileOpenDialog dialog;
    ChoiceRecord record(ChoiceRecord::DefaultPath());
    Intro intro(record, dialog, presenter);
    WindowedRun run(intro, presenter, encoding);
    if (parser.positionalArguments().isEmpty())
        intro.show();
    else
        intro.startStory(parser.positionalArguments().constFirst());
    return QApplication::exec();
}
