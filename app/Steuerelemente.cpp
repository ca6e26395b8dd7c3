#include "app/Steuerelemente.h"

#include "app/Plattform.h"
#include "app/Skalierung.h"
#include "app/Vorlesen.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QtMath>

namespace {

const TFarbe schattenFarbe = RGB(160, 160, 160); // clBtnShadow
const TFarbe lichtFarbe = clWhite;               // clBtnHighlight

// One bevel ring, a design pixel wide on whole device pixels: top and left
// edge in `oben`, bottom and right edge in `unten`. `r` is in device pixels.
void Ring(TGeraetepixel& g, QRect r, TFarbe oben, TFarbe unten)
{
    const int d = g.Strich();
    g.Fuelle(QRect(r.left(), r.top(), r.width(), d), QtFarbe(oben));
    g.Fuelle(QRect(r.left(), r.top(), d, r.height()), QtFarbe(oben));
    g.Fuelle(QRect(r.left(), r.bottom() + 1 - d, r.width(), d), QtFarbe(unten));
    g.Fuelle(QRect(r.right() + 1 - d, r.top(), d, r.height()), QtFarbe(unten));
}

} // namespace

// ---------------------------------------------------------------- TPanel

TPanel::TPanel(QWidget* eltern, QRect geometrie) : QWidget(eltern)
{
    VorlesenEinrichten();
    setGeometry(geometrie);
}

void TPanel::SetzeCaption(const QString& text)
{
    if (text == caption_)
        return;
    caption_ = text;
    update();
    QAccessibleEvent ereignis(this, QAccessible::NameChanged);
    MeldeLeser(&ereignis);
}

void TPanel::SetzeSchriftFarbe(TFarbe farbe)
{
    schriftFarbe_ = farbe;
    update();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    QColor flaeche = palette().color(QPalette::Window);
    if (!testAttribute(Qt::WA_SetPalette))
        flaeche = QtFarbe(clBtnFace);
    p.fillRect(r, flaeche);
    {
        TGeraetepixel g(p, FensterSkala(this));
        const QRect aussen = g.Rechteck(r);
        const int d = g.Strich();
        Ring(g, aussen, schattenFarbe, lichtFarbe);                    // outer, lowered
        Ring(g, aussen.adjusted(d, d, -d, -d), lichtFarbe, schattenFarbe); // inner, raised
    }
    if (!caption_.isEmpty()) {
        p.setFont(font());
        p.setPen(QtFarbe(schriftFarbe_));
        p.drawText(r.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, caption_);
    }
}

// ---------------------------------------------------------------- TBevel

TBevel::TBevel(QWidget* eltern, QRect geometrie) : QWidget(eltern)
{
    setGeometry(geometrie);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*)
{
    // An etched frame: a white ring one pixel right and below a grey ring.
    QPainter p(this);
    TGeraetepixel g(p, FensterSkala(this));
    const QRect r = g.Rechteck(rect());
    const int d = g.Strich();
    Ring(g, r.adjusted(d, d, 0, 0), lichtFarbe, lichtFarbe);
    Ring(g, r.adjusted(0, 0, -d, -d), schattenFarbe, schattenFarbe);
}

// ---------------------------------------------------------------- TPaintBox

TPaintBox::TPaintBox(QWidget* eltern, QRect geometrie) : QWidget(eltern)
{
    VorlesenEinrichten();
    setGeometry(geometrie);
    setMouseTracking(true);
}

void TPaintBox::update()
{
    QWidget::update();
    MeldeBeschreibung();
}

void TPaintBox::repaint()
{
    QWidget::repaint();
    MeldeBeschreibung();
}

void TPaintBox::MeldeBeschreibung()
{
    // Without a listening screen reader the description is not worth building.
    if (!LeserHoertZu() || !OnBeschreibung)
        return;
    const QString jetzt = Beschreibung();
    if (jetzt == gemeldet_)
        return;
    gemeldet_ = jetzt;
    QAccessibleEvent ereignis(this, Rolle == TRolle::Text ? QAccessible::NameChanged : QAccessible::DescriptionChanged);
    MeldeLeser(&ereignis);
}

int TPaintBox::Breite() const { return EntwurfsOrt(this).width(); }

int TPaintBox::Hoehe() const { return EntwurfsOrt(this).height(); }

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (!OnPaint)
        return;
    const qreal skala = FensterSkala(this);
    {
        QPainter p(this);
        p.scale(skala, skala);
        // On screen thin lines go on whole device pixels at every scale.
        Canvas.Geraetepixel = true;
        Abbild(p);
        Canvas.Geraetepixel = false;
    }
    if (hasFocus() && NimmtEingaben()) {
        QPainter p(this); // fresh: nothing of the figure's pen, brush or clip
        p.scale(skala, skala);
        zeichneTastenZeiger(p);
    }
}

