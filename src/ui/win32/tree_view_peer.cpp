// The folder tree: nodes in display order with their depth, the open ones expanded; only the
// user's own choice of a node is reported back.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

namespace {

class TreeViewPeer : public ControlPeer {
 public:
  TreeViewPeer(Win32Backend& b, Control& c) : ControlPeer(b, c), tree_(static_cast<TreeView&>(c)) {}
  Color background() const override { return fieldBackground(); }

  bool notify(const NMHDR& hdr, LRESULT& result) override {
    if (hdr.code != TVN_SELCHANGEDW) return false;
    const auto& tv = reinterpret_cast<const NMTREEVIEWW&>(hdr);
    // Selections the program makes are not echoed back.
    if (tv.action == TVC_BYMOUSE || tv.action == TVC_BYKEYBOARD) tree_.userSelect(static_cast<int>(tv.itemNew.lParam));
    result = 0;
    return true;
  }

 protected:
  WindowKind windowKind() const override {
    return {WC_TREEVIEWW, WS_TABSTOP | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
            WS_EX_CLIENTEDGE};
  }
  void created() override { applyColors(); }
  void applyCaption() override {}
  void update(unsigned what) override {
    if (what & kChangeItems) applyNodes();
    if (what & (kChangeColor | kChangeFont)) applyColors();
  }

 private:
  void applyColors() {
    SendMessageW(hwnd(), TVM_SETBKCOLOR, 0, background() == kWindowColor ? -1 : colorRef(background()));
    SendMessageW(hwnd(), TVM_SETTEXTCOLOR, 0, colorRef(tree_.fontColor()));
  }

  void applyNodes() {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    std::vector<HTREEITEM> openAt;  // the open node of each depth so far
    std::vector<HTREEITEM> items;
    for (int i = 0; i < static_cast<int>(tree_.nodes().size()); ++i) {
      const auto& n = tree_.nodes()[i];
      std::wstring text = widen(n.text);
      TVINSERTSTRUCTW ins{};
      ins.hParent = n.depth > 0 && n.depth <= static_cast<int>(openAt.size()) ? openAt[n.depth - 1] : TVI_ROOT;
      ins.hInsertAfter = TVI_LAST;
      ins.item.mask = TVIF_TEXT | TVIF_PARAM;
      ins.item.pszText = text.data();
      ins.item.lParam = i;
      auto h = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
      items.push_back(h);
      if (n.open) {
        openAt.resize(n.depth);
        openAt.push_back(h);
      }
    }
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
      if (tree_.nodes()[i].open) SendMessageW(hwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(items[i]));
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    if (tree_.selected() >= 0) {
      SendMessageW(hwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[tree_.selected()]));
      SendMessageW(hwnd(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(items[tree_.selected()]));
    }
  }

  TreeView& tree_;
};

}  // namespace

PeerPtr makeTreeViewPeer(Win32Backend& b, Control& c) { return std::make_unique<TreeViewPeer>(b, c); }

}  // namespace ui::win32
