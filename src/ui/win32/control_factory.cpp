#include "ui/win32/peer_kinds.h"

namespace ui::win32 {

namespace {

PeerPtr makePeer(Win32Backend& b, Control& c) {
  switch (c.kind()) {
    case Kind::Panel: return makePanelPeer(b, c);
    case Kind::RadioGroup: return makeRadioGroupPeer(b, c);
    case Kind::Button: return makeButtonPeer(b, c);
    case Kind::Label: return makeLabelPeer(b, c);
    case Kind::CheckBox: return makeCheckBoxPeer(b, c);
    case Kind::ListBox: return makeListBoxPeer(b, c);
    case Kind::ComboBox: return makeComboBoxPeer(b, c);
    case Kind::Edit: return makeEditPeer(b, c);
    case Kind::Memo: return makeMemoPeer(b, c);
    case Kind::StatusBar: return makeStatusBarPeer(b, c);
    case Kind::ScrollBar: return makeScrollBarPeer(b, c);
    case Kind::Header: return makeHeaderPeer(b, c);
    case Kind::TreeView: return makeTreeViewPeer(b, c);
    case Kind::ListView: return makeListViewPeer(b, c);
    case Kind::Image: return makeImagePeer(b, c);
    case Kind::Form: break;  // forms are the backend's own windows
  }
  return nullptr;
}

}  // namespace

HWND createControlWindow(Win32Backend& backend, Control& control, HWND parent) {
  PeerPtr peer = makePeer(backend, control);
  if (!peer) return nullptr;
  ControlPeer* raw = peer.get();
  control.setPeer(std::move(peer));
  return raw->create(parent);
}

}  // namespace ui::win32
