#pragma once

#include "app/seitenansicht.h"
#include "workplace/benutzerprofil.h"

// A form view bound to a model of either kind (CTraining or CTest): the
// model's page state, reports and chart, which both kinds offer under the
// same names.
template <class TModell>
class CModellAnsicht : public CSeitenAnsicht {
public:
    using CSeitenAnsicht::CSeitenAnsicht;

    // Binds profile, environment and the model, takes the profile's font
    // when none is set and creates the controls; once.
    void Binden(CBenutzerprofil* profil, CUmgebung* umgebung, TModell* modell)
    {
        if (m_pModell)
            return;
        BindeUmgebung(profil, umgebung);
        m_pModell = modell;
        if (!m_pSchrift && profil)
            m_pSchrift = profil->GetSchrift();
        ErzeugeSteuerelemente();
    }

    virtual void ErzeugeSteuerelemente() = 0;

    // The settings editors of this kind of model.
    void OnVordergrundaufgabe() override;
    void OnFarben() override;

protected:
    std::unique_ptr<CDruckrahmen> NeuerDruck() override;
    void Hintergrund(int seite) override;
    bool Gebunden() const override { return m_pModell != nullptr; }
    int BerichtAnzahl() const override { return m_pModell->GetBerichtAnzahl(); }
    int& Seite() override { return m_pModell->m_nSeite; }
    int& BerichtNr() override { return m_pModell->m_nBerichtNr; }
    int& Diagrammwahl() override { return m_pModell->m_nDiagrammwahl; }
    int DiagrammNamen(std::vector<std::string>& namen, int& anzahl1, int& anzahl2, int bericht) override
    {
        return m_pModell->GetDiagrammNamen(namen, anzahl1, anzahl2, bericht);
    }
    void BerichtEntfernen(int index) override { m_pModell->BerichtLoeschen(index); }
    void BerichteEntfernen() override { m_pModell->BerichteZuruecksetzen(); }

    void ZeichneBerichtGrafik(CDC* dc) override
    {
        // Without a chosen relation there is no chart to draw.
        if (Diagrammwahl() < 1)
            return;
        m_pModell->DiagrammZeichnen(Diagrammwahl() - 1, dc, m_rcDiagramm, m_pSchrift, BerichtNr() - 1);
    }

    TModell* m_pModell = nullptr;
};
