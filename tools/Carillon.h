#pragma once
// Le son « sohifrm2.wav » que la page de diaporama joue en changeant de diapositive.

#include <QByteArray>

#include <cstdint>
#include <vector>

struct NoteCarillon {
    double frequence; // Hz
    double debut;     // s
    double volume;    // 0..1 avant normalisation
};

inline constexpr int kFrequenceCarillon = 22050;
inline constexpr double kDureeCarillon = 0.5;
// Deux notes descendantes, si puis sol, à une tierce majeure : un « ding-dong » doux.
inline constexpr NoteCarillon kNotesCarillon[2] = {{987.77, 0.0, 1.0}, {783.99, 0.16, 0.85}};

// Échantillons 16 bits signés, mono, kFrequenceCarillon Hz, kDureeCarillon s.
std::vector<std::int16_t> SynthetiserCarillon();

// Fichier WAVE complet (en-tête RIFF + échantillons PCM).
QByteArray FabriquerCarillon();
