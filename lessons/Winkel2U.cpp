#include "lessons/Winkel2U.h"

#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"

#include <QSignalBlocker>

namespace {

// The drawing shows 40 x 20 units.
constexpr TWeltRechteck weltWinkel2{-20.0f, 20.0f, -10.0f, 10.0f};

// Scroll bar, edit field and label of one angle.
void SchreibeWinkel(QScrollBar* leiste, QLineEdit* feld, QLabel* label, int winkel)
{
    const QSignalBlocker sperreLeiste(leiste);
    const QSignalBlocker sperreFeld(feld);
    leiste->setValue(winkel);
    feld->setText(QString::number(winkel));
    label->setText(QString::number(winkel) + QStringLiteral("°"));
}

} // namespace

// ---------------------------------------------------------------------------
// Window

TfrmWinkel2::TfrmWinkel2(QWidget* eltern) : TLektionsFenster(QStringLiteral("Übertragung von Winkeln"), eltern)
{
    EinBereich().Verteile(pnlUeb1, lblUeb, bevGrafik1, pntGrafik, pnlStatus1, lblStatus);

    grpArt = new TRadioGroup(Client(), QRect(4, 575, 180, 75), QStringLiteral(" Übertragungsart "),
                             {QStringLiteral("Addition"), QStringLiteral("Subtraktion")});
    grpArt->SetzeItemIndex(0);

    const auto winkelGruppe = [this](QRect geometrie, QGroupBox*& grp, QScrollBar*& scr, QLineEdit*& edt,
                                     QLabel*& lbl, int wert) {
        grp = new QGroupBox(Client());
        grp->setGeometry(geometrie);
        scr = NeueGradLeiste(grp, QRect(10, 25, 150, 25), wert);
        edt = new QLineEdit(QString::number(wert), grp);
        edt->setGeometry(180, 25, 60, 27);
        // Three digits are enough for 0..360; a longer number could not be read.
        edt->setValidator(new TZiffernFilter(3, edt));
        edt->setFocusPolicy(Qt::StrongFocus);
        lbl = NeuesLabel(grp, QRect(2, geometrie.height() - 20 - 2, geometrie.width() - 4, 20),
                         QString::number(wert) + QStringLiteral("°"), 16, true, clBlack);
    };
    winkelGruppe(QRect(200, 575, 250, 75), grpWinkel2, scrWinkel2, edtWinkel2, lblWinkel2, 40);
    winkelGruppe(QRect(460, 575, 250, 75), grpWinkel1, scrWinkel1, edtWinkel1, lblWinkel1, 25);

    const TSchrittGruppe schritte =
        NeueSchrittGruppe(QRect(729, 575, 130, 75), QStringLiteral(" Schritte (0–6) "), 6, QRect(15, 25, 100, 25));
    grpSchritt = schritte.grp;
    UpDown = schritte.UpDown;
    lblSchritte = schritte.lblSchritte;

    const TWiederholGruppe wiederholen = NeueWiederholGruppe();
    grpWH = wiederholen.grp;
    btnWH = wiederholen.btn;

    setTabOrder(scrWinkel2, edtWinkel2);
    setTabOrder(edtWinkel2, scrWinkel1);
    setTabOrder(scrWinkel1, edtWinkel1);

    grpArt->OnClick = [this] { grpArtClick(); };
    connect(scrWinkel1, &QScrollBar::valueChanged, this, [this] { scrWinkel1Change(); });
    connect(scrWinkel2, &QScrollBar::valueChanged, this, [this] { scrWinkel2Change(); });
    connect(edtWinkel1, &QLineEdit::textEdited, this, [this] { edtWinkel1Change(); });
    connect(edtWinkel2, &QLineEdit::textEdited, this, [this] { edtWinkel2Change(); });
    connect(edtWinkel1, &QLineEdit::editingFinished, this, [this] { edtWinkel1Exit(); });
    connect(edtWinkel2, &QLineEdit::editingFinished, this, [this] { edtWinkel2Exit(); });
    UpDown->OnClick = [this](TUpDown* sender) { UpDownClick(sender); };
    connect(btnWH, &QPushButton::clicked, this, [this] { btnWHClick(); });
    pntGrafik->OnPaint = [this] { pntGrafikPaint(); };
    pntGrafik->OnBeschreibung = [this] { return Winkel2Beschreibung(Schritt, art, winkelEins, winkelZwei); };
}

