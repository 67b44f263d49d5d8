// A file of the fuzzer's own in a private temporary folder (in memory where /dev/shm exists), for readers
// that take a path.
#pragma once

#include <QByteArray>
#include <QString>

namespace velmar::fuzz {

// The path of `name` in the folder, created once per process.
QString scratchPath(const QString& name);
// Writes `bytes` as the whole file `name` and returns its path.
QString writeScratch(const QString& name, const QByteArray& bytes);

}  // namespace velmar::fuzz
