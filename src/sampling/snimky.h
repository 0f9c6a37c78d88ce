#pragma once
// The rules of the wheel's frame clock, apart from any real timer, so that
// they can be checked against a clock the test moves by hand.
#include <QChar>
#include <QString>
#include <cstdint>

namespace snimky {

constexpr int MinZaSekundu = 1;
constexpr int MaxZaSekundu = 50;

// Milliseconds between frames for a requested rate: 1000 / rate, halves to
// the even neighbour (16 -> 62 ms). A rate outside 1 ... 50 counts as the
// nearer end.
int interval(int zaSekundu);

// The measured rate: frames since the last measurement times 1000 over the
// milliseconds elapsed, rounded; measured again at the first frame at least
// 1000 ms after the last measurement. Reads 0 until the first measurement.
class Mereni {
public:
    // A new measuring window starting at `ms`; the rate shown so far stays.
    void zacni(std::int64_t ms);
    // Counts one frame at `ms`; true when it closed a measuring window.
    bool snimek(std::int64_t ms);
    int fps() const { return m_fps; }

private:
    std::int64_t m_od = 0;
    std::int64_t m_pocet = 0;
    int m_fps = 0;
};

// The labels of the wheel window: "25 FPS", "1°", "0,02 rad".
QString popisFps(int fps);
QString popisStupnu(int stupnu);
QString popisRadianu(int stupnu, QChar oddelovac);

} // namespace snimky
