// The views the main window hands its subsystems: each names just the controls one uses.
#include <stdexcept>
#include <string>

#include "app/Zelcoru.h"
#include "core/control_ids.h"
#include "files/file_list.h"
#include "files/folders.h"
#include "memory/bulk_add.h"
#include "memory/drop.h"
#include "memory/memory_edit.h"
#include "memory/memory_lists.h"
#include "memory/trash.h"
#include "playback/playback.h"
#include "schedule/schedule_panel.h"
#include "tools/file_tools.h"

namespace app {

namespace {
// A control the form description makes without a member of its own.
template <class T>
T& named(const ui::Form& form, const char* name) {
  T* c = dynamic_cast<T*>(form.findControl(name));
  if (!c) throw std::logic_error(std::string("no control ") + name);
  return *c;
}
}  // namespace

// --- memory ---

memory::MemoryListsView TZELCOR32ZUMIK::memoryListsView() {
  return {*this, PanelMemory, ComboBox1, ListBox2, ListBox8, ListBox6, ListBox9,
          named<ui::ListBox>(*this, "ListBoxVM"), Label_MFN_Kosu};
}

memory::MemoryEditView TZELCOR32ZUMIK::memoryEditView() {
  return {Panel_M_EDIT,
          named<ui::Edit>(*this, "Edit_M_EDIT"),
          Btn_M_EDIT,
          named<ui::Button>(*this, "Btn_M_HENKO"),
          named<ui::Button>(*this, "Btn_M_NEW"),
          named<ui::Button>(*this, "Btn_M_DEL"),
          named<ui::Button>(*this, "Btn_M_CANCEL"),
          ComboBox1,
          ListBox2,
          ListBox8,
          ListBox_JK,
          Label_JK_KOSU};
}

memory::TrashView TZELCOR32ZUMIK::trashView() {
  return {PanelGomi,
          Panel_JK,
          named<ui::Image>(*this, "Image1"),
          ListBox4,
          ListBox2,
          ListBox8,
          ListBox6,
          ListBox9,
          named<ui::ListBox>(*this, "ListBoxVG"),
          named<ui::Label>(*this, "Label7"),
          named<ui::Label>(*this, "LabelGomiKosu2"),
          named<ui::Label>(*this, "LabelGomiTUIKA"),
          LabelGomiSASIN,
          CheckBoxGomi,
          named<ui::Button>(*this, "ButtonMCut"),
          named<ui::Button>(*this, "ButtonGomiCut"),
          named<ui::Button>(*this, "Button_GOMI_ALLCLR"),
          named<ui::Button>(*this, "ButtonGomiOFF")};
}

memory::DragDropView TZELCOR32ZUMIK::dragDropView() {
  return {*this, ListBox4, ListBox2, ListBox8, ListBox6, ListBox9,
          menu("PopupMenu1"), menu("P0"), menu("P1"), menu("P2"), menu("P3")};
}

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
          named<ui::ListBox>(*this, "ListBoxCD"),
          menu("K6"),
          ButtonKaka,
          PanelKaKo,
          ListBoxKaKo,
          LabelKaKo,
          named<ui::Button>(*this, "ButtonKaKoOK"),
          named<ui::Button>(*this, "ButtonKaKoRESET"),
          named<ui::Button>(*this, "ButtonKaKoALLCUT"),
          named<ui::Button>(*this, "ButtonKaKoCUT")};
}

memory::BulkAddView TZELCOR32ZUMIK::bulkAddView() {
  return {*this,     PanelFF,   Button7,  Button11, named<ui::Button>(*this, "Button12"),
          ComboBox2, TreeView1, ListBox1, ListBox2, ListBox4,
          ListBox8};
}

