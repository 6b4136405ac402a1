#include "dialogs/dateiwahl.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>

#include "dialogs/dateiauswahl.h"
#include "platform/draw/qpainter/painter_dc.h"
#include "platform/meldung.h"
#include "platform/pfad.h"
#include "platform/qt/modal.h"

namespace {

// The style of `familie` of the same slant whose weight comes nearest.
QString Stil(const QString& familie, int gewicht, bool kursiv)
{
    QString bester;
    int abstand = 0;
    for (const QString& stil : QFontDatabase::styles(familie)) {
        const QFont f = QFontDatabase::font(familie, stil, 12);
        const int d = std::abs(f.weight() - gewicht) + (f.italic() != kursiv ? 10000 : 0);
        if (bester.isEmpty() || d < abstand) {
            bester = stil;
            abstand = d;
        }
    }
    return bester;
}

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
    // No choice of script: its list and the list's label are hidden.
    for (QComboBox* liste : dialog.findChildren<QComboBox*>()) {
        liste->hide();
        for (QLabel* name : dialog.findChildren<QLabel*>())
            if (name->buddy() == liste)
                name->hide();
    }

    // The height is the font's own size in pixels, so that an unchanged
    // dialog gives back the height it was opened with.
    QFont anfang = QtSchrift(lf, -std::max(1, lf.lfHeight != 0 ? std::abs(lf.lfHeight) : 16));
    dialog.setCurrentFont(anfang);
    // The family the dialog shows (the record's, the one the system puts in
    // its place, or the dialog's fallback), with that family's style named
    // as the font files name it: the dialog looks a style up by its
    // translated name ("Fett") and otherwise takes the list's first one.
    anfang.setFamily(dialog.currentFont().family());
    anfang.setStyleName(Stil(anfang.family(), anfang.weight(), anfang.italic()));
    dialog.setCurrentFont(anfang);
    const QFont gezeigt = dialog.currentFont();
    if (ModalAusfuehren(dialog) != QDialog::Accepted)
        return IDCANCEL;

    // The current font is the chosen one once the dialog is accepted. What
    // the user left as shown keeps the record's value: the face name even
    // where another font stands in for it, the weight and slant where the
    // family's nearest style only approximates them, and the height, which
    // the dialog offers in whole points only.
    const QFont f = dialog.currentFont();
    if (f.family() != gezeigt.family())
        lf.lfFaceName = KuerzeSchriftname(f.family().toStdString());
    if (f.weight() != gezeigt.weight() || f.italic() != gezeigt.italic()) {
        lf.lfWeight = f.weight();
        lf.lfItalic = f.italic() ? 1 : 0;
    }
    if (f.underline() != gezeigt.underline())
        lf.lfUnderline = f.underline() ? 1 : 0;
    if (f.strikeOut() != gezeigt.strikeOut())
        lf.lfStrikeOut = f.strikeOut() ? 1 : 0;
    if (f.pointSizeF() != gezeigt.pointSizeF() || f.pixelSize() != gezeigt.pixelSize()) {
        // Points at the resolution the dialog shows them with.
        int pixel = f.pixelSize();
        if (pixel <= 0)
            pixel = static_cast<int>(std::lround(f.pointSizeF() * dialog.logicalDpiY() / 72.0));
        lf.lfHeight = -std::max(1, pixel);
        lf.lfWidth = 0;
    }
    return IDOK;
}
