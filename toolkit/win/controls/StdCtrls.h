#pragma once
// The standard controls in one include.
#include "toolkit/win/controls/BitBtn.h"
#include "toolkit/win/controls/Button.h"
#include "toolkit/win/controls/ComboBox.h"
#include "toolkit/win/controls/Edit.h"
#include "toolkit/win/controls/Image.h"
#include "toolkit/win/controls/Label.h"
#include "toolkit/win/controls/Memo.h"
#include "toolkit/win/controls/Panel.h"
#include "toolkit/win/controls/ScrollBox.h"
#include "toolkit/win/controls/SpeedButton.h"