QImage TPaintBox::Abbild()
{
    QImage bild(QSize(Breite(), Hoehe()), QImage::Format_RGB32);
    bild.fill(QtFarbe(clBtnFace));
    if (OnPaint) {
        QPainter p(&bild);
        Abbild(p);
    }
    return bild;
}

void TPaintBox::Abbild(QPainter& maler)
{
    if (!OnPaint)
        return;
    maler.save();
    maler.setClipRect(QRect(0, 0, Breite(), Hoehe()), Qt::IntersectClip);
    // Every painting starts with the pen, brush and font of a new canvas: a
    // label centred by the font the painting before left would stand a pixel
    // or two elsewhere depending on what was shown before.
    Canvas.Zuruecksetzen();
    Canvas.Binde(&maler);
    OnPaint();
    Canvas.Loese();
    maler.restore();
}

QPoint TPaintBox::begrenzt(QPointF lokal) const
{
    return CursorBegrenzt() ? gehalten(lokal, CursorBereich()) : gehalten(lokal, std::nullopt);
}

QPoint TPaintBox::gehalten(QPointF lokal, std::optional<QRect> schirmBereich) const
{
    if (schirmBereich) {
        // Held inside the pixels of the confinement, as the screen holds the pointer.
        const QRect bereich(mapFromGlobal(schirmBereich->topLeft()), schirmBereich->size());
        const qreal fast = 0.999;
        lokal = QPointF(std::clamp(lokal.x(), qreal(bereich.left()), bereich.right() + fast),
                        std::clamp(lokal.y(), qreal(bereich.top()), bereich.bottom() + fast));
    }
    const qreal skala = FensterSkala(this);
    return QPoint(qFloor(lokal.x() / skala), qFloor(lokal.y() / skala));
}

lektion::TPixelband TPaintBox::entwurfsBand(QRect schirmBereich) const
{
    const QRect r(mapFromGlobal(schirmBereich.topLeft()), schirmBereich.size());
    const qreal skala = FensterSkala(this), fast = 0.999;
    return {qFloor(r.left() / skala), qFloor(r.top() / skala), qFloor((r.right() + fast) / skala),
            qFloor((r.bottom() + fast) / skala)};
}

void TPaintBox::mousePressEvent(QMouseEvent* e)
{
    // The mouse takes over: the keys' drag ends, the keys go on from here.
    const QPoint p = begrenzt(e->position());
    lektion::MausDruck(tasten_, p.x(), p.y(), hasFocus(), zeigerZiel(Qt::NoModifier));
    if (hasFocus())
        update();
    if (OnMouseDown)
        OnMouseDown(e->button(), e->modifiers(), p.x(), p.y());
}

void TPaintBox::mouseMoveEvent(QMouseEvent* e)
{
    // While the keyboard drags, a mouse that the confinement moved must not drag too.
    if (tasten_.gedrueckt)
        return;
    const QPoint p = begrenzt(e->position());
    if (OnMouseMove)
        OnMouseMove(e->modifiers(), p.x(), p.y());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* e)
{
    // While the keys hold the button, the release is theirs to give.
    if (!tasten_.gedrueckt && OnMouseUp) {
        const QPoint p = begrenzt(e->position());
        OnMouseUp(e->button(), e->modifiers(), p.x(), p.y());
    }
    // A drag ends with the last button: the pointer must never stay confined,
    // and the hand goes with the drag (the keys' drag keeps its own).
    if (e->buttons() == Qt::NoButton) {
        if (CursorBegrenzt())
            ClipCursor(nullptr);
        if (!tasten_.gedrueckt)
            SetzeBildschirmCursor(crDefault);
    }
}

void TPaintBox::leaveEvent(QEvent* e)
{
    // A point under the pointer can only be one of this box's.
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        SetzeBildschirmCursor(crDefault);
    QWidget::leaveEvent(e);
}

// ---------------------------------------------------------------- TPaintBox: keyboard pointer

bool TPaintBox::event(QEvent* e)
{
    // The handlers are set in the window's constructor, before the first showing.
    // A drawing that only shows is reached by Tab too, to be read; painted text is read in its place.
    if (e->type() == QEvent::Polish)
        setFocusPolicy(NimmtEingaben() || (OnPaint && Rolle == TRolle::Zeichnung) ? Qt::TabFocus : Qt::NoFocus);
    return QWidget::event(e);
}

