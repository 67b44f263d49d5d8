// What a suggestion is made of and the checks it passes before it is sent.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace velmar {

// The suggestion dialog's five fields as typed; `produs` keeps its line breaks.
struct SuggestionFields {
    QString nume;
    QString telefonFax;
    QString mail;
    QString comuna;
    QString produs;
};

// What each single-line field lets the user type; the command-line tool refuses what the box would not take.
struct SuggestionBox {
    int maxLength;
    bool upperCase;  // typed letters become capitals as they are typed
};
inline constexpr SuggestionBox kSuggestionNumeBox{60, false};
inline constexpr SuggestionBox kSuggestionTelefonFaxBox{10, true};
inline constexpr SuggestionBox kSuggestionMailBox{60, false};
inline constexpr SuggestionBox kSuggestionComunaBox{60, true};

// The digits of `text` must be exactly ten and begin with 07, 03, 02 or 01; anything else in it is ignored.
bool ValidatePhone(const QString& text);
// At least three characters before the first "@" and five after it, both parts of ASCII letters, digits,
// "-", "." and "_" only, and two or three characters after the first "." of the part after the "@".
bool ValidateEmail(const QString& text);
// Every occurrence of `what` replaced by `with`, left to right; an empty `what` changes nothing.
QString ReplaceAll(QString text, const QString& what, const QString& with);

// The suggestion's lines, each cleaned. A break at the very end starts no line, and an empty text has none.
QStringList SuggestionLines(const QString& produs);

// A refused field: the balloon's text and the object name of the field it points at.
struct SuggestionProblem {
    QString text;
    QString control;
};

// The checks in their order, stopping at the first refusal. The name and the telephone are cleaned in
// `fields` on the way, as the dialog shows them cleaned afterwards.
std::optional<SuggestionProblem> CheckSuggestion(SuggestionFields& fields);

}  // namespace velmar
