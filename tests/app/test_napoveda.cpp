#include "VortaTest.h"

#include "app/TNapoveda.h"
#include "app/napoveda.h"

#include <QTextBrowser>
#include <QToolButton>

class TestNapoveda : public QObject {
    Q_OBJECT
private slots:
    void smerovani_data()
    {
        QTest::addColumn<QString>("tema");
        QTest::addColumn<QString>("soubor"); // empty = malformed
        QTest::addColumn<QString>("zdroj");
        const QString nen = QString::fromLatin1(napoveda::nenapsano);
        const QString idx = QStringLiteral(":/help/index.html");
        QTest::newRow("topic") << "mk:@MSITStore:VORTA.chm::/index.html" << "index.html" << idx;
        QTest::newRow("no slash") << "mk:@MSITStore:VORTA.chm::index.html" << "index.html" << idx;
        QTest::newRow("other case") << "mk:@MSITStore:vorta.chm::/INDEX.html" << "INDEX.html" << idx;
        QTest::newRow("not written") << "mk:@MSITStore:VORTA.chm::/neexistuje.html" << "neexistuje.html" << nen;
        QTest::newRow("htm") << "mk:@MSITStore:VORTA.chm::/index.htm" << "index.htm" << nen;
        QTest::newRow("empty") << "" << "" << nen;
        QTest::newRow("no path") << "mk:@MSITStore:VORTA.chm::" << "" << nen;
        QTest::newRow("slash only") << "mk:@MSITStore:VORTA.chm::/" << "" << nen;
        QTest::newRow("path only") << "/index.html" << "" << nen;
        QTest::newRow("other file") << "mk:@MSITStore:JINY.chm::/index.html" << "" << nen;
        QTest::newRow("parent folder") << "mk:@MSITStore:VORTA.chm::/../index.html" << "" << nen;
        QTest::newRow("subfolder") << "mk:@MSITStore:VORTA.chm::/a/index.html" << "" << nen;
        QTest::newRow("backslash") << "mk:@MSITStore:VORTA.chm::\\index.html" << "" << nen;
        QTest::newRow("trailing newline") << "mk:@MSITStore:VORTA.chm::/index.html\n" << "" << nen;
        QTest::newRow("query") << "mk:@MSITStore:VORTA.chm::/index.html?a=1" << "" << nen;
        QTest::newRow("double slash") << "mk:@MSITStore:VORTA.chm:://index.html" << "" << nen;
    }
    void smerovani()
    {
        QFETCH(QString, tema);
        QFETCH(QString, soubor);
        const auto s = napoveda::soubor(tema);
        QCOMPARE(s.has_value(), !soubor.isEmpty());
        if (s)
            QCOMPARE(*s, soubor);
        QTEST(napoveda::zdroj(tema), "zdroj");
    }

    void prohlizecSamostatnyZpetVpred()
    {
        napoveda::otevri(napoveda::tema("/index.html"));
        TNapoveda* p = napoveda::prohlizec();
        QVERIFY(p);
        QVERIFY(p->isWindow());
        QVERIFY(!p->parentWidget());
        QVERIFY(p->isVisible());
        QCOMPARE(p->zobrazeno(), QStringLiteral(":/help/index.html"));
        QVERIFY(p->prohlizec()->toPlainText().contains(QStringLiteral("obsah nápovědy")));

        // A link to a topic that has no file yet.
        emit p->prohlizec()->anchorClicked(QUrl(QStringLiteral("chybi.html")));
        QCOMPARE(p->zobrazeno(), QString::fromLatin1(napoveda::nenapsano));
        QVERIFY(p->prohlizec()->toPlainText().contains(QStringLiteral("Toto téma zatím není napsáno.")));

        auto* zpet = p->findChild<QToolButton*>("zpet");
        auto* vpred = p->findChild<QToolButton*>("vpred");
        QVERIFY(zpet && vpred);
        QVERIFY(zpet->isEnabled());
        QVERIFY(!vpred->isEnabled());
        zpet->click();
        QCOMPARE(p->zobrazeno(), QStringLiteral(":/help/index.html"));
        QVERIFY(vpred->isEnabled());
        vpred->click();
        QCOMPARE(p->zobrazeno(), QString::fromLatin1(napoveda::nenapsano));

        // The "not written" page links back to the contents.
        emit p->prohlizec()->anchorClicked(QUrl(QStringLiteral("index.html")));
        QCOMPARE(p->zobrazeno(), QStringLiteral(":/help/index.html"));

        // A second topic reuses the same viewer.
        napoveda::otevri(QStringLiteral("nesmysl"));
        QCOMPARE(napoveda::prohlizec(), p);
        QCOMPARE(p->zobrazeno(), QString::fromLatin1(napoveda::nenapsano));
        delete p;
        QVERIFY(!napoveda::prohlizec());
    }
};

VORTA_TEST(TestNapoveda)
#include "test_napoveda.moc"
