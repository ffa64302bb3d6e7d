// The shipped reminder sound "di.wav": a plain PCM WAVE file that
// sndPlaySound plays on every system (16-bit mono at 22050 Hz), short enough
// that the sounds of two reminders in one second do not drag on, and not
// silent.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace orvane {
namespace {

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int index = size - 1; index >= 0; --index) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(index)]);
  }
  return value;
}

TEST(ReminderSound, TheShippedSoundIsAShortAudiblePcmWave) {
  std::ifstream in(std::filesystem::path(ORVANE_SOURCE_DIR) / "resources/ship/di.wav", std::ios::binary);
  const std::string wav{std::istreambuf_iterator<char>(in), {}};
  ASSERT_GT(wav.size(), 44u);
  EXPECT_EQ(wav.substr(0, 4), "RIFF");
  EXPECT_EQ(littleEndian(wav, 4, 4), wav.size() - 8);
  EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(littleEndian(wav, 20, 2), 1u);  // PCM
  EXPECT_EQ(littleEndian(wav, 22, 2), 1u);  // mono
  EXPECT_EQ(littleEndian(wav, 24, 4), 22050u);
  EXPECT_EQ(littleEndian(wav, 34, 2), 16u);
  ASSERT_EQ(wav.substr(36, 4), "data");
  const std::uint32_t dataBytes = littleEndian(wav, 40, 4);
  ASSERT_EQ(dataBytes, wav.size() - 44);
  const double seconds = dataBytes / 2 / 22050.0;
  EXPECT_GT(seconds, 0.2);
  EXPECT_LT(seconds, 1.0);
  int loudest = 0;
  for (std::size_t at = 44; at + 1 < wav.size(); at += 2) {
    const auto sample = static_cast<std::int16_t>(littleEndian(wav, at, 2));
    loudest = std::max(loudest, sample < 0 ? -sample : static_cast<int>(sample));
  }
  EXPECT_GT(loudest, 8000);
  EXPECT_LT(loudest, 32767);  // never clipped
}

}  // namespace
}  // namespace orvane
