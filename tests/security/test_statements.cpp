// No statement of the program is built from what a user typed: every value reaches the engine as a bound
// parameter. The statements' texts in src/ may only be completed (.arg) with table and column names and
// fixed fragments the code itself makes; a new kind of completion has to be looked at and named here.
#include "support/python_check.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(Statements, EveryValueIsBoundNeverWrittenIntoTheText)
{
    static const QString script = QStringLiteral(R"(
import os, re, sys
allowed = {
    'table', 'key', 'columns', 'idColumn', 'name', 'placeholders', 'tail', 'columnList()', 'rateColumns()',
    'QLatin1String(table)', 'work.sqlName()', 'table.sqlName()', 'quoted(sqlName)', 'sqlName',
    'names.join(u", ")', 'columns.join(QStringLiteral(", "))', 'assignments.join(QStringLiteral(", "))',
    'permanentTable(table).columnList()', 'permanentTable(u"Rate").columnList()', 'contractTable().columnList()',
    'contract ? QStringLiteral("WHERE IDCON = ?") : QString()',
    'dueOnly ? QStringLiteral("AND DATARATA <= ?") : QString()',
    'oneType ? QStringLiteral("AND H.DOCJUS = ?") : QString()',
    'edited ? QStringLiteral(" AND IDCON <> ?") : QString()',
}
statement = re.compile(r'QStringLiteral\(\s*"(?:SELECT|INSERT|UPDATE|DELETE|CREATE|ALTER)\b(?:[^"\\]|\\.)*"'
                       r'(?:\s*"(?:[^"\\]|\\.)*")*\s*\)')
def arguments(text, start):
    depth, args, current = 0, [], ''
    for i in range(start, len(text)):
        c = text[i]
        if c == '(':
            depth += 1
            if depth == 1:
                continue
        elif c == ')':
            depth -= 1
            if depth == 0:
                args.append(current)
                return [' '.join(a.split()) for a in args]
        elif c == ',' and depth == 1:
            args.append(current); current = ''; continue
        if depth >= 1:
            current += c
    return []
problems = []
for root, _, files in os.walk(sys.argv[1]):
    for f in files:
        if not f.endswith('.cpp'):
            continue
        path = os.path.join(root, f)
        text = open(path, encoding='utf-8').read()
        for m in statement.finditer(text):
            literal = m.group(0)
            if "'" in literal:
                problems.append('%s: a quoted value in %s' % (path, literal[:60]))
            rest = text[m.end():]
            after = rest.lstrip()
            if after.startswith('+'):
                problems.append('%s: text joined to %s' % (path, literal[:60]))
            if after.startswith('.arg('):
                for a in arguments(rest, rest.index('.arg(') + 4):
                    if a not in allowed:
                        problems.append('%s: %s completed with %s' % (path, literal[:60], a))
print('\n'.join(problems))
)");
    const test::PythonRun run = test::runPython(script, {QStringLiteral(VELMAR_SOURCE_DIR "/src")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.trimmed().isEmpty()) << run.out.toStdString();
}

}  // namespace
}  // namespace velmar
