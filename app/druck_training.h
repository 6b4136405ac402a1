#pragma once

#include "app/druckrahmen.h"

class CTraining;

// The printout of a training: its settings on page 1, one report on every
// further page. The training view prints, previews and saves as PDF with it:
//     CTrainingsDruck(&training, &umgebung).Seitenansicht(this);
class CTrainingsDruck : public CDruckrahmen {
public:
    CTrainingsDruck(CTraining* training, CUmgebung* umgebung);

protected:
    bool HatModell() const override { return m_pTraining != nullptr; }
    int BerichtAnzahl() const override;
    std::string Dateipfad() const override;
    int GezeigteSeite() const override;
    const char* ModellFehler() const override { return "Fehler: Konnte nicht auf die Trainingsangaben zugreifen."; }
    void ZeichneAngaben(CDC* dc, const CDruckLayout& l) override;
    void ZeichneBericht(CDC* dc, const CDruckLayout& l, int bericht) override;
    int DiagrammZeichnen(int diagramm, CDC* dc, RECT r, CFont* schrift, int bericht) override;

private:
    // One value per row of the foreground block ("" for none).
    std::vector<std::string> Vordergrundwerte() const;
    // A set's name and range from a catalogue list, or "---" twice.
    static std::vector<std::string> Satz(const std::vector<std::string>& namen, int anzahl, int satz, int von, int bis,
                                         const char* trenner);

    CTraining* m_pTraining;
};
