// mp3enc [-b KBPS] [-r RATE] [-m mono|stereo|joint] IN.wav OUT.wav
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "mp3/wav_to_mp3.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "mp3enc: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zelcor::mp3;
  TargetFormat format = DefaultTargetFormat();
  int arg = 1;
  for (; arg + 1 < argc && argv[arg][0] == '-'; arg += 2) {
    const std::string opt = argv[arg], value = argv[arg + 1];
    if (opt == "-b") format.kbps = std::atoi(value.c_str());
    else if (opt == "-r") format.sample_rate = std::atoi(value.c_str());
    else if (opt == "-m" && value == "mono") { format.mode = ChannelMode::kMono; format.channels = 1; }
    else if (opt == "-m" && value == "stereo") { format.mode = ChannelMode::kStereo; format.channels = 2; }
    else if (opt == "-m" && value == "joint") { format.mode = ChannelMode::kJointStereo; format.channels = 2; }
    else return Fail("bad option " + opt + " " + value);
  }
  if (argc - arg != 2) return Fail("usage: mp3enc [-b KBPS] [-r RATE] [-m mono|stereo|joint] IN.wav OUT.wav");
  const ConversionResult r = ConvertWavFile(argv[arg], argv[arg + 1], format);
  if (!r.ok) return Fail(r.error);
  return 0;
}
