// The suggestion as the query of the endpoint's GET request, and the request's address.
#pragma once

#include "online/suggestion_checks.h"

#include <QString>
#include <QUrl>

namespace velmar {

// A value as a query value: cleaned, each character one Windows-1250 byte, every byte other than an ASCII
// letter, a digit, "-", ".", "_", "~" and the space written as %XX, spaces as "+". So "&", "=", "%", "#"
// or "?" typed in a field reach the endpoint as typed instead of cutting the query.
QString QueryValue(const QString& value);

// nume, comuna, telefon_fax, mail and produs in this order; the name behind "DORVAN : ", the suggestion's
// cleaned lines separated by %0D%0A.
QString SuggestionQuery(const SuggestionFields& fields);

// http://<host>/sugestii.php?<query>; `host` may carry a port ("host:8080").
QUrl SuggestionUrl(const QString& host, const QString& query);

}  // namespace velmar
