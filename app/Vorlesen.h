// What a screen reader gets of the program's own controls: drawing areas as
// graphics (or, for boxes of painted text, as text) with a name and a
// description of what they show now, the step control as a spin box with the
// step as its value, panels with their caption, group boxes with their caption
// without the padding blanks, and angle scroll bars with value and unit.
#pragma once

#include <QString>
#include <functional>

class QAccessibleEvent;
class QWidget;

// Installs the accessibility factory for these controls; the first control made calls it.
void VorlesenEinrichten();

// Gives every edit field of a window that has no accessible name the caption of
// its group and its unit, once the captions are set.
void BenenneEingabefelder(QWidget* fenster);

// A caption as a reader says it: no padding blanks, no accelerator ampersands.
QString OhneFuellzeichen(const QString& caption);

// Whether a screen reader (or a test's hook) listens: only then are
// descriptions built to find out whether they changed.
bool LeserHoertZu();
// Passes a change to the screen reader. Tests replace the reader by a hook
// that receives the events; an empty hook restores the reader.
void MeldeLeser(QAccessibleEvent* ereignis);
using LeserHaken = std::function<void(QAccessibleEvent*)>;
void SetzeLeserHaken(LeserHaken haken);

// Speaks a short text now, without moving the focus: what changed after an
// input, the keyboard pointer's place. A newer text soon after replaces one
// not yet spoken, so that held arrow keys do not queue up a backlog.
void SageAn(const QString& text);
// Tests replace the speaking by a hook; an empty hook restores it.
using AnsageHaken = std::function<void(const QString&)>;
void SetzeAnsageHaken(AnsageHaken haken);
