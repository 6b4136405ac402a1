// The print commands of both form views: the print dialog and the printer,
// the print preview.
#include "app/modellansicht.h"

#include <type_traits>

#include "app/druck_test.h"
#include "app/druck_training.h"
#include "app/dokument.h"
#include "app/lumetra_app.h"

namespace {

QPrinter* Drucker()
{
    CLumetraApp* app = GetLumetraApp();
    return app ? &app->GetDrucker() : nullptr;
}

} // namespace

void CSeitenAnsicht::OnFilePrint()
{
    std::unique_ptr<CDruckrahmen> druck = NeuerDruck();
    druck->Drucken(window(), Drucker());
}

void CSeitenAnsicht::OnFilePrintPreview()
{
    // The preview shows the document in its maximised window; its end
    // brings the window back to its normal size.
    if (CDokumentFenster* fenster = GetDocument() ? GetDocument()->GetFenster() : nullptr)
        fenster->showMaximized();
    std::unique_ptr<CDruckrahmen> druck = NeuerDruck();
    druck->Seitenansicht(window(), Drucker());
}

template <class TModell>
std::unique_ptr<CDruckrahmen> CModellAnsicht<TModell>::NeuerDruck()
{
    using Druck = std::conditional_t<std::is_same_v<TModell, CTraining>, CTrainingsDruck, CTestDruck>;
    return std::make_unique<Druck>(m_pModell, m_pUmgebung);
}

template std::unique_ptr<CDruckrahmen> CModellAnsicht<CTraining>::NeuerDruck();
template std::unique_ptr<CDruckrahmen> CModellAnsicht<CTest>::NeuerDruck();
