#pragma once

#include <functional>
#include <thread>

#include "ui/quintix_application.h"

namespace quintix {

// Starts reading the system's font configuration on a worker: it is the longest step of the
// window's first text, and can go on while the application connects to the display. Join the
// thread before the first window is made.
std::jthread StartReadingFonts();

// The whole program on an application object already made: its services, its windows and its
// event loop, until the main window closes. Gives the event loop's result. whenRunning, if given,
// is called at the loop's first turn, once the window is on screen: the start-up benchmark leaves
// there, so that it measures exactly the program's own start.
int RunQuintix(TQuintixApplication& application, const std::function<void()>& whenRunning = {});

}  // namespace quintix
