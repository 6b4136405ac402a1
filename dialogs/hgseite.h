#pragma once

#include "dialogs/seite.h"
#include "model/hintergrund.h"

class CModell;
class CTest;
class CTraining;

// A page of the background sheet: bound either to a training or to a test
// (binding one unbinds the other) and storing through the setter of
// whichever is bound. Its LeseDaten starts from a default record and always
// stores; it does not show the model again when it is shown.
class CHGSeite : public CSeite {
public:
    explicit CHGSeite(const QString& titel);

    void SetTraining(CBenutzerprofil* profil, CUmgebung* umgebung, CTraining* training);
    void SetTest(CBenutzerprofil* profil, CUmgebung* umgebung, CTest* test);
    // Either kind: both keep their background and colours alike.
    void SetModell(CBenutzerprofil* profil, CUmgebung* umgebung, CModell* modell);

protected:
    bool IstGebunden() const { return m_pModell != nullptr; }
    // Records of the bound model; defaults when none is bound.
    CHGAufgabe GetHGAufgabe() const;
    CHGMuster GetHGMuster() const;
    CHGBewegung GetHGBewegung() const;
    CFarben GetFarben() const;
    // Through the bound model's setter; nothing when none is bound.
    void SetHGAufgabe(const CHGAufgabe& r);
    void SetHGMuster(const CHGMuster& r);
    void SetHGBewegung(const CHGBewegung& r);

    // "text [unit/s]", the label of a speed.
    QString MitEinheitProSekunde(const std::string& text) const;

private:
    CModell* m_pModell = nullptr;
};
