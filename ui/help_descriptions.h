#pragma once

class QWidget;

namespace quintix {

// Gives each control of `window` that has a help context the words of its help page as its
// accessible description, once assistive technology is active; until then no page is read, so
// the start-up pays nothing for it.
void DescribeFromHelp(QWidget& window);

}  // namespace quintix
