// velmar-cli suggest: a suggestion sent to the maker as the suggestion dialog sends it.
#include "cli/commands.h"

#include "app/app_context.h"
#include "app/progress_counter.h"
#include "cli/options.h"
#include "contracts/contract_texts.h"
#include "online/online_texts.h"
#include "online/suggestion_query.h"
#include "online/suggestion_settings.h"
#include "online/suggestion_submit.h"
#include "store/store_error.h"

namespace velmar::cli {
namespace {

const QString kUsage = QStringLiteral("velmar-cli suggest [--nume T] [--telefon T] [--mail T] [--comuna T] --text T\n"
                                      "          (campurile lipsa iau valorile retinute la ultima sugestie trimisa)");

// An option as its box would have taken it: no longer than the box, capitals where the box makes them.
void typedInto(const Options& o, const char* name, SuggestionBox box, QString& field)
{
    if (!o.has(name))
        return;
    const QString typed = o.value(name);
    if (typed.size() > box.maxLength)
        throw StoreError(contract_texts::textTooLong(QStringLiteral("--") + name, box.maxLength));
    field = box.upperCase ? typed.toUpper() : typed;
}

}  // namespace

int suggestCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {"nume", "telefon", "mail", "comuna", "text"});
    requirePositional(o, 0, kUsage);
    if (!o.has("text"))
        throw StoreError(QStringLiteral("Folosire: %1").arg(kUsage));
    const auto app = AppContext::openLocal();
    SuggestionFields fields = RememberedSuggestionFields(app->settings());
    typedInto(o, "nume", kSuggestionNumeBox, fields.nume);
    typedInto(o, "telefon", kSuggestionTelefonFaxBox, fields.telefonFax);
    typedInto(o, "mail", kSuggestionMailBox, fields.mail);
    typedInto(o, "comuna", kSuggestionComunaBox, fields.comuna);
    fields.produs = o.value("text");
    if (const auto problem = CheckSuggestion(fields))
        throw StoreError(problem->text);

    const QUrl url = SuggestionUrl(SuggestionEndpoint(app->settings()), SuggestionQuery(fields));
    out << QString::fromLatin1(url.toEncoded()) << Qt::endl;
    SilentProgressCounter counter;
    if (!SendSuggestion(url, app->programFolder(), counter))
        throw StoreError(terminalText(online_texts::kNotSent));
    RememberSuggestionFields(app->settings(), fields);
    out << "SUCCES\n";
    return 0;
}

}  // namespace velmar::cli
