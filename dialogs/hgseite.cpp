#include "dialogs/hgseite.h"

#include "model/test.h"
#include "model/training.h"

CHGSeite::CHGSeite(const QString& titel) : CSeite(titel, kHintergrundBreite, kHintergrundHoehe, false) {}

void CHGSeite::SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training)
{
    SetModell(profil, umgebung, training);
}

void CHGSeite::SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test) { SetModell(profil, umgebung, test); }

void CHGSeite::SetModell(CBenutzerprofil* profil, CUmgebung* umgebung, CModell* modell)
{
    Binden(profil, umgebung);
    m_pModell = modell;
}

CHGAufgabe CHGSeite::GetHGAufgabe() const { return m_pModell ? m_pModell->GetHGAufgabe() : CHGAufgabe(); }

CHGMuster CHGSeite::GetHGMuster() const { return m_pModell ? m_pModell->GetHGMuster() : CHGMuster(); }

CHGBewegung CHGSeite::GetHGBewegung() const { return m_pModell ? m_pModell->GetHGBewegung() : CHGBewegung(); }

CFarben CHGSeite::GetFarben() const { return m_pModell ? m_pModell->GetFarben() : CFarben(); }

void CHGSeite::SetHGAufgabe(const CHGAufgabe& r)
{
    if (m_pModell)
        m_pModell->SetHGAufgabe(r);
}

void CHGSeite::SetHGMuster(const CHGMuster& r)
{
    if (m_pModell)
        m_pModell->SetHGMuster(r);
}

void CHGSeite::SetHGBewegung(const CHGBewegung& r)
{
    if (m_pModell)
        m_pModell->SetHGBewegung(r);
}

QString CHGSeite::MitEinheitProSekunde(const std::string& text) const
{
    return QString::fromStdString(text + " [" + GetEinheitText() + "/s]");
}
