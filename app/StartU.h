// The start window: the main window of the program. It paints the title over a
// green striped background, shows the start picture, and opens every other
// window through its menu. The program ends when it closes, and only then.
#pragma once

#include "app/Steuerelemente.h"

#include <QHash>
#include <QMargins>
#include <QMainWindow>
#include <QSize>

class QAction;
class QDialog;

// True for the one screen size on which every window opens maximised.
bool IstMaximierteBildschirmGroesse(QSize bildschirm);

class TfrmStart : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmStart(QWidget* eltern = nullptr);

    // The content window that a menu item opens, by the item's name
    // ("menArten", "menUebertragen", "menParall", "menSpiegeln", "menSymmetralen",
    // "menDreieck0", "menDreieck1", "menDreieck2", "menDreieck3", "menInformation").
    void SetzeFenster(const QString& menuePunkt, QDialog* fenster);
    QDialog* Fenster(const QString& menuePunkt) const { return fenster_.value(menuePunkt); }

    // A menu item or submenu by its name ("menBeenden", "menWinkel", ... as above).
    QAction* MenuePunkt(const QString& name) const;

    QWidget* Client() const { return client_; }
    TPaintBox* pntText() const { return pntText_; }
    QLabel* imgBild() const { return imgBild_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblAutor() const { return lblAutor_; }

    // Activation: decides `maximiert` from the screen; on that screen the window
    // moves to the top-left corner, where it fits whole.
    void FormActivate();

    // Lays the window out at `skala` times the design's pixels.
    void SetzeSkala(qreal skala);

protected:
    void showEvent(QShowEvent* e) override;
    // The start window is the main window: its closing, and nothing else, ends the program.
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    friend class StartFlaeche;
    void FormPaint(Leinwand& lw);
    void pntTextPaint();
    void Oeffne(const QString& menuePunkt);
    QAction* oeffnenderPunkt(QMenu* menue, const QString& name, const QString& caption);

    QWidget* client_;
    TPaintBox* pntText_;
    QLabel* imgBild_;
    QLabel* lblVersion_;
    QLabel* lblAutor_;
    QHash<QString, QDialog*> fenster_;
    QMargins rahmen_; // the frame the window was last placed with
};
