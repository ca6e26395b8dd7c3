#include "app/Plattform.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

bool begrenzt = false;
QRect bereich;
std::optional<QRect>* tastenBereich = nullptr; // set while a press by keys runs

TCursor aktuellerCursor = crDefault;
bool cursorGesetzt = false; // we own exactly one entry on the override stack

MeldungsHaken meldungsHaken;

// Keeps the real pointer inside the confinement on platforms that let a program
// move it. Every mouse move seen by the application is checked; a position
// outside the rectangle sends the pointer back to the nearest point inside.
class CursorZaun : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override
    {
        if (begrenzt && e->type() == QEvent::MouseMove) {
            const auto* m = static_cast<QMouseEvent*>(e);
            const QPoint global = m->globalPosition().toPoint();
            if (!bereich.contains(global))
                QCursor::setPos(BegrenzterPunkt(global));
        }
        return QObject::eventFilter(ziel, e);
    }
};

CursorZaun* zaun = nullptr;

bool ZeigerVersetzbar()
{
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("xcb") || name == QLatin1String("windows");
}

} // namespace

void ClipCursor(const QRect* bildschirmRechteck)
{
    if (tastenBereich) {
        *tastenBereich = bildschirmRechteck ? std::optional(bildschirmRechteck->normalized()) : std::nullopt;
        return;
    }
    if (!bildschirmRechteck) {
        begrenzt = false;
        bereich = QRect();
        return;
    }
    begrenzt = true;
    bereich = bildschirmRechteck->normalized();

    if (!zaun && qApp && ZeigerVersetzbar()) {
        zaun = new CursorZaun(qApp);
        qApp->installEventFilter(zaun);
    }
    if (zaun) {
        const QPoint jetzt = QCursor::pos();
        if (!bereich.contains(jetzt))
            QCursor::setPos(BegrenzterPunkt(jetzt));
    }
}

std::optional<QRect> NurFuerTasten(const std::function<void()>& aktion)
{
    std::optional<QRect> band;
    std::optional<QRect>* const aussen = std::exchange(tastenBereich, &band);
    aktion();
    tastenBereich = aussen;
    return band;
}

bool CursorBegrenzt() { return begrenzt; }

QRect CursorBereich() { return begrenzt ? bereich : QRect(); }

QPoint BegrenzterPunkt(QPoint global)
{
    if (!begrenzt)
        return global;
    return QPoint(std::clamp(global.x(), bereich.left(), bereich.right()),
                  std::clamp(global.y(), bereich.top(), bereich.bottom()));
}

void SetzeBildschirmCursor(TCursor cursor)
{
    aktuellerCursor = cursor;
    if (!qApp)
        return;
    if (cursor == crDefault) {
        if (cursorGesetzt) {
            QGuiApplication::restoreOverrideCursor();
            cursorGesetzt = false;
        }
        return;
    }
    const QCursor form(Qt::PointingHandCursor);
    if (cursorGesetzt) {
        QGuiApplication::changeOverrideCursor(form);
    } else {
        QGuiApplication::setOverrideCursor(form);
        cursorGesetzt = true;
    }
}

TCursor BildschirmCursor() { return aktuellerCursor; }

namespace {

void Meldung(QWidget* eltern, QMessageBox::Icon symbol, const QString& titel, const QString& text)
{
    if (meldungsHaken) {
        meldungsHaken(text);
        return;
    }
    QMessageBox box(symbol, titel, text, QMessageBox::NoButton, eltern ? eltern->window() : nullptr);
    box.setAttribute(Qt::WA_QuitOnClose, false);
    // A screen reader reads the dialog with its text, not only its caption.
    box.setAccessibleName(titel);
    box.setAccessibleDescription(text);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void MessageDlg(QWidget* eltern, const QString& text)
{
    Meldung(eltern, QMessageBox::Information, QStringLiteral("Information"), text);
}

void FehlerDlg(QWidget* eltern, const QString& titel, const QString& text)
{
    Meldung(eltern, QMessageBox::Warning, titel, text);
}

void SetzeMeldungsHaken(MeldungsHaken haken) { meldungsHaken = std::move(haken); }

void FensterLinksOben(QWidget* fenster)
{
    QScreen* schirm = fenster->screen();
    if (!schirm)
        schirm = QGuiApplication::primaryScreen();
    if (schirm)
        fenster->move(schirm->availableGeometry().topLeft()); // a window's position is its frame's
}
