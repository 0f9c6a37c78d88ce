#include "app/start.h"

#include "app/THlavniOkno.h"
#include "app/tabulkaOken.h"
#include "shell/okna.h"

#include <QPointer>
#include <vector>

namespace {

std::vector<QPointer<QWidget>>& vytvorena()
{
    static std::vector<QPointer<QWidget>> v;
    return v;
}

} // namespace

THlavniOkno* vytvorOkna()
{
    THlavniOkno* hlavni = nullptr;
    for (const TOkno& o : tabulkaOken::okna()) {
        if (!o.vytvor)
            continue;
        QWidget* w = o.vytvor();
        okna::registruj(QString::fromLatin1(o.trida), w);
        vytvorena().emplace_back(w);
        if (!hlavni)
            hlavni = qobject_cast<THlavniOkno*>(w);
    }
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
