#pragma once
// Sound files written by the tests: real audio bytes that MCI and the player accept.
#include <cstdint>
#include <string>

namespace testsounds {

// An 8 kHz mono 8-bit PCM WAV tone of ms milliseconds; declaredBytes, when given, is the data
// size its header claims instead of the real one.
std::string ToneWav(int ms, std::uint32_t declaredBytes = 0);
// A tenth of a second of silence, 8 kHz mono 8-bit PCM.
std::string SilentWav();
// A one-track standard MIDI file of three quarter notes.
std::string MidiFile();

}  // namespace testsounds
