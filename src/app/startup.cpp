#include "app/startup.h"

#include "core/settings.h"
#include "base/buffered_copy.h"
#include "base/path.h"
#include "base/sjis.h"
#include "desktop/setup_plan.h"

namespace app {

const char kMainWindowClass[] = "TZELCOR32ZUMIK";
const char kSetupWindowClass[] = "TBGM_SETUPFM";

StartDecision DecideStart(const std::vector<std::string>& params, const std::string& exeFileName,
                          platform::Registry& reg, platform::InstanceLink& link) {
  StartDecision d;
  if (!params.empty() && params[0] == "/uninstall") {
    d.kind = StartKind::Setup;
    d.setupMode = link.windowExists(kMainWindowClass) || link.windowExists(kSetupWindowClass) ? SetupMode::Running
                                                                                                : SetupMode::Uninstall1;
    return d;
  }
  // The copy is started while the first stage's window is still closing: no window check.
  if (base::LowerCase(exeFileName) == desktop::kUninstallerName) {
    d.kind = StartKind::Setup;
    d.setupMode = SetupMode::Uninstall2;
    return d;
  }
  if (link.windowExists(kMainWindowClass)) {
    link.forward(kMainWindowClass, JoinForwarded(params));
    d.kind = StartKind::Forwarded;
    return d;
  }
  int version = core::StoredVersion(reg);
  // A program named "...SETUP..." always runs the setup window.
  if (base::UpperCase(exeFileName).find("SETUP") != std::string::npos) version = core::kBuildVersion + 1;
  if (version == core::kBuildVersion) {
    d.kind = StartKind::Player;
  } else {
    d.kind = link.windowExists(kSetupWindowClass) ? StartKind::SetupRunning : StartKind::Setup;
  }
  return d;
}

void ApplyParameter(CommandLine& cl, const std::string& param, platform::FileSystem& fs) {
  if (param.empty()) return;
  std::string p = param;
  if (p[0] == '-') p[0] = '/';
  if (p[0] == '/') {
    const std::string sw = base::UpperCase(p);
    if (sw == "/PLAY") cl.play = true;
    else if (sw == "/CLOSE") cl.close = true;
    else if (sw == "/C") cl.closeC = true;
    else if (sw == "/WC") cl.winClose = true;
    else if (sw == "/T") cl.tray = true;
    return;
  }
  if (p.size() > 6 && p[1] == ':' && p[2] == '\\' && fs.fileExists(p)) cl.files.push_back(fs.longPath(p));
}

CommandLine ParseCommandLine(const std::vector<std::string>& params, platform::FileSystem& fs) {
  CommandLine cl;
  for (auto& p : params) ApplyParameter(cl, p, fs);
  return cl;
}

std::string JoinForwarded(const std::vector<std::string>& params) {
  std::string text;
  for (std::size_t i = 0; i < params.size(); ++i) {
    if (i) text += '?';
    text += params[i];
  }
  return text;
}

std::vector<std::string> SplitForwarded(const std::string& text) {
  std::vector<std::string> pieces;
  std::string piece;
  for (char c : text + "?") {
    if (c == '?') {
      if (!piece.empty()) pieces.push_back(piece);
      piece.clear();
    } else {
      piece += c;
    }
  }
  return pieces;
}

std::vector<std::string> AcceptedDrops(const std::vector<std::string>& paths) {
  std::vector<std::string> kept;
  for (auto& p : paths) {
    if (p.size() > 300) continue;
    if (p.size() > 6 && p[1] == ':' && p[2] == '\\') kept.push_back(p);
  }
  return kept;
}

void MigrateOldLists(platform::FileSystem& fs, platform::Registry& reg, const std::string& dataFolder) {
  using platform::Hive;
  auto done = reg.readString(Hive::CurrentUser, core::kSettingsKey, "OLD_M");
  if (!done || done->empty()) {
    struct KindOfList {
      const char* prefix;
      const char* newExt;
    };
    const KindOfList kinds[] = {{"ZeLC32M", ".LIM"}, {"ZeLC32V", ".LIV"}, {"ZeLC32R", ".LIR"}};
    for (int n = 0; n <= 10; ++n) {
      const std::string name = n < 10 ? std::string(1, static_cast<char>('0' + n)) : "H";
      for (auto& k : kinds) {
        const std::string base = dataFolder + k.prefix + name;
        if (!fs.fileExists(base + ".LIS")) break;
        if (!fs.rename(base + ".LIS", base + ".LISOLD")) break;
        if (!base::CopyFileBuffered(fs, base + ".LISOLD", base + k.newExt).empty()) break;
      }
    }
  }
  reg.writeString(Hive::CurrentUser, core::kSettingsKey, "OLD_M", "OK");
}

}  // namespace app
