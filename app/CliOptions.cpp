#include "CliOptions.h"

#include <string_view>
#include <vector>

const char kCliUsage[] =
    "Запуск: zuft-cli [параметры] ИСТОРИЯ\n"
    "        zuft-cli --check [параметры] ИСТОРИЯ\n"
    "        zuft-cli --test ПРОХОЖДЕНИЕ [параметры] ИСТОРИЯ\n"
    "\n"
    "Играет историю Зуфта (.teg) в терминале: история идёт до первой точки\n"
    "ожидания, дальше каждая строка стандартного ввода — один ход. В стандартный\n"
    "вывод идёт текст истории в UTF-8; сообщения автору истории — записи\n"
    "«[заголовок] текст».\n"
    "\n"
    "В терминале строку можно править (стрелки, Home, End, Ctrl+W, Ctrl+U), стрелки\n"
    "вверх и вниз листают строки, набранные в этой игре, а игра сохраняется по ходу\n"
    "и в следующий раз продолжается с того же места, как и в окне игры. Ctrl+C\n"
    "прерывает долгий ход, а при вводе строки завершает программу; /help\n"
    "перечисляет команды самой программы.\n"
    "\n"
    "Параметры:\n"
    "  --messages=КУДА       куда идут сообщения автору истории: stderr (обычно),\n"
    "                        stdout или none (никуда)\n"
    "  --where               начинать каждое сообщение с ИСТОРИЯ:СТРОКА: — строки,\n"
    "                        где записана команда, о которой оно, чтобы редактор\n"
    "                        перешёл к ней\n"
    "  --encoding=КОДИРОВКА  читать историю как utf-8 или cp1251 (Windows-1251), а\n"
    "                        не определять кодировку по её байтам (можно и UTF-8,\n"
    "                        utf8, windows-1251...)\n"
    "  --check               перечислить ошибки истории, по одной в строке, не\n"
    "                        играя её\n"
    "  --test ПРОХОЖДЕНИЕ    сыграть строки прохождения и проверить ответы истории\n"
    "  -h, --help            показать эту справку\n"
    "  -v, --version         показать версию\n";

namespace {

bool parseMessages(std::string_view text, MessageTarget &target) {
    if (text == "stderr")
        target = MessageTarget::Stderr;
    else if (text == "stdout")
        target = MessageTarget::Stdout;
    else if (text == "none")
        target = MessageTarget::None;
    else
        return false;
    return true;
}

} // namespace

bool ParseCliOptions(int argc, char **argv, CliOptions &options, std::string &error) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "--") {
            positional.insert(positional.end(), argv + i + 1, argv + argc);
            break;
        }
        if (!argument.starts_with('-') || argument == "-") {
            positional.emplace_back(argument);
            continue;
        }
        // --name=value, or --name value for the options that take one
        std::string_view name = argument, value;
        const std::size_t equals = argument.find('=');
        const bool hasValue = equals != std::string_view::npos;
        if (hasValue) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const bool takesValue = name == "--messages" || name == "--encoding" || name == "--test";
        if (takesValue && !hasValue) {
            if (i + 1 == argc) {
                error = "параметру " + std::string(name) + " нужно значение";
                return false;
            }
            value = argv[++i];
        } else if (!takesValue && hasValue) {
            error = "неизвестный параметр " + std::string(argument);
            return false;
        }
        if (name == "-h" || name == "--help") {
            options.mode = CliOptions::Mode::Help;
            return true;
        }
        if (name == "-v" || name == "--version") {
            options.mode = CliOptions::Mode::Version;
            return true;
        }
        if (name == "--messages" && !parseMessages(value, options.messages)) {
            error = "--messages принимает stderr, stdout или none";
            return false;
        }
        if (name == "--encoding" && !ParseStoryEncoding(value, options.encoding)) {
            error = "--encoding принимает utf-8 или cp1251";
            return false;
        }
        if (name == "--where") {
            options.where = true;
        } else if (name == "--check") {
            options.mode = CliOptions::Mode::Check;
        } else if (name == "--test") {
            options.mode = CliOptions::Mode::Test;
            options.walkthrough = value;
        } else if (!takesValue) {
            error = "неизвестный параметр " + std::string(argument);
            return false;
        }
    }
    if (positional.size() != 1) {
        error = "нужно назвать один файл истории";
        return false;
    }
    options.story = positional.front();
    return true;
}
