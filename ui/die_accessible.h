#pragma once

#include <QString>

namespace quintix {

class TDiePanel;

// What a screen reader says of die `number` showing `face` (0 while it shows none), e.g. "Die 3:
// five, marked to roll again". The one place these words are made.
QString DieSpokenName(int number, int face, bool marked);

// Makes every die panel a button to assistive technology, named as above, whose press action
// clicks the die. See InstallAccessibility.
void InstallDieAccessibility();

// The die's face or mark changed: its name now reads differently.
void DieChanged(TDiePanel& panel);

}  // namespace quintix
