// A suggestion sent to an endpoint on 127.0.0.1, from the built query to the answer read and its file
// deleted, against the bare exchange of the same request bytes over a socket: what Qt Network, the answer
// file and the cleaning add to the round trip.
#include "bench/benchmarks.h"

#include "online/suggestion_query.h"
#include "online/suggestion_submit.h"
#include "tests/online/loopback_http_server.h"

#include <QTcpSocket>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace velmar::bench {
namespace {

SuggestionFields suggestion()
{
    return {QStringLiteral("Ion Popescu"), QStringLiteral("0722222777"), QStringLiteral("ion@primaria.ro"),
            QStringLiteral("VELMAR / ALBA"),
            QStringLiteral("Ar fi bine ca lista de contracte sa arate si adresa titularului.\n"
                           "Multumim pentru program, merge bine {in retea} & local.")};
}

// The request as it goes on the wire, written and answered without a network library.
qint64 bareExchange(quint16 port, const QByteArray& request)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.waitForConnected();
    socket.write(request);
    qint64 received = 0;
    while (socket.waitForReadyRead(5000))
        received += socket.readAll().size();
    return received;
}

}  // namespace

void registerSuggestionBenchmarks(BenchRegister&)
{
    // Left to the end of the process: its thread must outlive every benchmark, and the program ends anyway.
    static test::LoopbackHttpServer& server = *new test::LoopbackHttpServer("<html><body>SUCCES</body></html>");
    benchmark::RegisterBenchmark("Suggestion/Submit",
                                 [](benchmark::State& state) {
                                     QTemporaryDir program;
                                     for (auto _ : state) {
                                         const QUrl url = SuggestionUrl(server.host(), SuggestionQuery(suggestion()));
                                         if (!SubmitSuggestion(url, program.path())) {
                                             state.SkipWithError("the loopback endpoint did not accept it");
                                             break;
                                         }
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(
        "Suggestion/BareExchange",
        [](benchmark::State& state) {
            const QUrl url = SuggestionUrl(server.host(), SuggestionQuery(suggestion()));
            const QByteArray request = "GET " + url.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority) +
                " HTTP/1.1\r\nHost: " + server.host().toLatin1() +
                "\r\nUser-Agent: Sugestii\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n";
            for (auto _ : state)
                benchmark::DoNotOptimize(bareExchange(url.port(), request));
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace velmar::bench
