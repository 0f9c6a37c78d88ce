#include "VortaTest.h"

#include "graf/pisma.h"

#include <QApplication>

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
    vorta::nastavPisma();
    int chyb = 0;
    for (const auto& tovarna : vortatest::registr()) {
        auto test = tovarna();
        chyb += QTest::qExec(test.get(), argc, argv);
    }
    return chyb == 0 ? 0 : 1;
}
