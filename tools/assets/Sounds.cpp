// Every sound effect: map events, battle actions and the voice of each creature.
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "core/data/Creatures.h"
#include "platform/AssetNames.h"
#include "tools/assets/Gen.h"
#include "tools/assets/Synth.h"

namespace gen {

namespace {

double note(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Buf gold() {
    Buf b(0.9);
    Noise r(7);
    for (int i = 0; i < 9; ++i) {
        double at = 0.02 + i * 0.07 + 0.03 * (r.next() + 1) / 2;
        double f = 2400 + 1600 * (r.next() + 1) / 2;
        b.add(bell(0.35, f, 0.05, 1), at, 0.5f + 0.3f * float(i % 3) / 2);
    }
    return b;
}

Buf townBell() {
    Buf b(2.0);
    b.add(bell(2.0, 330, 0.7, 1), 0.0, 1.0f);
    b.add(bell(1.2, 330, 0.5, 1), 0.8, 0.5f);
    lowPassInPlace(b, 2500);
    return b;
}

Buf portal() {
    Buf b(1.6);
    for (int k = 0; k < 4; ++k) {
        double f = 260 * (1 + k * 0.5);
        Buf t = fmTone(1.6, f, f * 3.5, 2.01, 0.8, 0.6, 0.9, 0.02);
        b.add(t, 0, 0.5f / float(k + 1));
    }
    b.add(noiseBurst(1.6, 800, 6000, 3, 0.8, 0.6, 3), 0, 0.4f);
    for (size_t i = 0; i < b.size(); ++i)
        b[i] *= float(0.7 + 0.3 * std::sin(6.283 * 9 * double(i) / kRate));
    return b;
}

Buf hornCall() {
    Buf b(1.1);
    b.add(brass(0.35, note(55), 0.04, 0.1, 0.8), 0.0);
    b.add(brass(0.6, note(62), 0.04, 0.3, 1.0), 0.38);
    lowPassInPlace(b, 3000);
    return b;
}

Buf warDrums() {
    Buf b(3.0);
    const double beat = 0.25;
    const int pattern[] = {1, 0, 2, 0, 1, 1, 2, 0, 1, 0, 2, 0, 1, 2, 1, 2};
    for (int i = 0; i < 12; ++i) {
        int h = pattern[i % 16];
        if (!h) continue;
        double f = h == 1 ? 70 : 110;
        b.add(drum(0.6, f * 2, f, 0.22, h == 1 ? 0.4 : 0.8, uint32_t(i + 1)), i * beat,
              h == 1 ? 1.0f : 0.6f);
    }
    b.add(drum(1.0, 140, 55, 0.5, 0.5, 99), 2.3, 1.2f);
    return b;
}

Buf fanfare() {
    Buf b(1.9);
    const int notes[] = {60, 64, 67, 72};
    const double at[] = {0, 0.18, 0.36, 0.56};
    for (int i = 0; i < 4; ++i) {
        double len = i == 3 ? 1.3 : 0.2;
        b.add(brass(len, note(notes[i]), 0.02, i == 3 ? 0.6 : 0.05, 1.4), at[i], 0.8f);
        if (i == 3) {
            b.add(brass(len, note(64), 0.03, 0.6, 1.0), at[i], 0.5f);
            b.add(brass(len, note(67), 0.03, 0.6, 1.0), at[i], 0.5f);
        }
    }
    return b;
}

Buf fallingHorn() {
    Buf b(1.7);
    Buf h(1.7);
    double ph = 0;
    Biquad lp = Biquad::lowPass(900, 1);
    for (size_t i = 0; i < h.size(); ++i) {
        double t = double(i) / kRate;
        double f = 196 * std::pow(0.55, t / 1.7);
        ph += f / kRate;
        ph -= std::floor(ph);
        h[i] = lp.run(float(2 * ph - 1)) * envAHR(t, 0.08, 0.9, 1.7);
    }
    b.add(h, 0);
    return b;
}

Buf choir() {
    Buf b(1.9);
    const int chord[] = {57, 64, 69, 73};
    for (int k = 0; k < 4; ++k) {
        Buf v = voice(1.9, note(chord[k]), note(chord[k]) * 1.003, 750, 1150, 0.15, 0.9, 1.2,
                      uint32_t(k + 5), 0.012);
        b.add(v, 0.05 * k, 0.6f);
    }
    b.add(bell(1.5, note(81), 0.6), 0.8, 0.15f);
    return b;
}

Buf fizzle() {
    Buf b(1.3);
    b.add(drum(0.5, 90, 45, 0.15, 1.0, 11), 0);
    b.add(noiseBurst(1.2, 3000, 1200, 1.5, 0.05, 0.35, 12), 0.1, 0.6f);
    return b;
}

Buf step() {
    Buf b(0.22);
    b.add(drum(0.2, 120, 60, 0.04, 1.5, 21), 0);
    b.add(noiseBurst(0.15, 900, 500, 1.2, 0.005, 0.03, 22), 0.01, 0.5f);
    lowPassInPlace(b, 2500);
    return b;
}

Buf clash() {
    Buf b(0.7);
    b.add(bell(0.7, 1830, 0.12, 1), 0, 0.8f);
    b.add(bell(0.6, 2570, 0.09, 1), 0.012, 0.6f);
    b.add(noiseBurst(0.2, 5000, 3000, 1.0, 0.001, 0.02, 31), 0, 1.0f);
    b.add(drum(0.3, 160, 90, 0.05, 0.8, 32), 0, 0.4f);
    return b;
}

Buf arrows() {
    Buf b(0.7);
    b.add(pluck(0.4, 196, 0.996, 41), 0, 0.8f);
    b.add(noiseBurst(0.5, 1200, 4000, 2.5, 0.15, 0.12, 42), 0.08, 0.6f);
    return b;
}

Buf heavyThrow() {
    Buf b(0.8);
    b.add(fmTone(0.25, 300, 200, 3.3, 2.0, 0.01, 0.08), 0, 0.3f);  // creak
    b.add(noiseBurst(0.6, 300, 900, 1.5, 0.15, 0.2, 51), 0.1, 1.0f);
    b.add(drum(0.3, 90, 50, 0.08, 0.6, 52), 0.45, 0.7f);
    return b;
}

Buf wingBeats() {
    Buf b(1.0);
    for (int i = 0; i < 4; ++i)
        b.add(noiseBurst(0.2, 500, 250, 0.8, 0.05, 0.05, uint32_t(60 + i)), i * 0.22, 1.0f);
    lowPassInPlace(b, 1800);
    return b;
}

// Creature voices.
Buf growl(double len, double f0, double f1, double rough, uint32_t seed) {
    Buf b(len);
    b.add(voice(len, f0, f1, 350, 700, rough, 0.05, len * 0.5, seed, 0.04), 0);
    for (size_t i = 0; i < b.size(); ++i)
        b[i] *= float(0.65 + 0.35 * std::sin(6.283 * 23 * double(i) / kRate));
    return b;
}

Buf bark(uint32_t seed) {
    Buf b(0.6);
    for (int i = 0; i < 2; ++i) {
        b.add(voice(0.16, 520, 300, 900, 1800, 0.7, 0.005, 0.06, seed + i, 0), i * 0.25);
    }
    return b;
}

const std::map<std::string, std::function<Buf()>>& creatureVoices() {
    static const std::map<std::string, std::function<Buf()>> v = {
        {"Barbar.wav", [] { return voice(0.45, 190, 130, 650, 1100, 0.3, 0.02, 0.2, 101); }},
        {"Troll.wav", [] { return growl(0.9, 85, 60, 0.6, 102); }},
        {"Kent.wav",
         [] {
             Buf b(0.9);
             b.add(voice(0.8, 520, 360, 900, 1900, 0.2, 0.03, 0.35, 103, 0.05), 0);
             b.add(drum(0.2, 200, 100, 0.05, 1, 104), 0.6, 0.5f);
             return b;
         }},
        {"Elf.wav",
         [] {
             Buf b(0.7);
             b.add(bell(0.7, 1320, 0.25), 0, 0.6f);
             b.add(voice(0.4, 520, 660, 800, 2400, 0.1, 0.02, 0.2, 105), 0.05, 0.6f);
             return b;
         }},
        {"flyer.wav",
         [] {
             Buf b(0.6);
             b.add(fmTone(0.6, 1300, 1700, 1.5, 1.5, 0.02, 0.3, 0.08), 0);
             b.add(wingBeats(), 0, 0.4f);
             return b;
         }},
        {"Lich.wav",
         [] {
             Buf b(1.1);
             b.add(noiseBurst(1.1, 2500, 900, 3, 0.3, 0.5, 106), 0, 0.8f);
             b.add(fmTone(1.1, 110, 98, 1.5, 1.2, 0.3, 0.6, 0.03), 0, 0.5f);
             return b;
         }},
        {"Beast.wav", [] { return growl(1.0, 110, 70, 0.9, 107); }},
        {"Dragon.wav",
         [] {
             Buf b(1.3);
             b.add(growl(1.0, 95, 65, 1.0, 108), 0);
             b.add(noiseBurst(1.0, 600, 2500, 0.7, 0.2, 0.4, 109), 0.3, 0.7f);
             return b;
         }},
        {"GKav.wav",
         [] {
             Buf b(0.8);
             b.add(growl(0.35, 160, 120, 0.8, 110), 0);
             b.add(bell(0.5, 1400, 0.08, 1), 0.3, 0.4f);
             b.add(drum(0.2, 180, 90, 0.05, 1, 111), 0.35, 0.5f);
             return b;
         }},
        {"Fant.wav",
         [] {
             Buf b(1.1);
             b.add(fmTone(1.1, 480, 620, 1.0, 0.3, 0.3, 0.6, 0.04), 0);
             b.add(noiseBurst(1.1, 1500, 700, 4, 0.3, 0.6, 112), 0, 0.5f);
             return b;
         }},
        {"Arch.wav",
         [] {
             Buf b(0.5);
             for (int i = 0; i < 3; ++i)
                 b.add(noiseBurst(0.04, 3000, 3000, 3, 0.001, 0.008, 113 + i), i * 0.07, 0.8f);
             b.add(drum(0.25, 220, 140, 0.05, 1.0, 116), 0.25);
             return b;
         }},
        {"Catap.wav",
         [] {
             Buf b(0.9);
             b.add(fmTone(0.5, 260, 180, 3.1, 3.0, 0.02, 0.2, 0.02), 0, 0.5f);
             b.add(drum(0.4, 90, 45, 0.12, 1.0, 117), 0.45);
             return b;
         }},
        {"GArch.wav", [] { return voice(0.3, 230, 200, 600, 1000, 0.25, 0.01, 0.1, 118); }},
        {"Giant.wav",
         [] {
             Buf b(1.1);
             b.add(voice(0.8, 70, 55, 300, 600, 0.4, 0.05, 0.35, 119), 0);
             b.add(drum(0.5, 80, 35, 0.2, 0.8, 120), 0.5, 1.0f);
             return b;
         }},
        {"Peasant.wav", [] { return voice(0.35, 260, 200, 700, 1200, 0.2, 0.01, 0.15, 121); }},
        {"Wolf.wav", [] { return bark(122); }},
        {"Polk.wav",
         [] {
             Buf b(0.6);
             b.add(voice(0.35, 210, 180, 550, 900, 0.3, 0.01, 0.15, 124), 0);
             b.add(bell(0.3, 2200, 0.05, 1), 0.3, 0.3f);
             return b;
         }},
        {"Vityaz.wav",
         [] {
             Buf b(1.0);
             b.add(bell(1.0, 1180, 0.3, 1), 0, 0.7f);
             b.add(voice(0.5, 150, 140, 500, 850, 0.2, 0.02, 0.3, 125), 0.05, 0.6f);
             return b;
         }},
        {"Amazon.wav",
         [] { return voice(0.55, 480, 640, 900, 2200, 0.15, 0.02, 0.25, 126, 0.03); }},
        {"George.wav",
         [] {
             Buf b(0.8);
             b.add(fmTone(0.7, 1900, 1150, 1.01, 2.5, 0.02, 0.3, 0.04), 0);
             b.add(noiseBurst(0.6, 3000, 2000, 2, 0.02, 0.2, 127), 0, 0.3f);
             return b;
         }},
    };
    return v;
}

}  // namespace

void genSounds(Sink& s) {
    const std::pair<const char*, std::function<Buf()>> events[] = {
        {assets::kWavGold, gold},        {assets::kWavTown, townBell},
        {assets::kWavPortal, portal},    {assets::kWavBandit, hornCall},
        {assets::kWavBattle, warDrums},  {assets::kWavVictory, fanfare},
        {assets::kWavDie, fallingHorn},  {assets::kWavSpell, choir},
        {assets::kWavNF, fizzle},        {assets::kWavStep, step},
        {assets::kWavFight, clash},      {assets::kWavShotA, arrows},
        {assets::kWavShotB, heavyThrow}, {assets::kWavFly, wingBeats},
    };
    for (const auto& [name, make] : events)
        if (s.wanted(name)) s.bytes(name, wavFile(make()));
    const auto& voices = creatureVoices();
    for (const Troop& t : CreatureTable) {
        std::string f = t.wavFile.str();
        std::string rel = std::string(assets::kArmy) + f;
        auto it = voices.find(f);
        if (it == voices.end()) throw std::runtime_error("no voice for " + f);
        if (s.wanted(rel)) s.bytes(rel, wavFile(it->second()));
    }
}

}  // namespace gen
