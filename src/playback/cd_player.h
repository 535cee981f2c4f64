#pragma once
// Audio CD tracks on the CD channel: the disc identity, starting a track from its place on
// the disc (TimerCD), the once-a-second loop that stops it at the track's end
// (TimerCD_LOOP), pause with the three spins and resume, and the track names of the CD
// player's settings file.
#include <string>

namespace playback {

class Playback;

// The track number of a track file: the two characters before the name's first "."
// ("Track07.cda" is 7); 0 unless 1 … 99.
int CdTrackNumber(const std::string& fileName);
// The identity text of MCI's decimal reply: hexadecimal, leading zeros gone; empty when the
// reply is no number.
std::string CdIdentityText(const std::string& decimalReply);
// A ">" reference entry split into the track path and the disc identity; false for any other entry.
bool SplitCdReference(const std::string& entry, std::string& path, std::string& identity);

struct CdState {
  int CdTrackNo = 0;
  int CdTrackCount = 0;
  std::string CdStartPos, CdEndPos, CdCurPos, CdTrackLen, CdPausePos, CdPauseOrigin;
  bool CdPaused = false;
};

class CdPlayer {
 public:
  explicit CdPlayer(Playback& pb) : pb_(pb) {}
  // Captions, hints and places of the CD panel's controls, and their handlers.
  void createAndWire();

  // Position (from 1) of "X:" in the CD drive list; 0 when it is no CD drive.
  int DriveOrdinal(const std::string& drive) const;
  // Every ninth drive of the list cannot be opened.
  static bool Forbidden(int ordinal) { return ordinal > 0 && ordinal % 9 == 0; }
  // The identity of the disc in the drive, or empty.
  std::string DiscIdentity(char drive);
  // "    " unless names are on and the identity is known.
  std::string TrackName(const std::string& identity, const std::string& fileName);
  // The name of a ">" entry for the names-only lists.
  std::string TrackNameOfEntry(const std::string& entry);

  // The driver's CD route for PlayFile; false: skip the entry.
  bool Route(const std::string& expectedIdentity, const std::string& displayName);
  void TimerCDTimer();
  void TimerCD_LOOPTimer();
  void ButtonCD_PAUSEClick();
  void ButtonCD_RESUMEClick();
  // unit: "01:00:00", "00:01:00" or "00:00:01"; direction -1 or +1.
  void SpinClick(const std::string& unit, int direction);
  void ButtonCDPOSINIClick();
  void StopCdAndContinue();
  // The completion message while a CD track is the tune.
  void MciNotify(unsigned flags);

  CdState cd;

 private:
  bool startTrack();
  bool setTimeFormat(const char* command);
  // The trimmed reply of a status query tried up to three times; empty when it never succeeds.
  std::string query(const std::string& command, int tries);
  void showTrack();
  // The pause button, or the resume button under it.
  void showPauseButton(bool on);

  Playback& pb_;
  bool busyStart_ = false, busyLoop_ = false, busyStop_ = false;
};

}  // namespace playback
