// The controls of the lesson windows that Qt has no direct equivalent for:
// bevelled panels and frames, paint boxes that draw through a persistent
// canvas, a horizontal up-down control and a radio group with an item index.
// Scroll bars, edit fields, group boxes, check boxes and buttons are Qt's own.
#pragma once

#include "draw/Leinwand.h"
#include "lessons/Tastenzeiger.h"

#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QValidator>
#include <QWidget>
#include <functional>
#include <optional>

class QPushButton;
class QToolButton;

// Panel with a lowered outer and a raised inner bevel (1 pixel each). An optional
// caption is drawn centred.
class TPanel : public QWidget {
    Q_OBJECT
public:
    TPanel(QWidget* eltern, QRect geometrie);
    void SetzeCaption(const QString& text);
    QString Caption() const { return caption_; }
    void SetzeSchriftFarbe(TFarbe farbe);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
    TFarbe schriftFarbe_ = clBlack;
};

// Lowered frame around a drawing area.
class TBevel : public QWidget {
    Q_OBJECT
public:
    TBevel(QWidget* eltern, QRect geometrie);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A drawing area. Its canvas keeps pen, brush and font between repaints. The
// handlers receive positions in the box's own pixels; while the cursor is
// confined (ClipCursor) the positions are clamped to the confinement. When the
// last mouse button is released, or the pointer leaves the box with no button
// held, the screen cursor is the arrow again: a hand shown over a draggable
// point never outlives the point or the drag.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    TPaintBox(QWidget* eltern, QRect geometrie);

    Leinwand Canvas;
    std::function<void()> OnPaint;
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;
    std::function<void(Qt::KeyboardModifiers, int x, int y)> OnMouseMove;
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseUp;

    // The drawing's size in design pixels: what the paint handler draws on and
    // the mouse handlers count in, whatever scale the window is shown at.
    int Breite() const;
    int Hoehe() const;

    // Runs the paint handler into an image of the box's size (tests, pictures, benchmarks).
    QImage Abbild();
    // Runs the paint handler onto any device: the painter's origin is the box's
    // top-left corner and its clip is the box.
    void Abbild(QPainter& maler);
    // Belongs to the window's picture (copy, save, print). A legend beside a
    // control belongs to the control and is left out.
    bool ImBild = true;

    // What a screen reader gets: the area's name (accessibleName, "Zeichnung
    // links"), whether it is a drawing or a box of painted text, and what it
    // shows now, built from the same state the paint handler reads.
    enum class TRolle { Zeichnung, Text };
    TRolle Rolle = TRolle::Zeichnung;
    std::function<std::string()> OnBeschreibung;
    QString Beschreibung() const { return OnBeschreibung ? QString::fromStdString(OnBeschreibung()) : QString(); }
    // Repaint requests as QWidget's: a handler changed what the area shows. They
    // also tell a listening screen reader when the description changed with it.
    using QWidget::repaint;
    using QWidget::update;
    void update();
    void repaint();
    // Tells a listening screen reader when the description changed although
    // the picture did not need a repaint.
    void MeldeBeschreibung();

    // The keyboard pointer (its rules in lessons/Tastenzeiger). A drawing is in
    // the Tab order (a box of painted text is not); while a box that takes
    // clicks (it has OnMouseDown) has the focus a cross-hair stands in it.
    // Everything goes through the mouse handlers; a drag's confinement holds
    // the keyboard pointer but leaves the real mouse free.
    bool NimmtEingaben() const { return bool(OnMouseDown); }
    QPoint TastenZeiger() const { return QPoint(tasten_.x, tasten_.y); }
    bool TasteGedrueckt() const { return tasten_.gedrueckt; }
    // What the keyboard pointer at a pixel stands on; a screen reader says it at each move.
    std::function<QString(QPoint pixel)> OnOrt;
    // Pointer arms reach this many pixels from its centre and leave a gap round it.
    static constexpr int zeigerArm = 14;
    static constexpr int zeigerLuecke = 4;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    // A position in the box's own pixels as a design pixel, held in the confinement.
    QPoint begrenzt(QPointF lokal) const;
    // The same, held in `schirmBereich` (screen pixels) if there is one.
    QPoint gehalten(QPointF lokal, std::optional<QRect> schirmBereich) const;
    // The design pixels a confinement (screen pixels) holds a position in, as `gehalten` holds it.
    lektion::TPixelband entwurfsBand(QRect schirmBereich) const;
    QString gemeldet_; // the description a screen reader was last told of

