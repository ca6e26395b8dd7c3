#include "lessons/Winkel1U.h"

#include "app/Plattform.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/VektorU.h"

#include <QSignalBlocker>

namespace {
// Both drawings show 20 x 20 units.
constexpr TWeltRechteck weltWinkel1{-10.0f, 10.0f, -10.0f, 10.0f};
} // namespace

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
        return WinkelBeschreibung(std::to_string(winkel1) + "°", WinkelArtGanz(winkel1));
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

    s = {0.0f, 0.0f};
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

    fest1 = fest2 = frei1 = frei2 = maus = {8.0f, 0.0f};

    // A window closed in the middle of a drag opens with the pointer free.
    ziehen = false;
    SetzeBildschirmCursor(crDefault);
    ClipCursor(nullptr);
    ziehBereich = ZiehBereichJetzt();

    pnlWinkel->SetzeSchriftFarbe(farbeLila);
    pnlWinkel->SetzeCaption(QtText(GMSText(winkel2)));

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
    frei1 = Polar(s, float(winkel1), schenkelLaenge);
    pntGrafik1->repaint();
}

void TfrmWinkel1::edtWinkel1Change()
{
    // A corrected field runs this handler again with the corrected text.
    const std::optional<int> wert = GradImFeld(edtWinkel1, winkel1);
    if (!wert)
        return;
    winkel1 = *wert;
    if (scrWinkel1->value() != winkel1)
        scrWinkel1->setValue(winkel1); // runs scrWinkel1Change, which also tidies the text
    else if (edtWinkel1->text() != QString::number(winkel1))
        edtWinkel1->setText(QString::number(winkel1)); // "045" at 45 already
    pntGrafik1->repaint();
}

void TfrmWinkel1::pntGrafik2MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    // The pointer stands where it was pressed; take that position even if no
    // move was reported before the press.
    SetzeWeltfensterGrafik(pntGrafik2);
    PixelZuWelt(x, y, maus.x, maus.y);

    ziehen = true;
    ziehBereich = ZiehBereichJetzt();
    ClipCursor(&ziehBereich);

    // A direction that rounds up to a full turn is the ray at 0 degrees again:
    // a click just below the fixed leg shows "Kein Winkel", not "Voller Winkel".
    const int grad = Runden(Richtung(s, maus));
    DreheSchenkel(float(grad == 360 ? 0 : grad));
}

void TfrmWinkel1::pntGrafik2MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    SetzeWeltfensterGrafik(pntGrafik2);
    PixelZuWelt(x, y, maus.x, maus.y);
    // The hand shows that the leg's end can be taken; it goes as soon as the
    // pointer leaves the end, except while the leg is being dragged.
    const bool amEnde = Abstand(maus, frei2) <= 0.2f;
    SetzeBildschirmCursor(amEnde || ziehen ? crHandPoint : crDefault);
    if (ziehen)
        DreheSchenkel(Richtung(s, maus));
    else
        pntGrafik2->repaint();
}

void TfrmWinkel1::pntGrafik2MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    ziehen = false;
    SetzeBildschirmCursor(crDefault);
    ClipCursor(nullptr);
    pntGrafik2->repaint();
}

void TfrmWinkel1::DreheSchenkel(float grad)
{
    winkel2 = grad;
    frei2 = Polar(s, winkel2, schenkelLaenge);
    // The panel follows the angle here, where it changes; painting only draws.
    pnlWinkel->SetzeCaption(QtText(GMSText(winkel2)));
    pntGrafik2->repaint();
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
    BeginneZeichnung(pntGrafik1->Canvas, pntGrafik1->width(), pntGrafik1->height(), weltWinkel1);
    Zeichne(pntGrafik1->Canvas, Winkel1BildLinks(winkel1, s, fest1, frei1));
}

void TfrmWinkel1::pntGrafik2Paint()
{
    BeginneZeichnung(pntGrafik2->Canvas, pntGrafik2->width(), pntGrafik2->height(), weltWinkel1);
    Zeichne(pntGrafik2->Canvas, Winkel1BildRechts(winkel2, s, fest2, frei2));
}
