#pragma once

// The display in memory: for tests and benchmarks. Deterministic: its own
// clock (installed as the performance counter) moves only when the program
// waits for the display or polls a key.

#include "platform/display/ddraw.h"
#include "platform/system.h"

#include <array>
#include <deque>
#include <memory>
#include <string>
#include <vector>

struct CSpeicherKonfig {
    // Modes offered, each rate its own entry; depth 0 is reported without
    // the RGB flag.
    std::vector<CAnzeigeModus> modi = StandardModi();
    // Accepts a mode only at rate 0, as some drivers do.
    bool nurStandardfrequenz = false;
    // Rate that GetDisplayMode reports after a mode set at rate 0 (0: none).
    DWORD standardfrequenz = 60;
    // The mode before (and after) a run.
    CAnzeigeModus arbeitsplatz{1024, 768, 32, 60};
    bool videospeicher = true;
    // Clock steps: a key poll; an answer "still drawing".
    int64_t tastenSchrittNs = 100'000;
    int64_t warteSchrittNs = 100'000;
    // Composes every flipped frame that comes with its drawing steps from
    // those steps and compares it with the frame's pixels.
    bool schrittePruefen = false;

    // 640x480, 800x600, 1024x768, 1280x1024 at 8 and 32 bits, 60, 75 and 85 Hz.
    static std::vector<CAnzeigeModus> StandardModi();
};

class CSpeicherAnzeige final : public CAnzeigeTreiber,
                               public CLeistungszaehlerQuelle,
                               public std::enable_shared_from_this<CSpeicherAnzeige> {
public:
    // Makes the display, registers it as back end "speicher", chooses it and
    // installs its clock; the destructor undoes both.
    static std::shared_ptr<CSpeicherAnzeige> Installieren(CSpeicherKonfig konfig = {});
    ~CSpeicherAnzeige() override;

    // ---- Script
    // The next `mal` calls of aufruf answer hr instead (mal < 0: every call).
    void SetErgebnis(EAufruf aufruf, HRESULT hr, int mal = 1);
    // SetDisplayMode of this size at this rate answers hr.
    void ModusVerweigern(CAnzeigeModus modus, HRESULT hr = DDERR_UNSUPPORTEDMODE);
    // Key or mouse button vk (VK_LBUTTON, VK_RBUTTON for the mouse) down from
    // vonMs to bisMs on the display's clock.
    void Druecken(int vk, double vonMs, double bisMs);
    // The system asks the program to end at ms on the display's clock: the
    // next look at messages from then on answers WM_QUIT.
    void Beenden(double ms);

    // ---- Observation
    int64_t GetZeitNs() const { return m_jetzt; }
    double GetZeitMs() const { return double(m_jetzt) / 1e6; }
    void ZeitVorruecken(int64_t ns) { m_jetzt += ns; }
    int GetAufrufe(EAufruf aufruf) const { return m_aufrufe[size_t(aufruf)]; }
    // Every SetDisplayMode that reached the display, in order.
    const std::vector<CAnzeigeModus>& GetModusVersuche() const { return m_versuche; }
    bool IstModusGesetzt() const { return m_gesetzt; }
    int GetBilder() const { return m_bilder; }
    // With schrittePruefen: frames that came with steps, and those of them
    // whose steps gave other pixels than the frame's.
    int GetSchrittBilder() const { return m_schrittBilder; }
    int GetSchrittFehler() const { return m_schrittFehler; }
    // Time at which the last flipped frame appeared (or will).
    int64_t GetLetzterTauschNs() const { return m_tauschZeit; }
    bool IstMauszeigerSichtbar() const { return m_mauszeiger; }
    // What the screen shows: indices and palette.
    const std::vector<BYTE>& GetBildschirm() const { return m_bild; }
    const std::array<PALETTEENTRY, 256>& GetBildschirmpalette() const { return m_palette; }
    DWORD GetBildschirmBreite() const { return m_modus.breite; }
    DWORD GetBildschirmHoehe() const { return m_modus.hoehe; }

    // ---- Dumps (PNG) for a person to look at; 0 or 1 when not written.
    int BildschirmSpeichern(const std::string& pfad) const;
    int PaletteSpeichern(const std::string& pfad) const;
    // A surface through its own palette, else the screen's.
    int OberflaecheSpeichern(IDirectDrawSurface* oberflaeche, const std::string& pfad) const;

    // ---- CAnzeigeTreiber
    std::vector<CAnzeigeModus> Modi() override { return m_konfig.modi; }
    HRESULT ModusSetzen(const CAnzeigeModus& modus) override;
    CAnzeigeModus ModusInKraft() override;
    void ModusZuruecksetzen() override;
    void SchritteVormerken(const std::vector<CBildSchritt>* schritte) override { m_schritte = schritte; }
    void BildEinreihen(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) override;
    bool TauschAusstehend() override;
    void TauschAbwarten() override;
    void FrontGeaendert(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette) override;
    SHORT Taste(int vk) override;
    bool Nachricht(MSG& nachricht, UINT von, UINT bis, bool entfernen) override;
    void MauszeigerSichtbar(bool sichtbar) override { m_mauszeiger = sichtbar; }
    HRESULT Vorgabe(EAufruf aufruf) override;
    bool VideospeicherFrei() override { return m_konfig.videospeicher; }

    // ---- CLeistungszaehlerQuelle: nanoseconds
    int64_t Frequenz() override { return 1'000'000'000; }
    int64_t Zaehler() override { return m_jetzt; }

    explicit CSpeicherAnzeige(CSpeicherKonfig konfig);

private:
    struct CSkript {
        HRESULT hr;
        int mal;
    };
    struct CDruck {
        int vk;
        int64_t von, bis;
    };
    struct CEreignis {
        int64_t zeit;
        UINT nachricht;
        int vk;
    };
    int64_t Periode() const;
    void Einordnen();
    void Abbilden(const BYTE* pixel, LONG pitch, const PALETTEENTRY* palette);

    CSpeicherKonfig m_konfig;
    int64_t m_jetzt = 0;
    CAnzeigeModus m_modus;
    bool m_gesetzt = false;
    std::vector<CAnzeigeModus> m_versuche;
    std::vector<std::pair<CAnzeigeModus, HRESULT>> m_verweigert;
    std::array<std::deque<CSkript>, size_t(EAufruf::Anzahl)> m_skript;
    std::array<int, size_t(EAufruf::Anzahl)> m_aufrufe{};
    bool m_ausstehend = false;
    int64_t m_tauschZeit = 0;
    int m_bilder = 0;
    std::vector<BYTE> m_bild;
    std::array<PALETTEENTRY, 256> m_palette{};
    std::vector<CDruck> m_druecke;
    std::vector<CEreignis> m_ereignisse; // in time order; taken ones are removed
    std::array<int64_t, 256> m_letzteAbfrage{};
    bool m_mauszeiger = true;
    const std::vector<CBildSchritt>* m_schritte = nullptr;
    int m_schrittBilder = 0;
    int m_schrittFehler = 0;
};
