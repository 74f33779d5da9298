#ifndef RIGVET_RUN_DIALOGIDS_H
#define RIGVET_RUN_DIALOGIDS_H

/* Ids of the dialog templates, their controls and the pictures: shared by the resource script,
   which reads only #define lines, and the front ends. */

#define IDD_ABOUTBOX 100
#define IDD_RIGVET_DIALOG 102
#define IDR_MAINFRAME 128
#define IDB_BANNER 132

/* The About entry of the system menu: a system command, so its low four bits stay clear. */
#define IDM_ABOUTBOX 0x0010
/* Copy Results and Save Results..., after it in the system menu and on Ctrl+C and Ctrl+S. */
#define IDM_COPYRESULTS 0x0020
#define IDM_SAVERESULTS 0x0030
/* The framework's help command; the dialog accepts it and does nothing. */
#define ID_HELP 0xE146

#define IDC_RUN_TEST 1000
#define IDC_DISPLAY_PASS 1001
#define IDC_DISPLAY_FAIL 1002
#define IDC_SOUND_PASS 1003
#define IDC_SOUND_FAIL 1004
#define IDC_MEMORY_PASS 1005
#define IDC_MEMORY_FAIL 1006
#define IDC_DISK_PASS 1007
#define IDC_DISK_FAIL 1008
#define IDC_RUNNING 1009
#define IDC_UPDATES_PASS 1010
#define IDC_UPDATES_FAIL 1011
#define IDC_HELP_MEMORY 1012
#define IDC_HELP_DISK 1013
#define IDC_HELP_DISPLAY 1014
#define IDC_HELP_SOUND 1015
#define IDC_HELP_UPDATES 1016
#define IDC_HELP_CLOCK 1017
#define IDC_CLOCK_PASS 1018
#define IDC_CLOCK_FAIL 1019
#define IDC_DISPLAY_UNK 1020
#define IDC_SOUND_UNK 1021
#define IDC_UPDATES_UNK 1022
#define IDC_MEMORY_UNK 1023
#define IDC_DISK_UNK 1024
#define IDC_CLOCK_UNK 1025

#define IDC_NOTICE_LINE 1026
#define IDC_VERSION_LINE 1027
#define IDC_FILE_VERSION 1028

/* The summary line after a run, where the busy text shows during it. */
#define IDC_SUMMARY 1029

#endif
