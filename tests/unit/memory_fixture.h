#pragma once
// The memory lists, their editing, the trash and the drops on a bare form with just their
// controls, on fakes and the virtual clock: data folder C:\ZELCOR\. Message boxes are
// answered at once: each text is kept in messages (line ends as LF), a question is answered
// by answerYes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/services.h"
#include "core/shared_state.h"
#include "dialogs/Mkdlg.h"
#include "dialogs/mk.h"
#include "fakes/fake_platform.h"
#include "test_support.h"
#include "memory/drop.h"
#include "memory/memory_edit.h"
#include "memory/memory_lists.h"
#include "memory/trash.h"

struct MemoryFixture : ::testing::Test, fakes::FakeWorld {
  core::SharedState S;
  const std::string data = "C:\\ZELCOR\\";
  std::vector<std::string> messages;
  bool answerYes = true;

  ui::Form form{application, "Form", "TForm"};
  dialogs::TMKBoxDlg box{application};
  template <class T>
  T& add(const char* name, bool multiSelect = false) {
    T& c = form.add<T>(nullptr, name, 0);
    if constexpr (std::is_same_v<T, ui::ListBox>) c.multiSelect = multiSelect;
    return c;
  }
  ui::Panel &PanelMemory = add<ui::Panel>("PanelMemory"), &PanelGomi = add<ui::Panel>("PanelGomi"),
            &Panel_JK = add<ui::Panel>("Panel_JK"), &Panel_M_EDIT = add<ui::Panel>("Panel_M_EDIT");
  ui::ComboBox& ComboBox1 = add<ui::ComboBox>("ComboBox1");
  ui::ListBox &ListBox2 = add<ui::ListBox>("ListBox2", true), &ListBox8 = add<ui::ListBox>("ListBox8", true),
              &ListBox6 = add<ui::ListBox>("ListBox6", true), &ListBox9 = add<ui::ListBox>("ListBox9", true),
              &ListBox4 = add<ui::ListBox>("ListBox4", true), &ListBoxVM = add<ui::ListBox>("ListBoxVM"),
              &ListBoxVG = add<ui::ListBox>("ListBoxVG"), &ListBox_JK = add<ui::ListBox>("ListBox_JK");
  ui::Label &Label_MFN_Kosu = add<ui::Label>("Label_MFN_Kosu"), &Label_JK_KOSU = add<ui::Label>("Label_JK_KOSU"),
            &Label7 = add<ui::Label>("Label7"), &LabelGomiKosu2 = add<ui::Label>("LabelGomiKosu2"),
            &LabelGomiTUIKA = add<ui::Label>("LabelGomiTUIKA"), &LabelGomiSASIN = add<ui::Label>("LabelGomiSASIN");
  ui::Image& Image1 = add<ui::Image>("Image1");
  ui::CheckBox& CheckBoxGomi = add<ui::CheckBox>("CheckBoxGomi");
  ui::Edit& Edit_M_EDIT = add<ui::Edit>("Edit_M_EDIT");
  ui::Button &Btn_M_EDIT = add<ui::Button>("Btn_M_EDIT"), &Btn_M_HENKO = add<ui::Button>("Btn_M_HENKO"),
             &Btn_M_NEW = add<ui::Button>("Btn_M_NEW"), &Btn_M_DEL = add<ui::Button>("Btn_M_DEL"),
             &Btn_M_CANCEL = add<ui::Button>("Btn_M_CANCEL"), &ButtonMCut = add<ui::Button>("ButtonMCut"),
             &ButtonGomiCut = add<ui::Button>("ButtonGomiCut"), &Button_GOMI_ALLCLR = add<ui::Button>("Button_GOMI_ALLCLR"),
             &ButtonGomiOFF = add<ui::Button>("ButtonGomiOFF");
  ui::MenuItem& PopupMenu1 = form.addPopup("PopupMenu1");
  ui::MenuItem &P0 = PopupMenu1.add("P0", 0, ""), &P1 = PopupMenu1.add("P1", 0, ""),
               &P2 = PopupMenu1.add("P2", 0, ""), &P3 = PopupMenu1.add("P3", 0, "");

  memory::MemoryLists lists{{form, PanelMemory, ComboBox1, ListBox2, ListBox8, ListBox6, ListBox9, ListBoxVM,
                             Label_MFN_Kosu},
                            S, services, application};
  memory::MemoryEdit edit{{Panel_M_EDIT, Edit_M_EDIT, Btn_M_EDIT, Btn_M_HENKO, Btn_M_NEW, Btn_M_DEL, Btn_M_CANCEL,
                           ComboBox1, ListBox2, ListBox8, ListBox_JK, Label_JK_KOSU},
                          S, services, lists, box};
  memory::Trash trash{{PanelGomi, Panel_JK, Image1, ListBox4, ListBox2, ListBox8, ListBox6, ListBox9, ListBoxVG, Label7,
                       LabelGomiKosu2, LabelGomiTUIKA, LabelGomiSASIN, CheckBoxGomi, ButtonMCut, ButtonGomiCut,
                       Button_GOMI_ALLCLR, ButtonGomiOFF},
                      S, services, lists, box, application};
  memory::DragDrop drop{{form, ListBox4, ListBox2, ListBox8, ListBox6, ListBox9, PopupMenu1, P0, P1, P2, P3}, S,
                        application, trash};

  MemoryFixture() {
    fs.addFolder("C:\\ZELCOR");
    S.DataFolder = data;
    // Full entries shown and drops added to the trash, unless a test says otherwise.
    S.settings.namesOnly = false;
    S.settings.trashClearMode = false;
    testing_support::AnswerBoxesAtOnce(application, messages, answerYes);
  }

  // What start-up does for these subsystems, with the memory named in the settings.
  void start(const std::string& memoryName = "") {
    S.settings.currentMemory = memoryName;
    lists.restoreAtStart();
    trash.restoreAtStart();
  }
  std::string file(const std::string& name) { return fs.contents(data + name).value_or("<missing>"); }
};
