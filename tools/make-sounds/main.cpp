// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// trompalo-make-sounds FOLDER: writes the game's sound effects as WAV files into
// FOLDER (normally assets/sounds), creating it if needed.
#include "synth.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    using namespace trompalo::sounds;

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argc > 0 ? argv[0] : "trompalo-make-sounds");
        return 2;
    }
    const fs::path folder(argv[1]);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.string().c_str(),
                     error.message().c_str());
        return 1;
    }

    for (const Sound& sound : allSounds) {
        const Samples samples = sound.make();
        const std::vector<unsigned char> bytes = encodeWav(samples);
        const fs::path file = folder / fs::path(sound.fileName);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
            return 1;
        }
        std::printf("%s: %.3f s\n", file.string().c_str(),
                    static_cast<double>(samples.size()) / sampleRate);
    }
    return 0;
}
