// What the suggestion sender keeps in this computer's settings (section "56" of GMT.dII): the contact
// fields last sent and the endpoint's host.
#pragma once

#include "online/suggestion_checks.h"

#include <QString>

namespace velmar {

class Settings;

// The endpoint when the setting SUGESTII names none: a reserved name that never resolves, so the
// request fails as without a network.
inline const QString kNoSuggestionEndpoint = QStringLiteral("sugestii.invalid");

// SUGESTII: the host (and port) the suggestions go to.
QString SuggestionEndpoint(const Settings& settings);

// The remembered name, telephone, e-mail and locality; a locality left blank becomes
// "<unit name> / <county>" from the administration settings. The suggestion text stays empty.
SuggestionFields RememberedSuggestionFields(const Settings& settings);
// Keeps the four contact fields for the next suggestion.
void RememberSuggestionFields(Settings& settings, const SuggestionFields& fields);

}  // namespace velmar
