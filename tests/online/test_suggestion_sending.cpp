// The whole request against a server on 127.0.0.1: what arrives (path, query bytes, user agent, no cache),
// how the answer decides, the answer file, a server that never answers and one that is not there; and the
// settings the sender keeps.
#include "loopback_http_server.h"

#include "app/progress_counter.h"
#include "online/http_download.h"
#include "online/suggestion_query.h"
#include "online/suggestion_settings.h"
#include "online/suggestion_submit.h"
#include "store/ini_file.h"
#include "store/settings.h"
#include "support/python_check.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using namespace std::chrono_literals;

SuggestionFields suggestion()
{
    return {QStringLiteral("Ion  Popescu"), QStringLiteral("0722222777"), QStringLiteral("ion@primaria.ro"),
            QStringLiteral("VELMAR / ALBA"), QStringLiteral("Pret {nou} & alt #1\nșir")};
}

QUrl urlOn(const test::LoopbackHttpServer& server)
{
    return SuggestionUrl(server.host(), SuggestionQuery(suggestion()));
}

// A port on which nobody listens: taken, then given back.
quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

TEST(SuggestionRequest, ArrivesAsOneGetWithTheQueryBytesTheAgentAndNoCache)
{
    test::LoopbackHttpServer server;
    test::TempFolder program;
    ASSERT_TRUE(SubmitSuggestion(urlOn(server), program.path()));

    const QList<QByteArray> requests = server.requests();
    ASSERT_EQ(requests.size(), 1);
    const QByteArray& head = requests.front();
    EXPECT_TRUE(head.startsWith("GET ")) << head.constData();
    EXPECT_EQ(test::requestTarget(head),
              "/sugestii.php?nume=DORVAN+%3A+Ion+Popescu&comuna=VELMAR+%2F+ALBA&telefon_fax=0722222777"
              "&mail=ion%40primaria.ro&produs=Pret+%7Bnou%7D+%26+alt+%231%0D%0A%BAir");
    EXPECT_EQ(test::headerValue(head, "User-Agent"), "Sugestii");
    EXPECT_EQ(test::headerValue(head, "Cache-Control"), "no-cache");
    EXPECT_EQ(test::headerValue(head, "Host"), server.host().toLatin1());
    EXPECT_FALSE(QFile::exists(program.file("rezultat.txt")));
}

// What an endpoint gets once it decodes the query the usual way (PHP's $_GET, Python's parse_qsl): the
// values as typed, whatever they hold.
TEST(SuggestionRequest, AnEndpointDecodesTheValuesAsTyped)
{
    test::LoopbackHttpServer server;
    test::TempFolder program;
    SuggestionFields typed{QStringLiteral("Ion & Ana = 100% #1?"), QStringLiteral("0722222777"),
                           QStringLiteral("ion.pop@primaria.ro"), QStringLiteral("ȘIRIA / ARAD+1"),
                           QStringLiteral("a+b {c} /d\\ țară\n  doi  ")};
    ASSERT_TRUE(SubmitSuggestion(SuggestionUrl(server.host(), SuggestionQuery(typed)), program.path()));
    const QByteArray target = test::requestTarget(server.requests().front());
    const test::PythonRun decoded =
        test::runPython("import sys, urllib.parse\n"
                        "query = sys.argv[1].split('?', 1)[1]\n"
                        "for key, value in urllib.parse.parse_qsl(query, keep_blank_values=True, encoding='cp1250'):\n"
                        "    sys.stdout.buffer.write((key + '=' + repr(value) + '\\n').encode('utf-8'))\n",
                        {QString::fromLatin1(target)});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err.toStdString();
    EXPECT_EQ(decoded.out.toStdString(),
              "nume='DORVAN : Ion & Ana = 100% #1?'\n"
              "comuna='ŞIRIA / ARAD+1'\n"  // Windows-1250 has the cedilla form
              "telefon_fax='0722222777'\n"
              "mail='ion.pop@primaria.ro'\n"
              "produs='a+b {c} /d\\\\ ţară\\r\\ndoi'\n");
}

TEST(SuggestionRequest, TheAnswerDecides)
{
    const struct {
        QByteArray body;
        bool sent;
    } cases[] = {
        {"SUCCES", true},
        {"<html><body>Mesaj primit: SUCCES.</body></html>\r\n", true},
        {"SUC\r\nCES\r\n", true},  // split over two lines, joined without separator
        {"  SUC  \n  CES", true},
        {"SUC CES", false},
        {"EROARE", false},
        {"succes", false},
        {"", false},
    };
    for (const auto& c : cases) {
        test::LoopbackHttpServer server(c.body);
        test::TempFolder program;
        EXPECT_EQ(SubmitSuggestion(urlOn(server), program.path()), c.sent) << c.body.constData();
        EXPECT_FALSE(QFile::exists(program.file("rezultat.txt")));
    }
}

TEST(SuggestionRequest, StoresTheBodyInTheFile)
{
    test::LoopbackHttpServer server(QByteArray(5000, 'x') + "SUCCES\xe3");
    test::TempFolder program;
    const QString path = program.file("rezultat.txt");
    EXPECT_EQ(DownloadToFile(urlOn(server), path), DownloadCode::Stored);
    EXPECT_EQ(test::readBytes(path), QByteArray(5000, 'x') + "SUCCES\xe3");
}

