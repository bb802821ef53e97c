// qt-floor: the least a Qt Widgets window can be: a read-only text box over a line edit,
// Enter appends the typed line. Measured beside the game window, it shows the cost of Qt itself.

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("qt-floor"));
    auto *output = new QPlainTextEdit(&window);
    output->setReadOnly(true);
    auto *input = new QLineEdit(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(output, 1);
    layout->addWidget(input);
    QObject::connect(input, &QLineEdit::returnPressed, output, [output, input] {
        output->appendPlainText(input->text());
        input->clear();
    });
    window.resize(360, 243);
    window.show();
    input->setFocus();
    return QApplication::exec();
}
