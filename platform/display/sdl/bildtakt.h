#pragma once

// When a flipped frame is presented: retraces on a fixed clock at the mode's
// period. The period and the clock's phase follow only presents that waited
// for a retrace (vsync, and ends that do not move with the drawing's); the
// present starts the lead before the frame's
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
    // When the present of the queued frame starts; with vsync now and then
    // a little earlier, to see whether its end moves with it.
    Zeit Beginn() const;
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
    static constexpr Dauer PROBE = std::chrono::milliseconds(1); // how much earlier
    static constexpr unsigned PROBE_ABSTAND = 16; // one present in so many
    static constexpr double PROBE_QUADRAT = double(PROBE.count()) * double(PROBE.count());

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
    unsigned m_bild = 0; // presents so far
    bool m_wartet = false; // the presents are seen to wait for the retrace
    // How the end follows the drawing, both from the retrace they were
    // for: the previous present's, and sums over pairs of successive
    // ones (decaying) for the slope of the one on the other.
    bool m_vorigesGueltig = false;
    Dauer m_vorigesEnde{}, m_vorigesGezeichnet{};
    double m_summeEG = 0, m_summeGG = 0;
};
