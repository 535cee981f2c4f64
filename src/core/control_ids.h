#pragma once
// Stable IDs of the main window's controls and menu commands. The player and the
// end-to-end driver both take them from here, so a test finds a control by its name.

#define ZELCOR_CONTROLS(X)                                                                      \
  X(PanelCommand, 1000) X(Button2, 1001) X(Button5, 1002) X(Button3, 1003) X(Button10, 1004)    \
  X(ButtonWait, 1005) X(StatusBar1, 1006) X(StatusBar2, 1007) X(PanelBar, 1008)                 \
  X(ButtonStop2, 1009) X(ScrollBar1, 1010) X(PanelResume, 1011) X(ButtonResume, 1012)           \
  X(ButtonRsumeINI, 1013) X(Panel_MP3, 1014) X(PanelCD, 1015) X(RadioGroup1, 1016)              \
  X(CheckBox1, 1017) X(ButtonTRAY, 1018) X(ButtonKZON, 1019) X(Button9, 1020) X(Button6, 1021)  \
  X(PanelFF, 1100) X(TreeView1, 1101) X(ListBox1, 1102) X(ListBox3, 1103) X(ListBox4, 1104)     \
  X(HeaderControl1, 1105) X(Edit1, 1106) X(ComboBox2, 1107) X(CB32, 1108) X(ButtonKaka, 1109)   \
  X(Button14, 1110) X(ButtonCD_Check, 1111) X(Button13, 1112) X(HeaderFolder, 1113)             \
  X(PanelMemory, 1200) X(ComboBox1, 1201) X(ListBox2, 1202) X(ListBox8, 1203) X(Image1, 1204)   \
  X(Button7, 1205) X(Button11, 1206) X(Button_JK, 1207) X(Btn_M_EDIT, 1208)                     \
  X(Panel_M_EDIT, 1209) X(Edit_M_EDIT, 1210) X(Btn_M_HENKO, 1211) X(Btn_M_NEW, 1212)            \
  X(Btn_M_DEL, 1213) X(Btn_M_CANCEL, 1214) X(Label_MFN_Kosu, 1215) X(Label7, 1216)              \
  X(ButtonMCut, 1217) X(Button12, 1218)                                                          \
  X(PanelKZ, 1300) X(CB13, 1301) X(CB14, 1302) X(CB15, 1303) X(CB37, 1304) X(CB38, 1305)        \
  X(CB39, 1306) X(CB30, 1307) X(CB40, 1308) X(CB41, 1309) X(CB1, 1310) X(CB2, 1311)             \
  X(CB3, 1312) X(CB4, 1313) X(CB5, 1314) X(Button1, 1315) X(LabelWaveFormat, 1316)              \
  X(PanelKaKo, 1400) X(ListBoxKaKo, 1401) X(ButtonKaKoCUT, 1402) X(ButtonKaKoALLCUT, 1403)       \
  X(ButtonKaKoRESET, 1404) X(ButtonKaKoOK, 1405) X(LabelKaKo, 1406)                           \
  X(PanelGomi, 1500) X(ListBox6, 1501) X(ListBox9, 1502) X(ButtonGomiCut, 1503)                 \
  X(Button_GOMI_ALLCLR, 1504) X(ButtonGomiOFF, 1505) X(CheckBoxGomi, 1506) X(LabelGomiSASIN, 1507) \
  X(LabelGomiKosu2, 1508) X(LabelGomiTUIKA, 1509)                                               \
  X(Panel_JK, 1600) X(ListBox_JK, 1601) X(ComboBox_TM_Mode, 1602) X(ComboBox_TM_SUB, 1603)      \
  X(Button_JK_START, 1604) X(Button_JK_STOP, 1605) X(Button_JK_CLOSE, 1606)                     \
  X(Label_JK_MODE, 1607) X(Label_JK_TM, 1608) X(Label_JK_KOSU, 1609) X(Btn_DAY_HENSHU, 1610)    \
  X(Label_JK_SH, 1611) X(Label_JK_SM, 1612) X(SpinButton_JK_SH_Up, 1613)                        \
  X(SpinButton_JK_SH_Down, 1614) X(SpinButton_JK_SM_Up, 1615) X(SpinButton_JK_SM_Down, 1616)     \
  X(Button_JK_ST, 1617) X(Button_JK_TMSET, 1618) X(Button_JK_TENSET, 1619)                       \
  X(RadioGroup_JK_ST, 1620) X(RadioGroup_JK_EN, 1621) X(Label_YoBI, 1622) X(Panel_TM_Mode, 1623) \
  X(Label_TM_Mode, 1624) X(Label_TM_SUB, 1625) X(Panel_DAY, 1626) X(Edit_DAY, 1627)             \
  X(Btn_DAY_NEW, 1628) X(Btn_DAY_HENKO, 1629) X(Btn_DAY_DEL, 1630) X(Btn_DAY_CANCEL, 1631)       \
  X(Panel_JK_DISP, 1650) X(Label_JK_DISP_TM, 1651) X(Label_JK_DISP, 1652) X(Button_JK_DISP, 1653) \
  X(PanelOPEN, 1700)                                                                             \
  X(ListBoxRL, 1802) X(ListBoxVM, 1803)                                                         \
  X(ListBoxVG, 1804) X(ListBoxVL, 1805) X(ListBoxCD, 1806) X(ListBoxLZH, 1807)                  \
  X(ListBoxLZH_V, 1808) X(PanelFFV, 1900) X(PanelKZV, 1901) X(PanelKKV, 1902) X(PanelGMV, 1903)  \
  X(PanelCMV, 1904) X(PanelMMV, 1905) X(PanelMMVU, 1906) X(PanelFFVU, 1907) X(PanelFFH, 1908)   \
  X(PanelKKH, 1909) X(PanelGMH, 1910) X(PanelKKVSZ, 1911) X(PanelKKHSZ, 1912) X(PanelGMVSZ, 1913) \
  X(PanelGMHSZ, 1914)                                                                            \
  X(SpinButton4Down, 1030) X(SpinButton4Up, 1031) X(SpinButton5Down, 1032) X(SpinButton5Up, 1033) \
  X(SpinButton6Down, 1034) X(SpinButton6Up, 1035) X(LabelWAVName, 1036) X(LabelWavData, 1037) \
  X(ScrollBar_MP3, 1038) X(Button_MP3_STOP, 1039) X(Button_MP3_PLAY, 1040)                    \
  X(LabelCD_CLEN, 1041) X(ButtonCD_PAUSE, 1042) X(ButtonCD_RESUME, 1043) X(ButtonCDPOSINI, 1044) \
  X(SpinButton1Down, 1045) X(SpinButton1Up, 1046) X(SpinButton2Down, 1047) X(SpinButton2Up, 1048) \
  X(SpinButton3Down, 1049) X(SpinButton3Up, 1050)

