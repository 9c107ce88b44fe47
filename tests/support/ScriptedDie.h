#pragma once

#include "core/Die.h"

#include <initializer_list>
#include <stdexcept>
#include <vector>

// A die that returns the faces it is given, in order, and fails the test
// when asked for more than it was given.
class ScriptedDie final : public fw::Die {
public:
    ScriptedDie() = default;
    ScriptedDie(std::initializer_list<int> faces) { push(faces); }

    void push(std::initializer_list<int> faces)
    {
        for (int face : faces)
            m_faces.push_back(static_cast<std::int16_t>(face));
    }
    void push(const std::vector<int> &faces)
    {
        for (int face : faces)
            m_faces.push_back(static_cast<std::int16_t>(face));
    }
    std::int16_t RollDie() override
    {
        if (m_next >= m_faces.size())
            throw std::runtime_error("the scripted die ran out of faces");
        return m_faces[m_next++];
    }
    std::size_t rolled() const { return m_next; }
    std::size_t left() const { return m_faces.size() - m_next; }

private:
    std::vector<std::int16_t> m_faces;
    std::size_t m_next = 0;
};