void TPaintBox::showEvent(QShowEvent* e)
{
    // Each opening of the window starts with the pointer at the same place near the middle.
    if (!e->spontaneous() && !tasten_.gedrueckt)
        tasten_ = lektion::Startzeiger(Breite(), Hoehe());
    QWidget::showEvent(e);
}

namespace {

std::optional<lektion::TTaste> ZeigerTaste(int taste)
{
    switch (taste) {
    case Qt::Key_Left: return lektion::TTaste::Links;
    case Qt::Key_Right: return lektion::TTaste::Rechts;
    case Qt::Key_Up: return lektion::TTaste::Hoch;
    case Qt::Key_Down: return lektion::TTaste::Runter;
    case Qt::Key_Space: return lektion::TTaste::Leertaste;
    case Qt::Key_Return:
    case Qt::Key_Enter: return lektion::TTaste::Eingabe;
    default: return std::nullopt;
    }
}

} // namespace

void TPaintBox::keyPressEvent(QKeyEvent* e)
{
    const Qt::KeyboardModifiers tasten = e->modifiers() & ~Qt::KeypadModifier;
    const std::optional<lektion::TTaste> taste = ZeigerTaste(e->key());
    if (!NimmtEingaben() || (tasten & ~Qt::ShiftModifier) || !taste) {
        QWidget::keyPressEvent(e); // Ctrl and Alt combinations belong to the window
        return;
    }
    if (lektion::Taste(tasten_, *taste, tasten & Qt::ShiftModifier, e->isAutoRepeat(), zeigerZiel(tasten))) {
        update();
        if (OnOrt)
            SageAn(OnOrt(TastenZeiger()));
    }
    e->accept();
}

lektion::TZeigerZiel TPaintBox::zeigerZiel(Qt::KeyboardModifiers tasten)
{
    lektion::TZeigerZiel ziel;
    ziel.breite = Breite();
    ziel.hoehe = Hoehe();
    ziel.sende = [this, tasten](lektion::TZeigerArt art, int x, int y) { return sende(art, tasten, x, y); };
    // A refused press opened a message, which took the focus.
    ziel.behaeltTasten = [this] { return hasFocus(); };
    if (CursorBegrenzt())
        ziel.halt = entwurfsBand(CursorBereich());
    return ziel;
}

std::optional<lektion::TPixelband> TPaintBox::sende(lektion::TZeigerArt art, Qt::KeyboardModifiers tasten, int x, int y)
{
    switch (art) {
    case lektion::TZeigerArt::Druck: {
        update();
        // The drag's confinement holds the keyboard pointer only.
        const std::optional<QRect> band =
            NurFuerTasten([&] { OnMouseDown(Qt::LeftButton, tasten, x, y); });
        return band ? std::optional(entwurfsBand(*band)) : std::nullopt;
    }
    case lektion::TZeigerArt::Bewegung:
        if (OnMouseMove)
            OnMouseMove(tasten, x, y);
        break;
    case lektion::TZeigerArt::Los:
        if (OnMouseUp)
            OnMouseUp(Qt::LeftButton, tasten, x, y);
        if (CursorBegrenzt())
            ClipCursor(nullptr);
        SetzeBildschirmCursor(crDefault);
        update();
        break;
    }
    return std::nullopt;
}

void TPaintBox::loeseTaste() { lektion::Loese(tasten_, zeigerZiel(Qt::NoModifier)); }

void TPaintBox::focusInEvent(QFocusEvent* e)
{
    update();
    QWidget::focusInEvent(e);
}

void TPaintBox::focusOutEvent(QFocusEvent* e)
{
    // The button never stays down, nor the hand, once the keys go elsewhere.
    if (tasten_.gedrueckt)
        loeseTaste();
    else if (QGuiApplication::mouseButtons() == Qt::NoButton && !underMouse())
        SetzeBildschirmCursor(crDefault);
    update();
    QWidget::focusOutEvent(e);
}

