// WAV to MP3 conversion in the player: the formats in the registry, the batch over the
// selected rows with the real encoder on small inputs, its messages and the record.
#include <algorithm>
#include <thread>

#include "fakes/lha_unlha.h"
#include "files/file_list.h"
#include "mp3/target_format.h"
#include "player_fixture.h"
#include "test_signals.h"
#include "test_sounds.h"
#include "tools/mp3_convert.h"
#include "tools/mp3_format_dialog.h"
#include "tools/mp3_formats.h"
#include "tools/mp3_record.h"

namespace {

using platform::Hive;
using zelcor::mp3::TargetFormat;

std::string Bytes(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }

// A short tone as a PCM WAV file image.
std::string Tone(int rate, int channels, int bits, double seconds = 0.3) {
  return Bytes(zelcor::mp3::testing::WavImage(zelcor::mp3::testing::Sine(rate, channels, seconds, 440, 0.5), rate, bits));
}

// The format block of a converted file, read back as the registry form of a format.
TargetFormat OutputFormat(const std::string& file) {
  TargetFormat f{0, 0, 0};
  EXPECT_GE(file.size(), 50u);
  if (file.size() < 50) return f;
  const auto* p = reinterpret_cast<const uint8_t*>(file.data()) + 20;  // after "RIFF" size "WAVE" "fmt " size
  EXPECT_EQ(zelcor::mp3::ParseTargetFormat(p, 30, &f), "");
  return f;
}

struct Mp3ConversionTest : AnsweringPlayerTest {
  const std::string music = "C:\\MUSIC\\", saved = "D:\\MP3\\";
  Mp3ConversionTest() {
    fs.addFolder("C:\\MUSIC");
    fs.addFolder("D:\\MP3");
    clock.set({2026, 12, 7, 9, 5, 30, 1});
  }

  app::TZELCOR32ZUMIK& startWithRows(const std::vector<std::string>& names) {
    auto& w = start();
    w.S.settings.mp3SaveFolder = saved;
    w.S.settings.folderPath = "C:\\MUSIC";
    w.ListBox4.setItems(names);
    for (int i = 0; i < w.ListBox4.count(); ++i) w.ListBox4.setSelected(i, true);
    w.Files->ActiveList = &w.ListBox4;
    messages.clear();
    return w;
  }

