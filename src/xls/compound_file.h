// Compound files (OLE2 structured storage, the container of .xls workbooks): reading every stream of
// a file and writing a fresh file from a set of streams.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>

namespace velmar::xls {

// Streams by path inside the file: "Workbook", "\x05SummaryInformation", "_VBA_PROJECT_CUR/VBA/dir"
// (storages joined with '/'). Names keep their case.
using CompoundStreams = std::map<QString, QByteArray>;

// Reads every stream of a compound file held in `bytes`. `fileName` only names the file in messages.
// Throws StoreError (naming the file) when the bytes are not a compound file or are damaged or cut short.
CompoundStreams ReadCompoundFile(const QByteArray& bytes, const QString& fileName);

// A fresh version-3 compound file (512-byte sectors) holding `streams`: streams below 4096 bytes live in
// the mini stream, the rest in ordinary sectors; any size the format allows (DIFAT sectors as needed).
// Storages named by the paths are created. The result opens in every reader of the format.
// Every name along a path has 1 to 31 characters, and names under one storage differ ignoring case;
// anything else is the caller's mistake and throws std::invalid_argument.
QByteArray WriteCompoundFile(const CompoundStreams& streams);

}  // namespace velmar::xls
