#pragma once
// cos and sin of 2 pi k / L for every whole k, looked up in one table of L
// entries. Every transform of the analysis windows samples its angles on such
// a grid, so the angle is exact (an integer k reduced modulo L) before it is
// looked up, the sums need no trigonometric call, and the symmetries the
// spectra rely on hold exactly: cos(-a) == cos(a), sin(-a) == -sin(a), and the
// quarter turns give exact 0 and +-1.
#include <vector>

class Koreny {
public:
    explicit Koreny(int L);

    int delka() const { return m_L; }
    int index(long long k) const
    {
        long long r = k % m_L;
        return int(r < 0 ? r + m_L : r);
    }
    long double cos(long long k) const { return m_cos[index(k)]; }
    long double sin(long long k) const { return m_sin[index(k)]; }
    // For callers that step through the table themselves (0 <= i < L).
    const long double* cosy() const { return m_cos.data(); }
    const long double* siny() const { return m_sin.data(); }

private:
    int m_L;
    std::vector<long double> m_cos, m_sin;
};
