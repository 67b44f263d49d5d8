// Sending a suggestion: the request, the answer read from its file, and the progress counter meanwhile.
#pragma once

#include "online/http_download.h"

#include <QString>
#include <QUrl>

namespace velmar {

class ProgressCounter;

// DownloadToFile into rezultat.txt in `programFolder`, then the answer's lines, each cleaned, joined
// without separator; the file is deleted. True when the answer contains "SUCCES".
bool SubmitSuggestion(const QUrl& url, const QString& programFolder,
                      std::chrono::milliseconds timeout = kDownloadTimeout);

// SubmitSuggestion with the counter "Transmit mesajul..." shown meanwhile.
bool SendSuggestion(const QUrl& url, const QString& programFolder, ProgressCounter& counter,
                    std::chrono::milliseconds timeout = kDownloadTimeout);

}  // namespace velmar
