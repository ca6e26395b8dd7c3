// The states the picture tool can render, and the small helpers a state uses
// to open a window and bring it into shape.
#pragma once

#include "app/ModellFenster.h"
#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

struct Zustand {
    // The PNG file's name without ".png", e.g. "Winkel1" or "Winkel1-Stumpf".
    QString name;
    // Opens the window, brings it into the state and returns the widget to
    // picture. The tool takes the window over: it grabs, closes and deletes it.
    std::function<QWidget*()> bereite;
    // Keeps the focus where the state left it (focus frame, keyboard pointer).
    bool mitFokus = false;
};

// All states in the order they are rendered.
const std::vector<Zustand>& Zustaende();

// Lets pending events (paints, layout, deferred activation) run.
void Verarbeite();

// A new window of type T, shown: its activation has run, as when the pupil opens it.
template <class T>
T* Oeffne()
{
    T* fenster = new T;
    fenster->show();
    Verarbeite();
    return fenster;
}

// A new window of the lesson model L, shown.
template <class L>
TModellFenster* OeffneModell()
{
    auto* fenster = new TModellFenster(std::make_unique<L>());
    fenster->show();
    Verarbeite();
    return fenster;
}

// A left click at a position in the widget's own pixels (e.g. a drawing area).
void Klicke(QWidget* ziel, QPoint punkt);
// A left-button drag in the widget's own pixels: press at `von`, move in
// `schritte` steps, release at `bis`.
void Ziehe(QWidget* ziel, QPoint von, QPoint bis, int schritte = 8);
