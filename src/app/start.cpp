#include "app/start.h"

#include "app/THlavniOkno.h"
#include "app/tabulkaOken.h"
#include "shell/okna.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <cstring>
#include <vector>

namespace {

std::vector<QPointer<QWidget>>& vytvorena()
{
    static std::vector<QPointer<QWidget>> v;
    return v;
}

bool hnedNaZacatku(const TOkno& o)
{
    return std::strcmp(o.trida, "THlavniOkno") == 0 || std::strcmp(o.trida, "Toprog") == 0;
}

QWidget* vytvor(const TOkno& o, bool odlozene)
{
    QWidget* w = o.vytvor();
    vytvorena().emplace_back(w);
    // The centring timer places the windows that exist when it runs; a window
    // made later is placed as it would have placed it, with the frame the
    // shown main window has.
    if (odlozene && o.centrovat) {
        okna::vycentruj(w, okna::ramecek(okna::hotove(QStringLiteral("THlavniOkno"))));
    }
    return w;
}

void dalsiPriNecinnosti()
{
    if (okna::vytvorDalsi())
        QTimer::singleShot(0, qApp, dalsiPriNecinnosti);
}

} // namespace

THlavniOkno* vytvorOkna()
{
    for (const TOkno& o : tabulkaOken::okna())
        if (o.vytvor && hnedNaZacatku(o))
            okna::registruj(QString::fromLatin1(o.trida), vytvor(o, false));
    for (const TOkno& o : tabulkaOken::okna())
        if (o.vytvor && !hnedNaZacatku(o))
            okna::odloz(QString::fromLatin1(o.trida), [&o] { return vytvor(o, true); });
    auto* hlavni = qobject_cast<THlavniOkno*>(okna::hotove(QStringLiteral("THlavniOkno")));
    hlavni->obnovDostupnost();
    return hlavni;
}

void vytvorPriNecinnosti() { QTimer::singleShot(0, qApp, dalsiPriNecinnosti); }

void zrusOkna()
{
    okna::zapomenOdlozena();
    auto& v = vytvorena();
    while (!v.empty()) {
        delete v.back().data();
        v.pop_back();
    }
}
