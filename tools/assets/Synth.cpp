#include "tools/assets/Synth.h"

#include <algorithm>
#include <cmath>

namespace gen {

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

void Buf::add(const Buf& src, double at, float gain) {
    // Every part ends with a short fade, so a cut-off tail never clicks.
    const size_t o = size_t(std::max(0.0, at) * kRate);
    const size_t n = src.size(), fade = std::min<size_t>(n, kRate * 4 / 1000);
    for (size_t i = 0; i < n && o + i < s_.size(); ++i) {
        float f = n - i <= fade ? float(n - i) / float(fade) : 1.0f;
        s_[o + i] += src[i] * gain * f;
    }
}

Biquad Biquad::lowPass(double f, double q) {
    Biquad b;
    double w = kTwoPi * f / kRate, a = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + a;
    b.b0 = (1 - c) / 2 / a0, b.b1 = (1 - c) / a0, b.b2 = (1 - c) / 2 / a0;
    b.a1 = -2 * c / a0, b.a2 = (1 - a) / a0;
    return b;
}

Biquad Biquad::highPass(double f, double q) {
    Biquad b;
    double w = kTwoPi * f / kRate, a = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + a;
    b.b0 = (1 + c) / 2 / a0, b.b1 = -(1 + c) / a0, b.b2 = (1 + c) / 2 / a0;
    b.a1 = -2 * c / a0, b.a2 = (1 - a) / a0;
    return b;
}

Biquad Biquad::bandPass(double f, double q) {
    Biquad b;
    double w = kTwoPi * f / kRate, a = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + a;
    b.b0 = a / a0, b.b1 = 0, b.b2 = -a / a0;
    b.a1 = -2 * c / a0, b.a2 = (1 - a) / a0;
    return b;
}

float Biquad::run(float x) {
    double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return float(y);
}

float env(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return float(t / attack);
    return float(std::exp(-(t - attack) / decay));
}

float envAHR(double t, double attack, double hold, double end) {
    if (t < 0 || t >= end) return 0;
    if (t < attack) return float(t / attack);
    if (t < attack + hold) return 1;
    return float(1 - (t - attack - hold) / std::max(1e-6, end - attack - hold));
}

Buf fmTone(double seconds, double f0, double f1, double ratio, double index, double attack,
           double decay, double vibrato) {
    Buf b(seconds);
    double pc = 0, pm = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = double(i) / kRate;
        double f = f0 * std::pow(f1 / f0, t / seconds);
        f *= 1 + vibrato * std::sin(kTwoPi * 5.5 * t);
        float e = env(t, attack, decay);
        pm += kTwoPi * f * ratio / kRate;
        pc += kTwoPi * f / kRate;
        b[i] = e * float(std::sin(pc + index * e * std::sin(pm)));
    }
    return b;
}

Buf bell(double seconds, double f, double decay, uint32_t inharmonic) {
    static const double ratios[] = {1.0, 2.0, 2.76, 3.0, 4.07, 5.4};
    static const double gains[] = {1.0, 0.6, 0.45, 0.25, 0.2, 0.12};
    Buf b(seconds);
    for (int k = 0; k < 6; ++k) {
        double r = ratios[k] + (inharmonic ? 0.013 * k : 0.0);
        double d = decay / (1 + 0.6 * k);
        for (size_t i = 0; i < b.size(); ++i) {
            double t = double(i) / kRate;
            b[i] += float(gains[k] * std::sin(kTwoPi * f * r * t) * env(t, 0.002, d));
        }
    }
    return b;
}

Buf noiseBurst(double seconds, double f0, double f1, double q, double attack, double decay,
               uint32_t seed) {
    Buf b(seconds);
    Noise n(seed);
    Biquad bp = Biquad::bandPass(f0, q);
    for (size_t i = 0; i < b.size(); ++i) {
        double t = double(i) / kRate;
        if (i % 64 == 0) bp.retune(Biquad::bandPass(f0 * std::pow(f1 / f0, t / seconds), q));
        b[i] = bp.run(n.next()) * env(t, attack, decay);
    }
    return b;
}

