// Identifiers of the resources in velmora.rc. Read by the resource compiler
// too, so only preprocessor definitions live here.
#pragma once

// The menus and the accelerator table are named resources: "MainMenu1",
// "PopupMenu1" and "Accelerators1".

// One command per action: the main menu, the pop-up menu and the
// accelerators send the same identifier.
#define ID_READIN 1001
#define ID_SAVE 1002
#define ID_SAVEAS 1003
#define ID_DESKTOP 1004
#define ID_STARTUP 1005
#define ID_STARTMENU 1006
#define ID_MINIMIZE 1007
#define ID_EXIT 1008
#define ID_SETTING 1009
#define ID_SHOWTITLEBAR 1010
#define ID_SHOWMENUBAR 1011
#define ID_SHOWINTASKBAR 1012
#define ID_SAVESTATUS 1013
#define ID_HELP 1014
#define ID_ABOUT 1015
#define ID_SITE 1016
#define ID_COPYTIME 1017
#define ID_HIDEFULLSCREEN 1018
#define ID_HOVEROPAQUE 1019
#define ID_REMINDERS 1020
// Also a system menu command, whose identifiers keep their low four bits
// clear for Windows' own use.
#define ID_CLICKTHROUGH 1024
