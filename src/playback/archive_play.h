#pragma once
// Playing from an LZH archive: Timer5 lists the archive (or the one entry an archive reference
// names) into ListBox3 and makes it the play list, with the entries' volume values in
// ListBoxVL; each entry is extracted to LZH_TEMP just before it plays; in random mode the
// archive stays one entry of its parent's pool, carrying the entries it has not played yet,
// until all of them have played.
#include <random>
#include <string>
#include <vector>

namespace ui {
class ListBox;
}

namespace playback {

class Playback;

class ArchivePlay {
 public:
  explicit ArchivePlay(Playback& pb) : pb_(pb) {}

  // An archive path (an ".LZH" entry) or a reference "/" + archive + "/" + entry: opened on
  // Timer5. volumeLine is the entry's volume line: the packed values of an archive's entries,
  // or the one value of a reference. pickedPool is the parent's random pool when the entry
  // was drawn from one.
  void Open(const std::string& entry, const std::string& volumeLine, std::vector<std::string>* pickedPool);
  void Timer5Timer();
  // Draws the next entry of the archive in random mode into ListBox3.tag; false when the
  // archive has played out (the advance then leaves it).
  bool DrawEntry(std::mt19937& rng);
  // Extracts the entry to LZH_TEMP for playing.
  bool Extract(const std::string& name);
  // "/" + archive path + "/" + name: what the history records for an entry.
  std::string Reference(const std::string& name) const { return "/" + archivePath_ + "/" + name; }
  void Leave();

  std::vector<std::string> pool;     // ListBoxRL: entries of the archive not yet played

 private:
  void dropParentEntry();

  Playback& pb_;
  std::string pending_, pendingVolumes_, archivePath_;
  std::vector<std::string>* parentPool_ = nullptr;
  std::string parentEntry_;  // the parent pool entry the archive was drawn as
  int parentIndex_ = -1;
  bool busy_ = false;
};

// The archive path and entry of a reference "/" + archive + "/" + entry; the archive path
// ends at the first "/" after the leading one.
bool SplitArchiveReference(const std::string& reference, std::string& archive, std::string& entry);

}  // namespace playback
