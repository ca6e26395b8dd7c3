#include "lessons/Unterscheidung.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

namespace lektion {

namespace {

// Sorts `folge` (indices of `orte`) along one axis and says whether the
// rectangles stand apart along it, none reaching into the next.
bool Getrennt(const std::vector<TRechteck>& orte, std::vector<std::size_t>& folge, bool waagrecht)
{
    const auto schluessel = [&](std::size_t i) {
        const TRechteck& r = orte[i];
        return waagrecht ? std::pair(r.links, r.oben) : std::pair(r.oben, r.links);
    };
    std::stable_sort(folge.begin(), folge.end(),
                     [&](std::size_t a, std::size_t b) { return schluessel(a) < schluessel(b); });
    for (std::size_t k = 1; k < folge.size(); ++k) {
        const TRechteck& vorher = orte[folge[k - 1]];
        const TRechteck& hier = orte[folge[k]];
        if (waagrecht ? hier.links < vorher.links + vorher.breite : hier.oben < vorher.oben + vorher.hoehe)
            return false;
    }
    return true;
}

// Whether every one lies in a group and no two in groups of one name.
bool VerschiedeneGruppen(const std::vector<TBenannt>& steuer, const std::vector<std::size_t>& alike)
{
    std::set<std::string> gruppen;
    for (std::size_t i : alike)
        if (steuer[i].gruppe.empty() || !gruppen.insert(steuer[i].gruppe).second)
            return false;
    return true;
}

} // namespace

std::vector<std::string> Ortswoerter(const std::vector<TRechteck>& orte)
{
    std::vector<std::size_t> folge(orte.size());
    std::iota(folge.begin(), folge.end(), std::size_t(0));
    std::vector<std::string> woerter;
    if (orte.size() <= 3 && Getrennt(orte, folge, true))
        woerter = orte.size() == 2 ? std::vector<std::string>{"links", "rechts"}
                                   : std::vector<std::string>{"links", "in der Mitte", "rechts"};
    else if (orte.size() == 2 && Getrennt(orte, folge, false))
        woerter = {"oben", "unten"};
    else {
        Getrennt(orte, folge, false);
        for (std::size_t k = 1; k <= orte.size(); ++k)
            woerter.push_back(std::to_string(k));
    }
    std::vector<std::string> jeOrt(orte.size());
    for (std::size_t k = 0; k < folge.size() && k < woerter.size(); ++k)
        jeOrt[folge[k]] = woerter[k];
    return jeOrt;
}

std::vector<std::string> Unterscheide(const std::vector<TBenannt>& steuer)
{
    std::map<std::string, std::vector<std::size_t>> nachName;
    for (std::size_t i = 0; i < steuer.size(); ++i)
        if (!steuer[i].name.empty())
            nachName[steuer[i].name].push_back(i);
    std::vector<std::string> namen(steuer.size());
    for (const auto& [name, alike] : nachName) {
        if (alike.size() == 1)
            continue;
        if (VerschiedeneGruppen(steuer, alike)) {
            for (std::size_t i : alike)
                namen[i] = name + ", " + steuer[i].gruppe;
            continue;
        }
        std::vector<TRechteck> orte;
        for (std::size_t i : alike)
            orte.push_back(steuer[i].ort);
        const std::vector<std::string> woerter = Ortswoerter(orte);
        for (std::size_t k = 0; k < alike.size(); ++k)
            namen[alike[k]] = name + " " + woerter[k];
    }
    return namen;
}

} // namespace lektion
