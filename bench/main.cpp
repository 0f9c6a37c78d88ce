#include "Bench.h"

#include "graf/pisma.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>

namespace bench {

struct Pojmenovana {
    const char* jmeno;
    Figura f;
};

static std::multimap<int, Pojmenovana>& figury()
{
    static std::multimap<int, Pojmenovana> f;
    return f;
}

bool registruj(int poradi, const char* jmeno, Figura f)
{
    figury().emplace(poradi, Pojmenovana{jmeno, std::move(f)});
    return true;
}

double medianMs(int opakovani, const std::function<void()>& krok)
{
    std::vector<double> casy;
    casy.reserve(opakovani);
    for (int i = 0; i < opakovani; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        krok();
        const auto t1 = std::chrono::steady_clock::now();
        casy.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    std::sort(casy.begin(), casy.end());
    const size_t n = casy.size();
    return n % 2 ? casy[n / 2] : (casy[n / 2 - 1] + casy[n / 2]) / 2;
}

long spickaPametiKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression radek(QStringLiteral("^VmHWM:\\s*(\\d+)\\s*kB"),
                                          QRegularExpression::MultilineOption);
    const auto m = radek.match(QString::fromLatin1(f.readAll()));
    return m.hasMatch() ? m.captured(1).toLong() : -1;
}

void vypis(const char* jmeno, double median, double rozpocet)
{
    std::printf("%s %.3f %g\n", jmeno, median, rozpocet);
    std::fflush(stdout);
}

void vypis(const char* jmeno, double median)
{
    std::printf("%s %.3f -\n", jmeno, median);
    std::fflush(stdout);
}

} // namespace bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The cold-start figure runs this program again as the child it times.
    if (const auto potomek = bench::studenyStartPotomek(argc, argv))
        return *potomek;
    QApplication app(argc, argv);
    vorta::nastavPisma();
    const QStringList slova = app.arguments().mid(1);
    for (auto& [poradi, figura] : bench::figury()) {
        const QString jmeno = QString::fromLatin1(figura.jmeno);
        if (slova.isEmpty() || std::any_of(slova.begin(), slova.end(), [&](const QString& s) {
                return jmeno.contains(s);
            }))
            figura.f();
    }
    return 0;
}
