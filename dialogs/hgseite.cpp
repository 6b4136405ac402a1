#include "dialogs/hgseite.h"

#include "model/test.h"
#include "model/training.h"

CHGSeite::CHGSeite(const QString& titel) : CSeite(titel, kHintergrundBreite, kHintergrundHoehe, false) {}

void CHGSeite::SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training)
{
    Binden(profil, umgebung);
    m_pTraining = training;
    m_pTest = nullptr;
}

void CHGSeite::SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test)
{
    Binden(profil, umgebung);
    m_pTest = test;
    m_pTraining = nullptr;
}

CHGAufgabe CHGSeite::GetHGAufgabe() const
{
    return m_pTraining ? m_pTraining->GetHGAufgabe() : m_pTest ? m_pTest->GetHGAufgabe() : CHGAufgabe();
}

CHGMuster CHGSeite::GetHGMuster() const
{
    return m_pTraining ? m_pTraining->GetHGMuster() : m_pTest ? m_pTest->GetHGMuster() : CHGMuster();
}

CHGBewegung CHGSeite::GetHGBewegung() const
{
    return m_pTraining ? m_pTraining->GetHGBewegung() : m_pTest ? m_pTest->GetHGBewegung() : CHGBewegung();
}

CFarben CHGSeite::GetFarben() const
{
    return m_pTraining ? m_pTraining->GetFarben() : m_pTest ? m_pTest->GetFarben() : CFarben();
}

void CHGSeite::SetHGAufgabe(const CHGAufgabe& r)
{
    if (m_pTraining)
        m_pTraining->SetHGAufgabe(r);
    else if (m_pTest)
        m_pTest->SetHGAufgabe(r);
}

void CHGSeite::SetHGMuster(const CHGMuster& r)
{
    if (m_pTraining)
        m_pTraining->SetHGMuster(r);
    else if (m_pTest)
        m_pTest->SetHGMuster(r);
}

void CHGSeite::SetHGBewegung(const CHGBewegung& r)
{
    if (m_pTraining)
        m_pTraining->SetHGBewegung(r);
    else if (m_pTest)
        m_pTest->SetHGBewegung(r);
}

QString CHGSeite::MitEinheitProSekunde(const std::string& text) const
{
    return QString::fromStdString(text + " [" + GetEinheitText() + "/s]");
}
