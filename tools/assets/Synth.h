// A small deterministic synthesiser for the game's sound effects: oscillators, FM,
// filtered noise and envelopes, mixed into a float buffer and written as 16-bit PCM.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gen {

constexpr int kRate = 22050;

class Buf {
public:
    explicit Buf(double seconds) : s_(size_t(seconds * kRate), 0.0f) {}
    size_t size() const { return s_.size(); }
    float& operator[](size_t i) { return s_[i]; }
    float operator[](size_t i) const { return s_[i]; }
    std::vector<float>& data() { return s_; }
    // Adds `src` scaled by `gain` starting at `at` seconds.
    void add(const Buf& src, double at, float gain = 1);

private:
    std::vector<float> s_;
};

// Deterministic noise source.
class Noise {
public:
    explicit Noise(uint32_t seed) : x_(seed * 2654435761u + 1) {}
    float next() {
        x_ ^= x_ << 13;
        x_ ^= x_ >> 17;
        x_ ^= x_ << 5;
        return float(x_ & 0xFFFFFF) / float(0x7FFFFF) - 1.0f;
    }

private:
    uint32_t x_;
};

// A biquad filter (RBJ cookbook).
class Biquad {
public:
    static Biquad lowPass(double f, double q = 0.707);
    static Biquad highPass(double f, double q = 0.707);
    static Biquad bandPass(double f, double q);
    float run(float x);
    // Takes the coefficients of `c`, keeping this filter's state (for sweeps).
    void retune(const Biquad& c) { b0 = c.b0, b1 = c.b1, b2 = c.b2, a1 = c.a1, a2 = c.a2; }

private:
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
};

// Envelope: attack to 1, exponential decay with the given time constant.
float env(double t, double attack, double decay);
// Attack, hold at 1, then release linearly to 0 at `end`.
float envAHR(double t, double attack, double hold, double end);

// A tone gliding from f0 to f1 (exponentially) with FM: carrier ratio 1, modulator
// ratio `ratio`, index `index`.
Buf fmTone(double seconds, double f0, double f1, double ratio, double index, double attack,
           double decay, double vibrato = 0);
// Additive bell/chime: partials with their own decays.
Buf bell(double seconds, double f, double decay, uint32_t inharmonic = 0);
// Noise through a band-pass whose centre glides from f0 to f1.
Buf noiseBurst(double seconds, double f0, double f1, double q, double attack, double decay,
               uint32_t seed);
// A brass-like tone: sawtooth with a filter that opens with the envelope.
Buf brass(double seconds, double f, double attack, double release, double bright = 1);

// Normalises to about -3 dBFS, fades in and out over 5 ms, writes RIFF PCM16 mono.
std::string wavFile(Buf b);

}  // namespace gen

namespace gen {
// A plucked string (Karplus-Strong).
Buf pluck(double seconds, double f, double damp, uint32_t seed);
// A drum: a sine falling from f0 to f1 plus a noise slap.
Buf drum(double seconds, double f0, double f1, double decay, double slap, uint32_t seed);
// A voice: a buzzing source through two formant filters, pitch gliding f0 -> f1.
Buf voice(double seconds, double f0, double f1, double form1, double form2, double breath,
          double attack, double decay, uint32_t seed, double vibrato = 0.01);
// Applies a low-pass filter in place.
void lowPassInPlace(Buf& b, double f);
}  // namespace gen
