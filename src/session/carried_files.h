// The files the program carries for the data folder, written there when missing: the receipt template and
// the workbook templates of the reports, which users may edit and the administration may delete to get the
// built-in ones back.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

// Writes each carried file that the data folder lacks (an old folder's "DATORII.XLS" counts as present),
// in a fixed order, each one whole or not at all; returns the names written. Throws StoreError when a
// file cannot be written.
QStringList WriteCarriedFiles(const QString& dataFolder);

}  // namespace velmar
