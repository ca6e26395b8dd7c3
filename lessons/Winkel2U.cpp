#include "lessons/Winkel2U.h"

#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/SchriftU.h"

#include <QSignalBlocker>

namespace {

// The drawing shows 40 x 20 units.
constexpr TWeltRechteck weltWinkel2{-20.0f, 20.0f, -10.0f, 10.0f};

const QString textAnfang = QStringLiteral(
    "Verändere die Winkel mit den Bildlaufleisten oder trage die Winkel in die Eingabefeld ein.");

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

void KreisPunkt(float& x, float& y, float winkel, float radius, float my, float mx)
{
    float dx = 0.0f, dy = 0.0f;
    PolarZuKartesisch(winkel, radius, dx, dy);
    x = float(static_cast<long double>(mx) + dx);
    y = float(static_cast<long double>(my) + dy);
}

QString Winkel2Anweisung(int schritt, int art, int ergebnis)
{
    switch (schritt) {
    case 1:
        return QStringLiteral("Zeichne um den Scheitel des 1.Winkels einen Kreisbogen.");
    case 2:
        return art == 1
            ? QStringLiteral("Zeichne um den Scheitel des 2.Winkels einen gleich großen, verlängerten Kreisbogen.")
            : QStringLiteral("Zeichne um den Scheitel des 2.Winkels einen gleich großen Kreisbogen.");
    case 3:
        return QStringLiteral("Nimm die Sehne beim 1.Keisbogen in den Zirkel.");
    case 4:
        return QStringLiteral("Trage diese Sehne beim 2.Keisbogen ab.");
    case 5:
        return QStringLiteral("Verbinde den Scheitel mit dem neuen Endpunkt am Kreisbogen.");
    case 6:
        return (art == 1 ? QStringLiteral("Die Summe der Winkel beträgt ")
                         : QStringLiteral("Die Differenz der Winkel beträgt "))
            + QString::number(ergebnis) + QStringLiteral("°");
    default:
        return textAnfang;
    }
}

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
    s1X = 10.0f;
    s1Y = 0.0f;
    fest1X = 19.0f;
    fest1Y = 0.0f;
    s2X = -10.0f;
    s2Y = 0.0f;
    fest2X = -1.0f;
    fest2Y = 0.0f;

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

void TfrmWinkel2::scrWinkel1Change()
{
    SchrittAufNull(); // the repeat button keeps its state
    winkelEins = scrWinkel1->value();
    if (art == 1) {
        if (winkelEins + winkelZwei >= 360)
            winkelEins = 360 - winkelZwei;
    } else if (winkelEins >= winkelZwei) {
        winkelEins = winkelZwei;
    }
    if (scrWinkel1->value() != winkelEins)
        scrWinkel1->setValue(winkelEins); // runs this handler once more
    const QString text = QString::number(winkelEins);
    lblWinkel1->setText(text + QStringLiteral("°"));
    if (edtWinkel1->text() != text)
        edtWinkel1->setText(text); // not the pupil's typing: edtWinkel1Change does not run
    BerechneSchenkel();
    ZeigeAnweisung();
    pntGrafik->repaint();
}

void TfrmWinkel2::scrWinkel2Change()
{
    SchrittAufNull();
    winkelZwei = scrWinkel2->value();
    if (art == 1) {
        if (winkelEins + winkelZwei >= 360)
            winkelZwei = 360 - winkelEins;
    } else if (winkelZwei <= winkelEins) {
        winkelZwei = winkelEins;
    }
    if (scrWinkel2->value() != winkelZwei)
        scrWinkel2->setValue(winkelZwei);
    const QString text = QString::number(winkelZwei);
    lblWinkel2->setText(text + QStringLiteral("°"));
    if (edtWinkel2->text() != text)
        edtWinkel2->setText(text);
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
    const QString text = feld->text();
    bool zahl = false;
    const int wert = text.toInt(&zahl);
    if (!zahl)
        feld->setText(QString::number(winkel)); // an emptied field falls back
    else if (wert > 360)
        feld->setText(QStringLiteral("360"));
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

QString Winkel2Beschreibung(int schritt, int art, int winkelEins, int winkelZwei)
{
    const int ergebnis = art == 1 ? winkelEins + winkelZwei : winkelZwei - winkelEins;
    QString text =
        QStringLiteral("Links der 2. Winkel von %1°, rechts der 1. Winkel von %2°, jeweils mit Scheitel S.")
            .arg(winkelZwei)
            .arg(winkelEins);
    if (schritt <= 0)
        return text;
    // What each step adds to the drawing, in the order of the steps.
    const QString teile[] = {
        QStringLiteral("Kreisbogen um den Scheitel des 1. Winkels"),
        QStringLiteral("Kreisbogen um den Scheitel des 2. Winkels"),
        QStringLiteral("Sehne beim 1. Kreisbogen"),
        QStringLiteral("Sehne beim 2. Kreisbogen abgetragen"),
        QStringLiteral("neuer Schenkel"),
        (art == 1 ? QStringLiteral("Summe ") : QStringLiteral("Differenz ")) + QString::number(ergebnis)
            + QStringLiteral("°"),
    };
    QStringList gezeichnet;
    for (int i = 0; i < std::min(schritt, 6); ++i)
        gezeichnet << teile[i];
    return text
        + QStringLiteral(" Schritt %1 von 6: %2 Gezeichnet: %3.")
              .arg(schritt)
              .arg(Winkel2Anweisung(schritt, art, ergebnis), gezeichnet.join(QStringLiteral(", ")));
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
    lblStatus->setText(Winkel2Anweisung(Schritt, art, Ergebnis()));
}

void TfrmWinkel2::BerechneSchenkel()
{
    KreisPunkt(frei1X, frei1Y, float(winkelEins), schenkelRadius, s1Y, s1X);
    KreisPunkt(frei2X, frei2Y, float(winkelZwei), schenkelRadius, s2Y, s2X);
}

void TfrmWinkel2::SetzeWeltfensterGrafik() const
{
    SetzeWeltfenster(pntGrafik->width(), pntGrafik->height(), weltWinkel2);
}

// ---------------------------------------------------------------------------
// Drawing

void TfrmWinkel2::pntGrafikPaint()
{
    Leinwand& lw = pntGrafik->Canvas;
    BeginneZeichnung(lw, pntGrafik->width(), pntGrafik->height(), weltWinkel2);

    const float r = ZirkelRadius();
    const int ergebnis = Ergebnis();
    float ax = 0.0f, ay = 0.0f, bx = 0.0f, by = 0.0f;

    // The two angles.
    Strecke(lw, 2, farbeMeergruen, s1X, s1Y, fest1X, fest1Y, linieVoll);
    Strecke(lw, 2, farbeMeergruen, s1X, s1Y, frei1X, frei1Y, linieVoll);
    Strecke(lw, 2, farbeViolett, s2X, s2Y, fest2X, fest2Y, linieVoll);
    Strecke(lw, 2, farbeViolett, s2X, s2Y, frei2X, frei2Y, linieVoll);

    // 1: the arc about angle 1's vertex, ten degrees beyond each leg.
    if (Schritt >= 1)
        Bogen(lw, 1, clBlack, s1X, s1Y, r, -10.0f, float(winkelEins + 10));

    // 2: the arc about angle 2's vertex; for a sum it must reach the result,
    // and near a full turn it is the whole circle.
    if (Schritt >= 2) {
        if (art == 1) {
            if (winkelEins + winkelZwei + 10 < 350)
                Bogen(lw, 1, clBlack, s2X, s2Y, r, -10.0f, float(winkelEins + winkelZwei + 10));
            else
                Bogen(lw, 1, clBlack, s2X, s2Y, r, 0.0f, 360.0f);
        } else {
            Bogen(lw, 1, clBlack, s2X, s2Y, r, -10.0f, float(winkelZwei + 10));
        }
    }

    // 3: the chord of angle 1 taken into the compass.
    if (Schritt >= 3) {
        KreisPunkt(ax, ay, 0.0f, r, s1Y, s1X);
        KreisPunkt(bx, by, float(winkelEins), r, s1Y, s1X);
        Strecke(lw, 3, farbeHimbeer, ax, ay, bx, by, linieVoll);
    }

    // 4: the chord marked off on arc 2, from angle 2's leg.
    if (Schritt >= 4) {
        KreisPunkt(ax, ay, float(winkelZwei), r, s2Y, s2X);
        KreisPunkt(bx, by, float(ergebnis), r, s2Y, s2X);
        Strecke(lw, 3, farbeHimbeer, ax, ay, bx, by, linieVoll);
    }

    // 5: the new leg, in angle 1's colour.
    if (Schritt >= 5) {
        KreisPunkt(ax, ay, float(ergebnis), schenkelRadius, s2Y, s2X);
        Strecke(lw, 2, farbeMeergruen, s2X, s2Y, ax, ay, linieVoll);
    }

    // 6: the result angle and its size. A difference of 0° has no arc: equal
    // rays would make the canvas draw a whole circle.
    if (Schritt == 6) {
        if (ergebnis != 0)
            Bogen(lw, 2, farbeBraun, s2X, s2Y, 0.9f * schenkelRadius, 0.0f, float(ergebnis));
        KreisPunkt(ax, ay, float(ergebnis) / 2.0f, 1.05f * schenkelRadius, s2Y, s2X);
        TextZentriert(lw, QString::number(ergebnis) + QStringLiteral("°"), farbeBraun, true, 14, ax, ay);
    }

    TextZentriert(lw, QStringLiteral("S"), clBlack, true, 12, 9.5f, 0.0f);
    TextZentriert(lw, QStringLiteral("S"), clBlack, true, 12, -10.5f, 0.0f);

    ZeigeAnweisung();
}
