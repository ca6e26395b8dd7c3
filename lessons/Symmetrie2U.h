// "Symmetralen": on the left the perpendicular bisector of a clicked segment AB,
// on the right the bisector of a clicked angle, each constructed step by step
// with compass and ruler.
#pragma once

#include "app/Lektionsrahmen.h"
#include "lessons/Symmetrie2Bild.h"

#include <span>

class TfrmSymmetrie2 : public TLektionsFenster {
    Q_OBJECT
public:
    explicit TfrmSymmetrie2(QWidget* eltern = nullptr);

    // Controls, left (1) and right (2).
    TPanel* pnlUeb1 = nullptr;
    QLabel* lblUeb1 = nullptr;
    TPanel* pnlUeb2 = nullptr;
    QLabel* lblUeb2 = nullptr;
    TBevel* bevGrafik1 = nullptr;
    TBevel* bevGrafik2 = nullptr;
    TPaintBox* pntGrafik1 = nullptr;
    TPaintBox* pntGrafik2 = nullptr;
    TPanel* pnlStatus1 = nullptr;
    QLabel* lblStatus1 = nullptr;
    TPanel* pnlStatus2 = nullptr;
    QLabel* lblStatus2 = nullptr;
    QGroupBox* grpSchritt1 = nullptr;
    TUpDown* UpDown1 = nullptr;
    QLabel* lblSchritte1 = nullptr;
    QGroupBox* grpSchritt2 = nullptr;
    TUpDown* UpDown2 = nullptr;
    QLabel* lblSchritte2 = nullptr;
    QGroupBox* grpWH1 = nullptr;
    QPushButton* btnWH1 = nullptr;
    QGroupBox* grpWH2 = nullptr;
    QPushButton* btnWH2 = nullptr;

    // Lesson state.
    TMarkierPunkt punkte1[3];  // [1] = A, [2] = B
    TMarkierPunkt punkte2[4];  // [1] on the first leg, [2] the vertex, [3] on the second leg
    int markiert1 = 0;
    int markiert2 = 0;
    int anzahlPunkte1 = 2;
    int anzahlPunkte2 = 3;
    int Schritt1 = 0;          // 0..3
    int Schritt2 = 0;          // 0..4
    float radius1 = 0;         // compass radius of the segment construction
    bool schenkelGezeichnet = false;

    // Both drawings show x and y from -10 to 10; points must lie strictly inside -5..5.
    static constexpr float rahmen = symmetrie2::rahmen;
    static constexpr float mindestAbstand = 4;
    static constexpr float mindestWinkel = 20;
    static constexpr int letzterSchritt1 = 3;
    static constexpr int letzterSchritt2 = 4;

    // Handlers.
    void pntGrafik1MouseDown(Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, int x, int y);
    void pntGrafik2MouseDown(Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, int x, int y);
    // The click checks on a point already converted to world units.
    void MarkierePunkt1(float x, float y);
    void MarkierePunkt2(float x, float y);
    void UpDown1Click(TUpDown* sender);
    void UpDown2Click(TUpDown* sender);
    void btnWH1Click();
    void btnWH2Click();
    void pntGrafik1Paint();
    void pntGrafik2Paint();

protected:
    void FormActivate() override;

private:
    // The controls of one construction, which both sides step and restart alike.
    struct TSeite {
        TSchrittGruppe schritte;
        QPushButton* btnWH;
        QLabel* lblStatus;
        TPaintBox* pntGrafik;
    };
    TSeite seite1() const { return {{grpSchritt1, UpDown1, lblSchritte1}, btnWH1, lblStatus1, pntGrafik1}; }
    TSeite seite2() const { return {{grpSchritt2, UpDown2, lblSchritte2}, btnWH2, lblStatus2, pntGrafik2}; }

    void baueSchritte(int links, int letzter, QGroupBox*& grp, TUpDown*& upDown, QLabel*& lbl);
    void baueNeuerVersuch(int links, const QString& caption, QGroupBox*& grp, QPushButton*& btn);
    static TWeltPunkt geklickt(const TPaintBox* box, int px, int py);
    bool nochOffen(float x, float y, int markiert, int anzahl, TPaintBox* box);
    static void zeigeSchritt(const TSeite& seite, int schritt, int letzter, const QString& anleitung);
    static void vonVorn(const TSeite& seite, int& schritt, int& markiert, std::span<TMarkierPunkt> punkte);
    static void beginneZeichnung(TPaintBox* box);
};
