// The sampling windows and the rotating wheel: a step of each sampling
// window's scroll bar (tables, samples, holds, three graphs painted), one
// wheel frame in each drawing mode as the frame event draws and presents it,
// and the processor time of the running wheel.
#include "Bench.h"
#include "Platno.h"

#include "sampling/TCasovacSnimku.h"
#include "sampling/TPlocha.h"
#include "sampling/Taliasing.h"
#include "sampling/TaliasingVS.h"
#include "sampling/TaliasingVZ.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPainter>
#include <QScrollBar>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Runs the event loop for `ms`, as the program idles between frames.
void cekej(int ms)
{
    QEventLoop smycka;
    QTimer::singleShot(ms, &smycka, &QEventLoop::quit);
    smycka.exec();
}

// Median processor time of the steps, in ms: on a machine shared with other
// work the wall time of a step that outlasts a time slice says little.
double medianCpuMs(int opakovani, const std::function<void()>& krok)
{
    std::vector<double> casy;
    for (int i = 0; i < opakovani; ++i) {
        timespec a{}, b{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        krok();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        casy.push_back(double(b.tv_sec - a.tv_sec) * 1e3 + double(b.tv_nsec - a.tv_nsec) / 1e6);
    }
    std::sort(casy.begin(), casy.end());
    return casy[casy.size() / 2];
}

template <class T> void krokFrek(const char* jmeno, const char* jmenoCpu, int tvarovac)
{
    T okno;
    okno.template findChild<QComboBox*>("tvar")->setCurrentIndex(tvarovac);
    auto* frek = okno.template findChild<QScrollBar*>("frek");
    bench::Platno platno(okno, {"spuv", "svzk", "srek"});
    int P = frek->value();
    const auto krok = [&] {
        P = P % frek->maximum() + 1;
        frek->setValue(P);
        platno.vykresli();
    };
    bench::vypis(jmeno, bench::medianMs(101, krok), 3);
    bench::vypis(jmenoCpu, medianCpuMs(101, krok));
}

void snimek(const char* jmeno, bool vyhlazeny, double rozpocet)
{
    Taliasing okno;
    okno.show();
    cekej(100);
    okno.findChild<QCheckBox*>("all")->setChecked(vyhlazeny);
    okno.findChild<QComboBox*>("pricek")->setCurrentIndex(3);
    okno.findChild<QScrollBar*>("speed")->setValue(88);
    QImage obrazovka(200, 200, QImage::Format_RGB32);
    const double ms = bench::medianMs(201, [&] {
        okno.timerTimer();
        QPainter p(&obrazovka);
        p.drawImage(0, 0, okno.plocha()->predni());
    });
    bench::vypis(jmeno, ms, rozpocet);
}

double cpuSekund()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

} // namespace

VORTA_BENCH(700, aliasingVS_frek) { krokFrek<TaliasingVS>("aliasingVS_frek_ms", "aliasingVS_frek_cpu_ms", 2); }
VORTA_BENCH(701, aliasingVZ_frek) { krokFrek<TaliasingVZ>("aliasingVZ_frek_ms", "aliasingVZ_frek_cpu_ms", 2); }
VORTA_BENCH(710, kolo_supersampled) { snimek("kolo_supersampled_ms", true, 3); }
VORTA_BENCH(711, kolo_direct) { snimek("kolo_direct_ms", false, 0.5); }

// The wheel left running at 25 frames a second with smoothing, as a user
// leaves it open: processor time over 5 s of wall time, in percent of one core.
VORTA_BENCH(712, kolo_cpu)
{
    Taliasing okno;
    okno.show();
    cekej(100);
    okno.findChild<QScrollBar*>("cas")->setValue(25);
    okno.findChild<QCheckBox*>("all")->setChecked(true);
    okno.findChild<QComboBox*>("pricek")->setCurrentIndex(3);
    okno.FormActivate();
    QElapsedTimer hodiny;
    hodiny.start();
    const double cpu0 = cpuSekund();
    cekej(5000);
    const double procent = (cpuSekund() - cpu0) / (double(hodiny.nsecsElapsed()) / 1e9) * 100;
    bench::vypis("kolo_cpu_percent", procent, 15);
    bench::vypis("kolo_fps_25", okno.casovac()->fps());
    okno.close();
}

// The smoothed frame on a screen of pixel ratio 2: four times the device
// pixels of the 1x surface, drawn and averaged at that resolution.
VORTA_BENCH(713, kolo_supersampled_dpr2)
{
    QImage plocha(2 * kolo::Strana, 2 * kolo::Strana, QImage::Format_RGB32);
    plocha.setDevicePixelRatio(2);
    QImage velky;
    const QColor pozadi(212, 208, 200);
    int theta = 0;
    const double ms = bench::medianMs(201, [&] {
        kolo::snimekVyhlazeny(plocha, velky, pozadi, {4, false, theta});
        theta = kolo::otoc(theta, 88);
    });
    bench::vypis("kolo_supersampled_dpr2_ms", ms, 3);
}
