// One INI (profile) file read and written the way Windows profile functions treat it, keeping every
// line it does not change byte for byte. No caching: each call goes to the file.
#pragma once

#include <QString>

#include <optional>

namespace velmar {

// Sections and keys match without regard to case and surrounding blanks; values are everything
// after the first '=' up to the line end, unchanged (an encoded password may start or end with a
// blank). With duplicate sections or keys the first one counts. Lines that are neither a section
// nor a key (blank, "; comment", junk) are skipped on reading and kept on writing. Windows-1250 on disk.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // nullopt when the file, the section or the key is missing; throws StoreError when the file
    // exists but cannot be read (a silent default there could hand out an identifier twice).
    std::optional<QString> value(const QString& section, const QString& key) const;
    QString read(const QString& section, const QString& key) const;  // missing -> ""

    // Replaces the key's value, or adds the key at the end of its section, or the section at the
    // end of the file, creating the file when missing. The file is replaced in one step, so a
    // failure leaves it as it was. Throws StoreError when the folder or file cannot be written or
    // when the key or value could not be read back as given (a line break, '=' in the key).
    void write(const QString& section, const QString& key, const QString& value);

private:
    QString path_;
};

}  // namespace velmar
