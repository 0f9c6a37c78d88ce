#include "entry/nacteni.h"

#include "entry/jpeg.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace obrazek {

namespace {

// A picture file larger than this is not read into memory at all; an
// uncompressed bitmap of the largest accepted picture is 400 MB.
constexpr qint64 MaxSouboru = 512LL * 1024 * 1024;

bool velikostPrijatelna(QSize s, std::int64_t maxPixelu)
{
    return s.width() > 0 && s.height() > 0 && static_cast<std::int64_t>(s.width()) * s.height() <= maxPixelu;
}

QImage naBilem(const QImage& obraz)
{
    if (obraz.isNull())
        return {};
    if (!obraz.hasAlphaChannel())
        return obraz.convertToFormat(QImage::Format_RGB32);
    QImage v(obraz.size(), QImage::Format_RGB32);
    if (v.isNull())
        return {};
    v.fill(Qt::white);
    QPainter p(&v);
    p.drawImage(0, 0, obraz);
    return v;
}

QImage vektorovy(const QByteArray& data, std::int64_t maxPixelu)
{
    QSvgRenderer svg(data);
    if (!svg.isValid())
        return {};
    const QSize s = svg.defaultSize();
    if (!velikostPrijatelna(s, maxPixelu))
        return {};
    QImage v(s, QImage::Format_RGB32);
    if (v.isNull())
        return {};
    v.fill(Qt::white);
    QPainter p(&v);
    svg.render(&p);
    return v;
}

bool vypadaJakoSvg(const QByteArray& data)
{
    // The SVG reader names what it recognises; a file it does not (no XML
    // declaration at the start, say) is still tried when it has an svg element.
    return data.left(4096).contains("<svg");
}

} // namespace

QImage nacti(const QByteArray& data, std::int64_t maxPixelu)
{
    if (data.isEmpty())
        return {};
    // A JPEG goes to our decoder only, whatever Qt's readers could do with it.
    if (jpeg::jeJpeg(data)) {
        QImage obraz = jpeg::dekoduj(data, maxPixelu);
        if (!obraz.isNull())
            obraz.setText(QString::fromLatin1(KlicZtratovy), QStringLiteral("1"));
        return obraz;
    }

    QBuffer zarizeni;
    zarizeni.setData(data);
    zarizeni.open(QIODevice::ReadOnly);
    QImageReader ctecka(&zarizeni);
    const QByteArray format = ctecka.format();
    if (format == "svg" || format == "svgz" || (format.isEmpty() && vypadaJakoSvg(data)))
        return vektorovy(data, maxPixelu);
    if (format.isEmpty() || format == "jpeg" || format == "jpg")
        return {};
    if (!velikostPrijatelna(ctecka.size(), maxPixelu))
        return {};
    return naBilem(ctecka.read());
}

QImage nactiSoubor(const QString& cesta, std::int64_t maxPixelu)
{
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly) || f.size() > MaxSouboru)
        return {};
    return nacti(f.read(MaxSouboru), maxPixelu);
}

bool jeZtratovy(const QImage& obraz) { return !obraz.text(QString::fromLatin1(KlicZtratovy)).isEmpty(); }

QString filtrSouboru()
{
    return QStringLiteral("Všechny obrázky (*.bmp *.jpg *.jpeg *.png *.gif *.ico *.svg);;"
                          "Bitmapy (*.bmp);;JPEG (*.jpg *.jpeg);;PNG (*.png);;GIF (*.gif);;Ikony (*.ico);;"
                          "Vektorové obrázky (*.svg)");
}

} // namespace obrazek
