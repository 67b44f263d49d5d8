// velmar-cli suggest against a server on 127.0.0.1: the refusals, the request it prints and sends, the
// failure message, and the contact fields remembered after a success only.
#include "loopback_http_server.h"

#include "store/ini_file.h"
#include "support/cli_runner.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

class CliSuggest : public testing::Test {
protected:
    test::TempFolder home;
    test::CliRunner cli{home.path()};

    IniFile machine() { return IniFile(home.file("system/GMT.dII")); }
    void sendTo(const test::LoopbackHttpServer& server)
    {
        QDir().mkpath(home.file("system"));
        machine().write("56", "SUGESTII", server.host());
    }
    test::CliRun suggest(const QStringList& more) { return cli.run(QStringList{"suggest"} + more); }
};

const QStringList kContact{"--nume", "Ion  Popescu",    "--telefon", "0722222777",
                           "--mail", "ion@primaria.ro", "--comuna",  "velmar / alba"};

TEST_F(CliSuggest, ARefusalPrintsTheBalloonTextAndSendsNothing)
{
    test::LoopbackHttpServer server;
    sendTo(server);
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"--nume", "Io", "--telefon", "0722222777", "--mail", "ion@primaria.ro", "--text", "Merge bine."},
         "Nume incorect!"},
        {{"--nume", "Ion", "--telefon", "0822222777", "--mail", "ion@primaria.ro", "--text", "Merge bine."},
         "Telefon incorect!"},
        {{"--nume", "Ion", "--telefon", "0722222777", "--mail", "io@primaria.ro", "--text", "Merge bine."},
         "Email incorect!"},
        {{"--nume", "Ion", "--telefon", "0722222777", "--mail", "ion@primaria.ro", "--text", "abcde\nfghi"},
         "Sugestia dvs e prea scurta!"},
        {{"--nume", "Ion", "--telefon", "07222227771", "--mail", "ion@primaria.ro", "--text", "Merge bine."},
         "Text prea lung pentru --telefon: cel mult 10 caractere"},
    };
    for (const auto& c : cases) {
        const test::CliRun run = suggest(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_EQ(run.err, QString::fromLatin1(c.message) + "\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(CliSuggest, ASuccessPrintsTheRequestAndRemembersTheContact)
{
    test::LoopbackHttpServer server("<p>SUCCES</p>");
    sendTo(server);
    const test::CliRun run = suggest(kContact + QStringList{"--text", "Pret {nou}\nlinia doi"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString query = "/sugestii.php?nume=DORVAN+%3A+Ion+Popescu&comuna=VELMAR+%2F+ALBA&telefon_fax=0722222777"
                          "&mail=ion%40primaria.ro&produs=Pret+%7Bnou%7D%0D%0Alinia+doi";
    EXPECT_EQ(run.out, "http://" + server.host() + query + "\nSUCCES\n");
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(test::requestTarget(server.requests().front()), query.toLatin1());
    EXPECT_EQ(machine().read("56", "SugestieNume"), "Ion Popescu");
    EXPECT_EQ(machine().read("56", "telefon_fax"), "0722222777");
    EXPECT_EQ(machine().read("56", "mail"), "ion@primaria.ro");
    EXPECT_EQ(machine().read("56", "SugestieComuna"), "VELMAR / ALBA");

    // The next suggestion takes the remembered contact.
    const test::CliRun again = suggest({"--text", "A doua sugestie"});
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_TRUE(test::requestTarget(server.requests().back())
                    .startsWith("/sugestii.php?nume=DORVAN+%3A+Ion+Popescu&comuna=VELMAR+%2F+ALBA&"));
}

TEST_F(CliSuggest, AFailedSendPrintsTheMessageAndRemembersNothing)
{
    test::LoopbackHttpServer server("EROARE");
    sendTo(server);
    const test::CliRun run = suggest(kContact + QStringList{"--text", "Merge bine."});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.startsWith("http://" + server.host() + "/sugestii.php?nume=")) << run.out.toStdString();
    EXPECT_EQ(run.err,
              "Mesajul nu poate fi transmis!\nVerificati daca aveti internet sau daca nu ati restrictionat accesul "
              "la internet al programului!\n");
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_EQ(machine().read("56", "SugestieNume"), "");
}

TEST_F(CliSuggest, WithoutAnEndpointTheRequestGoesNowhere)
{
    const test::CliRun run = suggest(kContact + QStringList{"--text", "Merge bine."});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.startsWith("http://sugestii.invalid/sugestii.php?nume=")) << run.out.toStdString();
    EXPECT_TRUE(run.err.startsWith("Mesajul nu poate fi transmis!"));
}

}  // namespace
}  // namespace velmar
