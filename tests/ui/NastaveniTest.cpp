// What DRUN remembers for the user: the file dialogs' folder.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#include "Pomocnik.h"
#include "ui/Nastaveni.h"

namespace {

class NastaveniTest : public ::testing::Test {
  protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override { QSettings().clear(); }
    QTemporaryDir slozka;
};

} // namespace

TEST_F(NastaveniTest, SlozkaDialoguDokumentyPakPosledniSoubor) {
    // The tests' settings never live in the user's own configuration folder.
    EXPECT_TRUE(QSettings().fileName().startsWith(QDir::tempPath()))
        << QSettings().fileName().toStdString();
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString prvni = SlozkaDialogu();
    EXPECT_TRUE(prvni == dokumenty || (!QDir(dokumenty).exists() && prvni == QDir::homePath()))
        << prvni.toStdString();
    EXPECT_NE(prvni, QCoreApplication::applicationDirPath());

    ZapamatujSlozku(slozka.filePath(QStringLiteral("a/../VZT.DRN")));
    EXPECT_EQ(SlozkaDialogu(), slozka.path());
    // A remembered folder that is gone: back to the first choice.
    QTemporaryDir zmizela;
    ZapamatujSlozku(zmizela.filePath(QStringLiteral("VZT.DRN")));
    zmizela.remove();
    EXPECT_EQ(SlozkaDialogu(), prvni);
}

// Qt's own dialogs speak Czech whatever the system's language.
TEST(CeskeDialogy, SouborovyDialogATlacitka) {
    QFileDialog d(nullptr, QStringLiteral("Otevřít"), QDir::tempPath());
    QStringList texty;
    for (QLabel* l : d.findChildren<QLabel*>())
        texty << l->text().remove(QLatin1Char('&'));
    for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
        texty << b->text().remove(QLatin1Char('&'));
    for (const char* t : {"Hledat v:", "Název souboru:", "Zrušit"})
        EXPECT_TRUE(texty.contains(QString::fromUtf8(t)))
            << t << ": " << texty.join('|').toStdString();
    QMessageBox m(QMessageBox::Question, QString(), QString(),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(m.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Ne"));
    EXPECT_EQ(m.button(QMessageBox::Cancel)->text().remove('&'), QStringLiteral("Zrušit"));
}
