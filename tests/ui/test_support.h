#pragma once

#include <QKeyEvent>
#include <QTest>
#include <deque>
#include <initializer_list>

#include "game/random_source.h"

namespace quintix::testing {

// Faces in the order the dice will land; running out gives ones and is reported.
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
        return face - 1;
    }
    bool RanOut = false;

private:
    std::deque<int> Faces;
};

}  // namespace quintix::testing
