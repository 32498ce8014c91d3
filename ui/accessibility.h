#pragma once

namespace quintix {

// Tells Qt's accessibility how to present the program's own widgets to a screen reader: the main
// window as a window, the score grids as tables, the dice as buttons. The application object does
// it once at start; a test that reads the widgets as a screen reader would does it once too.
void InstallAccessibility();

}  // namespace quintix
