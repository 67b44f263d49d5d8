// Numbered names for temporary files and work tables in the TEMP folder, each held by the process that took
// it for as long as it uses the file.
#pragma once

#include <QString>
#include <memory>

namespace velmar {

class FileLock;

// A name taken in TEMP. While the object lives its companion "<name>.lck" is locked, so no other process
// (a second copy of the program, the command-line tool beside it) deletes the file to reuse the name.
class TempFile {
public:
    TempFile();
    TempFile(QString path, std::unique_ptr<FileLock> hold);
    TempFile(TempFile&&) noexcept;
    TempFile& operator=(TempFile&&) noexcept;
    ~TempFile();

    bool isNull() const { return path_.isEmpty(); }
    const QString& path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<FileLock> hold_;
};

// The first name prefix + n + extension (n = 0..999) in tempFolder() that no other process holds and that
// no file has, or whose old file could be deleted. Null when there is none. Creates tempFolder() when missing.
TempFile TempFileName(const QString& prefix, const QString& extension);

}  // namespace velmar
