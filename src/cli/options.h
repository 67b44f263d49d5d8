// Command-line arguments of velmar-cli commands: positional words and --name value options.
#pragma once

#include <QDate>
#include <QMap>
#include <QSet>
#include <QStringList>

namespace velmar::cli {

struct Options {
    QStringList positional;
    QMap<QString, QStringList> values;  // by option name without the dashes; every value of a repeated option
    QSet<QString> flags;

    // The last value given.
    QString value(const QString& name, const QString& fallback = {}) const
    {
        return values.contains(name) ? values[name].last() : fallback;
    }
    QStringList all(const QString& name) const { return values.value(name); }
    bool has(const QString& name) const { return values.contains(name) || flags.contains(name); }
};

// Options named in `valued` take the next argument; those in `flags` stand alone. Anything else that
// starts with "--" is refused (StoreError).
Options parseOptions(const QStringList& args, const QStringList& valued, const QStringList& flags = {});
// A dd.MM.yyyy date, or StoreError with the program's message.
QDate dateArgument(const QString& text);
// A whole number (an identifier), or StoreError naming what was expected.
qint64 idArgument(const QString& text, const QString& what);
// Exactly `count` positional arguments, else StoreError with the usage text.
void requirePositional(const Options& options, int count, const QString& usage);
// Mesaj texts break lines with "\r", which a terminal would not show.
QString terminalText(QString text);

}  // namespace velmar::cli
