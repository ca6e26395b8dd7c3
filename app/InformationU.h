// The information window: a page on the history of geometry with highlighted
// names and key words, and five pictures beside the text.
#pragma once

#include "app/Inhaltsfenster.h"
#include "app/Steuerelemente.h"

#include <QList>

class TfrmInformation : public TInhaltsFenster {
    Q_OBJECT
public:
    explicit TfrmInformation(QWidget* eltern = nullptr);

    // The white client area below the menu bar; the page is painted on it.
    TPaintBox* Client() const { return client_; }
    // The pictures img1 .. img5 (index 1 to 5).
    QLabel* Bild(int nummer) const { return bilder_.value(nummer - 1); }

    void Aktivieren() override { FormActivate(); }
    void FormActivate();

private:
    void FormPaint();

    TPaintBox* client_;
    QList<QLabel*> bilder_;
};
