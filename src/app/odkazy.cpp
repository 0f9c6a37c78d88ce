#include "app/odkazy.h"

namespace odkazy {

namespace {

TOdkaz nadpis(const char* nazev) { return {QString::fromUtf8(nazev), {}, {}, {}, {}, TDruh::Nadpis}; }
TOdkaz podnadpis(const char* nazev) { return {QString::fromUtf8(nazev), {}, {}, {}, {}, TDruh::Podnadpis}; }
TOdkaz odkaz(const char* nazev, const char* navod, const char* teorie, const char* okno, const char* popis)
{
    return {QString::fromUtf8(nazev), QString::fromUtf8(popis), QString::fromUtf8(navod), QString::fromUtf8(teorie),
            QString::fromUtf8(okno), TDruh::Odkaz};
}

const char* const synteza = "Zobrazuje analytický výpočet spektra spojitého periodického signálu, a jeho zpětnou "
                            "rekonstrukci pro různý počet harmonických. Výpočet se provádí pomocí rovnic ";

std::array<TOdkaz, kapacita> sestav()
{
    const QByteArray slozky = QByteArray(synteza) + "ve složkovém tvaru a jeho postup je uveden v nápovědě.";
    const QByteArray komplexne = QByteArray(synteza) + "v komplexním tvaru a jeho postup je uveden v nápovědě.";
    // The blank after the second "Z" of entries 18 and 19 is a no-break space.
    return {{
        nadpis("Spojité signály"),
        podnadpis("Operace se signály"),
        odkaz("Posuv a násobení signálu", "/ojede.html", "", "Tposuv",
              "Zobrazuje jak se změní tvar signálu při jeho násobení v amplitudě a čase a také při posuvu čase."),
        odkaz("Matematické operace mezi dvěma signály", "/odva.html", "", "Tsoucet",
              "Provádí sčítání odčítání a násobení mezi dvěma signály. Součástí okna je i generátor signálů."),
        odkaz("Konvoluce mezi dvěma signály", "/okonvoluce.html", "/fkonvoluce.html", "TKonvoluce",
              "Řeší výpočet konvoluce. Tato operace mezi dvěma signály, se využívá k výpočtu odezvy systému na "
              "obecný signál, známe-li odezvu tohoto systému na jednotkový impuls."),
        podnadpis("Syntéza signálů"),
        odkaz("Fourierova řada (Výpočet po složkách)", "/osynteza.html", "/signaly.html", "Tharmonicke2",
              slozky.constData()),
        odkaz("Fourierova řada (Komplexní výpočet)", "/osynteza.html", "/signalyk.html", "Tharmonicke",
              komplexne.constData()),
        podnadpis("Analýza signálů"),
        odkaz("Fourierova řada", "/oanalyza.html", "/frada.html", "Tfrada",
              "Počítá diskrétní spektrum periodického signálu pomocí Fourierovy řady. Zpětnou rekonstrukcí z "
              "tohoto spektra opět vznikne periodický spojitý signál."),
        odkaz("Fourierova transformace", "/oanalyza.html", "/ftrans.html", "Ttransformace",
              "Počítá spojité spektrum neperiodického signálu pomocí Fourierovy transformace. Zpětnou "
              "rekonstrukcí z tohoto spektra opět vznikne neperiodický spojitý signál."),
        nadpis("Diskrétní signály"),
        podnadpis("Aliasing efekt"),
        odkaz("Rotující kolo", "/okolo.html", "/dvzorkovani.html", "Taliasing",
              "Zobrazuje projev aliasing efektu na otáčejícím se kole. Tento jev se projevuje tím, že při "
              "podvzorkování se zdá že se kolo otáčí v opačném směru."),
        odkaz("Změna frekvence vstupního signálu", "/ofsig.html", "/dvzorkovani.html", "TaliasingVS",
              "Zobrazuje vzorkovaný signál v závislosti na frekvenci vzorkovaného signálu."),
        odkaz("Změna vzorkovací frekvence", "/ofsig.html", "/dvzorkovani.html", "TaliasingVZ",
              "Zobrazuje vzorkovaný signál pro různé frekvence vzorkování."),
        podnadpis("Analýza diskrétních signálů"),
        odkaz("DFR - Diskrétní Fourierova řada", "/odfr.html", "/ddfr.html", "TDFR",
              "Na základě diskrétních vzorků vypočítá diskrétní spektrum signálu. Z tohot spektra se vypočítá "
              "zpět diskrétní periodický signál. Tento výpočet je obdobný jako výpočet spojité Fourierovy řady."),
        odkaz("DTFT - Fourierova transformace diskrétního signálu", "/odtft.html", "/ddtft.html", "TDTFT",
              "Na základě diskrétního neperiodického signálu vypočítá spojité periodické spektrum. Z\u00A0tohoto "
              "spektra se vygeneruje zpět diskrétní neperiodický signál."),
        odkaz("DFT - Diskrétní Fourierova transformace", "/odft.html", "/ddft.html", "TDFT",
              "Na základě diskrétního neperiodického signálu vypočítá periodické spektrum. Z\u00A0tohoto spektra "
              "se vygeneruje zpět diskrétní periodický signál."),
        podnadpis("Rychlé výpočty"),
        odkaz("FFT - Rychlé Fourierova transformace", "/offt.html", "/dfft.html", "TFFT",
              "Řeší výpočet diskrétní Fourierova transformace výpočetně méně náročným algoritmem."),
        odkaz("Porovnání rychlosti FFT a DFT", "/oporovnani.html", "/dfft.html", "TFFTporovnani",
              "Srovnává skutečnou rychlost výpočtu rychlé a diskrétní Fourierovy transformace."),
    }};
}

} // namespace

const std::array<TOdkaz, kapacita>& tabulka()
{
    static const std::array<TOdkaz, kapacita> t = sestav();
    return t;
}

int pocet() { return 23; }

} // namespace odkazy
