#include "graf/obrazky.h"

#include "graf/barvy.h"

#include <QImageWriter>
#include <QSaveFile>

namespace vorta::graf {

QImage naOsmibitovy(const QImage& rgb)
{
    const QImage zdroj = rgb.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> pouzite;
    QRgb posledni = 0;
    bool nic = true;
    for (int y = 0; y < zdroj.height() && pouzite.size() < 256; ++y) {
        const auto* radek = reinterpret_cast<const QRgb*>(zdroj.constScanLine(y));
        for (int x = 0; x < zdroj.width(); ++x) {
            const QRgb c = radek[x] | 0xFF000000u;
            if (!nic && c == posledni)
                continue;
            nic = false;
            posledni = c;
            if (!pouzite.contains(c) && pouzite.size() < 256)
                pouzite.append(c);
        }
    }
    // Qt's bitmap writer drops to 1 or 4 bits per pixel for a short palette;
    // all 256 entries keep the file at 8.
    return zdroj.convertToFormat(QImage::Format_Indexed8, paletaGrafu(pouzite),
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

std::optional<QString> ulozObrazek(const QImage& obrazek, const QString& cesta)
{
    const QByteArray format = cesta.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? "png" : "bmp";
    QSaveFile f(cesta);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    QImageWriter w(&f, format);
    if (!w.write(obrazek)) {
        const QString chyba = f.error() != QFileDevice::NoError ? f.errorString() : w.errorString();
        f.cancelWriting();
        return chyba;
    }
    if (!f.commit())
        return f.errorString();
    return std::nullopt;
}

} // namespace vorta::graf
