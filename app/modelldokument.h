#pragma once

#include <string>

#include "app/dokument.h"
#include "app/lumetra_app.h"
#include "platform/archiv.h"
#include "platform/meldung.h"
#include "platform/pfad.h"

// What distinguishes the two document types besides their model.
struct CDokumentArt {
    std::string CVerzeichnisse::*m_vorlage; // template file in the profile
    std::string CVerzeichnisse::*m_ordner; // folder of the default path
    const char* m_endung; // ".lmt" / ".lmd"
    const char* m_vorlagenWort; // "Trainingsvorlage" / "Testvorlage"
};

// A document that embeds its task model by value and hands every load and
// save to the model's own stream.
template <class TModell>
class CLMModellDoc : public CLMDokument {
public:
    CLMModellDoc(CDokumentVorlage* vorlage, const CDokumentArt& art) : CLMDokument(vorlage), m_art(art)
    {
        // The setters clamp against the environment: bind it before any record.
        if (CLumetraApp* app = GetLumetraApp())
            m_Modell.SetUmgebung(&app->m_Umgebung);
    }

    bool OnNewDocument() override
    {
        if (!CLMDokument::OnNewDocument())
            return false;
        CLumetraApp* app = GetLumetraApp();
        const std::string vorlage = app ? app->m_Profil.GetVerzeichnisse().*m_art.m_vorlage : std::string();
        if (LadeVorlage(vorlage) == 1)
            AfxMessageBox(std::string("Fehler: Die ") + m_art.m_vorlagenWort +
                              " konnte nicht geöffnet werden. Der Dateiname der " + m_art.m_vorlagenWort + " lautet " +
                              pfad::Anzeige(vorlage),
                          MB_OK | MB_ICONEXCLAMATION);
        if (app)
            m_Modell.SetUmgebung(&app->m_Umgebung);
        SetzeStandardPfad();
        return true;
    }

    // 0 when the file was opened and read (also when the model refused it),
    // 1 when it could not be opened.
    int LadeVorlage(const std::string& pfad)
    {
        try {
            CArchive ar(CArchive::load, pfad);
            m_Modell.Serialize(ar);
        } catch (const CArchiveException&) {
            return 1;
        }
        return 0;
    }

    int Serialize(CArchive& ar) override
    {
        int code = m_Modell.Serialize(ar);
        if (ar.IsLoading())
            UpdateAllViews(nullptr, 0);
        return code;
    }

    void SetzeStandardPfad() override
    {
        std::string ordner;
        if (CLumetraApp* app = GetLumetraApp())
            ordner = app->m_Profil.GetVerzeichnisse().*m_art.m_ordner;
        m_Modell.m_strPfad.clear();
        m_Modell.m_strPfad = ordner + "/" + GetTitle() + m_art.m_endung;
    }

    std::string GetModellPfad() const override { return m_Modell.m_strPfad; }

protected:
    TModell m_Modell;

private:
    CDokumentArt m_art;
};
