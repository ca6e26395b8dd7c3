#include "app/ModellFenster.h"

#include "app/Namen.h"
#include "app/Plattform.h"
#include "app/Skalierung.h"
#include "app/Steuerelemente.h"
#include "app/Tastatur.h"
#include "app/Vorlesen.h"
#include "lessons/Zeichnung.h"
#include "lessons/Ansage.h"
#include "lessons/Tastenzeiger.h"
#include "draw/Leinwand.h"
#include "draw/ZufallU.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

QRect Q(const lektion::TRechteck& r) { return QRect(r.links, r.oben, r.breite, r.hoehe); }

QStringList QtListe(const std::vector<std::string>& texte)
{
    QStringList liste;
    for (const std::string& t : texte)
        liste << QtText(t);
    return liste;
}

} // namespace

TModellFenster::TModellFenster(std::unique_ptr<lektion::TLektion> modell, QWidget* eltern)
    : TLektionsFenster(QtText(modell->Layout().caption), eltern, modell->Layout().breite, modell->Layout().hoehe),
      modell_(std::move(modell))
{
    const lektion::TLayout& layout = modell_->Layout();
    bereiche_.resize(layout.bereiche.size());
    bilder_.resize(layout.bereiche.size());
    // The drawings on the client area first; a drawing in a group or panel,
    // or placed after a control, right after that control, before the
    // controls placed in it.
    for (std::size_t i = 0; i < layout.bereiche.size(); ++i)
        if (layout.bereiche[i].in.empty() && layout.bereiche[i].nach.empty())
            baueBereich(int(i), layout.bereiche[i]);
    for (std::size_t i = 0; i < layout.steuer.size(); ++i) {
        const std::string& name = layout.steuer[i].name;
        steuer_.push_back(baueSteuer(int(i), layout.steuer[i]));
        behaelter_[name] = steuer_.back().grp;
        for (std::size_t j = 0; j < layout.bereiche.size(); ++j)
            if (layout.bereiche[j].in == name || layout.bereiche[j].nach == name)
                baueBereich(int(j), layout.bereiche[j]);
    }
    const auto schritte = [](const lektion::TSteuer& s) { return s.art == lektion::TArt::Schritte; };
    if (std::count_if(layout.steuer.begin(), layout.steuer.end(), schritte) == 1)
        seitenSchritte_ = int(std::find_if(layout.steuer.begin(), layout.steuer.end(), schritte) - layout.steuer.begin());
    for (std::size_t i = 0; i < layout.menue.size(); ++i)
        NeuerMenuePunkt(QtText(layout.menue[i]), [this, i](QAction*) { Menue(int(i)); });
}

TModellFenster::~TModellFenster() = default;

QWidget* TModellFenster::Behaelter(const std::string& name) const
{
    return name.empty() ? Client() : behaelter_.at(name);
}

void TModellFenster::baueBereich(int index, const lektion::TBereich& b)
{
    // Only the parts the layout gives a place.
    TBereich w;
    if (b.ueb.breite > 0) {
        w.pnlUeb = NeuesPanel(Q(b.ueb));
        w.lblUeb = TitelLabel(w.pnlUeb, Q(b.lblUeb));
    }
    if (b.bevel.breite > 0)
        w.bevGrafik = NeuerBevel(Q(b.bevel));
    if (b.grafik.breite <= 0) {
        bereiche_[std::size_t(index)] = w;
        return;
    }
    TPaintBox* box = w.pntGrafik = new TPaintBox(Behaelter(b.in), Q(b.grafik));
    box->setAccessibleName(QtText(b.zugName));
    box->ImBild = b.imBild;
    if (b.alsText)
        box->Rolle = TPaintBox::TRolle::Text;
    if (b.status.breite > 0) {
        w.pnlStatus = NeuesPanel(Q(b.status));
        w.lblStatus = StatusLabel(w.pnlStatus, Q(b.lblStatus));
        if (!b.statusSichtbar)
            w.pnlStatus->hide();
    }
    // Painting only draws the picture the model gave last.
    box->OnPaint = [this, box, index, b] { lektion::MaleBereich(box->Canvas, b, bilder_[std::size_t(index)]); };
    box->OnBeschreibung = [this, index] { return modell_->Beschreibung(index); };
    verbindeZeiger(box, index, b);
    bereiche_[std::size_t(index)] = w;
}

