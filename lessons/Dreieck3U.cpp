#include "lessons/Dreieck3U.h"

#include "app/Plattform.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/PolKartU.h"
#include "draw/VektorU.h"

#include <QAction>
#include <QCheckBox>
#include <QSignalBlocker>
#include <utility>

namespace {

const QString textSchnittpunkte = QStringLiteral(
    "Ziehe die Eckpunkte des Dreiecks mit gedrückter linker Maustaste. Kleinster Abstand ca. 2 cm.");
const QString textThaleskreis = QStringLiteral(
    "Ziehe die Ecke C des Dreiecks mit gedrückter linker Maustaste oder verwende die Bildlaufleiste.");

constexpr TWeltPunkt startA{-14.0f, -16.0f};
constexpr TWeltPunkt startB{20.0f, 6.0f};
constexpr TWeltPunkt startC{-6.0f, 20.0f};

// A vertex is under the pointer within 0.3 units (3 pixels). A pointer exactly
// 3 pixels away measures 0.30000019 in single precision; the allowance keeps
// "within 3 pixels" true in every direction and is far below a pixel.
constexpr float trefferRadius = 0.3f;
constexpr float trefferSpiel = 1e-4f;

bool Nahe(TWeltPunkt punkt, TWeltPunkt zeiger)
{
    return Abstand(punkt, zeiger) <= trefferRadius + trefferSpiel;
}

// A legend on the group's face (no white fill), its labels clear of the check
// boxes that lie above it, 2 pixels right of each.
void ZeichneLegende(TPaintBox* box, const std::string (&texte)[3], bool griechisch,
                    const QCheckBox* (&kaestchen)[3])
{
    SetzeWeltfenster(box->width(), box->height(), weltLegende);
    ZeichneGitter(box->Canvas);
    int frei[3];
    for (int i = 0; i < 3; ++i)
        frei[i] = kaestchen[i]->geometry().right() + 1 - box->x() + 2;
    Zeichne(box->Canvas, LegendenBild(texte, griechisch, frei, AktuellesWeltfenster()));
}

} // namespace

TfrmDreieck3::TfrmDreieck3(QWidget* eltern) : TLektionsFenster(QStringLiteral("Dynamische Geometrie"), eltern)
{
    pnlUeb1 = NeuesPanel(QRect(4, 5, 1007, 70));
    lblUeb = TitelLabel(pnlUeb1, QRect(10, 2, 987, 66));
    bevGrafik1 = NeuerBevel(QRect(4, 90, 807, 548));
    pntGrafik = NeuePaintBox(QRect(7, 94, 800, 540));
    // Every repaint fills the whole area white first: nothing beneath it needs painting.
    pntGrafik->setAttribute(Qt::WA_OpaquePaintEvent);
    pnlStatus = NeuesPanel(QRect(4, 655, 1007, 55));
    pnlStatus->setFont(QtSchrift(QStringLiteral("Arial"), 16, true));
    pnlStatus->SetzeSchriftFarbe(clNavy);

    LinienGruppenAnlegen();
    pntGrafik->setAccessibleName(QStringLiteral("Dreieck ABC"));
    pntGrafik->OnBeschreibung = [this] {
        return art == 1 ? SchnittpunktBeschreibung(A, B, C, wahl) : ThalesBeschreibung(winkelBMC, thalesC);
    };

    grpEuler = new QGroupBox(QStringLiteral(" Eulergerade "), Client());
    grpEuler->setGeometry(824, 402, 184, 63);
    chkEuler = new QCheckBox(QStringLiteral("einschalten"), grpEuler);
    chkEuler->setGeometry(10, 30, 143, 17);
    chkEuler->setEnabled(false);

    grpWinkel = new QGroupBox(QStringLiteral(" Winkel (0-360) "), Client());
    grpWinkel->setGeometry(824, 480, 184, 75);
    scrWinkel = NeueGradLeiste(grpWinkel, QRect(12, 24, 160, 20), 60);
    lblWinkel = NeuesLabel(grpWinkel, QRect(2, 51, 180, 22), QStringLiteral("60°"), 16, true, clBlack);
    grpWinkel->hide();

    const auto art = [this](QAction* punkt) { menArtClick(punkt); };
    menPunkte = NeuerMenuePunkt(QStringLiteral("Schnittpunkte"), art);
    menKreis = NeuerMenuePunkt(QStringLiteral("Thaleskreis"), art);

    Verbinden();
}

