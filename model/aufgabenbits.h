#pragma once

// The task flag word: the engine builds it while it prepares a run, the trial
// logic reads it, and the training report (task flags) and the test report
// (test flags) keep it, so that evaluation, views and printouts read it too.

#include <cstdint>

namespace aufgabe {
constexpr uint32_t OHNE_VG = 0x1; // training: no foreground task, Enter ends
constexpr uint32_t ZIELE = 0x2; // training: target trials
constexpr uint32_t PASSIV = 0x4; // whole foreground shown, Enter ends
constexpr uint32_t PASSIV2 = 0x8;
constexpr uint32_t SEITEN = 0x10; // training: pages, keys 5 and 6 turn them
constexpr uint32_t BILD = 0x20; // training: one picture shown
constexpr uint32_t PAAR_12 = 0x40; // answer keys 1 and 2 complete an answer
constexpr uint32_t PAAR_34 = 0x80; // answer keys 3 and 4 complete an answer
constexpr uint32_t REAKTIONSTASTE = 0x100; // the trainee reacts with key 2
constexpr uint32_t RUECKMELDUNG = 0x200; // the training leader answers with keys 3 and 4
constexpr uint32_t ZWEITE_ANTWORT = 0x400; // the leader's answer follows the reaction
constexpr uint32_t START_MIT_TASTE = 0x800;
constexpr uint32_t TEST = 0x4000;
constexpr uint32_t TRAINING = 0x8000;
constexpr uint32_t HG_KEINE = 0x10000; // no background pattern, so no standard speed
constexpr uint32_t HG_AUFGABE = 0x20000; // a background task runs
constexpr uint32_t HG_GEKOPPELT = 0x100000;
constexpr uint32_t HG_MIT_TASTE = 0x200000;
constexpr uint32_t HG_START_MIT_TASTE = 0x400000;
constexpr uint32_t HG_TEMPO = 0x1000000; // the background change is a change of speed
constexpr uint32_t HG_FARBE = 0x2000000; // the background change is a change of colour

// What six of these bits mean in a test run.
constexpr uint32_t LINIEN = OHNE_VG; // line-bisection trials
constexpr uint32_t LAENGEN = ZIELE; // length-estimation trials
constexpr uint32_t EINSTELLUNG = SEITEN; // method of adjustment: the trainee moves a mark
constexpr uint32_t KONSTANT = BILD; // method of constant stimuli: answered with keys
constexpr uint32_t HORIZONTAL = PAAR_12; // horizontal stimuli, answered with keys 1 and 2
constexpr uint32_t VERTIKAL = PAAR_34; // vertical stimuli, answered with keys 3 and 4
} // namespace aufgabe
