#pragma once

#include <QDialog>
#include <QRect>

#include "dialogs/dateiauswahl.h"
#include "dialogs/steuerflaeche.h"

// A modal dialog whose template holds only the caption, the confirm button
// and "Abbrechen"; the other controls are created in code at fixed pixel
// rectangles (left, top, right, bottom) in the profile's dialog font.
class CRasterDialog : public QDialog, public CSteuerflaeche {
public:
    // Size and button positions in dialog units of the 8-point dialog font.
    CRasterDialog(int vorlage, const char* titel, QSize einheiten, QPoint ok, QPoint abbrechen, QWidget* eltern);
    // Size and button rectangles in pixels.
    CRasterDialog(int vorlage, const char* titel, QSize groesse, QRect ok, QRect abbrechen, QWidget* eltern);

    // Initialises the dialog once and runs it through the modal runner:
    // IDOK or IDCANCEL.
    int DoModal();
    // Creates the controls and shows the data, once; DoModal calls it.
    bool OnInitDialog();
    virtual void ErzeugeSteuerelemente() = 0;

    int GetVorlage() const { return m_nVorlage; }
    // Enter accepts without moving the focus: the focused field is read first.
    void accept() override;

    // Dialog units to pixels: 1.5 across, 1.625 down.
    static QRect Einheiten(int x, int y, int breite, int hoehe);

private:
    int m_nVorlage;
    bool m_bInitialisiert = false;
};
