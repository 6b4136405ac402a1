#include "dialogs/dateiwahl.h"

#include <algorithm>
#include <cmath>

#include <QFontDialog>

#include "dialogs/dateiauswahl.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "platform/meldung.h"
#include "platform/pfad.h"
#include "platform/qt/modal.h"

namespace {

bool IstTrenner(char c) { return c == '\\' || c == '/'; }

// Whether `ordner` is `basis` or lies below it.
bool LiegtIn(const std::string& ordner, const std::string& basis, bool ohneGrossKlein)
{
    if (basis.empty() || ordner.size() < basis.size())
        return false;
    const QString anfang = QString::fromStdString(ordner.substr(0, basis.size()));
    if (anfang.compare(QString::fromStdString(basis), ohneGrossKlein ? Qt::CaseInsensitive : Qt::CaseSensitive) != 0)
        return false;
    return ordner.size() == basis.size() || IstTrenner(ordner[basis.size()]);
}

} // namespace

CDateiwahl ZerlegeDateiname(const std::string& text, const std::string& endung, const std::string& basis,
                            bool ohneGrossKlein)
{
    const std::string t = OhneRand(text);
    CDateiwahl w;
    const auto trenner = t.find_last_of("\\/");
    std::string ordner;
    if (trenner != std::string::npos && trenner > 0) {
        ordner = t.substr(0, trenner);
        w.name = t.substr(trenner + 1);
        w.mitOrdner = true;
    } else {
        w.name = t;
    }
    const auto punkt = w.name.find_last_of('.');
    if (punkt == std::string::npos)
        w.name += endung;
    if (w.name.find_last_of('.') == 0)
        w.name = "*" + w.name;

    if (ordner.empty() || ordner[0] == '\\') {
        w.ordner = ordner;
    } else if (LiegtIn(ordner, basis, ohneGrossKlein)) {
        w.ordner = ordner.substr(basis.size());
        std::replace(w.ordner.begin(), w.ordner.end(), '/', '\\');
    } else {
        w.ordner = ordner;
    }
    return w;
}

std::string OrdnerAnzeige(const std::string& ordner) { return pfad::Anzeige(ordner) + "/"; }

std::string OrdnerPfad(const std::string& basis, const std::string& ordner)
{
    if (ordner.empty())
        return basis;
    if (ordner[0] == '\\')
        return basis + pfad::Anzeige(ordner);
    return pfad::Anzeige(ordner);
}

int SchriftWaehlen(QWidget* eltern, LOGFONT& lf)
{
    QFontDialog dialog(eltern);
    dialog.setObjectName("schriftdialog");
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setOption(QFontDialog::ScalableFonts);
    dialog.setCurrentFont(QtSchrift(lf, lf.lfHeight != 0 ? lf.lfHeight : -16));
    if (ModalAusfuehren(dialog) != QDialog::Accepted)
        return IDCANCEL;
    // The current font is the chosen one once the dialog is accepted.
    const QFont f = dialog.currentFont();
    // Sizes on the screen: points at 96 dots per inch.
    int pixel = f.pixelSize();
    if (pixel <= 0)
        pixel = static_cast<int>(std::lround(f.pointSizeF() * 96.0 / 72.0));
    lf.lfHeight = -pixel;
    lf.lfWidth = 0;
    lf.lfWeight = f.weight();
    lf.lfItalic = f.italic() ? 1 : 0;
    lf.lfUnderline = f.underline() ? 1 : 0;
    lf.lfStrikeOut = f.strikeOut() ? 1 : 0;
    lf.lfFaceName = KuerzeSchriftname(f.family().toStdString());
    return IDOK;
}
