// TRTFReplace fills the bracketed tags of a rich-text template into a new document, line by line, and
// hands the result to the desktop. The receipts use it; so does the administration, to open a template.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace velmar {

class DocumentOpener;

class TRTFReplace {
public:
    explicit TRTFReplace(DocumentOpener& opener);

    // Why the last ChooseDestination or BeginOutput failed, for the message the user gets.
    enum class Problem { None, NoFreeName, TemplateUnusable, OutputNotCreatable };

    QString RTFSursa;  // the template to read
    QString RTFDest;   // the document written

    // The first of base + "0.rtf" .. base + "99.rtf" that is free, or whose old file is not held open by a
    // word processor and could be deleted, becomes RTFDest. False, RTFDest unchanged, when none is.
    bool ChooseDestination(const QString& base);
    // Writes RTFDest anew with the template's header: its lines before the first one holding "\pard", and
    // of that line the text before "\pard". False, and no RTFDest left behind, when the template is missing,
    // empty or has no "\pard", or RTFDest cannot be written. Forgets the registered tags.
    bool BeginOutput();
    // Registers `value` for `tag`; values stay as text until they are placed (see ReplaceTagsInLine).
    void AddTag(const QString& tag, const QString& value);
    // Appends the template's body, tags replaced, up to the line that closes the document's outer group
    // (without that closing brace). Forgets the registered tags.
    void WriteBody();
    // Closes the document with a line holding "}". Forgets the registered tags.
    void Finish();
    // Shows RTFDest in the desktop's program for it, when it names an existing file by a path with a folder.
    void OpenResult();

    // "{" minus "}" characters, escaped ones included: the body's end is found on raw characters.
    static int BraceBalance(const QByteArray& line);
    // Every occurrence of each tag, in registration order, ASCII letter case aside, becomes its value as RTF
    // text: ten dots for an empty value, in capitals where the occurrence is longer than 4 characters and
    // holds no small ASCII letter. The search goes on after the inserted text.
    QByteArray ReplaceTagsInLine(QByteArray line) const;

    Problem problem() const { return problem_; }

private:
    struct Tag {
        QByteArray tag;
        QByteArray folded;  // ASCII capitals made small, for the search
        QString value;
    };

    bool fail(Problem problem);
    void append(const QList<QByteArray>& lines);

    DocumentOpener& opener_;
    std::vector<Tag> tags_;
    Problem problem_ = Problem::None;
};

}  // namespace velmar
