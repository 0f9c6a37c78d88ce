// The help collection as a whole: links, the contents' reach, and every
// window's F1 and every index link opening a written topic.
#include "VortaTest.h"

#include "app/THlavniOkno.h"
#include "app/odkazy.h"
#include "app/start.h"
#include "app/tabulkaOken.h"
#include "shell/TNapoveda.h"
#include "shell/napoveda.h"
#include "shell/okna.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

namespace {

QString text(const QString& soubor)
{
    QFile f(QStringLiteral(":/help/") + soubor);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList temata() { return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files); }

} // namespace

class TestNapovedy : public QObject {
    Q_OBJECT
private slots:
    // Every link of every topic leads to a topic and an anchor that exist;
    // following links from the contents reaches every topic but the "not
    // written yet" page, whose links are checked after them.
    void odkazyTemat()
    {
        const QRegularExpression odkaz(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\"")); // links, pictures
        QStringList fronta{QStringLiteral("index.html")};
        bool zObsahu = true;
        for (int i = 0; i < fronta.size(); ++i) {
            const QString t = fronta[i];
            for (auto it = odkaz.globalMatch(text(t)); it.hasNext();) {
                const QString cil = it.next().captured(1);
                const QUrl url(cil);
                if (!url.scheme().isEmpty())
                    continue; // the web, opened by the user's browser
                const QString soubor = url.path().isEmpty() ? t : url.path();
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + soubor), qPrintable(t + " -> " + cil));
                const QRegularExpression kotva(
                    QStringLiteral("(?:id|name)\\s*=\\s*\"%1\"").arg(QRegularExpression::escape(url.fragment())));
                if (url.hasFragment())
                    QVERIFY2(kotva.match(text(soubor)).hasMatch(), qPrintable(t + " -> " + cil));
                if (soubor.endsWith(QLatin1String(".html")) && !fronta.contains(soubor))
                    fronta << soubor;
            }
            if (i + 1 == fronta.size() && std::exchange(zObsahu, false))
                for (const QString& tema : temata())
                    if (!fronta.contains(tema)) {
                        QCOMPARE(tema, QStringLiteral("nenapsano.html"));
                        fronta << tema;
                    }
        }
        QCOMPARE(fronta.size(), temata().size());
    }

    // Every window's F1 and every index link opens a written topic.
    void temataOkenAOdkazu()
    {
        vytvorOkna();
        const QString nenapsano = QString::fromLatin1(napoveda::nenapsano);
        int oken = 0;
        for (const TOkno& o : tabulkaOken::okna()) {
            QWidget* w = okna::najdi(QString::fromLatin1(o.trida));
            auto* f1 = w ? w->findChild<QAction*>(QStringLiteral("Help1")) : nullptr;
            if (!f1)
                continue; // the main window (its own item), the about window, the FFT spectrum
            QCOMPARE(f1->shortcut(), QKeySequence(Qt::Key_F1));
            f1->trigger();
            QVERIFY2(napoveda::prohlizec() && napoveda::prohlizec()->zobrazeno() != nenapsano, o.trida);
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
        zrusOkna();
    }
};

VORTA_TEST(TestNapovedy)
#include "test_napoveda.moc"