#define ZELCOR_MENUS(X)                                                                          \
  X(MFile0, 2000) X(K6, 2001) X(SSN, 2002) X(M_CD_NAME, 2003) X(FOLDERHIS, 2004)                \
  X(FILEHIS, 2005) X(MEXIT, 2006)                                                                \
  X(MStart0, 2010) X(Start1, 2011) X(Start2, 2012) X(MS_JK, 2013) X(MSC_ST_SET, 2014)           \
  X(MSC_ST_DEL, 2015)                                                                            \
  X(Exit1, 2020) X(ME_AUTO_OFF, 2021) X(ME_AUTO_OFF_WIN, 2022) X(ME_kosu, 2023)                 \
  X(ME_kosu0, 2024) X(ME_kosu1, 2025) X(ME_kosu2, 2026) X(ME_kosu3, 2027) X(ME_kosu4, 2028)     \
  X(ME_kosu5, 2029) X(ME_kosu6, 2030) X(ME_kosu7, 2031) X(ME_kosu8, 2032) X(ME_kosu9, 2033)     \
  X(ME_kosu10, 2034) X(ME_kosu_Set, 2035) X(ME_kosu_Set_Edit, 2036) X(ME_AUTO_OFF_SAVE, 2037)   \
  X(ME_AUTO_OFF_WIN_SAVE, 2038)                                                                  \
  X(MKaitou0, 2040) X(K7, 2041) X(K8, 2042) X(LZHEND1, 2043) X(LZH_VOUT, 2044) X(TEMPLZH1, 2045) \
  X(MK_FOLDER, 2046)                                                                             \
  X(MOption0, 2050) X(SAISEIBAR, 2051) X(KC, 2052) X(BackColor, 2053) X(RND_RESET, 2054)        \
  X(MSC_DK_SET, 2055) X(MSC_DK_DEL, 2056) X(AUTO_VOL, 2057) X(MO_MP3, 2058)                     \
  X(MO_Serch_Err, 2059) X(P_MP3_DIR, 2060)                                                       \
  X(MHelp0, 2070) X(HELP_MOKUJI, 2071) X(HELP_KEYWORD, 2072) X(help3, 2073) X(MHELP_VERCUT, 2074) \
  X(help2, 2075)                                                                                 \
  X(PkPLAY, 2100) X(PKANREN, 2101) X(PTEXT, 2102) X(PLZH4, 2103) X(PBinary, 2104) X(PHTML, 2105) \
  X(P0DCUT, 2106) X(PKANA, 2107) X(PAKI, 2108) X(P_MP3, 2109) X(P_FILE_SZ, 2110)                \
  X(P_FILE_SZ_ALL, 2111) X(PLZH0, 2112) X(PLZH1, 2113) X(PLZH2, 2114) X(PLZH3, 2115)            \
  X(PLZH5, 2116) X(PASHUKU, 2117) X(PASHUKUALL, 2118) X(PSAKUJO, 2119) X(PRENAME, 2120)         \
  X(PCOPY, 2121) X(PIDO, 2122) X(PKILL, 2123) X(PRENAME_LZH, 2124) X(PCOPY_LZH, 2125)           \
  X(PIDO_LZH, 2126) X(PKILL_LZH, 2127) X(PLZH_MEM_0, 2128) X(PLZH_MEM_1, 2129) X(PLZHX, 2130)   \
  X(P0, 2150) X(P1, 2151) X(P2, 2152) X(P3, 2153) X(P4, 2154)                                   \
  X(PopupMenu_JK_H_0, 2600) X(PopupMenu_JK_M_0, 2610) /* five items each */                      \
  X(PJK_COPY, 2620) X(PJK_PUT, 2621) X(PJK_COPY_DISP, 2622) X(PJK_CLR, 2623) X(PJK_CLR_ALL, 2624)   \
  X(PJK_CANCEL, 2625)   \
  X(P_MP3_HENKAN, 2200) X(P_MP3_SN, 2201) X(P_MP3_SN_NEW, 2202) X(MP3_TXT, 2203)                \
  X(MP3_KIROKU, 2204) X(MP3_KIROKUCLR, 2205) X(MP3_No_Memo, 2206)   \
  X(TR1, 2170) X(TR2, 2171) X(TRSKIP, 2172) X(TRBS, 2173) X(TRM0, 2174) X(TRM1, 2175)            \
  X(TRM2, 2176) X(TRM3, 2177) X(P_ICON_DEL, 2178) X(TRIconOFF, 2179) X(TROFF, 2180) X(TRX, 2181) \
  X(TL1, 2182) X(TL2, 2183) X(TLX, 2184)   \
  X(PCD_ALL, 2160) X(PCD_1, 2161)

namespace ids {
#define ZELCOR_ID_ENUM(name, value) name = value,
enum Control : int { ZELCOR_CONTROLS(ZELCOR_ID_ENUM) };
enum Menu : int { ZELCOR_MENUS(ZELCOR_ID_ENUM) };
#undef ZELCOR_ID_ENUM
}  // namespace ids

// The setup window's controls.
namespace setup_ids {
enum Control : int {
  Label1 = 100, Edit1 = 101, Label2 = 102, ComboBox1 = 103, CheckBoxST = 104, CheckBoxBkColor = 105, ZUMIK_COLOR = 106,
  Button1 = 107, Button4 = 108, Button3 = 109, Button2 = 110, Panel_Create = 111,
};
}  // namespace setup_ids
