// The graph as the user handles it: a drag started by a real press and
// move of the mouse, and the real file dialogs with the folder, file name,
// filter and default extension they remember.
#include "VortaTest.h"

#include "graf/TDialogyGrafu.h"
#include "graf/TGraf.h"
#include "graf/tazeni.h"

#include <QComboBox>
#include <QDrag>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>

using namespace vorta::graf;

namespace {

// Runs `co` on the file dialog as soon as one is shown (the dialog's own
// event loop runs the timer), then lets the dialog go on.
void vDialogu(std::function<void(QFileDialog&)> co)
{
    auto* casovac = new QTimer;
    casovac->setInterval(10);
    QObject::connect(casovac, &QTimer::timeout, casovac, [casovac, co] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                casovac->stop();
                casovac->deleteLater();
                co(*d);
                if (d->isVisible()) // a check in `co` failed: never leave the test waiting
                    d->reject();
                return;
            }
    });
    casovac->start();
}

// Types a name into the dialog and confirms it, as the user would.
void napisAPotvrd(QFileDialog& d, const QString& jmeno)
{
    auto* pole = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(pole);
    pole->setText(jmeno);
    QTest::keyClick(pole, Qt::Key_Return);
}

} // namespace

class TestOvladani : public QObject {
    Q_OBJECT
    QTemporaryDir m_slozka;

private slots:
    void tazeni_data()
    {
        QTest::addColumn<bool>("automaticky"); // the graph's drag mode
        QTest::addColumn<int>("posun");        // how far the mouse moves with the button held; -1: released first
        QTest::addColumn<bool>("tazeno");
        const int d = QApplication::startDragDistance();
        QTest::newRow("press and move") << true << d + 1 << true;
        QTest::newRow("press and move exactly the distance") << true << d << true;
        QTest::newRow("click without moving") << true << 0 << false;
        QTest::newRow("move short of the distance") << true << d - 1 << false;
        QTest::newRow("click, then move without the button") << true << -1 << false;
        QTest::newRow("no automatic drag mode") << false << d + 10 << false;
    }
    // A drag starts only from a press and a move of the left button far
    // enough, and carries this graph's points and number.
    void tazeni()
    {
        QFETCH(bool, automaticky);
        QFETCH(int, posun);
        QFETCH(bool, tazeno);
        TGraf g;
        g.resize(200, 120);
        g.setAutomatickeTazeni(automaticky);
        for (const TBod& b : {TBod{1, 2, 0}, {3, 4, 2}})
            g.PridejZaznam(b);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        bool zacato = false;
        QByteArray nesene;
        // While a drag runs, its own event loop runs this; then the drag is
        // called off.
        QTimer::singleShot(0, &g, [&] {
            if (auto* drag = g.findChild<QDrag*>()) {
                zacato = true;
                nesene = drag->mimeData()->data(mimeTazeni);
                QDrag::cancel();
            }
        });
        const QPoint start(60, 60);
        QTest::mousePress(&g, Qt::LeftButton, {}, start);
        if (posun < 0)
            QTest::mouseRelease(&g, Qt::LeftButton, {}, start);
        QTest::mouseMove(&g, start + QPoint(std::abs(posun) + (posun < 0 ? 30 : 0), 0));
        QCoreApplication::processEvents();
        if (posun >= 0)
            QTest::mouseRelease(&g, Qt::LeftButton, {}, start);
        QCOMPARE(zacato, tazeno);
        if (tazeno) {
            const auto obsah = dekodujTazeni(nesene);
            QVERIFY(obsah);
            QVERIFY(obsah->proces == QCoreApplication::applicationPid() && obsah->graf == g.cisloGrafu());
            QCOMPARE(int(obsah->body.size()), 2);
            QVERIFY(obsah->body[1].x == 3 && obsah->body[1].Styl == 2);
        }
    }

    // A typed name without an extension gets the default one; the dialog
    // remembers the folder, the name and the filter, and opens with them
    // next time. Choosing the PNG filter makes ".png" the default.
    void dialogy()
    {
        QDir(m_slozka.path()).mkdir(QStringLiteral("jinde"));
        const QString jinde = m_slozka.filePath(QStringLiteral("jinde"));
        StavDialogu stav{{"Bitmap (*.bmp)", "PNG (*.png)", "Vše (*)"}, "bmp", m_slozka.path(), {}, {}};
        TDialogyGrafu dialogy;

        vDialogu([&](QFileDialog& d) {
            QCOMPARE(QDir(d.directory()).absolutePath(), QDir(m_slozka.path()).absolutePath());
            QCOMPARE(d.selectedNameFilter(), QStringLiteral("Bitmap (*.bmp)"));
            napisAPotvrd(d, jinde + QStringLiteral("/graf"));
        });
        QCOMPARE(dialogy.ulozit(nullptr, stav), jinde + QStringLiteral("/graf.bmp"));
        QCOMPARE(stav.slozka, jinde);
        QCOMPARE(stav.soubor, QStringLiteral("graf.bmp"));

        vDialogu([&](QFileDialog& d) {
            QCOMPARE(QDir(d.directory()).absolutePath(), QDir(jinde).absolutePath());
            QCOMPARE(d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), QStringLiteral("graf.bmp"));
            auto* typy = d.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(typy);
            QTest::keyClick(typy, Qt::Key_Down); // the next filter, as the user picks it
            napisAPotvrd(d, QStringLiteral("obrazek"));
        });
        QCOMPARE(dialogy.ulozit(nullptr, stav), jinde + QStringLiteral("/obrazek.png"));
        QCOMPARE(stav.filtr, QStringLiteral("PNG (*.png)"));

        vDialogu([&](QFileDialog& d) {
            QCOMPARE(d.selectedNameFilter(), QStringLiteral("PNG (*.png)"));
            QCOMPARE(d.defaultSuffix(), QStringLiteral("png"));
            d.reject();
        });
        QCOMPARE(dialogy.ulozit(nullptr, stav), QString());
        QCOMPARE(stav.slozka, jinde); // a cancelled dialog remembers nothing

        // The open dialog adds nothing to a name, and takes only a file
        // that exists.
        {
            QFile f(jinde + QStringLiteral("/graf.bmp"));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        StavDialogu otevreni{{"Soubor s grafy (*.vgf)", "Vše (*)"}, {}, jinde, {}, {}};
        vDialogu([&](QFileDialog& d) {
            QVERIFY(d.defaultSuffix().isEmpty());
            napisAPotvrd(d, QStringLiteral("graf.bmp"));
        });
        QCOMPARE(dialogy.otevrit(nullptr, otevreni), jinde + QStringLiteral("/graf.bmp"));
    }
};

VORTA_TEST(TestOvladani)
#include "test_ovladani.moc"