void TPaintBox::zeichneTastenZeiger(QPainter& p) const
{
    // A dark core two pixels wide in a yellow outline: it stands out on the
    // white drawing, on grid dots and on black axes alike. The gap in the
    // middle leaves the aimed pixel to be seen; the core's pixels are m - 1 and m.
    const QPoint m = TastenZeiger();
    const int a = zeigerArm, g = zeigerLuecke;
    const QRect arme[] = {
        QRect(QPoint(m.x() - a, m.y() - 1), QPoint(m.x() - g, m.y())),
        QRect(QPoint(m.x() + g - 1, m.y() - 1), QPoint(m.x() + a - 1, m.y())),
        QRect(QPoint(m.x() - 1, m.y() - a), QPoint(m.x(), m.y() - g)),
        QRect(QPoint(m.x() - 1, m.y() + g - 1), QPoint(m.x(), m.y() + a - 1)),
    };
    for (const QRect& arm : arme)
        p.fillRect(arm.adjusted(-1, -1, 1, 1), Qt::yellow);
    for (const QRect& arm : arme)
        p.fillRect(arm, Qt::black);
    if (tasten_.gedrueckt) {
        // The held button: a ring round the gap.
        p.setBrush(Qt::NoBrush);
        for (const auto& [farbe, breite] : {std::pair{QColor(Qt::yellow), 4}, std::pair{QColor(Qt::black), 2}}) {
            p.setPen(QPen(farbe, breite));
            const int r = g + 5;
            p.drawEllipse(QRectF(m.x() - 1 - r, m.y() - 1 - r, 2 * r + 1, 2 * r + 1));
        }
    }
}

// ---------------------------------------------------------------- TUpDown

TUpDown::TUpDown(QWidget* eltern, QRect geometrie, int min, int max)
    : QWidget(eltern), links_(new QToolButton(this)), rechts_(new QToolButton(this)), min_(min),
      max_(max), position_(min)
{
    VorlesenEinrichten();
    setFocusPolicy(Qt::StrongFocus);
    links_->setAccessibleName(QStringLiteral("Schritt zurück"));
    rechts_->setAccessibleName(QStringLiteral("Schritt weiter"));
    for (QToolButton* knopf : {links_, rechts_}) {
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setAutoRepeat(true);
    }
    links_->setArrowType(Qt::LeftArrow);
    rechts_->setArrowType(Qt::RightArrow);
    connect(links_, &QToolButton::clicked, this, [this] {
        setFocus(Qt::MouseFocusReason);
        KlickLinks();
    });
    connect(rechts_, &QToolButton::clicked, this, [this] {
        setFocus(Qt::MouseFocusReason);
        KlickRechts();
    });
    setGeometry(geometrie);
    const int halb = geometrie.width() / 2;
    links_->setGeometry(0, 0, halb, geometrie.height());
    rechts_->setGeometry(halb, 0, geometrie.width() - halb, geometrie.height());
}