void TfrmWinkel2::FormActivate()
{
    SetzeFarben();

    lblUeb->setText(QStringLiteral("Übertragen von Winkeln: Addition"));
    grpWinkel1->setTitle(QStringLiteral(" Winkel 1 (0–360°) "));
    grpWinkel2->setTitle(QStringLiteral(" Winkel 2 (0–360°) "));
    grpSchritt->setTitle(QStringLiteral(" Schritte (0–6) "));

    art = 1;
    Schritt = 0;
    schenkelRadius = 9.0f;
    eins.s = {10.0f, 0.0f};
    eins.fest = {19.0f, 0.0f};
    zwei.s = {-10.0f, 0.0f};
    zwei.fest = {-1.0f, 0.0f};

    // Both angles are set before either control moves: the invariant must not
    // meet the last visit's other angle.
    winkelEins = 25;
    winkelZwei = 40;
    SchreibeWinkel(scrWinkel1, edtWinkel1, lblWinkel1, winkelEins);
    SchreibeWinkel(scrWinkel2, edtWinkel2, lblWinkel2, winkelZwei);
    BerechneSchenkel();
    ZeigeEingaben(true);

    // The controls start as at the first opening.
    grpArt->SetzeItemIndex(0);
    grpArt->setEnabled(true);
    SchrittAufNull();
    btnWH->setEnabled(false);

    ZeigeAnweisung();
    pntGrafik->repaint();
}

void TfrmWinkel2::menSchliessenClick()
{
    close();
}

void TfrmWinkel2::grpArtClick()
{
    btnWH->setEnabled(false);
    art = grpArt->ItemIndex() + 1;
    lblUeb->setText(art == 1 ? QStringLiteral("Übertragen von Winkeln: Addition")
                             : QStringLiteral("Übertragen von Winkeln: Subtraktion"));
    SchrittAufNull();
    // The angles keep their values; the next change of either applies the new mode's rule.
    ZeigeAnweisung();
    pntGrafik->repaint();
}

void TfrmWinkel2::scrWinkel1Change() { LeisteGeaendert(scrWinkel1, edtWinkel1, lblWinkel1, winkelEins, winkelZwei); }

void TfrmWinkel2::scrWinkel2Change() { LeisteGeaendert(scrWinkel2, edtWinkel2, lblWinkel2, winkelZwei, winkelEins); }

void TfrmWinkel2::LeisteGeaendert(QScrollBar* leiste, QLineEdit* feld, QLabel* label, int& winkel, int anderer)
{
    SchrittAufNull(); // the repeat button keeps its state
    winkel = leiste->value();
    // The mode's rule moves the angle just changed: a sum stays below a full
    // turn, and angle 1 never exceeds angle 2.
    if (art == 1) {
        if (winkelEins + winkelZwei >= 360)
            winkel = 360 - anderer;
    } else if (winkelEins >= winkelZwei) {
        winkel = anderer;
    }
    if (leiste->value() != winkel)
        leiste->setValue(winkel); // runs this handler once more
    const QString text = QString::number(winkel);
    label->setText(text + QStringLiteral("°"));
    if (feld->text() != text)
        feld->setText(text); // not the pupil's typing: the field's handler does not run
    BerechneSchenkel();
    ZeigeAnweisung();
    pntGrafik->repaint();
}

void TfrmWinkel2::edtWinkel1Change() { FeldGetippt(edtWinkel1, winkelEins); }

