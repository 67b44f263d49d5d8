// The administrator password's stored form: a deterministic scrambling of its Windows-1250 bytes,
// seeded from the text itself, so a login scrambles what was typed and compares the two results.
#pragma once

#include <QByteArray>
#include <QString>

namespace velmar {

QByteArray CodeazaBytes(const QByteArray& text);
QString CodeazaStr(const QString& text);  // the same, from and to text in Windows-1250

}  // namespace velmar
