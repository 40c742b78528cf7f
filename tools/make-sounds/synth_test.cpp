// Checks the sound generator: its arithmetic, the WAV bytes, the level, length and
// shape of each sound, and, given the assets/sounds folder, that the files there are
// exactly what the generator makes now.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace trompalo::sounds;

int failures = 0;

void check(bool ok, const std::string& what) {
    if (!ok) {
        ++failures;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

std::string name(const Sound& sound) {
    return {sound.fileName.begin(), sound.fileName.end()};
}

double dbfs(double amplitude) {
    return 20 * std::log10(amplitude / 32768);
}

double energy(std::int16_t sample) {
    const double value = sample;
    return value * value;
}

std::size_t at(double seconds) {
    return static_cast<std::size_t>(seconds * sampleRate);
}

// The samples between two times, cut to the end of the sound.
std::vector<std::int16_t> part(const Samples& s, double from, double to) {
    const std::size_t end = std::min(at(to), s.size());
    return {s.begin() + static_cast<std::ptrdiff_t>(std::min(at(from), end)),
            s.begin() + static_cast<std::ptrdiff_t>(end)};
}

double rms(const Samples& s, double from, double to) {
    double sum = 0;
    const Samples p = part(s, from, to);
    for (std::int16_t v : p)
        sum += energy(v);
    return p.empty() ? 0 : std::sqrt(sum / static_cast<double>(p.size()));
}

// Sign changes per second / 2: the frequency of a tone, the brightness of a noise.
double crossingRate(const Samples& s, double from, double to) {
    int crossings = 0;
    const Samples p = part(s, from, to);
    for (std::size_t i = 1; i < p.size(); ++i)
        crossings += (p[i - 1] < 0) != (p[i] < 0);
    return crossings / (2 * (to - from));
}

// The sound through two one-pole low-pass filters, leaving only its low tones.
Samples lowPassed(const Samples& s, double cutoff) {
    const double k = 1 - std::exp(-2 * 3.14159265358979 * cutoff / sampleRate);
    double first = 0;
    double second = 0;
    Samples out;
    for (std::int16_t v : s) {
        first += k * (v - first);
        second += k * (first - second);
        out.push_back(static_cast<std::int16_t>(std::lround(second)));
    }
    return out;
}

// Seconds until the sound has given 90% of its energy.
double mostEnergyBy(const Samples& s) {
    double total = 0;
    for (std::int16_t v : s)
        total += energy(v);
    double sum = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        sum += energy(s[i]);
        if (sum >= 0.9 * total)
            return static_cast<double>(i) / sampleRate;
    }
    return static_cast<double>(s.size()) / sampleRate;
}

double seconds(const Samples& s) {
    return static_cast<double>(s.size()) / sampleRate;
}

std::uint32_t u32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t u16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
std::string tag(const std::vector<unsigned char>& b, std::size_t at) {
    return {b.begin() + static_cast<std::ptrdiff_t>(at),
            b.begin() + static_cast<std::ptrdiff_t>(at) + 4};
}

void testMath() {
    double worstSine = 0;
    for (double x = -60; x <= 60; x += 0.00731)
        worstSine = std::fmax(worstSine, std::fabs(sine(x) - std::sin(x)));
    check(worstSine < 1e-9, "sine differs from std::sin by " + std::to_string(worstSine));

    double worstExp = 0;
    for (double x = -40; x <= 10; x += 0.00377)
        worstExp = std::fmax(worstExp, std::fabs(exponential(x) / std::exp(x) - 1));
    check(worstExp < 1e-12, "exponential differs from std::exp by " + std::to_string(worstExp));
    check(exponential(-1000) == 0, "exponential(-1000) is not 0");
}

void testWav() {
    const Samples samples = {0, 1, -1, 32767, -32768, 0x1234};
    const std::vector<unsigned char> b = encodeWav(samples, 22050);
    check(b.size() == 44 + 12, "WAV size is " + std::to_string(b.size()));
    if (b.size() != 44 + 12)
        return;
    check(tag(b, 0) == "RIFF" && tag(b, 8) == "WAVE", "no RIFF WAVE header");
    check(u32(b, 4) == b.size() - 8, "RIFF size does not match the file");
    check(tag(b, 12) == "fmt " && u32(b, 16) == 16, "no 16-byte fmt chunk");
    check(u16(b, 20) == 1, "format is not PCM");
    check(u16(b, 22) == 1, "not mono");
    check(u32(b, 24) == 22050, "sample rate is " + std::to_string(u32(b, 24)));
    check(u32(b, 28) == 44100, "byte rate is " + std::to_string(u32(b, 28)));
    check(u16(b, 32) == 2 && u16(b, 34) == 16, "frames are not 2 bytes of 16 bits");
    check(tag(b, 36) == "data" && u32(b, 40) == 12, "data chunk is not 12 bytes");
    const std::vector<unsigned char> data(b.begin() + 44, b.end());
    const std::vector<unsigned char> expected = {0x00, 0x00, 0x01, 0x00, 0xff, 0xff,
                                                 0xff, 0x7f, 0x00, 0x80, 0x34, 0x12};
    check(data == expected, "samples are not stored as little-endian 16-bit");
}

// What every sound must be: repeatable, of the length asked, at -3 dBFS, loud
// enough, centred, and free of clicks at both ends.
void testCommon(const Sound& sound, double minSeconds, double maxSeconds) {
    const std::string n = name(sound);
    const Samples s = sound.make();
    check(s == sound.make(), n + ": two runs differ");
    check(seconds(s) >= minSeconds && seconds(s) <= maxSeconds,
          n + ": lasts " + std::to_string(seconds(s)) + " s");
    if (seconds(s) < 0.05)
        return;

    int peak = 0;
    double sum = 0;
    for (std::int16_t v : s) {
        peak = std::max(peak, std::abs(int{v}));
        sum += v;
    }
    check(dbfs(peak) > -3.2 && dbfs(peak) < -2.8,
          n + ": peak at " + std::to_string(dbfs(peak)) + " dBFS");
    check(dbfs(rms(s, 0, seconds(s))) > -30, n + ": almost silent");
    check(std::fabs(sum / static_cast<double>(s.size())) < 0.005 * 32768, n + ": off centre");

    check(s.front() == 0 && s.back() == 0, n + ": does not start and end at 0");
    for (std::size_t i = 0; i < 4; ++i)
        check(std::abs(int{s[i]}) < 0.02 * 32768, n + ": starts with a jump");
    for (std::size_t i = s.size() - at(0.001); i < s.size(); ++i)
        check(std::abs(int{s[i]}) < 0.01 * 32768, n + ": is still sounding when it stops");
}

void testGolpe(const Samples& golpe) {
    // The pitch of the body alone, without the knock and the noise of the impact.
    const Samples body = lowPassed(golpe, 250);
    const double early = crossingRate(body, 0, 0.03);
    const double late = crossingRate(body, 0.08, 0.18);
    check(early > 1.5 * late, "golpe6: pitch does not drop (" + std::to_string(early) + " Hz to " +
                                  std::to_string(late) + " Hz)");
    check(late < 150, "golpe6: body is not low (" + std::to_string(late) + " Hz)");
    check(rms(golpe, 0, 0.05) > 3 * rms(golpe, 0.1, 0.15), "golpe6: does not die away");
}

void testZoop(const Samples& zoop) {
    const double length = seconds(zoop);
    constexpr int windows = 10;
    std::vector<double> loudness;
    for (int i = 0; i < windows; ++i)
        loudness.push_back(rms(zoop, length * i / windows, length * (i + 1) / windows));
    int loudest = 0;
    for (int i = 1; i < windows; ++i)
        if (loudness[i] > loudness[loudest])
            loudest = i;
    check(loudest >= 3 && loudest <= 6,
          "zoop: loudest at window " + std::to_string(loudest) + " of 10");
    check(loudness.front() < 0.25 * loudness[loudest] && loudness.back() < 0.25 * loudness[loudest],
          "zoop: does not swell and fade");

    const double start = crossingRate(zoop, 0, 0.2 * length);
    const double middle = crossingRate(zoop, 0.45 * length, 0.7 * length);
    const double end = crossingRate(zoop, 0.85 * length, length);
    check(middle > 1.5 * start, "zoop: pitch does not rise (" + std::to_string(start) + " Hz to " +
                                    std::to_string(middle) + " Hz)");
    check(end < 0.85 * middle, "zoop: pitch does not come back down (" + std::to_string(middle) +
                                   " Hz to " + std::to_string(end) + " Hz)");
}

void testPuno(const Samples& puno, const Samples& golpe) {
    const double punoBright = crossingRate(puno, 0, 0.03);
    const double golpeBright = crossingRate(golpe, 0, 0.03);
    check(punoBright > 3 * golpeBright, "puño: not brighter than golpe6 (" +
                                            std::to_string(punoBright) + " Hz against " +
                                            std::to_string(golpeBright) + " Hz)");
    check(mostEnergyBy(puno) < 0.6 * mostEnergyBy(golpe),
          "puño: not snappier than golpe6 (90% of its energy by " +
              std::to_string(mostEnergyBy(puno)) + " s)");
}

void testAssets(const std::filesystem::path& folder) {
    for (const Sound& sound : allSounds) {
        const std::filesystem::path file = folder / std::filesystem::path(sound.fileName);
        std::ifstream in(file, std::ios::binary);
        const std::vector<unsigned char> stored{std::istreambuf_iterator<char>(in),
                                                std::istreambuf_iterator<char>()};
        check(in.good() || in.eof(), file.string() + ": cannot be read");
        check(stored == encodeWav(sound.make()),
              file.string() +
                  ": differs from the generator's output; run trompalo-make-sounds on the folder");
    }
}

} // namespace

int main(int argc, char** argv) {
    testMath();
    testWav();

    const Sound& golpe = allSounds[0];
    const Sound& zoop = allSounds[1];
    const Sound& puno = allSounds[2];
    check(name(golpe) == "golpe6.wav" && name(zoop) == "zoop.wav" &&
              name(puno) == "pu\xc3\xb1o.wav",
          "the sounds are not golpe6.wav, zoop.wav and puño.wav");
    testCommon(golpe, 0.15, 0.25);
    testCommon(zoop, 0.2, 0.3);
    testCommon(puno, 0.12, 0.18);
    testGolpe(golpe.make());
    testZoop(zoop.make());
    testPuno(puno.make(), golpe.make());

    if (argc > 1)
        testAssets(argv[1]);
    else
        std::printf("no folder given: the stored sound files were not compared\n");

    std::printf("%s\n", failures == 0 ? "all passed" : "FAILED");
    return failures == 0 ? 0 : 1;
}
