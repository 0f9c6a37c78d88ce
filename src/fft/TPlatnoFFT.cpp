#include "fft/TPlatnoFFT.h"

#include "graf/pisma.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int Radek = 25;
// Row i: text top at 25i + 13, signal line at 25i + 20, frame 25i + 10 ... 25i + 31.
constexpr int horniTextu(int i) { return Radek * i + 13; }
constexpr int cary(int i) { return Radek * i + 20; }
} // namespace

TPlatnoFFT::TPlatnoFFT(QWidget* parent) : QWidget(parent), m_pismo(vorta::pismo(QStringLiteral("MS Sans Serif"), 15, true))
{
    setObjectName(QStringLiteral("platno"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_pismo.setKerning(false);
    const QFontMetricsF fm(m_pismo);
    m_stejneCislice = true;
    for (char c = '1'; c <= '9'; ++c)
        m_stejneCislice = m_stejneCislice && fm.horizontalAdvance(QLatin1Char(c)) == fm.horizontalAdvance(u'0');
}

int TPlatnoFFT::sirka(const QString& s)
{
    QString klic = s;
    if (m_stejneCislice)
        for (QChar& c : klic)
            if (c >= u'1' && c <= u'9')
                c = u'0';
    auto it = m_sirky.constFind(klic);
    if (it != m_sirky.constEnd())
        return *it;
    const int w = QFontMetrics(m_pismo).horizontalAdvance(s);
    if (m_sirky.size() > 20000) // typed texts are keys too; keep the table small
        m_sirky.clear();
    m_sirky.insert(klic, w);
    return w;
}

int TPlatnoFFT::sirkaNejsirsiho(const std::vector<QString>& t)
{
    int w = 0;
    for (const QString& s : t)
        if (!s.isEmpty())
            w = std::max(w, sirka(s));
    return w;
}

void TPlatnoFFT::nastav(fft::Tok tok, fft::TextyToku texty)
{
    m_tok = std::move(tok);
    m_texty = std::move(texty);
    rozvrhni();
    update();
}

void TPlatnoFFT::rozvrhni()
{
    const int N = m_tok.N, L = m_tok.L;
    m_texty2.clear();
    m_ramecky.clear();
    m_pomlcky.clear();
    m_etapy.clear();
    int X = 65; // the editors occupy the first 60 pixels
    auto sloupec = [&](const std::vector<QString>& t, int pridat) {
        m_texty2.push_back({X + 5, &t});
        X += sirkaNejsirsiho(t) + pridat;
    };
    auto pomlcka = [&](int d) {
        m_pomlcky.push_back({X, d});
        X += d;
    };

    sloupec(m_texty.vstupy, 0);
    sloupec(m_texty.vstupniHodnoty, 10);
    m_ramecky.push_back({65, X, -1});
    pomlcka(5);
    m_xPreskupeni = X;
    X += Radek * (L - 1);
    pomlcka(5);
    int x0 = X;
    sloupec(m_texty.preskupene, 0);
    sloupec(m_texty.preskupeneHodnoty, 10);
    m_ramecky.push_back({x0, X, -1});
    pomlcka(10);

    for (int s = 0; s < L; ++s) {
        Etapa e{};
        e.xKonstanty = X;
        m_texty2.push_back({X + 5, &m_texty.konstanty[s]});
        e.sirka = sirkaNejsirsiho(m_texty.konstanty[s]) + 10;
        X += e.sirka;
        m_ramecky.push_back({e.xKonstanty, X, s});
        pomlcka(10);
        e.xMotylku = X;
        e.D = 50 * (s + 1);
        X += e.D + 10;
        m_etapy.push_back(e);
        x0 = X;
        if (s == L - 1)
            sloupec(m_texty.vysledky, 0);
        sloupec(m_texty.hodnoty[s], 10);
        m_ramecky.push_back({x0, X, -1});
        if (s < L - 1)
            pomlcka(10);
    }
    setFixedSize(X + 10, Radek * N + 20);
}

std::vector<int> TPlatnoFFT::sloupce() const
{
    std::vector<int> v;
    for (const Texty& t : m_texty2)
        v.push_back(t.x);
    return v;
}

void TPlatnoFFT::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit klepnuto();
}

void TPlatnoFFT::paintEvent(QPaintEvent* e)
{
    const QRect r = e->rect();
    const QColor plocha = palette().color(QPalette::Button);
    QPainter p(this);
    p.fillRect(r, plocha);
    const int N = m_tok.N, L = m_tok.L;
    if (N == 0)
        return;
    p.setFont(m_pismo);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(plocha);
    const QPen cerne(Qt::black, 1);
    const QPen cervene(Qt::red, 1);
    p.setPen(cerne);
    const int ascent = QFontMetrics(m_pismo).ascent();

    // Rows whose frame or text reaches into the exposed strip.
    const int prvni = std::clamp((r.top() - 31) / Radek, 0, N - 1);
    const int posledni = std::clamp((r.bottom() - 10) / Radek + 1, 0, N - 1);
    auto vodorovne = [&](int x1, int x2) { return x2 >= r.left() && x1 <= r.right(); };

    for (const Texty& t : m_texty2)
        for (int i = prvni; i <= posledni; ++i) {
            const QString& s = (*t.radky)[i];
            if (!s.isEmpty() && t.x <= r.right())
                p.drawText(t.x, horniTextu(i) + ascent, s);
        }

    for (const Ramecky& f : m_ramecky) {
        if (!vodorovne(f.x1, f.x2))
            continue;
        p.setPen(f.bit < 0 ? cervene : cerne);
        for (int i = prvni; i <= posledni; ++i) {
            if (f.bit >= 0 && !(i & (1 << f.bit)))
                continue;
            const int y1 = Radek * i + 10, y2 = Radek * i + 31;
            p.drawLine(f.x1, y1, f.x2, y1);
            p.drawLine(f.x2, y1, f.x2, y2);
            p.drawLine(f.x2, y2, f.x1, y2);
            p.drawLine(f.x1, y2, f.x1, y1);
        }
    }
    p.setPen(cerne);

    for (const Cara& c : m_pomlcky)
        if (vodorovne(c.x, c.x + c.d))
            for (int i = prvni; i <= posledni; ++i)
                p.drawLine(c.x, cary(i), c.x + c.d, cary(i));

    // Reordering: row i goes to the row of its bit reversal, which may lie
    // anywhere, so every line is tested against the strip.
    const int dx = Radek * (L - 1);
    if (vodorovne(m_xPreskupeni, m_xPreskupeni + dx))
        for (int i = 0; i < N; ++i) {
            const int y1 = cary(i), y2 = cary(fft::obratit(i, L));
            if (std::max(y1, y2) >= r.top() && std::min(y1, y2) <= r.bottom())
                p.drawLine(m_xPreskupeni, y1, m_xPreskupeni + dx, y2);
        }

    for (int s = 0; s < L; ++s) {
        const Etapa& e = m_etapy[s];
        const int b = 1 << s;
        // The signal passes the twiddle column unchanged on rows without a factor.
        if (vodorovne(e.xKonstanty, e.xKonstanty + e.sirka))
            for (int i = prvni; i <= posledni; ++i)
                if (!(i & b))
                    p.drawLine(e.xKonstanty, cary(i), e.xKonstanty + e.sirka, cary(i));
        const int X = e.xMotylku, D = e.D;
        if (!vodorovne(X - 2, X + D + 10))
            continue;
        const int od = std::max(0, prvni - b), po = std::min(N - 1, posledni + b);
        for (int i = od; i <= po; ++i) {
            p.drawLine(X, cary(i), X + D, cary(fft::partner(i, s)));
            p.drawLine(X, cary(i), X + D + 10, cary(i));
        }
        for (int i = prvni; i <= posledni; ++i) {
            const int y = cary(i);
            p.setBrush(Qt::black);
            p.drawEllipse(QRect(QPoint(X - 2, y - 2), QPoint(X + 3, y + 3) - QPoint(1, 1)));
            p.setBrush(plocha);
            p.drawEllipse(QRect(QPoint(X + D - 2, y - 2), QPoint(X + D + 3, y + 3) - QPoint(1, 1)));
            p.drawLine(X + D - 2, y - 6, X + D + 3, y - 6);
            p.drawLine(X + D, y - 4, X + D, y - 9);
            p.drawLine(X + D - 2, y + 6, X + D + 3, y + 6);
            if (!(i & b))
                p.drawLine(X + D, y + 8, X + D, y + 3);
        }
        p.setBrush(Qt::NoBrush);
    }
}
