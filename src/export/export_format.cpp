// The export formats.
#include "export/export_format.h"

#include "export/export_texts.h"

#include <algorithm>

namespace velmar {

const std::vector<ExportFormatInfo>& exportFormats()
{
    namespace t = export_texts;
    static const std::vector<ExportFormatInfo> formats{
        {ExportFormat::Html, t::kHtmlLabel, QStringLiteral("html")},
        {ExportFormat::Excel, t::kExcelLabel, QStringLiteral("xls")},
        {ExportFormat::Word, t::kWordLabel, QStringLiteral("doc")},
        {ExportFormat::Text, t::kTextLabel, QStringLiteral("txt")},
        {ExportFormat::Csv, t::kCsvLabel, QStringLiteral("csv")},
        {ExportFormat::Tsv, t::kTsvLabel, QStringLiteral("tsv")},
        {ExportFormat::Rtf, t::kRtfLabel, QStringLiteral("rtf")},
        {ExportFormat::Dif, t::kDifLabel, QStringLiteral("dif")},
        {ExportFormat::Sylk, t::kSylkLabel, QStringLiteral("slk")},
        {ExportFormat::Clipboard, t::kClipboardLabel, {}},
    };
    return formats;
}

const ExportFormatInfo& exportFormatInfo(ExportFormat format)
{
    return *std::find_if(exportFormats().begin(), exportFormats().end(),
                         [format](const ExportFormatInfo& info) { return info.format == format; });
}

std::optional<ExportFormat> exportFormatOfExtension(const QString& extension)
{
    for (const ExportFormatInfo& info : exportFormats())
        if (!info.extension.isEmpty() && info.extension.compare(extension, Qt::CaseInsensitive) == 0)
            return info.format;
    return std::nullopt;
}

}  // namespace velmar
