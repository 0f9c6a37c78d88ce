#include "VortaTest.h"

#include "continuous/Tposuv.h"
#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <cmath>

namespace {

QList<QPointF> body(const TGraf* g)
{
    QList<QPointF> b;
    for (int k = 0; k < g->PocetBodu(); ++k)
        b.append(QPointF(g->CtiBod(k).x, g->CtiBod(k).y));
    return b;
}

} // namespace

class TestPosuv : public QObject {
    Q_OBJECT

    std::unique_ptr<Tposuv> okno;
    TGraf *origin = nullptr, *posuv = nullptr;
    QComboBox* signal = nullptr;

    template <class T = QWidget> T* najdi(const char* jmeno)
    {
        T* w = okno->findChild<T*>(QString::fromLatin1(jmeno));
        return w ? w : (qFatal("missing control %s", jmeno), nullptr);
    }
    // A "1" for each of the boxes A, B and C drawn in red.
    QString cervene()
    {
        QString s;
        for (const char* e : {"A", "B", "C"})
            s += najdi<QLineEdit>(e)->palette().color(QPalette::Text) == QColor(Qt::red) ? u'1' : u'0';
        return s;
    }

private slots:
    void init()
    {
        okno = std::make_unique<Tposuv>();
        origin = najdi<TGraf>("origin");
        posuv = najdi<TGraf>("posuv");
        signal = najdi<QComboBox>("signal");
    }

    void vychoziStav()
    {
        const QStringList texty{okno->objectName(), okno->windowTitle(), origin->Nadpis(), posuv->Nadpis()};
        QCOMPARE(texty, QStringList({"posuv", "Posuv a násobení signálu", "Původní signál", "Posunutý signál"}));
        QCOMPARE(okno->size(), QSize(841, 353));
        QCOMPARE(signal->currentText(), QStringLiteral("Speciání"));
        QCOMPARE(cervene(), "000"); // the initial texts convert under the test's locale
        QCOMPARE(origin->PocetBodu(), 6);
        QCOMPARE(body(posuv).value(2), QPointF(-1, 1));
    }

