// The header of a dBase III/IV table file: table header, field descriptors and terminator.
#pragma once

#include "store/codepage.h"
#include "store/dbf/dbf_field.h"

#include <QByteArray>
#include <QDate>
#include <cstdint>
#include <vector>

namespace velmar {

class DbfHeader {
public:
    // Parses and checks the header bytes (at least the header length) of a file of the given size.
    // Anything that disagrees with itself or with the size is reported with the file's name.
    static DbfHeader parse(const QByteArray& bytes, qint64 fileSize, const QString& fileName);
    static DbfHeader forNewTable(const std::vector<DbfField>& fields, std::uint8_t languageDriver);

    const std::vector<DbfField>& fields() const { return fields_; }
    const std::vector<int>& offsets() const { return offsets_; }  // of each field inside a record
    int fieldIndex(QStringView name) const;                       // -1 when absent; without regard to case
    std::uint32_t recordCount() const { return recordCount_; }
    int headerLength() const { return int(raw_.size()); }
    int recordLength() const { return recordLength_; }
    std::uint8_t languageDriver() const { return std::uint8_t(raw_[29]); }
    CodePage codePage() const { return codePageForLanguageDriver(languageDriver()); }
    bool productionIndex() const { return raw_[28] != 0; }

    // The whole header as it will be written for `count` records changed on `today`. The production-index
    // flag is cleared: this engine keeps no .mdx in step, so no other engine may trust one afterwards.
    QByteArray bytesFor(std::uint32_t count, QDate today) const;
    // The same header with one more field at the end (the table's other bytes kept).
    DbfHeader withField(const DbfField& field) const;

private:
    QByteArray raw_;
    std::vector<DbfField> fields_;
    std::vector<int> offsets_;
    std::uint32_t recordCount_ = 0;
    int recordLength_ = 1;
};

}  // namespace velmar
