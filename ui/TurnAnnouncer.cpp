#include "TurnAnnouncer.h"

#include "qt/QtText.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface *notificationFor(const QString &, QObject *object) {
    if (auto *announcer = qobject_cast<TurnAnnouncer *>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

bool isLineBreak(QChar c) {
    return c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

TurnAnnouncer::TurnAnnouncer(QWidget *parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(notificationFor), true);
    (void)installed;
    setObjectName(QStringLiteral("TurnAnnouncer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(0, 0); // its name is the answer, said once; a description would follow every turn
}

void TurnAnnouncer::announce(const QString &text) {
    setAccessibleName(text);
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    hide();
    show();
}

QString TurnAnnouncer::PlainText(std::u16string_view answer) {
    const QString printed = ToQString(WithLineFeeds(answer));
    QString plain;
    plain.reserve(std::min(printed.size(), kLongest));
    for (qsizetype i = 0; i < printed.size() && plain.size() < kLongest; ++i) {
        const QChar c = printed[i];
        if (isLineBreak(c))
            plain += u'\n';
        else if (c == u'\t' ||
                 (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format))
            plain += c;
    }
    while (plain.endsWith(u'\n'))
        plain.chop(1);
    return plain;
}