    // The mouse handlers as the keyboard pointer's lesson.
    lektion::TZeigerZiel zeigerZiel(Qt::KeyboardModifiers tasten);
    std::optional<lektion::TPixelband> sende(lektion::TZeigerArt art, Qt::KeyboardModifiers tasten, int x, int y);
    void loeseTaste();
    void zeichneTastenZeiger(QPainter& p) const;

    lektion::TTastenzeiger tasten_;
};

// Horizontal up-down control: two arrow buttons side by side. The left arrow
// lowers Position by one, the right raises it; at Min or Max the arrow does
// nothing and fires nothing (no wrap). Left/Right keys act as the arrows when
// the control has the focus.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QWidget* eltern, QRect geometrie, int min, int max);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetzeMin(int wert);
    void SetzeMax(int wert);
    // Sets the position without firing OnClick (as a program assignment does).
    void SetzePosition(int wert);

    // What the arrows do: change the position and fire OnClick with the sender.
    void KlickLinks();
    void KlickRechts();

    std::function<void(TUpDown* sender)> OnClick;

    QToolButton* PfeilLinks() const { return links_; }
    QToolButton* PfeilRechts() const { return rechts_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void meldeWert(); // tells a screen reader the new step number
    QToolButton* links_;
    QToolButton* rechts_;
    int min_, max_, position_ = 0;
};

// Group box with radio buttons and an item index. A click on a button fires
// OnClick; SetzeItemIndex changes the selection silently.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(QWidget* eltern, QRect geometrie, const QString& caption, const QStringList& eintraege,
                int spalten = 1);
    int ItemIndex() const { return index_; }
    void SetzeItemIndex(int index);
    QRadioButton* Knopf(int i) const { return knoepfe_.value(i); }
    int Anzahl() const { return int(knoepfe_.size()); }

    std::function<void()> OnClick;

private:
    void richteTabstopp();

    QList<QRadioButton*> knoepfe_;
    int index_ = -1;
};

// Lets only digits into an edit field, at most `stellen` of them. Typed,
// pasted and dropped text alike: everything that is not a digit is dropped,
// and a change that would leave more digits than allowed is refused.
class TZiffernFilter : public QValidator {
public:
    explicit TZiffernFilter(int stellen, QObject* eltern = nullptr) : QValidator(eltern), stellen_(stellen) {}
    State validate(QString& text, int& pos) const override;

private:
    int stellen_;
};

// A push button as every window makes them: it acts when clicked, or by Space
// or Return while it has the focus, and never as the window's default button.
QPushButton* NeuerKnopf(QWidget* eltern, QRect geometrie, const QString& caption);

// A horizontal scroll bar with the window system's keys: Right, Down and Page
// Down raise the position (by 1, 1 and the large change), Left, Up and Page Up
// lower it, Home and End go to the ends. Qt ties the arrow keys and the page
// keys to one inversion flag and cannot give both directions this way. The
// bar takes the focus by Tab and by click.
class TBildlaufleiste : public QScrollBar {
    Q_OBJECT
public:
    TBildlaufleiste(QWidget* eltern, QRect geometrie, int min, int max, int position, int grosseAenderung);

    // The unit a screen reader says after the value ("°").
    QString Einheit;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// The scroll bar for an angle of 0..360 degrees at `wert`: steps of 1 and 10.
QScrollBar* NeueGradLeiste(QWidget* eltern, QRect geometrie, int wert);

// A label's text colour.
void SetzeTextFarbe(QLabel* label, TFarbe farbe);
// A label with the program's font handling: font name, pixel height, bold,
// colour, alignment, word wrap.
QLabel* NeuesLabel(QWidget* eltern, QRect geometrie, const QString& text, int pixelHoehe, bool fett,
                   TFarbe farbe, Qt::Alignment ausrichtung = Qt::AlignCenter, bool umbruch = true);

// The window system's own font for menu bars, which do not take the form font.
QFont MenueSchrift();
