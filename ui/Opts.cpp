#include "Opts.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// Where a choice stands in its list, as the box offers the list.
template <typename Choices, typename Matches>
int indexWhere(const Choices &choices, Matches matches) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (matches(choices[i]))
            return int(i);
    return 0;
}

} // namespace

Opts::Opts(QWidget *gameWindow) : QDialog(gameWindow) {
    createControls();
    layoutControls();
    connectControls();
}

void Opts::createControls() {
    setObjectName(QStringLiteral("Opts"));
    setWindowTitle(QStringLiteral("Настройки..."));
    // The game waits while its settings are open.
    setWindowModality(Qt::WindowModal);

    // Only fonts that can write the stories' Russian.
    m_fontFamily = new QFontComboBox(this);
    m_fontFamily->setObjectName(QStringLiteral("FontFamily"));
    m_fontFamily->setWritingSystem(QFontDatabase::Cyrillic);
    m_fontFamily->setEditable(false);

    m_fontSize = new QLineEdit(this);
    m_fontSize->setObjectName(QStringLiteral("FontSize1"));
    m_fontSize->setToolTip(QStringLiteral("Размер шрифта консоли в пунктах, от %1 до %2")
                               .arg(kSmallestFontSize)
                               .arg(kLargestFontSize));

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("Problem"));
    m_problem->setWordWrap(true);
    m_problem->hide();

    m_theme = new QComboBox(this);
    m_theme->setObjectName(QStringLiteral("Theme"));
    for (const ThemeChoice &choice : kThemeChoices)
        m_theme->addItem(choice.label.toString());

    m_messages = new QComboBox(this);
    m_messages->setObjectName(QStringLiteral("Messages"));
    for (const AuthorMessageDisplayChoice &choice : kAuthorMessageDisplayChoices)
        m_messages->addItem(choice.label.toString());

    // Enter applies, Escape leaves everything as it was, as in any dialog.
    m_apply = new QPushButton(QStringLiteral("Применить"), this);
    m_apply->setObjectName(QStringLiteral("TheOK"));
    m_apply->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Отмена"), this);
}

void Opts::layoutControls() {
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Шрифт:"), m_fontFamily);
    form->addRow(QStringLiteral("&Размер, пт:"), m_fontSize);
    form->addRow(QString(), m_problem);
    form->addRow(QStringLiteral("&Цвета:"), m_theme);
    form->addRow(QStringLiteral("&Сообщения автору:"), m_messages);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
}

void Opts::connectControls() {
    connect(m_apply, &QPushButton::clicked, this, &Opts::apply);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Opts::showValues(const WindowPreferences &preferences) {
    m_opened = preferences;
    m_fontFamily->setCurrentFont(QFont(preferences.fontFamily));
    m_fontSize->setText(QLocale().toString(preferences.fontSize));
    m_problem->hide();
    m_theme->setCurrentIndex(indexWhere(kThemeChoices, [&](const ThemeChoice &choice) {
        return choice.theme == preferences.theme;
    }));
    m_messages->setCurrentIndex(
        indexWhere(kAuthorMessageDisplayChoices, [&](const AuthorMessageDisplayChoice &choice) {
            return choice.display == preferences.messages;
        }));
    show();
    raise();
    activateWindow();
    m_fontSize->setFocus();
    m_fontSize->selectAll();
}

bool Opts::ReadFontSize(const QString &text, double &points) {
    QString number = text.trimmed();
    number.replace(u',', u'.');
    bool ok = false;
    points = QLocale::c().toDouble(number, &ok);
    return ok && std::isfinite(points) && points >= kSmallestFontSize && points <= kLargestFontSize;
}

void Opts::apply() {
    WindowPreferences chosen = m_opened;
    if (!ReadFontSize(m_fontSize->text(), chosen.fontSize)) {
        m_problem->setText(QStringLiteral("Размер шрифта — число пунктов от %1 до %2, например "
                                          "12 или 10,5. Сейчас в поле: «%3».")
                               .arg(kSmallestFontSize)
                               .arg(kLargestFontSize)
                               .arg(m_fontSize->text()));
        m_problem->show();
        // The dialog grows to the whole explanation, which wraps over several lines.
        layout()->activate();
        adjustSize();
        m_fontSize->setFocus();
        m_fontSize->selectAll();
        return;
    }
    chosen.fontFamily = m_fontFamily->currentFont().family();
    chosen.theme = kThemeChoices[std::size_t(m_theme->currentIndex())].theme;
    chosen.messages = kAuthorMessageDisplayChoices[std::size_t(m_messages->currentIndex())].display;
    accept();
    Q_EMIT applied(chosen);
}
