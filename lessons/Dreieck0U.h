// Classification of triangles by sides and by angles: three drawing boxes side by side.
#pragma once

#include "app/Lektionsrahmen.h"

class TfrmDreieck0 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmDreieck0(QWidget* eltern = nullptr);

    TPanel* pnlUeb;
    QLabel* lblUeb;
    TBevel* bevGrafik[3];
    TPaintBox* pntGrafik[3];

protected:
    void FormActivate() override;

private:
    void pntGrafikPaint(TPaintBox* box);
};
