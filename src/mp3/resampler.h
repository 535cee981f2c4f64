// Sample rate conversion with a Kaiser-windowed sinc low-pass (about 80 dB of
// stop-band rejection, pass band up to 45 % of the lower rate).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelcor::mp3 {

// Converts a signal that arrives in pieces; the output does not depend on how the
// input is cut, and only the kernel's reach of input is held.
class StreamResampler {
 public:
  StreamResampler(int in_rate, int out_rate);
  // Appends `count` input samples and the output samples they complete to `out`.
  void Push(const float* in, size_t count, std::vector<float>* out);
  // The input has ended: appends the remaining output.
  void Finish(std::vector<float>* out);
  // Output length for `in_count` input samples.
  static int64_t OutputCount(int64_t in_count, int in_rate, int out_rate) { return in_count * out_rate / in_rate; }

 private:
  // Computes outputs while their input is at hand (all of them once `ended`).
  void Produce(bool ended, std::vector<float>* out);

  int in_rate_, out_rate_;
  int reach_ = 0;
  std::vector<float> kernel_;
  std::vector<float> held_;  // input from sample held_start_ on
  int64_t held_start_ = 0;
  int64_t in_count_ = 0;
  int64_t next_out_ = 0;
};

std::vector<float> Resample(const std::vector<float>& in, int in_rate, int out_rate);

}  // namespace zelcor::mp3