Buf brass(double seconds, double f, double attack, double release, double bright) {
    Buf b(seconds);
    double ph = 0;
    Biquad lp = Biquad::lowPass(400, 1.2);
    for (size_t i = 0; i < b.size(); ++i) {
        double t = double(i) / kRate;
        float e = envAHR(t, attack, seconds - attack - release, seconds);
        if (i % 32 == 0) lp.retune(Biquad::lowPass(std::min(9000.0, 300 + 3500 * bright * e), 1.0));
        ph += f * (1 + 0.004 * std::sin(kTwoPi * 5 * t)) / kRate;
        ph -= std::floor(ph);
        float saw = float(2 * ph - 1);
        b[i] = lp.run(saw) * e;
    }
    return b;
}

std::string wavFile(Buf b) {
    auto& s = b.data();
    // Fade first, then normalise: a sharp attack inside the fade must not leave the
    // sound quieter than the rest.
    const size_t fade = kRate * 5 / 1000;
    for (size_t i = 0; i < s.size(); ++i) {
        float f = 1;
        if (i < fade) f = float(i) / fade;
        if (s.size() - 1 - i < fade) f = std::min(f, float(s.size() - 1 - i) / fade);
        s[i] *= f;
    }
    float peak = 0;
    for (float v : s) peak = std::max(peak, std::fabs(v));
    const float target = 0.708f;  // -3 dBFS
    const float g = peak > 0 ? target / peak : 0;
    for (float& v : s) v *= g;
    auto put = [](std::string& o, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) o += char((v >> (8 * i)) & 0xFF);
    };
    std::string o = "RIFF";
    uint32_t dataBytes = uint32_t(s.size() * 2);
    put(o, 36 + dataBytes, 4);
    o += "WAVEfmt ";
    put(o, 16, 4);
    put(o, 1, 2);
    put(o, 1, 2);
    put(o, kRate, 4);
    put(o, kRate * 2, 4);
    put(o, 2, 2);
    put(o, 16, 2);
    o += "data";
    put(o, dataBytes, 4);
    for (float v : s) {
        int x = int(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767));
        put(o, uint32_t(uint16_t(int16_t(x))), 2);
    }
    return o;
}

}  // namespace gen

namespace gen {

Buf pluck(double seconds, double f, double damp, uint32_t seed) {
    Buf b(seconds);
    size_t n = std::max<size_t>(2, size_t(kRate / f));
    std::vector<float> line(n);
    Noise rnd(seed);
    for (auto& v : line) v = rnd.next();
    size_t k = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        float cur = line[k], nxt = line[(k + 1) % n];
        b[i] = cur;
        line[k] = float(damp) * 0.5f * (cur + nxt);
        k = (k + 1) % n;
    }
    return b;
}

Buf drum(double seconds, double f0, double f1, double decay, double slap, uint32_t seed) {
    Buf b(seconds);
    Noise rnd(seed);
    Biquad lp = Biquad::lowPass(1800, 0.8);
    double ph = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = double(i) / kRate;
        double f = f1 + (f0 - f1) * std::exp(-t / 0.04);
        ph += kTwoPi * f / kRate;
        b[i] = float(std::sin(ph)) * env(t, 0.002, decay) +
               float(slap) * lp.run(rnd.next()) * env(t, 0.001, 0.03);
    }
    return b;
}

Buf voice(double seconds, double f0, double f1, double form1, double form2, double breath,
          double attack, double decay, uint32_t seed, double vibrato) {
    Buf src(seconds);
    Noise rnd(seed);
    double ph = 0;
    for (size_t i = 0; i < src.size(); ++i) {
        double t = double(i) / kRate;
        double f = f0 * std::pow(f1 / f0, t / seconds) * (1 + vibrato * std::sin(kTwoPi * 6 * t));
        ph += f / kRate;
        ph -= std::floor(ph);
        float buzz = float(2 * ph - 1) + float(breath) * rnd.next();
        src[i] = buzz * env(t, attack, decay);
    }
    Buf out(seconds);
    Biquad a = Biquad::bandPass(form1, 4), c = Biquad::bandPass(form2, 5);
    for (size_t i = 0; i < src.size(); ++i) out[i] = a.run(src[i]) + 0.6f * c.run(src[i]);
    return out;
}

void lowPassInPlace(Buf& b, double f) {
    Biquad lp = Biquad::lowPass(f);
    for (size_t i = 0; i < b.size(); ++i) b[i] = lp.run(b[i]);
}

}  // namespace gen
