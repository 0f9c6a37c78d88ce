#include "graf/vgf.h"

#include "core/cisla.h"
#include "graf/zaznam.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace vorta::graf {

namespace {
constexpr float znacka = 12345.0f;
constexpr float verze = 1.0f;
constexpr qsizetype nejdelsiSoubor = qsizetype(VelikostZaznamu) * (MaxBodu + 2);
} // namespace

QByteArray zakodujVgf(int pocet, const TBod* sloty)
{
    pocet = std::clamp(pocet, 0, MaxBodu);
    QByteArray data(qsizetype(VelikostZaznamu) * (pocet + 2), Qt::Uninitialized);
    char* z = data.data();
    zapisZaznam(z, TBod{znacka, verze, pocet});
    for (int k = 0; k <= pocet; ++k)
        zapisZaznam(z + VelikostZaznamu * (k + 1), sloty[k]);
    return data;
}

NactenyGraf dekodujVgf(QByteArrayView data)
{
    NactenyGraf v;
    if (data.size() < VelikostZaznamu)
        return v; // ChybaCteni
    const TBod hlavicka = ctiZaznam(data.data());
    // The mark is compared after rounding, as a single; NaN never matches.
    // A file of another version may mean something else by the same bytes.
    if (zaokrouhli(hlavicka.x) != 12345.0L || hlavicka.y != verze || hlavicka.Styl < 0 || hlavicka.Styl > MaxBodu) {
        v.stav = StavNacteni::NeplatnyFormat;
        return v;
    }
    const qsizetype chci = qsizetype(hlavicka.Styl) + 1;
    const qsizetype mam = std::min(chci, data.size() / VelikostZaznamu - 1);
    v.zaznamy.reserve(mam);
    for (qsizetype k = 0; k < mam; ++k)
        v.zaznamy.push_back(ctiZaznam(data.data() + VelikostZaznamu * (k + 1)));
    v.pocet = int(std::min<qsizetype>(hlavicka.Styl, mam));
    v.stav = mam == chci ? StavNacteni::Ok : StavNacteni::Zkraceny;
    return v;
}

NactenyGraf nactiVgf(const QString& cesta)
{
    // Only a regular file: opening a named pipe would block the program until
    // some other process writes into it.
    if (!QFileInfo(cesta).isFile())
        return {};
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    // Never more than the largest graph a file can describe.
    const QByteArray data = f.read(nejdelsiSoubor);
    if (f.error() != QFileDevice::NoError)
        return {};
    return dekodujVgf(data);
}

bool zapisVgf(QIODevice& cil, int pocet, const TBod* sloty)
{
    const QByteArray data = zakodujVgf(pocet, sloty);
    if (cil.write(data) != data.size())
        return false;
    // A small file stays in the device's buffer; a full disk shows only
    // when the buffer goes out.
    auto* soubor = qobject_cast<QFileDevice*>(&cil);
    return !soubor || (soubor->flush() && soubor->error() == QFileDevice::NoError);
}

bool ulozVgf(const QString& cesta, int pocet, const TBod* sloty)
{
    QSaveFile f(cesta);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (!zapisVgf(f, pocet, sloty)) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace vorta::graf
