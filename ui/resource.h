// Identifiers of the resources in velmora.rc. Read by the resource compiler
// too, so only preprocessor definitions live here.
#pragma once

// The menus and the accelerator table are named resources: "MainMenu1",
// "PopupMenu1" and "Accelerators1".

// MainMenu1
#define ID_READIN1 1001
#define ID_SAVE1 1002
#define ID_SAVEAS1 1003
#define ID_DESKTOP1 1004
#define ID_STARTUP1 1005
#define ID_STARTMENU1 1006
#define ID_MINIMIZE1 1007
#define ID_EXIT1 1008
#define ID_SETTING1 1009
#define ID_SHOWTITLEBAR1 1010
#define ID_SHOWMENUBAR1 1011
#define ID_SHOWINTASKBAR1 1012
#define ID_ISSAVESTATUS 1013
#define ID_HELP2 1014
#define ID_ABOUT1 1015
#define ID_SITE1 1016

// PopupMenu1
#define ID_READIN2 1101
#define ID_SAVE2 1102
#define ID_SAVEAS2 1103
#define ID_DESKTOP2 1104
#define ID_STARTUP2 1105
#define ID_STARTMENU2 1106
#define ID_MINIMIZE2 1107
#define ID_EXIT2 1108
#define ID_SETTING2 1109
#define ID_SHOWTITLEBAR2 1110
#define ID_SHOWMENUBAR2 1111
#define ID_SHOWINTASKBAR2 1112
#define ID_ISSAVESTATUS2 1113
#define ID_HELP22 1114
#define ID_ABOUT2 1115
#define ID_SITE2 1116
