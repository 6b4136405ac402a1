#pragma once

#include "dialogs/hgseite.h"

// Page "Bewegung" of the background sheet: direction and speed of the
// pattern's horizontal motion.
class CHGBewegungDlg : public CHGSeite {
public:
    CHGBewegungDlg();

protected:
    void ErzeugeSteuerelemente() override;
    void ZeigeDaten() override;
    void LeseDaten() override;

private:
    QRadioButton *m_pLinks = nullptr, *m_pRechts = nullptr;
    CFeld* m_pGeschwindigkeit = nullptr;
};
