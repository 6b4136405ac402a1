#include "presentation/reaktionstasten.h"

#include "model/hintergrund.h"
#include "model/test.h"
#include "model/training.h"
#include "workplace/umgebung.h"
#include "platform/display/ddraw.h"
#include "workplace/tastenliste.h"

#include <algorithm>

namespace {

uint16_t Zeichen(char c) { return uint16_t(VkKeyScanA(c)); }

} // namespace

CReaktionstasten::CReaktionstasten()
{
    std::fill(std::begin(m_bAktiv), std::end(m_bAktiv), false);
    std::fill(std::begin(m_bUnten), std::end(m_bUnten), true);
    m_bFlanke = true;
    std::fill(std::begin(m_bScharf), std::end(m_bScharf), true);
    std::fill(std::begin(m_Codes), std::end(m_Codes), uint16_t(0));
}

CReaktionstasten::~CReaktionstasten() = default;

uint16_t CReaktionstasten::GetVirtKey(const CTastenliste& liste, int32_t index)
{
    const uint32_t code = liste.GetCode(index);
    if (code == 0)
        return 0;
    if (code >= 0x10000)
        return ((code >> 16) & 0xF) == 2 ? VK_RBUTTON : VK_LBUTTON;
    // The row decides, not the code: the codes of the keys without a
    // character are also letters' codes (72 cursor up and "H").
    if (!liste.IstZeichen(index)) {
        switch (code & 0xFF) {
        case 20: return VK_HOME;
        case 21: return VK_END;
        case 72: return VK_UP;
        case 73: return VK_PRIOR;
        case 75: return VK_LEFT;
        case 77: return VK_RIGHT;
        case 80: return VK_DOWN;
        case 81: return VK_NEXT;
        default: return 0;
        }
    }
    // A character no key types answers -1: the caller takes its default.
    // The shift state of a character's key cannot be polled; the key itself can.
    const SHORT vk = VkKeyScanA(char(code & 0xFF));
    return vk == -1 ? 0 : uint16_t(vk & 0xFF);
}

void CReaktionstasten::Einrichten(int platz, const CTastenliste& liste, int index, uint16_t vorgabe)
{
    const uint16_t code = GetVirtKey(liste, index);
    m_bAktiv[platz] = true;
    m_Codes[platz] = code ? code : vorgabe;
}

void CReaktionstasten::HGEinrichten(const CHGAufgabe& aufgabe, const CTastenliste& liste)
{
    if (aufgabe.m_nArt <= 0)
        return;
    if (aufgabe.m_nDurchgangsende == 1)
        Einrichten(HG, liste, aufgabe.m_nReaktionstaste, VK_SPACE);
    if (aufgabe.m_nIntervallmodus == 1)
        Einrichten(HG + 1, liste, aufgabe.m_nStarttaste, VK_RETURN);
}

void CReaktionstasten::TestrecordEinrichten(int orientierung, int verfahren, int intervallModus, const int (&tasten)[4],
                                            int endTaste, int startTaste, const CTastenliste& liste)
{
    if (orientierung == 1 || orientierung == 3) {
        Einrichten(ANTWORT, liste, tasten[0], VK_LEFT);
        Einrichten(ANTWORT + 1, liste, tasten[1], VK_RIGHT);
    }
    if (orientierung == 2 || orientierung == 3) {
        Einrichten(ANTWORT + 2, liste, tasten[2], VK_UP);
        Einrichten(ANTWORT + 3, liste, tasten[3], VK_DOWN);
    }
    if (verfahren == 10) {
        m_bFlanke = false;
        std::fill(std::begin(m_bScharf), std::end(m_bScharf), false);
        Einrichten(1, liste, endTaste, VK_SPACE);
    } else if (verfahren == 20) {
        m_bFlanke = true;
    }
    if (intervallModus == 1)
        Einrichten(0, liste, startTaste, VK_RETURN);
}

int CReaktionstasten::Zuruecksetzen()
{
    std::fill(std::begin(m_bScharf), std::end(m_bScharf), true);
    return 0;
}

