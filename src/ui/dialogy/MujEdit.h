#pragma once

#include <QLineEdit>

// Number fields that validate themselves when the user leaves them.
// The text and the value (Cislo) are separate: the program sets both, the
// user changes the text, and validation carries it into Cislo.
class TMEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TMEdit(QWidget* parent = nullptr);

    // Validates text typed since the last validation. On failure shows the
    // field's message, returns the focus to the field and keeps Cislo.
    bool Over();
    bool Neovereno() const { return neovereno_; }
    // Text put in as if typed: validated on leaving the field or at OK.
    void VlozText(const QString& text) {
        setText(text);
        neovereno_ = true;
    }

    // Validates every pending field below w (in tab order); false at the first failure.
    static bool OverVse(QWidget* w);

    // What the field is, as its messages name it (its caption without the unit).
    QString Nazev;

  signals:
    // Typed text was validated and taken (on leaving the field, Enter or OK).
    void Prevzato();

  protected:
    void focusOutEvent(QFocusEvent* e) override;
    virtual bool Prevezmi(const QString& text, QString& chyba) = 0;
    void OznacNastaveno() { neovereno_ = false; }

  private:
    bool neovereno_ = false;
};

class TMDoubleEdit : public TMEdit {
    Q_OBJECT
  public:
    explicit TMDoubleEdit(QWidget* parent = nullptr);

    double Min = 0;
    double Max = 0;
    double Cislo() const { return cislo_; }
    // Value and its text with the given number of decimals.
    void NastavCislo(double v, int desetin = 1);
    // Value and a text of the program's choosing ("0", "1").
    void NastavCislo(double v, const QString& text);
    void NastavMeze(double min, double max) {
        Min = min;
        Max = max;
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool Prevezmi(const QString& text, QString& chyba) override;

  private:
    double cislo_ = 0;
};

class TMIntegerEdit : public TMEdit {
    Q_OBJECT
  public:
    explicit TMIntegerEdit(QWidget* parent = nullptr);

    int Min = 0;
    int Max = 0;
    int Cislo() const { return cislo_; }
    void NastavCislo(int v);
    void NastavMeze(int min, int max) {
        Min = min;
        Max = max;
    }

  protected:
    bool Prevezmi(const QString& text, QString& chyba) override;

  private:
    int cislo_ = 0;
};

// Texts of the validation messages.
QString ZpravaNeniCislo();
QString ZpravaRozsah(const QString& nazev, double min, double max);
// A field's name from its caption: without "&", a trailing colon and a
// trailing unit (" v mm", " [dB]").
QString NazevZPopisku(const QString& popisek);
