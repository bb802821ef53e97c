#include "CtrlC.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t pressed = 0;
struct sigaction before {};

void heard(int) {
    pressed = 1;
}

} // namespace

CtrlCStops::CtrlCStops() {
    pressed = 0;
    struct sigaction asked {};
    asked.sa_handler = heard;
    sigemptyset(&asked.sa_mask);
    sigaction(SIGINT, &asked, &before);
}

CtrlCStops::~CtrlCStops() {
    sigaction(SIGINT, &before, nullptr);
}

bool CtrlCStops::Pressed() {
    return pressed != 0;
}
