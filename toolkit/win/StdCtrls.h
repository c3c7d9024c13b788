#pragma once
// The standard controls in one include.
#include "toolkit/win/BitBtn.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/ComboBox.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/Image.h"
#include "toolkit/win/Label.h"
#include "toolkit/win/Memo.h"
#include "toolkit/win/Panel.h"
#include "toolkit/win/ScrollBox.h"
#include "toolkit/win/SpeedButton.h"
