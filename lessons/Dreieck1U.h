// Triangle constructions by the congruence theorems, step by step.
#pragma once

#include "app/Lektionsrahmen.h"

class TfrmDreieck1 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmDreieck1(QWidget* eltern = nullptr);

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