    // Either box selects the shape in both; "2π" shows for sine and cosine
    // only, and the rest of the formula closes up without it.
    void vyberyVKroku_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 6; ++i)
            QTest::addRow("%d", i) << i;
    }
    void vyberyVKroku()
    {
        QFETCH(int, index);
        const bool dvePi = index == 1 || index == 2;
        const std::uint8_t kod[] = {8, 0, 1, 5, 6, 7}; // special, sine, cosine, rectangle, random 1 and 2
        const char* konce[] = {"p1", "p2", "p3", "C"};
        signal->setCurrentIndex(1); // start from the sine, where 2π shows
        QList<int> sPi;
        for (const char* j : konce)
            sPi << najdi(j)->x();
        najdi<QComboBox>("signal2")->setCurrentIndex(index);
        QCOMPARE(signal->currentIndex(), index);
        QCOMPARE(okno->aktualniTvar(), kod[index]);
        for (const char* l : {"ch1", "ch2", "ch3", "ch4"})
            QCOMPARE(najdi(l)->isVisibleTo(okno.get()), dvePi);
        for (int j = 0; j < 4; ++j)
            QCOMPARE(najdi(konce[j])->x(), sPi[j] - (dvePi ? 0 : 40));
        // Shown or not, the parts follow each other without overlapping and
        // the row stays inside its group box.
        const auto zaSebou = [this](QStringList jmena) {
            for (int j = 1; j < jmena.size(); ++j)
                if (najdi(qPrintable(jmena[j - 1]))->geometry().right() >= najdi(qPrintable(jmena[j]))->x())
                    return false;
            return true;
        };
        QVERIFY(zaSebou(dvePi ? QStringList{"signal", "ch1", "ch2", "p1"} : QStringList{"signal", "p1"}));
        QVERIFY(zaSebou(dvePi ? QStringList{"A", "signal2", "B", "ch3", "ch4", "p2", "C", "p3"}
                              : QStringList{"A", "signal2", "B", "p2", "C", "p3"}));
        QVERIFY(najdi("p3")->geometry().right() < najdi("GroupBox2")->width() - 2);
        signal->setCurrentIndex(index == 1 ? 2 : 1);
        QCOMPARE(najdi<QComboBox>("signal2")->currentIndex(), signal->currentIndex());
    }

    // Every entry and the longest number the limits accept are shown whole:
    // the ink of the drawn text is as wide as the text itself.
    void textyCele_data()
    {
        QTest::addColumn<QString>("prvek");
        QTest::addColumn<QString>("text");
        for (const char* c : {"signal", "signal2"})
            for (const char* t : {"Náhodný 1", "Náhodný 2", "Speciání"})
                QTest::addRow("%s %s", c, t) << c << QString::fromUtf8(t);
        for (const char* e : {"A", "B", "C"})
            QTest::addRow("%s", e) << e << QStringLiteral("-10") + vorta::desetinnyOddelovac() + u'1';
    }
    void textyCele()
    {
        QFETCH(QString, prvek);
        QFETCH(QString, text);
        QWidget* w = najdi(qPrintable(prvek));
        QRect oblast = w->rect().adjusted(3, 3, -3, -3);
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->setCurrentText(text);
            QStyleOptionComboBox o;
            o.initFrom(c);
            oblast = c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
        } else {
            auto* e = qobject_cast<QLineEdit*>(w);
            e->setText(text);
            // the room a line edit leaves for its text: inside the frame, less
            // its margins of 2 pixels a side and the cursor's pixel
            QStyleOptionFrame o;
            o.initFrom(e);
            o.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e);
            const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &o, e);
            const QMargins m = e->textMargins();
            QCOMPARE_GE(r.width() - m.left() - m.right() - 4 - 1, QFontMetrics(e->font()).horizontalAdvance(text));
        }
        const QImage img = w->grab().toImage();
        int vlevo = img.width(), vpravo = -1;
        for (int y = oblast.top(); y <= oblast.bottom(); ++y)
            for (int x = oblast.left(); x <= oblast.right(); ++x) {
                const QRgb b = img.pixel(x, y);
                if (std::min({qRed(b), qGreen(b), qBlue(b)}) < 170) // black or red text
                    vlevo = std::min(vlevo, x), vpravo = std::max(vpravo, x);
            }
        const int sirka = QFontMetrics(w->font()).tightBoundingRect(text).width();
        QVERIFY2(vpravo - vlevo + 1 >= sirka - 2, qPrintable(QString("%1 of %2").arg(vpravo - vlevo + 1).arg(sirka)));
        QVERIFY(vpravo < oblast.right());
    }

    // With A = 1, B = 1 and C = 0 the right graph is the left one, as the
    // graphs store the points, for every shape.
    void jednotkoveParametry()
    {
        for (int i = 0; i < 6; ++i) {
            signal->setCurrentIndex(i);
            QCOMPARE(body(posuv), body(origin));
        }
    }

    // Which boxes stay red and what the right-hand graph shows, after a
    // keystroke that turned all three red.
    void parametryVOkne_data()
    {
        QTest::addColumn<QStringList>("texty"); // '.' is the user's separator, '~' the other one
        QTest::addColumn<QString>("barvy");
        QTest::addColumn<double>("y"); // posuv at t = 0.125; NaN: left empty
        QTest::newRow("prijato") << QStringList{"-2.1", "2", "0"} << "000" << -2.1;
        QTest::newRow("A 2.11") << QStringList{"2.11", "1", "0"} << "100" << qQNaN();
        QTest::newRow("cizi oddelovac") << QStringList{"2", "2", "0~5"} << "001" << std::sin(M_PI / 4);
    }
    void parametryVOkne()
    {
        QFETCH(QStringList, texty);
        QFETCH(QString, barvy);
        QFETCH(double, y);
        const QChar sep = vorta::desetinnyOddelovac(), cizi = sep == u'.' ? u',' : u'.';
        signal->setCurrentIndex(1); // Sin
        QTest::keyClicks(najdi("A"), "x");
        QCOMPARE(cervene(), "111");
        for (const char* e : {"A", "B", "C"})
            najdi<QLineEdit>(e)->setText(texty.takeFirst().replace(u'.', sep).replace(u'~', cizi));
        QCOMPARE(cervene(), barvy);
        QCOMPARE(origin->PocetBodu(), 801);
        const bool nakreslen = posuv->PocetBodu() == 801 && std::abs(posuv->CtiBod(425).y - y) < 1e-5;
        QVERIFY(std::isnan(y) ? posuv->PocetBodu() == 0 : nakreslen);
    }

    void nahodnyVzorkyDrzi()
    {
        signal->setCurrentIndex(4); // Náhodný 1
        const QList<QPointF> puvodni = body(origin);
        najdi<QLineEdit>("A")->setText("-2");
        QCOMPARE(body(origin), puvodni);
        // the user choosing the shown entry again draws new samples
        QCoreApplication::processEvents();
        emit signal->activated(4);
        QVERIFY(body(origin) != puvodni);
        const QList<QPointF> druhe = body(origin);
        najdi<QComboBox>("signal2")->setCurrentIndex(5);
        najdi<QComboBox>("signal2")->setCurrentIndex(4);
        QVERIFY(body(origin) != druhe);
    }
};

VORTA_TEST(TestPosuv)
#include "test_posuv.moc"
