#include "app/tabulkaOken.h"

#include "app/THlavniOkno.h"
#include "analysis/TDFR.h"
#include "analysis/TDFT.h"
#include "analysis/TDTFT.h"
#include "analysis/Tfrada.h"
#include "analysis/Ttransformace.h"
#include "app/Toprog.h"
#include "continuous/TKonvoluce.h"
#include "continuous/Tharmonicke.h"
#include "continuous/Tharmonicke2.h"
#include "continuous/Tposuv.h"
#include "continuous/Tsoucet.h"
#include "entry/Tkreslic.h"
#include "entry/Tobrazek.h"
#include "sampling/Taliasing.h"
#include "sampling/TaliasingVS.h"
#include "sampling/TaliasingVZ.h"
#include "fft/TFFT.h"
#include "fft/TFFTporovnani.h"
#include "fft/TFFTv.h"

namespace tabulkaOken {

namespace {
template <class T> QWidget* nove() { return new T; }
} // namespace

const std::vector<TOkno>& okna()
{
    // The main window comes first: the about window writes into it. A window
    // still to be written has no factory yet; its menu item and link stay
    // disabled. The FFT window opens maximised and is not centred.
    static const std::vector<TOkno> t = {
        {"THlavniOkno", "HlavniOkno", nove<THlavniOkno>, true},
        {"Tposuv", "posuv", nove<Tposuv>, true},
        {"Tsoucet", "soucet", nove<Tsoucet>, true},
        {"Tharmonicke2", "harmonicke2", nove<Tharmonicke2>, true},
        {"Tharmonicke", "harmonicke", nove<Tharmonicke>, true},
        {"Toprog", "oprog", nove<Toprog>, true},
        {"Tfrada", "frada", nove<Tfrada>, true},
        {"Ttransformace", "transformace", nove<Ttransformace>, true},
        {"Tobrazek", "obrazek", nove<Tobrazek>, true},
        {"Taliasing", "aliasing", nove<Taliasing>, true},
        {"TaliasingVS", "aliasingVS", nove<TaliasingVS>, true},
        {"TDFR", "DFR", nove<TDFR>, true},
        {"TDTFT", "DTFT", nove<TDTFT>, true},
        {"TDFT", "DFT", nove<TDFT>, true},
        {"TaliasingVZ", "aliasingVZ", nove<TaliasingVZ>, true},
        {"TFFTv", "FFTv", nove<TFFTv>, true},
        {"TFFT", "FFT", nove<TFFT>, false},
        {"TFFTporovnani", "FFTporovnani", nove<TFFTporovnani>, true},
        {"TKonvoluce", "Konvoluce", nove<TKonvoluce>, true},
        {"Tkreslic", "kreslic", nove<Tkreslic>, true},
    };
    return t;
}

const TOkno* najdi(const QString& trida)
{
    for (const TOkno& o : okna())
        if (trida == QLatin1String(o.trida))
            return &o;
    return nullptr;
}

QStringList kCentrovani()
{
    QStringList v;
    for (const TOkno& o : okna())
        if (o.centrovat)
            v << QString::fromLatin1(o.trida);
    return v;
}

} // namespace tabulkaOken
