#include "VortaTest.h"

#include "graf/pisma.h"

#include <QApplication>
#include <QLocale>
#include <clocale>
#include <cstdio>

namespace vortatest {
std::vector<Tovarna>& registr()
{
    static std::vector<Tovarna> r;
    return r;
}
} // namespace vortatest

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // QApplication has set the C library's locale from the environment, as
    // on a user's desktop. If that locale is not installed the C library
    // quietly stays in "C" and a run meant to be Czech or German would test
    // nothing of it: refuse instead.
    if (!std::setlocale(LC_ALL, "")) {
        std::fprintf(stderr, "The locale of the environment (LC_ALL=%s LANG=%s) is not installed; "
                             "scripts/setup generates it.\n",
                     qgetenv("LC_ALL").constData(), qgetenv("LANG").constData());
        return 2;
    }
    const QString cTecka = QString::fromLocal8Bit(std::localeconv()->decimal_point);
    if (cTecka != QLocale::system().decimalPoint()) {
        std::fprintf(stderr, "The C library's decimal point '%s' is not the locale's '%s' (%s).\n",
                     qPrintable(cTecka), qPrintable(QLocale::system().decimalPoint()),
                     qPrintable(QLocale::system().name()));
        return 2;
    }
    vorta::nastavPisma();
    // VORTA_TEST_TRIDY="TestA,TestB" runs only those classes (the thread
    // sanitizer's run of the worker's tests, say).
    const QStringList vybrane = qEnvironmentVariable("VORTA_TEST_TRIDY").split(u',', Qt::SkipEmptyParts);
    int chyb = 0;
    for (const auto& tovarna : vortatest::registr()) {
        auto test = tovarna();
        if (!vybrane.isEmpty() && !vybrane.contains(QLatin1String(test->metaObject()->className())))
            continue;
        chyb += QTest::qExec(test.get(), argc, argv);
    }
    return chyb == 0 ? 0 : 1;
}
