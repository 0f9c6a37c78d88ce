#include "app/rozlozeni.h"

#include <algorithm>

namespace rozlozeni {

TVysledek rozloz(int sirkaBoxu, const std::vector<TVstup>& polozky, const TVyskaTextu& vyska)
{
    // A box narrower than its margins still gets a one-pixel column rather
    // than a negative width that the wrapping could not handle.
    const int sirka = std::max(sirkaBoxu - 2 * okraj, 1);
    TVysledek v;
    v.sirkaNadpisu = sirka;
    v.popis = QRect(okraj, popisTop, sirka, vyska(-1, sirka));
    int y = v.popis.top() + v.popis.height() + okraj;
    v.mista.reserve(polozky.size());
    for (size_t i = 0; i < polozky.size(); ++i) {
        const TVstup& p = polozky[i];
        TMisto m;
        m.nazev = QPoint(okraj, y);
        switch (p.druh) {
        case TDruh::Odkaz: {
            const int zaNazvem = okraj + p.sirkaNazvu;
            m.navod = QPoint(zaNazvem + okraj, y);
            m.teorie = QPoint(zaNazvem + okraj + ikona + okraj, y);
            y += p.vyskaNazvu + okraj;
            m.popis = QRect(okraj, y, sirka, vyska(int(i), sirka));
            y += m.popis.height() + 2 * okraj;
            break;
        }
        case TDruh::Podnadpis:
            y += p.vyskaNazvu + okraj;
            break;
        case TDruh::Nadpis:
            m.bevel = QRect(okraj, y, sirka, 2);
            y += okraj;
            m.nazev.setY(y);
            y += p.vyskaNazvu + okraj;
            break;
        }
        v.mista.push_back(m);
    }
    v.nic = y;
    return v;
}

} // namespace rozlozeni
