#include "lessons/Lektionen.h"

#include "lessons/Dreieck0Modell.h"
#include "lessons/Dreieck1Modell.h"
#include "lessons/Dreieck2Modell.h"
#include "lessons/Dreieck3Modell.h"
#include "lessons/Symmetrie1Modell.h"
#include "lessons/Symmetrie2Modell.h"
#include "lessons/Winkel1Modell.h"
#include "lessons/Winkel2Modell.h"
#include "lessons/Winkel3Modell.h"

namespace lektion {

const std::vector<std::string>& LektionsNamen()
{
    static const std::vector<std::string> namen{"Winkel1",  "Winkel2",  "Winkel3",  "Symmetrie1", "Symmetrie2",
                                                "Dreieck0", "Dreieck1", "Dreieck2", "Dreieck3"};
    return namen;
}

std::unique_ptr<TLektion> NeueLektion(std::string_view name)
{
    if (name == "Winkel1")
        return std::make_unique<winkel1::TWinkel1>();
    if (name == "Winkel2")
        return std::make_unique<winkel2::TWinkel2>();
    if (name == "Winkel3")
        return std::make_unique<winkel3::TWinkel3>();
    if (name == "Symmetrie1")
        return std::make_unique<symmetrie1::TSymmetrie1>();
    if (name == "Symmetrie2")
        return std::make_unique<symmetrie2::TSymmetrie2>();
    if (name == "Dreieck0")
        return std::make_unique<dreieck0::TDreieck0>();
    if (name == "Dreieck1")
        return std::make_unique<dreieck1::TDreieck1>();
    if (name == "Dreieck2")
        return std::make_unique<dreieck2::TDreieck2>();
    if (name == "Dreieck3")
        return std::make_unique<dreieck3::TDreieck3>();
    return nullptr;
}

} // namespace lektion
