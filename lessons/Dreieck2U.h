// Special lines and centres of a triangle, step by step.
#pragma once

#include "app/Lektionsrahmen.h"

class TfrmDreieck2 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmDreieck2(QWidget* eltern = nullptr);

    TPanel* pnlUeb1;
    QLabel* lblUeb;
    TBevel* bevGrafik1;
    TPaintBox* pntGrafik;
    TSchrittGruppe schritt;
    TWiederholGruppe wiederholen;
    TPanel* pnlStatus1;
    TPaintBox* pntStatus;

protected:
    void FormActivate() override;

private:
    void UpDownClick();
    void btnWHClick();
    void pntGrafikPaint();

    int Schritt = 0;
};
