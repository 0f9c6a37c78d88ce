#pragma once
// The worker of the speed comparison: one object per run. It fills the input
// with random numbers, times R DFTs and then R FFTs, and has the window's
// event loop run two routines while it waits: `nastaveni` at the start (reads
// the settings) and `vypis` at the end (shows the results).
//
// The progress counters, R and the stop request are shared with the window
// without a lock; they are atomic 32-bit values, each read and written whole.
#include "fft/porovnani.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

class QObject;

// What the window and the worker share during a run.
struct SdilenePorovnani {
    std::atomic<std::int32_t> hotovoDFT{0};
    std::atomic<std::int32_t> hotovoFFT{0};
    std::atomic<std::int32_t> R{1};
};

class Tvlakno {
public:
    using Rutina = std::function<void(Tvlakno&)>;

    // `most` lives on the event loop's thread and outlives this object; the
    // two routines run there, through blocking queued calls on it.
    Tvlakno(QObject* most, SdilenePorovnani& sdilene, Rutina nastaveni, Rutina vypis);
    // Stops the run and waits for the thread (see zastavAPockej).
    ~Tvlakno();
    Tvlakno(const Tvlakno&) = delete;
    Tvlakno& operator=(const Tvlakno&) = delete;

    // Starts the thread; the stop request is cleared first.
    void spust();

    // Asks the run to stop after the repetition in progress.
    void zastav() { zastavit.store(1); }
    bool zastaveno() const { return zastavit.load() != 0; }
    // Whether the thread body has returned (the routine `vypis` has run).
    bool skoncilo() const { return m_skoncilo.load(); }

    // Called on the event loop's thread: stops the run and waits until the
    // thread has ended. While it waits it runs the worker's pending calls on
    // `most` itself, so a worker blocked in such a call is never left waiting
    // for a loop that is waiting for it.
    void zastavAPockej();
    // Waits for a thread that has finished (after `vypis`).
    void pockej();

    // Fields the routines read and write, in the worker's order.
    std::int32_t N = 32;
    std::int32_t L = 5;
    std::uint32_t DFTcas = 0;
    std::uint32_t FFTcas = 0;
    std::atomic<std::int32_t> zastavit{0};
    porovnani::Data data;

private:
    void Execute();
    void naSmycce(const Rutina& r);

    QObject* m_most;
    SdilenePorovnani& m_sdilene;
    Rutina m_nastaveni, m_vypis;
    std::thread m_vlakno;
    std::atomic<bool> m_skoncilo{false};
};
