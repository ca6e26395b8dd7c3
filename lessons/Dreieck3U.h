// The dynamic triangle: the pupil drags the vertices and the special lines follow.
#pragma once

#include "app/Lektionsrahmen.h"

class TfrmDreieck3 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmDreieck3(QWidget* eltern = nullptr);

    TPanel* pnlUeb1;
    QLabel* lblUeb;
    TBevel* bevGrafik1;
    TPaintBox* pntGrafik;
    TPanel* pnlStatus;

protected:
    void FormActivate() override;

private:
    void pntGrafikPaint();
};
