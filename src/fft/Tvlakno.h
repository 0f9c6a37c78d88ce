#pragma once
// The worker of the speed comparison: one object per run. It fills the input
// with random numbers, times R DFTs and then R FFTs, and has the window's
// event loop run two routines while it waits: `nastaveni` at the start (reads
// the settings) and `vypis` at the end (shows the results).
//
// The progress counters, R and the stop request are shared with the window
// without a lock; they are atomic 32-bit values, each read and written whole.
//
// The synchronous call onto the event loop is a request under a mutex that a
// 1 ms timer of the event loop's thread serves, with the worker waiting on a
// condition variable. No Qt object crosses the threads, so the hand-off is
// plain to the thread sanitizer (the system's Qt is not instrumented, and its
// queued calls would show as races), and a loop that waits for the worker
// serves the request itself instead of deadlocking.
#include "fft/porovnani.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QTimer;

// What the window and the worker share during a run.
struct SdilenePorovnani {
    std::atomic<std::int32_t> hotovoDFT{0};
    std::atomic<std::int32_t> hotovoFFT{0};
    std::atomic<std::int32_t> R{1};
};

class Tvlakno {
public:
    using Rutina = std::function<void(Tvlakno&)>;

    // Made on the event loop's thread, where the two routines run.
    Tvlakno(SdilenePorovnani& sdilene, Rutina nastaveni, Rutina vypis);
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
    // thread has ended. While it waits it serves the worker's requests
    // itself, so a worker blocked in a call is never left waiting for a loop
    // that is waiting for it.
    void zastavAPockej();
    // Runs a routine the worker is waiting for, if any (event loop's thread).
    void obsluz();
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

    SdilenePorovnani& m_sdilene;
    std::unique_ptr<QTimer> m_hlidac;
    std::mutex m_zamek;
    std::condition_variable m_vyrizeno;
    const Rutina* m_pozadavek = nullptr; // guarded by m_zamek
    bool m_hotovo = false;               // guarded by m_zamek
    Rutina m_nastaveni, m_vypis;
    std::thread m_vlakno;
    std::atomic<bool> m_skoncilo{false};
};
