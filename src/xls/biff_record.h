// The record layer of a BIFF8 workbook stream: type, data and the CONTINUE records that carry the rest
// of a record longer than 8224 bytes.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace velmar::xls {

namespace record {
constexpr uint16_t Formula = 0x0006, Eof = 0x000A, ExternSheet = 0x0017, Name = 0x0018, HorizontalBreaks = 0x001B,
                   FilePass = 0x002F, Continue = 0x003C, ColInfo = 0x007D, BoundSheet = 0x0085, MulRk = 0x00BD,
                   MulBlank = 0x00BE, RString = 0x00D6, DbCell = 0x00D7, MergedCells = 0x00E5, Sst = 0x00FC,
                   LabelSst = 0x00FD, ExtSst = 0x00FF, SupBook = 0x01AE, Dimensions = 0x0200, Blank = 0x0201,
                   Number = 0x0203, Label = 0x0204, BoolErr = 0x0205, String = 0x0207, Row = 0x0208, Index = 0x020B,
                   Array = 0x0221, Table = 0x0236, Window2 = 0x023E, Rk = 0x027E, SharedFormula = 0x04BC, Bof = 0x0809;
}  // namespace record

constexpr int kMaxRecordData = 8224;

struct BiffRecord {
    uint16_t type = 0;
    QByteArray data;
    std::vector<QByteArray> continues;  // data of the CONTINUE records that followed it, in order
};

// Splits a stream into records from `offset` to the end of the substream that starts there (its
// matching EOF, nested BOF/EOF pairs included). Throws TruncatedData when a record runs past the stream.
std::vector<BiffRecord> ReadSubstream(const QByteArray& stream, qsizetype offset);

// Appends the record (and its CONTINUE records) to `out`.
void AppendRecord(QByteArray& out, uint16_t type, const QByteArray& data);
void AppendRecord(QByteArray& out, const BiffRecord& record);

}  // namespace velmar::xls