bool CReaktionstasten::Flanke(bool& unten, uint16_t code)
{
    const bool jetzt = GetAsyncKeyState(code) < 0;
    if (unten) {
        if (!jetzt)
            unten = false;
        return false;
    }
    unten = jetzt;
    return jetzt;
}

uint32_t CReaktionstasten::Abfragen()
{
    uint32_t r = 0;
    if (Flanke(m_bUnten[0], VK_ESCAPE))
        r |= TASTE_ESCAPE;
    if (Flanke(m_bUnten[1], VK_RETURN))
        r |= TASTE_ENTER;
    static constexpr uint32_t bits[ANZAHL] = {TASTE_1,         TASTE_2,         TASTE_3,         TASTE_4,
                                              TASTE_5,         TASTE_6,         TASTE_ANTWORT_1, TASTE_ANTWORT_2,
                                              TASTE_ANTWORT_3, TASTE_ANTWORT_4, TASTE_HG_1,      TASTE_HG_2};
    for (int i = 0; i < ANZAHL; ++i) {
        if (!m_bAktiv[i])
            continue;
        const bool antwort = i >= ANTWORT && i < HG;
        if (!antwort || m_bFlanke) {
            if (Flanke(m_bUnten[i + 2], m_Codes[i]))
                r |= bits[i];
        } else if (m_bScharf[i - ANTWORT] && GetAsyncKeyState(m_Codes[i]) < 0) {
            m_bScharf[i - ANTWORT] = false;
            r |= bits[i];
        }
    }
    return r;
}

int CReaktionstasten::TrainingEinrichten(const CTraining* training, const CUmgebung* umgebung)
{
    if (!training)
        return 1;
    if (!umgebung)
        return 2;
    const CTastenliste& liste = umgebung->m_Tastenliste;
    switch (training->GetAufgabenart()) {
    case AUFGABENART_SAKKADEN: {
        const CSakkaden s = training->GetSakkaden();
        if (s.m_nDurchgangsende == 1)
            Einrichten(1, liste, s.m_nReaktionstaste, VK_SPACE);
        if (s.m_nDurchgangsstart == 1)
            Einrichten(0, liste, s.m_nStarttaste, VK_RETURN);
        if (s.m_nRueckmeldung == 1) {
            Einrichten(2, liste, s.m_nTasteRichtig, Zeichen('+'));
            Einrichten(3, liste, s.m_nTasteFalsch, Zeichen('-'));
        }
        break;
    }
    case AUFGABENART_TEXT: {
        const CText t = training->GetText();
        Einrichten(4, liste, t.m_nTasteVor, Zeichen('+'));
        Einrichten(5, liste, t.m_nTasteZurueck, Zeichen('-'));
        break;
    }
    default: break;
    }
    HGEinrichten(training->GetHGAufgabe(), liste);
    Abfragen();
    return 0;
}

int CReaktionstasten::TestEinrichten(const CTest* test, const CUmgebung* umgebung)
{
    if (!test)
        return 1;
    if (!umgebung)
        return 2;
    const CTastenliste& liste = umgebung->m_Tastenliste;
    // Answer keys by meaning: 1 left or narrower, 2 right or wider, 3 up or
    // higher, 4 down or lower; the report counts them in counters 1, 2, 4, 3.
    if (test->GetTestart() == TESTART_LINIEN) {
        const CLinien l = test->GetLinien();
        const int tasten[4] = {l.m_nTasteLinks, l.m_nTasteRechts, l.m_nTasteOben, l.m_nTasteUnten};
        TestrecordEinrichten(l.m_nOrientierung, l.m_nVerfahren, l.m_nIntervallModus, tasten, l.m_nEndTaste,
                             l.m_nStartTaste, liste);
    } else if (test->GetTestart() == TESTART_LAENGEN) {
        const CLaengen l = test->GetLaengen();
        const int tasten[4] = {l.m_nTasteSchmaeler, l.m_nTasteBreiter, l.m_nTasteHoeher, l.m_nTasteKleiner};
        TestrecordEinrichten(l.m_nOrientierung, l.m_nVerfahren, l.m_nIntervallModus, tasten, l.m_nEndTaste,
                             l.m_nStartTaste, liste);
    }
    HGEinrichten(test->GetHGAufgabe(), liste);
    Abfragen();
    return 0;
}
