#include "analysis/koreny.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Koreny::Koreny(int L) : m_L(std::max(L, 1)), m_cos(m_L), m_sin(m_L)
{
    constexpr long double DvePi = 2 * std::numbers::pi_v<long double>;
    // The first half by direct evaluation, the second half as its mirror
    // image, so that k and L - k give the same cosine and opposite sines.
    for (int k = 0; 2 * k <= m_L; ++k) {
        long double c, s;
        if (4LL * k == m_L) {
            c = 0;
            s = 1;
        } else if (2LL * k == m_L) {
            c = -1;
            s = 0;
        } else {
            const long double a = DvePi * k / m_L;
            c = std::cos(a);
            s = k == 0 ? 0 : std::sin(a);
        }
        m_cos[k] = c;
        m_sin[k] = s;
        if (k > 0 && 2 * k < m_L) {
            m_cos[m_L - k] = c;
            m_sin[m_L - k] = -s;
        }
    }
}
