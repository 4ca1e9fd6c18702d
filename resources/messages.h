// The message box texts, as Big5 (code page 950) byte strings.
#ifndef SOUNDCFG_MESSAGES_H
#define SOUNDCFG_MESSAGES_H

// 錯誤
const char kErrorCaption[] = "\xbf\xf9\xbb\x7e";

// 找不到註冊的資訊,此程式無法執行!!
const char kRegistryMissingText[] =
    "\xa7\xe4\xa4\xa3\xa8\xec\xb5\xf9\xa5\x55\xaa\xba\xb8\xea\xb0\x54,"
    "\xa6\xb9\xb5\x7b\xa6\xa1\xb5\x4c\xaa\x6b\xb0\xf5\xa6\xe6!!";

// 無法寫入設定檔: followed by the paths that could not be saved, one a line.
const char kSaveFailedText[] = "\xb5\x4c\xaa\x6b\xbc\x67\xa4\x4a\xb3\x5d\xa9\x77\xc0\xc9:";

#endif
