#include "app/Palette.h"

#include <QMenu>
#include <QWidget>

namespace {

struct TRolle {
    QPalette::ColorRole rolle;
    QRgb aktiv;
    QRgb gesperrt;
};

// The Fusion style's light colours, which the windows have always shown.
constexpr TRolle rollen[] = {
    {QPalette::WindowText, 0x000000, 0xbebebe},   {QPalette::Button, 0xefefef, 0xefefef},
    {QPalette::Light, 0xffffff, 0xffffff},        {QPalette::Midlight, 0xcacaca, 0xcacaca},
    {QPalette::Dark, 0x9f9f9f, 0xbebebe},         {QPalette::Mid, 0xb8b8b8, 0xb8b8b8},
    {QPalette::Text, 0x000000, 0xbebebe},         {QPalette::BrightText, 0xffffff, 0xffffff},
    {QPalette::ButtonText, 0x000000, 0xbebebe},   {QPalette::Base, 0xffffff, 0xefefef},
    {QPalette::Shadow, 0x767676, 0xb1b1b1},       {QPalette::Highlight, 0x308cc6, 0x919191},
    {QPalette::HighlightedText, 0xffffff, 0xffffff}, {QPalette::Link, 0x0000ff, 0x0000ff},
    {QPalette::LinkVisited, 0xff00ff, 0xff00ff},  {QPalette::AlternateBase, 0xf7f7f7, 0xf7f7f7},
    {QPalette::NoRole, 0x000000, 0x000000},       {QPalette::ToolTipBase, 0xffffdc, 0xffffdc},
    {QPalette::ToolTipText, 0x000000, 0x000000},  {QPalette::PlaceholderText, 0x000000, 0x000000},
};

} // namespace

QPalette HellePalette(QColor flaeche)
{
    QPalette pal;
    for (const TRolle& r : rollen) {
        pal.setColor(QPalette::Active, r.rolle, QColor::fromRgb(r.aktiv));
        pal.setColor(QPalette::Inactive, r.rolle, QColor::fromRgb(r.aktiv));
        pal.setColor(QPalette::Disabled, r.rolle, QColor::fromRgb(r.gesperrt));
    }
    pal.setColor(QPalette::Window, flaeche);
    return pal;
}

void HelleMenues(QWidget* fenster)
{
    static const QPalette hell = HellePalette();
    for (QMenu* menue : fenster->findChildren<QMenu*>())
        if (menue->palette() != hell)
            menue->setPalette(hell);
}