void TfrmDreieck3::LinienGruppenAnlegen()
{
    // A group of three unlabelled boxes over its legend.
    const auto liniengruppe = [this](QRect geometrie, const QString& caption, TPaintBox*& legende,
                                     QCheckBox*& a, QCheckBox*& b, QCheckBox*& c) {
        auto* grp = new QGroupBox(caption, Client());
        grp->setGeometry(geometrie);
        legende = new TPaintBox(grp, QRect(2, 21, 180, 40)); // first, so that the boxes lie above it
        legende->ImBild = false;
        a = new QCheckBox(grp);
        b = new QCheckBox(grp);
        c = new QCheckBox(grp);
        a->setGeometry(10, 30, 15, 17);
        b->setGeometry(70, 30, 15, 17);
        c->setGeometry(130, 30, 15, 17);
        return grp;
    };
    grpH = liniengruppe(QRect(827, 82, 184, 63), QStringLiteral("  Höhen "), pntH, chkHA, chkHB, chkHC);
    grpS = liniengruppe(QRect(827, 162, 184, 63), QStringLiteral(" Seitensymmetralen "), pntS, chkSA, chkSB, chkSC);
    grpW = liniengruppe(QRect(824, 242, 184, 63), QStringLiteral(" Winkelsymmetralen "), pntW, chkWA, chkWB, chkWC);
    grpSW = liniengruppe(QRect(824, 322, 184, 63), QStringLiteral(" Schwerlinien "), pntSW, chkSWA, chkSWB, chkSWC);

    // The boxes have no caption of their own: a reader names them by the legend below them.
    const auto benenne = [](TPaintBox* legende, const QString& familie, const QStringList& namen,
                            std::initializer_list<QCheckBox*> boxen) {
        legende->Rolle = TPaintBox::TRolle::Text;
        legende->setAccessibleName(QStringLiteral("Legende ") + familie);
        legende->OnBeschreibung = [namen] { return namen.join(QStringLiteral(", ")).toStdString(); };
        int i = 0;
        for (QCheckBox* chk : boxen)
            chk->setAccessibleName(familie + QLatin1Char(' ') + namen[i++]);
    };
    benenne(pntH, QStringLiteral("Höhe"), {QStringLiteral("ha"), QStringLiteral("hb"), QStringLiteral("hc")},
            {chkHA, chkHB, chkHC});
    benenne(pntS, QStringLiteral("Seitensymmetrale"),
            {QStringLiteral("sAB"), QStringLiteral("sAC"), QStringLiteral("sBC")}, {chkSA, chkSB, chkSC});
    benenne(pntW, QStringLiteral("Winkelsymmetrale"),
            {QStringLiteral("wα"), QStringLiteral("wβ"), QStringLiteral("wγ")}, {chkWA, chkWB, chkWC});
    benenne(pntSW, QStringLiteral("Schwerlinie"), {QStringLiteral("sA"), QStringLiteral("sB"), QStringLiteral("sC")},
            {chkSWA, chkSWB, chkSWC});
}

void TfrmDreieck3::Verbinden()
{
    for (QCheckBox* chk : {chkHA, chkHB, chkHC})
        connect(chk, &QCheckBox::toggled, this, [this, chk] { chkHClick(chk); });
    for (QCheckBox* chk : {chkSA, chkSB, chkSC})
        connect(chk, &QCheckBox::toggled, this, [this, chk] { chkSClick(chk); });
    for (QCheckBox* chk : {chkWA, chkWB, chkWC})
        connect(chk, &QCheckBox::toggled, this, [this, chk] { chkWClick(chk); });
    for (QCheckBox* chk : {chkSWA, chkSWB, chkSWC})
        connect(chk, &QCheckBox::toggled, this, [this, chk] { chkSWClick(chk); });
    // Also when the window unchecks it: the Euler line goes with the tick.
    connect(chkEuler, &QCheckBox::toggled, this, [this] { chkEulerClick(); });
    connect(scrWinkel, &QScrollBar::valueChanged, this, [this] { scrWinkelChange(); });

    pntGrafik->OnPaint = [this] { pntGrafikPaint(); };
    pntGrafik->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        pntGrafikMouseDown(b, m, x, y);
    };
    pntGrafik->OnMouseMove = [this](Qt::KeyboardModifiers m, int x, int y) { pntGrafikMouseMove(m, x, y); };
    pntGrafik->OnMouseUp = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        pntGrafikMouseUp(b, m, x, y);
    };
    pntH->OnPaint = [this] { pntHPaint(); };
    pntS->OnPaint = [this] { pntSPaint(); };
    pntW->OnPaint = [this] { pntWPaint(); };
    pntSW->OnPaint = [this] { pntSWPaint(); };
}

