// velmar-cli sql: selections as CSV, changes as a row count, refusals on stderr with exit code 1.
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(CliSql, SelectsAsCsvChangesAsCountsAndRefusesWithTheMessage)
{
    test::TempFolder home;
    QDir(home.path()).mkpath(QStringLiteral("Data"));
    const test::CliRunner cli(home.path());
    auto sql = [&cli](QStringList args) { return cli.run(QStringList{QStringLiteral("sql")} + args); };

    EXPECT_EQ(sql({QStringLiteral("CREATE TABLE Contract (IDCON DECIMAL(10,0), NUME CHAR(50), SUPRAFT DECIMAL(10,4), "
                                  "RATA DECIMAL(10,0))")})
                  .out,
              QStringLiteral("0\n"));
    const auto inserted =
        sql({QStringLiteral("INSERT INTO Contract (IDCON, NUME, SUPRAFT, RATA) VALUES (?, ?, ?, ?)"),
             QStringLiteral("1"), QStringLiteral("Ţepeş, \"Vlad\""), QStringLiteral("1.25"), QStringLiteral("1000")});
    EXPECT_EQ(inserted.exitCode, 0) << inserted.err.toStdString();
    EXPECT_EQ(inserted.out, QStringLiteral("1\n"));
    sql({QStringLiteral("INSERT INTO Contract (IDCON, NUME, SUPRAFT, RATA) VALUES (2, '007', 3, 20)")});

    // "007" stays a text: parameters that look like numbers only matter for numeric columns.
    const auto selected = sql({QStringLiteral("SELECT IDCON, NUME, SUPRAFT, RATA * 1.5 AS X, RATA / 3.0 AS Y FROM "
                                              "Contract WHERE NUME <> ? ORDER BY IDCON"),
                               QStringLiteral("x")});
    EXPECT_EQ(selected.out,
              QStringLiteral("IDCON,NUME,SUPRAFT,X,Y\n"
                             "1,\"Ţepeş, \"\"Vlad\"\"\",1.25,1500,333.3333333333333\n"
                             "2,007,3,30,6.666666666666667\n"));
    EXPECT_EQ(sql({QStringLiteral("UPDATE Contract SET RATA = RATA + ? WHERE IDCON = ?"), QStringLiteral("5"),
                   QStringLiteral("2")})
                  .out,
              QStringLiteral("1\n"));

    struct Refusal {
        QStringList args;
        const char* mentions;
    };
    const std::vector<Refusal> refusals{
        {{QStringLiteral("SELECT * FROM Rate")}, "Rate"},
        {{QStringLiteral("UPDATE Contract SET RATA = ?"), QStringLiteral("12345678901")}, "RATA"},
        {{QStringLiteral("SELEC nimic")}, "SELEC"},
        {{}, "velmar-cli sql"},
    };
    for (const Refusal& r : refusals) {
        const auto run = sql(r.args);
        EXPECT_EQ(run.exitCode, 1) << r.mentions;
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(r.mentions))) << run.err.toStdString();
    }
    EXPECT_EQ(sql({QStringLiteral("SELECT SUM(RATA) AS S FROM Contract")}).out, QStringLiteral("S\n1025\n"));
}

}  // namespace
}  // namespace velmar
