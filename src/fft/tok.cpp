#include "fft/tok.h"

#include "core/cisla.h"

#include <QHash>
#include <cstring>

namespace fft {

std::vector<float> hodnotyTextu(const std::vector<QString>& texty, QChar oddelovac)
{
    std::vector<float> x;
    x.reserve(texty.size());
    for (const QString& t : texty)
        x.push_back(jednoducha(vorta::naCislo(t, oddelovac).value_or(0)));
    return x;
}

Tok spocitej(const std::vector<float>& x)
{
    Tok tok;
    tok.N = int(x.size());
    tok.L = log2N(tok.N);
    const int N = tok.N, L = tok.L;
    tok.poradi.resize(N);
    for (int i = 0; i < N; ++i)
        tok.poradi[i] = {x[obratit(i, L)], 0.0f};
    std::vector<Komplex> A = tok.poradi;
    tok.etapy.resize(L);
    for (int s = 0; s < L; ++s) {
        const int b = 1 << s;
        Etapa& e = tok.etapy[s];
        e.k.assign(N, -1);
        e.W.assign(N, Komplex{1.0f, 0.0f});
        for (int i = 0; i < N; ++i)
            if (i & b) {
                e.k[i] = (i % b) << (L - 1 - s);
                e.W[i] = konstanta(e.k[i], N);
            }
        std::vector<Komplex> WA(N);
        for (int i = 0; i < N; ++i)
            WA[i] = soucin(e.W[i], A[i]);
        for (int i = 0; i < N; ++i) {
            const Komplex p = WA[partner(i, s)];
            if (i & b)
                A[i] = {p.re - WA[i].re, p.im - WA[i].im};
            else
                A[i] = {p.re + WA[i].re, p.im + WA[i].im};
        }
        e.A = A;
    }
    return tok;
}

namespace {

bool stejne(Komplex a, Komplex b) { return std::memcmp(&a, &b, sizeof a) == 0; }

quint64 bity(Komplex c)
{
    quint64 v;
    static_assert(sizeof v == sizeof c);
    std::memcpy(&v, &c, sizeof v);
    return v;
}

} // namespace

TextyToku texty(const Tok& tok, const std::vector<QString>& textyEditoru, bool binar, const Zobrazeni& z,
                QChar oddelovac, const Predchozi& predchozi)
{
    const bool muzePouzit = predchozi.tok && predchozi.texty && predchozi.tok->N == tok.N
                            && predchozi.oddelovac == oddelovac && predchozi.z.zavislost == z.zavislost
                            && predchozi.z.expo == z.expo && predchozi.z.rovnici == z.rovnici
                            && predchozi.z.vysledek == z.vysledek && predchozi.z.exponencialni == z.exponencialni;
    // Equal values within one graph share their text (a run of zeros, say).
    QHash<quint64, QString> hotove;
    auto text = [&](Komplex c) {
        const quint64 b = bity(c);
        auto it = hotove.constFind(b);
        if (it != hotove.constEnd())
            return *it;
        QString t = komplexni(c, z.exponencialni, oddelovac);
        hotove.insert(b, t);
        return t;
    };
    const int N = tok.N, L = tok.L;
    auto radek = [&](int i) { return binar ? binarne(i, L) : desitkove(i); };
    const QString rovno = QStringLiteral(" = ");
    TextyToku t;
    t.vstupy.reserve(N);
    t.vstupniHodnoty.reserve(N);
    t.preskupene.reserve(N);
    t.preskupeneHodnoty.reserve(N);
    for (int i = 0; i < N; ++i) {
        const int r = obratit(i, L);
        t.vstupy.push_back(QStringLiteral("s(") + radek(i) + u')');
        t.vstupniHodnoty.push_back(rovno + textyEditoru[i]);
        t.preskupene.push_back(QStringLiteral("s(") + radek(r) + u')');
        t.preskupeneHodnoty.push_back(rovno + textyEditoru[r]);
    }
    t.konstanty.resize(L);
    t.hodnoty.resize(L);
    for (int s = 0; s < L; ++s) {
        const Etapa& e = tok.etapy[s];
        auto& kon = t.konstanty[s];
        auto& hod = t.hodnoty[s];
        kon.resize(N);
        hod.reserve(N);
        const Etapa* pe = muzePouzit ? &predchozi.tok->etapy[s] : nullptr;
        for (int i = 0; i < N; ++i) {
            if (e.k[i] >= 0) {
                if (pe && pe->k[i] == e.k[i] && stejne(pe->W[i], e.W[i]))
                    kon[i] = predchozi.texty->konstanty[s][i];
                else
                    kon[i] = popisKonstanty(e.k[i], N, e.W[i], z, oddelovac);
            }
            if (pe && stejne(pe->A[i], e.A[i])) {
                hod.push_back(predchozi.texty->hodnoty[s][i]);
                continue;
            }
            const QString v = text(e.A[i]);
            hod.push_back(s == L - 1 ? rovno + v : v);
        }
    }
    t.vysledky.reserve(N);
    for (int i = 0; i < N; ++i)
        t.vysledky.push_back(QStringLiteral("S(") + desitkove(i) + u')');
    return t;
}

} // namespace fft
