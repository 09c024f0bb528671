#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "core/DrunVar.h"
#include "ui/DrunMain.h"
#include "ui/Hlaseni.h"

// Keeps every message text and answers confirmations as the test says.
class ZaznamHlaseni : public Hlaseni {
  public:
    void Chyba(const QString& t) override { texty << t; }
    void Informace(const QString& t) override { texty << t; }
    bool Potvrd(const QString& t) override {
        texty << t;
        if (odpovedi.empty()) return vychozi;
        bool a = odpovedi.front();
        odpovedi.pop_front();
        return a;
    }
    void Vymaz() {
        texty.clear();
        odpovedi.clear();
        vychozi = true;
    }
    QStringList texty;
    std::deque<bool> odpovedi;
    bool vychozi = true;
};

ZaznamHlaseni& Zaznam();

// Runs `prace` on the modal window that the next exec() opens.
void PriModalnim(std::function<void(QWidget*)> prace);

// A fresh program state and main window whose files live in a temporary folder.
class UiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Zaznam().Vymaz();
        var.NastavSlozku(slozka.path().toStdString() + "/");
        okno = std::make_unique<THlavniForm>(var);
    }
    void TearDown() override {
        var.Ulozeno = true;
        okno.reset();
    }
    static QStringList Texty(const RadekHodnot& r) {
        QStringList s;
        for (QLabel* l : r) s << l->text();
        return s;
    }
    QTemporaryDir slozka;
    drun::DrunVar var;
    std::unique_ptr<THlavniForm> okno;
};
