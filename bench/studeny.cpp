// Cold start as the user meets it: a fresh process, from its start to the
// first paint of the main window, offscreen. The floor is the same for an
// empty Qt window of the same size, measured in the same run, alternating with
// the program's runs so that both see the same machine.
#include "Bench.h"

#include "app/program.h"

#include <QApplication>
#include <QProcess>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

const char* const rezimProgram = "--studeny-start";
const char* const rezimPrazdne = "--prazdne-okno";

[[noreturn]] void ohlasANkonec()
{
    std::printf("%ld\n", bench::spickaPametiKb());
    std::fflush(stdout);
    std::_Exit(0);
}

struct TBeh {
    double ms;
    double mb;
};

std::optional<TBeh> beh(const char* rezim)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.setStandardErrorFile(QProcess::nullDevice());
    const auto t0 = std::chrono::steady_clock::now();
    p.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(rezim)});
    if (!p.waitForStarted(10000))
        return std::nullopt;
    QByteArray radek;
    while (!radek.contains('\n') && p.waitForReadyRead(20000))
        radek += p.readAllStandardOutput();
    const auto t1 = std::chrono::steady_clock::now();
    p.waitForFinished(10000);
    if (!radek.contains('\n'))
        return std::nullopt;
    return TBeh{std::chrono::duration<double, std::milli>(t1 - t0).count(), radek.trimmed().toDouble() / 1024};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? -1 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

namespace bench {

std::optional<int> studenyStartPotomek(int& argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    if (std::strcmp(argv[1], rezimProgram) == 0)
        return program(argc, argv, [] { ohlasANkonec(); });
    if (std::strcmp(argv[1], rezimPrazdne) == 0) {
        QApplication app(argc, argv);
        QWidget okno;
        okno.resize(597, 557);
        poPrvnimVykresleni(&okno, [] { ohlasANkonec(); });
        okno.show();
        return app.exec();
    }
    return std::nullopt;
}

} // namespace bench

VORTA_BENCH(102, startup_cold_ms)
{
    constexpr int behu = 11; // odd: the median is the middle run
    std::vector<double> program, prazdne, pamet;
    for (int i = 0; i < behu; ++i) {
        if (const auto b = beh(rezimPrazdne))
            prazdne.push_back(b->ms);
        if (const auto b = beh(rezimProgram)) {
            program.push_back(b->ms);
            pamet.push_back(b->mb);
        }
    }
    const double podlaha = median(prazdne);
    bench::vypis("startup_floor_ms", podlaha);
    bench::vypis("startup_cold_ms", median(program), 2 * podlaha);
    bench::vypis("startup_cold_rss_mb", median(pamet), 60);
}
