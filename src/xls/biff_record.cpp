#include "xls/biff_record.h"

#include "xls/byte_io.h"

namespace velmar::xls {

std::vector<BiffRecord> ReadSubstream(const QByteArray& stream, qsizetype offset)
{
    std::vector<BiffRecord> records;
    int depth = 0;
    qsizetype pos = offset;
    while (true) {
        if (pos < 0 || stream.size() - pos < 4)
            throw TruncatedData();
        const uint16_t type = readU16(stream.constData() + pos);
        const uint16_t size = readU16(stream.constData() + pos + 2);
        if (stream.size() - pos - 4 < size)
            throw TruncatedData();
        QByteArray data = stream.mid(pos + 4, size);
        pos += 4 + size;
        if (type == record::Continue && !records.empty()) {
            records.back().continues.push_back(std::move(data));
            continue;
        }
        records.push_back({type, std::move(data), {}});
        if (type == record::Bof)
            ++depth;
        if (type == record::Eof && --depth <= 0)
            return records;
    }
}

void AppendRecord(QByteArray& out, uint16_t type, const QByteArray& data)
{
    ByteWriter(out).u16(type).u16(uint16_t(data.size())).bytes(data);
}

void AppendRecord(QByteArray& out, const BiffRecord& record)
{
    AppendRecord(out, record.type, record.data);
    for (const QByteArray& part : record.continues)
        AppendRecord(out, record::Continue, part);
}

}  // namespace velmar::xls
