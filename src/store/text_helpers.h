// Text rules applied to what the user types before it goes into a statement or a row filter.
#pragma once

#include <QString>

namespace velmar {

// Trims blanks at both ends, collapses runs of spaces to one, then drops every double quote.
// The steps run in that order, so a quote between two spaces leaves two spaces behind.
QString CleanText(const QString& text);

// Every control character (line breaks, tabs, C0 and C1 codes) replaced by a blank: a text bound for a
// settings file, where a line break would start a key or a section of its own. Clean it afterwards.
QString WithoutControlCharacters(const QString& text);

// Joins bracketed conditions written one after the other, "(A='1')(B='2')", with " AND ".
QString JoinFilter(const QString& conditions);

}  // namespace velmar
