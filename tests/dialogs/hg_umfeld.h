#pragma once

// Additions of the background, test and colour dialog tests to the shared
// dialog fixture: a test on the environment and scripted answers for the
// modal runner.
#include <deque>
#include <functional>

#include <QDialog>

#include "dialog_umfeld.h"
#include "model/test.h"
#include "platform/qt/modal.h"

class HGDialogTest : public DialogTest {
protected:
    HGDialogTest()
    {
        test.SetUmgebung(&umgebung);
        m_vorher = SetModalLaeufer([this](QDialog& d) {
            if (antworten.empty()) {
                ADD_FAILURE() << "unerwarteter Dialog " << d.objectName().toStdString();
                return 0;
            }
            auto antwort = std::move(antworten.front());
            antworten.pop_front();
            return antwort(d);
        });
    }
    ~HGDialogTest() override { SetModalLaeufer(std::move(m_vorher)); }

    // Next answer of the modal runner.
    void Antwort(std::function<int(QDialog&)> a) { antworten.push_back(std::move(a)); }
    // Runs a sheet or dialog; `schritte` acts on it while it is shown.
    template <class Dialog>
    int Ausfuehren(Dialog& dlg, const std::function<void()>& schritte)
    {
        Antwort([&](QDialog& d) {
            d.show();
            schritte();
            return d.result();
        });
        return dlg.DoModal();
    }

    CTest test;
    std::deque<std::function<int(QDialog&)>> antworten;

private:
    ModalLaeufer m_vorher;
};
