// Reading a dBase file into columns and planning the writes that store changes back.
#include "store/dbf/dbf_table.h"

#include "store/store_error.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace velmar {

namespace {
constexpr char kLive = ' ';
constexpr char kDeleted = '*';
constexpr char kEndOfFile = 0x1A;
}  // namespace

DbfTable DbfTable::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(QStringLiteral("Nu pot deschide fisierul %1: %2").arg(path, file.errorString()));
    return fromBytes(file.readAll(), path);
}

DbfTable DbfTable::fromBytes(const QByteArray& bytes, const QString& path)
{
    DbfTable t;
    t.path_ = path;
    t.name_ = QFileInfo(path).completeBaseName();
    t.header_ = DbfHeader::parse(bytes, bytes.size(), path);
    const size_t count = t.header_.recordCount();
    const int recordLength = t.header_.recordLength();
    const qint64 dataEnd = qint64(t.header_.headerLength()) + qint64(count) * recordLength;
    if (bytes.size() > dataEnd && bytes[dataEnd] != kEndOfFile)
        throw StoreError(QStringLiteral("Fisierul %1 este deteriorat: lungimea fisierului nu corespunde antetului")
                             .arg(QFileInfo(path).fileName()));

    t.resizeColumns(count);
    t.deleted_.resize(count);
    t.dirty_.resize(count);
    t.rowsOnDisk_ = count;
    const CodePage codePage = t.header_.codePage();
    const auto& fields = t.header_.fields();
    const auto& offsets = t.header_.offsets();
    const char* record = bytes.constData() + t.header_.headerLength();
    for (size_t row = 0; row < count; ++row, record += recordLength) {
        t.deleted_[row] = record[0] == kDeleted;
        for (size_t c = 0; c < fields.size(); ++c)
            t.store(row, int(c), decodeField(fields[c], record + offsets[c], codePage));
    }
    return t;
}

DbfTable DbfTable::create(const QString& path, const std::vector<DbfField>& fields, std::uint8_t languageDriver)
{
    DbfTable t;
    t.path_ = path;
    t.name_ = QFileInfo(path).completeBaseName();
    t.header_ = DbfHeader::forNewTable(fields, languageDriver);
    t.columns_.resize(fields.size());
    t.existsOnDisk_ = false;
    return t;
}

size_t DbfTable::liveRowCount() const { return size_t(std::count(deleted_.begin(), deleted_.end(), 0)); }

void DbfTable::resizeColumns(size_t rows)
{
    columns_.resize(header_.fields().size());
    for (size_t c = 0; c < columns_.size(); ++c) {
        const DbfField& f = header_.fields()[c];
        Column& col = columns_[c];
        if (f.type == 'N' && f.decimals == 0) {
            col.ints.resize(rows);
            col.nulls.resize(rows, 1);
        } else if (f.type == 'N') {
            col.reals.resize(rows, std::nan(""));
        } else {
            col.texts.resize(rows);
        }
    }
}

Cell DbfTable::cell(size_t row, int column) const
{
    const DbfField& f = header_.fields()[size_t(column)];
    const Column& col = columns_[size_t(column)];
    if (f.type == 'N' && f.decimals == 0)
        return col.nulls[row] ? Cell{} : Cell{col.ints[row]};
    if (f.type == 'N')
        return std::isnan(col.reals[row]) ? Cell{} : Cell{col.reals[row]};
    if (f.type == 'D' && col.texts[row].empty())
        return {};
    return col.texts[row];
}

bool DbfTable::isNull(size_t row, int column) const
{
    return std::holds_alternative<std::monostate>(cell(row, column));
}

Cell DbfTable::normalized(int column, const Cell& value) const
{
    return normalizeForField(header_.fields()[size_t(column)], value, header_.codePage(), name());
}

void DbfTable::set(size_t row, int column, const Cell& value)
{
    store(row, column, value);
    if (!dirty_[row]) {
        dirty_[row] = 1;
        dirtyRows_.push_back(row);
    }
}

void DbfTable::store(size_t row, int column, const Cell& value)
{
    const DbfField& f = header_.fields()[size_t(column)];
    Column& col = columns_[size_t(column)];
    if (f.type == 'N' && f.decimals == 0) {
        col.nulls[row] = std::holds_alternative<std::monostate>(value);
        col.ints[row] = col.nulls[row] ? 0 : std::get<std::int64_t>(value);
    } else if (f.type == 'N') {
        col.reals[row] = std::holds_alternative<double>(value) ? std::get<double>(value) : std::nan("");
    } else {
        col.texts[row] = std::holds_alternative<std::string>(value) ? std::get<std::string>(value) : std::string();
    }
}

