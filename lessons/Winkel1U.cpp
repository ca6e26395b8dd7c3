#include "lessons/Winkel1U.h"

#include "app/Plattform.h"
#include "draw/GlobalU.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/SchriftU.h"
#include "draw/VektorU.h"

#include <QSignalBlocker>
#include <cmath>

namespace {
// Both drawings show 20 x 20 units.
constexpr TWeltRechteck weltWinkel1{-10.0f, 10.0f, -10.0f, 10.0f};
} // namespace

// ---------------------------------------------------------------------------
// Kinds of angles

TWinkelArt WinkelArtGanz(int grad)
{
    if (grad == 0)
        return {QStringLiteral("Kein Winkel"), farbeHimbeer};
    if (grad >= 1 && grad <= 89)
        return {QStringLiteral("Spitzer Winkel"), farbeViolett};
    if (grad == 90)
        return {QStringLiteral("Rechter Winkel"), farbeHimbeer};
    if (grad >= 91 && grad <= 179)
        return {QStringLiteral("Stumpfer Winkel"), farbeBraun};
    if (grad == 180)
        return {QStringLiteral("Gestreckter Winkel"), farbeHimbeer};
    if (grad >= 181 && grad <= 359)
        return {QStringLiteral("Erhabener Winkel"), farbeMeergruen};
    if (grad == 360)
        return {QStringLiteral("Voller Winkel"), farbeHimbeer};
    return {QString(), clBlack};
}

TWinkelArt WinkelArtGenau(float grad)
{
    // Exact comparisons in this order: a direction a hair beside the y axis is
    // acute or obtuse, never right.
    if (grad == 0.0f)
        return {QStringLiteral("Kein Winkel"), farbeHimbeer};
    if (grad < 90.0f)
        return {QStringLiteral("Spitzer Winkel"), farbeViolett};
    if (grad == 90.0f)
        return {QStringLiteral("Rechter Winkel"), farbeHimbeer};
    if (grad < 180.0f)
        return {QStringLiteral("Stumpfer Winkel"), farbeBraun};
    if (grad == 180.0f)
        return {QStringLiteral("Gestreckter Winkel"), farbeHimbeer};
    if (grad < 360.0f)
        return {QStringLiteral("Erhabener Winkel"), farbeMeergruen};
    if (grad == 360.0f)
        return {QStringLiteral("Voller Winkel"), farbeHimbeer};
    return {QString(), clBlack};
}

void GradInGMS(float winkel, int& grad, int& minuten, int& sekunden)
{
    grad = int(std::trunc(winkel));
    const float f = float((static_cast<long double>(winkel) - grad) * 60.0L);
    minuten = int(std::trunc(f));
    const float g = float((static_cast<long double>(f) - minuten) * 60.0L);
    sekunden = int(std::trunc(g));
}

QString GMSText(float winkel)
{
    int grad = 0, minuten = 0, sekunden = 0;
    GradInGMS(winkel, grad, minuten, sekunden);
    return QStringLiteral("%1° %2' %3''").arg(grad).arg(minuten).arg(sekunden);
}

QString WinkelBeschreibung(const QString& mass, const TWinkelArt& art)
{
    QString art2 = art.text;
    if (!art2.isEmpty())
        art2[0] = art2[0].toLower();
    return QStringLiteral("Winkel von %1 – %2, Scheitel S").arg(mass, art2);
}

// ---------------------------------------------------------------------------
// Window

