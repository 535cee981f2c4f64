// The controls each subsystem sees, filled in one place.
#include "app/Zelcoru.h"
#include "files/file_list.h"
#include "files/folders.h"
#include "memory/bulk_add.h"

namespace app {

namespace {
template <class T>
T& control(ui::Form& form, const char* name) {
  return static_cast<T&>(*form.findControl(name));
}
}  // namespace

// --- files ---

files::FileListView TZELCOR32ZUMIK::fileListView() {
  return {ListBox4,  ListBox1,       ListBox2,       ListBox3,   ListBox6,   ListBox8, ListBox9,
          ListBoxKaKo, LabelKaKo,    HeaderControl1, StatusBar1, StatusBar2, CB32,     Button13,
          Button14,  Edit1,          ExtensionBoxes, AttributeBoxes};
}

files::FoldersView TZELCOR32ZUMIK::foldersView() {
  return {ListBox1,
          TreeView1,
          HeaderFolder,
          ComboBox2,
          control<ui::ListBox>(*this, "ListBoxCD"),
          menu("K6"),
          ButtonKaka,
          PanelKaKo,
          ListBoxKaKo,
          LabelKaKo,
          control<ui::Button>(*this, "ButtonKaKoOK"),
          control<ui::Button>(*this, "ButtonKaKoRESET"),
          control<ui::Button>(*this, "ButtonKaKoALLCUT"),
          control<ui::Button>(*this, "ButtonKaKoCUT")};
}

memory::BulkAddView TZELCOR32ZUMIK::bulkAddView() {
  return {*this,     PanelFF,   Button7,  Button11, control<ui::Button>(*this, "Button12"),
          ComboBox2, TreeView1, ListBox1, ListBox2, ListBox4,
          ListBox8};
}

}  // namespace app