void TfrmDreieck3::FormActivate()
{
    SetzeFarben();
    lblUeb->clear();
    pnlStatus->SetzeCaption(textSchnittpunkte);

    art = 1;
    Startdreieck();
    ThalesAnfang();
    wahl = TLinienWahl{};
    ziehenA = ziehenB = ziehenC = false;
    ueberA = ueberB = ueberC = false;

    // The controls as the state: nothing ticked, "einschalten" off until the
    // Euler line is possible, the line groups shown and the angle hidden.
    for (QCheckBox* chk : {chkHA, chkHB, chkHC, chkSA, chkSB, chkSC, chkWA, chkWB, chkWC, chkSWA, chkSWB,
                           chkSWC, chkEuler}) {
        const QSignalBlocker sperre(chk);
        chk->setChecked(false);
    }
    chkEuler->setEnabled(false);
    {
        const QSignalBlocker sperre(scrWinkel);
        scrWinkel->setValue(winkelBMC);
    }
    lblWinkel->setText(QString::number(winkelBMC) + QStringLiteral("°"));
    for (QGroupBox* grp : {grpH, grpS, grpW, grpSW, grpEuler})
        grp->show();
    grpWinkel->hide();

    // A window closed in the middle of a drag opens with the pointer free.
    SetzeBildschirmCursor(crDefault);
    ClipCursor(nullptr);
    ziehBereich1 = QRect(pntGrafik->mapToGlobal(ZiehBereichImBild(1).topLeft()), ZiehBereichImBild(1).size());
    ziehBereich2 = QRect(pntGrafik->mapToGlobal(ZiehBereichImBild(2).topLeft()), ZiehBereichImBild(2).size());

    pntGrafik->repaint();
}

void TfrmDreieck3::Startdreieck()
{
    A = startA;
    B = startB;
    C = startC;
}

void TfrmDreieck3::ThalesAnfang()
{
    thalesC = ThalesStartC();
    winkelBMC = 60;
    beschriftungC = Polar(thalesM, float(winkelBMC), thalesNamenRadius);
}

void TfrmDreieck3::menSchliessenClick()
{
    close();
}

void TfrmDreieck3::menArtClick(QObject* sender)
{
    QGroupBox* const linienGruppen[] = {grpH, grpS, grpW, grpSW, grpEuler};
    if (sender == menPunkte) {
        art = 1;
        Startdreieck();
        for (QGroupBox* grp : linienGruppen)
            grp->show();
        grpWinkel->hide();
        pnlStatus->SetzeCaption(textSchnittpunkte);
    } else if (sender == menKreis) {
        art = 2;
        ThalesAnfang();
        scrWinkel->setValue(winkelBMC); // runs scrWinkelChange if the bar stood elsewhere
        // The angle group appears before the line groups go: a check box that
        // had the focus hands it on to the scroll bar instead of keeping it
        // hidden, where the space bar would still switch its line.
        grpWinkel->move(grpWinkel->x(), 82);
        grpWinkel->setTitle(QStringLiteral(" Winkel BMC (0–360) "));
        grpWinkel->show();
        for (QGroupBox* grp : linienGruppen)
            grp->hide();
        pnlStatus->SetzeCaption(textThaleskreis);
    }
    pntGrafik->repaint();
}

// ---------------------------------------------------------------------------
// Check boxes

void TfrmDreieck3::chkHClick(QCheckBox* sender) { LinieSchalten(sender, true); }
void TfrmDreieck3::chkSClick(QCheckBox* sender) { LinieSchalten(sender, true); }
void TfrmDreieck3::chkWClick(QCheckBox* sender) { LinieSchalten(sender, false); }
void TfrmDreieck3::chkSWClick(QCheckBox* sender) { LinieSchalten(sender, true); }

