// Arbitrary bytes as typed text and as numbers to format. Beyond "no crash",
// every case checks what the user relies on: a text is accepted exactly when
// it is a number in the documented grammar, with the value an independent
// conversion (Qt's) gives; every format is well formed, shows the digits an
// independent rounding of the exact value gives, reads back within its
// rounding, shows the same text again for the value read back, and never
// shows a smaller number for a larger value.
#include "core/cisla.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <vector>

using namespace vorta;

namespace {

[[noreturn]] void chyba(const char* co, const QString& text)
{
    std::fprintf(stderr, "fuzz_cisla: %s: \"%s\"\n", co, qPrintable(text));
    std::abort();
}

void over(bool podminka, const char* co, const QString& text)
{
    if (!podminka)
        chyba(co, text);
}

// Reads bytes from the input, zeros when they run out.
struct Cteni {
    const std::uint8_t* data;
    std::size_t n, i = 0;
    std::uint64_t cti(int bajtu)
    {
        std::uint64_t v = 0;
        for (int k = 0; k < bajtu; ++k)
            v = (v << 8) | (i < n ? data[i++] : 0u);
        return v;
    }
};

long double dlouhe(Cteni& c)
{
    // Mantissa, exponent and sign, so that every x87 value is valid; small
    // mantissas give short decimals and exact halfway cases.
    const int bajtu = 1 + int(c.cti(1) % 8);
    const std::uint64_t m = c.cti(bajtu);
    const int e = int(c.cti(2) % 32800) - 16445 - 8 * bajtu;
    const bool zaporne = c.cti(1) & 1;
    const long double v = std::ldexp(static_cast<long double>(m), e);
    return zaporne ? -v : v;
}

// The regular expressions for one separator, compiled once.
struct Tvary {
    QString s;
    QRegularExpression gramatika, obecne, graf;
    std::map<int, QRegularExpression> fixne;
    explicit Tvary(QChar sep) : s(QRegularExpression::escape(QString(sep)))
    {
        gramatika.setPattern(QStringLiteral("^[+-]?([0-9]+(%1[0-9]*)?|%1[0-9]+)([eE][+-]?[0-9]+)?$").arg(s));
        obecne.setPattern(QStringLiteral("^-?[0-9]+(%1[0-9]*[1-9])?$|%2").arg(s, vedecky()));
        graf.setPattern(QStringLiteral("^-?[0-9]+(%1[0-9]*[1-9])?$|^-?[0-9](%1[0-9]*[1-9])?E-?[0-9]{2,}$").arg(s));
    }
    QString vedecky() const { return QStringLiteral("^-?[0-9](%1[0-9]*[1-9])?E-?[0-9]+$").arg(s); }
    const QRegularExpression& fixni(int d)
    {
        auto [it, nove] = fixne.try_emplace(d);
        if (nove)
            it->second.setPattern(d == 0 ? QStringLiteral("^-?[0-9]+$|%1").arg(vedecky())
                                         : QStringLiteral("^-?[0-9]+%1[0-9]{%2}$|%3").arg(s).arg(d).arg(vedecky()));
        return it->second;
    }
};

Tvary& tvary(int i)
{
    static std::array<Tvary, 3> t{Tvary(QChar(',')), Tvary(QChar('.')), Tvary(QChar(0x066b))};
    return t[i];
}

// --- An independent rounding: the exact digits from printf in the C locale
// (600 digits are the whole expansion of every long double between 1e-100
// and 1e300), rounded on an array of digit values.
struct Cislice {
    std::vector<int> c; // 0.c1c2... x 10^e
    int e = 0;
    bool zaporne = false;

