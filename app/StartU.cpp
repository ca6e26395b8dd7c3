#include "app/StartU.h"

#include "app/Vorlesen.h"
#include "draw/Leinwand.h"
#include "draw/Texte.h"

#include "app/Ansicht.h"
#include "app/Fensterbild.h"
#include "app/Inhaltsfenster.h"
#include "app/Palette.h"
#include "app/Plattform.h"
#include "app/Skalierung.h"
#include "app/Tastatur.h"

#include "app/bilder/Bilder.h"
#include "app/seiten/Seiten.h"
#include "draw/Primitive.h"
#include "draw/Zeichne.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <cmath>

bool IstMaximierteBildschirmGroesse(QSize bildschirm)
{
    return bildschirm.width() == 1024 && bildschirm.height() == 768;
}

// The client area of the start window; its paint event is the form's paint handler.
class StartFlaeche : public QWidget {
public:
    StartFlaeche(TfrmStart* fenster) : QWidget(fenster), fenster_(fenster) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const qreal skala = FensterSkala(this);
        p.scale(skala, skala);
        Leinwand lw(&p);
        lw.Geraetepixel = true;
        fenster_->FormPaint(lw);
    }

private:
    TfrmStart* fenster_;
};

TfrmStart::TfrmStart(QWidget* eltern)
    : QMainWindow(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Geometrie"));
    // No other window, dialogs included, may end the program by being the last
    // one to close; closeEvent ends it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    setFont(QtSchrift(QStringLiteral("MS Sans Serif"), 11, false));
    setPalette(HellePalette());

    client_ = new StartFlaeche(this);
    client_->setFixedSize(1016, 714);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, QtFarbe(clBtnFace));
    client_->setPalette(pal);
    client_->setAutoFillBackground(true);
    setCentralWidget(client_);

    pntText_ = new TPaintBox(client_, QRect(8, 8, 1001, 705));
    pntText_->OnPaint = [this] { pntTextPaint(); };
    pntText_->Rolle = TPaintBox::TRolle::Text;
    pntText_->setAccessibleName(QStringLiteral("Titel"));
    pntText_->OnBeschreibung = [] { return std::string(seiten::startTitel) + ": " + Klartext(seiten::startUntertitel); };

    const seiten::TSeitenBild& bild = seiten::StartBild();
    imgBild_ = new TFensterBild(client_, QRect(bild.links, bild.oben, bild.breite, bild.hoehe),
                                QtText(":/bilder/" + bild.datei), Startbild);
    imgBild_->setAccessibleName(QtText(bild.name));
    imgBild_->setAccessibleDescription(QtText(bild.beschreibung));

    lblVersion_ = NeuesLabel(client_, QRect(0, 669, 1016, 19), QtText(seiten::version), 16, true, clBlack,
                             Qt::AlignHCenter | Qt::AlignTop, false);
    lblAutor_ = NeuesLabel(client_, QRect(0, 688, 1016, 26), QtText(seiten::autor), 16, true, clBlack,
                           Qt::AlignHCenter | Qt::AlignTop, true);

    QMenuBar* leiste = menuBar();
    leiste->setNativeMenuBar(false);
    leiste->setFont(MenueSchrift());

    for (const seiten::TMenuePunkt& punkt : seiten::StartMenue()) {
        if (punkt.ziel == "Beenden") {
            QAction* menBeenden = leiste->addAction(QtText(punkt.text));
            menBeenden->setObjectName(QtText(punkt.name));
            connect(menBeenden, &QAction::triggered, this, &QWidget::close);
        } else if (punkt.punkte.empty()) {
            oeffnenderPunkt(nullptr, QtText(punkt.name), QtText(punkt.text));
        } else {
            QMenu* menue = leiste->addMenu(QtText(punkt.text));
            menue->menuAction()->setObjectName(QtText(punkt.name));
            for (const seiten::TMenuePunkt& unter : punkt.punkte)
                oeffnenderPunkt(menue, QtText(unter.name), QtText(unter.text));
        }
    }
    if (ansicht::An())
        ansicht::BaueMenue(leiste, this, [this](qreal s) { SetzeSkala(s); });
    RichteTastaturEin(this, leiste);
    HelleMenues(this);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    if (QScreen* schirm = QGuiApplication::primaryScreen()) {
        const QRect frei = schirm->availableGeometry();
        move(frei.x() + (frei.width() - width()) / 2, frei.y() + (frei.height() - height()) / 2);
    }
}

QAction* TfrmStart::oeffnenderPunkt(QMenu* menue, const QString& name, const QString& caption)
{
    QAction* punkt = menue ? menue->addAction(caption) : menuBar()->addAction(caption);
    punkt->setObjectName(name);
    connect(punkt, &QAction::triggered, this, [this, name] { Oeffne(name); });
    return punkt;
}

QAction* TfrmStart::MenuePunkt(const QString& name) const { return findChild<QAction*>(name); }

void TfrmStart::SetzeFenster(const QString& menuePunkt, QDialog* fenster)
{
    fenster_.insert(menuePunkt, fenster);
    if (fenster)
        fenster->setAttribute(Qt::WA_QuitOnClose, false);
}

void TfrmStart::FormActivate()
{
    maximiert = false;
    if (QScreen* schirm = QGuiApplication::primaryScreen())
        maximiert = IstMaximierteBildschirmGroesse(schirm->size());
    if (ansicht::An() && ansicht::Rahmen(this) != rahmen_) {
        // Placed again once the window system has put its frame round it.
        rahmen_ = ansicht::Rahmen(this);
        QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
        if (schirm)
            ansicht::Einpassen(this, [this](qreal s) { SetzeSkala(s); }, schirm->availableGeometry().center());
    }
    if (maximiert)
        FensterLinksOben(this);
}

void TfrmStart::SetzeSkala(qreal skala)
{
    SkaliereFenster(this, client_, skala);
}

void TfrmStart::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!e->spontaneous())
        FormActivate();
}

void TfrmStart::closeEvent(QCloseEvent* e)
{
    QMainWindow::closeEvent(e);
    if (e->isAccepted())
        QCoreApplication::quit();
}

void TfrmStart::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmStart::FormPaint(Leinwand& lw)
{
    // Stripes across the whole outer window, as if caption and menu were part of the canvas.
    const QRect aussen = frameGeometry();
    const qreal skala = FensterSkala(this);
    seiten::ZeichneStreifen(lw, int(std::ceil(aussen.width() / skala)), int(std::ceil(aussen.height() / skala)));
}

void TfrmStart::pntTextPaint() { seiten::ZeichneStartTitel(pntText_->Canvas); }

void TfrmStart::Oeffne(const QString& menuePunkt)
{
    QDialog* fenster = fenster_.value(menuePunkt);
    if (!fenster)
        return;
    // Centre the content window over the start window, frame included.
    const QRect hier = frameGeometry();
    const QSize rand = hier.size() - geometry().size();
    if (fenster->layout())
        fenster->layout()->activate();
    else
        fenster->adjustSize();
    const QSize aussen = fenster->size() + rand;
    fenster->move(hier.x() + (hier.width() - aussen.width()) / 2, hier.y() + (hier.height() - aussen.height()) / 2);
    if (auto* inhalt = qobject_cast<TInhaltsFenster*>(fenster); inhalt && ansicht::An())
        ansicht::Einpassen(inhalt, [inhalt](qreal s) { inhalt->SetzeSkala(s); }, hier.center());

    hide();
    fenster->exec();
    show();
}
