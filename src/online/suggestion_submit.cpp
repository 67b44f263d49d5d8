// Sending a suggestion and reading the endpoint's answer.
#include "online/suggestion_submit.h"

#include "app/progress_counter.h"
#include "online/online_texts.h"
#include "store/codepage.h"
#include "store/text_helpers.h"

#include <QDir>
#include <QFile>

namespace velmar {
namespace {

const QString kAnswerFile = QStringLiteral("rezultat.txt");
const QString kAccepted = QStringLiteral("SUCCES");

// The answer's lines cleaned and run together, so that a word broken over two lines is still found.
QString answerText(QFile& file)
{
    QString text;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        text += CleanText(decodeText(CodePage::Windows1250, std::string_view(line.constData(), line.size())));
    }
    return text;
}

}  // namespace

bool SubmitSuggestion(const QUrl& url, const QString& programFolder, std::chrono::milliseconds timeout)
{
    const QString path = QDir(programFolder).filePath(kAnswerFile);
    if (DownloadToFile(url, path, timeout) != DownloadCode::Stored)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString answer = answerText(file);
    file.close();
    file.remove();
    return answer.contains(kAccepted);
}

bool SendSuggestion(const QUrl& url, const QString& programFolder, ProgressCounter& counter,
                    std::chrono::milliseconds timeout)
{
    ProgressScope progress(counter, online_texts::kSendingCaption);
    progress.setMaximum(2);
    const bool sent = SubmitSuggestion(url, programFolder, timeout);
    counter.setPosition(2);
    return sent;
}

}  // namespace velmar
