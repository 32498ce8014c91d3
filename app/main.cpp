// Quintix: the program entry.
#include "app/program.h"

int main(int argc, char** argv) {
    std::jthread fonts = quintix::StartReadingFonts();
    quintix::TQuintixApplication application(argc, argv);
    fonts.join();
    return quintix::RunQuintix(application);
}
