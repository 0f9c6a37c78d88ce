#include "fft/Tvlakno.h"

#include <QTimer>
#include <chrono>

namespace {

// A millisecond tick count that wraps like a 32-bit system counter.
std::uint32_t tiky()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

Tvlakno::Tvlakno(SdilenePorovnani& sdilene, Rutina nastaveni, Rutina vypis)
    : m_sdilene(sdilene), m_hlidac(std::make_unique<QTimer>()), m_nastaveni(std::move(nastaveni)),
      m_vypis(std::move(vypis))
{
    m_hlidac->setInterval(1);
    QObject::connect(m_hlidac.get(), &QTimer::timeout, [this] { obsluz(); });
}

Tvlakno::~Tvlakno() { zastavAPockej(); }

void Tvlakno::spust()
{
    zastavit.store(0);
    m_skoncilo.store(false);
    m_hlidac->start();
    m_vlakno = std::thread([this] { Execute(); });
}

void Tvlakno::naSmycce(const Rutina& r)
{
    if (!r)
        return;
    std::unique_lock<std::mutex> z(m_zamek);
    m_pozadavek = &r;
    m_hotovo = false;
    m_vyrizeno.wait(z, [this] { return m_hotovo; });
}

void Tvlakno::obsluz()
{
    const Rutina* r = nullptr;
    {
        std::lock_guard<std::mutex> z(m_zamek);
        r = m_pozadavek;
    }
    if (!r)
        return;
    // The worker waits until it is told the routine has run; the routine
    // reads and writes the worker's fields meanwhile.
    (*r)(*this);
    {
        std::lock_guard<std::mutex> z(m_zamek);
        m_pozadavek = nullptr;
        m_hotovo = true;
    }
    m_vyrizeno.notify_all();
}

void Tvlakno::Execute()
{
    naSmycce(m_nastaveni);
    const std::int32_t R = m_sdilene.R.load();
    // The settings come from the window's own lists; a size the arrays cannot
    // hold would still never be worked on.
    if (L < 1 || L > 11 || N != (1 << L)) {
        L = 5;
        N = 32;
    }

    std::mt19937 nahoda(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    porovnani::priprav(data, N, nahoda);

    std::uint32_t t0 = tiky();
    for (std::int32_t r = 1; r <= R; ++r) {
        porovnani::dft(data, N, L);
        if (zastavit.load() != 0)
            break;
        m_sdilene.hotovoDFT.store(r);
    }
    DFTcas = tiky() - t0;

    t0 = tiky();
    for (std::int32_t r = 1; r <= R; ++r) {
        porovnani::fft(data, N, L);
        if (zastavit.load() != 0)
            break;
        m_sdilene.hotovoFFT.store(r);
    }
    FFTcas = tiky() - t0;

    naSmycce(m_vypis);
    m_skoncilo.store(true);
}

void Tvlakno::zastavAPockej()
{
    if (!m_vlakno.joinable())
        return;
    zastav();
    while (!m_skoncilo.load()) {
        obsluz();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    m_vlakno.join();
    m_hlidac->stop();
}

void Tvlakno::pockej()
{
    if (m_vlakno.joinable())
        m_vlakno.join();
    m_hlidac->stop();
}
