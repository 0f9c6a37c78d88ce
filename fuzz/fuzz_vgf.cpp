// Arbitrary bytes as a graph file.
#include "graf/vgf.h"
#include "malovani.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    zalozAplikaci();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t n)
{
    const auto v = vorta::graf::dekodujVgf(QByteArrayView(data, qsizetype(n)));
    if (v.stav == vorta::graf::StavNacteni::Ok || v.stav == vorta::graf::StavNacteni::Zkraceny)
        namaluj(v.zaznamy);
    return 0;
}
