#pragma once
// The graphs of a window that one step repaints, each painted into an image of
// its own size, the way the screen would show them after the handler ran.
#include <QImage>
#include <initializer_list>
#include <vector>

class QWidget;
class TGraf;

namespace bench {

class Platno {
public:
    Platno(const QWidget& okno, std::initializer_list<const char*> grafy);
    void vykresli();

private:
    std::vector<TGraf*> m_grafy;
    std::vector<QImage> m_obrazy;
};

} // namespace bench
