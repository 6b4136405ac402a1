#include "model/trainingsaufgaben.h"

LOGFONT StandardTextSchrift(int gewicht)
{
    LOGFONT lf;
    lf.lfHeight = 12;
    lf.lfWeight = gewicht;
    lf.lfQuality = 2;
    lf.lfPitchAndFamily = 0x12;
    lf.lfFaceName = "Arial";
    return lf;
}

const char* CSakkaden::GetModusName()
{
    switch (m_nModus) {
    case 10: return "A) Schrittweise Positionsänderung";
    case 20: return "B) Zufällige Positionsänderung";
    default: m_nModus = 0; return "---";
    }
}

const char* CExploration::GetStrategieName()
{
    switch (m_nStrategie) {
    case 11: return "A1) Zeilenstrategie";
    case 12: return "A2) Spaltenstrategie";
    case 20: return "B) Mit Zeilen-, Spaltenhinweis";
    case 30: return "C) Ohne Hinweis";
    case 40: return "D) Vergleich Rand-Mitte";
    case 50: return "E) Vergleich Zellen";
    default: m_nStrategie = 0; return "---";
    }
}

CText::CText() : m_lfText(StandardTextSchrift(700)), m_lfUeberschrift(StandardTextSchrift(700)) {}

std::string CText::GetBeschreibung()
{
    switch (m_nTextart) {
    case 10: return m_strSammlungstext;
    case 20: return m_strEigenerText;
    default: m_nTextart = 0; return "---";
    }
}

std::string CSonstiges::GetBeschreibung()
{
    switch (m_nBildart) {
    case 0: return "Keine Vordergrundaufgabe";
    case 10: return m_strBilddatei;
    default: m_nBildart = 0; return "---";
    }
}

CSatzAufgabe::CSatzAufgabe() : m_lfSchrift(StandardTextSchrift(400)) {}
