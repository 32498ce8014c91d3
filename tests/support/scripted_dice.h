#pragma once

#include <deque>
#include <initializer_list>

#include "game/random_source.h"

namespace quintix::testing {

// Faces in the order the dice will land. Running out is a fault of the test: the dice then show
// ones and RanOut tells the test so.
class TScriptedDice : public IRandomSource {
public:
    void Add(std::initializer_list<int> faces) { Faces.insert(Faces.end(), faces); }
    int Next36() override {
        if (Faces.empty()) {
            RanOut = true;
            return 0;
        }
        const int face = Faces.front();
        Faces.pop_front();
        return face - 1 + 6 * (Draws++ % 6);  // any r with r mod 6 + 1 = face
    }
    bool Empty() const { return Faces.empty(); }

    bool RanOut = false;

private:
    std::deque<int> Faces;
    int Draws = 0;
};

}  // namespace quintix::testing
