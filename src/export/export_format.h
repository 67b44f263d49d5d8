// The formats a grid is exported to, as the export dialog lists them and the command-line tool names them.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace velmar {

enum class ExportFormat { Html, Excel, Word, Text, Csv, Tsv, Rtf, Dif, Sylk, Clipboard };

struct ExportFormatInfo {
    ExportFormat format;
    QString label;      // in the dialog's list
    QString extension;  // of the file written; empty for the clipboard
};

// In the dialog's order.
const std::vector<ExportFormatInfo>& exportFormats();
const ExportFormatInfo& exportFormatInfo(ExportFormat format);

// A file format by its extension ("xls", "html", "doc", "txt", "csv", "tsv", "rtf", "dif", "slk"), any case.
std::optional<ExportFormat> exportFormatOfExtension(const QString& extension);

}  // namespace velmar