    void uprav()
    {
        std::size_t z = 0;
        while (z < c.size() && c[z] == 0)
            ++z;
        c.erase(c.begin(), c.begin() + std::ptrdiff_t(z));
        e -= int(z);
        while (!c.empty() && c.back() == 0)
            c.pop_back();
        if (c.empty())
            e = 0;
    }
    void zaokrouhli(long long ponechat) // halves away from zero
    {
        if (ponechat >= (long long)c.size())
            return;
        if (ponechat < 0) {
            c.clear();
            e = 0;
            return;
        }
        const bool nahoru = c[std::size_t(ponechat)] >= 5;
        c.resize(std::size_t(ponechat));
        c.insert(c.begin(), 0);
        ++e;
        for (std::size_t i = c.size() - 1; nahoru; --i) {
            c[i] = (c[i] + 1) % 10;
            if (c[i] != 0 || i == 0)
                break;
        }
        uprav();
    }
    bool operator==(const Cislice& o) const { return c == o.c && e == o.e && (c.empty() || zaporne == o.zaporne); }
    QString text() const
    {
        QString t = zaporne ? QStringLiteral("-0.") : QStringLiteral("0.");
        for (int d : c)
            t += QChar(u'0' + d);
        return t + QStringLiteral("e%1").arg(e);
    }
};

Cislice presne(long double v)
{
    static char buf[700];
    std::snprintf(buf, sizeof buf, "%.600Le", v);
    Cislice r;
    const char* p = buf;
    if (*p == '-') {
        r.zaporne = true;
        ++p;
    }
    for (; *p != 'e'; ++p)
        if (*p != '.')
            r.c.push_back(*p - '0');
    r.e = std::atoi(p + 1) + 1;
    r.uprav();
    return r;
}

// What a format shows, read as digits: sign, digits, separator, exponent.
Cislice zobrazene(const QString& s, QChar sep)
{
    Cislice r;
    int i = 0, pred = -1;
    if (s.startsWith(u'-')) {
        r.zaporne = true;
        ++i;
    }
    for (; i < s.size() && s[i] != u'E'; ++i) {
        if (s[i] == sep)
            pred = int(r.c.size());
        else
            r.c.push_back(s[i].unicode() - u'0');
    }
    r.e = (pred < 0 ? int(r.c.size()) : pred) + (i < s.size() ? s.mid(i + 1).toInt() : 0);
    r.uprav();
    return r;
}

void textNaCislo(const QString& text, int sepIndex, QChar sep)
{
    const auto v = naCislo(text, sep);
    const QString t = text.trimmed();
    if (!tvary(sepIndex).gramatika.match(t).hasMatch()) {
        over(!v, "accepted outside the grammar", text);
        return;
    }
    QString c = t;
    c.replace(sep, u'.');
    bool ok = false;
    const double q = QLocale::c().toDouble(c, &ok);
    constexpr double maxD = std::numeric_limits<double>::max();
    if (ok) {
        over(v.has_value(), "rejected a number in range", text);
        const double d = double(*v);
        // A decimal rounded to long double and then to double may land one
        // step away from the decimal rounded to double directly.
        over(d == q || std::nextafter(d, q) == q, "value differs from Qt's", text);
    } else if (std::isinf(q) || std::fabs(q) >= maxD) {
        over(!v || std::fabs(*v) == maxD, "overflow not refused", text);
    } else {
        // Qt refuses an underflow; here it is zero or a denormal.
        over(v && std::fabs(double(*v)) <= std::numeric_limits<double>::min(), "underflow", text);
    }
    if (v) {
        const QString s = plnyFormat(*v, sep);
        const auto w = naCislo(s, sep);
        over(w && std::fabs(*w - *v) <= std::fabs(*v) * 5.000001e-15L, "full format does not read back", s);
    }
}

// A format's text: its digits, read back within `povoleno` of v, and the
// same text again for the value read back.
template <typename F>
long double zpet(F format, long double v, const Cislice& ocekavane, long double povoleno, QChar sep,
                 const QRegularExpression& tvar)
{
    const QString s = format(v);
    over(tvar.match(s).hasMatch(), "malformed", s);
    over(zobrazene(s, sep) == ocekavane, "other digits than the exact value rounded", s + " / " + ocekavane.text());
    const auto w = naCislo(s, sep);
    over(w.has_value(), "does not read back", s);
    over(std::fabs(*w - v) <= povoleno, "rounded too far", s + " / " + plnyFormat(v, u'.'));
    over(format(*w) == s, "not the same text for the value read back", s);
    return *w;
}

void formaty(Cteni& c, int sepIndex, QChar sep)
{
    const int desetin = int(c.cti(1)) - 20;
    const int presnost = int(c.cti(1) % 40) - 5;
    const int minExp = int(c.cti(1) % 16) - 3;
    long double a = dlouhe(c), b = dlouhe(c);
    if (b < a)
        std::swap(a, b);
    double g;
    const std::uint64_t bity = c.cti(8);
    std::memcpy(&g, &bity, sizeof g);

    Tvary& tv = tvary(sepIndex);
    const int d = std::clamp(desetin, 0, maxDesetin);
    const int p = std::clamp(presnost, 1, 18);
    const long double jednotka = 0.5L * std::pow(10.0L, -d);
    const long double ulp = std::ldexp(1.0L, -63);
    auto fixni = [&](long double x) { return fixniFormat(x, desetin, sep); };
    auto obecny = [&](long double x) { return obecnyFormat(x, presnost, minExp, sep); };
    auto plny = [&](long double x) { return plnyFormat(x, sep); };

    // Beyond a double, and below 1e-100, only the form is checked: texts
    // there read back as nothing or as zero, and 600 digits are not exact.
    auto vRozsahu = [](long double x) { return x == 0 || (std::fabs(x) <= 1e300L && std::fabs(x) >= 1e-100L); };
    const bool oba = vRozsahu(a) && vRozsahu(b);
    long double predchozi[3] = {};
    for (int k = 0; k < 2; ++k) {
        const long double v = k == 0 ? a : b;
        const long double m = std::fabs(v);
        if (!oba) {
            over(tv.fixni(d).match(fixni(v)).hasMatch(), "malformed", fixni(v));
            over(tv.obecne.match(obecny(v)).hasMatch(), "malformed", obecny(v));
            continue;
        }
        const Cislice x = presne(v);
        Cislice f8 = x, op = x, o15 = x;
        f8.zaokrouhli(8);
        if (f8.e <= 8)
            f8.zaokrouhli((long long)f8.e + d);
        op.zaokrouhli(p);
        o15.zaokrouhli(15);
        const long double f = zpet(fixni, v, f8, jednotka + m * (5e-8L + ulp), sep, tv.fixni(d));
        const long double o = zpet(obecny, v, op, m * (0.5L * std::pow(10.0L, 1 - p) + ulp), sep, tv.obecne);
        const long double pl = zpet(plny, v, o15, m * (5e-15L + ulp), sep, tv.obecne);
        // Rounding never turns a larger value into a smaller one.
        if (k == 1) {
            over(f >= predchozi[0], "fixed format not monotone", fixni(a) + " > " + fixni(b));
            over(o >= predchozi[1], "general format not monotone", obecny(a) + " > " + obecny(b));
            over(pl >= predchozi[2], "full format not monotone", plny(a) + " > " + plny(b));
        }
        predchozi[0] = f, predchozi[1] = o, predchozi[2] = pl;
    }

    if (std::isfinite(g) && (g == 0 || (std::fabs(g) < 1e300 && std::fabs(g) >= 1e-100))) {
        Cislice x = presne(g);
        x.zaokrouhli(15);
        x.zaokrouhli((long long)x.e + 5);
        x.zaokrouhli(3);
        auto grafovy = [&](long double y) { return grafovyFormat(double(y), sep); };
        zpet(grafovy, g, x, 5e-6L + std::fabs(g) * 5.0001e-3L, sep, tv.graf);
    } else {
        over(!grafovyFormat(g, sep).isEmpty(), "empty", QString());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t n)
{
    if (n == 0)
        return 0;
    static const QChar oddelovace[] = {QChar(','), QChar('.'), QChar(0x066b)};
    const int sepIndex = data[0] % 3;
    const QChar sep = oddelovace[sepIndex];
    const QByteArray bajty(reinterpret_cast<const char*>(data + 1), qsizetype(n - 1));
    textNaCislo(QString::fromLatin1(bajty), sepIndex, sep);
    textNaCislo(QString::fromUtf8(bajty), sepIndex, sep);
    Cteni c{data + 1, n - 1};
    formaty(c, sepIndex, sep);
    return 0;
}
