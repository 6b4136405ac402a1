#pragma once

// Shared set-up of the dialog tests: a profile and an environment as the
// application holds them, a training and a test bound to the environment,
// scripted answers for the modal runner and screenshots.
#include <deque>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include <QDialog>
#include <QWidget>

#include "model/test.h"
#include "model/training.h"
#include "platform/qt/modal.h"
#include "workplace/benutzerprofil.h"
#include "workplace/umgebung.h"

class DialogTest : public ::testing::Test {
protected:
    DialogTest();
    ~DialogTest() override;

    // Display options of the profile; the environment recomputes its scales.
    void SetEinheit(uint32_t einheit, int dezimalstellen);
    // The widget as it is drawn, to LUMETRA_ARTIFACTS/<name>.png.
    static void Bildschirmfoto(QWidget& w, const std::string& name);
    // Next answer of the modal runner.
    void Antwort(std::function<int(QDialog&)> antwort) { m_antworten.push_back(std::move(antwort)); }

    CBenutzerprofil m_Profil;
    CUmgebung m_Umgebung;
    CTraining m_Training;
    CTest m_Test;
    std::deque<std::function<int(QDialog&)>> m_antworten;
    int m_nUnbeantwortet = 0;

private:
    ModalLaeufer m_vorher;
};

// A child widget by object name; fails the test when missing.
template <class T>
T* Kind(QWidget& eltern, const char* name)
{
    T* w = eltern.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}
