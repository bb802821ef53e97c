#pragma once

// While it lasts, Ctrl+C asks zuft-cli to stop what it is doing rather than to end: a player who
// presses it during a long restore wants the game back as it was, not the program gone.
class CtrlCStops {
public:
    CtrlCStops();
    CtrlCStops(const CtrlCStops &) = delete;
    CtrlCStops &operator=(const CtrlCStops &) = delete;
    ~CtrlCStops();

    static bool Pressed();
};
