// The workbook's shared string table (SST): every text cell holds an index into it. Strings keep their
// rich-text runs and phonetic data byte for byte; the table is rebuilt, without duplicates, on save.
#pragma once

#include "xls/biff_record.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

namespace velmar::xls {

struct SharedString {
    QString text;
    QByteArray runs;      // formatting runs, 4 bytes each
    QByteArray phonetic;  // the ExtRst block
    bool operator==(const SharedString&) const = default;
};

// The strings cells point at, by index. New texts reuse an equal plain string already there.
class SharedStringTable {
public:
    explicit SharedStringTable(std::vector<SharedString> strings = {})
        : strings_(std::move(strings)), plainDistinct_(strings_.empty())
    {}
    uint32_t add(const QString& text);
    // From now on every text added is an entry of its own, looked up neither when added nor when saved: for a
    // workbook of tens of thousands of mostly different texts, where the lookups are most of the work. The
    // format allows a string to stand in the table more than once.
    void keepRepeats() { keepRepeats_ = true; }
    // Room for `count` more texts, so that a workbook built from scratch grows its table once.
    void reserve(qsizetype count);
    const SharedString& at(uint32_t index) const { return strings_.at(index); }
    size_t size() const { return strings_.size(); }
    // Whether saving has to look for equal plain strings under different indexes: a file's table may repeat a
    // string; one that started empty and was filled by add() does not, and one that keeps repeats keeps them.
    bool mergeEqualOnSave() const { return !plainDistinct_ && !keepRepeats_; }

private:
    std::vector<SharedString> strings_;
    QHash<QString, uint32_t> plain_;  // index + 1 of each plain string, built on the first add
    bool plainDistinct_;
    bool keepRepeats_ = false;
};

// Reads the strings of an SST record and its CONTINUE records. Throws TruncatedData when damaged.
std::vector<SharedString> ReadSharedStrings(const BiffRecord& sst);

// Reads an XLUnicodeString (2-byte count) at the reader's position, as LABEL and STRING records hold it.
QString ReadUnicodeString(class ByteReader& reader);
// Writes an XLUnicodeString: 1 byte per character when every character fits, else UTF-16.
void AppendUnicodeString(QByteArray& out, const QString& text);

// Writes SST (split into CONTINUE records at string or character boundaries) and EXTSST. `streamOffset`
// is where the SST record will start in the stream (EXTSST holds absolute offsets).
QByteArray WriteSharedStrings(const std::vector<SharedString>& strings, uint32_t totalReferences,
                              qsizetype streamOffset);

}  // namespace velmar::xls
