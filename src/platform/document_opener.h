// Showing a file in the program the desktop associates with its type, behind an interface so that tests
// record what would be shown; and whether such a program still holds a file open.
#pragma once

#include <QString>

namespace velmar {

class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    // Asks the desktop to open `path` and does not wait; false when that could not be asked.
    virtual bool open(const QString& path) = 0;
};

class SystemDocumentOpener final : public DocumentOpener {
public:
    bool open(const QString& path) override;
};

// True while a spreadsheet program has the file open. Windows refuses to delete such a file; here the
// program leaves a lock file beside it, which is what tells.
bool isOpenInAnotherProgram(const QString& path);

// Whether a numbered output file (a report, a receipt) may be written at `path`: true when no file has that
// name, or when its file is not held open by another program and has just been deleted.
bool clearForNewFile(const QString& path);

}  // namespace velmar
