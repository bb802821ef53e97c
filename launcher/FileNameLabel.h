#pragma once

#include <QLabel>

// The caption of the chosen story file followed by its path. The path breaks anywhere to fill
// the label's lines, and one too long for them loses its middle, so that the start of its folder
// and the file's name always show. The tooltip and screen readers have the path whole.
class FileNameLabel : public QLabel {
    Q_OBJECT

public:
    explicit FileNameLabel(QWidget *parent);

    void setChoice(const QString &caption, const QString &path);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();

    QString m_caption;
    QString m_path;
};