void TfrmDreieck3::LinieSchalten(QCheckBox* sender, bool eulerPruefen)
{
    const std::pair<QCheckBox*, bool*> schalter[] = {
        {chkHA, &wahl.zeigeHa},  {chkHB, &wahl.zeigeHb},  {chkHC, &wahl.zeigeHc},
        {chkSA, &wahl.zeigeSab}, {chkSB, &wahl.zeigeSac}, {chkSC, &wahl.zeigeSbc},
        {chkWA, &wahl.zeigeWa},  {chkWB, &wahl.zeigeWb},  {chkWC, &wahl.zeigeWc},
        {chkSWA, &wahl.zeigeSa}, {chkSWB, &wahl.zeigeSb}, {chkSWC, &wahl.zeigeSc}};
    for (const auto& [chk, flagge] : schalter)
        if (chk == sender)
            *flagge = chk->isChecked();
    if (eulerPruefen)
        PruefeEuler();
    pntGrafik->repaint();
}

void TfrmDreieck3::chkEulerClick()
{
    wahl.zeigeEuler = chkEuler->isChecked();
    pntGrafik->repaint();
}

void TfrmDreieck3::PruefeEuler()
{
    if (EulerMoeglich(wahl)) {
        chkEuler->setEnabled(true);
    } else {
        chkEuler->setChecked(false); // runs chkEulerClick if it was ticked
        chkEuler->setEnabled(false);
    }
}

void TfrmDreieck3::scrWinkelChange()
{
    winkelBMC = scrWinkel->value();
    lblWinkel->setText(QString::number(winkelBMC) + QStringLiteral("°"));
    thalesC = Polar(thalesM, float(winkelBMC), thalesRadius);
    beschriftungC = Polar(thalesM, float(winkelBMC), thalesNamenRadius);
    pntGrafik->repaint();
}

// ---------------------------------------------------------------------------
// Dragging

QRect TfrmDreieck3::ZiehBereichImBild(int art)
{
    // Vertices keep a margin (and their names room) inside the drawing; C on
    // the circle may be turned from almost anywhere in it.
    return art == 2 ? QRect(10, 8, 780, 520) : QRect(40, 28, 730, 480);
}

TWeltPunkt TfrmDreieck3::Zeiger(int x, int y) const
{
    // The legends set the world window too when they paint; the pointer is
    // measured in the drawing's own.
    SetzeWeltfenster(pntGrafik->width(), pntGrafik->height(), weltDreieck3);
    TWeltPunkt p;
    PixelZuWelt(x, y, p.x, p.y);
    return p;
}

TWeltRechteck TfrmDreieck3::ZiehFeld() const
{
    const QRect r = ZiehBereichImBild(1);
    const TWeltPunkt linksOben = Zeiger(r.left(), r.top());
    const TWeltPunkt rechtsUnten = Zeiger(r.right(), r.bottom());
    return {linksOben.x, rechtsUnten.x, rechtsUnten.y, linksOben.y};
}

void TfrmDreieck3::AbstandWiederherstellen()
{
    const TWeltRechteck feld = ZiehFeld();
    // A push away from one neighbour may bring the vertex near the other; a
    // few rounds settle it.
    for (int runde = 0; runde < 3; ++runde) {
        if (ziehenA)
            ZieheEcke(A, A, B, abstossenAB, C, abstossen, &feld);
        if (ziehenB)
            ZieheEcke(B, B, A, abstossen, C, abstossen, &feld);
        if (ziehenC)
            ZieheEcke(C, C, A, abstossen, B, abstossen, &feld);
    }
}

void TfrmDreieck3::pntGrafikMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    // The rectangle from where the drawing stands on the screen now, so that a
    // moved window still holds the pointer over its drawing.
    const QRect imBild = ZiehBereichImBild(art);
    const QRect bereich(pntGrafik->mapToGlobal(imBild.topLeft()), imBild.size());
    if (art == 1) {
        // Over a vertex from where the button went down, also when no move came before.
        const TWeltPunkt p = Zeiger(x, y);
        ueberA = Nahe(A, p);
        ueberB = Nahe(B, p);
        ueberC = Nahe(C, p);
        ziehenA = ziehenA || ueberA;
        ziehenB = ziehenB || ueberB;
        ziehenC = ziehenC || ueberC;
        ziehBereich1 = bereich;
        ClipCursor(&ziehBereich1);
    } else {
        ziehenC = true;
        ziehBereich2 = bereich;
        ClipCursor(&ziehBereich2);
    }
}

void TfrmDreieck3::pntGrafikMouseMove(Qt::KeyboardModifiers, int x, int y)
{
    const TWeltPunkt p = Zeiger(x, y);
    if (art == 1) {
        const TWeltRechteck feld = ZiehFeld();
        if (ziehenA)
            ziehenA = ZieheEcke(A, p, B, abstossenAB, C, abstossen, &feld);
        if (ziehenB)
            ziehenB = ZieheEcke(B, p, A, abstossen, C, abstossen, &feld);
        if (ziehenC)
            ziehenC = ZieheEcke(C, p, A, abstossen, B, abstossen, &feld);
        // Hover is tested where the vertices stand now, after the move: a
        // dragged vertex is under the pointer and keeps the hand.
        ueberA = Nahe(A, p);
        ueberB = Nahe(B, p);
        ueberC = Nahe(C, p);
        const bool ziehen = ziehenA || ziehenB || ziehenC;
        SetzeBildschirmCursor(ziehen || ueberA || ueberB || ueberC ? crHandPoint : crDefault);
    } else {
        ueberC = Nahe(thalesC, p);
        if (ueberC)
            SetzeBildschirmCursor(crHandPoint);
        if (ziehenC) {
            const int w = Runden(Richtungswinkel(p.x, p.y));
            winkelBMC = w;
            thalesC = Polar(thalesM, float(w), thalesRadius);
            beschriftungC = Polar(thalesM, float(w), thalesNamenRadius);
            scrWinkel->setValue(w); // runs scrWinkelChange when the bar moves
        }
    }
    pntGrafik->repaint();
}

void TfrmDreieck3::pntGrafikMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    // A fast flick may have left the vertex on top of another: the smallest
    // distance holds again before the drag ends, not only at the next move.
    if (art == 1 && (ziehenA || ziehenB || ziehenC)) {
        AbstandWiederherstellen();
        pntGrafik->repaint();
    }
    ziehenA = ziehenB = ziehenC = false;
    SetzeBildschirmCursor(crDefault);
    ClipCursor(nullptr);
}

// ---------------------------------------------------------------------------
// Drawing

void TfrmDreieck3::pntGrafikPaint()
{
    Leinwand& lw = pntGrafik->Canvas;
    BeginneZeichnung(lw, pntGrafik->width(), pntGrafik->height(), weltDreieck3);
    Zeichne(lw, art == 1 ? SchnittpunktBild(A, B, C, wahl) : ThalesBild(winkelBMC, thalesC, beschriftungC));
}

// ---------------------------------------------------------------------------
// Legends

void TfrmDreieck3::pntHPaint()
{
    static const std::string texte[3] = {"h!a", "h!b", "h!c"};
    const QCheckBox* kaestchen[3] = {chkHA, chkHB, chkHC};
    ZeichneLegende(pntH, texte, false, kaestchen);
}

void TfrmDreieck3::pntSPaint()
{
    static const std::string texte[3] = {"s!A!B", "s!A!C", "s!B!C"};
    const QCheckBox* kaestchen[3] = {chkSA, chkSB, chkSC};
    ZeichneLegende(pntS, texte, false, kaestchen);
}

void TfrmDreieck3::pntWPaint()
{
    static const std::string texte[3] = {"w*a", "w*b", "w*g"};
    const QCheckBox* kaestchen[3] = {chkWA, chkWB, chkWC};
    ZeichneLegende(pntW, texte, true, kaestchen);
}

void TfrmDreieck3::pntSWPaint()
{
    static const std::string texte[3] = {"s!A", "s!B", "s!C"};
    const QCheckBox* kaestchen[3] = {chkSWA, chkSWB, chkSWC};
    ZeichneLegende(pntSW, texte, false, kaestchen);
}
