#include "archive/archive_access.h"

#include "base/path.h"

namespace archive {

namespace {

constexpr std::uint32_t kOpenMode = 0x00400000;
// The output sizes the library is told, per operation.
constexpr std::uint64_t kHeldFileWaitMs = 3000;
constexpr std::uint32_t kPlayOutput = 2000, kFolderOutput = 300, kEditOutput = 1000, kListOutput = 40000;

}  // namespace

std::string BareEntryName(const std::string& stored) {
  const auto slash = stored.rfind('/');
  return slash == std::string::npos ? stored : stored.substr(slash + 1);
}

ArchiveAccess::ArchiveAccess(core::SharedState& state, platform::FileSystem& fs, ArchiveHost host)
    : S(state), fs_(fs), host_(std::move(host)) {}

std::string ArchiveAccess::CommandLine(const std::string& command, bool progressSwitch,
                                       const std::vector<std::string>& args) const {
  std::string line = command;
  if (progressSwitch && !(S.settings.showExtractWindow && host_.windowShownNormally())) line += " -n";
  for (const std::string& a : args) line += " \"" + a + "\"";
  return line + " ";
}

std::unique_ptr<platform::UnlhaLibrary> ArchiveAccess::load(Use use) {
  host_.pump();
  if (S.run.CloseRequested || !loader_) return nullptr;
  std::vector<std::string> points{"Unlha", "UnlhaGetRunning"};
  if (use == Use::Listing)
    points.insert(points.end(), {"UnlhaOpenArchive", "UnlhaFindFirst", "UnlhaFindNext", "UnlhaCloseArchive"});
  return loader_->Load(points);
}

bool ArchiveAccess::run(platform::UnlhaLibrary& lib, const std::string& commandLine, std::uint32_t outputSize,
                        std::string* output) {
  std::string text;
  S.run.BusyArchive = true;
  const int rc = lib.Unlha(commandLine, text, outputSize);
  S.run.BusyArchive = false;
  if (output) *output = std::move(text);
  return rc == 0;
}

void ArchiveAccess::dropLastExtracted() {
  // A file still held by a closing device cannot go yet: it gets the messages it waits for. One
  // that another program holds may never go; the run goes on without deleting it, and the
  // working folder is emptied at close.
  const std::uint64_t giveUpAt = host_.nowMs() + kHeldFileWaitMs;
  while (!S.LastExtractedFile.empty() && fs_.fileExists(S.LastExtractedFile) &&
         !fs_.removeFile(S.LastExtractedFile)) {
    host_.pump();
    if (S.run.CloseRequested) return;
    if (host_.nowMs() >= giveUpAt) break;
  }
  S.LastExtractedFile.clear();
}

bool ArchiveAccess::ExtractForPlay(const std::string& archive, const std::string& entry,
                                   const std::string& destination) {
  auto lib = load(Use::Command);
  if (!lib) return false;
  if (S.settings.deleteExtracted) {
    dropLastExtracted();
    if (S.run.CloseRequested) return false;
  }
  host_.setTitle(S.TitlePrefix + BareEntryName(entry) + " (解凍中)");
  std::string folder = destination;
  if (folder.empty()) {
    S.LastExtractedFile = S.TempFolder + BareEntryName(entry);
    folder = S.TempFolder;
  }
  const bool ok = run(*lib, CommandLine(" e -m", true, {archive, folder, entry}), kPlayOutput);
  if (!ok) S.LastExtractedFile.clear();
  host_.setTitle(S.IdleTitle);
  return ok;
}

bool ArchiveAccess::ExtractToFolder(const std::string& archive, const std::string& name,
                                    const std::string& destination) {
  auto lib = load(Use::Command);
  if (!lib) return false;
  const std::string folder = destination.empty() ? S.PopFolder : destination;
  return run(*lib, CommandLine(" e -m", true, {archive, folder, name}), kFolderOutput);
}

bool ArchiveAccess::findStored(platform::UnlhaLibrary& lib, const std::string& archive, const std::string& pattern,
                               std::string& stored) {
  S.run.BusyArchive = true;
  const std::uintptr_t h = lib.OpenArchive(archive, kOpenMode);
  const bool found = h != 0 && lib.FindFirst(h, pattern, stored) == 0;
  if (h != 0) lib.CloseArchive(h);
  S.run.BusyArchive = false;
  return found;
}

bool ArchiveAccess::DeleteArchiveEntry(const std::string& archive, const std::string& entry) {
  auto lib = load(Use::Listing);
  std::string stored;
  if (!lib || !findStored(*lib, archive, entry, stored)) return false;
  return run(*lib, CommandLine(" d ", true, {archive, entry}), kEditOutput);
}

bool ArchiveAccess::RenameArchiveEntry(const std::string& archive, const std::string& oldName,
                                       const std::string& newName) {
  auto lib = load(Use::Listing);
  if (!lib) return false;
  std::string stored;
  if (findStored(*lib, archive, newName, stored)) return false;  // the new name is taken
  if (!findStored(*lib, archive, oldName, stored)) return false;
  // Re-adding would lose the entry's folder: such entries keep their name.
  if (stored.find('/') != std::string::npos) return false;
  run(*lib, CommandLine(" d", true, {archive, oldName}), kEditOutput);
  return run(*lib, CommandLine(" a -m", true, {archive, S.PopFolder + newName}), kEditOutput);
}

bool ArchiveAccess::ListArchiveEntries(const std::string& archive, std::vector<std::string>& names) {
  names.clear();
  auto lib = load(Use::Listing);
  if (!lib) return false;
  S.run.BusyArchive = true;
  const std::uintptr_t h = lib->OpenArchive(archive, kOpenMode);
  if (h != 0) {
    std::string stored;
    for (int rc = lib->FindFirst(h, "*.*", stored); rc == 0; rc = lib->FindNext(h, stored))
      names.push_back(BareEntryName(stored));
    lib->CloseArchive(h);
  }
  S.run.BusyArchive = false;
  return !names.empty();
}

bool ArchiveAccess::ListReport(const std::string& archive, std::string& text) {
  auto lib = load(Use::Command);
  return lib && run(*lib, CommandLine(" l -x1", false, {archive}), kListOutput, &text);
}

bool ArchiveAccess::AddFile(const std::string& archive, const std::string& file) {
  auto lib = load(Use::Command);
  if (!lib) return false;
  host_.setTitle(S.TitlePrefix + base::ExtractFileName(file) + " (圧縮中)");
  const bool ok = run(*lib, CommandLine(" a", false, {archive, file}), kEditOutput);
  host_.setTitle(S.IdleTitle);
  return ok;
}

ArchiveAccess::Reach ArchiveAccess::CheckLibrary() {
  if (!loader_ || !loader_->Load({})) return Reach::NoLibrary;
  return load(Use::Command) ? Reach::Ok : Reach::NoEntryPoint;
}

}  // namespace archive
