// The views: the controls of the main window each subsystem works on, handed over in one place.
#include "app/Zelcoru.h"
#include "app/control_ids.h"
#include "playback/playback.h"

namespace app {

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
  return {*this, Button2, Button3, Button5, Button10, ButtonWait, RadioGroup1, CheckBox1,
          ListBox4, ListBox2, ListBox8, ListBox3, ListBox6, ListBox9,
          ComboBox1,
          TimerPlayStart, Timer2, Timer4, Timer11, Timer3, TimerSEEK, Timer_MP3_Start, Timer_MP3_LOOP, mp3Err,
          ScrollBar1, mp3Bar, StatusBar1, StatusBar2, PanelBar, PanelResume, Panel_MP3, PanelCD,
          ButtonStop2, ButtonResume, ButtonRsumeINI,
          spin4Down, spin4Up, spin5Down, spin5Up, spin6Down, spin6Up, mp3Stop, mp3Play, name, data,
          menu("ME_kosu"), menu("SAISEIBAR"), ExtensionBoxes};
}

}  // namespace app
