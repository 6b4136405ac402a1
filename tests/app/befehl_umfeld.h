#pragma once

// Helpers of the view and print tests: reports, scripted editors, PDF text.
#include <array>

#include <QAbstractButton>
#include <QProcess>

#include "app_umgebung.h"
#include "model/aufgabenbits.h"
#include "model/test.h"
#include "model/training.h"

constexpr uint32_t kReaktion = aufgabe::ZIELE | aufgabe::REAKTIONSTASTE | aufgabe::TRAINING;

// Four marked stimuli on a 4 x 2 grid, in the top row or alternating rows.
inline CTrainingsBericht Reaktionsbericht(uint32_t flags = kReaktion,
                                          std::array<uint64_t, 4> zeiten = {100, 200, 300, 1300},
                                          bool zweiZeilen = false)
{
    CTrainingsBericht b;
    b.m_dwAufgabenFlags = flags;
    b.m_nRasterSpalten = 4;
    b.m_nRasterZeilen = 2;
    b.m_rcPositionen = RECT{112, 184, 912, 584};
    b.SetAnzahlReize(4);
    for (int i = 0; i < 4; ++i) {
        b.SetPunkt(i, 112 + 200 * i, 184 + (zweiZeilen ? 400 * (i % 2) : 0));
        b.SetZeit(i, zeiten[i]);
        b.SetMarke(i);
    }
    b.m_nTag = 19000;
    b.m_nUhrzeit = 3600 + 2 * 60 + 5;
    b.m_dLaufzeit = 73.26;
    return b;
}

// Reactions with the key, each target then answered by the training
// leader: of nine targets shown five got a reaction, four were shown to their
// end without one; eight answered right, the ninth wrong. With ten targets
// the last was not reached; with nine the run ended on its last.
inline CTrainingsBericht Antwortbericht(int ziele = 10)
{
    CTrainingsBericht b = Reaktionsbericht(kReaktion | aufgabe::ZWEITE_ANTWORT);
    b.SetAnzahlReize(ziele);
    for (int i = 0; i < 9; ++i) {
        b.SetZeit(i, i < 5 ? 400 : 1500);
        if (i < 5)
            b.SetMarke(i);
        i < 8 ? b.IncZaehler3(i) : b.IncZaehler2(i);
    }
    return b;
}

// Five divider locations from -10 % to 30 % of a centred 400 pixel line,
// answered "rechts" 1, 3, 5, 7 and 9 of 10 times: the threshold is 10 %.
inline CTestBericht KonstanteReize(uint32_t flags)
{
    CTestBericht b;
    b.m_dwTestFlags = flags;
    b.SetAnzahlReize(5);
    for (int j = 0; j < 5; ++j) {
        b.SetRechteck1(j, RECT{312, 380, 712, 388});
        b.SetRechteck2(j, RECT{470 + 40 * j, 370, 474 + 40 * j, 398});
        for (int k = 0; k < 10; ++k)
            (k < 2 * j + 1) ? b.IncZaehler2(j) : b.IncZaehler1(j);
        b.SetZeit(j, 5000);
    }
    b.m_nTag = 19000;
    b.m_nUhrzeit = 3600 + 2 * 60 + 5;
    b.m_dLaufzeit = 73.26;
    b.m_dHGGeschwindigkeit = 0.25;
    return b;
}

// Background task: three hits, one false alarm, 0.5 s per hit.
template <class Bericht>
void HGAntworten(Bericht& b)
{
    for (int i = 0; i < 3; ++i)
        b.IncKorrekteReaktionen();
    b.IncFalscheAlarme();
    b.AddDauer(1500);
}

// Linienhalbierung with one stepped factor: the divider location.
inline void FuenfTrennlagen(CTest& test)
{
    CLinien l = test.GetLinien();
    l.m_nVerfahren = 20;
    l.m_nHLaengeStufen = l.m_nHPositionStufen = 1;
    l.m_nHTrennStufen = 5;
    l.m_nVLaengeStufen = l.m_nVPositionStufen = l.m_nVTrennStufen = 1;
    test.SetLinien(l);
}

inline void Klicke(QWidget& w, const char* name)
{
    auto* knopf = w.findChild<QAbstractButton*>(name);
    ASSERT_NE(knopf, nullptr) << name;
    knopf->click();
}

// The next editor is shown, `schritte` act on it; it answers its result.
inline void Bearbeite(CSkriptLaeufer& laeufer, std::function<void(QDialog&)> schritte)
{
    laeufer.m_antworten.push_back([schritte](QDialog& d) {
        d.show();
        schritte(d);
        return d.result();
    });
}

inline QString PdfText(const QString& pdf, const QStringList& optionen = {})
{
    QProcess text;
    text.start("pdftotext", optionen + QStringList{pdf, "-"});
    EXPECT_TRUE(text.waitForFinished(10000));
    return QString::fromUtf8(text.readAllStandardOutput());
}
