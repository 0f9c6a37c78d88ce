#pragma once
// Test classes register themselves, so a subsystem's test program runs every
// class compiled into it without a list to keep in step.
#include <QObject>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

namespace vortatest {
using Tovarna = std::function<std::unique_ptr<QObject>()>;
std::vector<Tovarna>& registr();
inline bool registruj(Tovarna t)
{
    registr().push_back(std::move(t));
    return true;
}
} // namespace vortatest

#define VORTA_TEST(Trida)                                                                          \
    static const bool vorta_registrace_##Trida =                                                   \
        vortatest::registruj([] { return std::unique_ptr<QObject>(new Trida); });
