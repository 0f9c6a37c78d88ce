// Arbitrary bytes as the payload of a dragged graph.
#include "graf/tazeni.h"
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
    if (const auto o = vorta::graf::dekodujTazeni(QByteArrayView(data, qsizetype(n))))
        namaluj(o->body);
    return 0;
}
