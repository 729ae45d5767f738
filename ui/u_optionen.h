// The options window: every field of the options record as a control of the
// same name. Changes apply at once; format and separator changes redraw the
// main window, which serves as the preview.
#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quarnelo::ui {

struct Programm;

class Toptionen : public QWidget {
    Q_OBJECT
public:
    explicit Toptionen(Programm& programm);

    /// Sets every text of the window in the current language.
    void Sprache();

    /// Shows the options record in the controls without running any handler;
    /// called after a configuration load has replaced the record.
    void Anzeigen();

    // Format of the values.
    QGroupBox* gb1;
    QRadioButton *rb_general, *rb_fixed, *rb_exponent;
    QLabel *Label11, *Label13, *Label15;  // fixed examples of the three formats
    QLabel *Label10, *Label12, *Label14, *Label2;
    QComboBox *cb_general, *cb_fixed, *cb_exponent, *cb_stellen;
    QCheckBox *cb_autopref, *cb_bruch;

    // Format of the units.
    QGroupBox* gb2;
    QLabel *Label1, *Label3, *Label4;
    QLineEdit *ed_sep, *ed_sep_pe, *ed_sep_pa, *ed_ersteunit;
    QCheckBox* cb_ersteunit;
    QRadioButton *rb_abk, *rb_einh;

    // Decimal separator.
    QGroupBox* gb3;
    QRadioButton *rb_dsys, *rb_dcomma, *rb_dpunkt;

    QLabel *Label9, *laspenden;
    QPushButton* OK;

public slots:
    void cb_stellenChange();
    void cb_generalChange();
    void cb_fixedChange();
    void cb_exponentChange();
    void rb_generalClick();
    void rb_fixedClick();
    void rb_dsysClick();
    void rb_dcommaClick();
    void rb_dpunktClick();
    void OKClick();
    void laspendenClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Aufbauen();
    void Verbinden();
    void FormCreate();
    void TexteSetzen(bool deutsch);
    /// Derives the number-format values from the record, then redraws.
    void EinheitenWechsel();
    /// Redraws the main window with the current options.
    void VorschauRealisieren();

    Programm& programm_;
    QButtonGroup *formate_, *bezeichnungen_, *trenner_;
};

}  // namespace quarnelo::ui
