#include "draw/TextKaesten.h"

#include "draw/Leinwand.h"
#include "draw/Zeichne.h"

using namespace bild;

std::vector<TTextKasten> TextKaesten(const TBild& bild)
{
    // A canvas without a painter measures what it would write.
    Leinwand lw;
    std::vector<QRect> zeichen;
    lw.textKaesten = &zeichen;
    std::vector<TTextKasten> kaesten;
    for (std::size_t i = 0; i < bild.teile.size(); ++i) {
        const TBildTeil& teil = bild.teile[i];
        const bool schreibt = std::holds_alternative<TText>(teil) || std::holds_alternative<TPixelText>(teil)
            || std::holds_alternative<TSchlichtText>(teil) || std::holds_alternative<TEckenName>(teil)
            || std::holds_alternative<TStreckenName>(teil) || std::holds_alternative<TSeitenName>(teil)
            || std::holds_alternative<TBruch>(teil);
        if (!schreibt)
            continue;
        zeichen.clear();
        ZeichneTeil(lw, teil);
        QRect kasten;
        for (const QRect& r : zeichen)
            kasten |= r;
        if (!kasten.isEmpty())
            kaesten.push_back({i, kasten});
    }
    return kaesten;
}

bool KaestenUeberlappen(const std::vector<TTextKasten>& kaesten)
{
    for (std::size_t i = 0; i < kaesten.size(); ++i)
        for (std::size_t j = i + 1; j < kaesten.size(); ++j)
            if (kaesten[i].kasten.intersects(kaesten[j].kasten))
                return true;
    return false;
}
