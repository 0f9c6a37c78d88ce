// The help collection as a whole: every link of every topic leads to a topic
// and an anchor that exist, every topic is reachable from the contents, and
// every window's F1 and every link of the main window's index open a written
// topic, never the "not written yet" page.
#include "VortaTest.h"

#include "app/THlavniOkno.h"
#include "app/odkazy.h"
#include "app/start.h"
#include "app/tabulkaOken.h"
#include "shell/TNapoveda.h"
#include "shell/napoveda.h"
#include "shell/okna.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {

QString text(const QString& soubor)
{
    QFile f(QStringLiteral(":/help/") + soubor);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList temata()
{
    QStringList v;
    QDirIterator it(QStringLiteral(":/help"));
    while (it.hasNext()) {
        it.next();
        if (it.fileName().endsWith(QLatin1String(".html")))
            v << it.fileName();
    }
    v.sort();
    return v;
}

// The targets of a topic's links and pictures, as written.
QStringList cile(const QString& html)
{
    static const QRegularExpression odkaz(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""));
    QStringList v;
    for (auto it = odkaz.globalMatch(html); it.hasNext();)
        v << it.next().captured(1);
    return v;
}

bool maKotvu(const QString& html, const QString& kotva)
{
    const QRegularExpression r(QStringLiteral("(?:id|name)\\s*=\\s*\"%1\"").arg(QRegularExpression::escape(kotva)));
    return r.match(html).hasMatch();
}

} // namespace

class TestNapovedy : public QObject {
    Q_OBJECT
private slots:
    void odkazyTemat()
    {
        const QStringList vsechna = temata();
        QVERIFY(vsechna.contains(QStringLiteral("index.html")));
        for (const QString& t : vsechna) {
            const QString html = text(t);
            for (const QString& cil : cile(html)) {
                const QUrl url(cil);
                if (!url.scheme().isEmpty())
                    continue; // the web, opened by the user's browser
                const QString soubor = url.path().isEmpty() ? t : url.path();
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + soubor), qPrintable(t + " -> " + cil));
                if (url.hasFragment())
                    QVERIFY2(maKotvu(text(soubor), url.fragment()), qPrintable(t + " -> " + cil));
            }
        }
    }

    void obsahJeUplny()
    {
        // Every topic is reached from the contents by following links.
        QSet<QString> dosazena{QStringLiteral("index.html")};
        QStringList fronta{QStringLiteral("index.html")};
        while (!fronta.isEmpty()) {
            const QString t = fronta.takeFirst();
            for (const QString& cil : cile(text(t))) {
                const QString soubor = QUrl(cil).path();
                if (soubor.endsWith(QLatin1String(".html")) && !dosazena.contains(soubor)) {
                    dosazena.insert(soubor);
                    fronta << soubor;
                }
            }
        }
        for (const QString& t : temata())
            if (t != QLatin1String("nenapsano.html"))
                QVERIFY2(dosazena.contains(t), qPrintable(t));
    }

    void temataOkenAOdkazu()
    {
        THlavniOkno* hlavni = vytvorOkna();
        const QString nenapsano = QString::fromLatin1(napoveda::nenapsano);
        int oken = 0;
        for (const TOkno& o : tabulkaOken::okna()) {
            QWidget* w = okna::najdi(QString::fromLatin1(o.trida));
            if (!w)
                continue;
            auto* f1 = w->findChild<QAction*>(QStringLiteral("Help1"));
            if (!f1)
                continue; // the main window (its own item), the about window, the FFT spectrum
            QCOMPARE(f1->shortcut(), QKeySequence(Qt::Key_F1));
            f1->trigger();
            QVERIFY(napoveda::prohlizec());
            QVERIFY2(napoveda::prohlizec()->zobrazeno() != nenapsano, o.trida);
            ++oken;
        }
        QCOMPARE(oken, 17); // every window but the main window, the about window and the FFT spectrum
        for (int i = 0; i < odkazy::pocet(); ++i) {
            const TOdkaz& o = odkazy::tabulka()[i];
            if (o.Druh != TDruh::Odkaz || !okna::najdi(o.Akce))
                continue;
            for (const QString& tema : {o.Navod, o.Teorie})
                if (!tema.isEmpty())
                    QVERIFY2(napoveda::zdroj(napoveda::tema(tema)) != nenapsano, qPrintable(o.Nazev + " " + tema));
        }
        delete napoveda::prohlizec();
        Q_UNUSED(hlavni);
        zrusOkna();
    }
};

VORTA_TEST(TestNapovedy)
#include "test_napoveda.moc"
