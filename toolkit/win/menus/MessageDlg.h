#pragma once
// A message box chosen by kind and buttons, answered with a modal result;
// shown through ModalUI() like every box.
#include "toolkit/core/Enums.h"

#include <cstdint>
#include <string>

namespace fw {

FW_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
FW_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore)
FW_SET(TMsgDlgButtons, TMsgDlgBtn);

// The window system offers fixed button sets: the one holding the buttons
// asked for is used (OK alone when none fits). Returns mrOk, mrYes, mrNo,
// mrCancel, mrAbort, mrRetry or mrIgnore.
int32_t MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

} // namespace fw
