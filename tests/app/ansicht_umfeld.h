#pragma once

// Fixture of the view tests: a new document with its view, the scripted
// engine, readers of controls, report menu and buttons.
#include "app_umgebung.h"
#include "skript_darbietung.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/kindrahmen.h"

template <class Dokument, class Ansicht, int kVorlage, int kErsterKnopf>
class CAnsichtTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        SchreibeVorlagen();
        Starte();
        SetDarbietungsFabrik([this] { return std::make_unique<CSkriptDarbietung>(m_skript); });
    }
    // Opens the new document; call after any change to the profile.
    void Oeffnen()
    {
        m_doc = dynamic_cast<Dokument*>(m_app->GetVorlagen()[kVorlage]->OpenDocumentFile(""));
        ASSERT_NE(m_doc, nullptr);
        m_ansicht = dynamic_cast<Ansicht*>(m_doc->GetFenster()->GetAnsicht());
        ASSERT_NE(m_ansicht, nullptr);
        m_ansicht->ZeigeSeite();
        m_meldungen->m_meldungen.clear();
    }
    void TearDown() override
    {
        SetDarbietungsFabrik({});
        AppTest::TearDown();
    }

    std::string Text(int nr) const { return m_ansicht->GetText(nr); }
    std::vector<std::string> Texte(std::initializer_list<int> nummern) const
    {
        std::vector<std::string> t;
        for (int nr : nummern)
            t.push_back(Text(nr));
        return t;
    }
    bool NurLesen(int nr) const { return qobject_cast<QLineEdit*>(m_ansicht->Steuerelement(nr))->isReadOnly(); }
    QMenu* Berichtmenue() const { return m_app->GetMainWnd()->menuBar()->actions()[4]->menu(); }
    bool MenueAn(int position) const { return Berichtmenue()->actions()[position]->isEnabled(); }
    // Enabled report buttons, as their command ids.
    std::vector<int> Knoepfe() const
    {
        std::vector<int> an;
        for (QAction* a : m_app->GetMainWnd()->GetSymbolleiste()->actions()) {
            const int id = a->data().toInt();
            if (id >= kErsterKnopf && id < kErsterKnopf + 10 && a->isEnabled())
                an.push_back(id);
        }
        return an;
    }

    CSkript m_skript;
    Dokument* m_doc = nullptr;
    Ansicht* m_ansicht = nullptr;
};
