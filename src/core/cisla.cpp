#include "core/cisla.h"

#include <QLocale>
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace vorta {

QChar desetinnyOddelovac()
{
    const QString s = QLocale::system().decimalPoint();
    return s.isEmpty() ? QChar('.') : s.front();
}

long double zaokrouhli(long double v)
{
    // nearbyint follows the current rounding mode; the program never changes
    // it from the default, which is to nearest with ties to even.
    return std::nearbyintl(v);
}

long double orizni(long double v) { return std::truncl(v); }

static int naIntOmezene(long double v, int limit)
{
    if (std::isnan(v))
        return 0;
    if (v > limit)
        return limit;
    if (v < -limit)
        return -limit;
    return static_cast<int>(v);
}

int zaokrouhliNaInt(long double v, int limit) { return naIntOmezene(zaokrouhli(v), limit); }
int orizniNaInt(long double v, int limit) { return naIntOmezene(orizni(v), limit); }

std::optional<long double> naCislo(QStringView text, QChar oddelovac)
{
    qsizetype i = 0, n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    while (n > i && text[n - 1].isSpace())
        --n;
    std::string c; // the number rewritten for strtold with a dot
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        c += char(text[i++].unicode());
    int cislic = 0;
    auto ctiCislice = [&] {
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            c += char(text[i++].unicode());
            ++cislic;
        }
    };
    ctiCislice();
    if (i < n && text[i] == oddelovac) {
        c += '.';
        ++i;
        ctiCislice();
    }
    if (cislic == 0)
        return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        c += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            c += char(text[i++].unicode());
        const int pred = cislic;
        ctiCislice();
        if (cislic == pred)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    errno = 0;
    const long double v = std::strtold(c.c_str(), nullptr);
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<double>::max())
        return std::nullopt;
    return v;
}

std::optional<long double> naCislo(QStringView text) { return naCislo(text, desetinnyOddelovac()); }

namespace {

// The decimal digits of |v| rounded to `presnost` significant digits, and the
// exponent e such that |v| = 0.d1d2d3... x 10^e. Zero gives no digits.
struct Desetinne {
    std::string cislice;
    int exponent = 0;
};

Desetinne rozloz(long double v, int presnost)
{
    Desetinne d;
    if (v == 0 || !std::isfinite(v))
        return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", presnost - 1, std::fabs(v));
    // buf: d.dddde[+-]xx
    std::string s(buf);
    const auto e = s.find('e');
    for (size_t k = 0; k < e; ++k)
        if (s[k] != '.')
            d.cislice += s[k];
    d.exponent = std::atoi(s.c_str() + e + 1) + 1;
    while (!d.cislice.empty() && d.cislice.back() == '0')
        d.cislice.pop_back();
    return d;
}

QString neKonecne(long double v)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString obecnyFormat(long double v, int presnost, int minCislicExponentu, QChar oddelovac)
{
    if (!std::isfinite(v))
        return neKonecne(v);
    const Desetinne d = rozloz(v, presnost);
    if (d.cislice.empty())
        return QStringLiteral("0");
    QString s;
    if (v < 0)
        s += u'-';
    const int e = d.exponent;
    const int k = int(d.cislice.size());
    if (e <= presnost && e >= -3) {
        if (e <= 0) {
            s += u'0';
            s += oddelovac;
            s += QString(-e, u'0');
            s += QString::fromLatin1(d.cislice.c_str());
        } else if (k <= e) {
            s += QString::fromLatin1(d.cislice.c_str());
            s += QString(e - k, u'0');
        } else {
            s += QString::fromLatin1(d.cislice.c_str(), e);
            s += oddelovac;
            s += QString::fromLatin1(d.cislice.c_str() + e);
        }
        return s;
    }
    s += QChar(d.cislice[0]);
    if (k > 1) {
        s += oddelovac;
        s += QString::fromLatin1(d.cislice.c_str() + 1);
    }
    s += u'E';
    const int exp = e - 1;
    if (exp < 0)
        s += u'-';
    QString cisliceExp = QString::number(std::abs(exp));
    if (cisliceExp.size() < minCislicExponentu)
        cisliceExp.prepend(QString(minCislicExponentu - cisliceExp.size(), u'0'));
    s += cisliceExp;
    return s;
}

QString fixniFormat(long double v, int desetin, QChar oddelovac)
{
    constexpr int presnost = 8;
    if (!std::isfinite(v))
        return neKonecne(v);
    const Desetinne d = rozloz(v, presnost);
    if (d.exponent > presnost)
        return obecnyFormat(v, presnost, desetin, oddelovac);
    // The value rounded to 8 significant digits, then to the decimals asked
    // for; the second rounding works on the exact decimal digits.
    const std::string cela = d.cislice.empty() ? std::string("0") : d.cislice;
    long double r = 0;
    {
        std::string t = "0." + cela + "e" + std::to_string(d.exponent);
        r = std::strtold(t.c_str(), nullptr);
    }
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*Lf", desetin, r);
    QString s = QString::fromLatin1(buf);
    bool nula = true;
    for (QChar ch : s)
        if (ch.isDigit() && ch != u'0')
            nula = false;
    if (v < 0 && !nula)
        s.prepend(u'-');
    s.replace(u'.', oddelovac);
    return s;
}

QString fixniFormat(long double v, int desetin) { return fixniFormat(v, desetin, desetinnyOddelovac()); }

QString grafovyFormat(double v, QChar oddelovac)
{
    const long double r = zaokrouhli(static_cast<long double>(v) * 100000.0L) / 100000.0L;
    return obecnyFormat(r, 3, 2, oddelovac);
}

QString plnyFormat(long double v, QChar oddelovac) { return obecnyFormat(v, 15, 0, oddelovac); }

} // namespace vorta
