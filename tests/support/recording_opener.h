// A document opener for tests: it remembers what it was asked to open and opens nothing.
#pragma once

#include "platform/document_opener.h"

#include <QStringList>

namespace velmar::test {

class RecordingOpener final : public DocumentOpener {
public:
    bool open(const QString& path) override
    {
        opened << path;
        return true;
    }
    QStringList opened;
};

}  // namespace velmar::test