void TModellFenster::verbindeZeiger(TPaintBox* box, int index, const lektion::TBereich& b)
{
    // The pointer in the area's own world units, whatever was painted last.
    const auto welt = [box, w = b.welt](int x, int y) {
        return TWeltfenster(box->Breite(), box->Hoehe(), w).ZuWelt(x, y);
    };
    if (b.zeiger) {
        box->OnMouseDown = [this, index, welt](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            Zeiger(index, lektion::TZeigerArt::Druck, welt(x, y));
        };
        box->OnOrt = [this, index, welt](QPoint p) { return QtText(modell_->ZeigerOrt(index, welt(p.x(), p.y()))); };
    }
    if (b.ziehen) {
        box->OnMouseMove = [this, index, welt](Qt::KeyboardModifiers, int x, int y) {
            Zeiger(index, lektion::TZeigerArt::Bewegung, welt(x, y));
        };
        box->OnMouseUp = [this, index, welt](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            Zeiger(index, lektion::TZeigerArt::Los, welt(x, y));
        };
    }
}

TModellFenster::TGebaut TModellFenster::baueSteuer(int index, const lektion::TSteuer& s)
{
    TGebaut g;
    switch (s.art) {
    case lektion::TArt::Radiogruppe:
        g.radio = new TRadioGroup(Client(), Q(s.ort), QtText(s.text), QtListe(s.eintraege), s.spalten);
        g.radio->OnClick = [this, index] { Aendere(index, steuer_[std::size_t(index)].radio->ItemIndex()); };
        g.grp = g.radio;
        break;
    case lektion::TArt::Schritte:
        g.schritte = NeueSchrittGruppe(Q(s.ort), QtText(s.text), s.max, Q(s.innen), s.labelHoehe);
        g.schritte.UpDown->OnClick = [this, index](TUpDown* ud) { Aendere(index, ud->Position()); };
        g.grp = g.schritte.grp;
        break;
    case lektion::TArt::Knopfgruppe: {
        const TWiederholGruppe w = NeueWiederholGruppe(Q(s.ort), QtText(s.text), s.innen.breite);
        w.btn->setText(QtText(s.knopf));
        connect(w.btn, &QPushButton::clicked, this, [this, index] { Aendere(index, 0); });
        g.knopf = w.btn;
        g.grp = w.grp;
        break;
    }
    case lektion::TArt::Leiste:
    case lektion::TArt::Feld:
    case lektion::TArt::Anzeige:
        baueEingabe(g, index, s);
        break;
    case lektion::TArt::Gruppe:
    case lektion::TArt::Kasten:
    case lektion::TArt::Knopf:
        baueSchalter(g, index, s);
        break;
    }
    if (!s.in.empty()) {
        g.grp->setParent(Behaelter(s.in));
        g.grp->setGeometry(Q(s.ort));
    }
    if (!s.zugName.empty())
        g.grp->setAccessibleName(QtText(s.zugName));
    if (!s.zugBeschreibung.empty())
        g.grp->setAccessibleDescription(QtText(s.zugBeschreibung));
    return g;
}

void TModellFenster::baueSchalter(TGebaut& g, int index, const lektion::TSteuer& s)
{
    QWidget* eltern = Behaelter(s.in);
    if (s.art == lektion::TArt::Gruppe) {
        g.grp = new QGroupBox(QtText(s.text), eltern);
    } else if (s.art == lektion::TArt::Kasten) {
        g.kasten = new QCheckBox(QtText(s.text), eltern);
        connect(g.kasten, &QCheckBox::toggled, this, [this, index](bool an) { Aendere(index, an ? 1 : 0); });
        g.grp = g.kasten;
    } else {
        auto* knopf = new QPushButton(QtText(s.text), eltern);
        // Return presses a button only while it has the focus.
        knopf->setAutoDefault(false);
        knopf->setDefault(false);
        connect(knopf, &QPushButton::clicked, this, [this, index] { Aendere(index, 0); });
        g.grp = knopf;
    }
    g.grp->setGeometry(Q(s.ort));
}

