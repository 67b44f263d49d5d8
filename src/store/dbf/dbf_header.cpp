// Parsing, checking and writing dBase III/IV headers.
#include "store/dbf/dbf_header.h"

#include "store/store_error.h"

#include <QFileInfo>
#include <QtEndian>

namespace velmar {

namespace {

constexpr int kTableHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr char kTerminator = 0x0D;
constexpr std::uint8_t kVersionNoMemo = 0x03;

[[noreturn]] void corrupt(const QString& fileName, const QString& why)
{
    throw StoreError(QStringLiteral("Fisierul %1 este deteriorat: %2").arg(QFileInfo(fileName).fileName(), why));
}

std::uint16_t u16(const QByteArray& b, int at) { return qFromLittleEndian<std::uint16_t>(b.constData() + at); }
std::uint32_t u32(const QByteArray& b, int at) { return qFromLittleEndian<std::uint32_t>(b.constData() + at); }

bool knownType(char type) { return type == 'C' || type == 'N' || type == 'F' || type == 'D'; }

}  // namespace

DbfHeader DbfHeader::parse(const QByteArray& bytes, qint64 fileSize, const QString& fileName)
{
    if (bytes.size() < kTableHeaderSize || fileSize < kTableHeaderSize)
        corrupt(fileName, QStringLiteral("antetul este incomplet"));
    const auto version = std::uint8_t(bytes[0]);
    if (version != kVersionNoMemo)
        corrupt(fileName,
                QStringLiteral("versiunea de fisier 0x%1 nu este dBase III/IV fara memo")
                    .arg(version, 2, 16, QLatin1Char('0')));

    DbfHeader h;
    h.recordCount_ = u32(bytes, 4);
    const int headerLength = u16(bytes, 8);
    h.recordLength_ = u16(bytes, 10);
    if (headerLength < kTableHeaderSize + kDescriptorSize + 1 || h.recordLength_ < 2)
        corrupt(fileName, QStringLiteral("lungimile din antet sunt gresite"));
    if (bytes.size() < headerLength || fileSize < headerLength)
        corrupt(fileName, QStringLiteral("antetul depaseste sfarsitul fisierului"));
    h.raw_ = bytes.left(headerLength);

    int offset = 1;
    int at = kTableHeaderSize;
    for (; at + kDescriptorSize <= headerLength && bytes[at] != kTerminator; at += kDescriptorSize) {
        const char* d = bytes.constData() + at;
        DbfField f;
        f.name = QString::fromLatin1(d, int(qstrnlen(d, 11))).trimmed();
        f.type = d[11];
        f.length = std::uint8_t(d[16]);
        f.decimals = std::uint8_t(d[17]);
        if (!knownType(f.type))
            corrupt(fileName,
                    QStringLiteral("coloana %1 are tipul necunoscut '%2'").arg(f.name, QChar::fromLatin1(f.type)));
        if (f.type == 'F')
            f.type = 'N';  // the same text form; dBase IV only computes with it differently
        if (f.name.isEmpty() || f.length == 0 || (f.type == 'D' && f.length != 8))
            corrupt(fileName, QStringLiteral("descrierea coloanei %1 este gresita").arg(h.fields_.size() + 1));
        h.fields_.push_back(f);
        h.offsets_.push_back(offset);
        offset += f.length;
    }
    if (at >= headerLength || bytes[at] != kTerminator || h.fields_.empty())
        corrupt(fileName, QStringLiteral("lista coloanelor nu se termina corect"));
    if (offset != h.recordLength_)
        corrupt(fileName,
                QStringLiteral("lungimea inregistrarii (%1) nu corespunde coloanelor (%2)")
                    .arg(h.recordLength_)
                    .arg(offset));
    const qint64 dataEnd = qint64(headerLength) + qint64(h.recordCount_) * h.recordLength_;
    if (dataEnd > fileSize)
        corrupt(fileName,
                QStringLiteral("numarul de inregistrari (%1) depaseste sfarsitul fisierului").arg(h.recordCount_));
    return h;
}

DbfHeader DbfHeader::forNewTable(const std::vector<DbfField>& fields, std::uint8_t languageDriver)
{
    DbfHeader h;
    const int headerLength = kTableHeaderSize + kDescriptorSize * int(fields.size()) + 1;
    h.raw_ = QByteArray(headerLength, '\0');
    h.raw_[0] = char(kVersionNoMemo);
    h.raw_[29] = char(languageDriver);
    qToLittleEndian<std::uint16_t>(std::uint16_t(headerLength), h.raw_.data() + 8);
    int offset = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
        char* d = h.raw_.data() + kTableHeaderSize + kDescriptorSize * int(i);
        const QByteArray name = fields[i].name.toUpper().toLatin1().left(10);
        std::copy(name.begin(), name.end(), d);
        d[11] = fields[i].type;
        d[16] = char(fields[i].length);
        d[17] = char(fields[i].decimals);
        h.fields_.push_back(fields[i]);
        h.fields_.back().name = QString::fromLatin1(name);
        h.offsets_.push_back(offset);
        offset += fields[i].length;
    }
    h.raw_[headerLength - 1] = kTerminator;
    h.recordLength_ = offset;
    qToLittleEndian<std::uint16_t>(std::uint16_t(offset), h.raw_.data() + 10);
    return h;
}

int DbfHeader::fieldIndex(QStringView name) const
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (name.compare(fields_[i].name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

QByteArray DbfHeader::bytesFor(std::uint32_t count, QDate today) const
{
    QByteArray out = raw_;
    out[1] = char(today.year() - 1900);
    out[2] = char(today.month());
    out[3] = char(today.day());
    qToLittleEndian<std::uint32_t>(count, out.data() + 4);
    out[14] = 0;  // no dBase IV transaction is open
    out[28] = 0;
    return out;
}

DbfHeader DbfHeader::withField(const DbfField& field) const
{
    // The existing descriptors stay byte for byte; the new one goes after them (any gap is dropped).
    const DbfHeader added = forNewTable({field}, languageDriver());
    DbfHeader h = *this;
    const int descriptorsEnd = kTableHeaderSize + kDescriptorSize * int(fields_.size());
    h.raw_ = raw_.left(descriptorsEnd) + added.raw_.mid(kTableHeaderSize, kDescriptorSize) + QByteArray(1, kTerminator);
    qToLittleEndian<std::uint16_t>(std::uint16_t(h.raw_.size()), h.raw_.data() + 8);
    h.fields_.push_back(added.fields_.front());
    h.offsets_.push_back(recordLength_);
    h.recordLength_ += field.length;
    qToLittleEndian<std::uint16_t>(std::uint16_t(h.recordLength_), h.raw_.data() + 10);
    return h;
}

}  // namespace velmar
