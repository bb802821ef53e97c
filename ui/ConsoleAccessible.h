#pragma once

#include <QPlainTextEdit>

// The console box Output. It differs from a QPlainTextEdit only in what a screen reader gets
// of it: the box keeps its lines apart with line separators (see WidgetConsole), which would
// reach the reader as they are, and its text reads here with plain LFs instead, both through
// AT-SPI's Text interface and in the events that tell of new text.
class ConsoleBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ConsoleBox(QWidget *parent = nullptr);
};
