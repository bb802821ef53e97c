// zuft-cli: plays a story in the terminal, one typed line per turn.

#include "TerminalConsole.h"
#include "engine/Story.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace {

bool parseMessageTarget(const QString &text, MessageTarget &target) {
    if (text == u"stderr")
        target = MessageTarget::Stderr;
    else if (text == u"stdout")
        target = MessageTarget::Stdout;
    else if (text == u"none")
        target = MessageTarget::None;
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zuft-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZUFT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays a Zuft story (.teg) in the terminal: the story runs to its first waiting point,\n"
        "then every line of standard input is one turn. Standard output carries the story's\n"
        "text in UTF-8; messages to the story's author are records \"[title] text\"."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption messagesOption(
        QStringLiteral("messages"),
        QStringLiteral("Where messages to the story's author go: stderr (the default), stdout "
                       "or none."),
        QStringLiteral("where"), QStringLiteral("stderr"));
    parser.addOption(messagesOption);
    parser.addPositionalArgument(QStringLiteral("story"),
                                 QStringLiteral("The story file to play."));
    parser.process(app);

    MessageTarget target;
    if (!parseMessageTarget(parser.value(messagesOption), target)) {
        std::fprintf(stderr, "zuft-cli: --messages takes stderr, stdout or none\n");
        return 2;
    }
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "zuft-cli: name one story file; see --help\n");
        return 2;
    }

    TerminalConsole terminal(isatty(STDIN_FILENO), target);
    Story story(terminal, terminal);
    if (!story.LoadFile(parser.positionalArguments().constFirst()))
        return 1;
    QString line;
    while (terminal.ReadLine(line))
        story.Turn(line);
    return 0;
}
