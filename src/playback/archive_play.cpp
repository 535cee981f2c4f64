#include "playback/archive_play.h"

#include <algorithm>

#include "base/path.h"
#include "base/sjis.h"
#include "memory/volume_line.h"
#include "playback/playback.h"
#include "playback/random_pool.h"

namespace playback {

namespace {
constexpr std::size_t kMaxPoolPieces = 1000;
}

bool SplitArchiveReference(const std::string& reference, std::string& archive, std::string& entry) {
  if (reference.size() < 2 || reference[0] != '/') return false;
  const auto slash = reference.find('/', 1);
  if (slash == std::string::npos) return false;
  archive = reference.substr(1, slash - 1);
  entry = reference.substr(slash + 1);
  return !archive.empty() && !entry.empty();
}

void ArchivePlay::Open(const std::string& entry, const std::string& volumeLine, std::vector<std::string>* pickedPool) {
  pending_ = entry;
  pendingVolumes_ = volumeLine;
  parentPool_ = pickedPool;
  parentIndex_ = pb_.st.PoolPickIndex;
  parentEntry_ = pickedPool ? pb_.st.PoolPickText : "";
  // The archive goes back into its parent's pool until all its entries have played.
  if (parentPool_) {
    parentIndex_ = std::clamp(parentIndex_, 0, static_cast<int>(parentPool_->size()));
    parentPool_->insert(parentPool_->begin() + parentIndex_, parentEntry_);
  }
  pb_.w.Timer5.setEnabled(true);
}

void ArchivePlay::Timer5Timer() {
  auto& w = pb_.w;
  if (busy_) return;
  busy_ = true;
  w.Timer5.setEnabled(false);
  pb_.pump();
  busy_ = false;
  if (pb_.S.run.CloseRequested) return;
  std::string archive = pending_, only;
  if (pending_[0] == '/') SplitArchiveReference(pending_, archive, only);
  std::vector<std::string> names;
  pb_.links.archives.ListArchiveEntries(archive, names);
  if (!only.empty()) {
    const std::string wanted = base::UpperCase(only);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string& n) { return base::UpperCase(n) != wanted; }),
                names.end());
    names.resize(std::min<std::size_t>(names.size(), 1));
  }
  if (names.empty()) {
    // An archive that cannot be read never plays: it leaves the random pool for good.
    dropParentEntry();
    return pb_.armAdvance();
  }
  archivePath_ = archive;
  w.ListBox3.setItems(names);
  w.ListBoxVL.setItems(only.empty() ? memory::UnpackArchiveVolumes(pendingVolumes_, names.size())
                                    : std::vector<std::string>{pendingVolumes_});
  w.ListBox3.tag = pb_.st.PlayModeStep == kReverse ? w.ListBox3.count() - 1 : 0;
  // A composite pool entry carries the entries still to play; a fresh one starts with all.
  const auto slash = parentEntry_.find('/');
  if (parentPool_ && slash != std::string::npos) {
    pool.clear();
    for (std::size_t at = slash + 1, end; (end = parentEntry_.find('/', at)) != std::string::npos; at = end + 1)
      pool.push_back(parentEntry_.substr(at, end - at));
  } else {
    RebuildPool(pool, w.ListBox3.count());
  }
  pb_.S.run.InArchive = true;
  w.ListBox3.setVisible(true);
  if (!pb_.S.run.ShutDown) w.Timer2.setEnabled(true);
}

bool ArchivePlay::DrawEntry(std::mt19937& rng) {
  ui::ListBox& list = pb_.w.ListBox3;
  do {
    std::string text;
    if (DrawFromPool(pool, rng, text) < 0) {
      dropParentEntry();
      return false;
    }
    list.tag = PoolEntryIndex(text);
  } while (list.tag < 0 || list.tag > list.count() - 1);
  if (!parentPool_ || parentIndex_ >= static_cast<int>(parentPool_->size())) return true;
  if (pool.empty()) {
    dropParentEntry();
  } else {
    std::string& entry = (*parentPool_)[parentIndex_];
    entry = entry.substr(0, entry.find('/')) + "/";
    for (std::size_t i = 0; i < std::min(pool.size(), kMaxPoolPieces); ++i) entry += pool[i] + "/";
  }
  return true;
}

void ArchivePlay::dropParentEntry() {
  if (parentPool_ && parentIndex_ >= 0 && parentIndex_ < static_cast<int>(parentPool_->size()))
    parentPool_->erase(parentPool_->begin() + parentIndex_);
  parentPool_ = nullptr;
}

bool ArchivePlay::Extract(const std::string& name) {
  const bool ok = pb_.links.archives.ExtractForPlay(archivePath_, name);
  pb_.pump();
  return ok && !pb_.S.run.CloseRequested;
}

void ArchivePlay::Leave() {
  pb_.S.run.InArchive = false;
  pb_.w.ListBox3.setVisible(false);
}

}  // namespace playback
