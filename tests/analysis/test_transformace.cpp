#include "VortaTest.h"
#include "grafyTestu.h"

#include "analysis/TDFR.h"
#include "analysis/TDFT.h"
#include "analysis/TDTFT.h"
#include "analysis/Tfrada.h"
#include "analysis/Ttransformace.h"
#include "analysis/transformace.h"
#include "core/cisla.h"
#include "entry/kreslic.h"

#include <QFile>
#include <QScrollBar>

#include <cmath>
#include <complex>
#include <functional>

using namespace transformace;
using vortatest::body;
using vortatest::pulz;

namespace {
using C = std::complex<double>;

C F(const Spektrum& s, int f) { return C(s.a(f), -s.b(f)) / 2.0; }

// The rectangle rule for int y(t) e^{-jwt} dt, summed directly.
C primo(const std::vector<float>& y, int M, double w)
{
    C s = 0;
    for (int i = 0; i < M; ++i)
        s += double(y[i]) * std::polar(1.0, -w * (double(i) / M - 0.5));
    return s / double(M);
}

// int_a^b e^{-jwt} dt
C obdelnik(double a, double b, double w)
{
    if (w == 0)
        return b - a;
    return (std::polar(1.0, -w * a) - std::polar(1.0, -w * b)) / C(0, w);
}

// The height of the stem at x in a stem graph (its line point).
double stonek(const TGraf* g, double x)
{
    for (const TBod& b : body(g))
        if (b.Styl > 0 && b.Styl != 201 && std::abs(b.x - x) < 1e-5)
            return b.y;
    return NAN;
}

std::vector<double> perioda(kreslic::Predloha p) { return kreslic::perioda(kreslic::predloha(p)); }
} // namespace

class TestTransformace : public QObject {
    Q_OBJECT
private slots:
    // Against the rectangle rule summed directly (tight), and against the closed-form transform at
    // the lower frequencies, where the rectangle rule is within w h / 2 of the integral.
    void uzavrenyTvar_data()
    {
        QTest::addColumn<int>("tvar");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("jednotkovy pulz") << 0 << 0.011;
        QTest::newRow("ctvrtina [0, 0.25)") << 1 << 0.011;
        QTest::newRow("trojuhelnik") << 2 << 1e-4;
    }
    void uzavrenyTvar()
    {
        QFETCH(int, tvar);
        QFETCH(double, tolerance);
        using Fn = std::function<double(double)>;
        const std::pair<Fn, std::function<C(double)>> tvary[] = {
            {[](double) { return 1.0; }, [](double w) { return obdelnik(-0.5, 0.5, w); }},
            {[](double t) { return t >= 0 && t < 0.25 ? 1.0 : 0.0; }, [](double w) { return obdelnik(0, 0.25, w); }},
            {[](double t) { return 1 - 2 * std::abs(t); },
             [](double w) { const double x = w / 4, sinc = x == 0 ? 1 : std::sin(x) / x; return C(0.5 * sinc * sinc); }},
        };
        const auto y = pulz(tvary[tvar].first);
        const Spektrum s = koeficienty(y, 600);
        for (int f = -MaxF; f <= MaxF; ++f) {
            const double w = double(omega(f));
            const QByteArray kde = QByteArray::number(f);
            QVERIFY2(std::abs(F(s, f) - primo(y, 600, w)) < 1e-9, kde);
            if (std::abs(f) <= 20)
                QVERIFY2(std::abs(F(s, f) - tvary[tvar].second(w)) < tolerance, kde);
        }
    }

    // The phase comes from A and -B rounded to thousandths.
    void fazeKvantovana()
    {
        const struct {
            double A, B, stupne;
        } pripady[] = {{0, 0, 0}, {-1, 0, 180}, {0.0004, 0.0004, 0}, {0.0004, 0.0006, -90}, {0.0004, -0.0006, 90}};
        for (const auto& p : pripady)
            QVERIFY2(std::abs(fazeStupne(p.A, p.B) - p.stupne) < 1e-9, qPrintable(QString::number(p.stupne)));
    }

    // Odd input: no samples at all, a single one, samples that are not numbers.
    void spatnyVstup()
    {
        const Spektrum nic = koeficienty({}, 0);
        for (int f = -MaxF; f <= MaxF; ++f)
            QVERIFY(nic.a(f) == 0 && nic.b(f) == 0);
        for (const TBod& b : transformace::rekonstrukce(nic, MaxStupen))
            QCOMPARE(b.y, 0.f);

        std::vector<float> y = pulz([](double t) { return t * t; }), cista = y;
        y[10] = std::nanf("");
        y[300] = INFINITY;
        cista[10] = cista[300] = 0;
        const Spektrum s = koeficienty(y, 600), c = koeficienty(cista, 600);
        for (int f = -MaxF; f <= MaxF; ++f)
            QVERIFY(s.a(f) == c.a(f) && s.b(f) == c.b(f));

        const Spektrum jeden = koeficienty(std::vector<float>{0.5f, 0.5f}, 1);
        QVERIFY(std::abs(jeden.a(0) - 1) < 1e-12);
        for (const TBod& b : modul(jeden, MaxStupen))
            QVERIFY(std::isfinite(b.y));
    }

