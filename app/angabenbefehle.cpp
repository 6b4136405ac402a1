// The settings commands of both form views. The editors work on copies;
// AngabenUebernehmen decides whether the edit comes back.
#include "app/modellansicht.h"

#include <type_traits>

#include "dialogs/farbendlg.h"
#include "dialogs/hgsheet.h"
#include "dialogs/testsheet.h"
#include "dialogs/trainingsheet.h"
#include "model/test.h"
#include "model/training.h"

namespace {

// The editors name their binding after the kind of model.
void Binde(CTrainingSheet& b, CBenutzerprofil* p, CUmgebung* u, CTraining* m) { b.SetTraining(p, u, *m); }
void Binde(CTestSheet& b, CBenutzerprofil* p, CUmgebung* u, CTest* m) { b.SetTest(p, u, *m); }
void Binde(CHGSheet& b, CBenutzerprofil* p, CUmgebung* u, CTraining* m, int s) { b.SetTraining(p, u, m, s); }
void Binde(CHGSheet& b, CBenutzerprofil* p, CUmgebung* u, CTest* m, int s) { b.SetTest(p, u, m, s); }
void Binde(CFarbenDlg& d, CBenutzerprofil* p, CTraining* m) { d.SetTraining(p, m); }
void Binde(CFarbenDlg& d, CBenutzerprofil* p, CTest* m) { d.SetTest(p, m); }

void Zurueck(const CTrainingSheet& b, CTraining* m) { b.GetTraining(*m); }
void Zurueck(const CTestSheet& b, CTest* m) { b.GetTest(*m); }
void Zurueck(const CHGSheet& b, CTraining* m) { b.GetTraining(*m); }
void Zurueck(const CHGSheet& b, CTest* m) { b.GetTest(*m); }
void Zurueck(const CFarbenDlg& d, CTraining* m) { d.GetTraining(m); }
void Zurueck(const CFarbenDlg& d, CTest* m) { d.GetTest(m); }

} // namespace

template <class TModell>
void CModellAnsicht<TModell>::OnVordergrundaufgabe()
{
    using Blatt = std::conditional_t<std::is_same_v<TModell, CTraining>, CTrainingSheet, CTestSheet>;
    Blatt blatt("Vordergrundaufgabe ändern", this, 0);
    Binde(blatt, m_pProfil, m_pUmgebung, m_pModell);
    AngabenUebernehmen(blatt.DoModal(), [&] { Zurueck(blatt, m_pModell); });
}

template <class TModell>
void CModellAnsicht<TModell>::Hintergrund(int seite)
{
    CHGSheet blatt("Hintergrund ändern", this);
    Binde(blatt, m_pProfil, m_pUmgebung, m_pModell, seite);
    AngabenUebernehmen(blatt.DoModal(), [&] { Zurueck(blatt, m_pModell); });
}

template <class TModell>
void CModellAnsicht<TModell>::OnFarben()
{
    CFarbenDlg dlg;
    Binde(dlg, m_pProfil, m_pModell);
    AngabenUebernehmen(dlg.DoModal(), [&] { Zurueck(dlg, m_pModell); });
}

template void CModellAnsicht<CTraining>::OnVordergrundaufgabe();
template void CModellAnsicht<CTraining>::Hintergrund(int);
template void CModellAnsicht<CTraining>::OnFarben();
template void CModellAnsicht<CTest>::OnVordergrundaufgabe();
template void CModellAnsicht<CTest>::Hintergrund(int);
template void CModellAnsicht<CTest>::OnFarben();
