#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Stories and the launcher's record are 8-bit Windows-1251 text. Every byte is exactly one
// character and every character of the code page one byte, so no byte is ever lost or merged.
QString DecodeWindows1251(QByteArrayView bytes);
QByteArray EncodeWindows1251(const QString &text);
