#include "ChoiceRecord.h"

#include <QFile>
#include <QStandardPaths>

// Where the desktop keeps this program's settings; the record reads and writes with the C++
// library alone, so only this lookup needs the toolkit.
std::string ChoiceRecord::DefaultPath() {
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                             QStringLiteral("/special1.tmp"))
        .toStdString();
}
