#include "graf/obrazky.h"

#include "graf/barvy.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <unistd.h>

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
    QImage o = zdroj.convertToFormat(QImage::Format_Indexed8, paletaGrafu(pouzite),
                                     Qt::ThresholdDither | Qt::AvoidDither);
    // The writer copies whole rows, padding included, and the conversion
    // leaves the padding as the allocator left it.
    for (int y = 0; y < o.height(); ++y)
        std::memset(o.scanLine(y) + o.width(), 0, std::size_t(o.bytesPerLine() - o.width()));
    return o;
}

namespace {

const QString pripona[] = {QStringLiteral("bmp"), QStringLiteral("png")};

std::optional<FormatObrazku> formatPripony(const QString& pripona)
{
    if (pripona.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return FormatObrazku::Bmp;
    if (pripona.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return FormatObrazku::Png;
    return std::nullopt;
}

bool stejnaChyba(const QString& text, std::initializer_list<int> chyby)
{
    for (int e : chyby)
        if (text.contains(qt_error_string(e)))
            return true;
    return false;
}

bool nelzeZapsat(const QString& cesta) { return ::access(QFile::encodeName(cesta).constData(), W_OK) != 0; }

} // namespace

CilObrazku cilObrazku(const QString& soubor, const QString& filtr)
{
    if (const auto f = formatPripony(QFileInfo(soubor).suffix()))
        return {soubor, *f};
    const FormatObrazku f = filtr.contains(QLatin1String("*.png"), Qt::CaseInsensitive) ? FormatObrazku::Png
                                                                                       : FormatObrazku::Bmp;
    QString jmeno = soubor;
    if (!jmeno.endsWith(u'.'))
        jmeno += u'.';
    return {jmeno + pripona[int(f)], f};
}

bool zapisObrazek(QIODevice& cil, const QImage& obrazek, FormatObrazku format)
{
    QImageWriter w(&cil, format == FormatObrazku::Png ? "png" : "bmp");
    if (!w.write(obrazek))
        return false;
    // A small picture stays in the device's buffer; a full disk shows only
    // when the buffer goes out.
    auto* soubor = qobject_cast<QFileDevice*>(&cil);
    return !soubor || (soubor->flush() && soubor->error() == QFileDevice::NoError);
}

QString duvodChyby(const QString& cesta, QFileDevice::FileError chyba, const QString& text)
{
    const QFileInfo info(cesta);
    const QString slozka = info.absolutePath();
    if (!QFileInfo(slozka).isDir())
        return QStringLiteral("Vybraná složka neexistuje.");
    if (chyba == QFileDevice::ResourceError || stejnaChyba(text, {ENOSPC, EDQUOT, EFBIG}))
        return QStringLiteral("Na disku není dost místa.");
    if (stejnaChyba(text, {EACCES, EPERM, EROFS}) || nelzeZapsat(slozka) || (info.exists() && nelzeZapsat(cesta)))
        return QStringLiteral("Do vybrané složky nemáte povolený zápis.");
    return QStringLiteral("Soubor nelze zapsat.");
}

std::optional<QString> ulozObrazek(const QImage& obrazek, const CilObrazku& cil)
{
    QSaveFile f(cil.soubor);
    if (!f.open(QIODevice::WriteOnly))
        return duvodChyby(cil.soubor, f.error(), f.errorString());
    if (!zapisObrazek(f, obrazek, cil.format)) {
        const QString duvod = duvodChyby(cil.soubor, f.error(), f.errorString());
        f.cancelWriting();
        return duvod;
    }
    if (!f.commit())
        return duvodChyby(cil.soubor, f.error(), f.errorString());
    return std::nullopt;
}

} // namespace vorta::graf
