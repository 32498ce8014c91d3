// quintix-probe: answers requests about the rules and the computer player's estimates, one line
// per request, so the core can be checked from outside. See tools/probe_requests.h.
#include <iostream>
#include <string>

#include "tools/probe_requests.h"

int main() {
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (const auto answer = quintix::AnswerProbeRequest(line)) {
            std::cout << *answer << '\n' << std::flush;
        }
    }
    return 0;
}
