#ifndef MAXHOLD_H
#define MAXHOLD_H

#include <array>

// The largest of the last N values pushed, never below 0: the short
// max-hold behind a peak marker, one value per tick.
template <int N>
class MaxHold
{
public:
    // Stores the value in the next slot and returns the hold.
    float push(float value)
    {
        m_values[m_next] = value;
        m_next = (m_next + 1) % N;
        return hold();
    }
    float hold() const
    {
        float largest = 0.0f;
        for (float v : m_values) {
            if (v > largest)
                largest = v;
        }
        return largest;
    }
    void clear()
    {
        m_values.fill(0.0f);
        m_next = 0;
    }
    int nextSlot() const { return m_next; }

private:
    std::array<float, N> m_values{};
    int m_next = 0;
};

#endif