  // Chooses the command and lets the window run until the batch has ended.
  void convert() {
    window->menu("P_MP3_HENKAN").click();
    for (int i = 0; i < 2000 && window->Mp3->Running(); ++i) {
      loop.advance(200);
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_FALSE(window->Mp3->Running());
  }

  bool said(const std::string& part) const {
    for (const auto& m : messages)
      if (m.find(part) != std::string::npos) return true;
    return false;
  }
};

TEST_F(Mp3ConversionTest, StartUpWritesTheOwnFormatAndMakesItTheDefaultOnlyWhenNoneIsSet) {
  start();
  const auto blob = reg.readBinary(Hive::CurrentUser, tools::kWaveFormatsKey, "MP3_ZUMIK", 500);
  ASSERT_TRUE(blob);
  EXPECT_EQ((*blob)[0] | (*blob)[1] << 8, 0x0055);
  const TargetFormat f = tools::ReadFormat(reg, "MP3_ZUMIK").value_or(TargetFormat{0, 0, 0});
  EXPECT_EQ(f.sample_rate, 44100);
  EXPECT_EQ(f.channels, 2);
  EXPECT_EQ(f.kbps, 128);
  EXPECT_EQ(tools::DefaultFormatName(reg), "MP3_ZUMIK");
  EXPECT_EQ(get("MP3_ZUMIK"), "MP3_ZUMIK");

  fakes::FakeRegistry fresh;
  fresh.writeString(Hive::CurrentUser, tools::kAudioKey, "DefaultFormat", "VOICE");
  EXPECT_TRUE(tools::EnsureZumikFormat(fresh, core::kSettingsKey));
  EXPECT_EQ(tools::DefaultFormatName(fresh), "VOICE");
  EXPECT_FALSE(tools::EnsureZumikFormat(fresh, core::kSettingsKey));
}

TEST_F(Mp3ConversionTest, TheFormatInUseSetsRateChannelsAndBitRateAndTheRecordIsShown) {
  fs.addFile(music + "A.WAV", Tone(44100, 2, 16));
  startWithRows({"A.WAV"});
  ASSERT_TRUE(tools::WriteFormat(reg, "VOICE", {22050, 1, 64, zelcor::mp3::ChannelMode::kMono}));
  tools::SetDefaultFormat(reg, "VOICE");
  convert();
  const std::string out = fs.contents(saved + "A.WAV").value_or("");
  const TargetFormat f = OutputFormat(out);
  EXPECT_EQ(f.sample_rate, 22050);
  EXPECT_EQ(f.channels, 1);
  EXPECT_EQ(f.kbps, 64);
  EXPECT_FALSE(fs.fileExists(saved + tools::kMp3TempName));
  EXPECT_TRUE(said("への変換に成功しました☆☆☆"));
  ASSERT_EQ(window->Mp3->Record.size(), 1u);
  const std::string report = fs.contents(data + tools::kMp3RecordFile).value_or("");
  EXPECT_NE(report.find("1個 変換しました。"), std::string::npos);
  EXPECT_NE(report.find(saved + "A.WAV"), std::string::npos);
  EXPECT_EQ(shell.runs.back(), "notepad.exe \"" + data + tools::kMp3RecordFile + "\" ");
  EXPECT_EQ(window->caption(), "Zelcor32 B-G-M");
}

TEST_F(Mp3ConversionTest, EachRowThatCannotBeConvertedSaysWhyAndConvertsNothing) {
  struct Case {
    const char* name;
    std::function<void(Mp3ConversionTest&)> setUp;
    std::vector<std::string> rows;
    const char* message;
  } cases[] = {
      {"source is the final file", [](Mp3ConversionTest& t) { t.window->S.settings.mp3SaveFolder = t.music; },
       {"A.WAV"}, "元ファイルとは、別のフォルダーを指定して下さい・・・\nC:\\MUSIC\\A.WAV"},
      {"final file exists", [](Mp3ConversionTest& t) { t.fs.addFile(t.saved + "A.WAV", "old"); },
       {"A.WAV"}, "登録先に、同名ファイルが存在するので、飛ばします・・・\nD:\\MP3\\A.WAV"},
      {"not a WAV row", [](Mp3ConversionTest&) {}, {"B.MID"}, "MP3変換エラー：\nWAVファイルが選択されていません"},
      {"compressed WAV",
       [](Mp3ConversionTest& t) {
         std::string adpcm = Tone(8000, 1, 8);
         adpcm[20] = 2;  // the format tag
         t.fs.addFile(t.music + "C.WAV", adpcm);
       },
       {"C.WAV"}, "変換に、失敗しました・・・\nC:\\MUSIC\\C.WAV"},
      {"4 GB claimed", [](Mp3ConversionTest& t) { t.fs.addFile(t.music + "C.WAV", testsounds::ToneWav(50, 0xFFFFFFF0u)); },
       {"C.WAV"}, "変換に、失敗しました・・・\nC:\\MUSIC\\C.WAV"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs.addFile(music + "A.WAV", Tone(8000, 1, 8));
    fs.addFile(music + "B.MID", testsounds::MidiFile());
    startWithRows(c.rows);
    c.setUp(*this);
    convert();
    EXPECT_TRUE(said(c.message));
    EXPECT_TRUE(said("又は、変換対象WAVファイルが有りませんでした・・・"));
    EXPECT_TRUE(window->Mp3->Record.empty());
    EXPECT_FALSE(fs.fileExists(saved + tools::kMp3TempName));
    EXPECT_FALSE(fs.fileExists(data + tools::kMp3RecordFile));
    window.reset();
    fs.removeFile(saved + "A.WAV");
  }
}

TEST_F(Mp3ConversionTest, AnArchiveEntryConvertsFromItsExtractedCopyWhichIsThenRemoved) {
  const std::string songs = music + "SONGS.LZH";
  fakes::MakeArchive(fs, songs, {{"DIR/A.WAV", Tone(8000, 1, 8)}, {"B.MID", testsounds::MidiFile()}});
  auto& w = startWithRows({"/" + songs + "/DIR/A.WAV", "/" + songs + "/B.MID", "/" + songs + "/GONE.WAV"});
  w.Files->ActiveList = &w.ListBox2;  // a memory list: its rows are whole entries
  w.ListBox2.setItems(w.ListBox4.items());
  for (int i = 0; i < w.ListBox2.count(); ++i) w.ListBox2.setSelected(i, true);
  convert();
  EXPECT_EQ(OutputFormat(fs.contents(saved + "A.WAV").value_or("")).sample_rate, 44100);
  EXPECT_EQ(window->Mp3->Record.size(), 1u);
  EXPECT_FALSE(fs.fileExists(w.S.PopFolder + "A.WAV"));
  EXPECT_FALSE(fs.fileExists(w.S.PopFolder + "B.MID"));  // only WAV entries are extracted
  EXPECT_FALSE(fs.fileExists(saved + "GONE.WAV"));
}

TEST_F(Mp3ConversionTest, ABrokenFileIsSkippedAndTheBatchGoesOn) {
  fs.addFile(music + "A.WAV", testsounds::ToneWav(50, 0xFFFFFFF0u));
  fs.addFile(music + "B.WAV", Tone(8000, 1, 8));
  startWithRows({"A.WAV", "B.WAV"});
  convert();
  EXPECT_TRUE(said("変換に、失敗しました・・・\nC:\\MUSIC\\A.WAV"));
  EXPECT_FALSE(fs.fileExists(saved + "A.WAV"));
  EXPECT_TRUE(fs.fileExists(saved + "B.WAV"));
  EXPECT_EQ(window->Mp3->Record.size(), 1u);
}

TEST_F(Mp3ConversionTest, AFailedWriteLeavesNeitherTheTemporaryNorTheFinalFile) {
  fs.addFile(music + "A.WAV", Tone(8000, 1, 8));
  fs.failWriteAfter(saved + tools::kMp3TempName, 100);
  startWithRows({"A.WAV"});
  convert();
  EXPECT_TRUE(said("変換に、失敗しました・・・"));
  EXPECT_FALSE(fs.fileExists(saved + tools::kMp3TempName));
  EXPECT_FALSE(fs.fileExists(saved + "A.WAV"));
}

TEST_F(Mp3ConversionTest, StopBetweenFilesEndsTheBatchAndTheRecordShowsTheFilesDone) {
  fs.addFile(music + "A.WAV", Tone(8000, 1, 8));
  fs.addFile(music + "B.WAV", Tone(8000, 1, 8));
  auto& w = startWithRows({"A.WAV", "B.WAV"});
  auto answer = application.onModalShown;
  application.onModalShown = [&](ui::Form& f) {
    answer(f);
    if (said("への変換に成功しました")) w.Button5.click();  // "中断"
  };
  convert();
  EXPECT_TRUE(said("中断ボタンが押されました。\n変換を強制終了します。"));
  EXPECT_FALSE(fs.fileExists(saved + "B.WAV"));
  const std::string report = fs.contents(data + tools::kMp3RecordFile).value_or("");
  EXPECT_NE(report.find("1個 変換しました。"), std::string::npos);
  EXPECT_NE(report.find(saved + "A.WAV"), std::string::npos);
}

TEST_F(Mp3ConversionTest, ASecondRequestWhileOneRunsIsTurnedAway) {
  // Long enough that the worker cannot be done before the first look at it.
  fs.addFile(music + "A.WAV", Tone(44100, 2, 16, 20));
  startWithRows({"A.WAV"});
  window->menu("P_MP3_HENKAN").click();
  ASSERT_TRUE(window->Mp3->Running());
  EXPECT_TRUE(window->S.run.BusyBatch);
  EXPECT_NE(window->caption().find(" (変換中) "), std::string::npos);
  convert();
  EXPECT_TRUE(said("MP3変換を実行中です・・・"));
  EXPECT_TRUE(fs.fileExists(saved + "A.WAV"));
  EXPECT_FALSE(window->S.run.BusyBatch);
}

TEST_F(Mp3ConversionTest, RecordLineAndReport) {
  const platform::DateTime now{2026, 12, 7, 9, 5, 30, 1};
  EXPECT_EQ(tools::RecordLine(1764044, 160910, "D:\\MP3\\A.WAV", now),
            "  9% 1,764,044/160,910  D:\\MP3\\A.WAV  26/12/07 月 09:05:30 ");
  EXPECT_EQ(tools::RatioText(1000, 1000), "100% 1,000/1,000  ");
  const auto lines = tools::RecordReport({"x"}, now);
  EXPECT_EQ(lines, (std::vector<std::string>{"MP3変換データ一覧　26/12/07 月 09:05:30 ", "1個 変換しました。",
                                             std::string(40, '-'), "x", std::string(40, '-')}));
}

TEST_F(Mp3ConversionTest, ClearingTheRecordAsksFirstAndNoMemoKeepsNotepadShutAfterABatch) {
  fs.addFile(music + "A.WAV", Tone(8000, 1, 8));
  auto& w = startWithRows({"A.WAV"});
  w.menu("MP3_No_Memo").click();
  EXPECT_TRUE(w.S.settings.noMemo);
  convert();
  EXPECT_TRUE(fs.fileExists(data + tools::kMp3RecordFile));
  EXPECT_TRUE(shell.runs.empty());
  answerYes = false;
  w.menu("MP3_KIROKUCLR").click();
  EXPECT_TRUE(said("MP3変換記録削除を中止しました。"));
  EXPECT_EQ(w.Mp3->Record.size(), 1u);
  answerYes = true;
  w.menu("MP3_KIROKUCLR").click();
  EXPECT_TRUE(w.Mp3->Record.empty());
  EXPECT_EQ(shell.runs.size(), 1u);  // the record shown once more before it went
}

TEST_F(Mp3ConversionTest, ClosingWritesARecordThatWasNeverShown) {
  fs.addFile(music + "A.WAV", Tone(8000, 1, 8));
  auto& w = startWithRows({"A.WAV"});
  w.S.settings.endClose = true;  // "再生停止時、終了する": the window closes after the batch
  convert();
  EXPECT_TRUE(shell.runs.empty());
  const std::string report = fs.contents(data + tools::kMp3RecordFile).value_or("");
  EXPECT_NE(report.find(saved + "A.WAV"), std::string::npos);
}

TEST_F(Mp3ConversionTest, TheFormatNameIsChosenAmongTheRegisteredOnesAndShownWhenTheSubmenuOpens) {
  auto& w = start();
  tools::WriteFormat(reg, "VOICE", {22050, 1, 64, zelcor::mp3::ChannelMode::kMono});
  auto shownCaption = [&] {
    w.menu("P_MP3").open();
    return w.menu("P_MP3_SN").caption();
  };
  tools::SetDefaultFormat(reg, "VOICE");  // changed outside the player
  EXPECT_EQ(shownCaption(), "変換サウンド名 ； VOICE (&H)");
  std::vector<std::string> offered;
  std::string typed = "MP3_ZUMIK";
  onOtherForm = [&](ui::Form& f) {
    auto& box = static_cast<dialogs::TSNBox&>(f);
    offered = box.ComboBox1.items();
    box.Edit1.userTyped(typed);
    box.Button1.click();
  };
  w.menu("P_MP3_SN").click();
  std::sort(offered.begin(), offered.end());
  EXPECT_EQ(offered, (std::vector<std::string>{"MP3_ZUMIK", "VOICE"}));
  EXPECT_EQ(tools::DefaultFormatName(reg), "MP3_ZUMIK");
  EXPECT_EQ(shownCaption(), "変換サウンド名 ； MP3_ZUMIK (&H)");
  EXPECT_TRUE(said("MP3_ZUMIK\n次回のMP3変換から、この設定値が使われます☆☆☆"));
  typed = "NONE";
  w.menu("P_MP3_SN").click();
  EXPECT_EQ(tools::DefaultFormatName(reg), "MP3_ZUMIK");
  EXPECT_TRUE(said("NONE\nこの変換サウンド名は、登録されていません・・・"));
}

TEST_F(Mp3ConversionTest, ANewFormatOffersTheBitRatesOfItsRateAndIsWrittenUnderItsName) {
  auto& w = start();
  std::vector<std::string> lsfRates;
  onOtherForm = [&](ui::Form& f) {
    auto& box = static_cast<tools::TMp3FormatBox&>(f);
    box.ButtonOk.click();  // no name yet: stays open
    EXPECT_EQ(box.modalResult(), ui::kResultNone);
    box.EditName.userTyped("声");
    box.ComboRate.userSelect(box.ComboRate.indexOf("22050"));
    lsfRates = box.ComboKbps.items();
    box.ComboKbps.userSelect(box.ComboKbps.indexOf("64"));
    box.CheckMono.click();
    box.ButtonOk.click();
  };
  w.menu("P_MP3_SN_NEW").click();
  ASSERT_EQ(lsfRates.size(), 14u);
  EXPECT_EQ(lsfRates.front(), "8");
  EXPECT_EQ(lsfRates.back(), "160");
  const TargetFormat f = tools::ReadFormat(reg, "声").value_or(TargetFormat{0, 0, 0});
  EXPECT_EQ(f.sample_rate, 22050);
  EXPECT_EQ(f.channels, 1);
  EXPECT_EQ(f.kbps, 64);
  EXPECT_TRUE(said("声\n新しいサウンド名を作成しました☆☆☆"));
}

}  // namespace