    // An empty graph, and one that stops before the interval's end holding NaNs: every window shows finite points.
    void spatnyVstupOknem()
    {
        TGraf prazdny, kratky;
        for (int i = -50; i < 20; ++i)
            kratky.PridejBod(2, i / 100.0, i == 2 ? 1 : std::nan(""));
        Tfrada frada; TDFR dfr; TDTFT dtft; Ttransformace transformace; TDFT dft;
        for (TAnalyza* okno : std::initializer_list<TAnalyza*>{&frada, &dfr, &dtft, &transformace, &dft})
            for (const TGraf* g : {&prazdny, &kratky}) {
                okno->originDragDrop(g);
                for (const char* jmeno : {"origin", "obraz", "an", "bn"})
                    for (const TBod& b : body(okno->findChild<TGraf*>(jmeno)))
                        QVERIFY2(std::isfinite(b.x) && std::isfinite(b.y), jmeno);
            }
    }

    // The worked numbers of the help topics, as the windows show them with
    // the editor's presets; each must also stand in its topic.
    void cislaNapovedy()
    {
        QStringList chybi;
        auto over = [&chybi](const char* tema, double v, int desetin, const char* text) {
            const QString t = QString::fromUtf8(text);
            if (vorta::fixniFormat(v, desetin, u',') != t)
                chybi << QStringLiteral("%1: %2 shows %3").arg(tema, t, vorta::fixniFormat(v, desetin, u','));
            QFile f(QStringLiteral(":/help/") + QString::fromLatin1(tema));
            const QString obsah = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
            if (!obsah.contains(t) && !obsah.contains(QString(t).replace(u'-', QChar(0x2212))))
                chybi << QStringLiteral("%1 lacks %2").arg(tema, t);
        };
        const auto obd = perioda(kreslic::Predloha::Obdelnik);

        Ttransformace ft;
        ft.predejSignal(obd);
        const TGraf *an, *bn, *obraz;
        const auto grafy = [&](const QWidget& okno) {
            an = okno.findChild<TGraf*>("an"), bn = okno.findChild<TGraf*>("bn"), obraz = okno.findChild<TGraf*>("obraz");
        };
        grafy(ft);
        auto uF = [](const TGraf* g, int f) { return double(g->CtiBod(MaxF + f).y); };
        over("ftrans.html", uF(an, 0), 3, "0,500");
        over("ftrans.html", uF(bn, 5), 1, "45,1");
        over("ftrans.html", uF(an, 20), 3, "0,000");
        ft.findChild<QScrollBar*>("stupen")->setValue(0);
        over("ftrans.html", obraz->CtiBod(0).y, 2, "0,05");
        ft.findChild<QScrollBar*>("stupen")->setValue(200);
        double vrchol = -1;
        for (const TBod& b : body(obraz))
            vrchol = std::max(vrchol, double(b.y));
        over("ftrans.html", vrchol, 3, "1,082");

        TDTFT dtft;
        dtft.predejSignal(obd);
        grafy(dtft);
        auto uX = [](const TGraf* g, int k) { return double(g->CtiBod(11 + dtft::MaxK + k).y); };
        over("odtft.html", uX(an, 10), 2, "4,52");
        over("odtft.html", uX(bn, 10), 0, "-36");
        QVERIFY(std::abs(uX(an, 0) - 5) < 1e-5 && std::abs(uX(an, 40)) < 1e-5);
        dtft.findChild<QScrollBar*>("stupen")->setValue(0);
        over("odtft.html", stonek(obraz, 0), 3, "0,025");

        TDFR dfr;
        dfr.predejSignal(perioda(kreslic::Predloha::Sin));
        grafy(dfr);
        over("odfr.html", stonek(an, 1), 4, "0,5003");
        dfr.findChild<QScrollBar*>("stupen")->setValue(1);
        over("odfr.html", stonek(obraz, 0.25), 3, "0,500");

        TDFT dft;
        dft.predejSignal(obd);
        grafy(dft);
        over("odft.html", stonek(an, 1), 2, "6,39");
        over("odft.html", stonek(bn, 1), 0, "-81");
        QVERIFY(std::abs(stonek(an, 0) - 10) < 1e-5 && std::abs(stonek(an, 19) - stonek(an, 1)) < 1e-5);
        dft.findChild<QScrollBar*>("vzorku")->setValue(16);
        over("odft.html", stonek(an, 1), 2, "5,13");
        over("odft.html", stonek(bn, 1), 2, "-78,75");
        QVERIFY2(chybi.isEmpty(), qPrintable(chybi.join(QStringLiteral("; "))));
    }
};
VORTA_TEST(TestTransformace)
#include "test_transformace.moc"
