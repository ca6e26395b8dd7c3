#include "app/Inhaltsfenster.h"

#include "app/Ansicht.h"
#include "app/Namen.h"
#include "app/Palette.h"
#include "app/Plattform.h"
#include "app/Skalierung.h"
#include "app/Steuerelemente.h"
#include "app/Tastatur.h"
#include "draw/Leinwand.h"
#include "draw/Primitive.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TInhaltsFenster::TInhaltsFenster(const QString& caption, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    // Closing a content window while the start window is hidden must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(QtSchrift(QStringLiteral("Arial"), 16, true));
    setPalette(HellePalette());

    spalte_ = new QVBoxLayout(this);
    spalte_->setContentsMargins(0, 0, 0, 0);
    spalte_->setSpacing(0);

    menue_ = new QMenuBar(this);
    menue_->setNativeMenuBar(false);
    menue_->setFont(MenueSchrift());
    spalte_->setMenuBar(menue_);
    menSchliessen_ = menue_->addAction(QStringLiteral("Schließen"));
    menSchliessen_->setObjectName(QStringLiteral("menSchliessen"));
    // Ctrl+W as the menu item, never Escape: closing throws the pupil's work away.
    menSchliessen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(menSchliessen_, &QAction::triggered, this, &QWidget::close);
    RichteTastaturEin(this, menue_);
}

void TInhaltsFenster::SetzeClient(QWidget* client, int breite, int hoehe)
{
    client_ = client;
    client->setFixedSize(breite, hoehe);
    spalte_->addWidget(client);
    spalte_->setSizeConstraint(QLayout::SetFixedSize);
}

void TInhaltsFenster::SetzeSkala(qreal skala)
{
    if (client_)
        SkaliereFenster(this, client_, skala);
}

void TInhaltsFenster::Vollbild(bool an)
{
    if (!client_ || an == isFullScreen())
        return;
    if (an) {
        skalaVorVollbild_ = FensterSkala(this);
        spalte_->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        spalte_->setAlignment(client_, Qt::AlignCenter);
        const QRect schirm = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry();
        const QSize entwurf = EntwurfsOrt(client_).size();
        // The menu bar's height does not scale in proportion: measured at the scale tried.
        qreal skala = 1;
        for (int i = 0; i < 3; ++i) {
            const int leiste = menue_->sizeHint().height();
            skala = std::min(qreal(schirm.width()) / entwurf.width(), qreal(schirm.height() - leiste) / entwurf.height());
            SetzeSkala(std::floor(skala * 100) / 100);
        }
        showFullScreen();
    } else {
        spalte_->setAlignment(client_, Qt::Alignment());
        spalte_->setSizeConstraint(QLayout::SetFixedSize);
        showNormal();
        SetzeSkala(skalaVorVollbild_);
        ansicht::Einpassen(this, [this](qreal s) { SetzeSkala(s); }, frameGeometry().center());
    }
    if (QAction* punkt = findChild<QAction*>(QStringLiteral("menVollbild")))
        punkt->setChecked(an);
}

void TInhaltsFenster::showEvent(QShowEvent* e)
{
    // Before the dialog picks a default button, which it does once the window is shown.
    keineStandardKnoepfe();
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    if (maximiert)
        FensterLinksOben(this);
    Aktivieren();
    EindeutigeNamen(this);
    if (ansicht::An() && !menAnsicht_) // after the lesson's menus, made at the first opening
        menAnsicht_ = ansicht::BaueMenue(menue_, this, [this](qreal s) { SetzeSkala(s); },
                                         [this](bool an) { Vollbild(an); });
    HelleMenues(this);
    // The keys start at the first control in reading order, whatever had them last time.
    if (QWidget* erstes = OrdneTabfolge(this))
        erstes->setFocus(Qt::OtherFocusReason);
}

void TInhaltsFenster::keineStandardKnoepfe()
{
    for (QPushButton* knopf : findChildren<QPushButton*>()) {
        knopf->setAutoDefault(false);
        knopf->setDefault(false);
    }
}

void TInhaltsFenster::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Cancel)) {
        if (isFullScreen())
            Vollbild(false);
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // Reaches the window only when the focused control did not use the key.
        auto* knopf = qobject_cast<QPushButton*>(focusWidget());
        if (knopf && knopf->isEnabled() && knopf->isVisible() && !e->isAutoRepeat())
            knopf->click();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TInhaltsFenster::contextMenuEvent(QContextMenuEvent* e)
{
    e->accept();
}