void TfrmWinkel2::edtWinkel2Change() { FeldGetippt(edtWinkel2, winkelZwei); }

void TfrmWinkel2::edtWinkel1Exit() { FeldFertig(edtWinkel1, scrWinkel1, winkelEins, &TfrmWinkel2::scrWinkel1Change); }

void TfrmWinkel2::edtWinkel2Exit() { FeldFertig(edtWinkel2, scrWinkel2, winkelZwei, &TfrmWinkel2::scrWinkel2Change); }

void TfrmWinkel2::FeldGetippt(QLineEdit* feld, int winkel)
{
    // The pupil is typing: the field keeps the digits as they come ("1", "10",
    // "100"); the mode's rule waits for the finished entry.
    btnWH->setEnabled(false);
    GradImFeld(feld, winkel);
}

void TfrmWinkel2::FeldFertig(QLineEdit* feld, QScrollBar* leiste, int& winkel, void (TfrmWinkel2::*leisteChange)())
{
    // Return, Tab or leaving the field: the entry is taken as if the scroll bar
    // had been moved there, which applies the rule and shows the corrected
    // value in the field, the label, the scroll bar and the drawing.
    bool zahl = false;
    const int wert = feld->text().toInt(&zahl);
    if (!zahl || feld->text() == QString::number(winkel))
        return;
    winkel = wert;
    if (leiste->value() != wert)
        leiste->setValue(wert); // runs the scroll bar's handler
    else
        (this->*leisteChange)(); // same position: still apply the rule and tidy the text ("045")
}

void TfrmWinkel2::UpDownClick(TUpDown*)
{
    Schritt = UpDown->Position();
    lblSchritte->setText(QString::number(Schritt));
    if (Schritt != 0) {
        ZeigeEingaben(false);
        grpArt->setEnabled(false);
        if (Schritt == 6) {
            btnWH->setEnabled(true);
            grpArt->setEnabled(true);
            ZeigeEingaben(true);
        }
    } else {
        ZeigeEingaben(true);
        grpArt->setEnabled(true);
    }
    ZeigeAnweisung();
    pntGrafik->repaint();
}

void TfrmWinkel2::btnWHClick()
{
    SchrittAufNull();
    btnWH->setEnabled(false);
    // The same construction again: inputs stay locked until the step control
    // goes back to 0 from step 1 or reaches the last step.
    ZeigeEingaben(false);
    grpArt->setEnabled(false);
    ZeigeAnweisung();
    pntGrafik->repaint();
}

void TfrmWinkel2::ZeigeEingaben(bool sichtbar)
{
    scrWinkel1->setVisible(sichtbar);
    scrWinkel2->setVisible(sichtbar);
    edtWinkel1->setVisible(sichtbar);
    edtWinkel2->setVisible(sichtbar);
}

void TfrmWinkel2::SchrittAufNull()
{
    Schritt = 0;
    UpDown->SetzePosition(0);
    lblSchritte->setText(QStringLiteral("0"));
}

void TfrmWinkel2::ZeigeAnweisung()
{
    // Every handler that changes the step, the mode or an angle shows the
    // instruction here before it repaints; painting only draws.
    lblStatus->setText(QtText(Winkel2Anweisung(Schritt, art, Ergebnis())));
}

void TfrmWinkel2::BerechneSchenkel()
{
    eins.frei = Polar(eins.s, float(winkelEins), schenkelRadius);
    zwei.frei = Polar(zwei.s, float(winkelZwei), schenkelRadius);
}

// ---------------------------------------------------------------------------
// Drawing

void TfrmWinkel2::pntGrafikPaint()
{
    BeginneZeichnung(pntGrafik->Canvas, pntGrafik->width(), pntGrafik->height(), weltWinkel2);
    Zeichne(pntGrafik->Canvas, Winkel2Bild(Schritt, art, winkelEins, winkelZwei, schenkelRadius, eins, zwei));
}