TfrmWinkel1::TfrmWinkel1(QWidget* eltern) : TLektionsFenster(QStringLiteral("Arten von Winkeln"), eltern)
{
    LinkerBereich().Verteile(pnlUeb1, lblUeb1, bevGrafik1, pntGrafik1, pnlStatus1, lblStatus1);

    RechterBereich().Verteile(pnlUeb2, lblUeb2, bevGrafik2, pntGrafik2, pnlStatus2, lblStatus2);

    grpWinkel1 = new QGroupBox(Client());
    grpWinkel1->setGeometry(5, 575, 150, 75);
    scrWinkel1 = NeueGradLeiste(grpWinkel1, QRect(15, 25, 120, 24), 0);
    lblWinkel1 = NeuesLabel(grpWinkel1, QRect(2, 75 - 22 - 2, 146, 22), QStringLiteral("0°"), 16, true, clBlack);

    grpGrad1 = new QGroupBox(Client());
    grpGrad1->setGeometry(160, 575, 150, 75);
    edtWinkel1 = new QLineEdit(QStringLiteral("0"), grpGrad1);
    edtWinkel1->setGeometry(15, 25, 120, 27);
    edtWinkel1->setValidator(new TZiffernFilter(3, edtWinkel1));
    edtWinkel1->setFocusPolicy(Qt::StrongFocus);

    pnlWinkel = NeuesPanel(QRect(669, 600, 200, 41));
    pnlWinkel->setFont(QtSchrift(QStringLiteral("Arial"), 19, true));
    pnlWinkel->SetzeCaption(QStringLiteral("0° 0' 0''"));

    setTabOrder(scrWinkel1, edtWinkel1);

    connect(scrWinkel1, &QScrollBar::valueChanged, this, [this] { scrWinkel1Change(); });
    connect(edtWinkel1, &QLineEdit::textChanged, this, [this] { edtWinkel1Change(); });
    pntGrafik1->OnPaint = [this] { pntGrafik1Paint(); };
    pntGrafik2->OnPaint = [this] { pntGrafik2Paint(); };
    pntGrafik1->OnBeschreibung = [this] {
        return WinkelBeschreibung(QString::number(winkel1) + QStringLiteral("°"), WinkelArtGanz(winkel1));
    };
    pntGrafik2->OnBeschreibung = [this] { return WinkelBeschreibung(GMSText(winkel2), WinkelArtGenau(winkel2)); };
    pntGrafik2->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        pntGrafik2MouseDown(b, m, x, y);
    };
    pntGrafik2->OnMouseMove = [this](Qt::KeyboardModifiers m, int x, int y) { pntGrafik2MouseMove(m, x, y); };
    pntGrafik2->OnMouseUp = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        pntGrafik2MouseUp(b, m, x, y);
    };
}

void TfrmWinkel1::FormActivate()
{
    rahmenHoehe = RahmenHoehe();
    SetzeFarben();

    lblUeb1->setText(QStringLiteral("Winkelmaße in Grad"));
    lblUeb2->setText(QStringLiteral("Winkelmaße in Grad, Minuten und Sekunden"));
    lblStatus1->setText(QStringLiteral(
        "Verändere den Winkel mit der Bildlaufleiste oder trage den Winkel in das Eingabefeld ein."));
    lblStatus2->setText(QStringLiteral(
        "Verändere den Winkel durch Klicken auf den Endpunkts des Schenkel und Ziehen mit der linken Maustaste."));
    grpWinkel1->setTitle(QStringLiteral(" Winkel (0°–360°) "));
    grpGrad1->setTitle(QStringLiteral(" Winkel (0°–360°) "));

    sX = 0.0f;
    sY = 0.0f;
    schenkelLaenge = 8.0f;
    winkel1 = 0;
    winkel2 = 0.0f;

    // Both inputs back to 0 at once, so neither handler sees the other's old value.
    {
        const QSignalBlocker sperreLeiste(scrWinkel1);
        const QSignalBlocker sperreFeld(edtWinkel1);
        scrWinkel1->setValue(0);
        edtWinkel1->setText(QStringLiteral("0"));
    }
    lblWinkel1->setText(QStringLiteral("0°"));

    festX1 = festX2 = freiX1 = freiX2 = mausX = 8.0f;
    festY1 = festY2 = freiY1 = freiY2 = mausY = 0.0f;

    // A window closed in the middle of a drag opens with the pointer free.
    ziehen = false;
    SetzeBildschirmCursor(crDefault);
    ClipCursor(nullptr);
    ziehBereich = ZiehBereichJetzt();

    pnlWinkel->SetzeSchriftFarbe(farbeLila);
    pnlWinkel->SetzeCaption(GMSText(winkel2));

    pntGrafik1->repaint();
    pntGrafik2->repaint();
}

void TfrmWinkel1::menSchliessenClick()
{
    close();
}

void TfrmWinkel1::scrWinkel1Change()
{
    winkel1 = scrWinkel1->value();
    const QString text = QString::number(winkel1);
    lblWinkel1->setText(text + QStringLiteral("°"));
    if (edtWinkel1->text() != text)
        edtWinkel1->setText(text); // runs edtWinkel1Change
    float x = 0.0f, y = 0.0f;
    PolarZuKartesisch(float(winkel1), schenkelLaenge, x, y);
    freiX1 = sX + x;
    freiY1 = sY + y;
    pntGrafik1->repaint();
}

void TfrmWinkel1::edtWinkel1Change()
{
    const QString text = edtWinkel1->text();
    bool zahl = false;
    const int wert = text.toInt(&zahl);
    if (!zahl) {
        // Empty (or, behind the digit filter never, unreadable): the last accepted angle again.
        edtWinkel1->setText(QString::number(winkel1));
        return;
    }
    if (wert > 360) {
        edtWinkel1->setText(QStringLiteral("360"));
        return;
    }
    winkel1 = wert;
    if (scrWinkel1->value() != winkel1)
        scrWinkel1->setValue(winkel1); // runs scrWinkel1Change, which also tidies the text
    else if (text != QString::number(winkel1))
        edtWinkel1->setText(QString::number(winkel1)); // "045" at 45 already
    pntGrafik1->repaint();
}

