// An image: one of the system's message icons or a picture of the player's own, or an etched
// frame while it shows none.
#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/pictures.h"

namespace ui::win32 {

namespace {

class ImagePeer : public ControlPeer {
 public:
  ImagePeer(Win32Backend& b, Control& c) : ControlPeer(b, c), image_(static_cast<Image&>(c)) {}

 protected:
  WindowKind windowKind() const override { return {L"STATIC", styleFor(image_.icon()), 0}; }
  bool watchesMouse() const override { return true; }
  void applyCaption() override {}
  void update(unsigned what) override {
    if (!(what & kChangeState)) return;
    // A picture given after the window exists needs the icon style the frame lacks.
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE));
    const DWORD want = (style & ~(SS_TYPEMASK | SS_CENTERIMAGE)) | styleFor(image_.icon());
    if (want != style) {
      SetWindowLongPtrW(hwnd(), GWL_STYLE, want);
      InvalidateRect(hwnd(), nullptr, TRUE);
    }
    SendMessageW(hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(iconFor(image_.icon())), 0);
  }

 private:
  // SS_NOTIFY: a static window lets the mouse through to its parent without it.
  static DWORD styleFor(Image::Icon icon) {
    return SS_NOTIFY | (icon == Image::Icon::None ? SS_ETCHEDFRAME : SS_ICON | SS_CENTERIMAGE);
  }
  static HICON iconFor(Image::Icon icon) {
    switch (icon) {
      case Image::Icon::Information: return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION));
      case Image::Icon::Question: return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_QUESTION));
      case Image::Icon::Exclamation: return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WARNING));
      case Image::Icon::Trash: return TrashPicture(false);
      case Image::Icon::TrashFull: return TrashPicture(true);
      case Image::Icon::None: break;
    }
    return nullptr;
  }

  Image& image_;
};

}  // namespace

PeerPtr makeImagePeer(Win32Backend& b, Control& c) { return std::make_unique<ImagePeer>(b, c); }

}  // namespace ui::win32