void TUpDown::SetzeMin(int wert)
{
    min_ = wert;
    if (max_ < min_)
        max_ = min_;
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::SetzeMax(int wert)
{
    max_ = wert;
    if (min_ > max_)
        min_ = max_;
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::SetzePosition(int wert)
{
    const int alt = position_;
    position_ = std::clamp(wert, min_, max_);
    if (position_ != alt)
        meldeWert();
}

void TUpDown::meldeWert()
{
    QAccessibleValueChangeEvent ereignis(this, position_);
    MeldeLeser(&ereignis);
}

void TUpDown::KlickLinks()
{
    if (position_ <= min_)
        return;
    --position_;
    meldeWert();
    if (OnClick)
        OnClick(this);
}

void TUpDown::KlickRechts()
{
    if (position_ >= max_)
        return;
    ++position_;
    meldeWert();
    if (OnClick)
        OnClick(this);
}

void TUpDown::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left:
        KlickLinks();
        break;
    case Qt::Key_Right:
        KlickRechts();
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

// ---------------------------------------------------------------- TRadioGroup

TRadioGroup::TRadioGroup(QWidget* eltern, QRect geometrie, const QString& caption,
                         const QStringList& eintraege, int spalten)
    : QGroupBox(caption, eltern)
{
    setGeometry(geometrie);
    spalten = std::max(1, spalten);
    const int anzahl = int(eintraege.size());
    const int proSpalte = std::max(1, (anzahl + spalten - 1) / spalten);
    const int zeilenHoehe = QFontMetrics(font()).height();
    // Buttons share the space below the caption evenly, column by column.
    const int rest = geometrie.height() - zeilenHoehe - 5;
    const int knopfHoehe = std::max(1, rest / proSpalte);
    const int knopfBreite = std::max(1, (geometrie.width() - 10) / spalten);
    const int obenRand = zeilenHoehe + 1 + (rest % proSpalte) / 2;
    for (int i = 0; i < anzahl; ++i) {
        auto* knopf = new QRadioButton(eintraege[i], this);
        knopf->setGeometry((i / proSpalte) * knopfBreite + 8, (i % proSpalte) * knopfHoehe + obenRand,
                           knopfBreite, knopfHoehe);
        connect(knopf, &QRadioButton::clicked, this, [this, i] {
            if (i == index_)
                return;
            index_ = i;
            richteTabstopp();
            if (OnClick)
                OnClick();
        });
        knoepfe_.append(knopf);
    }
}

void TRadioGroup::SetzeItemIndex(int index)
{
    if (index < -1 || index >= Anzahl())
        index = -1;
    index_ = index;
    for (int i = 0; i < Anzahl(); ++i) {
        QRadioButton* knopf = knoepfe_[i];
        const QSignalBlocker sperre(knopf);
        knopf->setAutoExclusive(false);
        knopf->setChecked(i == index);
        knopf->setAutoExclusive(true);
    }
    richteTabstopp();
}

void TRadioGroup::richteTabstopp()
{
    // Qt leaves the group's one Tab stop on the button that had the focus
    // last; a reader must land on the chosen one.
    for (int i = 0; i < Anzahl(); ++i)
        knoepfe_[i]->setFocusPolicy(index_ < 0 || i == index_ ? Qt::StrongFocus : Qt::ClickFocus);
}

// ---------------------------------------------------------------- buttons and scroll bars

QPushButton* NeuerKnopf(QWidget* eltern, QRect geometrie, const QString& caption)
{
    auto* knopf = new QPushButton(caption, eltern);
    knopf->setGeometry(geometrie);
    knopf->setAutoDefault(false);
    return knopf;
}

TBildlaufleiste::TBildlaufleiste(QWidget* eltern, QRect geometrie, int min, int max, int position,
                                 int grosseAenderung)
    : QScrollBar(Qt::Horizontal, eltern)
{
    setGeometry(geometrie);
    setRange(min, max);
    setSingleStep(1);
    setPageStep(grosseAenderung);
    setValue(position);
    setFocusPolicy(Qt::StrongFocus);
}

void TBildlaufleiste::keyPressEvent(QKeyEvent* e)
{
    SliderAction aktion = SliderNoAction;
    switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        aktion = SliderSingleStepAdd;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        aktion = SliderSingleStepSub;
        break;
    case Qt::Key_PageDown:
        aktion = SliderPageStepAdd;
        break;
    case Qt::Key_PageUp:
        aktion = SliderPageStepSub;
        break;
    default:
        QScrollBar::keyPressEvent(e); // Home, End and the rest as Qt has them
        return;
    }
    triggerAction(aktion);
    e->accept();
}

QScrollBar* NeueGradLeiste(QWidget* eltern, QRect geometrie, int wert)
{
    auto* leiste = new TBildlaufleiste(eltern, geometrie, 0, 360, wert, 10);
    leiste->Einheit = QStringLiteral("°");
    return leiste;
}

// ---------------------------------------------------------------- labels

void SetzeTextFarbe(QLabel* label, TFarbe farbe)
{
    // Only a change: an unchanged palette spares the label a repaint.
    if (label->palette().color(QPalette::WindowText) == QtFarbe(farbe))
        return;
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QtFarbe(farbe));
    label->setPalette(pal);
}

QLabel* NeuesLabel(QWidget* eltern, QRect geometrie, const QString& text, int pixelHoehe, bool fett,
                   TFarbe farbe, Qt::Alignment ausrichtung, bool umbruch)
{
    auto* label = new QLabel(text, eltern);
    label->setGeometry(geometrie);
    label->setFont(QtSchrift(QStringLiteral("Arial"), pixelHoehe, fett));
    SetzeTextFarbe(label, farbe);
    label->setAlignment(ausrichtung);
    label->setWordWrap(umbruch);
    return label;
}

QFont MenueSchrift()
{
    // Every attribute set explicitly, so that nothing is inherited from a bold form font.
    const QFont system = QApplication::font();
    QFont schrift(system.family());
    if (system.pixelSize() > 0)
        schrift.setPixelSize(system.pixelSize());
    else
        schrift.setPointSizeF(system.pointSizeF());
    schrift.setWeight(QFont::Normal);
    schrift.setItalic(false);
    return schrift;
}

QValidator::State TZiffernFilter::validate(QString& text, int& pos) const
{
    QString ziffern;
    int neuePos = pos;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ziffern += c;
        else if (i < pos)
            --neuePos;
    }
    if (ziffern.size() > stellen_)
        return Invalid; // the change is refused as a full field refuses a key
    text = ziffern;
    pos = neuePos;
    return Acceptable;
}
