// A content window opened from the start window's menu: fixed size, shown
// modally, a menu bar whose first item "Schließen" closes it, and an activation
// that runs every time it is opened. The lesson windows and the information
// window are built on it. A content window has no default button: Return
// presses a push button only while that button has the focus. Ctrl+W closes
// it as "Schließen" does, F10 opens its menu bar, and on opening the focus is
// on its first control in reading order.
#pragma once

#include <QDialog>

class QAction;
class QMenu;
class QMenuBar;
class QVBoxLayout;

class TInhaltsFenster : public QDialog {
    Q_OBJECT
public:
    TInhaltsFenster(const QString& caption, QWidget* eltern);

    QMenuBar* MainMenu1() const { return menue_; }
    QAction* menSchliessen() const { return menSchliessen_; }

    // The opening sequence; showEvent runs it each time the window opens.
    virtual void Aktivieren() = 0;

    // Lays the window out at `skala` times the design's pixels.
    void SetzeSkala(qreal skala);
    // Full screen for a projector: the layout scaled to the screen, centred.
    // F11 or Escape leaves it.
    void Vollbild(bool an);

protected:
    // Puts the client area below the menu bar at a fixed size, which fixes the window's size.
    void SetzeClient(QWidget* client, int breite, int hoehe);

    // Each opening: on a 1024 x 768 screen the window moves to the top-left
    // corner, where it fits whole; then the activation runs.
    void showEvent(QShowEvent* e) override;
    // Escape does not close the window; only "Schließen", the close box or Alt+F4 do.
    // Return and Enter press the focused push button and nothing else.
    void keyPressEvent(QKeyEvent* e) override;
    // The windows have no context menus (Qt's dialog would offer "What's This?"
    // over the menu bar). Edit fields and scroll bars keep their own.
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // Every push button of the window, however it was made, loses the dialog's
    // default-button behaviour.
    void keineStandardKnoepfe();

    QVBoxLayout* spalte_;
    QWidget* client_ = nullptr;
    QMenu* menAnsicht_ = nullptr;
    qreal skalaVorVollbild_ = 1;
    QMenuBar* menue_;
    QAction* menSchliessen_;
};
