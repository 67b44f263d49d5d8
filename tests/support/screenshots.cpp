// Writing window pictures for review.
#include "support/screenshots.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace velmar::test {

void saveScreenshot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("VELMAR_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace velmar::test
