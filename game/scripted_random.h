#pragma once

#include <deque>
#include <initializer_list>

#include "base/types.h"
#include "game/random_source.h"

namespace quintix {

// Dice that land on faces given in advance, in order: for tests, and for tools that set up a
// position to show. Once the faces run out the dice show ones, and RanOut says so.
class TScriptedRandom : public IRandomSource {
public:
    TScriptedRandom() = default;
    TScriptedRandom(std::initializer_list<int> faces) : Faces(faces) {}

    void Add(std::initializer_list<int> faces) { Faces.insert(Faces.end(), faces); }
    bool RanOut() const { return RanOutOfFaces; }

    // Any r with r mod 6 + 1 = face will do, so r varies: nothing may rely on more than the face.
    int Next36() override {
        if (Faces.empty()) {
            RanOutOfFaces = true;
            return 0;
        }
        const int face = Faces.front();
        Faces.pop_front();
        return face - 1 + NoOfFaces * (Draws++ % NoOfFaces);
    }

private:
    std::deque<int> Faces;
    int Draws = 0;
    bool RanOutOfFaces = false;
};

}  // namespace quintix
