#include "Platno.h"

#include "graf/TGraf.h"

#include <QPainter>
#include <stdexcept>

namespace bench {

Platno::Platno(const QWidget& okno, std::initializer_list<const char*> grafy)
{
    for (const char* jmeno : grafy) {
        auto* g = okno.findChild<TGraf*>(QString::fromLatin1(jmeno));
        if (!g)
            throw std::runtime_error(std::string("no graph named ") + jmeno);
        m_grafy.push_back(g);
        m_obrazy.emplace_back(g->size(), QImage::Format_RGB32);
    }
}

void Platno::vykresli()
{
    for (std::size_t i = 0; i < m_grafy.size(); ++i) {
        QPainter p(&m_obrazy[i]);
        m_grafy[i]->vykresli(p);
    }
}

} // namespace bench
