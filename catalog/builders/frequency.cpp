// Frequency; base unit hertz (per second).
#include "catalog/builders/rows.h"

namespace {
using namespace quarnelo::catalog;

constexpr Row kRows[] = {
    Group("Allgemein", "General"),
    Both("Hertz", "Hz", "1"),
    Both("Revolutions per Minute", "rpm", "1/60"),
    Both("Beats per Minute", "bpm", "1/60"),
    Both("Measures per Minute", "MPM", "1/60"),
    Both("Counts per Second", "cps", "1"),
    Both("Fresnel", "fresnel", "1E12"),
    Both("Radian per Second", "rad/s", "1/(2*pi)"),
    Both("Radiant pro Sekunde", "rad/s", "1/(2*pi)"),
    Both("Degrees per Second", "°/s", "1/360"),
    Both("Grad pro Sekunde", "°/s", "1/360"),

    Group("Zeiten", "Times"),  // events per unit of time; month and year Gregorian mean
    Pair("Pro Nanosekunde", "Per Nanosecond", "1/ns", "1E9"),
    Pair("Pro Mikrosekunde", "Per Microsecond", "1/µs", "1E6"),
    Pair("Pro Millisekunde", "Per Millisecond", "1/ms", "1000"),
    Pair("Pro Minute", "Per Minute", "1/min", "1/60"),
    Pair("Pro Stunde", "Per Hour", "1/h", "1/3600"),
    Pair("Pro Tag", "Per Day", "1/d", "1/86400"),
    Pair("Pro Woche", "Per Week", "1/wk", "1/604800"),
    Pair("Pro Monat", "Per Month", "1/mo", "12/31556952"),
    Pair("Pro Jahr", "Per Year", "1/a", "1/31556952"),
    Pair("Pro Jahrzehnt", "Per Decade", "", "1/315569520"),
    Pair("Pro Jahrhundert", "Per Century", "", "1/3155695200"),

    Group("Physik", "Physics"),  // the frequency that defines the SI second
    Pair("Cäsium-Hyperfeinfrequenz", "Caesium Hyperfine Frequency", "ΔνCs", "9192631770"),

    Group("Vergleiche", "Comparisons"),
    Pair("Netzfrequenz Europa", "Mains Frequency Europe", "", "50"),
    Pair("Netzfrequenz USA", "Mains Frequency USA", "", "60"),
    Pair("Bahnstrom Deutschland", "Railway Power Germany", "", "16,7"),
    Pair("Kammerton a'", "Concert Pitch A4", "", "440"),
    Pair("Mittleres C (c')", "Middle C (C4)", "", "440/2^(9/12)"),
    Pair("Menschliches Herz in Ruhe", "Human Heart at Rest", "", "70/60"),
    Pair("Flügelschlag eines Kolibris", "Wing Beat of a Hummingbird", "", "53"),
    Pair("Flügelschlag einer Honigbiene", "Wing Beat of a Honey Bee", "", "230"),
    Pair("Flügelschlag einer Stechmücke", "Wing Beat of a Mosquito", "", "600"),
    Pair("Kinofilm (Bilder pro Sekunde)", "Cinema Film (Frames per Second)", "", "24"),
    Pair("Bildwiederholrate der Fernsehnormen PAL und SECAM", "Refresh Rate of the TV Norms PAL and SECAM", "", "50"),
    Pair("Bildwiederholrate der Fernsehnorm NTSC", "Refresh Rate of the TV Norm NTSC", "", "60000/1001"),
    Pair("Schumann-Resonanz", "Schumann Resonance", "", "7,83"),
    Pair("Crab-Pulsar (Rotation)", "Crab Pulsar (Rotation)", "", "29,6"),
    Pair("Untere Hörgrenze", "Lower Limit of Hearing", "", "20"),
    Pair("Obere Hörgrenze", "Upper Limit of Hearing", "", "20000"),
    Pair("Uhrenquarz", "Watch Crystal", "", "32768"),
    Pair("Abtastrate der Audio-CD", "Sampling Rate of the Audio CD", "", "44100"),
    Pair("Ortungsruf der Zwergfledermaus", "Echolocation Call of the Common Pipistrelle", "", "45000"),
    Pair("Zeitzeichensender DCF77", "Time Signal Transmitter DCF77", "", "77500"),
    Pair("Taktfrequenz des Intel 4004", "Clock Rate of the Intel 4004", "", "740000"),
    Pair("Medizinischer Ultraschall", "Medical Ultrasound", "", "5000000"),
    Pair("UKW-Rundfunk", "FM Radio", "", "100000000"),
    Pair("GSM-900-Mobilfunk", "GSM 900 Mobile Phone", "", "900000000"),
    Pair("Wasserstofflinie (21 cm)", "Hydrogen Line (21 cm)", "", "1420405751,768"),
    Pair("Mikrowellenherd", "Microwave Oven", "", "2450000000"),
    Pair("WLAN (5 GHz)", "Wi-Fi (5 GHz)", "", "5000000000"),
    Pair("Rotes Licht (Helium-Neon-Laser, 632,8 nm)", "Red Light (Helium-Neon Laser, 632,8 nm)", "", "473755464601770"),
    Pair("Grünes Licht (555 nm)", "Green Light (555 nm)", "", "540E12"),
    Pair("Röntgenstrahlung (Kupfer Kα)", "X-Rays (Copper Kα)", "", "1,9459E18"),
    Pair("Erdrotation (Sterntag)", "Rotation of the Earth (Sidereal Day)", "", "1/86164,1"),
    Pair("Mondumlauf (siderisch)", "Orbit of the Moon (Sidereal)", "", "1/2360592"),
};

}  // namespace

QUARNELO_BUILDER(frequency, 0, 1, 32, 0, 1, 32, kRows)
