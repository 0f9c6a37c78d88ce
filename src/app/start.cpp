#include "app/start.h"

#include "app/THlavniOkno.h"
#include "app/Toprog.h"
#include "app/okna.h"
#include "continuous/TKonvoluce.h"
#include "continuous/Tharmonicke.h"
#include "continuous/Tharmonicke2.h"
#include "continuous/Tposuv.h"
#include "continuous/Tsoucet.h"
// Each window's header goes here when the window is added below, e.g.
// #include "continuous/Tposuv.h"

#include <QPointer>
#include <vector>

namespace {

std::vector<QPointer<QWidget>>& vytvorena()
{
    static std::vector<QPointer<QWidget>> v;
    return v;
}

template <class T> T* vytvor(const char* trida)
{
    T* okno = new T;
    okna::registruj(QString::fromLatin1(trida), okno);
    vytvorena().emplace_back(okno);
    return okno;
}

} // namespace

THlavniOkno* vytvorOkna()
{
    // The order is fixed: the main window first (the about window writes
    // into it). A window that is not written yet is simply absent: add it
    // with one line at its place, e.g. `vytvor<Tposuv>("Tposuv");`.
    auto* hlavni = vytvor<THlavniOkno>("THlavniOkno");
    vytvor<Tposuv>("Tposuv");
    vytvor<Tsoucet>("Tsoucet");
    vytvor<Tharmonicke2>("Tharmonicke2");
    vytvor<Tharmonicke>("Tharmonicke");
    vytvor<Toprog>("Toprog");
    // Tfrada
    // Ttransformace
    // Tobrazek
    // Taliasing
    // TaliasingVS
    // TDFR
    // TDTFT
    // TDFT
    // TaliasingVZ
    // TFFTv
    // TFFT
    // TFFTporovnani
    vytvor<TKonvoluce>("TKonvoluce");
    // Tkreslic
    hlavni->obnovDostupnost();
    return hlavni;
}

void zrusOkna()
{
    auto& v = vytvorena();
    while (!v.empty()) {
        delete v.back().data();
        v.pop_back();
    }
}
