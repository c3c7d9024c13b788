#pragma once
// Check box, radio button, list box, scroll bar, shape, bevel, splitter,
// track bar, progress bar and up-down in one include.
#include "toolkit/win/Bevel.h"
#include "toolkit/win/CheckBox.h"
#include "toolkit/win/ListBox.h"
#include "toolkit/win/ProgressBar.h"
#include "toolkit/win/RadioButton.h"
#include "toolkit/win/ScrollBar.h"
#include "toolkit/win/Shape.h"
#include "toolkit/win/Splitter.h"
#include "toolkit/win/TrackBar.h"
#include "toolkit/win/UpDown.h"
