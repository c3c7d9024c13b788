#pragma once
// Check box, radio button, list box, scroll bar, shape, bevel, splitter,
// track bar, progress bar and up-down in one include.
#include "toolkit/win/controls/Bevel.h"
#include "toolkit/win/controls/CheckBox.h"
#include "toolkit/win/controls/ListBox.h"
#include "toolkit/win/controls/ProgressBar.h"
#include "toolkit/win/controls/RadioButton.h"
#include "toolkit/win/controls/ScrollBar.h"
#include "toolkit/win/controls/Shape.h"
#include "toolkit/win/controls/Splitter.h"
#include "toolkit/win/controls/TrackBar.h"
#include "toolkit/win/controls/UpDown.h"
