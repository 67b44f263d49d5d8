// An RTF template holding any bytes filled with tags the way a receipt is, and its lines searched for tags
// on their own.
#include "payments/rtf_replace.h"
#include "platform/document_opener.h"
#include "scratch_file.h"

namespace {

class NoOpener final : public velmar::DocumentOpener {
public:
    bool open(const QString&) override { return true; }
};

void addTags(velmar::TRTFReplace& filler)
{
    filler.AddTag(QStringLiteral("[NUME]"), QStringLiteral("Ștefan {Ioniță} \\ 𝔸"));
    filler.AddTag(QStringLiteral("[suma]"), QString());
    filler.AddTag(QStringLiteral("["), QStringLiteral("[["));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    NoOpener opener;
    TRTFReplace filler(opener);
    filler.RTFSursa = fuzz::writeScratch(QStringLiteral("sablon.rtf"), bytes);
    filler.RTFDest = fuzz::scratchPath(QStringLiteral("chitanta0.rtf"));
    if (filler.BeginOutput()) {
        addTags(filler);
        filler.WriteBody();
        filler.Finish();
    }
    addTags(filler);
    (void)filler.ReplaceTagsInLine(bytes);
    (void)TRTFReplace::BraceBalance(bytes);
    return 0;
}
