// Sound through SDL_mixer, heard through SDL's disk audio driver, which writes
// the mixed output to a file as it plays.
#include <gtest/gtest.h>
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "core/temp_folder.h"
#include "platform/sdl_audio.h"

namespace {

namespace fs = std::filesystem;

// A generated sound of the build folder's dat/.
std::string soundFile(const char* name) { return (mtest::buildFolder() / "dat" / name).string(); }

class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override {
        output_ = fs::temp_directory_path() / ("minamori-audio-" + std::to_string(::getpid()) + ".raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    }
    void TearDown() override { fs::remove(output_); }

    // What was written, as 16-bit samples.
    std::vector<int16_t> recorded() const {
        std::ifstream in(output_, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::vector<int16_t> samples;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            samples.push_back(static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) |
                                                   static_cast<uint8_t>(bytes[i + 1]) << 8));
        return samples;
    }

    int loudest() const {
        int peak = 0;
        for (int16_t s : recorded()) peak = std::max(peak, std::abs(int{s}));
        return peak;
    }

    fs::path output_;
};

TEST_F(DiskAudio, AWaveIsHeardAtItsVolume) {
    {
        minamori::SdlAudio audio;
        ASSERT_TRUE(audio.isOpen());
        EXPECT_FALSE(audio.loadWave("none.wav", soundFile("none.wav")));
        ASSERT_TRUE(audio.loadWave("coin.wav", soundFile("coin.wav")));
        audio.playWave("coin.wav", 0);
        audio.playWave("coin.wav", 0);  // a second instance alongside
        audio.playWave("none.wav", 0);  // never loaded: nothing
        SDL_Delay(300);
    }
    EXPECT_GT(loudest(), 3000);
}

TEST_F(DiskAudio, MidiMusicIsHeardUntilStopped) {
    {
        minamori::SdlAudio audio;
        ASSERT_TRUE(audio.isOpen());
        audio.playMusic("id.mid", soundFile("id.mid"));
        SDL_Delay(600);
        audio.stopMusic();
        audio.playMusic("none.mid", soundFile("none.mid"));  // silent, no error
    }
    EXPECT_GT(loudest(), 300);
}

// A 440 Hz sine touching full scale, 22050 Hz stereo, as the effects are made.
fs::path writeFullScaleWave(double seconds) {
    const fs::path path = fs::temp_directory_path() / ("minamori-full-" + std::to_string(::getpid()) + ".wav");
    std::string data;
    for (int i = 0; i < static_cast<int>(seconds * 22050); ++i) {
        const auto v = static_cast<int16_t>(std::lround(32767 * std::sin(2 * M_PI * 440 * i / 22050.0)));
        for (int channel = 0; channel < 2; ++channel) data += {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
    }
    auto le = [](uint32_t v, int bytes) {
        std::string s;
        for (int b = 0; b < bytes; ++b) s += static_cast<char>(v >> (8 * b) & 0xFF);
        return s;
    };
    std::ofstream out(path, std::ios::binary);
    out << "RIFF" << le(static_cast<uint32_t>(36 + data.size()), 4) << "WAVEfmt " << le(16, 4) << le(1, 2)
        << le(2, 2) << le(22050, 4) << le(22050 * 4, 4) << le(4, 2) << le(16, 2) << "data"
        << le(static_cast<uint32_t>(data.size()), 4) << data;
    return path;
}

// Clipping shows as flat tops: loud samples repeated unchanged.
int flatTops(const std::vector<int16_t>& samples) {
    int runs = 0;
    for (std::size_t i = 4; i < samples.size(); i += 1)
        if (std::abs(int{samples[i]}) > 16000 && samples[i] == samples[i - 2] && samples[i] == samples[i - 4]) ++runs;
    return runs;
}

class LoudWaves : public DiskAudio {
protected:
    void SetUp() override {
        DiskAudio::SetUp();
        wave_ = writeFullScaleWave(0.3);
    }
    void TearDown() override {
        fs::remove(wave_);
        DiskAudio::TearDown();
    }

    // Plays the wave `count` times at once, at each volume in turn, and records the mix.
    std::vector<int16_t> play(int count, std::initializer_list<int> volumes) {
        {
            minamori::SdlAudio audio;
            EXPECT_TRUE(audio.isOpen());
            EXPECT_TRUE(audio.loadWave("full.wav", wave_.string()));
            for (int volume : volumes) {
                for (int i = 0; i < count; ++i) audio.playWave("full.wav", volume);
                SDL_Delay(500);
            }
        }
        return recorded();
    }

    fs::path wave_;
};

TEST_F(LoudWaves, EightFullScaleEffectsAtOnceNeverClip) {
    const std::vector<int16_t> mix = play(8, {0});
    int peak = 0;
    for (int16_t s : mix) peak = std::max(peak, std::abs(int{s}));
    EXPECT_LT(peak, 32767);
    EXPECT_GT(peak, 28000);
    EXPECT_EQ(flatTops(mix), 0);
}

// The energy of each sound of a recording, the sounds parted by silence.
std::vector<double> energies(const std::vector<int16_t>& samples) {
    std::vector<double> sounds;
    std::size_t silent = SIZE_MAX / 2;  // zero samples before this one
    for (int16_t s : samples) {
        if (s == 0) {
            ++silent;
            continue;
        }
        if (silent > 2000) sounds.push_back(0);
        silent = 0;
        sounds.back() += static_cast<double>(s) * s;
    }
    return sounds;
}

TEST_F(LoudWaves, OneEffectKeepsItsLoudnessAtEachVolume) {
    // One after the other on the same channel, which the mixer reuses.
    const std::vector<double> sounds = energies(play(1, {0, -400, 0}));
    ASSERT_EQ(sounds.size(), 3u);
    const double wave = sounds[0];
    const double quieter = sounds[1];
    EXPECT_NEAR(sounds[2] / wave, 1.0, 0.02);
    const double full = 32767.0 * 32767.0 / 2 * 0.3 * 22050 * 2;  // the sine's own energy
    EXPECT_GT(wave, 0.85 * full);
    EXPECT_LT(wave, 1.01 * full);
    const double expected = std::pow(81.0 / 128, 2);  // the mixer's step for -400
    EXPECT_NEAR(quieter / full, expected, 0.02);
}

TEST(SdlAudio, WithoutADeviceEveryCallIsQuiet) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    minamori::SdlAudio audio;
    EXPECT_FALSE(audio.isOpen());
    EXPECT_FALSE(audio.loadWave("coin.wav", soundFile("coin.wav")));
    audio.playWave("coin.wav", 0);
    audio.playMusic("id.mid", soundFile("id.mid"));
    audio.stopMusic();
}

TEST(SdlAudio, VolumeInHundredthsOfADecibel) {
    EXPECT_EQ(minamori::mixerVolume(0), 128);
    EXPECT_EQ(minamori::mixerVolume(-400), 81);  // 10^(-400/2000) of full
    EXPECT_EQ(minamori::mixerVolume(-2000), 13);
    EXPECT_EQ(minamori::mixerVolume(-4000), 1);
    EXPECT_EQ(minamori::mixerVolume(400), 128);
}

}  // namespace
