#include "lessons/Lesefolge.h"

#include <algorithm>

namespace lektion {

namespace {

struct TPlatz {
    int index;
    TRechteck r;
};

int Anfang(const TPlatz& p, bool zeilen) { return zeilen ? p.r.oben : p.r.links; }
int Ende(const TPlatz& p, bool zeilen) { return zeilen ? p.r.oben + p.r.hoehe : p.r.links + p.r.breite; }

// Splits the places into bands along one axis: a band grows while the next
// place (in order of its start) begins before the band's far edge.
std::vector<std::vector<TPlatz>> Baender(std::vector<TPlatz> plaetze, bool zeilen)
{
    std::stable_sort(plaetze.begin(), plaetze.end(),
                     [zeilen](const TPlatz& a, const TPlatz& b) { return Anfang(a, zeilen) < Anfang(b, zeilen); });
    std::vector<std::vector<TPlatz>> baender;
    int rand = 0;
    for (const TPlatz& p : plaetze) {
        if (baender.empty() || Anfang(p, zeilen) >= rand) {
            baender.emplace_back();
            rand = Ende(p, zeilen);
        }
        rand = std::max(rand, Ende(p, zeilen));
        baender.back().push_back(p);
    }
    return baender;
}

// Rows top to bottom; a row that stands beside a taller control splits into
// columns left to right, and so on down.
void Ordne(const std::vector<TPlatz>& plaetze, bool zeilen, bool gewechselt, std::vector<int>& folge)
{
    const auto baender = Baender(plaetze, zeilen);
    if (baender.size() == 1 && plaetze.size() > 1) {
        if (!gewechselt) {
            Ordne(plaetze, !zeilen, true, folge);
            return;
        }
        std::vector<TPlatz> rest = plaetze;
        std::stable_sort(rest.begin(), rest.end(), [](const TPlatz& a, const TPlatz& b) {
            return a.r.oben != b.r.oben ? a.r.oben < b.r.oben : a.r.links < b.r.links;
        });
        for (const TPlatz& p : rest)
            folge.push_back(p.index);
        return;
    }
    for (const auto& band : baender) {
        if (band.size() == 1)
            folge.push_back(band.front().index);
        else
            Ordne(band, !zeilen, false, folge);
    }
}

} // namespace

std::vector<int> Lesefolge(const std::vector<TRechteck>& orte)
{
    std::vector<TPlatz> plaetze;
    for (std::size_t i = 0; i < orte.size(); ++i)
        plaetze.push_back({int(i), orte[i]});
    std::vector<int> folge;
    Ordne(plaetze, true, false, folge);
    return folge;
}

} // namespace lektion