size_t DbfTable::appendRow()
{
    const size_t row = rowCount();
    resizeColumns(row + 1);
    deleted_.push_back(0);
    dirty_.push_back(1);  // rows past the ones on disk are written as appended records anyway
    return row;
}

void DbfTable::markDeleted(size_t row)
{
    deleted_[row] = 1;
    if (!dirty_[row]) {
        dirty_[row] = 1;
        dirtyRows_.push_back(row);
    }
}

QByteArray DbfTable::encodeRecord(size_t row) const
{
    QByteArray record(header_.recordLength(), ' ');
    record[0] = deleted_[row] ? kDeleted : kLive;
    const auto& fields = header_.fields();
    for (size_t c = 0; c < fields.size(); ++c)
        encodeField(fields[c], cell(row, int(c)), header_.codePage(), record.data() + header_.offsets()[c]);
    return record;
}

FileChange DbfTable::pendingChange(QDate today) const
{
    if (!existsOnDisk_)
        return {path_, {{0, wholeFile(header_, allRows(), false, today)}}, -1};

    FileChange change{path_, {}, -1};
    const qint64 start = header_.headerLength();
    const int length = header_.recordLength();
    change.writes.push_back({0, header_.bytesFor(std::uint32_t(rowCount()), today).left(32)});

    std::vector<size_t> rows;
    for (size_t row : dirtyRows_)
        if (row < rowsOnDisk_)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    // Neighbouring records go out in one write: a re-indexation touches most of a table.
    for (size_t i = 0; i < rows.size();) {
        size_t j = i;
        QByteArray run;
        while (j < rows.size() && rows[j] == rows[i] + (j - i)) {
            run += encodeRecord(rows[j]);
            ++j;
        }
        change.writes.push_back({start + qint64(rows[i]) * length, run});
        i = j;
    }
    if (rowCount() != rowsOnDisk_) {
        QByteArray appended;
        appended.reserve(qsizetype((rowCount() - rowsOnDisk_) * size_t(length) + 1));
        for (size_t row = rowsOnDisk_; row < rowCount(); ++row)
            appended += encodeRecord(row);
        appended += kEndOfFile;
        change.writes.push_back({start + qint64(rowsOnDisk_) * length, appended});
        change.newSize = start + qint64(rowCount()) * length + 1;
    }
    return change;
}

void DbfTable::markSaved()
{
    for (size_t row : dirtyRows_)
        dirty_[row] = 0;
    std::fill(dirty_.begin() + qsizetype(std::min(rowsOnDisk_, dirty_.size())), dirty_.end(), 0);
    dirtyRows_.clear();
    rowsOnDisk_ = rowCount();
    existsOnDisk_ = true;
}

void DbfTable::save(QDate today, Durability durability)
{
    applyFileChange(pendingChange(today), durability);
    markSaved();
}

QByteArray DbfTable::wholeFile(const DbfHeader& header, const std::vector<size_t>& rows, bool addEmptyField,
                               QDate today) const
{
    QByteArray out = header.bytesFor(std::uint32_t(rows.size()), today);
    out.reserve(out.size() + qsizetype(rows.size()) * header.recordLength() + 1);
    const QByteArray emptyField(addEmptyField ? header.fields().back().length : 0, ' ');
    for (size_t row : rows)
        out += encodeRecord(row) + emptyField;
    out += kEndOfFile;
    return out;
}

std::vector<size_t> DbfTable::allRows() const
{
    std::vector<size_t> rows(rowCount());
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] = row;
    return rows;
}

FileChange DbfTable::packChange(QDate today) const
{
    std::vector<size_t> live;
    for (size_t row = 0; row < rowCount(); ++row)
        if (!deleted_[row])
            live.push_back(row);
    const QByteArray bytes = wholeFile(header_, live, false, today);
    return {path_, {{0, bytes}}, bytes.size()};
}

FileChange DbfTable::addColumnChange(const DbfField& field, QDate today) const
{
    const QByteArray bytes = wholeFile(header_.withField(field), allRows(), true, today);
    return {path_, {{0, bytes}}, bytes.size()};
}

}  // namespace velmar
