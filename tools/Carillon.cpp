#include "Carillon.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Partiel {
    double multiple; // de la fréquence de la note
    double amplitude;
    double constanteTemps; // s : les aigus s'éteignent plus vite, comme sur une lame frappée
};

constexpr Partiel kPartiels[] = {{1.0, 1.0, 0.18}, {2.0, 0.28, 0.09}, {3.0, 0.08, 0.05}};

// Attaque et extinction adoucies : sans elles, le haut-parleur claque.
constexpr double kAttaque = 0.004;
constexpr double kExtinction = 0.04;
constexpr double kCrete = 0.6;

double Adoucir(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

void Ajouter16(QByteArray& octets, quint16 valeur) {
    char b[2];
    qToLittleEndian(valeur, b);
    octets.append(b, 2);
}

void Ajouter32(QByteArray& octets, quint32 valeur) {
    char b[4];
    qToLittleEndian(valeur, b);
    octets.append(b, 4);
}

} // namespace

std::vector<std::int16_t> SynthetiserCarillon() {
    const int nb = static_cast<int>(std::lround(kFrequenceCarillon * kDureeCarillon));
    std::vector<double> signal(nb, 0.0);
    for (int i = 0; i < nb; ++i) {
        const double t = static_cast<double>(i) / kFrequenceCarillon;
        double s = 0.0;
        for (const NoteCarillon& note : kNotesCarillon) {
            const double dt = t - note.debut;
            if (dt < 0.0)
                continue;
            double n = 0.0;
            for (const Partiel& p : kPartiels)
                n += p.amplitude * std::exp(-dt / p.constanteTemps) *
                     std::sin(2.0 * std::numbers::pi * note.frequence * p.multiple * dt);
            s += note.volume * Adoucir(dt / kAttaque) * n;
        }
        s *= Adoucir((kDureeCarillon - t) / kExtinction);
        signal[i] = s;
    }
    double crete = 0.0;
    for (double s : signal)
        crete = std::max(crete, std::abs(s));
    const double gain = crete > 0.0 ? kCrete * 32767.0 / crete : 0.0;
    std::vector<std::int16_t> echantillons(nb);
    for (int i = 0; i < nb; ++i)
        echantillons[i] = static_cast<std::int16_t>(std::lround(signal[i] * gain));
    return echantillons;
}

QByteArray FabriquerCarillon() {
    const std::vector<std::int16_t> echantillons = SynthetiserCarillon();
    const quint32 tailleDonnees = static_cast<quint32>(echantillons.size() * 2);
    QByteArray wav;
    wav.append("RIFF", 4);
    Ajouter32(wav, 36 + tailleDonnees);
    wav.append("WAVE", 4);
    wav.append("fmt ", 4);
    Ajouter32(wav, 16);
    Ajouter16(wav, 1); // PCM
    Ajouter16(wav, 1); // mono
    Ajouter32(wav, kFrequenceCarillon);
    Ajouter32(wav, kFrequenceCarillon * 2); // octets par seconde
    Ajouter16(wav, 2);                      // octets par échantillon
    Ajouter16(wav, 16);
    wav.append("data", 4);
    Ajouter32(wav, tailleDonnees);
    for (std::int16_t e : echantillons)
        Ajouter16(wav, static_cast<quint16>(e));
    return wav;
}
