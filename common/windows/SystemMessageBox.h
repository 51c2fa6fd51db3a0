#pragma once
// The real message box: MessageBoxIndirectW, with Help and F1 opening the request's help topic.
#include <cstdint>
#include <functional>
#include <string>

namespace quorva {

// Makes every ShowMessageBox of the program a real, modal system box. Called once at start-up.
void InstallSystemMessageBox();

// Opens a help file at a topic: WinHelp for .hlp files, HTML Help (hhctrl.ocx) for .chm files.
void OpenHelpTopic(const std::wstring& helpFile, uint32_t topic);

// Tests replace what Help does, to see which topic a box asks for without a help viewer.
using HelpOpener = std::function<void(const std::wstring& helpFile, uint32_t topic)>;
HelpOpener SetHelpOpener(HelpOpener opener);

}  // namespace quorva
