// qt-core-floor: the least a terminal program built on Qt Core can be: it prints one room and a
// prompt, and again after every line typed. Measured beside zuft-cli and the terminal
// interpreters, it shows what loading Qt Core costs before any story is read.

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

void describeRoom() {
    std::fputs("Вы в маленькой комнате. Здесь ничего нет.\n\n>", stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    describeRoom();
    std::string line;
    while (std::getline(std::cin, line))
        describeRoom();
    return 0;
}