void TfrmWinkel1::pntGrafik2MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    // The pointer stands where it was pressed; take that position even if no
    // move was reported before the press.
    SetzeWeltfensterGrafik(pntGrafik2);
    PixelZuWelt(x, y, mausX, mausY);

    ziehen = true;
    ziehBereich = ZiehBereichJetzt();
    ClipCursor(&ziehBereich);

    // A direction that rounds up to a full turn is the ray at 0 degrees again:
    // a click just below the fixed leg shows "Kein Winkel", not "Voller Winkel".
    const int grad = Runden(Richtungswinkel(mausX - sX, mausY - sY));
    winkel2 = float(grad == 360 ? 0 : grad);
    ZeigeWinkel2();
    pntGrafik2->repaint();
}

void TfrmWinkel1::pntGrafik2MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    SetzeWeltfensterGrafik(pntGrafik2);
    PixelZuWelt(x, y, mausX, mausY);
    // The hand shows that the leg's end can be taken; it goes as soon as the
    // pointer leaves the end, except while the leg is being dragged.
    const bool amEnde = Abstand(mausX, mausY, freiX2, freiY2) <= 0.2f;
    SetzeBildschirmCursor(amEnde || ziehen ? crHandPoint : crDefault);
    if (ziehen) {
        winkel2 = Richtungswinkel(mausX - sX, mausY - sY);
        ZeigeWinkel2();
    }
    pntGrafik2->repaint();
}

void TfrmWinkel1::pntGrafik2MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    ziehen = false;
    SetzeBildschirmCursor(crDefault);
    ClipCursor(nullptr);
    pntGrafik2->repaint();
}

void TfrmWinkel1::ZeigeWinkel2()
{
    float x = 0.0f, y = 0.0f;
    PolarZuKartesisch(winkel2, schenkelLaenge, x, y);
    freiX2 = sX + x;
    freiY2 = sY + y;
    pnlWinkel->SetzeCaption(GMSText(winkel2));
}

QRect TfrmWinkel1::ZiehBereichJetzt() const
{
    // Taken from where the drawing stands on the screen now, so that a moved
    // window still confines the pointer to its drawing.
    return QRect(pntGrafik2->mapToGlobal(QPoint(0, 0)), QSize(480, 480));
}

void TfrmWinkel1::SetzeWeltfensterGrafik(const TPaintBox* box) const
{
    SetzeWeltfenster(box->width(), box->height(), weltWinkel1);
}

// ---------------------------------------------------------------------------
// Drawing

void TfrmWinkel1::pntGrafik1Paint()
{
    Leinwand& lw = pntGrafik1->Canvas;
    BeginneZeichnung(lw, pntGrafik1->width(), pntGrafik1->height(), weltWinkel1);

    const TWinkelArt art = WinkelArtGanz(winkel1);
    if (winkel1 != 0)
        Bogen(lw, 2, art.farbe, sX, sY, 3.0f, 0.0f, float(winkel1));
    if (!art.text.isEmpty()) {
        Strecke(lw, 2, art.farbe, sX, sY, festX1, festY1, linieVoll);
        Strecke(lw, 2, art.farbe, sX, sY, freiX1, freiY1, linieVoll);
        TextMitte(lw, art.text, art.farbe, true, 12, 0.0f, 10.0f);
    }
    Kreis(lw, 1, clBlack, sX, sY, 0.15f, int(clBlack));
    TextZentriert(lw, QStringLiteral("S"), clBlack, true, 12, -0.5f, 0.0f);
}

void TfrmWinkel1::pntGrafik2Paint()
{
    Leinwand& lw = pntGrafik2->Canvas;
    BeginneZeichnung(lw, pntGrafik2->width(), pntGrafik2->height(), weltWinkel1);

    const TWinkelArt art = WinkelArtGenau(winkel2);
    if (!art.text.isEmpty()) {
        Strecke(lw, 2, art.farbe, sX, sY, festX2, festY2, linieVoll);
        Strecke(lw, 2, art.farbe, sX, sY, freiX2, freiY2, linieVoll);
        TextMitte(lw, art.text, art.farbe, true, 12, 0.0f, 10.0f);
    }
    Kreis(lw, 1, clBlack, sX, sY, 0.15f, int(clBlack));
    if (winkel2 != 0.0f)
        Bogen(lw, 2, art.farbe, sX, sY, 3.0f, 0.0f, winkel2);
    TextZentriert(lw, QStringLiteral("S"), clBlack, true, 12, -0.5f, 0.0f);

    pnlWinkel->SetzeCaption(GMSText(winkel2));
}
