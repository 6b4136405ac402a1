#pragma once

// While the SDL display holds the screen, SIGTERM and SIGINT do not end the
// program at once: caught here (SDL's own handlers would turn them into a
// quit event), they reach the run as WM_QUIT, which ends it as Escape does,
// so that its report is kept and the display mode given back. When the last
// holder goes, the handlers in place before come back and a caught signal is
// raised again: the program then ends as on that signal at any other time.
// Made and destroyed on one thread.
class CSignalAufschub {
public:
    CSignalAufschub();
    ~CSignalAufschub();
    CSignalAufschub(const CSignalAufschub&) = delete;
    CSignalAufschub& operator=(const CSignalAufschub&) = delete;

    // True when a signal was caught and this holder has not yet reported it
    // taken (nehmen: reported now).
    bool Gefangen(bool nehmen);

private:
    bool m_genommen = false;
};
