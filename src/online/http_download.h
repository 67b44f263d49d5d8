// One HTTP GET whose answer body is stored in a file, with the event loop running meanwhile.
#pragma once

#include <QString>
#include <QUrl>
#include <chrono>

namespace velmar {

enum class DownloadCode {
    Stored = 0,            // the body is in the file
    FileNotCreatable = 1,  // the server answered, but the file could not be made
    NotReachable = 2,      // no connection, no answer, or none within the time allowed
};

// How long a request may take before it is given up: a dead network must not keep the user waiting.
inline constexpr std::chrono::milliseconds kDownloadTimeout{30000};

// GET `url` with the user agent "Sugestii", through the system's proxy settings, always from the network
// (never a cached answer), and write the body to `path` as it arrives. An answer with an HTTP error status
// still counts as an answer: its body is stored.
DownloadCode DownloadToFile(const QUrl& url, const QString& path, std::chrono::milliseconds timeout = kDownloadTimeout);

}  // namespace velmar
