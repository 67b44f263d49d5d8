// The commands of velmar-cli. Each takes its own arguments, prints its result on the standard output and
// returns the exit code; a refusal or an engine error is thrown as StoreError and printed by main.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace velmar::cli {

int sqlCommand(const QStringList& args, QTextStream& out);
int initCommand(const QStringList& args, QTextStream& out);
int logCommand(const QStringList& args, QTextStream& out);
int penaltyCommand(const QStringList& args, QTextStream& out);
int monthsCommand(const QStringList& args, QTextStream& out);
int factorCommand(const QStringList& args, QTextStream& out);
int reindexCommand(const QStringList& args, QTextStream& out);
int ratesCommand(const QStringList& args, QTextStream& out);
int contractCommand(const QStringList& args, QTextStream& out);
int detailsCommand(const QStringList& args, QTextStream& out);
int payCommand(const QStringList& args, QTextStream& out);
int undoCommand(const QStringList& args, QTextStream& out);
int paymentsCommand(const QStringList& args, QTextStream& out);
int templateCommand(const QStringList& args, QTextStream& out);
int receiptCommand(const QStringList& args, QTextStream& out);
int slipCommand(const QStringList& args, QTextStream& out);
int debtsCommand(const QStringList& args, QTextStream& out);
int sheetCommand(const QStringList& args, QTextStream& out);
int checkCommand(const QStringList& args, QTextStream& out);
int suggestCommand(const QStringList& args, QTextStream& out);
int adminCommand(const QStringList& args, QTextStream& out);

}  // namespace velmar::cli
