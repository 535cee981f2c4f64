#include "fakes/fake_cd.h"

#include <algorithm>
#include <cstdio>

namespace fakes {

namespace {

std::string upper(std::string s) {
  for (auto& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

bool startsWith(const std::string& s, const std::string& head) { return s.compare(0, head.size(), head) == 0; }

std::string msf(long frames) {
  char t[72];
  std::snprintf(t, sizeof t, "%02ld:%02ld:%02ld", frames / 4500, frames / 75 % 60, frames % 75);
  return t;
}

platform::MciReply ok(std::string text = {}) { return {0, std::move(text)}; }
platform::MciReply refused() { return {FakeCdAudio::kRefused, {}}; }

}  // namespace

FakeCdAudio::~FakeCdAudio() {
  for (auto& [alias, d] : devices_)
    if (d.endTimer) loop_.stopTimer(d.endTimer);
}

bool FakeCdAudio::owns(const std::string& command) const {
  const std::string u = upper(command);
  if (startsWith(u, "OPEN CDAUDIO!")) return true;
  const auto first = u.find(' ');
  if (first == std::string::npos) return false;
  const auto second = u.find(' ', first + 1);
  return devices_.count(u.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1)) > 0;
}

bool FakeCdAudio::isOpen(const std::string& alias) const { return devices_.count(upper(alias)) > 0; }

long FakeCdAudio::leadOut(const Disc& disc) const {
  if (disc.tracks.empty()) return 0;
  if (disc.length >= 0) return disc.tracks.front().start + disc.length;
  return disc.tracks.back().start + disc.tracks.back().length;
}

long FakeCdAudio::position(const Device& d) const {
  const Disc& dc = drives_.at(d.drive);
  if (!dc.audio) return leadOut(dc);
  if (!d.playing) return d.basePos;
  const long ran = static_cast<long>((loop_.nowMs() - d.startedAt) * 75 / 1000);
  return std::min(leadOut(dc), d.basePos + ran);
}

int FakeCdAudio::trackAt(const Disc& disc, long pos) const {
  int n = 1;
  for (std::size_t i = 0; i < disc.tracks.size(); ++i)
    if (disc.tracks[i].start <= pos) n = static_cast<int>(i) + 1;
  return n;
}

std::string FakeCdAudio::timeText(const Device& d, long pos) const {
  if (!d.tmsf) return msf(pos);
  const Disc& dc = drives_.at(d.drive);
  const int n = trackAt(dc, pos);
  char t[16];
  std::snprintf(t, sizeof t, "%02d:", n);
  return t + msf(pos - (dc.tracks.empty() ? 0 : dc.tracks[n - 1].start));
}

platform::MciReply FakeCdAudio::send(const std::string& command) {
  if (refused_.count(command)) return refused();
  std::string u = upper(command);
  bool notify = false;
  for (const char* suffix : {" WAIT", " NOTIFY"}) {
    const std::string s = suffix;
    if (u.size() > s.size() && u.compare(u.size() - s.size(), s.size(), s) == 0) {
      notify = s == " NOTIFY";
      u.resize(u.size() - s.size());
      break;
    }
  }
  if (startsWith(u, "OPEN CDAUDIO!")) {
    // open cdaudio!X: alias NAME
    if (u.size() < 23 || u.compare(14, 8, ": ALIAS ") != 0) return refused();
    const char drive = u[13];
    const std::string alias = u.substr(22);
    if (!drives_.count(drive) || alias.empty() || alias.find(' ') != std::string::npos || devices_.count(alias))
      return refused();
    devices_[alias] = Device{drive};
    return ok();
  }
  const auto first = u.find(' ');
  const auto second = u.find(' ', first + 1);
  const std::string verb = u.substr(0, first);
  const std::string alias = u.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
  const std::string rest = second == std::string::npos ? "" : u.substr(second + 1);
  auto it = devices_.find(alias);
  if (it == devices_.end()) return refused();
  Device& d = it->second;
  Disc& dc = disc(d);
  if (verb == "CLOSE" && rest.empty()) {
    halt(d, 4);
    devices_.erase(it);
    return ok();
  }
  if (verb == "STOP" && rest.empty()) {
    halt(d, 4);
    return ok();
  }
  if (verb == "SET") {
    if (rest == "TIME FORMAT MSF" || rest == "TIME FORMAT TMSF") {
      d.tmsf = rest == "TIME FORMAT TMSF";
      return ok();
    }
    if (rest == "DOOR CLOSED" || rest == "AUDIO ALL OFF" || rest == "AUDIO ALL ON") return ok();
    return refused();
  }
  if (verb == "INFO" && rest == "IDENTITY") return dc.ready && dc.media ? ok(dc.identity) : refused();
  if (verb == "STATUS") return status(d, rest);
  if (!dc.ready || !dc.media) return refused();
  if (verb == "PLAY" && rest.empty()) return play(alias, d, d.basePos, notify);
  if (verb == "PLAY" && startsWith(rest, "FROM ") && d.tmsf) {
    const int n = std::atoi(rest.c_str() + 5);
    if (n < 1 || n > static_cast<int>(dc.tracks.size()) || rest != "FROM " + std::to_string(n)) return refused();
    played.push_back(std::string(1, d.drive) + ": from " + std::to_string(n));
    return play(alias, d, dc.tracks[n - 1].start, notify);
  }
  if (verb == "SEEK" && startsWith(rest, "TO  ") && !d.tmsf) {
    halt(d, 4);
    const std::string to = rest.substr(4);
    int m = 0, s = 0, f = 0;
    char tail = 0;
    if (std::sscanf(to.c_str(), "%d:%d:%d%c", &m, &s, &f, &tail) != 3) return refused();
    d.basePos = std::clamp(static_cast<long>((m * 60 + s) * 75 + f), 0L, leadOut(dc));
    return ok();
  }
  return refused();
}

platform::MciReply FakeCdAudio::status(Device& d, const std::string& item) {
  Disc& dc = disc(d);
  if (item == "READY") return ok(dc.ready ? "true" : "false");
  if (item == "MEDIA PRESENT") return ok(dc.media ? "true" : "false");
  if (!dc.ready || !dc.media) return refused();
  const int count = static_cast<int>(dc.tracks.size());
  if (item == "NUMBER OF TRACKS") return ok(std::to_string(count));
  if (item == "LENGTH") return ok(msf(count ? leadOut(dc) - dc.tracks.front().start : 0));
  if (item == "POSITION") return ok(timeText(d, position(d)));
  if (item == "CURRENT TRACK") return ok(std::to_string(trackAt(dc, position(d))));
  for (const char* head : {"POSITION TRACK ", "LENGTH TRACK "}) {
    if (!startsWith(item, head)) continue;
    const std::string number = item.substr(std::string(head).size());
    const int n = std::atoi(number.c_str());
    if (n < 1 || n > count || number != std::to_string(n)) return refused();
    const Track& t = dc.tracks[n - 1];
    return ok(item[0] == 'P' ? timeText(d, t.start) : msf(t.length));
  }
  return refused();
}

platform::MciReply FakeCdAudio::play(const std::string& alias, Device& d, long from, bool notify) {
  if (d.notifyPending && post) post(2);
  halt(d, 0);
  d.basePos = from;
  d.playing = true;
  d.startedAt = loop_.nowMs();
  d.notifyPending = notify;
  const long frames = std::max(1L, leadOut(disc(d)) - from);
  d.endTimer = loop_.startTimer(static_cast<unsigned>(frames * 1000 / 75), [this, alias] {
    auto it = devices_.find(alias);
    if (it == devices_.end()) return;
    Device& dev = it->second;
    const bool pending = dev.notifyPending;
    halt(dev, 0);
    dev.basePos = leadOut(disc(dev));
    if (pending && post) post(1);
  });
  return ok();
}

void FakeCdAudio::halt(Device& d, unsigned pendingFlag) {
  if (d.playing) d.basePos = position(d);
  d.playing = false;
  if (d.endTimer) loop_.stopTimer(d.endTimer);
  d.endTimer = 0;
  if (d.notifyPending && pendingFlag && post) post(pendingFlag);
  d.notifyPending = false;
}

}  // namespace fakes
