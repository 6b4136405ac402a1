// Question, notice and Qt message boxes: keys, buttons and letters without Alt.
#include "app_umgebung.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "app/fragedlg.h"
#include "platform/qt/qt_meldung.h"
#include "support/qt_app.h"

namespace {

CSkriptLaeufer::Antwort Taste(Qt::Key taste)
{
    return [taste](QDialog& d) {
        d.show();
        QTest::keyClick(&d, taste);
        // A message box presses the button of a letter with a short delay.
        (void)QTest::qWaitFor([&d] { return !d.isVisible(); }, 500);
        return d.result();
    };
}

CSkriptLaeufer::Antwort Klick(const char* text)
{
    return [text](QDialog& d) {
        for (auto* knopf : d.findChildren<QAbstractButton*>())
            if (knopf->text() == QString::fromUtf8(text))
                knopf->click();
        return d.result();
    };
}

} // namespace

TEST_F(AppTest, FrageUndHinweisboxAntworten)
{
    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    const auto schliessen = [](QDialog& d) {
        d.show();
        d.close();
        return d.result();
    };
    // J and N on the real path: the Xvfb test's delete question.
    m_laeufer->m_antworten = {Taste(Qt::Key_Escape), Taste(Qt::Key_Return), Klick("&Nein"), Klick("&Ja"), schliessen};
    for (int erwartet : {2, 1, 2, 1, 2}) {
        CFrageDlg frage;
        frage.SetText("Sollen alle Berichte gelöscht werden?");
        EXPECT_EQ(frage.DoModal(), erwartet);
        ASSERT_NE(frage.GetLabel(), nullptr);
        EXPECT_EQ(frage.GetLabel()->font(), app.GetDialogSchrift());
    }
    // The notice box has no "Nein": N does nothing, J answers.
    m_laeufer->m_antworten = {Taste(Qt::Key_N), Taste(Qt::Key_J)};
    CHinweisDlg hinweis;
    EXPECT_EQ(hinweis.DoModal(), 0);
    EXPECT_EQ(hinweis.DoModal(), 1);
}

TEST(QtMeldung, KnoepfeUndTastenAntworten)
{
    SichereQtAnwendung();
    CSkriptLaeufer laeufer;
    laeufer.m_antworten = {Klick("&Nein"),   Taste(Qt::Key_Escape), Klick("&Ja"),
                           Taste(Qt::Key_N), Taste(Qt::Key_J),      Taste(Qt::Key_Escape)};
    const std::pair<unsigned, int> faelle[] = {{MB_YESNOCANCEL, IDNO}, {MB_YESNOCANCEL, IDCANCEL}, {MB_YESNO, IDYES},
                                               {MB_YESNOCANCEL, IDNO}, {MB_YESNO, IDYES},          {MB_OK, IDOK}};
    CQtMeldungsDienst dienst;
    for (auto [typ, antwort] : faelle)
        EXPECT_EQ(dienst.Zeige("Änderungen in LM-Test1 speichern?", typ), antwort) << typ;
}

// A name without blanks longer than a line wraps inside the box, which stays
// on the screen; the text is whole.
TEST(QtMeldung, LangerDateinameBrichtImBildschirmUm)
{
    SichereQtAnwendung();
    CSkriptLaeufer laeufer;
    const std::string text = "Fehler: Die Datei konnte nicht gespeichert werden. Der Dateiname lautet /tmp/LMTR-Tests/" +
                             std::string(240, 'x') + "ä.lmd";
    int breite = 0, bildschirm = 0;
    QString gezeigt;
    laeufer.m_antworten = {[&](QDialog& d) {
        d.show();
        QApplication::processEvents();
        breite = d.frameGeometry().width();
        bildschirm = d.screen()->availableGeometry().width();
        for (auto* label : d.findChildren<QLabel*>())
            if (label->text().startsWith("Fehler"))
                gezeigt = label->text();
        d.accept();
        return d.result();
    }};
    CQtMeldungsDienst dienst;
    dienst.Zeige(text, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_GT(breite, 0);
    EXPECT_LE(breite, bildschirm);
    EXPECT_EQ(gezeigt.remove(QChar(0x200B)).toStdString(), text);
}