void TModellFenster::baueEingabe(TGebaut& g, int index, const lektion::TSteuer& s)
{
    if (s.art == lektion::TArt::Anzeige) {
        g.panel = NeuesPanel(Q(s.ort), Behaelter(s.in));
        g.panel->setFont(QtSchrift(QStringLiteral("Arial"), s.schriftHoehe, true));
        g.panel->SetzeSchriftFarbe(s.schriftFarbe);
        if (s.weiss) {
            g.panel->setAutoFillBackground(true);
            QPalette weiss = g.panel->palette();
            weiss.setColor(QPalette::Window, Qt::white);
            g.panel->setPalette(weiss);
        }
        g.grp = g.panel;
        return;
    }
    auto* grp = new QGroupBox(QtText(s.text), Client());
    grp->setGeometry(Q(s.ort));
    g.grp = grp;
    if (s.art == lektion::TArt::Leiste) {
        auto* leiste = new TBildlaufleiste(grp, Q(s.innen), 0, s.max, 0, 10);
        leiste->Einheit = QtText(s.einheit);
        g.leiste = leiste;
        if (s.feld.breite > 0) {
            baueFeld(g, index, grp, Q(s.feld), s.stellen);
            // Beside a scroll bar the field's value is taken when the entry is finished.
            connect(g.feld, &QLineEdit::editingFinished, this, [this, index] {
                mitAnsage([&] {
                    modell_->Fertig(index);
                    Abgleichen();
                });
            });
        }
        g.label = NeuesLabel(grp, QRect(2, s.ort.hoehe - 2 - s.labelHoehe, s.ort.breite - 4, s.labelHoehe), QString(),
                             16, true, clBlack);
        connect(leiste, &QScrollBar::valueChanged, this, [this, index](int wert) { Aendere(index, wert); });
        return;
    }
    baueFeld(g, index, grp, Q(s.innen), s.stellen);
}

void TModellFenster::baueFeld(TGebaut& g, int index, QWidget* grp, QRect ort, int stellen)
{
    g.feld = new QLineEdit(grp);
    g.feld->setGeometry(ort);
    g.feld->setValidator(new TZiffernFilter(stellen, g.feld));
    g.feld->setFocusPolicy(Qt::StrongFocus);
    // Every change, typed or pasted; the model's corrections come back silently.
    connect(g.feld, &QLineEdit::textChanged, this, [this, index](const QString& text) {
        mitAnsage([&] {
            modell_->Text(index, text.toStdString());
            Abgleichen();
        });
    });
}

void TModellFenster::FormActivate()
{
    // Seeded as Randomize() would, so that a run with a fixed clock repeats.
    modell_->Aktiviere(unsigned(UhrKeim()));
    Abgleichen(true);
    // A window closed in the middle of a drag opens with the pointer free.
    const std::vector<lektion::TBereich>& bereiche = modell_->Layout().bereiche;
    for (std::size_t i = 0; i < bereiche.size(); ++i)
        if (bereiche[i].ziehen)
            zeigeZeiger(int(i), lektion::TZeigerArt::Los);
}

void TModellFenster::Zeiger(int bereich, lektion::TZeigerArt art, TWeltPunkt p)
{
    mitAnsage([&] {
        modell_->Zeiger(bereich, art, p);
        Abgleichen();
    });
    zeigeZeiger(bereich, art);
}

void TModellFenster::mitAnsage(const std::function<void()>& eingabe)
{
    if (!LeserHoertZu()) {
        eingabe();
        return;
    }
    const lektion::TVorlesestand vorher = lektion::Vorlesestand(*modell_);
    eingabe();
    SageAn(QtText(lektion::Ansage(vorher, lektion::Vorlesestand(*modell_))));
}

void TModellFenster::zeigeZeiger(int bereich, lektion::TZeigerArt art)
{
    const std::optional<lektion::TPixelband> band = lektion::Ziehband(*modell_, bereich);
    if (band && art == lektion::TZeigerArt::Druck) {
        // Taken from where the drawing stands on the screen now, so that a
        // moved window still confines the pointer to its drawing.
        TPaintBox* box = Zeichnung(bereich);
        // The screen pixels whose design pixels lie in the band, at the window's scale.
        const qreal s = FensterSkala(box);
        const auto schirm = [s](int v) { return int(std::ceil(v * s - 1e-6)); };
        const QRect bildschirm(box->mapToGlobal(QPoint(schirm(band->links), schirm(band->oben))),
                               box->mapToGlobal(QPoint(schirm(band->rechts + 1) - 1, schirm(band->unten + 1) - 1)));
        ClipCursor(&bildschirm);
    } else if (!band && CursorBegrenzt()) {
        ClipCursor(nullptr);
    }
    // A press leaves the shape the moves before it gave.
    const lektion::TZeigerForm form = modell_->Zeigerform(bereich);
    if (art != lektion::TZeigerArt::Druck && modell_->Layout().bereiche[std::size_t(bereich)].ziehen
        && form != lektion::TZeigerForm::Bleibt)
        SetzeBildschirmCursor(form == lektion::TZeigerForm::Hand ? crHandPoint : crDefault);
}

void TModellFenster::Blaettern(bool vor)
{
    if (seitenSchritte_ < 0)
        return;
    // Only while the pupil could use the step control; it tells the reader the new step.
    const lektion::TSteuerZustand z = modell_->Steuerzustand(seitenSchritte_);
    if (!z.sichtbar || !z.aktiv || !z.upDownAktiv)
        return;
    if (vor)
        UpDown(seitenSchritte_)->KlickRechts();
    else
        UpDown(seitenSchritte_)->KlickLinks();
}

