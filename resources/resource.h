// Identifiers shared by the resource script and the dialog code.
// The dialog template is named by the string "IDD_XMS", so it has no number here.
#ifndef SOUNDCFG_RESOURCE_H
#define SOUNDCFG_RESOURCE_H

#define IDI_SOUNDCFG  108

#define IDC_MUSIC_ON  1017
#define IDC_MUSIC_OFF 1018
#define IDC_SOUND_ON  1019
#define IDC_SOUND_OFF 1020
#define IDC_IO_PORT   1021
#define IDC_IRQ       1022

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif
