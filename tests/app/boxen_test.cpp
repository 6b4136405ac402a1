// Question and notice boxes, and the Qt message boxes: their keys, buttons
// and letters, which answer without Alt.
#include "app_umgebung.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
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
    m_laeufer->m_antworten = {Taste(Qt::Key_Escape), Taste(Qt::Key_Return), Klick("&Nein"), Klick("&Ja"), schliessen,
                              Taste(Qt::Key_J),      Taste(Qt::Key_N)};
    for (int erwartet : {2, 1, 2, 1, 2, 1, 2}) {
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

TEST(QtMeldung, DeutscheKnoepfeUndAntworten)
{
    SichereQtAnwendung();
    CSkriptLaeufer laeufer;
    QStringList knoepfe;
    QString titel;
    laeufer.m_antworten = {[&](QDialog& d) {
                               titel = d.windowTitle();
                               for (auto* k : static_cast<QMessageBox&>(d).buttons())
                                   knoepfe << k->text();
                               return Klick("&Nein")(d);
                           },
                           Taste(Qt::Key_Escape),
                           Klick("&Ja"),
                           Taste(Qt::Key_N),
                           Taste(Qt::Key_J),
                           Taste(Qt::Key_Escape)};
    CQtMeldungsDienst dienst;
    EXPECT_EQ(dienst.Zeige("Änderungen in LM-Test1 speichern?", MB_YESNOCANCEL | MB_ICONEXCLAMATION), IDNO);
    EXPECT_EQ(titel, "Lumetra");
    knoepfe.sort();
    EXPECT_EQ(knoepfe, QStringList({"&Ja", "&Nein", "Abbrechen"}));
    EXPECT_EQ(dienst.Zeige("Frage", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(dienst.Zeige("Frage", MB_YESNO), IDYES);
    EXPECT_EQ(dienst.Zeige("Frage", MB_YESNOCANCEL), IDNO);
    EXPECT_EQ(dienst.Zeige("Frage", MB_YESNO), IDYES);
    EXPECT_EQ(dienst.Zeige("Hinweis", MB_OK), IDOK);
}