// Captions of groups and check boxes change with the menu and the controls
// only, never with the pointer, whose moves must stay quick.
void TModellFenster::Menue(int punkt)
{
    mitAnsage([&] {
        modell_->Menue(punkt);
        Abgleichen();
    });
    EindeutigeNamen(this);
}

void TModellFenster::Aendere(int steuer, int wert)
{
    mitAnsage([&] {
        modell_->Geaendert(steuer, wert);
        Abgleichen();
    });
    EindeutigeNamen(this);
}

void TModellFenster::zeigeSteuer(int index, bool alleNeu)
{
    const lektion::TSteuerZustand z = modell_->Steuerzustand(index);
    const TGebaut& g = steuer_[std::size_t(index)];
    const QSignalBlocker still(g.grp);
    if (g.radio)
        g.radio->SetzeItemIndex(z.wert);
    if (g.schritte.UpDown) {
        if (z.max)
            g.schritte.UpDown->SetzeMax(*z.max);
        g.schritte.UpDown->SetzePosition(z.wert);
        g.schritte.UpDown->setEnabled(z.upDownAktiv);
        ZeigeSchritt(g.schritte, z.wert);
    }
    if (g.knopf)
        g.knopf->setEnabled(z.knopfAktiv);
    if (g.leiste) {
        const QSignalBlocker leiseLeiste(g.leiste);
        g.leiste->setValue(z.wert);
        g.label->setText(QtText(z.text));
        g.leiste->setVisible(z.innenSichtbar);
        if (g.feld)
            g.feld->setVisible(z.innenSichtbar);
    }
    // Set only when it differs: the cursor stays where the pupil types.
    const QString feldText = QtText(g.leiste ? z.feldText : z.text);
    if (g.feld && (alleNeu || g.feld->text() != feldText)) {
        const QSignalBlocker leiseFeld(g.feld);
        g.feld->setText(feldText);
    }
    if (g.panel) {
        g.panel->SetzeCaption(QtText(z.text));
        g.panel->SetzeSchriftFarbe(z.farbe.value_or(modell_->Layout().steuer[std::size_t(index)].schriftFarbe));
    }
    if (g.kasten) {
        g.kasten->setChecked(z.wert != 0);
        if (!z.text.empty())
            g.kasten->setText(QtText(z.text));
    }
    if (auto* gruppe = qobject_cast<QGroupBox*>(g.grp); gruppe && z.titel)
        gruppe->setTitle(QtText(*z.titel));
    if (z.ort)
        SetzeEntwurfsOrt(g.grp, Q(*z.ort));
    if (!z.zugBeschreibung.empty() && g.grp->accessibleDescription() != QtText(z.zugBeschreibung))
        g.grp->setAccessibleDescription(QtText(z.zugBeschreibung));
    g.grp->setEnabled(z.aktiv);
    g.grp->setVisible(z.sichtbar);
}

void TModellFenster::Abgleichen(bool alleNeu)
{
    for (std::size_t i = 0; i < steuer_.size(); ++i)
        zeigeSteuer(int(i), alleNeu);
    for (std::size_t i = 0; i < bereiche_.size(); ++i) {
        const TBereich& w = bereiche_[i];
        if (w.lblUeb) {
            w.lblUeb->setText(QtText(modell_->Titel(int(i))));
            SetzeTextFarbe(w.lblUeb, modell_->TitelFarbe(int(i)));
        }
        if (w.lblStatus)
            w.lblStatus->setText(QtText(modell_->Anweisung(int(i))));
        if (!w.pntGrafik)
            continue;
        TBild bild = modell_->Bild(int(i));
        if (alleNeu || !(bild == bilder_[i])) {
            bilder_[i] = std::move(bild);
            w.pntGrafik->repaint();
        } else {
            w.pntGrafik->MeldeBeschreibung();
        }
    }
    // A control the change hid or disabled gives its keys to the nearest one.
    HalteFokusSichtbar(this);
    if (const std::optional<std::string> meldung = modell_->NimmMeldung())
        MessageDlg(this, QtText(*meldung));
}

QString TModellFenster::AktuelleAnweisung() const
{
    QStringList texte;
    for (std::size_t i = 0; i < bereiche_.size(); ++i) {
        const QString text = QtText(modell_->Anweisung(int(i))).simplified();
        if (!text.isEmpty())
            texte << text;
    }
    return texte.join(QLatin1Char('\n'));
}
