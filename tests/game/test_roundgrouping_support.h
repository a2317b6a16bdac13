// Shared by the tests of the playing-group dialog and of the game window's
// grouping command: a random source that hands out a fixed sequence.
#pragma once

#include "game/frmRoundGrouping.h"

#include <memory>
#include <vector>

namespace grouptest {

// Hands out the numbers whose random tails (six digits) are the given ones,
// in order, then starts again; counts the numbers drawn.
class FixedTails : public RGRandomSource {
public:
    explicit FixedTails(std::vector<int> tails, int* drawn = nullptr) : m_tails(std::move(tails)), m_drawn(drawn) {}

    double next() override
    {
        const int tail = m_tails.empty() ? 0 : m_tails[m_next++ % m_tails.size()];
        if (m_drawn)
            ++*m_drawn;
        // The middle of the tail's interval: no rounding can move it.
        return (tail + 0.5) / 999999.0;
    }

private:
    std::vector<int> m_tails;
    size_t m_next = 0;
    int* m_drawn = nullptr;
};

inline std::unique_ptr<RGRandomSource> fixedTails(std::vector<int> tails, int* drawn = nullptr)
{
    return std::make_unique<FixedTails>(std::move(tails), drawn);
}

}  // namespace grouptest