TEST(SuggestionRequest, AFileThatCannotBeMadeIsCodeOne)
{
    test::LoopbackHttpServer server;
    test::TempFolder program;
    EXPECT_EQ(DownloadToFile(urlOn(server), program.file("missing/rezultat.txt")), DownloadCode::FileNotCreatable);
    EXPECT_FALSE(SubmitSuggestion(urlOn(server), program.file("missing")));
    EXPECT_EQ(server.requests().size(), 2);
}

TEST(SuggestionRequest, NoServerIsCodeTwo)
{
    test::TempFolder program;
    const QString path = program.file("rezultat.txt");
    const QUrl closed = SuggestionUrl(QStringLiteral("127.0.0.1:%1").arg(closedPort()), QStringLiteral("nume=a"));
    EXPECT_EQ(DownloadToFile(closed, path), DownloadCode::NotReachable);
    EXPECT_FALSE(QFile::exists(path));
    const QUrl unresolvable = SuggestionUrl(kNoSuggestionEndpoint, QStringLiteral("nume=a"));
    EXPECT_EQ(DownloadToFile(unresolvable, path), DownloadCode::NotReachable);
    EXPECT_FALSE(SubmitSuggestion(unresolvable, program.path()));
}

TEST(SuggestionRequest, AServerThatNeverAnswersIsGivenUpAfterTheTimeOut)
{
    test::LoopbackHttpServer server("SUCCES", test::LoopbackHttpServer::Mode::Silent);
    test::TempFolder program;
    SilentProgressCounter counter;
    EXPECT_FALSE(SendSuggestion(urlOn(server), program.path(), counter, 300ms));  // without it, never back
    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_FALSE(counter.isShown());
    EXPECT_FALSE(QFile::exists(program.file("rezultat.txt")));
}

TEST(SuggestionRequest, TheCounterShowsWhileSending)
{
    test::LoopbackHttpServer server;
    test::TempFolder program;
    SilentProgressCounter counter;
    EXPECT_TRUE(SendSuggestion(urlOn(server), program.path(), counter));
    EXPECT_EQ(counter.caption(), "Transmit mesajul...");
    EXPECT_EQ(counter.maximum(), 2);
    EXPECT_EQ(counter.position(), 2);
    EXPECT_FALSE(counter.isShown());
}

class SuggestionSettings : public testing::Test {
protected:
    test::TempFolder dir;
    Settings settings{dir.file("Data"), dir.file("sys")};
    void SetUp() override { QDir().mkpath(dir.file("Data")); }
    QString machineText() { return QString::fromLatin1(test::readBytes(settings.machineFile())); }
};

TEST_F(SuggestionSettings, TheLocalityDefaultsToTheUnitAndItsCounty)
{
    EXPECT_EQ(RememberedSuggestionFields(settings).comuna, " / ALBA");
    settings.WriteSetting("CONST", "COMUNA", "VELMAR");
    settings.WriteSetting("CONST", "JUDET", "12");
    const SuggestionFields fields = RememberedSuggestionFields(settings);
    EXPECT_EQ(fields.comuna, "VELMAR / CLUJ");
    EXPECT_EQ(fields.nume, "");
    EXPECT_EQ(fields.produs, "");
    settings.WriteMachineSetting("SugestieComuna", "   ");
    EXPECT_EQ(RememberedSuggestionFields(settings).comuna, "VELMAR / CLUJ");
    settings.WriteMachineSetting("SugestieComuna", "ALTA / IASI");
    EXPECT_EQ(RememberedSuggestionFields(settings).comuna, "ALTA / IASI");
}

TEST_F(SuggestionSettings, RememberedValuesAreReadCaseBlindAndWrittenUnderTheirNames)
{
    QDir().mkpath(dir.file("sys"));
    test::writeBytes(settings.machineFile(),
                     "[56]\r\nSERVER=\r\nSUGESTIENUME=Ion Pop\r\nTELEFON_FAX=0722222777\r\nmAiL=ion@primaria.ro\r\n"
                     "sugestiecomuna=VELMAR / ALBA\r\n");
    SuggestionFields fields = RememberedSuggestionFields(settings);
    EXPECT_EQ(fields.nume, "Ion Pop");
    EXPECT_EQ(fields.telefonFax, "0722222777");
    EXPECT_EQ(fields.mail, "ion@primaria.ro");
    EXPECT_EQ(fields.comuna, "VELMAR / ALBA");

    test::TempFolder other;
    Settings fresh(other.path(), other.file("sys"));
    fields.nume = QStringLiteral("Ana Pop");
    RememberSuggestionFields(fresh, fields);
    EXPECT_EQ(QString::fromLatin1(test::readBytes(fresh.machineFile())),
              "[56]\r\nSugestieNume=Ana Pop\r\ntelefon_fax=0722222777\r\nmail=ion@primaria.ro\r\n"
              "SugestieComuna=VELMAR / ALBA\r\n");
}

TEST_F(SuggestionSettings, TheEndpointIsTheSettingOrANameThatNeverResolves)
{
    EXPECT_EQ(SuggestionEndpoint(settings), "sugestii.invalid");
    settings.WriteMachineSetting("SUGESTII", " sugestii.example.ro:8080 ");
    EXPECT_EQ(SuggestionEndpoint(settings), "sugestii.example.ro:8080");
}

}  // namespace
}  // namespace velmar
