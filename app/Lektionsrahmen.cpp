#include "app/Lektionsrahmen.h"

#include "app/BildAusgabe.h"
#include "app/Palette.h"
#include "app/Plattform.h"
#include "app/Vorlesen.h"
#include "draw/Leinwand.h"
#include "draw/Primitive.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStandardPaths>

TLektionsFenster::TLektionsFenster(const QString& caption, QWidget* eltern, int clientBreite,
                                   int clientHoehe)
    : TInhaltsFenster(caption, eltern)
{
    QPalette pal = HellePalette(QtFarbe(clBtnFace));
    pal.setColor(QPalette::WindowText, QtFarbe(clBlack));
    setPalette(pal);
    setAutoFillBackground(true);

    client_ = new QWidget(this);
    SetzeClient(client_, clientBreite, clientHoehe);
}

TLektionsFenster::~TLektionsFenster() = default;

QAction* TLektionsFenster::NeuerMenuePunkt(const QString& caption) { return MainMenu1()->addAction(caption); }

QAction* TLektionsFenster::NeuerMenuePunkt(const QString& caption, const std::function<void(QAction*)>& beiKlick)
{
    QAction* punkt = NeuerMenuePunkt(caption);
    connect(punkt, &QAction::triggered, this, [punkt, beiKlick] { beiKlick(punkt); });
    return punkt;
}

QMenu* TLektionsFenster::NeuesMenue(const QString& caption) { return MainMenu1()->addMenu(caption); }

int TLektionsFenster::RahmenHoehe() const { return frameGeometry().height() - client_->height(); }

void TLektionsFenster::Aktivieren()
{
    // Qt composes every repaint off screen already; nothing to switch on.
    const QList<TUpDown*> alle = findChildren<TUpDown*>();
    seitenUpDown_ = alle.size() == 1 ? alle.first() : nullptr;
    if (!menBild_)
        baueBildMenue();
    FormActivate();
    BenenneEingabefelder(this);
}

// ---------------------------------------------------------------- picture

void TLektionsFenster::baueBildMenue()
{
    menBild_ = MainMenu1()->addMenu(QStringLiteral("&Bild"));
    menBildKopieren_ = menBild_->addAction(QStringLiteral("Kopieren"));
    menBildKopieren_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    menBildSpeichern_ = menBild_->addAction(QStringLiteral("Speichern unter …"));
    menBildSpeichern_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    menBildDrucken_ = menBild_->addAction(QStringLiteral("Drucken …"));
    menBildDrucken_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(menBildKopieren_, &QAction::triggered, this, [this] { menBildKopierenClick(); });
    connect(menBildSpeichern_, &QAction::triggered, this, [this] { menBildSpeichernClick(); });
    connect(menBildDrucken_, &QAction::triggered, this, [this] { menBildDruckenClick(); });
}

std::optional<int> TLektionsFenster::TitelSchritt() const
{
    int sichtbar = 0, schritt = 0;
    for (const TUpDown* ud : findChildren<TUpDown*>())
        if (ud->isVisibleTo(this)) {
            ++sichtbar;
            schritt = ud->Position();
        }
    return sichtbar == 1 ? std::optional(schritt) : std::nullopt;
}

QString TLektionsFenster::BildTitel() const
{
    QString titel = windowTitle();
    if (const std::optional<int> schritt = TitelSchritt())
        titel += QStringLiteral(" – Schritt %1").arg(*schritt);
    return titel;
}

QString TLektionsFenster::AktuelleAnweisung() const
{
    QStringList texte;
    for (const QPointer<QLabel>& lbl : anweisungen_)
        if (lbl && lbl->isVisibleTo(this) && !lbl->text().trimmed().isEmpty())
            texte << lbl->text().simplified();
    return texte.join(QLatin1Char('\n'));
}

void TLektionsFenster::menBildKopierenClick()
{
    QApplication::clipboard()->setMimeData(BildAlsMimeDaten(BildInhalt(this), BildTitel()));
}

void TLektionsFenster::menBildSpeichernClick()
{
    // Folder and type of the last save are remembered while the program runs.
    static QString ordner;
    static int filterIndex = 0;
    if (ordner.isEmpty() || !QDir(ordner).exists()) {
        ordner = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!QDir(ordner).exists())
            ordner = QDir::homePath();
    }
    TBildDialog dialog(this, ordner, BildTitel(), filterIndex);
    if (dialog.exec() != QDialog::Accepted || dialog.Datei().isEmpty())
        return;
    filterIndex = dialog.FilterIndex();
    QString datei = dialog.Datei();
    ordner = QFileInfo(datei).absolutePath();
    const TBildFormat format = FormatFuerDatei(datei, filterIndex);
    SpeichereBildUnter(datei, format);
}

bool TLektionsFenster::SpeichereBildUnter(QString datei, TBildFormat format)
{
    const QString fehler = SpeichereBild(BildInhalt(this), datei, format, BildTitel(), AktuelleAnweisung());
    if (!fehler.isEmpty())
        FehlerDlg(this, QStringLiteral("Speichern fehlgeschlagen"), fehler);
    return fehler.isEmpty();
}

void TLektionsFenster::menBildDruckenClick()
{
    if (!drucker_) {
        drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        RichteDruckerEin(*drucker_);
    }
    LasseAusBild(this, *drucker_, BildInhalt(this), BildTitel(), AktuelleAnweisung());
}

namespace {

// Controls that take Page Up and Page Down as their own even where Qt passes
// the keys on: text fields and number fields. Scroll bars and lists use the
// keys and keep them, so the window never sees them.
bool NutztSeitentasten(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w);
}

} // namespace

