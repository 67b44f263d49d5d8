#include "folder_state.h"

#include "support/python_check.h"

#include <gtest/gtest.h>

namespace velmar::test {

QMap<QString, QString> tableStates(const QStringList& dataFolders, const QStringList& ignored)
{
    static const QString script = QStringLiteral(R"(
import hashlib, os, sys
from dbfread import DBF
ignored = set(sys.argv[1].split(',')) if sys.argv[1] else set()
for folder in sys.argv[2:]:
    try:
        digest = hashlib.sha256()
        for name in sorted(os.listdir(folder), key=str.lower):
            if not name.lower().endswith('.dbf'):
                continue
            table = DBF(os.path.join(folder, name), encoding='cp1250', char_decode_errors='strict')
            rows = sorted(repr([(k, v) for k, v in r.items()
                                if k not in ignored and not (name.lower() == 'log.dbf' and k == 'ORA')])
                          for r in table)
            digest.update(('%s %d\n' % (name.lower(), len(rows))).encode())
            for row in rows:
                digest.update(row.encode() + b'\n')
        print(folder + '\t' + digest.hexdigest())
    except Exception as e:
        print(folder + '\tunreadable: ' + repr(e).replace('\n', ' '))
)");
    const PythonRun run = runPython(script, QStringList{ignored.join(u',')} + dataFolders);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QMap<QString, QString> states;
    for (const QString& line : run.out.split(u'\n', Qt::SkipEmptyParts))
        states.insert(line.section(u'\t', 0, 0), line.section(u'\t', 1));
    return states;
}

}  // namespace velmar::test
