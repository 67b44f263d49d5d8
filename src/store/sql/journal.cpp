// Journal file layout (little-endian): "VLMRJNL1", then per file: path length (u32), path (UTF-8,
// relative to the data folder), original size (i64, -1 when the file did not exist), region count (u32),
// and per region offset (i64), length (u32), the original bytes; finally "COMMITOK" and the number of
// files (u32). Only a journal that ends with that trailer is rolled back.
#include "store/sql/journal.h"

#include "platform/file_sync.h"
#include "store/store_error.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace velmar {

namespace {

const QByteArray kMagic("VLMRJNL1");
const QByteArray kTrailer("COMMITOK");

std::function<void(const QString&)>& afterFileWrittenHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

[[noreturn]] void journalError(const QString& path, const QString& why)
{
    throw StoreError(QStringLiteral("Jurnalul %1: %2").arg(path, why));
}

QByteArray originalBytes(QFile& file, qint64 offset, qint64 length)
{
    const qint64 available = std::max<qint64>(0, std::min(length, file.size() - offset));
    if (available == 0)
        return {};
    if (!file.seek(offset))
        journalError(file.fileName(), file.errorString());
    return file.read(available);
}

void writeEntry(QDataStream& out, const QDir& folder, const FileChange& change)
{
    out << folder.relativeFilePath(change.path).toUtf8();
    QFile file(change.path);
    if (!file.exists()) {
        out << qint64(-1) << quint32(0);
        return;
    }
    if (!file.open(QIODevice::ReadOnly))
        journalError(change.path, file.errorString());
    const qint64 size = file.size();
    std::vector<std::pair<qint64, QByteArray>> regions;
    for (const FileChange::Write& w : change.writes)
        if (w.offset < size)
            regions.emplace_back(w.offset, originalBytes(file, w.offset, w.bytes.size()));
    if (change.newSize >= 0 && change.newSize < size)
        regions.emplace_back(change.newSize, originalBytes(file, change.newSize, size - change.newSize));
    out << size << quint32(regions.size());
    for (const auto& [offset, bytes] : regions)
        out << offset << bytes;
}

void restoreEntry(QDataStream& in, const QDir& folder, QStringList& restored)
{
    QByteArray relative;
    qint64 size = 0;
    quint32 regions = 0;
    in >> relative >> size >> regions;
    const QString path = QDir::cleanPath(folder.filePath(QString::fromUtf8(relative)));
    restored << path;
    if (size < 0) {
        QFile::remove(path);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        journalError(path, file.errorString());
    for (quint32 i = 0; i < regions; ++i) {
        qint64 offset = 0;
        QByteArray bytes;
        in >> offset >> bytes;
        if (!file.seek(offset) || file.write(bytes) != bytes.size())
            journalError(path, file.errorString());
    }
    if (!file.resize(size))
        journalError(path, file.errorString());
    syncFile(file);
}

bool isComplete(const QByteArray& journal)
{
    return journal.startsWith(kMagic) && journal.size() >= kMagic.size() + kTrailer.size() + 4 &&
        journal.mid(journal.size() - 4 - kTrailer.size(), kTrailer.size()) == kTrailer;
}

}  // namespace

QString Journal::pathIn(const QString& folder) { return QDir(folder).filePath(QStringLiteral("Velmar.jnl")); }

bool Journal::existsIn(const QString& folder) { return QFileInfo::exists(pathIn(folder)); }

void Journal::commit(const QString& folder, const std::vector<FileChange>& changes,
                     const std::function<void()>& beforeRelease)
{
    if (changes.empty())
        return;
    const QString path = pathIn(folder);
    {
        QFile journal(path);
        if (!journal.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw StoreError(QStringLiteral("Nu pot scrie in folderul de date %1: %2")
                                 .arg(QDir::toNativeSeparators(folder), journal.errorString()));
        QDataStream out(&journal);
        out.setByteOrder(QDataStream::LittleEndian);
        out.writeRawData(kMagic.constData(), int(kMagic.size()));
        for (const FileChange& change : changes)
            writeEntry(out, QDir(folder), change);
        out.writeRawData(kTrailer.constData(), int(kTrailer.size()));
        out << quint32(changes.size());
        if (out.status() != QDataStream::Ok)
            journalError(path, journal.errorString());
        syncFile(journal);
    }
    syncFolder(folder);

    try {
        for (const FileChange& change : changes) {
            applyFileChange(change);
            if (afterFileWrittenHook())
                afterFileWrittenHook()(change.path);
        }
        beforeRelease();
    } catch (...) {
        recover(folder);
        throw;
    }
    // Removing the journal is the commit: while it is there, the next program to open the folder rolls
    // the files back. A journal that cannot be removed (a server share gone meanwhile) is a transaction
    // that did not happen.
    if (!QFile::remove(path)) {
        try {
            recover(folder);
        } catch (const StoreError&) {
            // the folder is out of reach: the next program to open it rolls back
        }
        throw StoreError(QStringLiteral("Nu pot scrie in folderul de date %1: modificarea nu a fost facuta.")
                             .arg(QDir::toNativeSeparators(folder)));
    }
    syncFolder(folder);
}

QStringList Journal::recover(const QString& folder)
{
    const QString path = pathIn(folder);
    QFile journal(path);
    if (!journal.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = journal.readAll();
    journal.close();
    QStringList restored;
    if (isComplete(bytes)) {
        QDataStream in(bytes.mid(kMagic.size(), bytes.size() - kMagic.size() - kTrailer.size() - 4));
        in.setByteOrder(QDataStream::LittleEndian);
        while (!in.atEnd())
            restoreEntry(in, QDir(folder), restored);
        if (in.status() != QDataStream::Ok)
            journalError(path, QStringLiteral("continut ilizibil"));
    }
    QFile::remove(path);
    syncFolder(folder);
    return restored;
}

void Journal::setAfterFileWrittenHook(std::function<void(const QString&)> hook)
{
    afterFileWrittenHook() = std::move(hook);
}

}  // namespace velmar
