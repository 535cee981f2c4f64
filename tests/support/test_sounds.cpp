#include "test_sounds.h"

namespace testsounds {

namespace {

void put16(std::string& s, std::uint16_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8);
}

void put32(std::string& s, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The RIFF header of an 8 kHz mono 8-bit PCM WAV whose data claims declared bytes.
std::string WavHeader(std::uint32_t declared) {
  std::string s = "RIFF";
  put32(s, 36 + declared);
  s += "WAVEfmt ";
  put32(s, 16);
  put16(s, 1);     // PCM
  put16(s, 1);     // mono
  put32(s, 8000);  // samples a second
  put32(s, 8000);  // bytes a second
  put16(s, 1);     // block
  put16(s, 8);     // bits
  s += "data";
  put32(s, declared);
  return s;
}

}  // namespace

std::string ToneWav(int ms, std::uint32_t declaredBytes) {
  const std::uint32_t samples = 8 * static_cast<std::uint32_t>(ms);
  std::string s = WavHeader(declaredBytes ? declaredBytes : samples);
  for (std::uint32_t i = 0; i < samples; ++i) s += static_cast<char>((i / 20) % 2 ? 0xA0 : 0x60);
  return s;
}

std::string SilentWav() {
  const std::uint32_t samples = 800;
  return WavHeader(samples) + std::string(samples, static_cast<char>(0x80));
}

std::string MidiFile() {
  auto be32 = [](std::uint32_t v) {
    return std::string{char(v >> 24), char((v >> 16) & 0xFF), char((v >> 8) & 0xFF), char(v & 0xFF)};
  };
  std::string track;
  for (char note : {char(60), char(62), char(64)}) {
    track += std::string("\x00\x90", 2) + note + char(100);     // note on at once
    track += std::string("\x83\x60\x80", 3) + note + char(0);  // note off 480 ticks later
  }
  track += std::string("\x00\xFF\x2F\x00", 4);                // end of track
  // Format 0, one track, 480 ticks to the quarter note.
  return "MThd" + be32(6) + std::string("\x00\x00\x00\x01\x01\xE0", 6) + "MTrk" +
         be32(static_cast<std::uint32_t>(track.size())) + track;
}

}  // namespace testsounds
