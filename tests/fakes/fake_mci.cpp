#include "fakes/fake_mci.h"

#include <algorithm>
#include <cctype>

namespace fakes {

namespace {

std::string upper(std::string s) {
  for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Words of a command; a double-quoted path is one word without its quotes.
std::vector<std::string> words(const std::string& command) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < command.size()) {
    if (command[i] == ' ') {
      ++i;
      continue;
    }
    if (command[i] == '"') {
      std::size_t end = command.find('"', i + 1);
      if (end == std::string::npos) end = command.size();
      out.push_back(command.substr(i + 1, end - i - 1));
      i = end + 1;
      continue;
    }
    std::size_t end = command.find(' ', i);
    if (end == std::string::npos) end = command.size();
    out.push_back(command.substr(i, end - i));
    i = end;
  }
  return out;
}

bool stalls(FakeMci::Behaviour b) {
  return b == FakeMci::Behaviour::Stalls || b == FakeMci::Behaviour::StallsUnpositioned;
}

platform::MciReply ok(std::string text = {}) { return {0, std::move(text)}; }
platform::MciReply fail(unsigned long code) { return {code, {}}; }

}  // namespace

FakeMci::~FakeMci() {
  for (auto& [alias, d] : devices_)
    if (d.endTimer) loop_.stopTimer(d.endTimer);
}

void FakeMci::addTune(const std::string& path, int lengthMs, Behaviour b, int channels) {
  tunes_[upper(path)] = Tune{lengthMs, b, channels};
}

bool FakeMci::isOpen(const std::string& alias) const { return devices_.count(upper(alias)) > 0; }

int FakeMci::positionOf(const std::string& alias) const {
  auto it = devices_.find(upper(alias));
  return it == devices_.end() ? -1 : position(it->second);
}

int FakeMci::position(const Device& d) const {
  if (!d.playing || stalls(d.tune.behaviour)) return d.basePos;
  const auto ran = static_cast<int>(loop_.nowMs() - d.startedAt);
  return std::min(d.tune.lengthMs, d.basePos + ran);
}

void FakeMci::post(unsigned flags) {
  notified.push_back(flags);
  loop_.post([this, flags] {
    if (notifyWindow) notifyWindow(flags);
  });
}

platform::MciReply FakeMci::send(const std::string& command) {
  commands.push_back(command);
  if (cd.owns(command)) return cd.send(command);
  std::vector<std::string> w = words(command);
  bool notify = false;
  while (!w.empty() && (upper(w.back()) == "WAIT" || upper(w.back()) == "NOTIFY")) {
    notify = notify || upper(w.back()) == "NOTIFY";
    w.pop_back();
  }
  if (w.size() < 2) return fail(kUnrecognised);
  const std::string verb = upper(w[0]);
  if (verb == "OPEN") return open(w);
  const std::string alias = upper(w[1]);
  auto it = devices_.find(alias);
  if (it == devices_.end()) return fail(kUnknownAlias);
  Device& d = it->second;
  if (verb == "CLOSE") {
    halt(d, 4);
    devices_.erase(it);
    return ok();
  }
  if (verb == "SET") return ok();
  if (verb == "STATUS") return w.size() < 3 ? fail(kUnrecognised) : status(d, upper(w[2]));
  if (verb == "PLAY") return play(d, notify);
  if (verb == "STOP") {
    halt(d, 4);
    return ok();
  }
  if (verb == "SEEK") {
    if (w.size() < 4 || upper(w[2]) != "TO") return fail(kUnrecognised);
    halt(d, 4);
    const std::string to = upper(w[3]);
    if (to == "START") d.basePos = 0;
    else if (to == "END") d.basePos = d.tune.lengthMs;
    else d.basePos = std::clamp(std::atoi(to.c_str()), 0, d.tune.lengthMs);
    return ok();
  }
  return fail(kUnrecognised);
}

platform::MciReply FakeMci::open(const std::vector<std::string>& w) {
  // open PATH alias NAME [buffer N]
  if (w.size() < 4 || upper(w[2]) != "ALIAS") return fail(kUnrecognised);
  const std::string alias = upper(w[3]);
  if (devices_.count(alias)) return fail(kDuplicateAlias);
  auto t = tunes_.find(upper(w[1]));
  if (t == tunes_.end() || t->second.behaviour == Behaviour::RefusesOpen) return fail(kFileNotFound);
  Device d;
  d.path = w[1];
  d.tune = t->second;
  devices_[alias] = d;
  return ok();
}

platform::MciReply FakeMci::status(Device& d, const std::string& item) {
  if (item == "LENGTH") return ok(std::to_string(d.tune.lengthMs));
  if (item == "POSITION") {
    const auto b = d.tune.behaviour;
    if (b == Behaviour::Unpositioned || b == Behaviour::StallsUnpositioned) return fail(kUnrecognised);
    return ok(std::to_string(position(d)));
  }
  if (item == "MODE") return ok(d.playing ? "playing" : "stopped");
  if (item == "SAMPLESPERSEC") return ok("44100");
  if (item == "BITSPERSAMPLE") return ok("16");
  if (item == "CHANNELS") return ok(std::to_string(d.tune.channels));
  return fail(kUnrecognised);
}

platform::MciReply FakeMci::play(Device& d, bool notify) {
  if (d.tune.behaviour == Behaviour::RefusesPlay) return fail(kCannotPlay);
  // A new notify request supersedes the one still pending.
  if (d.notifyPending) post(2);
  d.notifyPending = false;
  if (d.playing) d.basePos = position(d);
  if (d.endTimer) loop_.stopTimer(d.endTimer);
  d.endTimer = 0;
  d.playing = true;
  d.startedAt = loop_.nowMs();
  d.notifyPending = notify;
  played.push_back(d.path);
  if (stalls(d.tune.behaviour)) return ok();
  int until = d.tune.lengthMs - d.basePos;
  if (d.tune.behaviour == Behaviour::Breaks) until = std::max(0, d.tune.lengthMs / 2 - d.basePos);
  std::string alias;
  for (auto& [a, dev] : devices_)
    if (&dev == &d) alias = a;
  d.endTimer = loop_.startTimer(static_cast<unsigned>(std::max(until, 1)), [this, alias] { finish(alias); });
  return ok();
}

void FakeMci::finish(const std::string& alias) {
  auto it = devices_.find(alias);
  if (it == devices_.end()) return;
  Device& d = it->second;
  loop_.stopTimer(d.endTimer);
  d.endTimer = 0;
  const bool broke = d.tune.behaviour == Behaviour::Breaks;
  d.basePos = broke ? d.tune.lengthMs / 2 : d.tune.lengthMs;
  d.playing = false;
  if (d.notifyPending) post(broke ? 8 : 1);
  d.notifyPending = false;
}

void FakeMci::halt(Device& d, unsigned pendingFlag) {
  if (d.playing) d.basePos = position(d);
  d.playing = false;
  if (d.endTimer) loop_.stopTimer(d.endTimer);
  d.endTimer = 0;
  if (d.notifyPending) post(pendingFlag);
  d.notifyPending = false;
}

}  // namespace fakes
