#include "Intro.h"

#include "ChoiceRecord.h"
#include "FileNameLabel.h"
#include "OutlinedLabel.h"
#include "PictureButton.h"
#include "StoryFileDialog.h"
#include "qt/MessagePresenter.h"
#include "qt/QtText.h"
#include "qt/WindowGeometry.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kFileNameCaption = QStringLiteral("Имя файла:");

QLabel *makeLabel(const QString &objectName, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

} // namespace

Intro::Intro(ChoiceRecord &record, StoryFileDialog &dialog, MessagePresenter &presenter,
             QWidget *parent)
    : QWidget(parent), m_record(record), m_dialog(dialog), m_presenter(presenter) {
    createControls();
    layoutControls();
    connectControls();
    readRecord();
}

void Intro::createControls() {
    setObjectName(QStringLiteral("Intro"));
    setWindowTitle(QStringLiteral("Начнем"));

    m_chooseLabel = makeLabel(QStringLiteral("FileCh"), QStringLiteral("Сменить файл"), this);
    m_startLabel = makeLabel(QStringLiteral("Options"), QStringLiteral("Запуск"), this);
    m_fileName = new FileNameLabel(this);
    m_fileName->setObjectName(QStringLiteral("fs"));
    m_title = new OutlinedLabel(QStringLiteral("DORVANEL"), this);
    m_title->setObjectName(QStringLiteral("TN"));
    QFont titleFont = m_title->font();
    titleFont.setPointSize(18);
    titleFont.setWeight(QFont::Normal);
    m_title->setFont(titleFont);
    m_version =
        makeLabel(QStringLiteral("Label1"),
                  QStringLiteral("Зуфт Win, версия %1").arg(QStringLiteral(ZUFT_VERSION)), this);

    // The keyboard starts here; Enter starts the story and Ctrl+O chooses one all the same.
    m_clear = new QPushButton(QStringLiteral("Очистить"), this);
    m_clear->setObjectName(QStringLiteral("Clear"));
    m_clear->setFocus();
}

// A story named on the command line starts without the launcher ever showing: its pictures are
// only decoded when it first shows, so that the game window comes up sooner.
void Intro::setVisible(bool visible) {
    if (visible && !m_emblem)
        createPictures();
    QWidget::setVisible(visible);
}

void Intro::createPictures() {
    const QCursor pointer(QPixmap(QStringLiteral(":/launcher/icons/pointer.png")), 2, 2);
    m_chooseImage = new PictureButton(QStringLiteral(":/launcher/icons/choose.png"),
                                      m_chooseLabel->text(), pointer, this);
    m_chooseImage->setObjectName(QStringLiteral("Image1"));
    m_chooseImage->setToolTip(QStringLiteral("Сменить файл (Ctrl+O)"));
    m_chooseImage->setGeometry(TwipsRect(120, 120, 540, 540, *this));
    connect(m_chooseImage, &PictureButton::clicked, this, &Intro::chooseFile);

    m_startImage = new PictureButton(QStringLiteral(":/launcher/icons/start.png"),
                                     m_startLabel->text(), pointer, this);
    m_startImage->setObjectName(QStringLiteral("Image2"));
    m_startImage->setToolTip(QStringLiteral("Запуск (Enter)"));
    m_startImage->setGeometry(TwipsRect(120, 720, 540, 540, *this));
    connect(m_startImage, &PictureButton::clicked, this, &Intro::startGame);
    // Tab goes down the window: choose, start, forget.
    setTabOrder(m_chooseImage, m_startImage);
    setTabOrder(m_startImage, m_clear);

    m_emblem = new QLabel(this);
    m_emblem->setObjectName(QStringLiteral("Image3"));
    m_emblem->setPixmap(QPixmap(QStringLiteral(":/launcher/icons/emblem.png")));
    m_emblem->setScaledContents(true);
    m_emblem->setGeometry(TwipsRect(4440, 360, 1425, 1440, *this));
    // The title is written across the picture.
    m_title->raise();
}

void Intro::layoutControls() {
    setFixedSize(TwipsToPixels(7140, *this), TwipsToPixels(2145, *this));
    m_chooseLabel->setGeometry(TwipsRect(720, 240, 1695, 255, *this));
    m_startLabel->setGeometry(TwipsRect(720, 840, 1695, 255, *this));
    m_clear->setGeometry(TwipsRect(2040, 1080, 975, 255, *this));
    m_fileName->setGeometry(TwipsRect(120, 1320, 2775, 615, *this));
    m_title->setGeometry(TwipsRect(3840, 840, 2535, 375, *this));
    m_version->setGeometry(TwipsRect(3000, 1800, 3975, 255, *this));
    CenterOnScreen(*this);
}

void Intro::connectControls() {
    connect(m_clear, &QPushButton::clicked, this, &Intro::clearChoice);
}

// The launcher's keys work on every desktop, with or without a window manager to make the
// window active, since they reach the window itself: whatever control has the focus passes on
// what it does not use.
void Intro::keyPressEvent(QKeyEvent *event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier)
        startGame();
    else if (event->key() == Qt::Key_O && modifiers == Qt::ControlModifier)
        chooseFile();
    else
        QWidget::keyPressEvent(event);
}

// The remembered choice shows on one line with its caption.
void Intro::readRecord() {
    std::u16string remembered;
    if (!m_record.Read(remembered))
        reportRecordTrouble(
            m_record.FailedToCreate()
                ? QStringLiteral("Не удалось создать файл, где запоминается выбранная история.")
                : QStringLiteral("Не удалось прочитать, какой файл был выбран прошлый раз."));
    choose(ToQString(remembered), kFileNameCaption);
}

void Intro::chooseFile() {
    const QString file = m_dialog.ChooseStory(this);
    if (file.isEmpty())
        return;
    choose(file, kFileNameCaption + QStringLiteral("\n "));
    remember();
}

void Intro::clearChoice() {
    choose(QString(), kFileNameCaption);
    remember();
}

void Intro::startGame() {
    if (m_chosenFile.isEmpty()) {
        m_presenter.Present(
            this, {u"Запуск...", u"Сначала нужно выбрать файл!", MessageIcon::Exclamation});
        return;
    }
    Q_EMIT storyChosen(m_chosenFile);
}

void Intro::startStory(const QString &filename) {
    const QString file = QFileInfo(filename).absoluteFilePath();
    choose(file, kFileNameCaption + QStringLiteral("\n "));
    remember();
    startGame();
}

void Intro::choose(const QString &file, const QString &caption) {
    m_chosenFile = file;
    m_fileName->setChoice(caption, file);
}

void Intro::remember() {
    if (!m_record.Write(FromQString(m_chosenFile)))
        reportRecordTrouble(
            QStringLiteral("Не удалось запомнить выбранный файл до следующего запуска."));
}

// Said once: a player who cannot change the folder gains nothing from hearing it at every click.
void Intro::reportRecordTrouble(const QString &what) {
    if (m_recordTroubleTold)
        return;
    m_recordTroubleTold = true;
    QString why = QString::fromStdString(m_record.ErrorString());
    if (!why.isEmpty())
        why[0] = why[0].toUpper();
    const QChar cr(u'\r');
    m_presenter.Present(this,
                        {u"Внимание!",
                         FromQString(what + cr + QStringLiteral("Файл:") +
                                     QFile::decodeName(m_record.path().c_str()) + cr + why + u'.'),
                         MessageIcon::Exclamation});
}
