// Sound through SDL_mixer, heard through SDL's disk audio driver, which writes
// the mixed output to a file as it plays.
#include <gtest/gtest.h>
#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/sdl_audio.h"

namespace {

namespace fs = std::filesystem;

// The build folder's dat/, beside the test program's folder.
fs::path soundFolder() { return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "dat"; }

class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override {
        output_ = fs::temp_directory_path() / ("minamori-audio-" + std::to_string(::getpid()) + ".raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    }
    void TearDown() override { fs::remove(output_); }

    // The loudest sample written, as 16-bit stereo.
    int loudest() const {
        std::ifstream in(output_, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        int peak = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto sample = static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) |
                                                     static_cast<uint8_t>(bytes[i + 1]) << 8);
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        return peak;
    }

    fs::path output_;
};

TEST_F(DiskAudio, AWaveIsHeardAtItsVolume) {
    {
        minamori::SdlAudio audio;
        ASSERT_TRUE(audio.isOpen());
        EXPECT_FALSE(audio.loadWave("none.wav", (soundFolder() / "none.wav").string()));
        ASSERT_TRUE(audio.loadWave("coin.wav", (soundFolder() / "coin.wav").string()));
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
        audio.playMusic("id.mid", (soundFolder() / "id.mid").string());
        SDL_Delay(600);
        audio.stopMusic();
        audio.playMusic("none.mid", (soundFolder() / "none.mid").string());  // silent, no error
    }
    EXPECT_GT(loudest(), 300);
}

TEST(SdlAudio, WithoutADeviceEveryCallIsQuiet) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    minamori::SdlAudio audio;
    EXPECT_FALSE(audio.isOpen());
    EXPECT_FALSE(audio.loadWave("coin.wav", (soundFolder() / "coin.wav").string()));
    audio.playWave("coin.wav", 0);
    audio.playMusic("id.mid", (soundFolder() / "id.mid").string());
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
