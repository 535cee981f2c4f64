// Text fields: the one-line edit, which reports what the user types, and the read-only memo,
// whose line breaks become the CR LF an edit control shows.
#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

namespace {

class EditPeer : public ControlPeer {
 public:
  EditPeer(Win32Backend& b, Control& c) : ControlPeer(b, c), edit_(static_cast<Edit&>(c)) {}
  Color background() const override { return fieldBackground(); }

  void command(int code, HWND) override {
    if (code == EN_CHANGE) edit_.userTyped(windowText(hwnd()));
  }

 protected:
  WindowKind windowKind() const override {
    return {L"EDIT", static_cast<DWORD>(WS_TABSTOP | ES_AUTOHSCROLL | (edit_.readOnly ? ES_READONLY : 0)),
            WS_EX_CLIENTEDGE};
  }
  void update(unsigned what) override {
    if (what & kChangeState) SendMessageW(hwnd(), EM_LIMITTEXT, edit_.maxLength(), 0);
  }

 private:
  Edit& edit_;
};

class MemoPeer : public ControlPeer {
 public:
  using ControlPeer::ControlPeer;

 protected:
  WindowKind windowKind() const override {
    return {L"EDIT", WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 0};
  }
  void applyCaption() override { SetWindowTextW(hwnd(), widenMultiline(control().caption()).c_str()); }
};

}  // namespace

PeerPtr makeEditPeer(Win32Backend& b, Control& c) { return std::make_unique<EditPeer>(b, c); }
PeerPtr makeMemoPeer(Win32Backend& b, Control& c) { return std::make_unique<MemoPeer>(b, c); }

}  // namespace ui::win32
