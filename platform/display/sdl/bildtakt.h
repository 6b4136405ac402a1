#pragma once

// When a flipped frame is presented: retraces on a fixed clock at the mode's
// period. The period and the clock's phase follow only presents that waited
// for a retrace (vsync); the present starts the lead before the frame's
// retrace, the lead taken from the measured cost of presenting. Pure
// arithmetic on the times it is given, so the rule can be driven by a
// simulated clock.

#include <array>
#include <chrono>
#include <cstddef>

class CBildtakt {
public:
    using Uhr = std::chrono::steady_clock;
    using Zeit = Uhr::time_point;
    using Dauer = Uhr::duration;

    // A new window: the nominal period, no frame shown yet.
    void Beginnen(Dauer nominal, bool vsync);
    // The retrace a frame flipped at jetzt is for: the one after the last
    // frame's on the clock, or the first the present can still meet. With
    // vsync a late frame skips to a later retrace on the same phase; without,
    // only a frame a period late or more does.
    Zeit Einreihen(Zeit jetzt);
    // When the present of the queued frame starts.
    Zeit Beginn() const { return m_faellig - Vorlauf(); }
    bool Faellig(Zeit jetzt) const { return jetzt >= Beginn(); }
    // A present ran from start; drawing done at gezeichnet (with vsync it
    // then waited for the retrace), back at ende.
    void Gezeigt(Zeit start, Zeit gezeichnet, Zeit ende);

    Dauer Vorlauf() const;
    Dauer Periode() const { return m_periode; }
    Dauer Nominal() const { return m_nominal; }
    bool MitVsync() const { return m_vsync; }
    Zeit FaelligAm() const { return m_faellig; }

private:
    bool m_vsync = false;
    Dauer m_nominal = std::chrono::microseconds(16667);
    Dauer m_periode = m_nominal;
    Dauer m_kosten = std::chrono::milliseconds(2); // of a present, without its wait
    std::array<Dauer, 64> m_dauern{}; // of the latest presents
    size_t m_dauerIndex = 0;
    Dauer m_zuschlag{}; // added for each retrace missed
    Zeit m_faellig{}; // the retrace the queued frame is for
    Zeit m_letzteFaellig{}; // the retrace of the last frame
    Zeit m_letzteRetrace{}; // end of the last present that waited
};
