#pragma once

// The bits of the engine's flag words that the frame loop, the trial logic
// and the renderers share.

#include <cstdint>

#include "model/aufgabenbits.h" // task flags (m_nAufgabe)

// Set-up flags (m_nEinrichtung).
namespace einrichtung {
constexpr uint32_t HG_BLT = 0x1; // background copied with Blt
constexpr uint32_t HGZIEL_BLT = 0x2; // target-colour background copied with Blt
constexpr uint32_t VG_BLT = 0x4; // foreground copied with Blt
constexpr uint32_t KEIN_VG = 0x8; // no foreground surface
constexpr uint32_t FELD_LOESCHEN = 0x10; // clear m_rcAktuell to 69 first
constexpr uint32_t REIZFELD_LOESCHEN = 0x20;
constexpr uint32_t MAUSZEIGER = 0x100; // keep the mouse cursor
constexpr uint32_t DECKEND = 0x200; // foreground without colour key
} // namespace einrichtung

// Run state (m_nZustand).
namespace zustand {
constexpr uint32_t ENDE = 0x1;
constexpr uint32_t KOPIEREN = 0x2;
constexpr uint32_t GEZEICHNET = 0x4;
constexpr uint32_t SICHTBAR = 0x8;
constexpr uint32_t REIZ = 0x10;
constexpr uint32_t PAUSE = 0x40;
constexpr uint32_t SEITENSTART = 0x80;
constexpr uint32_t RUECKMELDUNG = 0x100;
constexpr uint32_t ANTWORT_12 = 0x200;
constexpr uint32_t ANTWORT_34 = 0x400;
constexpr uint32_t WARTET_HG = 0x1000;
constexpr uint32_t WARTET_TASTE = 0x2000;
constexpr uint32_t WARTET_ZEIT = 0x4000;
constexpr uint32_t HG_WECHSEL = 0x10000;
constexpr uint32_t HG_GEWECHSELT = 0x20000;
constexpr uint32_t HG_ZEIT = 0x40000;
constexpr uint32_t HG_AENDERUNG = 0x80000;
constexpr uint32_t HG_NORMAL = 0x100000;
constexpr uint32_t HG_INTERVALL = 0x200000;
constexpr uint32_t HG_AUFGESCHOBEN = 0x400000;
constexpr uint32_t HG_WARTET_TASTE = 0x800000;
} // namespace zustand
