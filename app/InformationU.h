// The information window: a page on the history of geometry with highlighted
// names and key words, and five pictures beside the text.
#pragma once

#include "app/Steuerelemente.h"

#include <QDialog>
#include <QList>

class QAction;
class QMenuBar;

// One line of the history page: its top in world y and its text, with the
// highlighted words between "#" marks.
struct TGeschichtsZeile {
    float y;
    QString text;
};
const QList<TGeschichtsZeile>& GeschichtsZeilen();

class TfrmInformation : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInformation(QWidget* eltern = nullptr);

    // The white client area below the menu bar; the page is painted on it.
    TPaintBox* Client() const { return client_; }
    QMenuBar* MainMenu1() const { return menue_; }
    QAction* menSchliessen() const { return menSchliessen_; }
    // The pictures img1 .. img5 (index 1 to 5).
    QLabel* Bild(int nummer) const { return bilder_.value(nummer - 1); }

    void FormActivate();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormPaint();

    TPaintBox* client_;
    QMenuBar* menue_;
    QAction* menSchliessen_;
    QList<QLabel*> bilder_;
};
