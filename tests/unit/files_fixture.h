#pragma once
// The file list and the folders on a bare form with only their controls, on fakes and the
// virtual clock: data folder C:\ZELCOR\, Windows in C:\WINDOWS\. Message boxes are answered at
// once and their texts kept (line ends as LF). The controls carry the window's names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/services.h"
#include "core/shared_state.h"
#include "dialogs/Mkdlg.h"
#include "dialogs/mk.h"
#include "fakes/fake_platform.h"
#include "test_support.h"
#include "files/file_list.h"
#include "files/folders.h"
#include "ui/form.h"

struct FilesTest : ::testing::Test, fakes::FakeWorld {
  core::SharedState S;
  dialogs::TMKBoxDlg box{application};
  std::vector<std::string> messages;
  static constexpr bool kNoQuestionsHere = true;  // the file list and folders only inform
  const std::string data = "C:\\ZELCOR\\";

  ui::Form form{application, "Files", "TFiles"};
  template <class T>
  T& add(const std::string& name) {
    return form.add<T>(nullptr, name, 0);
  }
  std::vector<ui::CheckBox*> boxes(const std::string& prefix, int n) {
    std::vector<ui::CheckBox*> out;
    for (int i = 0; i < n; ++i) out.push_back(&add<ui::CheckBox>(prefix + std::to_string(i)));
    return out;
  }
  ui::ListBox &ListBox1 = add<ui::ListBox>("ListBox1"), &ListBox2 = add<ui::ListBox>("ListBox2"),
              &ListBox3 = add<ui::ListBox>("ListBox3"), &ListBox4 = add<ui::ListBox>("ListBox4"),
              &ListBox6 = add<ui::ListBox>("ListBox6"), &ListBox8 = add<ui::ListBox>("ListBox8"),
              &ListBox9 = add<ui::ListBox>("ListBox9"), &ListBoxKaKo = add<ui::ListBox>("ListBoxKaKo"),
              &ListBoxCD = add<ui::ListBox>("ListBoxCD");
  ui::Label& LabelKaKo = add<ui::Label>("LabelKaKo");
  ui::Header &HeaderControl1 = add<ui::Header>("HeaderControl1"), &HeaderFolder = add<ui::Header>("HeaderFolder");
  ui::StatusBar &StatusBar1 = add<ui::StatusBar>("StatusBar1"), &StatusBar2 = add<ui::StatusBar>("StatusBar2");
  ui::CheckBox& CB32 = add<ui::CheckBox>("CB32");
  ui::Button &Button13 = add<ui::Button>("Button13"), &Button14 = add<ui::Button>("Button14"),
             &ButtonKaka = add<ui::Button>("ButtonKaka");
  ui::Edit& Edit1 = add<ui::Edit>("Edit1");
  std::vector<ui::CheckBox*> ExtensionBoxes = boxes("Ext", 9), AttributeBoxes = boxes("CB", 5);
  ui::TreeView& TreeView1 = add<ui::TreeView>("TreeView1");
  ui::ComboBox& ComboBox2 = add<ui::ComboBox>("ComboBox2");
  ui::Panel& PanelKaKo = add<ui::Panel>("PanelKaKo");
  ui::MenuItem& K6 = form.mainMenu().add("K6", 0, "K6");

  files::FileList files{{ListBox4, ListBox1, ListBox2, ListBox3, ListBox6, ListBox8, ListBox9, ListBoxKaKo, LabelKaKo,
                         HeaderControl1, StatusBar1, StatusBar2, CB32, Button13, Button14, Edit1, ExtensionBoxes,
                         AttributeBoxes},
                        S, services, box};
  files::Folders folders{{ListBox1, TreeView1, HeaderFolder, ComboBox2, ListBoxCD, K6, ButtonKaka, PanelKaKo,
                          ListBoxKaKo, LabelKaKo, add<ui::Button>("ButtonKaKoOK"), add<ui::Button>("ButtonKaKoRESET"),
                          add<ui::Button>("ButtonKaKoALLCUT"), add<ui::Button>("ButtonKaKoCUT")},
                         S, services, box, application, files};

  FilesTest() {
    fs.addFolder("C:\\ZELCOR");
    fs.addFolder("C:\\WINDOWS\\MEDIA");
    drives.add('C', platform::DriveType::Fixed);
    drives.add('D', platform::DriveType::Fixed);
    S.DataFolder = data;
    S.WindowsFolder = "C:\\WINDOWS\\";
    S.ExtensionTable = {"WAV", "MID", "RMI", "AIF", "AU", "SND", "LZH", "CDA", "MP3"};
    S.settings.folderPath = "C:\\WINDOWS\\MEDIA";
    StatusBar1.setPanelCount(3);
    StatusBar2.setPanelCount(4);
    HeaderControl1.setSections({"ファイル一覧"});
    HeaderFolder.setSections({"ツリー構造のフォルダー"});
    folders.showPanel = [](ui::Panel& panel, bool on) { panel.setVisible(on); };
    testing_support::AnswerBoxesAtOnce(application, messages, kNoQuestionsHere);
  }

  // The switches as the default settings leave them, then the subsystems' start-up.
  FilesTest& start() {
    for (int i = 0; i < 9; ++i) ExtensionBoxes[i]->setChecked(S.settings.kakuchoshi[i] != 0);
    S.ExtensionPatterns = S.ActivePatterns = "*.WAV;*.MID;*.RMI;*.AIF;*.AU;*.SND;*.CDA;*.MP3;";
    for (int i = 0; i < 5; ++i) AttributeBoxes[i]->setChecked(S.settings.zokusei[i] != 0);
    S.AttributeMask = 1 + 32;  // rd, arc
    Edit1.setVisible(false);
    Button14.setVisible(false);
    files.restoreAtStart();
    folders.restoreAtStart();
    return *this;
  }
  ui::MenuItem& menu(const char* name) { return *form.findMenu(name); }
  ui::Control* findControl(const std::string& name) { return form.findControl(name); }
  void close() { folders.saveAtClose(); }
};
