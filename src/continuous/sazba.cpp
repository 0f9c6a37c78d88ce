#include "continuous/sazba.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace sazba {

namespace {

QFont mensi(const QFont& f)
{
    QFont m = f;
    m.setPixelSize(std::max(6, f.pixelSize() * 7 / 10));
    return m;
}

// A run of text that keeps one slant: a lone letter is a variable (italic),
// anything else is upright.
struct Usek {
    QString text;
    bool kurziva;
};

std::vector<Usek> useky(const QString& s)
{
    std::vector<Usek> v;
    int i = 0;
    while (i < s.size()) {
        int k = i;
        if (s[i].isLetter()) {
            // "n" and "pi" written together are still two symbols.
            const bool latinka = s[i].unicode() < 0x80;
            while (k < s.size() && s[k].isLetter() && (s[k].unicode() < 0x80) == latinka)
                ++k;
            // Greek constants such as pi stay upright; Latin variables lean.
            const bool kurziva = (k - i == 1) && s[i].unicode() < 0x80;
            v.push_back({s.mid(i, k - i), kurziva});
        } else {
            while (k < s.size() && !s[k].isLetter())
                ++k;
            v.push_back({s.mid(i, k - i), false});
        }
        i = k;
    }
    return v;
}

qreal textem(QPainter* p, const QString& s, const QFont& f, qreal x, qreal y)
{
    qreal sirka = 0;
    for (const Usek& u : useky(s)) {
        QFont g = f;
        g.setItalic(u.kurziva);
        const QFontMetricsF fm(g);
        if (p) {
            p->setFont(g);
            p->drawText(QPointF(x + sirka, y), u.text);
        }
        sirka += fm.horizontalAdvance(u.text);
        // A leaning letter needs a hair of room before an upright neighbour.
        if (u.kurziva)
            sirka += fm.height() * 0.06;
    }
    return sirka;
}

// One routine both measures and draws (p == nullptr only measures), so that
// the two can never disagree.
Rozmer sazej(QPainter* p, const Radek& r, const QFont& f, qreal x, qreal y)
{
    const QFontMetricsF fm(f);
    Rozmer c;
    for (const Prvek& e : r) {
        Rozmer d;
        switch (e.druh) {
        case Prvek::Text:
            d = {textem(p, e.text, f, x + c.sirka, y), fm.ascent() * 0.8, fm.descent()};
            break;
        case Prvek::Index:
        case Prvek::Horni: {
            const QFont m = mensi(f);
            const QFontMetricsF mm(m);
            const qreal posun = e.druh == Prvek::Index ? fm.ascent() * 0.2 : -fm.ascent() * 0.4;
            d = {textem(p, e.text, m, x + c.sirka, y + posun), mm.ascent() * 0.8 - posun, mm.descent() + posun};
            break;
        }
        case Prvek::Zlomek: {
            const Rozmer rc = sazej(nullptr, e.citatel, f, 0, 0);
            const Rozmer rj = sazej(nullptr, e.jmenovatel, f, 0, 0);
            const qreal osa = fm.strikeOutPos();
            const qreal mezera = std::max<qreal>(2, fm.height() * 0.1);
            const qreal okraj = fm.horizontalAdvance(QLatin1Char(' ')) * 0.5;
            d.sirka = std::max(rc.sirka, rj.sirka) + 2 * okraj;
            d.nad = osa + mezera + rc.pod + rc.nad;
            d.pod = -osa + mezera + rj.nad + rj.pod;
            if (p) {
                const qreal x0 = x + c.sirka;
                const qreal yc = y - osa - mezera - rc.pod;
                const qreal yj = y - osa + mezera + rj.nad;
                sazej(p, e.citatel, f, x0 + (d.sirka - rc.sirka) / 2, yc);
                sazej(p, e.jmenovatel, f, x0 + (d.sirka - rj.sirka) / 2, yj);
                QPen pero = p->pen();
                pero.setWidthF(std::max<qreal>(1, f.pixelSize() / 16.0));
                p->save();
                p->setPen(pero);
                p->drawLine(QPointF(x0 + okraj * 0.4, y - osa), QPointF(x0 + d.sirka - okraj * 0.4, y - osa));
                p->restore();
            }
            break;
        }
        }
        c.sirka += d.sirka;
        c.nad = std::max(c.nad, d.nad);
        c.pod = std::max(c.pod, d.pod);
    }
    return c;
}

} // namespace

Rozmer zmer(const Radek& r, const QFont& f) { return sazej(nullptr, r, f, 0, 0); }

void kresli(QPainter& p, const Radek& r, const QFont& f, qreal x, qreal y) { sazej(&p, r, f, x, y); }

} // namespace sazba