// --- playback ---
playback::PlaybackView TZELCOR32ZUMIK::playbackView() {
  // The pause point's spins, the MP3 panel's controls and the tune details exist only for playback.
  auto button = [this](ui::Control* parent, const char* name, int id) -> ui::Button& {
    return add<ui::Button>(parent, name, id);
  };
  ui::Button& spin4Down = button(&PanelResume, "SpinButton4Down", ids::SpinButton4Down);
  ui::Button& spin4Up = button(&PanelResume, "SpinButton4Up", ids::SpinButton4Up);
  ui::Button& spin5Down = button(&PanelResume, "SpinButton5Down", ids::SpinButton5Down);
  ui::Button& spin5Up = button(&PanelResume, "SpinButton5Up", ids::SpinButton5Up);
  ui::Button& spin6Down = button(&PanelResume, "SpinButton6Down", ids::SpinButton6Down);
  ui::Button& spin6Up = button(&PanelResume, "SpinButton6Up", ids::SpinButton6Up);
  ui::Button& mp3Stop = button(&Panel_MP3, "Button_MP3_STOP", ids::Button_MP3_STOP);
  ui::Button& mp3Play = button(&Panel_MP3, "Button_MP3_PLAY", ids::Button_MP3_PLAY);
  auto& mp3Bar = add<ui::ScrollBar>(&Panel_MP3, "ScrollBar_MP3", ids::ScrollBar_MP3);
  ui::Timer& mp3Err = addTimer("Timer_MP3_ERR");
  auto& name = add<ui::Label>(&PanelKZ, "LabelWAVName", ids::LabelWAVName);
  auto& data = add<ui::Label>(&PanelKZ, "LabelWavData", ids::LabelWavData);
  // The CD panel's controls and its start timer.
  auto cdButton = [&](const char* n, int id) -> ui::Button& { return button(&PanelCD, n, id); };
  auto& cdLength = add<ui::Label>(&PanelCD, "LabelCD_CLEN", ids::LabelCD_CLEN);
  ui::Button& cdPause = cdButton("ButtonCD_PAUSE", ids::ButtonCD_PAUSE);
  ui::Button& cdResume = cdButton("ButtonCD_RESUME", ids::ButtonCD_RESUME);
  ui::Button& cdOrigin = cdButton("ButtonCDPOSINI", ids::ButtonCDPOSINI);
  ui::Button& spin1Down = cdButton("SpinButton1Down", ids::SpinButton1Down);
  ui::Button& spin1Up = cdButton("SpinButton1Up", ids::SpinButton1Up);
  ui::Button& spin2Down = cdButton("SpinButton2Down", ids::SpinButton2Down);
  ui::Button& spin2Up = cdButton("SpinButton2Up", ids::SpinButton2Up);
  ui::Button& spin3Down = cdButton("SpinButton3Down", ids::SpinButton3Down);
  ui::Button& spin3Up = cdButton("SpinButton3Up", ids::SpinButton3Up);
  return {*this, Button2, Button3, Button5, Button10, ButtonWait, RadioGroup1, CheckBox1,
          ListBox4, ListBox2, ListBox8, ListBox3, ListBox6, ListBox9,
          ComboBox1,
          TimerPlayStart, Timer2, Timer4, Timer11, Timer3, TimerSEEK, Timer_MP3_Start, Timer_MP3_LOOP, mp3Err,
          ScrollBar1, mp3Bar, StatusBar1, StatusBar2, PanelBar, PanelResume, Panel_MP3, PanelCD,
          ButtonStop2, ButtonResume, ButtonRsumeINI,
          spin4Down, spin4Up, spin5Down, spin5Up, spin6Down, spin6Up, mp3Stop, mp3Play, name, data,
          menu("ME_kosu"), menu("SAISEIBAR"), ExtensionBoxes,
          named<ui::ListBox>(*this, "ListBoxCD"), addTimer("TimerCD", 500), TimerCD_LOOP, cdLength,
          cdPause, cdResume, cdOrigin, spin1Down, spin1Up, spin2Down, spin2Up, spin3Down, spin3Up, Timer5,
          named<ui::ListBox>(*this, "ListBoxVM"), named<ui::ListBox>(*this, "ListBoxVG"),
          named<ui::ListBox>(*this, "ListBoxVL")};
}


// --- schedule ---
schedule::SchedulePanelView TZELCOR32ZUMIK::schedulePanelView() {
  return {*this,           Panel_JK,      ListBox_JK, ComboBox_TM_Mode, ComboBox_TM_SUB, Label_JK_MODE,
          Label_JK_TM,     Label_JK_KOSU, Panel_JK_DISP, Button_JK,      ComboBox1,       Button11,
          Btn_M_EDIT,      [this](bool on) { ShowPanel(Panel_JK, on); }};
}

// --- file tools ---

tools::FileToolsView TZELCOR32ZUMIK::fileToolsView() {
  return {ListBox4, ListBox2, ListBox8, named<ui::ListBox>(*this, "ListBoxVM"), ListBox6, ListBox9,
          named<ui::ListBox>(*this, "ListBoxVG"), ComboBox2};
}

}  // namespace app
