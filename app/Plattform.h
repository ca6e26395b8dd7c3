// Window-system services the lessons need that Qt does not offer under these
// names: confining the mouse to a rectangle while a point is dragged, the
// application-wide cursor, the modal information message, and the placement
// of a window on a screen of exactly 1024 x 768.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Confines the mouse pointer to a rectangle in screen coordinates; nullptr frees it.
// Where the platform can move the pointer (X11) it is warped back into the
// rectangle; everywhere the positions handed to paint-box mouse handlers are
// clamped, so a dragged point never leaves its band.
void ClipCursor(const QRect* bildschirmRechteck);
bool CursorBegrenzt();
QRect CursorBereich();
// A screen position moved into the confinement rectangle (unchanged when free).
QPoint BegrenzterPunkt(QPoint global);
// Runs `aktion` (a press by keys on a drawing) with the confinement it asks
// for caught instead of applied: the keys hold only their own pointer, the real
// mouse stays free. Gives the rectangle asked for last, or none.
std::optional<QRect> NurFuerTasten(const std::function<void()>& aktion);

enum TCursor { crDefault, crHandPoint };
// The application's screen cursor (arrow or hand), as a lesson sets it while dragging.
void SetzeBildschirmCursor(TCursor cursor);
TCursor BildschirmCursor();

// Modal information dialog: caption "Information", the text, one "OK" button.
// `eltern` is the window that refused the pupil's input: the dialog belongs to
// it, so closing the dialog can never end the program.
void MessageDlg(QWidget* eltern, const QString& text);
// The same for a failure: a warning icon and a caption that says what failed
// ("Speichern fehlgeschlagen").
void FehlerDlg(QWidget* eltern, const QString& titel, const QString& text);

// Tests replace the dialog by a hook that receives the text; an empty hook
// restores the real dialog.
using MeldungsHaken = std::function<void(const QString&)>;
void SetzeMeldungsHaken(MeldungsHaken haken);

// Moves a top-level window, frame included, to the top-left corner of the free
// area of its screen (the whole of it where the window system reserves nothing).
void FensterLinksOben(QWidget* fenster);
