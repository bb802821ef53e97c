#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The settings window: the size of the console's font. It is hidden, never destroyed, between
// openings, so the player finds the size they typed last time.
class Opts : public QDialog {
    Q_OBJECT

public:
    explicit Opts(QWidget *gameWindow);

    // The size a text asks for, in points, read the way the font size box reads it; 0 when the
    // text asks for none that can be shown.
    static double FontSizeFromText(const QString &text);

Q_SIGNALS:
    void fontSizeChosen(double points);

private:
    void createControls();
    void layoutControls();
    void connectControls();
    void apply();

    QLineEdit *m_fontSize = nullptr;
    QPushButton *m_apply = nullptr;
};
