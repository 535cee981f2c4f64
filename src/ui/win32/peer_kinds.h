#pragma once
// The peer of each kind of control, made by the one factory in control_factory.cpp.
#include <memory>

#include "ui/win32/control_peer.h"

namespace ui::win32 {

using PeerPtr = std::unique_ptr<ControlPeer>;

PeerPtr makePanelPeer(Win32Backend& b, Control& c);
PeerPtr makeRadioGroupPeer(Win32Backend& b, Control& c);
PeerPtr makeButtonPeer(Win32Backend& b, Control& c);
PeerPtr makeLabelPeer(Win32Backend& b, Control& c);
PeerPtr makeCheckBoxPeer(Win32Backend& b, Control& c);
PeerPtr makeListBoxPeer(Win32Backend& b, Control& c);
PeerPtr makeComboBoxPeer(Win32Backend& b, Control& c);
PeerPtr makeEditPeer(Win32Backend& b, Control& c);
PeerPtr makeMemoPeer(Win32Backend& b, Control& c);
PeerPtr makeStatusBarPeer(Win32Backend& b, Control& c);
PeerPtr makeScrollBarPeer(Win32Backend& b, Control& c);
PeerPtr makeHeaderPeer(Win32Backend& b, Control& c);
PeerPtr makeTreeViewPeer(Win32Backend& b, Control& c);
PeerPtr makeListViewPeer(Win32Backend& b, Control& c);
PeerPtr makeImagePeer(Win32Backend& b, Control& c);

// The window class of panels and radio groups, whose messages the backend routes.
extern const wchar_t kContainerClass[];

// Enter presses the form's default button and Escape its cancel button, as in a dialog
// (false when the form has none that can be pressed).
bool pressDialogButton(Form& form, WPARAM key);

}  // namespace ui::win32
