#pragma once

#include "WindowSettings.h"

#include <QDialog>

class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The settings window «Настройки...»: the console's font and its size, the colours, and how the
// messages to the story's author are shown. It opens with the values in force; «Применить»
// applies what it shows, or, when the size is not one it can use, says why and stays open.
class Opts : public QDialog {
    Q_OBJECT

public:
    explicit Opts(QWidget *gameWindow);

    // Opens the window on these values (the font family and size those the console shows).
    void showValues(const WindowPreferences &preferences);

    // The size a text asks for, in points: a number from kSmallestFontSize to kLargestFontSize,
    // with a decimal point or comma. False when the text is no such number.
    static bool ReadFontSize(const QString &text, double &points);

Q_SIGNALS:
    void applied(const WindowPreferences &preferences);

private:
    void createControls();
    void layoutControls();
    void connectControls();
    void apply();

    QFontComboBox *m_fontFamily = nullptr;
    QLineEdit *m_fontSize = nullptr;
    QLabel *m_problem = nullptr;
    QComboBox *m_theme = nullptr;
    QComboBox *m_messages = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_cancel = nullptr;
    WindowPreferences m_opened; // what the window does not show (the zoom) goes back unchanged
};
