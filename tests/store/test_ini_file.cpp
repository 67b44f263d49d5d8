// INI files as Windows profile functions read them, and writes that change only the bytes of the
// key written: messy files from old workstations, line ends, code page, refusals and protection.
#include "store/ini_file.h"
#include "store/store_error.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velmar {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

std::string str(const QByteArray& bytes) { return bytes.toStdString(); }

std::optional<std::string> str(const std::optional<QString>& text)
{
    return text ? std::optional(text->toStdString()) : std::nullopt;
}

QString u8(const char* text) { return QString::fromUtf8(text); }

class IniFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    QString path = folder.file(QStringLiteral("t.ini"));
    IniFile ini{path};
};

TEST_F(IniFileTest, ReadsAMessyFileAsWindowsDoes)
{
    writeBytes(path,
               "junk line without equals\r\n"
               "ORPHAN=before any section\r\n"
               "[Const]\n"
               "; COMUNA=commented out\r\n"
               "Comuna=Brasov\r\n"
               "  comuna = second spelling\r\n"
               "Pass= a b \r\n"
               "Empty=\r\n"
               "Formula=a=b\r\n"
               "\r\n"
               "[ index ] trailing words\r\n"
               "IDCON=17\n"
               "[CONST]\r\n"
               "COMUNA=duplicate section\r\n"
               "Other=only in the duplicate\r\n"
               "[Last]\r\n"
               "Tail=no final newline");
    const struct {
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    } cases[] = {
        {"Const", "Comuna", "Brasov"},
        {"CONST", " comuna ", "Brasov"},  // first of the duplicate keys, blanks around names ignored
        {"const", "PASS", " a b "},       // blanks inside the value kept
        {"Const", "Empty", ""},
        {"Const", "Formula", "a=b"},
        {"INDEX", "idcon", "17"},
        {"Last", "Tail", "no final newline"},
        {"Const", "Other", std::nullopt},  // only the first of duplicate sections counts
        {"Const", "; COMUNA", std::nullopt},
        {"Const", "ORPHAN", std::nullopt},
        {"Const", "junk line without equals", std::nullopt},
        {"Const", "IDCON", std::nullopt},
        {"Missing", "Comuna", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(str(ini.value(QString::fromLatin1(c.section), QString::fromLatin1(c.key))), c.expected);
    }
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndIsNotCreated)
{
    EXPECT_EQ(ini.value(QStringLiteral("A"), QStringLiteral("k")), std::nullopt);
    EXPECT_EQ(ini.read(QStringLiteral("A"), QStringLiteral("k")), QString());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(IniFileTest, WriteChangesOnlyTheBytesOfItsKey)
{
    const struct {
        const char* what;
        std::optional<QByteArray> before;  // nullopt: no file
        const char* section;
        const char* key;
        const char* value;
        QByteArray after;
    } cases[] = {
        {"value replaced, key keeps its spelling and blanks", "[Const]\r\n  comuna =Old\r\nX=1\r\n", "CONST", "COMUNA",
         "Nou", "[Const]\r\n  comuna =Nou\r\nX=1\r\n"},
        {"value emptied", "[A]\r\nk=v\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
        {"new key after the last key, before blank lines and the next section", "[A]\nx=1\n\n[B]\ny=2\n", "a", "z", "3",
         "[A]\nx=1\nz=3\n\n[B]\ny=2\n"},
        {"comment and junk after the keys stay after the new key", "[A]\r\nx=1\r\n;c=2\r\njunk\r\n", "A", "y", "2",
         "[A]\r\nx=1\r\ny=2\r\n;c=2\r\njunk\r\n"},
        {"section without keys", "[A]\r\n[B]\r\n", "A", "z", "3", "[A]\r\nz=3\r\n[B]\r\n"},
        {"duplicate sections: the first is changed", "[A]\nx=1\n[a]\nx=2\n", "A", "x", "9", "[A]\nx=9\n[a]\nx=2\n"},
        {"duplicate sections: a new key joins the first", "[A]\nx=1\n[a]\nx=2\n", "A", "y", "5",
         "[A]\nx=1\ny=5\n[a]\nx=2\n"},
        {"duplicate keys: the first is changed", "[A]\nx=1\nX=2\n", "A", "x", "9", "[A]\nx=9\nX=2\n"},
        {"a key before any section belongs to none", "k=0\n[A]\n", "A", "k", "1", "k=0\n[A]\nk=1\n"},
        {"new section after a last line without line end", "[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
        {"new key after a last line without line end", "[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        {"value of a last line without line end", "[A]\r\nx=1", "A", "x", "22", "[A]\r\nx=22"},
        {"mixed line ends: the first one is followed", "[A]\nx=1\r\n", "B", "k", "v", "[A]\nx=1\r\n[B]\nk=v\n"},
        {"bytes Windows-1250 lacks survive", "[A]\r\nj=\x81\x98\r\n", "A", "k", "v", "[A]\r\nj=\x81\x98\r\nk=v\r\n"},
        {"empty file", "", "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"missing file is created with CR LF", std::nullopt, "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"blanks around written names dropped, around the value kept", "[INIT]\r\nWIN=old\r\n", " init ", " win ",
         " a b ", "[INIT]\r\nWIN= a b \r\n"},
        {"value with = ; and brackets", std::nullopt, "A", "k", "x=;[y]", "[A]\r\nk=x=;[y]\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path);
        if (c.before)
            writeBytes(path, *c.before);
        const QString section = QString::fromLatin1(c.section);
        const QString key = QString::fromLatin1(c.key);
        const QString value = QString::fromLatin1(c.value);
        ini.write(section, key, value);
        EXPECT_EQ(str(readBytes(path)), str(c.after));
        EXPECT_EQ(str(ini.value(section, key)), value.toStdString());
    }
}

TEST_F(IniFileTest, RomanianLettersAreWindows1250OnDiskAndMatchInAnyCase)
{
    ini.write(QStringLiteral("CONST"), QStringLiteral("COMUNA"), u8("Mărășești Țară Îi Ââ"));
    ini.write(QStringLiteral("CONST"), u8("ȘCOALĂ"), QStringLiteral("1"));
    EXPECT_EQ(str(readBytes(path)),
              "[CONST]\r\nCOMUNA=M\xE3r\xE3\xBA"
              "e\xBAti \xDE"
              "ar\xE3 \xCEi \xC2\xE2\r\n\xAA"
              "COAL\xC3=1\r\n");
    EXPECT_EQ(ini.read(QStringLiteral("const"), QStringLiteral("comuna")), u8("Mărăşeşti Ţară Îi Ââ"));
    // Comma-below and cedilla spellings, lower and upper case, are one key.
    EXPECT_EQ(ini.read(QStringLiteral("CONST"), u8("şcoală")), QStringLiteral("1"));
    ini.write(QStringLiteral("CONST"), u8("școală"), QStringLiteral("2"));
    EXPECT_EQ(str(readBytes(path)),
              "[CONST]\r\nCOMUNA=M\xE3r\xE3\xBA"
              "e\xBAti \xDE"
              "ar\xE3 \xCEi \xC2\xE2\r\n\xAA"
              "COAL\xC3=2\r\n");
}

TEST_F(IniFileTest, RefusesWhatWouldNotReadBack)
{
    const QByteArray before = "[A]\r\nk=v\r\n";
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"A", "k", "line\nbreak"}, {"A", "k", "line\r\nbreak"}, {"A", "k", "ends in CR\r"}, {"A", "k\nx", "v"},
        {"A]\n[B", "k", "v"},      {"A", "x=y", "v"},           {"A", "; note", "v"},       {"A", "[x]", "v"},
    };
    writeBytes(path, before);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "=" + c.value);
        EXPECT_THROW(
            ini.write(QString::fromLatin1(c.section), QString::fromLatin1(c.key), QString::fromLatin1(c.value)),
            StoreError);
        EXPECT_EQ(str(readBytes(path)), str(before));
    }
}

TEST_F(IniFileTest, EveryReadGoesToTheFile)
{
    writeBytes(path, "[A]\r\nk=1\r\n");
    EXPECT_EQ(ini.read(QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("1"));
    writeBytes(path, "[A]\r\nk=2\r\n");
    EXPECT_EQ(ini.read(QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("2"));
}

TEST(IniFileFolder, MissingFolderIsNamedAndNotCreated)
{
    TempFolder folder;
    const QString absent = folder.file(QStringLiteral("absent"));
    try {
        IniFile(QDir(absent).filePath(QStringLiteral("VLMR.set")))
            .write(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("v"));
        ADD_FAILURE() << "no error";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.message().toStdString(),
                  QStringLiteral("Nu pot scrie in folderul %1").arg(QDir::toNativeSeparators(absent)).toStdString());
    }
    EXPECT_FALSE(QFileInfo::exists(absent));
}

// Restores permissions, so the temporary folder can be removed whatever happens.
class PermissionsChange {
public:
    PermissionsChange(QString path, QFileDevice::Permissions permissions)
        : path_(std::move(path)), old_(QFile::permissions(path_))
    {
        QFile::setPermissions(path_, permissions);
    }
    ~PermissionsChange() { QFile::setPermissions(path_, old_); }

private:
    QString path_;
    QFileDevice::Permissions old_;
};

// Root (as in many CI containers) ignores permission bits; nothing to test there.
bool permissionsHold(const QString& target)
{
    if (QFileInfo(target).isDir()) {
        QFile probe(QDir(target).filePath(QStringLiteral("probe")));
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }
    return !QFile(target).open(QIODevice::ReadWrite);
}

TEST_F(IniFileTest, ProtectedFolderOrFileIsNamedAndLeftWhole)
{
    const QByteArray before = "[A]\r\nk=v\r\n";
    constexpr auto kReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    constexpr auto kSearch = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const QString folderPath = QDir::toNativeSeparators(folder.path());
    const QString filePath = QDir::toNativeSeparators(path);
    const struct {
        const char* what;
        QString target;
        QFileDevice::Permissions permissions;
        QString message;
        bool readable;
    } cases[] = {
        {"read-only folder", folder.path(), kReadOnly | kSearch,
         QStringLiteral("Nu pot scrie in folderul %1").arg(folderPath), true},
        {"read-only file", path, kReadOnly, QStringLiteral("Nu pot scrie in fisierul %1").arg(filePath), true},
        {"unreadable file", path, QFileDevice::WriteOwner, QStringLiteral("Nu pot citi fisierul %1").arg(filePath),
         false},
    };
    QStringList notProtected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path, before);
        const QStringList entries = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
        const PermissionsChange change(c.target, c.permissions);
        if (!permissionsHold(c.target)) {
            notProtected << QString::fromLatin1(c.what);
            continue;
        }
        try {
            ini.write(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("new"));
            ADD_FAILURE() << "no error";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.message().toStdString(), c.message.toStdString());
        }
        if (c.readable)
            EXPECT_EQ(ini.read(QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("v"));
        else
            EXPECT_THROW(ini.read(QStringLiteral("A"), QStringLiteral("k")), StoreError);
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOwner);
        EXPECT_EQ(str(readBytes(path)), str(before));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), entries);  // no temporary left
    }
    if (!notProtected.isEmpty())
        GTEST_SKIP() << "permission bits do not stop this user: "
                     << notProtected.join(QStringLiteral(", ")).toStdString();
}

}  // namespace
}  // namespace velmar
