// The suggestion sender's settings.
#include "online/suggestion_settings.h"

#include "store/counties.h"
#include "store/settings.h"

namespace velmar {
namespace {

QString unitLocality(const Settings& settings)
{
    const QString section = QStringLiteral("CONST");
    return settings.ReadSetting(section, QStringLiteral("COMUNA")) + QStringLiteral(" / ") +
        countyName(settings.ReadNumberSetting(section, QStringLiteral("JUDET")) / 10000);
}

}  // namespace

QString SuggestionEndpoint(const Settings& settings)
{
    const QString host = settings.ReadMachineSetting(QStringLiteral("SUGESTII")).trimmed();
    return host.isEmpty() ? kNoSuggestionEndpoint : host;
}

SuggestionFields RememberedSuggestionFields(const Settings& settings)
{
    SuggestionFields fields;
    fields.telefonFax = settings.ReadMachineSetting(QStringLiteral("Telefon_fax"));
    fields.mail = settings.ReadMachineSetting(QStringLiteral("Mail"));
    fields.nume = settings.ReadMachineSetting(QStringLiteral("SugestieNume"));
    fields.comuna = settings.ReadMachineSetting(QStringLiteral("SugestieComuna"));
    if (fields.comuna.trimmed().isEmpty())
        fields.comuna = unitLocality(settings);
    return fields;
}

void RememberSuggestionFields(Settings& settings, const SuggestionFields& fields)
{
    settings.WriteMachineSetting(QStringLiteral("SugestieNume"), fields.nume);
    settings.WriteMachineSetting(QStringLiteral("telefon_fax"), fields.telefonFax);
    settings.WriteMachineSetting(QStringLiteral("mail"), fields.mail);
    settings.WriteMachineSetting(QStringLiteral("SugestieComuna"), fields.comuna);
}

}  // namespace velmar
