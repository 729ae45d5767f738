#include "catalog/registry.h"

#include <cstring>

namespace quarnelo::catalog::builders {
extern const BuilderTable Einheiten_length;
extern const BuilderTable Einheiten_area;
extern const BuilderTable Einheiten_volume;
extern const BuilderTable Einheiten_mass;
extern const BuilderTable Einheiten_density;
extern const BuilderTable Einheiten_temperature;
extern const BuilderTable Einheiten_time;
extern const BuilderTable Einheiten_speed;
extern const BuilderTable Einheiten_acceleration;
extern const BuilderTable Einheiten_flow;
extern const BuilderTable Einheiten_kitchen;
extern const BuilderTable Einheiten_information;
extern const BuilderTable Einheiten_quantity;
extern const BuilderTable Einheiten_shoesize;
extern const BuilderTable Einheiten_energy;
extern const BuilderTable Einheiten_power;
extern const BuilderTable Einheiten_force;
extern const BuilderTable Einheiten_torque;
extern const BuilderTable Einheiten_pressure;
extern const BuilderTable Einheiten_frequency;
extern const BuilderTable Einheiten_voltage;
extern const BuilderTable Einheiten_electriccurrent;
extern const BuilderTable Einheiten_electriccharge;
extern const BuilderTable Einheiten_electricalresistance;
extern const BuilderTable Einheiten_luminousintensity;
extern const BuilderTable Einheiten_luminance;
extern const BuilderTable Einheiten_illuminance;
extern const BuilderTable Einheiten_radiationactivity;
extern const BuilderTable Einheiten_radiationexposure;
extern const BuilderTable Einheiten_radiationabsorbeddose;
extern const BuilderTable Einheiten_radiationequivalentdose;
extern const BuilderTable Einheiten_planeangle;
extern const BuilderTable Einheiten_amountofsubstance;
}  // namespace quarnelo::catalog::builders

namespace quarnelo::catalog {
namespace {

using namespace builders;

const Kategorie kKategorien[kKategorienAnzahl] = {
    {"length", "Länge (Meter, m)", "Length (Metre, m)", &Einheiten_length},
    {"area", "Fläche (Quadratmeter, m²)", "Area (Square Metre, m²)", &Einheiten_area},
    {"volume", "Volumen (Kubikmeter, m³)", "Volume (Cubic Metre, m³)", &Einheiten_volume},
    {"mass", "Masse und Gewicht (Kilogramm, kg)", "Mass (Kilogram, kg)", &Einheiten_mass},
    {"density", "Dichte (Kilogramm pro Kubikmeter, kg/m³)", "Density (Kilogram per Cubic Metre, kg/m³)", &Einheiten_density},
    {"temperature", "Temperatur (Kelvin, K)", "Temperature (Kelvin, K)", &Einheiten_temperature},
    {"time", "Zeit (Sekunde, s)", "Time (Second, s)", &Einheiten_time},
    {"speed", "Geschwindigkeit (Meter pro Sekunde, m/s)", "Speed (Metre per Second, m/s)", &Einheiten_speed},
    {"acceleration", "Beschleunigung (Meter pro Quadratsekunde, m/s²)", "Acceleration (Metre per Square Second, m/s²)", &Einheiten_acceleration},
    {"flow", "Volumen Fluss (Kubikmeter pro Sekunde, m³/s)", "Volume Flow (Cubic Metre per Second, m³/s)", &Einheiten_flow},
    {"kitchen", "Küche", "Kitchen", &Einheiten_kitchen},
    {"information", "Informationen und Speicher (Bit)", "Information and Storage (Bit)", &Einheiten_information},
    {"quantity", "Quantität (Stück)", "Quantity (Items)", &Einheiten_quantity},
    {"shoesize", "Schuhgröße", "Shoe Size", &Einheiten_shoesize},
    {"energy", "Energie (Joule, J)", "Energy (Joule, J)", &Einheiten_energy},
    {"power", "Leistung (Watt, W)", "Power (Watt, W)", &Einheiten_power},
    {"force", "Kraft (Newton, N)", "Force (Newton, N)", &Einheiten_force},
    {"torque", "Drehmoment (Newtonmeter, Nm)", "Torque (Newton Metre, Nm)", &Einheiten_torque},
    {"pressure", "Druck (Pascal, Pa)", "Pressure (Pascal, Pa)", &Einheiten_pressure},
    {"frequency", "Frequenz (Hertz, Hz)", "Frequency (Hertz, Hz)", &Einheiten_frequency},
    {"voltage", "Elektrische Spannung (Volt, V)", "Electromotive Force (Volt, V)", &Einheiten_voltage},
    {"electriccurrent", "Elektrische Stromstärke (Ampere, A)", "Electric Current (Ampere, A)", &Einheiten_electriccurrent},
    {"electriccharge", "Elektrische Ladung (Coloumb, C)", "Electric Charge (Coloumb, C)", &Einheiten_electriccharge},
    {"electricalresistance", "Elektrischer Widerstand (Ohm, Ω)", "Electrical Resistance (Ohm, Ω)", &Einheiten_electricalresistance},
    {"luminousintensity", "Lichtstärke (Candela, cd)", "Luminous Intensity (Candela, cd)", &Einheiten_luminousintensity},
    {"luminance", "Leuchtdichte (Candela pro Quadratmeter, cd/m²)", "Luminance (Candela per Square Metre, cd/m²)", &Einheiten_luminance},
    {"illuminance", "Beleuchtungsstärke (Lux, lx)", "Illuminance (Lux, lx)", &Einheiten_illuminance},
    {"radiationactivity", "Radioaktive Aktivität (Becquerel, Bq)", "Radiation Activity (Becquerel, Bq)", &Einheiten_radiationactivity},
    {"radiationexposure", "Radioaktive Ionendosis (Röntgen, R)", "Radiation Exposure (Röntgen, R)", &Einheiten_radiationexposure},
    {"radiationabsorbeddose", "Radioaktive Energiedosis (Gray, Gy)", "Radiation Absorbed Dose (Gray, Gy)", &Einheiten_radiationabsorbeddose},
    {"radiationequivalentdose", "Radioaktive Äquivalentdosis (Sievert, Sv)", "Radiation Equivalent Dose (Sievert, Sv)", &Einheiten_radiationequivalentdose},
    {"planeangle", "Ebener Winkel (Radiant, rad)", "Plane Angle (Radian, rad)", &Einheiten_planeangle},
    {"amountofsubstance", "Stoffmenge (Mol)", "Amount of Substance (Mol)", &Einheiten_amountofsubstance},
};

}  // namespace

const Kategorie* Kategorien() { return kKategorien; }

QString KategorieSchluessel(const QString& name) {
    for (const Kategorie& k : kKategorien) {
        if (name == QString::fromUtf8(k.nameDe) || name == QString::fromUtf8(k.nameEn))
            return QString::fromLatin1(k.key);
    }
    return QString();
}

const Kategorie* KategorieNachSchluessel(const QString& key) {
    for (const Kategorie& k : kKategorien)
        if (key == QLatin1String(k.key)) return &k;
    return nullptr;
}

QStringList KategorieNamen(bool deutsch) {
    QStringList namen;
    namen.reserve(kKategorienAnzahl);
    for (const Kategorie& k : kKategorien) namen << QString::fromUtf8(deutsch ? k.nameDe : k.nameEn);
    return namen;
}

bool IstEingebaut(const QString& key) { return KategorieNachSchluessel(key) != nullptr; }

}  // namespace quarnelo::catalog