void TLektionsFenster::keyPressEvent(QKeyEvent* e)
{
    const bool vor = e->key() == Qt::Key_PageDown, zurueck = e->key() == Qt::Key_PageUp;
    if ((vor || zurueck) && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // Here only when the focused control let the key pass.
        if (!NutztSeitentasten(focusWidget()))
            Blaettern(vor);
        e->accept();
        return;
    }
    TInhaltsFenster::keyPressEvent(e);
}

void TLektionsFenster::Blaettern(bool vor)
{
    if (!seitenUpDown_ || !seitenUpDown_->isEnabled() || !seitenUpDown_->isVisible())
        return;
    if (vor)
        seitenUpDown_->KlickRechts();
    else
        seitenUpDown_->KlickLinks();
}

void TLektionsFenster::gibZeigerFrei()
{
    ClipCursor(nullptr);
    SetzeBildschirmCursor(crDefault);
}

void TLektionsFenster::hideEvent(QHideEvent* e)
{
    gibZeigerFrei();
    QDialog::hideEvent(e);
}

void TLektionsFenster::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && !isActiveWindow())
        gibZeigerFrei();
    QDialog::changeEvent(e);
}

// ---------------------------------------------------------------- builders

TPanel* TLektionsFenster::NeuesPanel(QRect geometrie, QWidget* eltern)
{
    return new TPanel(eltern ? eltern : client_, geometrie);
}

QLabel* TLektionsFenster::TitelLabel(TPanel* panel, QRect geometrie)
{
    return NeuesLabel(panel, geometrie, QString(), 19, true, clBlack);
}

QLabel* TLektionsFenster::StatusLabel(TPanel* panel, QRect geometrie)
{
    QLabel* lbl = NeuesLabel(panel, geometrie, QString(), 16, true, clNavy);
    anweisungen_.append(lbl);
    return lbl;
}

TBevel* TLektionsFenster::NeuerBevel(QRect geometrie) { return new TBevel(client_, geometrie); }

TPaintBox* TLektionsFenster::NeuePaintBox(QRect geometrie) { return new TPaintBox(client_, geometrie); }

TBereich TLektionsFenster::NeuerBereich(QRect ueb, QRect lblUeb, QRect bevel, QRect grafik, QRect status,
                                        const QString& name)
{
    TBereich b;
    b.pnlUeb = NeuesPanel(ueb);
    b.lblUeb = TitelLabel(b.pnlUeb, lblUeb);
    b.bevGrafik = NeuerBevel(bevel);
    b.pntGrafik = NeuePaintBox(grafik);
    b.pntGrafik->setAccessibleName(name);
    b.pnlStatus = NeuesPanel(status);
    // The instruction fills its panel inside the 2-pixel bevel.
    b.lblStatus = StatusLabel(b.pnlStatus, QRect(2, 2, status.width() - 4, status.height() - 4));
    return b;
}

TBereich TLektionsFenster::EinBereich()
{
    return NeuerBereich(QRect(4, 5, 1007, 70), QRect(10, 2, 987, 66), QRect(4, 86, 1007, 488),
                        QRect(7, 90, 1000, 480), QRect(4, 655, 1007, 55), QStringLiteral("Zeichnung"));
}

TBereich TLektionsFenster::LinkerBereich()
{
    return NeuerBereich(QRect(5, 5, 488, 70), QRect(5, 2, 475, 66), QRect(5, 86, 488, 488),
                        QRect(9, 90, 480, 480), QRect(6, 655, 488, 50), QStringLiteral("Zeichnung links"));
}

TBereich TLektionsFenster::RechterBereich()
{
    return NeuerBereich(QRect(525, 5, 488, 70), QRect(5, 2, 475, 66), QRect(525, 86, 488, 488),
                        QRect(529, 90, 480, 480), QRect(525, 655, 488, 50), QStringLiteral("Zeichnung rechts"));
}

TSchrittGruppe TLektionsFenster::NeueSchrittGruppe(QRect geometrie, const QString& caption, int max,
                                                   QRect upDownGeometrie, int labelHoehe)
{
    TSchrittGruppe g;
    g.grp = new QGroupBox(caption, client_);
    g.grp->setGeometry(geometrie);
    g.UpDown = new TUpDown(g.grp, upDownGeometrie, 0, max);
    g.UpDown->SetzePosition(0);
    // Bottom-aligned across the whole group, just above its lower frame line.
    g.lblSchritte = NeuesLabel(g.grp, QRect(0, geometrie.height() - 2 - labelHoehe, geometrie.width(), labelHoehe),
                               QStringLiteral("0"), 16, true, clBlack, Qt::AlignCenter, false);
    return g;
}

TWiederholGruppe TLektionsFenster::NeueWiederholGruppe(QRect geometrie, const QString& caption,
                                                       int knopfBreite)
{
    TWiederholGruppe g;
    g.grp = new QGroupBox(caption, client_);
    g.grp->setGeometry(geometrie);
    g.btn = NeuerKnopf(g.grp, QRect(20, 30, knopfBreite, 30), QStringLiteral("Ja"));
    g.btn->setEnabled(false);
    return g;
}

void TLektionsFenster::ZeigeSchritt(const TSchrittGruppe& gruppe, int schritt)
{
    if (gruppe.lblSchritte)
        gruppe.lblSchritte->setText(QString::number(schritt));
}

std::optional<int> GradImFeld(QLineEdit* feld, int letzter)
{
    bool zahl = false;
    const int wert = feld->text().toInt(&zahl);
    if (!zahl) {
        // Empty (or, behind the digit filter never, unreadable).
        feld->setText(QString::number(letzter));
        return std::nullopt;
    }
    if (wert > 360) {
        feld->setText(QStringLiteral("360"));
        return std::nullopt;
    }
    return wert;
}
