#include "fft/tok.h"

#include "core/cisla.h"

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

TextyToku texty(const Tok& tok, const std::vector<QString>& textyEditoru, bool binar, const Zobrazeni& z,
                QChar oddelovac)
{
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
        for (int i = 0; i < N; ++i) {
            if (e.k[i] >= 0)
                kon[i] = popisKonstanty(e.k[i], N, e.W[i], z, oddelovac);
            const QString v = komplexni(e.A[i], z.exponencialni, oddelovac);
            hod.push_back(s == L - 1 ? rovno + v : v);
        }
    }
    t.vysledky.reserve(N);
    for (int i = 0; i < N; ++i)
        t.vysledky.push_back(QStringLiteral("S(") + desitkove(i) + u')');
    return t;
}

} // namespace fft
